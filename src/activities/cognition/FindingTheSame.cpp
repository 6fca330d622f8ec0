#include "activities/cognition/FindingTheSame.h"

#include "activities/cognition/CategoryCourse.h"
#include "activities/cognition/CourseProblem.h"
#include "activities/cognition/ShrinkingRow.h"
#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"

#include <cmath>
#include <span>

namespace {

constexpr double TargetSide = 169;
constexpr double SmallestSide = 89;
constexpr int CandidatesOfTheKind = 4;
constexpr double RowAboveBottom = 250;
const QColor Teal(0, 192, 192);

Image* makeImage(Form& form, const QString& name, double left, double top, double side)
{
    auto* image = form.make<Image>(name);
    image->Move(left, top, side, side);
    image->setStretch(true);
    return image;
}

} // namespace

const FindingTheSame::Row FindingTheSame::Rows[2] = {
    {.name = "FrmQtXiangtong",
     .largestAt = {328, 248},
     .candidates = Candidates::WholeCategory,
     .rightsPerCategory = 0,
     .rewardsEveryRight = false,
     .rowTopScales = true},
    {.name = "FrmQtTonglei",
     .largestAt = {392, 104},
     .candidates = Candidates::OneOfTheKind,
     .rightsPerCategory = 5,
     .rewardsEveryRight = true,
     .rowTopScales = false},
};

FindingTheSame::FindingTheSame(AppContext& app, const Row& row)
    : ActivityForm(app, QString::fromUtf8(row.name))
    , cycle(*this,
            {.reward =
                 row.rewardsEveryRight ? RoundCycle::Reward::AtAnswer : RoundCycle::Reward::Never,
             .afterWrong = RoundCycle::AfterWrong::SameAgain},
            Feedback::None{},
            {.nextRound = [this] { nextQuestion(); },
             .sameAgain =
                 [this] {
                     if (!row_.rewardsEveryRight) RewardWrong(*this);
                 }})
    , row_(row)
{
    setBackColor(Teal);
    Image1 = makeImage(*this, QStringLiteral("Image1"), 392, 104, TargetSide);
    repeatsInstruction(*Image1);

    auto* candidate = makeImage(*this, QStringLiteral("Image2"), 104, 536, TargetSide);
    candidate->setHandCursor();
    Image2.setDesigned(candidate);
    Image2.onClick([this](int k) { Image2_Click(k); });

    Image3 = makeImage(*this, QStringLiteral("Image3"), row.largestAt.x(), row.largestAt.y(),
                       TargetSide);
    Image3->hide();
    Image5 = makeImage(*this, QStringLiteral("Image5"), 48, 376, SmallestSide);
    Image5->hide();
}

void FindingTheSame::Form_Load()
{
    CategoryIndex = 1;
    RightCount = 0;
    ScaleForm(app(), *this);
    InitRewards(*this);
    if (!loadPictures()) return;
    zhaiRu();
    zaiRu2();
}

bool FindingTheSame::loadPictures()
{
    Categories = ReadCategories(app(), *Txtini);
    CategoryCount = int(Categories.size());
    return row_.candidates == Candidates::WholeCategory ? loadWholeCategory() : loadCategoryPair();
}

// A category of fewer than two pictures ends the list: the first category comes back. When
// the first one is that small too, the first category that has two pictures is played.
bool FindingTheSame::loadWholeCategory()
{
    QStringList items = ReadCategoryItems(app(), *Txtini, Categories, CategoryIndex);
    if (items.size() < 2) {
        CategoryIndex = 1;
        items = ReadCategoryItems(app(), *Txtini, Categories, CategoryIndex);
    }
    while (items.size() < 2 && CategoryIndex < CategoryCount)
        items = ReadCategoryItems(app(), *Txtini, Categories, ++CategoryIndex);
    if (items.size() < 2) {
        CloseForCourseProblem(*this, BadSettingsMessage,
                              QStringLiteral("no category of the course 分类 has two pictures"));
        return false;
    }
    FirstCount = LoadCategoryPhotos(app(), items, PictureTable, 1);
    SecondCount = 0;
    return true;
}

// The current pair when it has two pictures of its first category and three of the
// second, otherwise the next pair that has.
bool FindingTheSame::loadCategoryPair()
{
    const auto pair = FindCategoryPair(app(), *Txtini, Categories, CategoryIndex,
                                       [](const QStringList& first, const QStringList& second) {
                                           return first.size() >= 2 && second.size() >= 3;
                                       });
    if (!pair) {
        CloseForCourseProblem(*this, BadSettingsMessage,
                              QStringLiteral("no two neighbouring categories of the course 分类 "
                                             "have two and three pictures"));
        return false;
    }
    CategoryIndex = pair->index;
    // Three pictures of the next category always find room in the table.
    const auto roomForFirst = std::span(PictureTable).first(PictureTable.size() - 3);
    FirstCount = LoadCategoryPhotos(app(), pair->first, roomForFirst, 1);
    SecondCount = LoadCategoryPhotos(app(), pair->second, PictureTable, 1 + FirstCount);
    return true;
}

int FindingTheSame::candidateCount() const
{
    return row_.candidates == Candidates::WholeCategory ? FirstCount : CandidatesOfTheKind;
}

// Lays out the target in the middle and the candidates touching in one row along the
// bottom, smaller the more there are.
void FindingTheSame::zhaiRu()
{
    const int n = candidateCount();
    Image1->setLeft((ScaleWidth() - Image1->Width()) / 2);
    for (int i = Image2.UBound(); i >= n; --i)
        Image2.Unload(i);
    for (int i = 1; i < n; ++i)
        Image2.Load(i);

    const double width = ShrinkingSide(Image3->Width(), Image5->Width(), n, ScaleWidth());
    const double height = ShrinkingSide(Image3->Height(), Image5->Height(), n, ScaleWidth());
    // Whole pixels, ties to even; a row wider than the window starts at its left edge.
    const double margin = std::max(0.0, std::nearbyint((ScaleWidth() - n * width) / 2));
    const double top = ScaleHeight() - RowAboveBottom * (row_.rowTopScales ? app().ScaleX : 1);
    if (row_.candidates == Candidates::OneOfTheKind) MakeRandomOrder(app(), n);
    for (int i = 0; i < n; ++i) {
        const int slot =
            row_.candidates == Candidates::OneOfTheKind ? app().RandomOrder[i + 1] - 1 : i;
        Image2[i].Move(slot * width + margin, top, width, height);
        Image2[i].show();
        Image2[i].ZOrder();
    }
}

// A new question: the target and the candidates' pictures.
void FindingTheSame::zaiRu2()
{
    AppContext& a = app();
    if (row_.candidates == Candidates::WholeCategory) {
        const int n = FirstCount;
        MakeRandomOrder(a, n);
        MakeRandomOrder2(a, n);
        Image1->setPicture(PictureTable[a.RandomOrder2[1]]);
        for (int i = 1; i <= n; ++i) {
            Image2[i - 1].setPicture(PictureTable[a.RandomOrder[i]]);
            if (a.RandomOrder[i] == a.RandomOrder2[1]) rightCandidate_ = i - 1;
        }
        return;
    }
    MakeRandomOrder(a, FirstCount);
    MakeRandomOrder2(a, SecondCount);
    Image1->setPicture(PictureTable[a.RandomOrder[1]]);
    Image2[3].setPicture(PictureTable[a.RandomOrder[2]]);
    for (int i = 1; i <= 3; ++i)
        Image2[i - 1].setPicture(PictureTable[a.RandomOrder2[i] + FirstCount]);
    rightCandidate_ = 3;
}

void FindingTheSame::Image2_Click(int k)
{
    cycle.answer(k == rightCandidate_);
}

// After a right answer: enough of them move on to the next category; then a new question.
void FindingTheSame::nextQuestion()
{
    ++RightCount;
    const int needed = row_.rightsPerCategory ? row_.rightsPerCategory : FirstCount + 1;
    if (RightCount >= needed) {
        RightCount = 0;
        if (row_.candidates == Candidates::WholeCategory)
            ++CategoryIndex;
        else
            CategoryIndex = NextCategoryPair(CategoryIndex, CategoryCount);
        if (!row_.rewardsEveryRight) {
            PlayWave(app(), QStringLiteral("win"));
            RewardRight(*this);
        }
        if (!loadPictures()) return;
    }
    zhaiRu();
    zaiRu2();
}
