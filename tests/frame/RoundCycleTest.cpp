// The round cycle: what the child hears, sees and scores after an answer, and when the next
// round (or the same one again) comes, for each kind of feedback.

#include "frame/RoundCycle.h"
#include "StageFixture.h"
#include "frame/ActivityForm.h"
#include "frame/Mdljifeng.h"
#include "ui/Image.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"

#include <gtest/gtest.h>

namespace {

enum class Kind { None, Pause, PauseByAnswer, PauseWhenRight, Picture, PauseThenPicture, Cover };

// A window with everything a cycle may use; the test picks the feedback. The hooks write
// what happened into a list.
class CycleWindow : public ActivityForm {
public:
    CycleWindow(AppContext& app, Kind kind, RoundCycle::Rules rules)
        : ActivityForm(app, QStringLiteral("FrmCycle"))
        , cycle(*this, rules, feedback(kind),
                {.roundGivesWay = [this] { events << "gives way"; },
                 .nextRound = [this] { events << "next round"; },
                 .sameAgain = [this] { events << "same again"; }})
    {
    }

    Timer* Timer1 = makeTimer(QStringLiteral("Timer1"));
    Timer* Timer2 = makeTimer(QStringLiteral("Timer2"));
    Image* Imggood = nullptr;
    Image* Imgbad = nullptr;
    PictureBox* Cover = nullptr;
    RoundCycle cycle;
    QStringList events;

private:
    Feedback::Kind feedback(Kind kind)
    {
        const GoodBadPictures pictures =
            GoodBadPictures::make(*this, QStringLiteral("Imggood"), QStringLiteral("Imgbad"),
                                  QRectF(400, 208, 273, 273), Imggood, Imgbad);
        Cover = make<PictureBox>(QStringLiteral("Picture1"));
        Cover->Move(400, 208, 273, 273);
        Cover->hide();
        switch (kind) {
        case Kind::None:
            return Feedback::None{};
        case Kind::Pause:
            return Feedback::Pause{*Timer1, 1000};
        case Kind::PauseByAnswer:
            return Feedback::PauseByAnswer{*Timer1, 1000, *Timer2, 600};
        case Kind::PauseWhenRight:
            return Feedback::PauseWhenRight{*Timer1, 1000};
        case Kind::Picture:
            return Feedback::Picture{*Timer1, pictures};
        case Kind::PauseThenPicture:
            return Feedback::PauseThenPicture{*Timer2, 700, *Timer1, pictures};
        case Kind::Cover:
            return Feedback::Cover{SlidingCover(*Cover, *Timer1, *Imggood), pictures};
        }
        return Feedback::None{};
    }
};

struct Cycle {
    Cycle(Kind kind, RoundCycle::Rules rules)
        : window(new CycleWindow(fx.app, kind, rules))
    {
        fx.stage.showForm(window);
        InitRewards(*window);
        fx.app.Score = 5; // room to go down as well as up
    }
    QStringList heard() const { return fx.services.soundNames(); }
    bool logged(const char* line) const
    {
        return fx.services.logLines.contains(QString::fromLatin1(line));
    }

    StageFixture fx;
    CycleWindow* window;
};

using Rules = RoundCycle::Rules;
using Reward = RoundCycle::Reward;
using AfterWrong = RoundCycle::AfterWrong;

TEST(RoundCycle, WithoutFeedbackTheNextRoundOrTheSameOneFollowsAtOnce)
{
    Cycle c(Kind::None, Rules{});
    c.window->cycle.answer(true);
    EXPECT_EQ(c.heard(), QStringList{"right"});
    EXPECT_EQ(c.fx.app.Score, 6);
    EXPECT_TRUE(c.logged("reward right"));
    EXPECT_EQ(c.window->events, QStringList{"next round"});

    c.window->cycle.answer(false);
    EXPECT_EQ(c.heard(), (QStringList{"right", "error"}));
    EXPECT_EQ(c.fx.app.Score, 5);
    EXPECT_TRUE(c.logged("reward wrong"));
    EXPECT_EQ(c.window->events, (QStringList{"next round", "same again"}));
    EXPECT_FALSE(c.window->cycle.isShowing());
}

TEST(RoundCycle, ASilentPauseNeitherSoundsNorRewards)
{
    Cycle c(Kind::Pause, {.sound = RoundCycle::Sound::Silent, .reward = Reward::Never});
    c.window->cycle.answer(true);
    EXPECT_TRUE(c.heard().isEmpty());
    EXPECT_TRUE(c.window->events.isEmpty());
    EXPECT_TRUE(c.window->Timer1->isRunning());
    EXPECT_EQ(c.window->Timer1->Interval(), 1000);
    c.window->Timer1->fire();
    EXPECT_FALSE(c.window->Timer1->isRunning());
    EXPECT_EQ(c.window->events, QStringList{"next round"});
    EXPECT_EQ(c.fx.app.Score, 5);
    EXPECT_FALSE(c.logged("reward right"));
}

struct PictureCase {
    bool right;
    AfterWrong afterWrong;
    const char* then;
};

class PictureFeedback : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PictureFeedback, ShowsTheJudgementForASecondThenGoesOn)
{
    const PictureCase p = GetParam();
    Cycle c(Kind::Picture, {.afterWrong = p.afterWrong});
    c.window->cycle.answer(p.right);
    EXPECT_EQ(c.window->events, QStringList{"gives way"});
    EXPECT_EQ(c.window->Imggood->Visible(), p.right);
    EXPECT_EQ(c.window->Imgbad->Visible(), !p.right);
    EXPECT_EQ(c.fx.app.Score, p.right ? 6 : 4) << "rewarded at the answer";
    EXPECT_TRUE(c.window->cycle.isShowing());
    c.window->Timer1->fire();
    EXPECT_FALSE(c.window->Imggood->Visible());
    EXPECT_FALSE(c.window->Imgbad->Visible());
    EXPECT_EQ(c.window->events, (QStringList{"gives way", QString::fromLatin1(p.then)}));
    EXPECT_FALSE(c.window->Timer1->isRunning());
}

INSTANTIATE_TEST_SUITE_P(RoundCycle, PictureFeedback,
                         ::testing::Values(PictureCase{true, AfterWrong::SameAgain, "next round"},
                                           PictureCase{false, AfterWrong::SameAgain, "same again"},
                                           PictureCase{false, AfterWrong::NextRound,
                                                       "next round"}));

TEST(RoundCycle, TheLastAnswerBeforeThePauseEndsIsTheOneShownAndRewarded)
{
    Cycle c(Kind::PauseThenPicture,
            {.reward = Reward::WithNextRound, .afterWrong = AfterWrong::NextRound});
    CycleWindow& w = *c.window;
    w.cycle.answer(true);
    EXPECT_EQ(w.Timer2->Interval(), 700);
    w.cycle.answer(false);
    EXPECT_EQ(c.heard(), (QStringList{"right", "error"}));
    EXPECT_EQ(c.fx.app.Score, 5) << "no reward until the next round";
    EXPECT_FALSE(w.Imgbad->Visible()) << "the answer stays in view first";

    w.Timer2->fire();
    EXPECT_FALSE(w.Timer2->isRunning());
    EXPECT_EQ(w.events, QStringList{"gives way"});
    EXPECT_TRUE(w.Imgbad->Visible());
    EXPECT_TRUE(w.Timer1->isRunning());
    EXPECT_EQ(w.Timer1->Interval(), 1000);

    w.Timer1->fire();
    EXPECT_FALSE(w.Imgbad->Visible());
    EXPECT_EQ(c.fx.app.Score, 4);
    EXPECT_EQ(w.events, (QStringList{"gives way", "next round"}));
}

TEST(RoundCycle, TheCoverSlidesOffTheJudgementBeforeTheRewardAndTheNextRound)
{
    Cycle c(Kind::Cover, {.reward = Reward::WithNextRound});
    CycleWindow& w = *c.window;
    w.cycle.answer(true);
    EXPECT_TRUE(w.Imggood->Visible());
    EXPECT_TRUE(w.Cover->Visible());
    EXPECT_TRUE(w.Timer1->isRunning());
    int steps = 0;
    while (w.Timer1->isRunning() && steps < 1000) {
        w.Timer1->fire();
        ++steps;
        if (w.Timer1->isRunning()) {
            EXPECT_EQ(c.fx.app.Score, 5);
        }
    }
    EXPECT_EQ(steps, 46) << "from 400 past 673 in steps of 6";
    EXPECT_FALSE(w.Cover->Visible());
    EXPECT_DOUBLE_EQ(w.Cover->Left(), 400) << "back in place for the next time";
    EXPECT_FALSE(w.Imggood->Visible());
    EXPECT_EQ(c.fx.app.Score, 6);
    EXPECT_EQ(w.events.count("gives way"), 46);
    EXPECT_EQ(w.events.last(), QStringLiteral("next round"));
}

// A card game: a right card stays up for a second, with its own sound and a step up the
// strip; a wrong one turns back sooner, silently and without a step down.
TEST(RoundCycle, APauseByAnswerTakesEachAnswerItsOwnTimeAndSound)
{
    Cycle c(Kind::PauseByAnswer,
            {.reward = Reward::RightOnly, .rightSound = "pingturight", .wrongSound = nullptr});
    CycleWindow& w = *c.window;
    w.cycle.answer(false);
    EXPECT_TRUE(c.heard().isEmpty());
    EXPECT_EQ(c.fx.app.Score, 5);
    EXPECT_FALSE(c.logged("reward wrong"));
    EXPECT_FALSE(w.Timer1->isRunning());
    EXPECT_TRUE(w.Timer2->isRunning());
    EXPECT_EQ(w.Timer2->Interval(), 600);
    w.Timer2->fire();
    EXPECT_FALSE(w.Timer2->isRunning());
    EXPECT_EQ(w.events, QStringList{"same again"});

    w.cycle.answer(false);
    w.cycle.answer(true); // replaces the wrong answer still in view
    EXPECT_FALSE(w.Timer2->isRunning());
    EXPECT_TRUE(w.Timer1->isRunning());
    EXPECT_EQ(w.Timer1->Interval(), 1000);
    EXPECT_EQ(c.heard(), QStringList{"pingturight"});
    EXPECT_EQ(c.fx.app.Score, 6);
    w.Timer1->fire();
    EXPECT_EQ(w.events, (QStringList{"same again", "next round"}));
    EXPECT_FALSE(w.cycle.isShowing());
}

TEST(RoundCycle, AFinishedRoundIsGreetedWithWinAndAWrongAnswerIsSilent)
{
    Cycle c(Kind::Pause, {.rightSound = "win", .wrongSound = nullptr});
    c.window->cycle.answer(true);
    EXPECT_EQ(c.heard(), QStringList{"win"});
    EXPECT_EQ(c.fx.app.Score, 6);
    c.window->Timer1->fire();
    c.window->cycle.answer(false);
    EXPECT_EQ(c.heard(), QStringList{"win"});
    EXPECT_EQ(c.fx.app.Score, 5);
}

// As the child answers in the recognition windows: a right answer is rewarded when its
// moment is over, a wrong one at once, and the child tries again.
TEST(RoundCycle, OnlyARightAnswerPausesBeforeTheNextRound)
{
    Cycle c(Kind::PauseWhenRight, {.reward = Reward::WithNextRound});
    CycleWindow& w = *c.window;
    w.cycle.answer(false);
    EXPECT_EQ(c.heard(), QStringList{"error"});
    EXPECT_EQ(c.fx.app.Score, 4);
    EXPECT_EQ(w.events, QStringList{"same again"});
    EXPECT_FALSE(w.Timer1->isRunning());
    EXPECT_FALSE(w.cycle.isShowing());

    w.cycle.answer(true);
    EXPECT_TRUE(w.Timer1->isRunning());
    EXPECT_EQ(w.Timer1->Interval(), 1000);
    EXPECT_EQ(c.fx.app.Score, 4) << "the reward comes with the next round";
    w.cycle.answer(true); // again during the pause: heard again, the pause starts again
    EXPECT_EQ(c.heard(), (QStringList{"error", "right", "right"}));
    w.Timer1->fire();
    EXPECT_FALSE(w.Timer1->isRunning());
    EXPECT_EQ(c.fx.app.Score, 5) << "one reward for the one question";
    EXPECT_EQ(w.events, (QStringList{"same again", "next round"}));
}

TEST(RoundCycle, AWrongAnswerDuringTheMomentOfARightOneDoesNotTakeItAway)
{
    Cycle c(Kind::PauseWhenRight, {.reward = Reward::WithNextRound});
    CycleWindow& w = *c.window;
    w.cycle.answer(true);
    w.cycle.answer(false);
    EXPECT_EQ(c.fx.app.Score, 4) << "the wrong answer is judged at once";
    EXPECT_TRUE(w.cycle.isShowing());
    EXPECT_TRUE(w.Timer1->isRunning());
    w.Timer1->fire();
    EXPECT_EQ(c.fx.app.Score, 5);
    EXPECT_EQ(w.events, (QStringList{"same again", "next round"}));
    EXPECT_FALSE(w.cycle.isShowing());
}

} // namespace
