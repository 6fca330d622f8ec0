#include "drawing/FrmColor.h"

#include "drawing/FrmDrawplat.h"
#include "drawing/MDIFrmHuatu.h"

namespace {

struct Cell {
    int index;
    QColor colour;
};

// Fourteen columns of two cells, 720 twips apart; the indices follow the design, not the
// columns.
constexpr int Columns = 14;
const Cell Row1[Columns] = {
    {0, QColor(0, 0, 0)},      {1, QColor(128, 128, 128)}, {3, QColor(128, 0, 0)},
    {2, QColor(128, 128, 0)},  {4, QColor(0, 128, 0)},     {5, QColor(0, 128, 128)},
    {7, QColor(0, 0, 128)},    {6, QColor(128, 0, 128)},   {8, QColor(192, 192, 0)},
    {9, QColor(0, 192, 0)},    {11, QColor(0, 192, 192)},  {10, QColor(0, 0, 192)},
    {12, QColor(192, 0, 192)}, {13, QColor(128, 64, 0)},
};
const Cell Row2[Columns] = {
    {14, QColor(255, 255, 255)}, {15, QColor(192, 192, 192)}, {17, QColor(255, 0, 0)},
    {16, QColor(255, 255, 0)},   {18, QColor(0, 255, 0)},     {19, QColor(0, 255, 255)},
    {21, QColor(0, 0, 255)},     {20, QColor(255, 0, 255)},   {22, QColor(255, 255, 128)},
    {23, QColor(128, 255, 128)}, {25, QColor(128, 255, 255)}, {24, QColor(128, 128, 255)},
    {26, QColor(255, 128, 255)}, {27, QColor(255, 192, 128)},
};

} // namespace

FrmColor::FrmColor(MDIFrmHuatu& board)
    : Panel(board, QStringLiteral("FrmColor"), QSizeF(11595, 1935), QStringLiteral("选择颜色"))
{
    const auto swatch = [&](const QString& name, double left, double top, double width,
                            double height, const QColor& colour) {
        auto* box = board.makeIn<PictureBox>(this, name);
        box->Move(left, top, width, height);
        box->setBackColor(colour);
        box->setBorder(true);
        return box;
    };
    for (int column = 0; column < Columns; ++column) {
        const double left = 120 + column * 720;
        for (const auto& [cell, top] : {std::pair{Row1[column], 240}, {Row2[column], 960}})
            Picture0.setDesigned(
                cell.index, swatch(QStringLiteral("Picture0"), left, top, 750, 750, cell.colour));
    }
    Picture0.onMouseDown(
        [this](int i, Qt::MouseButton button, double, double) { Picture0_MouseDown(i, button); });

    // The secondary swatch lies lower right of the primary one, which covers its corner.
    Picture9 = swatch(QStringLiteral("Picture9"), 10440, 480, 975, 930, QColor(192, 192, 255));
    Picture10 = swatch(QStringLiteral("Picture10"), 10800, 720, 420, 420, Qt::white);
    Picture11 = swatch(QStringLiteral("Picture11"), 10560, 600, 420, 420, Qt::black);
}

void FrmColor::Form_Load()
{
    Move(board().toolBox->Width(), board().screenHeight() - 1.14 * Height(), Width(), Height());
}

void FrmColor::readSwatches()
{
    board().state.PrimaryColour = Picture11->BackColor();
    board().state.SecondaryColour = Picture10->BackColor();
}

void FrmColor::Picture0_MouseDown(int index, Qt::MouseButton button)
{
    if (button == Qt::LeftButton) Picture11->setBackColor(Picture0[index].BackColor());
    if (button == Qt::RightButton) Picture10->setBackColor(Picture0[index].BackColor());
    readSwatches();
}
