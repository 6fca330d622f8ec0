#include "activities/cognition/FrmdrawColor.h"

#include "frame/DataPictures.h"
#include "frame/Mdljifeng.h"
#include "shell/core/CourseItems.h"
#include "shell/core/CourseStore.h"
#include "shell/core/Mdlmain.h"

#include <algorithm>
#include <cmath>

namespace {

const QColor Teal(0, 192, 192);

Button* makeButton(Form& form, const QString& name, const QString& caption, double left, double top,
                   double width)
{
    auto* button = form.make<Button>(name);
    button->Move(left, top, width, 41);
    button->setCaption(caption);
    button->setFont(QStringLiteral("宋体"), 12, true);
    return button;
}

} // namespace

FrmdrawColor::FrmdrawColor(AppContext& app, const QString& name)
    : ActivityForm(app, name)
{
    setBackColor(Teal);
    Picture1 = make<PictureBox>(QStringLiteral("Picture1"));
    Picture1->Move(320, 48, 687, 681);
    Picture1->setBackColor(Qt::white);
    Picture1->setFillStyle(ShapeFill::Solid);
    QObject::connect(Picture1, &Control::MouseUp, this,
                     [this](Qt::MouseButton b, double x, double y) { Picture1_MouseUp(b, x, y); });
    repeatsInstruction(*Picture1);

    Picture2 = make<PictureBox>(QStringLiteral("Picture2"));
    Picture2->Move(392, 8, 1, 1);
    Picture2->hide();

    Frame1 = make<Frame>(QStringLiteral("Frame1"));
    Frame1->Move(8, 40, 305, 593);
    Frame1->setBackColor(Teal);
    for (int k = 0; k < Palette::Swatches; ++k) {
        auto* swatch = makeIn<Label>(Frame1, QStringLiteral("Label1"));
        const QPoint at = Palette::place(k);
        swatch->Move(8 + 48 * at.x(), 16 + 64 * at.y(), 49, 65);
        swatch->setBorder(true);
        swatch->setBackColor(QColor::fromRgb(Palette::colour(k)));
        swatch->setHandCursor();
        Label1.setDesigned(k, swatch);
    }
    Label1.onClick([this](int k) { Label1_Click(k); });
    Label2 = makeIn<Label>(Frame1, QStringLiteral("Label2"));
    Label2->Move(120, 536, 57, 49);
    Label2->setBorder(true);

    Command2 =
        makeButton(*this, QStringLiteral("Command2"), QStringLiteral("<<上一张"), 40, 640, 105);
    Command3 =
        makeButton(*this, QStringLiteral("Command3"), QStringLiteral("下一张>>"), 160, 640, 105);
    Command1 =
        makeButton(*this, QStringLiteral("Command1"), QStringLiteral("确      定"), 64, 696, 177);
    QObject::connect(Command1, &Control::Click, this, [this] { Command1_Click(); });
    QObject::connect(Command2, &Control::Click, this, [this] { turnPage(false); });
    QObject::connect(Command3, &Control::Click, this, [this] { turnPage(true); });
}

void FrmdrawColor::Form_Load()
{
    ScaleForm(app(), *this);
    InitRewards(*this);
    chuchi();
}

void FrmdrawColor::chuchi()
{
    AppContext& a = app();
    LoadCourseItems(a, *Txtini, QStringLiteral("填色图片"), QStringLiteral("1"),
                    QStringLiteral("课程"));
    const QStringList names = ItemsJustRead(a, *Txtini);
    const int pages = std::min(int(names.size()), int(a.ItemPictures.size()) - 1);
    // Each picture is read once, so a missing one is reported once.
    for (int i = 1; i <= pages; ++i)
        a.ItemPictures[size_t(i)] =
            LoadDataPicture(a, QStringLiteral("pic/drawpic"), names[i - 1], QStringLiteral("bmp"));
    a.ItemCount = int16_t(pages);
    book_ = ColouringBook(pages);
    drawPicture();
}

void FrmdrawColor::drawPicture()
{
    if (book_.pages() == 0) return;
    const QPixmap& picture = app().ItemPictures[size_t(book_.PictureIndex())];
    Picture2->Move(Picture2->Left(), Picture2->Top(), picture.width(), picture.height());
    Picture2->setPicture(picture);
    if (picture.isNull()) return;
    const QImage page = OutlinePage(picture.toImage(), Picture1->size());
    Picture1->PaintPicture(page, 0, 0, page.width(), page.height());
}

void FrmdrawColor::Label1_Click(int k)
{
    ColourIndex = k;
    Label2->setBackColor(QColor::fromRgb(Palette::colour(k)));
}

// Paints the area under the pointer, unless the pointer is on a line.
void FrmdrawColor::Picture1_MouseUp(Qt::MouseButton button, double x, double y)
{
    if (button != Qt::LeftButton) return;
    const QColor under = Picture1->Point(x, y);
    if (!under.isValid() || isOutline(under.rgb())) return;
    Picture1->setFillColor(QColor::fromRgb(Palette::colour(ColourIndex)));
    Picture1->FloodFill(std::round(x), std::round(y), under, FloodMode::Surface);
}

void FrmdrawColor::Command1_Click()
{
    if (!book_.finish()) return;
    RewardRight(*this);
    Command1->setEnabled(false);
}

void FrmdrawColor::turnPage(bool forward)
{
    Command1->setEnabled(true);
    Picture1->Cls();
    if (forward)
        book_.next();
    else
        book_.previous();
    drawPicture();
}
