#include "activities/math/CountingRow.h"

#include "frame/DataPictures.h"
#include "frame/Mdljifeng.h"
#include "shell/core/CourseItems.h"
#include "shell/core/CourseStore.h"
#include "shell/core/Mdlmain.h"

namespace {

constexpr int Cells = 10;
constexpr double CellSide = 97;
constexpr double CellLeft = 16;
constexpr double CellGap = 2;
constexpr double JudgedSide = 201;
const QColor DiscYellow(255, 214, 0);

} // namespace

CountingRow::CountingRow(AppContext& app, const QString& name, const Design& design)
    : ActivityForm(app, name, ScaleUnit::Pixels, design.strip)
    , cycle(*this, design.rules, feedbackFor(design), hooks())
{
    auto* cell = make<Image>(QStringLiteral("Image1"));
    cell->Move(CellLeft, design.rowTop, CellSide, CellSide);
    cell->setStretch(true);
    cell->setHandCursor();
    Image1.setDesigned(cell);
    Image1.onClick([this](int k) { Image1_Click(k); });

    auto* disc = make<Shape>(QStringLiteral("Shape1"), Shape::Kind::Circle);
    disc->Move(CellLeft, design.rowTop, CellSide, CellSide);
    disc->setFill(DiscYellow);
    disc->setNoBorder();
    disc->hide();
    Shape1.setDesigned(disc);

    if (design.numbered) {
        Label* number =
            makeNumberLabel(QStringLiteral("Label1"), CellLeft, design.rowTop, CellSide, CellSide);
        number->setFitInsideEllipse(true); // "10" stays on its disc
        number->hide();
        Label1.setDesigned(number);
    }
}

// The answer stays in view on Timer2, the good or bad picture on Timer1; a window without
// those pictures just pauses on Timer1.
Feedback::Kind CountingRow::feedbackFor(const Design& design)
{
    if (!design.judgedAt) return Feedback::Pause{*Timer1, design.answerInViewMs};
    const QRectF at(*design.judgedAt, QSizeF(JudgedSide, JudgedSide));
    return Feedback::PauseThenPicture{*Timer2, design.answerInViewMs, *Timer1,
                                      GoodBadPictures::make(*this, QStringLiteral("Imggood"),
                                                            QStringLiteral("Imgbad"), at, Imggood,
                                                            Imgbad)};
}

RoundCycle::Hooks CountingRow::hooks()
{
    return {.roundGivesWay =
                [this] {
                    hideRow();
                    hideTarget();
                    ClickCount = 0;
                },
            .nextRound = [this] { newRow(); },
            .sameAgain = [this] { newRow(); }};
}

Label* CountingRow::makeNumberLabel(const QString& name, double left, double top, double width,
                                    double height)
{
    auto* label = make<Label>(name);
    label->Move(left, top, width, height);
    label->setFont(QStringLiteral("宋体"), 72, true);
    label->setTransparent(true);
    label->setWordWrap(false);
    return label;
}

void CountingRow::Form_Load()
{
    ScaleForm(app(), *this);
    if (hasRewardStrip())
        InitRewards(*this);
    else
        ImgHelp->hide();
    LoadCourseItems(app(), *Txtini, QStringLiteral("图片"), QStringLiteral("图片"),
                    QStringLiteral("数学课程"));
    items_ = ItemsJustRead(app(), *Txtini);
    Image1[0].setPicture(drawRowPicture());
    drawTarget();
    ClickCount = 0;

    for (int k = 1; k < Cells; ++k) {
        Image1.Load(k);
        Shape1.Load(k);
        if (Label1.exists(0)) Label1.Load(k);
    }
    const double step = Image1[0].Width() + CellGap;
    for (int k = 0; k < Cells; ++k) {
        Image1[k].setLeft(Image1[0].Left() + k * step);
        Shape1[k].Move(Image1[k].Left(), Image1[k].Top());
        Image1[k].show();
        if (Label1.exists(k)) {
            Label1[k].Move(Image1[k].Left(), Image1[k].Top());
            Label1[k].setCaption(QString::number(k + 1));
            Label1[k].ZOrder();
        }
    }
    Shape1[0].hide();
    if (Label1.exists(0)) Label1[0].hide();
    if (Imggood) Imggood->hide();
    if (Imgbad) Imgbad->hide();
}

QPixmap CountingRow::drawRowPicture()
{
    MakeRandomOrder(app(), app().ItemCount);
    const int drawn = app().RandomOrder[1] - 1;
    return LoadDataPicture(app(), QStringLiteral("pic/sxpic"),
                           drawn >= 0 && drawn < items_.size() ? items_[drawn] : QString());
}

void CountingRow::markCell(int k)
{
    Image1[k].hide();
    Shape1[k].show();
    if (Label1.exists(k)) Label1[k].show();
}

void CountingRow::hideRow()
{
    for (int k = 0; k < Cells; ++k) {
        Image1[k].hide();
        Shape1[k].hide();
        if (Label1.exists(k)) Label1[k].hide();
    }
}

void CountingRow::newRow()
{
    ClickCount = 0;
    const QPixmap picture = drawRowPicture();
    for (int k = 0; k < Cells; ++k) {
        Image1[k].setPicture(picture);
        Image1[k].show();
        Shape1[k].hide();
        if (Label1.exists(k)) Label1[k].hide();
    }
    drawTarget();
}
