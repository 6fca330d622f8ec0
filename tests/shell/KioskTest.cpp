// --kiosk: a child's click, Escape, Alt+F4 or closing the window never ends the program; a
// grown-up holds the back picture for two seconds or presses Ctrl+Alt+Q.

#include "ui/Kiosk.h"
#include "StageFixture.h"
#include "shell/windows/FrmChoose.h"
#include "shell/windows/ShellWindows.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// A window that notes the classic key codes it receives.
class KeyProbe : public Form {
public:
    KeyProbe(AppContext& app, const QString& name)
        : Form(*app.stage, name, ScaleUnit::Pixels)
    {
    }
    void Form_KeyUp(int keyCode) override { keys.push_back(keyCode); }
    std::vector<int> keys;
};

struct KioskMenu {
    QTemporaryDir dir;
    std::unique_ptr<StageFixture> fx;
    FrmChoose* menu = nullptr;

    explicit KioskMenu(bool kiosk)
    {
        QDir(dir.path()).mkpath(QStringLiteral("kc"));
        QFile(dir.path() + QStringLiteral("/kc/课程.mdb")).open(QIODevice::WriteOnly);
        fx = std::make_unique<StageFixture>(dir.path());
        if (kiosk) enableKiosk(fx->stage);
        registerShellWindows(fx->windows);
        fx->windows.add(windowOf<KeyProbe>(QStringLiteral("KeyProbe")));
        menu = fx->windows.open<FrmChoose>(QStringLiteral("FrmChoose"));
    }
    bool ended() const { return !fx->services.quitStatuses.empty(); }
    void keyClick(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        // To the window in front, through the application as a real key goes.
        QWidget* target = fx->stage.top() ? static_cast<QWidget*>(fx->stage.top()) : &fx->stage;
        QTest::keyClick(target, key, modifiers);
    }
};

TEST(Kiosk, AClickOnTheBackPictureDoesNothingButATwoSecondHoldEndsTheProgram)
{
    KioskMenu m(true);
    ASSERT_NE(m.menu, nullptr);
    m.fx->click(m.menu->ImgBack);
    EXPECT_FALSE(m.ended());
    EXPECT_FALSE(m.menu->holdTimer->isRunning()) << "the release ends the hold";

    // Let go before the two seconds are up: nothing.
    m.fx->press(m.menu->ImgBack);
    ASSERT_TRUE(m.menu->holdTimer->isRunning());
    EXPECT_EQ(m.menu->holdTimer->Interval(), 2000);
    m.fx->release(m.menu->ImgBack);
    EXPECT_FALSE(m.menu->holdTimer->isRunning());
    EXPECT_FALSE(m.ended());

    // Held for the whole time: the program ends as the plain back picture ends it.
    m.fx->press(m.menu->ImgBack);
    m.menu->holdTimer->fire();
    EXPECT_EQ(m.fx->services.quitStatuses, std::vector<int>{0});
    EXPECT_TRUE(m.fx->stage.forms().empty());
}

TEST(Kiosk, WithoutKioskModeAClickEndsTheProgramAndNoHoldIsTimed)
{
    KioskMenu m(false);
    m.fx->press(m.menu->ImgBack);
    EXPECT_FALSE(m.menu->holdTimer->isRunning());
    m.fx->release(m.menu->ImgBack);
    EXPECT_EQ(m.fx->services.quitStatuses, std::vector<int>{0});
}

TEST(Kiosk, ClosingTheStageDoesNothingButCtrlAltQEndsTheProgram)
{
    KioskMenu m(true);
    m.fx->stage.close(); // a window manager's close button or its Alt+F4
    EXPECT_FALSE(m.ended());
    EXPECT_TRUE(m.fx->stage.isOpen(m.menu));

    m.keyClick(Qt::Key_Q, Qt::ControlModifier); // Ctrl+Q alone is not the grown-up's key
    EXPECT_FALSE(m.ended());
    m.keyClick(Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(m.fx->services.quitStatuses, std::vector<int>{0});
    EXPECT_TRUE(m.fx->stage.forms().empty());
}

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int classicCode;
    bool reachesWindowInKiosk;
};

class KioskKeysTable : public ::testing::TestWithParam<KeyCase> {};

// The keys that leave a program never reach a window in kiosk mode; other keys do, as they
// do without it.
TEST_P(KioskKeysTable, ReachesTheWindowInFrontOnlyWhenAllowed)
{
    const KeyCase& c = GetParam();
    for (bool kiosk : {false, true}) {
        KioskMenu m(kiosk);
        auto* probe = m.fx->windows.open<KeyProbe>(QStringLiteral("KeyProbe"));
        ASSERT_NE(probe, nullptr);
        m.keyClick(c.key, c.modifiers);
        // (Modifier keys arrive as keys of their own, code 0.)
        const bool reached = std::count(probe->keys.begin(), probe->keys.end(), c.classicCode) == 1;
        EXPECT_EQ(reached, !kiosk || c.reachesWindowInKiosk) << c.name << " kiosk " << kiosk;
        EXPECT_FALSE(m.ended()) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, KioskKeysTable,
                         ::testing::Values(KeyCase{"Escape", Qt::Key_Escape, {}, 27, false},
                                           KeyCase{"AltF4", Qt::Key_F4, Qt::AltModifier, 115,
                                                   false},
                                           KeyCase{"F1", Qt::Key_F1, {}, 112, true},
                                           KeyCase{"Space", Qt::Key_Space, {}, 32, true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
