// Spoken guidance: a window's instruction is spoken when it opens and again when the child
// clicks its question; without one there is no sound and no warning.

#include "DataFixture.h"
#include "StageFixture.h"
#include "frame/ActivityForm.h"
#include "ui/Label.h"

#include <gtest/gtest.h>

namespace {

class AskingWindow : public ActivityForm {
public:
    AskingWindow(AppContext& app, const QString& name)
        : ActivityForm(app, name)
        , Label2(make<Label>(QStringLiteral("Label2"), QStringLiteral("7")))
    {
        Label2->Move(400, 100, 100, 100);
        repeatsInstruction(*Label2);
    }
    Label* Label2;
};

TEST(Instructions, SpokenWhenTheWindowOpensAndWhenItsQuestionIsClicked)
{
    DataFixture data;
    data.addCourse(QStringLiteral("提示"),
                   QStringLiteral("[提示]\nFrmAsk=数一数，点出和数字一样多的图片。\n"));
    StageFixture fx(data.root());
    fx.windows.add(windowOf<AskingWindow>(QStringLiteral("FrmAsk")));
    auto* w = fx.windows.open<AskingWindow>(QStringLiteral("FrmAsk"));
    ASSERT_NE(w, nullptr);
    const QString said = QStringLiteral("数一数，点出和数字一样多的图片。");
    EXPECT_EQ(fx.services.spoken, QStringList{said});
    EXPECT_TRUE(fx.services.logLines.contains(QStringLiteral("speak ") + said));
    fx.click(w->Label2);
    EXPECT_EQ(fx.services.spoken, (QStringList{said, said}));
    fx.click(w->ImgHelp->isVisible() ? w->ImgHelp : w->ImgBack);
    EXPECT_EQ(fx.services.spoken.size(), 2) << "other clicks say nothing";
}

TEST(Instructions, AWindowWithoutAnInstructionIsSilent)
{
    for (bool withCourse : {false, true}) {
        DataFixture data;
        if (withCourse)
            data.addCourse(QStringLiteral("提示"), QStringLiteral("[提示]\nFrmOther=别的窗口\n"));
        StageFixture fx(data.root());
        fx.windows.add(windowOf<AskingWindow>(QStringLiteral("FrmAsk")));
        auto* w = fx.windows.open<AskingWindow>(QStringLiteral("FrmAsk"));
        ASSERT_NE(w, nullptr);
        fx.click(w->Label2);
        EXPECT_TRUE(fx.services.spoken.isEmpty()) << withCourse;
        EXPECT_TRUE(fx.services.warnings.isEmpty()) << withCourse;
    }
}

} // namespace
