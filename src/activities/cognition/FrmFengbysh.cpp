#include "activities/cognition/FrmFengbysh.h"

#include "activities/cognition/CourseProblem.h"
#include "frame/DataPictures.h"
#include "frame/Mdljifeng.h"
#include "shell/core/CourseItems.h"
#include "shell/core/CourseStore.h"
#include "shell/core/Mdlmain.h"

namespace {

const QColor Teal(0, 192, 192);

struct Patch {
    int element;
    const char16_t* caption;
    QRgb colour;
    double left;
};

// From left to right.
constexpr Patch Patches[] = {
    {1, u"白色", 0xffffff, 160}, {7, u"灰色", 0xc0c0c0, 232}, {8, u"黑色", 0x000000, 304},
    {0, u"红色", 0xff0000, 376}, {9, u"橙色", 0xff8000, 448}, {2, u"黄色", 0xffff00, 520},
    {4, u"绿色", 0x00ff00, 592}, {3, u"蓝色", 0x0000ff, 664}, {6, u"紫色", 0xff00ff, 736},
};

} // namespace

FrmFengbysh::FrmFengbysh(AppContext& app, const QString& name)
    : ActivityForm(app, name)
    , cycle(*this, {}, Feedback::None{}, {.nextRound = [this] { NextColour(); }})
{
    setBackColor(Teal);
    Image2 = make<Image>(QStringLiteral("Image2"));
    Image2->Move(360, 40, 329, 329);
    Image2->setStretch(true);
    repeatsInstruction(*Image2);

    Label1 = make<Label>(QStringLiteral("Label1"), QStringLiteral("1000"));
    Label1->Move(472, 384, 1, 1);
    Label1->setFont(QStringLiteral("宋体"), 26.25, true);
    Label1->setForeColor(Qt::black);
    Label1->setBackColor(Teal);
    Label1->setWordWrap(false);
    Label1->setAutoSize(true);
    repeatsInstruction(*Label1);

    // The caption is written in the patch's own colour: the child sees only the colour.
    for (const Patch& p : Patches) {
        auto* patch = make<Label>(QStringLiteral("Label2"), QString::fromUtf16(p.caption));
        patch->Move(p.left, 528, 65, 65);
        patch->setBackColor(QColor(p.colour));
        patch->setForeColor(QColor(p.colour));
        patch->setHandCursor();
        Label2.setDesigned(p.element, patch);
    }
    Label2.onClick([this](int k) { Label2_Click(k); });
}

void FrmFengbysh::Form_Load()
{
    AppContext& a = app();
    ScaleForm(a, *this);
    InitRewards(*this);
    LoadCourseItems(a, *Txtini, QStringLiteral("分辨颜色"), QStringLiteral("颜色"),
                    QStringLiteral("课程"));
    colours_ = ItemsJustRead(a, *Txtini).mid(0, int(a.ItemPictures.size()) - 1);
    if (colours_.isEmpty()) {
        CloseForCourseProblem(*this, BadSettingsMessage,
                              QStringLiteral("the course 课程 lists no colours under 分辨颜色"));
        return;
    }
    for (int i = 1; i <= colours_.size(); ++i)
        a.ItemPictures[i] = LoadDataPicture(a, QStringLiteral("pic/color"), colours_[i - 1]);
    NextColour();
}

// Any colour of the list, the one of the last round too.
void FrmFengbysh::NextColour()
{
    AppContext& a = app();
    MakeRandomOrder(a, int(colours_.size()));
    const int drawn = a.RandomOrder[1];
    asked_ = colours_[drawn - 1];
    Image2->setPicture(a.ItemPictures[drawn]);
    Label1->show();
    Label1->setCaption(asked_);
}

// Right only for the patch whose name is spelled exactly like the colour of the round.
void FrmFengbysh::Label2_Click(int k)
{
    cycle.answer(Label2[k].Caption() == asked_);
}
