#include "activities/memory/FrmMemory2.h"

#include "activities/memory/MemoryLesson.h"
#include "frame/DataPictures.h"
#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"
#include "ui/Artwork.h"

#include <QPainter>

namespace {

constexpr int SequenceStepMs = 1500;
constexpr int RowTops[] = {64, 240, 416, 592};
constexpr int FrameTops[] = {224, 400, 576, 48}; // behind rows 2, 3, 4, 1
constexpr int DiscTops[] = {208, 384, 560, 32};
constexpr int TickTops[] = {80, 256, 432, 616};
const QColor FrameColour(214, 232, 252);
const QColor DiscColour(255, 214, 0);
const QString Tick = QStringLiteral("√");

// The start button: a round green button with a white arrow to press.
QPixmap paintStartPicture()
{
    QPixmap picture(256, 256);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 120, 50), 10));
    p.setBrush(QColor(70, 190, 90));
    p.drawEllipse(QRectF(8, 8, 240, 240));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const QPointF arrow[] = {{98, 68}, {98, 188}, {196, 128}};
    p.drawPolygon(arrow, 3);
    return picture;
}

// The window's good or bad animation from the data folder; the program's own when missing.
QPixmap judgementPicture(AppContext& app, const QString& name, const QPixmap& fallback)
{
    const QPixmap picture =
        LoadDataPicture(app, QStringLiteral("pic"), name, QStringLiteral("gif"));
    return picture.isNull() ? fallback : picture;
}

} // namespace

FrmMemory2::FrmMemory2(AppContext& app, const QString& name)
    : ActivityForm(app, name)
    , cycle(*this, {}, Feedback::None{},
            {.nextRound =
                 [this] {
                     for (int r = 1; r <= Rows; ++r)
                         row(r).UnloadAllButFirst();
                     Image1->setPicture(goodPicture_);
                     LastAnswerWrong = false;
                 },
             .sameAgain =
                 [this] {
                     // The rows stay, hidden, for the same sequence again.
                     for (int r = 1; r <= Rows; ++r)
                         row(r).forEach([](int, Image& picture) { picture.hide(); });
                     Image1->setPicture(badPicture_);
                     LastAnswerWrong = true;
                 }})
    , startPicture_(paintStartPicture())
{
    for (int i = 0; i < Rows; ++i) {
        auto* frame = make<Shape>(QStringLiteral("Shape1"), Shape::Kind::RoundedRectangle);
        frame->Move(160, FrameTops[i], 593, 137);
        frame->setFill(FrameColour);
        frame->setNoBorder();
        Shape1.setDesigned(i, frame);
        auto* disc = make<Shape>(QStringLiteral("Shape2"), Shape::Kind::Circle);
        disc->Move(696, DiscTops[i], 177, 169);
        disc->setFill(DiscColour);
        disc->setNoBorder();
        Shape2.setDesigned(i, disc);
    }
    ControlArray<Image>* rows[] = {&Image2, &Image3, &Image4, &Image5};
    for (int i = 0; i < Rows; ++i) {
        auto* picture = make<Image>(QStringLiteral("Image%1").arg(i + 2));
        picture->Move(176, RowTops[i], 113, 113);
        picture->setStretch(true);
        rows[i]->setDesigned(picture);
    }
    for (int i = 0; i < Rows; ++i) {
        auto* box = make<Label>(QStringLiteral("Label1"));
        box->Move(752, TickTops[i], 73, 73);
        box->setBackColor(Qt::white);
        box->setForeColor(QColor(255, 0, 0));
        box->setFont(QStringLiteral("宋体"), 48, true);
        box->setAlignment(Qt::AlignCenter);
        box->setWordWrap(false);
        box->setHandCursor();
        Label1.setDesigned(i, box);
    }
    Label1.onClick([this](int k) { Label1_Click(k); });

    Image1 = make<Image>(QStringLiteral("Image1"));
    Image1->Move(544, 320, 129, 129);
    Image1->setStretch(true);
    Image1->setPicture(startPicture_);
    Image1->setHandCursor();
    connect(Image1, &Control::Click, this, [this] { Image1_Click(); });

    connect(Timer1, &Timer::Tick, this, [this] { Timer1_Timer(); });
    connect(Timer2, &Timer::Tick, this, [this] { Timer2_Timer(); });
    connect(Timer4, &Timer::Tick, this, [this] { Timer4_Timer(); });
}

ControlArray<Image>& FrmMemory2::row(int r)
{
    switch (r) {
    case 1:
        return Image2;
    case 2:
        return Image3;
    case 3:
        return Image4;
    default:
        return Image5;
    }
}

void FrmMemory2::Form_Load()
{
    ScaleForm(app(), *this);
    InitRewards(*this);
    LastAnswerWrong = false;
    ShowStep = 0;
    centreImage1();
    const int count = ReadLessonPictureCount(*this);
    // Each row shows four different pictures.
    if (!EnoughLessonPictures(*this, count, RowLength)) return;
    ItemTotal = int16_t(count);
    goodPicture_ = judgementPicture(app(), QStringLiteral("good"), Artwork::good());
    badPicture_ = judgementPicture(app(), QStringLiteral("bad"), Artwork::bad());
    showTicking(false);
    for (int r = 1; r <= Rows; ++r)
        row(r)[0].hide();
}

// Starts a new question, or after a wrong tick shows the same one again.
void FrmMemory2::Image1_Click()
{
    if (LastAnswerWrong) {
        ShowStep = 0;
        Timer2->start(1);
        return;
    }
    Image1->setEnabled(false);
    chuchi();
    MakeRandomOrder(app(), Rows);
    TargetRow = app().RandomOrder[1];
    for (int k = 1; k <= RowLength; ++k)
        TargetSequence[size_t(k)] = RowItems[size_t(TargetRow)][size_t(k)];
    ShowStep = 0;
    Timer2->start(1);
}

void FrmMemory2::chuchi()
{
    for (int r = 1; r <= Rows; ++r) {
        ControlArray<Image>& pictures = row(r);
        MakeRandomOrder(app(), ItemTotal);
        for (int k = 1; k <= RowLength; ++k) {
            pictures.Load(k);
            Image& shown = pictures[k - 1];
            shown.hide();
            shown.setLeft((pictures[0].Width() + 5) * (k - 1) + pictures[0].Left());
            const int item = app().RandomOrder[size_t(k)];
            shown.setPicture(app().ItemPictures[size_t(item)]);
            RowItems[size_t(r)][size_t(k)] = item;
        }
    }
    // Behind everything, the discs over the frames' ends.
    for (int i = 0; i < Rows; ++i)
        Shape2[i].lower();
    for (int i = 0; i < Rows; ++i)
        Shape1[i].lower();
}

// The four pictures one after the other, left and right of the middle by turns.
void FrmMemory2::Timer2_Timer()
{
    Timer2->setInterval(SequenceStepMs);
    ++ShowStep;
    if (ShowStep <= RowLength) {
        const double middle = ScaleWidth() / 2;
        Image1->setLeft(ShowStep % 2 ? middle - 2 * Image1->Width() : middle + Image1->Width());
        Image1->setPicture(app().ItemPictures[size_t(TargetSequence[size_t(ShowStep)])]);
        Image1->show();
        return;
    }
    Timer2->stop();
    Image1->clearPicture();
    Image1->hide();
    Timer4->start(SequenceStepMs);
}

// The rows and their tick boxes.
void FrmMemory2::Timer4_Timer()
{
    Timer4->stop();
    showTicking(true);
    for (int r = 1; r <= Rows; ++r)
        for (int k = 0; k < RowLength; ++k)
            row(r)[k].show();
}

void FrmMemory2::Label1_Click(int k)
{
    Label1.forEach([](int, Label& box) { box.setCaption({}); });
    Label1[k].setCaption(Tick);
    ChosenRow = int16_t(k);
    Timer1->start(100);
}

// The tick has been seen: the rows give way to the judgement, which is also the button
// for what comes next.
void FrmMemory2::Timer1_Timer()
{
    Timer1->stop();
    Image1->show();
    for (int r = 1; r <= Rows; ++r)
        row(r)[0].hide();
    centreImage1();
    Image1->setEnabled(true);
    Label1.forEach([](int, Label& box) { box.setCaption({}); });
    showTicking(false);
    cycle.answer(TargetRow == ChosenRow + 1);
}

void FrmMemory2::showTicking(bool shown)
{
    for (int i = 0; i < Rows; ++i) {
        Label1[i].setVisible(shown);
        Shape1[i].setVisible(shown);
        Shape2[i].setVisible(shown);
    }
}

void FrmMemory2::centreImage1()
{
    Image1->setLeft((ScaleWidth() - Image1->Width()) / 2);
}
