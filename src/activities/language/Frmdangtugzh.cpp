#include "activities/language/Frmdangtugzh.h"

#include "activities/language/LessonText.h"
#include "activities/language/Marks.h"
#include "activities/language/Mdlpicwenzhi.h"
#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"

#include <cmath>

namespace {

constexpr int PreviousArrow = 0;
constexpr int NextArrow = 9;
const QColor Background(0, 192, 192);

} // namespace

Frmdangtugzh::Frmdangtugzh(AppContext& app, const QString& name)
    : ActivityForm(app, name)
{
    setBackColor(Background);

    auto* previous = make<Image>(QStringLiteral("Image1"));
    previous->Move(32, 400, 73, 161);
    previous->setPicture(Marks::previousPage());
    previous->setHandCursor();
    Image1.setDesigned(PreviousArrow, previous);
    const double lefts[4] = {128, 320, 512, 704};
    for (int i = 1; i <= PerPage; ++i) {
        auto* thumbnail = make<Image>(QStringLiteral("Image1"));
        thumbnail->Move(lefts[(i - 1) % 4], i <= 4 ? 384 : 576, 177, 177);
        thumbnail->setHandCursor();
        Image1.setDesigned(i, thumbnail);
    }
    auto* next = make<Image>(QStringLiteral("Image1"));
    next->Move(912, 592, 73, 161);
    next->setPicture(Marks::nextPage());
    next->setHandCursor();
    Image1.setDesigned(NextArrow, next);
    Image1.onClick([this](int index) { Image1_Click(index); });

    Image3 = make<Image>(QStringLiteral("Image3"));
    Image3->Move(0, 8, 361, 361);
    Image3->setHandCursor();
    connect(Image3, &Control::Click, this, [this] { Image3_Click(); });

    Image2 = make<Image>(QStringLiteral("Image2"));
    Image2->Move(0, 128, 129, 129);
    Image2->setHandCursor();
    connect(Image2, &Control::Click, this, [this] { Image2_Click(); });

    PicWenzhi.setDesigned(makeCaptionTemplate(*this));
}

void Frmdangtugzh::Form_Load()
{
    ScaleForm(app(), *this);
    InitRewards(*this);
    items_ = readLessonItems(*this);
    RenderCaptions(app(), PicWenzhi, items_);
    // The photos are in ItemPictures already (the launcher read them).
    for (int i = 1; i <= items_.size(); ++i)
        app().ItemPictures2[i] = captionOf(PicWenzhi, i);
    mode_ = Mode::Browsing;
    hidden_.clear();
    page_ = 0;
    thumbnailSize_ = QSizeF(Image1[1].Width(), Image1[1].Height());
    largeSize_ = QSizeF(Image3->Width(), std::round(Image3->Height()));
    Image3->setLeft((ScaleWidth() - largeSize_.height()) / 2);
    Image2->setLeft(Image3->Left() + Image3->Width() + 5);
    const bool pages = items_.size() > PerPage;
    Image1[PreviousArrow].hide();
    Image1[PreviousArrow].setEnabled(false);
    Image1[NextArrow].setVisible(pages);
    Image1[NextArrow].setEnabled(pages);
    showPage();
}

void Frmdangtugzh::Image1_Click(int index)
{
    hidden_.clear();
    const int n = int(items_.size());
    if (index == NextArrow) {
        Image1[PreviousArrow].show();
        Image1[PreviousArrow].setEnabled(true);
        ++page_;
        // The arrow goes with the first page that has an empty place, so a lesson that fills
        // its last page exactly shows one empty page.
        if (page_ * PerPage + PerPage > n) {
            Image1[NextArrow].hide();
            Image1[NextArrow].setEnabled(false);
        }
        showPage();
    } else if (index == PreviousArrow) {
        Image1[NextArrow].show();
        Image1[NextArrow].setEnabled(true);
        if (--page_ < 1) {
            page_ = 0;
            Image1[PreviousArrow].hide();
            Image1[PreviousArrow].setEnabled(false);
        }
        showPage();
    } else {
        // An empty place of the last page has no item to show.
        const int item = page_ * PerPage + index;
        if (item > n) return;
        chosen_ = item;
        Image3->setPicture(Image1[index].Picture());
        Image2->setPicture(app().ItemPictures2[chosen_]);
    }
}

// Says the name and sends the photo, small, to a new place; the thumbnails make room for it.
void Frmdangtugzh::Image3_Click()
{
    if (chosen_ == 0) return; // nothing chosen yet: the place of the photo is empty
    SpeakText(app(), QStringLiteral(" ") + items_[chosen_ - 1]);
    Image3->Move(Image3->Left(), Image3->Top(), thumbnailSize_.width(), thumbnailSize_.height());
    Image3->ZOrder();
    Image2->Move(0, 0);
    mode_ = Mode::Playing;
    Image1.forEach([this](int i, Image& element) {
        if (!element.Visible()) return;
        hidden_.push_back(i);
        element.hide();
    });
    app().services.reseedRandom();
    const double a = std::round(ScaleWidth() - Image3->Width());
    const double b = std::round(ScaleHeight() - Image3->Height());
    const double left = std::floor(app().services.nextUniform() * a + 1);
    const double top = std::floor(app().services.nextUniform() * b + 1);
    Image3->Move(left, top);
}

// While playing, back to the thumbnails as they were; while browsing, the window closes.
void Frmdangtugzh::Image2_Click()
{
    if (mode_ == Mode::Browsing) {
        ImgBack_Click();
        return;
    }
    mode_ = Mode::Browsing;
    for (int i : hidden_)
        Image1[i].show();
    // Shown again, the thumbnails are no longer hidden: the list starts afresh next time.
    hidden_.clear();
    Image3->Move((ScaleWidth() - largeSize_.height()) / 2, 16, largeSize_.width(),
                 largeSize_.height());
}

void Frmdangtugzh::showPage()
{
    for (int i = 1; i <= PerPage; ++i)
        Image1[i].setPicture(photoOf(page_ * PerPage + i));
}

QPixmap Frmdangtugzh::photoOf(int item) const
{
    return item >= 1 && item <= items_.size() ? app().ItemPictures[item] : QPixmap();
}
