#include "activities/cognition/Frmfenglei.h"

#include "activities/cognition/CategoryCourse.h"
#include "activities/cognition/CourseProblem.h"
#include "frame/DataPictures.h"
#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"
#include "ui/Artwork.h"

#include <QDir>

namespace {

constexpr double PictureSide = 153;
constexpr double Gap = 5; // pixels of the screen, at any scale
const QColor Teal(0, 192, 192);

// The tick or cross of the data folder, or the program's own when it cannot be read.
QPixmap judgementPicture(AppContext& app, const QString& name, const QPixmap& fallback)
{
    const QPixmap picture =
        LoadDataPicture(app, QStringLiteral("pic"), name, QStringLiteral("gif"));
    return picture.isNull() ? fallback : picture;
}

} // namespace

Frmfenglei::Frmfenglei(AppContext& app, const QString& name)
    : ActivityForm(app, name)
    , cycle(*this, {.sound = RoundCycle::Sound::Silent, .reward = RoundCycle::Reward::AtAnswer},
            Feedback::None{}, {.nextRound = [this] { nextCategory(); }})
{
    setBackColor(Teal);
    Label1 = make<Label>(QStringLiteral("Label1"));
    Label1->Move(416, 48, 1, 1);
    Label1->setFont(QStringLiteral("黑体"), 42, true);
    Label1->setForeColor(QColor(255, 0, 0));
    Label1->setTransparent(true);
    Label1->setWordWrap(false);
    Label1->setAutoSize(true);
    repeatsInstruction(*Label1);

    Picture1 = make<PictureBox>(QStringLiteral("Picture1"));
    Picture1->Move(-8, 128, 1025, 673);
    Picture1->setBackColor(QColor(224, 224, 224));

    auto* picture = makeIn<Image>(Picture1, QStringLiteral("Image2"));
    picture->Move(40, 8, PictureSide, PictureSide);
    picture->setStretch(true);
    picture->setHandCursor();
    Image2.setDesigned(picture);
    Image2.onClick([this](int k) { Image2_Click(k); });
}

void Frmfenglei::Form_Load()
{
    CategoryIndex = 1;
    ScaleForm(app(), *this);
    InitRewards(*this);
    tick_ = judgementPicture(app(), QStringLiteral("good"), Artwork::good());
    cross_ = judgementPicture(app(), QStringLiteral("bad"), Artwork::bad());
    if (!Allpic()) return;
    LayoutPictures();
    Zairu();
}

bool Frmfenglei::Allpic()
{
    AppContext& a = app();
    // Without the photo folders nothing of the course can be shown.
    for (const char* folder : {"pic/kcpic", "pic/wzpic"}) {
        if (!QDir(a.dataPath(folder)).exists()) {
            CloseForCourseProblem(
                *this, BadSettingsMessage,
                QStringLiteral("the picture folder %1 is missing").arg(a.dataPath(folder)));
            return false;
        }
    }
    Categories = ReadCategories(a, *Txtini);
    CategoryCount = int(Categories.size());
    const auto pair = FindCategoryPair(a, *Txtini, Categories, CategoryIndex,
                                       [](const QStringList& first, const QStringList& second) {
                                           return !first.isEmpty() && !second.isEmpty();
                                       });
    if (!pair) {
        CloseForCourseProblem(*this, BadSettingsMessage,
                              QStringLiteral("the course 分类 has no two neighbouring categories "
                                             "with pictures"));
        return false;
    }
    CategoryIndex = pair->index;
    Label1->setCaption(Categories[CategoryIndex - 1]);
    FirstCount = LoadCategoryPhotos(a, pair->first, a.ItemPictures, 1);
    SecondCount = LoadCategoryPhotos(a, pair->second, a.ItemPictures, 1 + FirstCount);
    return true;
}

// Row by row at the pitch of a picture and 5 pixels; the first picture that would reach
// past the frame's right edge starts the second row and fixes the row length.
void Frmfenglei::LayoutPictures()
{
    const int n = FirstCount + SecondCount;
    const double width = Image2[0].Width();
    const double height = Image2[0].Height();
    const double left0 = Image2[0].Left();
    const double top0 = Image2[0].Top();
    const double frameRight = Picture1->Left() + Picture1->Width();
    int rowLength = 0;
    for (int i = 1; i < n; ++i) {
        Image2.Load(i);
        double left = left0 + i * (width + Gap);
        double top = top0;
        if (rowLength == 0 && left + width > frameRight) rowLength = i;
        if (rowLength != 0) {
            left = left0 + (i % rowLength) * (width + Gap);
            top = top0 + (i / rowLength) * (height + Gap);
        }
        Image2[i].Move(left, top);
        Image2[i].show();
        Image2[i].ZOrder();
    }
}

// Deals the pictures into the grid, which also clears every tick.
void Frmfenglei::Zairu()
{
    AppContext& a = app();
    const int n = FirstCount + SecondCount;
    FoundCount = 0;
    MakeRandomOrder(a, n);
    deal_.assign(a.RandomOrder.begin() + 1, a.RandomOrder.begin() + 1 + n);
    for (int i = 0; i < n; ++i)
        Image2[i].setPicture(a.ItemPictures[deal_[i]]);
}

// Every click on a picture of the named category counts, a second one on a ticked picture
// too; a picture of the other category starts the grid over.
void Frmfenglei::Image2_Click(int k)
{
    if (!isNamed(k)) {
        Image2[k].setPicture(cross_);
        Zairu();
        return;
    }
    ++FoundCount;
    Image2[k].setPicture(tick_);
    if (FoundCount == FirstCount) cycle.answer(true);
}

// The category is complete: the next pair, laid out and dealt.
void Frmfenglei::nextCategory()
{
    CategoryIndex = NextCategoryPair(CategoryIndex, CategoryCount);
    Image2.UnloadAllButFirst();
    if (!Allpic()) return;
    LayoutPictures();
    Zairu();
}
