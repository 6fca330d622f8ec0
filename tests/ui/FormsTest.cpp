// The forms layer: control arrays, the classic timer, the stage's stacking and activation,
// and design units mapped to pixels.

#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Stage.h"
#include "ui/Timer.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class TraceForm : public Form {
public:
    TraceForm(Stage& stage, const QString& name, QStringList& trace)
        : Form(stage, name, ScaleUnit::Pixels)
        , trace_(trace)
    {
    }
    void Form_Load() override { trace_ << name() + QStringLiteral(" load"); }
    void Form_Activate() override { trace_ << name() + QStringLiteral(" activate"); }
    void Form_Deactivate() override { trace_ << name() + QStringLiteral(" deactivate"); }
    void Form_Unload() override { trace_ << name() + QStringLiteral(" unload"); }

private:
    QStringList& trace_;
};

TEST(Stage, FormsStackAndTheTopOneIsActivated)
{
    Stage stage;
    stage.resize(1024, 768);
    QStringList trace;
    auto* menu = new TraceForm(stage, QStringLiteral("Menu"), trace);
    auto* list = new TraceForm(stage, QStringLiteral("List"), trace);
    stage.showForm(menu);
    stage.showForm(list);
    EXPECT_EQ(stage.top(), list);
    stage.showForm(menu); // already loaded: brought to the top without a second load
    EXPECT_EQ(stage.top(), menu);
    stage.unload(menu);
    EXPECT_EQ(stage.top(), list);
    EXPECT_EQ(trace, QStringList({"Menu load", "Menu activate", "Menu deactivate", "List load",
                                  "List activate", "List deactivate", "Menu activate",
                                  "Menu unload", "List activate"}));
    stage.unloadAll();
    EXPECT_EQ(stage.top(), nullptr);
}

TEST(ControlArray, CopiesOfElementZeroAreHiddenAndReportTheirIndex)
{
    Stage stage;
    Form form(stage, QStringLiteral("FrmTest"), ScaleUnit::Pixels);
    ControlArray<Label> labels(form.make<Label>(QStringLiteral("Label1"), QStringLiteral("一")));
    labels[0].Move(16, 272, 97, 97);
    labels[0].setFont(QStringLiteral("宋体"), 72, true);
    labels[0].show();
    int clicked = -1;
    labels.onClick([&](int i) { clicked = i; });

    Label& third = labels.Load(3);
    EXPECT_FALSE(third.Visible());
    EXPECT_EQ(third.Caption(), QStringLiteral("一"));
    EXPECT_DOUBLE_EQ(third.FontSize(), 72);
    EXPECT_DOUBLE_EQ(third.Left(), 16);
    EXPECT_EQ(labels.UBound(), 3);
    EXPECT_FALSE(labels.exists(2));

    emit third.Click();
    EXPECT_EQ(clicked, 3);

    labels.Unload(3);
    EXPECT_EQ(labels.UBound(), 0);
    labels.Unload(0); // element 0 belongs to the design and stays
    EXPECT_TRUE(labels.exists(0));
}

TEST(Timer, TicksOnlyWhileEnabledWithAnInterval)
{
    Stage stage;
    Form form(stage, QStringLiteral("FrmTest"), ScaleUnit::Pixels);
    Timer* timer = form.makeTimer(QStringLiteral("Timer1"));
    EXPECT_FALSE(timer->isRunning()) << "no interval at design: not firing";
    int ticks = 0;
    QObject::connect(timer, &Timer::Tick, [&] { ++ticks; });
    timer->fire();
    EXPECT_EQ(ticks, 1);
    timer->start(5);
    EXPECT_TRUE(timer->isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 2000);
    timer->setInterval(0);
    EXPECT_FALSE(timer->isRunning());
    timer->setInterval(1000);
    timer->stop();
    EXPECT_FALSE(timer->isRunning());
}

TEST(Units, TwipsFormsPlaceControlsOnWholePixels)
{
    Stage stage;
    Form form(stage, QStringLiteral("FrmTest"), ScaleUnit::Twips);
    auto* image = form.make<Image>(QStringLiteral("Image1"));
    image->Move(1500, 800, 3000, 400);
    EXPECT_EQ(image->geometry(), QRect(100, 53, 200, 27));
    EXPECT_DOUBLE_EQ(image->Top(), 800) << "the design value is kept, not the rounded one";
    EXPECT_DOUBLE_EQ(form.twips(960), 960);

    Form pixels(stage, QStringLiteral("FrmPixels"), ScaleUnit::Pixels);
    EXPECT_DOUBLE_EQ(pixels.twips(960), 64);
}

TEST(Units, DesignedFacesMapToCjkFontsAtNinetySixDpi)
{
    EXPECT_EQ(mapFontFace(QStringLiteral("黑体")), QStringLiteral("Noto Sans CJK SC"));
    EXPECT_EQ(mapFontFace(QStringLiteral("宋体")), QStringLiteral("Noto Serif CJK SC"));
    EXPECT_EQ(makeFont(QStringLiteral("宋体"), 72, true).pixelSize(), 96);
    EXPECT_EQ(makeFont(QStringLiteral("宋体"), 12).pixelSize(), 16);
}

TEST(Label, AutoSizeGrowsWithTheCaption)
{
    Stage stage;
    Form form(stage, QStringLiteral("FrmTest"), ScaleUnit::Pixels);
    auto* label = form.make<Label>(QStringLiteral("Label3"));
    label->setFont(QStringLiteral("宋体"), 21.75, true);
    label->setAutoSize(true);
    label->setCaption(QStringLiteral("哪个"));
    const double shortWidth = label->Width();
    label->setCaption(QStringLiteral("哪个  ？请点   的图片。"));
    EXPECT_GT(label->Width(), 3 * shortWidth);
}

} // namespace
