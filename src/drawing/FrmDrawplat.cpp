#include "drawing/FrmDrawplat.h"

#include "drawing/FlowTools.h"
#include "drawing/FrmColor.h"
#include "drawing/Frmboard.h"
#include "drawing/MDIFrmHuatu.h"
#include "drawing/ToolIcons.h"

#include <QPainter>
#include <cmath>
#include <optional>

namespace {

enum class Options { None, EraserSizes, BrushShapes, SpraySizes, LineWidths, FillStyles };

struct Hotspot {
    int index;
    double left, top;
    const char16_t* tooltip;
    std::optional<ToolNumber> tool; // none: disabled
    Options options;
    ToolIcon icon;
};

// Two columns of icons; the cell at 120, 6960 has no hotspot and there is no element 11.
const Hotspot Hotspots[] = {
    {12, 120, 120, u"任意形状选取", ToolNumber::FreeFormSelect, Options::None,
     ToolIcon::FreeFormSelect},
    {10, 1080, 120, u"选取", ToolNumber::Select, Options::None, ToolIcon::Select},
    {0, 120, 1080, u"橡皮擦", ToolNumber::Eraser, Options::EraserSizes, ToolIcon::Eraser},
    {1, 1080, 1080, u"颜色填充", ToolNumber::Fill, Options::None, ToolIcon::Fill},
    {2, 120, 2040, u"取色", ToolNumber::PickColour, Options::None, ToolIcon::PickColour},
    {3, 1080, 2040, u"放大镜", std::nullopt, Options::None, ToolIcon::Magnifier},
    {4, 120, 3000, u"画笔", ToolNumber::Pencil, Options::None, ToolIcon::Pencil},
    {5, 1080, 3000, u"刷子", ToolNumber::Brush, Options::BrushShapes, ToolIcon::Brush},
    {6, 120, 3960, u"喷枪", ToolNumber::Spray, Options::SpraySizes, ToolIcon::Spray},
    {7, 1080, 3960, u"文字", std::nullopt, Options::None, ToolIcon::Text},
    {8, 120, 5040, u"画直线", ToolNumber::Line, Options::LineWidths, ToolIcon::Line},
    {14, 1080, 5040, u"画曲线", ToolNumber::Line, Options::LineWidths, ToolIcon::Curve},
    {9, 120, 6000, u"画矩形", ToolNumber::Rectangle, Options::FillStyles, ToolIcon::Rectangle},
    {13, 1080, 6000, u"画多边形", ToolNumber::Polygon, Options::FillStyles, ToolIcon::Polygon},
    {15, 1080, 6960, u"画圆角矩形", ToolNumber::RoundedRectangle, Options::FillStyles,
     ToolIcon::RoundedRectangle},
};
constexpr double HotspotSide = 975;

const Hotspot* hotspot(int index)
{
    for (const Hotspot& h : Hotspots)
        if (h.index == index) return &h;
    return nullptr;
}

const QRectF ToolPicture(120, 120, 2010, 7875);
// The icons are drawn at three times the design size so that they stay crisp when the
// board is scaled up.
constexpr double IconScale = 3.0 / TwipsPerPixel;

QPixmap toolIcons()
{
    QImage picture((ToolPicture.size() * IconScale).toSize(), QImage::Format_ARGB32);
    picture.fill(QColor(250, 250, 250));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    for (const Hotspot& h : Hotspots) {
        const QRectF cell(QPointF(h.left, h.top) - ToolPicture.topLeft(),
                          QSizeF(HotspotSide, HotspotSide));
        paintToolIcon(p, h.icon, QRectF(cell.topLeft() * IconScale, cell.size() * IconScale),
                      h.tool.has_value());
    }
    return QPixmap::fromImage(picture);
}

// The eraser sizes are squares; the spray sizes are drawn round their centres.
struct OptionPlace {
    double left, top, width, height;
};
const OptionPlace LineWidthPlaces[5] = {{120, 240, 1095, 255},
                                        {120, 600, 1095, 255},
                                        {120, 960, 1095, 255},
                                        {120, 1320, 1095, 255},
                                        {120, 1680, 1095, 255}};
const OptionPlace EraserPlaces[4] = {
    {480, 240, 285, 285}, {480, 540, 435, 435}, {480, 960, 480, 480}, {480, 1440, 555, 555}};
const OptionPlace FillStylePlaces[3] = {
    {120, 240, 1005, 495}, {120, 840, 1005, 495}, {120, 1440, 1005, 495}};
const OptionPlace SprayPlaces[3] = {
    {480, 240, 375, 375}, {480, 720, 495, 495}, {240, 1200, 855, 855}};
// Brush shapes 1..12: rows of three, 480 twips apart.
const double BrushLefts[13] = {0, 120, 600, 1080, 1080, 600, 120, 1080, 600, 120, 120, 600, 1080};
constexpr double BrushSide = 405;

// The panels are as wide as the tool picture and reach well down the tool box.
constexpr double OptionPanelHeight = 2400;

const double SprayFactors[3] = {1, 2, 0.5}; // the largest sample gives the smallest spread

QRectF pixelsOf(const Label& option)
{
    const double k = 1.0 / unitsPerPixel(option.form().unit());
    return QRectF(option.Left() * k, option.Top() * k, option.Width() * k, option.Height() * k);
}

} // namespace

FrmDrawplat::FrmDrawplat(MDIFrmHuatu& board)
    : Panel(board, QStringLiteral("FrmDrawplat"), QSizeF(2220, 11520), QStringLiteral("选择画笔"))
{
    Image2 = board.makeIn<Image>(this, QStringLiteral("Image2"));
    Image2->Move(ToolPicture.left(), ToolPicture.top(), ToolPicture.width(), ToolPicture.height());
    Image2->setPicture(toolIcons());
    for (const Hotspot& h : Hotspots) {
        auto* spot = board.makeIn<Label>(this, QStringLiteral("Label4"));
        spot->Move(h.left, h.top, HotspotSide, HotspotSide);
        spot->setTransparent(true);
        spot->setToolTip(QString::fromUtf16(h.tooltip));
        spot->setHandCursor();
        Label4.setDesigned(h.index, spot);
    }
    Label4.onClick([this](int i) { Label4_Click(i); });

    Frame1 = makeOptionPanel(QStringLiteral("Frame1"));
    Frame2 = makeOptionPanel(QStringLiteral("Frame2"));
    Frame4 = makeOptionPanel(QStringLiteral("Frame4"));
    Frame5 = makeOptionPanel(QStringLiteral("Frame5"));
    Frame6 = makeOptionPanel(QStringLiteral("Frame6"));
    sprayPicture_ = makeSamples(Frame1, QStringLiteral("Picture1"));
    fillPicture_ = makeSamples(Frame2, QStringLiteral("Picture2"));
    eraserPicture_ = makeSamples(Frame4, QStringLiteral("Picture4"));
    linePicture_ = makeSamples(Frame5, QStringLiteral("Picture5"));
    brushPicture_ = makeSamples(Frame6, QStringLiteral("Picture6"));

    for (int i = 0; i < 5; ++i) {
        const OptionPlace& o = LineWidthPlaces[i];
        Label1.setDesigned(
            i, makeOption(Frame5, QStringLiteral("Label1"), o.left, o.top, o.width, o.height));
    }
    for (int n = 1; n <= 12; ++n)
        Label2.setDesigned(n, makeOption(Frame6, QStringLiteral("Label2"), BrushLefts[n],
                                         (n - 1) / 3 * 480, BrushSide, BrushSide));
    for (int i = 0; i < 3; ++i) {
        const OptionPlace& o = FillStylePlaces[i];
        Label5.setDesigned(
            i, makeOption(Frame2, QStringLiteral("Label5"), o.left, o.top, o.width, o.height));
        const OptionPlace& s = SprayPlaces[i];
        Label5.setDesigned(
            3 + i, makeOption(Frame1, QStringLiteral("Label5"), s.left, s.top, s.width, s.height));
    }
    for (int i = 0; i < 4; ++i) {
        const OptionPlace& o = EraserPlaces[i];
        Label6.setDesigned(
            i, makeOption(Frame4, QStringLiteral("Label6"), o.left, o.top, o.width, o.height));
    }
    Label1.onClick([this](int i) { Label1_Click(i); });
    Label2.onClick([this](int i) { Label2_Click(i); });
    Label5.onClick([this](int i) { Label5_Click(i); });
    Label6.onClick([this](int i) { Label6_Click(i); });
}

Frame* FrmDrawplat::makeOptionPanel(const QString& name)
{
    auto* panel = board().makeIn<Frame>(this, name);
    panel->Move(0, 0, ToolPicture.width(), OptionPanelHeight);
    panel->setBackColor(MDIFrmHuatu::PanelColour);
    panel->hide();
    return panel;
}

PictureBox* FrmDrawplat::makeSamples(Frame* panel, const QString& name)
{
    auto* samples = board().makeIn<PictureBox>(panel, name);
    samples->Move(0, 0, ToolPicture.width(), OptionPanelHeight);
    samples->setBackColor(MDIFrmHuatu::PanelColour);
    samples->setAttribute(Qt::WA_TransparentForMouseEvents);
    return samples;
}

Label* FrmDrawplat::makeOption(Frame* panel, const QString& name, double left, double top,
                               double width, double height)
{
    auto* option = board().makeIn<Label>(panel, name);
    option->Move(left, top, width, height);
    option->setTransparent(true);
    option->setHandCursor();
    return option;
}

void FrmDrawplat::Form_Load()
{
    Move(0, 0);
    Label4[3].setEnabled(false);
    Label4[7].setEnabled(false);
    const double panelLeft = Image2->Left() + 5;
    const double panelTop = Image2->Top() + Image2->Height() + 3;
    for (Frame* panel : {Frame1, Frame2, Frame4, Frame5, Frame6})
        panel->Move(panelLeft, panelTop);
    for (const ControlArray<Label>* options : {&Label1, &Label4, &Label6, &Label2})
        markOption(*options, -1);
    drawSamples();
}

QSizeF FrmDrawplat::eraserSize(int i) const
{
    return QSizeF(Label6[i].Width() / 17, Label6[i].Height() / 17);
}

// Drawn once the board has its size, so that every sample is as large as what it stands for.
void FrmDrawplat::drawSamples()
{
    const QColor ink(0, 0, 0);
    const QColor paint(128, 128, 128);

    Label1.forEach([&](int i, const Label& option) {
        const QRectF r = pixelsOf(option);
        linePicture_->setDrawWidth(i + 1);
        linePicture_->Line(r.left() + 6, r.center().y(), r.right() - 6, r.center().y(), ink);
    });

    brushPicture_->setFillStyle(ShapeFill::Solid);
    brushPicture_->setFillColor(ink);
    Label2.forEach([&](int n, const Label& option) {
        const QRectF r = pixelsOf(option);
        const BrushMark mark = brushMark(n, r.center());
        // Each shape in the middle of its cell, whatever point it starts from.
        const QLineF line = mark.reference.translated(r.center() - mark.reference.center());
        switch (mark.kind) {
        case BrushMark::Kind::Dot:
            brushPicture_->Circle(r.center().x(), r.center().y(), mark.radius, ink);
            break;
        case BrushMark::Kind::Square:
            brushPicture_->Line(line.x1(), line.y1(), line.x2(), line.y2(), ink,
                                LineShape::FilledBox);
            break;
        case BrushMark::Kind::Stroke:
            brushPicture_->Line(line.x1(), line.y1(), line.x2(), line.y2(), ink);
            break;
        }
    });

    Label6.forEach([&](int i, const Label& option) {
        const QRectF r = pixelsOf(option);
        const QSizeF side = eraserSize(i);
        const QPointF corner = r.center() - QPointF(side.width(), side.height()) / 2;
        eraserPicture_->Line(corner.x(), corner.y(), corner.x() + side.width(),
                             corner.y() + side.height(), paint, LineShape::FilledBox);
    });

    fillPicture_->setFillColor(paint);
    for (int i = 0; i < 3; ++i) {
        const QRectF r = pixelsOf(Label5[i]).adjusted(6, 6, -6, -6);
        fillPicture_->setFillStyle(i == 0 ? ShapeFill::Transparent : ShapeFill::Solid);
        fillPicture_->Line(r.left(), r.top(), r.right(), r.bottom(), i == 2 ? paint : ink,
                           LineShape::Box);
    }

    // A spray of fixed dots, thicker in the middle, filling each sample's circle.
    for (int i = 3; i <= 5; ++i) {
        const QRectF r = pixelsOf(Label5[i]);
        quint32 seed = 7u * quint32(i);
        const auto next = [&seed] {
            seed = seed * 1664525u + 1013904223u;
            return double(seed >> 8) / double(1u << 24);
        };
        for (int k = 0; k < int(r.width() * 3); ++k) {
            const double angle = next() * 6.2832;
            const double reach = next() * next() * r.width() / 2;
            sprayPicture_->PSet(r.center().x() + reach * std::cos(angle),
                                r.center().y() + reach * std::sin(angle), ink);
        }
    }
}

void markOption(const ControlArray<Label>& options, int chosen)
{
    options.forEach([chosen](int i, Label& option) { option.setBorder(i == chosen); });
}

void FrmDrawplat::hideOptionPanels()
{
    for (Frame* panel : {Frame1, Frame2, Frame4, Frame5, Frame6})
        panel->hide();
}

void FrmDrawplat::Label4_Click(int i)
{
    const Hotspot* h = hotspot(i);
    if (!h || !h->tool) return;
    hideOptionPanels();
    markOption(Label4, i);
    board().state.Tool = *h->tool;
    switch (h->options) {
    case Options::None:
        break;
    case Options::EraserSizes:
        Frame4->show();
        break;
    case Options::BrushShapes:
        Frame6->show();
        break;
    case Options::SpraySizes:
        Frame1->show();
        break;
    case Options::LineWidths:
        Frame5->show();
        break;
    case Options::FillStyles:
        Frame2->show();
        break;
    }
    board().canvas->toolChosen();
}

void FrmDrawplat::Label1_Click(int i)
{
    markOption(Label1, i);
    board().canvas->Line1->setLineWidth(i + 1);
    board().canvas->Picture1->setDrawWidth(i + 1);
}

void FrmDrawplat::Label2_Click(int i)
{
    markOption(Label2, i);
    board().canvas->setOptionIndex(i);
}

void FrmDrawplat::Label6_Click(int i)
{
    markOption(Label6, i);
    board().canvas->setFootprintSize(eraserSize(i));
}

void FrmDrawplat::Label5_Click(int i)
{
    Frmboard& canvas = *board().canvas;
    canvas.setOptionIndex(i);
    canvas.Shape2->setBorderColor(board().colourPanel->Picture11->BackColor());
    canvas.Shape2->setFillColor(board().colourPanel->Picture10->BackColor());
    if (i <= 2) {
        const ShapeFill style = i == 0 ? ShapeFill::Transparent : ShapeFill::Solid;
        canvas.Picture1->setFillStyle(style);
        canvas.Shape2->setFillStyle(style);
    } else if (board().state.Tool == ToolNumber::Spray) {
        board().state.SprayFactor = SprayFactors[i - 3];
    }
}
