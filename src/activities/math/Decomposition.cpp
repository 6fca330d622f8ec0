#include "activities/math/Decomposition.h"

#include "frame/DataPictures.h"
#include "frame/Mdljifeng.h"
#include "shell/core/CourseItems.h"
#include "shell/core/CourseStore.h"
#include "shell/core/Mdlmain.h"
#include "ui/Artwork.h"

using Role = DecompositionRow::Role;

const DecompositionRow Decomposition::Rows[3] = {
    // N in a pile on top; a and b dropped into the two boxes below.
    {"frmFengjie",
     "Shape5",
     {{{{296, 32, 633, 257}, {328, 48}, 105, 120, 5, Role::Shows},
       {{296, 376, 321, 321}, {304, 384}, 97, 104, 3, Role::Takes},
       {{624, 376, 321, 321}, {632, 384}, 97, 104, 3, Role::Takes}}},
     {{{608, 296}, {424, 696}, {768, 696}}},
     {{{620, 336, 456, 376}, {620, 336, 784, 376}}},
     {72, 544},
     {{352, 288}, {776, 288}},
     2,
     true},
    // N in a pile and b in the right box; a dropped into the left box.
    {"FrmFengjie2",
     "Shape5",
     {{{{320, 88, 633, 257}, {352, 104}, 105, 120, 5, Role::Shows},
       {{312, 424, 321, 321}, {320, 432}, 97, 104, 3, Role::Takes},
       {{640, 424, 321, 321}, {648, 432}, 97, 104, 3, Role::Shows}}},
     {{{632, 352}, {272, 568}, {968, 568}}},
     {{{644, 392, 472, 424}, {644, 392, 800, 424}}},
     {64, 640},
     {{584, 344}, {}},
     1,
     false},
    // a and b in the two boxes on top; N dropped into the box of ten below.
    {"FrmFengjie3",
     "Shape4",
     {{{{328, 464, 633, 249}, {384, 488}, 97, 104, 5, Role::Takes},
       {{328, 56, 321, 321}, {336, 64}, 97, 104, 3, Role::Shows},
       {{656, 56, 321, 321}, {664, 64}, 97, 104, 3, Role::Shows}}},
     {{{636, 720}, {288, 200}, {984, 200}}},
     {{{488, 377, 644, 464}, {816, 377, 644, 464}}},
     {64, 624},
     {{584, 376}, {}},
     1,
     false},
};

namespace {

constexpr double PictureSide = 129;
constexpr double OkWidth = 89;
constexpr double OkHeight = 81;
constexpr double MarkSide = 92;
constexpr int MaxPictures = 100;
const QColor BoxFill(255, 255, 255);
const QColor BoxBorder(120, 150, 200);

Label* makeNumberLabel(Form& form, const QString& name, QPointF at)
{
    auto* label = form.make<Label>(name);
    label->Move(at.x(), at.y(), 1, 1);
    label->setFont(QStringLiteral("宋体"), 26.25, true);
    label->setForeColor(QColor(200, 40, 30));
    label->setTransparent(true);
    label->setWordWrap(false);
    label->setAutoSize(true);
    return label;
}

Line* makeLine(Form& form, const QString& name, const QLineF& ends)
{
    auto* line = form.make<Line>(name);
    line->setEnds(ends.x1(), ends.y1(), ends.x2(), ends.y2());
    line->setLineColor(BoxBorder);
    line->setLineWidth(3);
    return line;
}

} // namespace

Decomposition::Decomposition(AppContext& app, const DecompositionRow& row)
    : ActivityForm(app, QString::fromUtf8(row.name))
    , drag(*this, 8, {.drop = [this](int) { Picture1_MouseUp(); }})
    , problems(*this, QStringLiteral("加法"), QLatin1Char('+'))
    , cycle(*this,
            {.sound = row.sounds ? RoundCycle::Sound::RightOrError : RoundCycle::Sound::Silent,
             .reward = RoundCycle::Reward::AtAnswer,
             .afterWrong = RoundCycle::AfterWrong::SameAgain},
            Feedback::Pause{*Timer2, 2000},
            {.nextRound =
                 [this] {
                     ++problems.ProblemNumber;
                     clearBoxes();
                     zhaiRu();
                 },
             .sameAgain =
                 [this] {
                     clearBoxes();
                     zhaiRu();
                 }})
    , row_(row)
{
    using W = DecompositionRow::Which;
    Shape*& sumFrame =
        QString::fromLatin1(row.sumFrameName) == QLatin1String("Shape4") ? Shape4 : Shape5;
    makeBox(W::SumBox, sumFrame, QString::fromLatin1(row.sumFrameName), Image4,
            QStringLiteral("Image4"));
    makeBox(W::FirstBox, Shape1, QStringLiteral("Shape1"), Image2, QStringLiteral("Image2"));
    makeBox(W::SecondBox, Shape3, QStringLiteral("Shape3"), Image3, QStringLiteral("Image3"));

    Line1 = makeLine(*this, QStringLiteral("Line1"), row.lines[0]);
    Line2 = makeLine(*this, QStringLiteral("Line2"), row.lines[1]);
    Label4 = makeNumberLabel(*this, QStringLiteral("Label4"), row.numbersAt[W::SumBox]);
    Label2 = makeNumberLabel(*this, QStringLiteral("Label2"), row.numbersAt[W::FirstBox]);
    Label3 = makeNumberLabel(*this, QStringLiteral("Label3"), row.numbersAt[W::SecondBox]);
    repeatsInstruction(*Label4);

    Shape2 = make<Shape>(QStringLiteral("Shape2"), Shape::Kind::Circle);
    Shape2->Move(row.okAt.x(), row.okAt.y(), OkWidth, OkHeight);
    Shape2->setFill(QColor(255, 214, 0));
    Shape2->setBorder(QColor(230, 150, 0), 3);
    Label1 = make<Label>(QStringLiteral("Label1"), QStringLiteral("OK"));
    Label1->Move(row.okAt.x(), row.okAt.y(), OkWidth, OkHeight);
    Label1->setFont(QStringLiteral("宋体"), 24, true);
    Label1->setTransparent(true);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setHandCursor();
    connect(Label1, &Control::Click, this, [this] { Label1_Click(); });

    // The good mark of a pair is 0 (or 3), the bad one 1 (or 2).
    for (int pair = 0; pair < row.markPairs; ++pair) {
        const QRectF at(row.marksAt[pair], QSizeF(MarkSide, MarkSide));
        for (int bad = 0; bad < 2; ++bad) {
            auto* mark = make<Image>(QStringLiteral("Image5"));
            mark->Move(at.left(), at.top(), at.width(), at.height());
            mark->setPicture(bad ? Artwork::bad() : Artwork::good());
            mark->hide();
            Image5.setDesigned(pair == 0 ? bad : 3 - bad, mark);
        }
    }

    Picture1 = make<PictureBox>(QStringLiteral("Picture1"));
    Picture1->Move(0, 0, PictureSide, PictureSide);
    Picture1->setBackColor(Qt::white);
    Picture1->setHandCursor();
    drag.follow(*Picture1);
}

// A box: its frame and its places, ten in two rows or nine in three.
void Decomposition::makeBox(DecompositionRow::Which which, Shape*& frame, const QString& frameName,
                            ControlArray<Image>& cells, const QString& cellName)
{
    const DecompositionRow::Box& box = row_.boxes[which];
    frame = make<Shape>(frameName, Shape::Kind::Rectangle);
    frame->Move(box.frame.left(), box.frame.top(), box.frame.width(), box.frame.height());
    frame->setFill(BoxFill);
    frame->setBorder(BoxBorder, 3);
    const int places = box.columns == 5 ? 10 : 9;
    for (int k = 0; k < places; ++k) {
        auto* cell = make<Image>(cellName);
        cell->Move(box.firstCell.x() + k % box.columns * box.cellStep,
                   box.firstCell.y() + k / box.columns * box.cellStep, box.cellSide, box.cellSide);
        cell->setStretch(true);
        cells.setDesigned(k, cell);
    }
}

ControlArray<Image>& Decomposition::cellsOf(int which)
{
    return which == DecompositionRow::SumBox     ? Image4
           : which == DecompositionRow::FirstBox ? Image2
                                                 : Image3;
}

Shape& Decomposition::frameOf(int which) const
{
    if (which == DecompositionRow::SumBox) return Shape5 ? *Shape5 : *Shape4;
    return which == DecompositionRow::FirstBox ? *Shape1 : *Shape3;
}

int Decomposition::numberOf(int which) const
{
    switch (which) {
    case DecompositionRow::SumBox:
        return problems.result();
    case DecompositionRow::FirstBox:
        return problems.FirstNumber;
    default:
        return problems.SecondNumber;
    }
}

void Decomposition::Form_Load()
{
    problems.ProblemNumber = 0; // the first read falls through to problem 1
    ScaleForm(app(), *this);
    InitRewards(*this);
    LoadCourseItems(app(), *Txtini, QStringLiteral("图片"), QStringLiteral("图片"),
                    QStringLiteral("数学课程"));
    for (const QString& item : ItemsJustRead(app(), *Txtini).mid(0, MaxPictures))
        PictureTable.push_back(LoadDataPicture(app(), QStringLiteral("pic/sxpic"), item));
    for (int which = 0; which < 3; ++which)
        frameOf(which).lower();
    Line1->lower();
    Line2->lower();
    // Centred above "OK".
    Picture1->Move(Label1->Left() - (Picture1->Width() - Label1->Width()) / 2,
                   Label1->Top() - Picture1->Height() - Label1->Height() / 2);
    // Lines keep their design ends through the rescaling; they follow the boxes here, on
    // any screen.
    for (Line* line : {Line1, Line2})
        line->setEnds(line->X1() * app().ScaleX, line->Y1() * app().ScaleY,
                      line->X2() * app().ScaleX, line->Y2() * app().ScaleY);
    zhaiRu();
}

// A new sum (or the same again) and a new picture: the boxes that show theirs at once are
// filled, the others wait for the child.
void Decomposition::zhaiRu()
{
    dropCounts.fill(0);
    Image5.forEach([](int, Image& mark) { mark.hide(); });
    const int pictures = int(PictureTable.size());
    MakeRandomOrder(app(), pictures);
    Picture1->raise();
    Picture1->Cls();
    if (pictures > 0)
        Picture1->PaintPicture(PictureTable[app().RandomOrder[1] - 1], 0, 0, Picture1->width(),
                               Picture1->height());
    asked_ = problems.NextProblem();
    // Without a sum there is nothing to take or to judge.
    Picture1->setVisible(asked_);
    Label1->setVisible(asked_);
    Shape2->setVisible(asked_);
    if (!asked_) return;
    for (int which = 0; which < 3; ++which) {
        if (row_.boxes[which].role != Role::Shows) continue;
        ControlArray<Image>& cells = cellsOf(which);
        const int shown = std::min(numberOf(which), cells.count());
        if (numberOf(which) > cells.count() && !tooLarge_.contains(problems.ProblemNumber)) {
            tooLarge_.insert(problems.ProblemNumber);
            app().services.warn(QStringLiteral("数学课程 [加法] %1=%2: a box shows at most %3 "
                                               "pictures")
                                    .arg(problems.ProblemNumber)
                                    .arg(problems.ProblemText)
                                    .arg(cells.count()));
        }
        for (int k = 0; k < shown; ++k)
            cells[k].setPicture(Picture1->image());
    }
    Label2->setCaption(QString::number(problems.FirstNumber));
    Label3->setCaption(QString::number(problems.SecondNumber));
    Label4->setCaption(QString::number(problems.result()));
}

// A drop on the centre of a box the child fills leaves a copy there: one more counted, up
// to as many as the box has places (further drops refill the last place). Anywhere else
// the picture just goes back.
void Decomposition::Picture1_MouseUp()
{
    for (int which :
         {DecompositionRow::SecondBox, DecompositionRow::FirstBox, DecompositionRow::SumBox}) {
        if (row_.boxes[which].role != Role::Takes) continue;
        if (!drag.within(drag.pointer(), frameOf(which))) continue;
        ControlArray<Image>& cells = cellsOf(which);
        dropCounts[which] = int16_t(std::min(dropCounts[which] + 1, cells.count()));
        if (row_.sounds) PlayWave(app(), QStringLiteral("pingturight"));
        drag.returnHome(*Picture1);
        cells[dropCounts[which] - 1].setPicture(Picture1->image());
        return;
    }
    if (row_.sounds) PlayWave(app(), QStringLiteral("mousemove"));
    drag.returnHome(*Picture1);
}

// "OK": right when every box the child fills holds its number of pictures.
void Decomposition::Label1_Click()
{
    if (!asked_) return;
    bool right = true;
    for (int which = 0; which < 3; ++which)
        if (row_.boxes[which].role == Role::Takes && dropCounts[which] != numberOf(which))
            right = false;
    // OK clicked again while the marks show: the last judgement is the one shown.
    Image5.forEach([](int, Image& mark) { mark.hide(); });
    if (right) {
        Image5[0].show();
        if (row_.markPairs > 1) Image5[3].show();
    } else {
        Image5[1].show();
        if (row_.markPairs > 1) Image5[2].show();
    }
    cycle.answer(right);
}

void Decomposition::clearBoxes()
{
    for (int which = 0; which < 3; ++which)
        cellsOf(which).forEach([](int, Image& cell) { cell.clearPicture(); });
}
