#pragma once
// What happens once the child has answered: the judgement heard ("right" or "error", or
// nothing), the judgement seen (the answer stays in view for a moment, then a good or bad
// picture for a second, or a cover slides off the picture, or nothing at all), the step of
// the reward strip (at the answer, when the next round comes, or never), and then the next
// round or the same round again. Every activity that judges answers runs its rounds
// through one of these: the window says what its round is (the hooks), the cycle says when.
// No timer runs while the window waits for the child.

#include "frame/GoodBadPictures.h"
#include "frame/SlidingCover.h"

#include <functional>
#include <variant>

class ActivityForm;
class Timer;

namespace Feedback {

// The next round (or the same again) follows the judgement at once.
struct None {};
// The answer stays in view for a moment; then the round goes on. No picture.
struct Pause {
    Timer& timer;
    int ms;
};
// The answer stays in view for a moment whose length depends on the answer, each answer on
// its own timer; then the round goes on. No picture.
struct PauseByAnswer {
    Timer& rightTimer;
    int rightMs;
    Timer& wrongTimer;
    int wrongMs;
};
// A right answer stays in view for a moment before the next round; a wrong one is judged at
// once and the child tries again, while a right answer given before still has its moment.
struct PauseWhenRight {
    Timer& timer;
    int ms;
};
// The good or bad picture at once, for a moment.
struct Picture {
    Timer& timer;
    GoodBadPictures pictures;
    int ms = 1000;
};
// The answer stays in view for a moment, then the round gives way to the good or bad
// picture for a second.
struct PauseThenPicture {
    Timer& answerTimer;
    int answerMs;
    Timer& pictureTimer;
    GoodBadPictures pictures;
    int pictureMs = 1000;
};
// The good or bad picture under a cover that slides off it.
struct Cover {
    SlidingCover cover;
    GoodBadPictures pictures;
};

using Kind =
    std::variant<None, Pause, PauseByAnswer, PauseWhenRight, Picture, PauseThenPicture, Cover>;

} // namespace Feedback

class RoundCycle {
public:
    enum class Sound { RightOrError, Silent };
    // RightOnly: a right answer moves the strip up at the answer, a wrong one leaves it.
    enum class Reward { AtAnswer, WithNextRound, Never, RightOnly };
    enum class AfterWrong { NextRound, SameAgain };

    struct Rules {
        Sound sound = Sound::RightOrError;
        Reward reward = Reward::AtAnswer;
        AfterWrong afterWrong = AfterWrong::SameAgain;
        // What Sound::RightOrError plays for each answer; null is silence for that answer.
        const char* rightSound = "right";
        const char* wrongSound = "error";
    };

    struct Hooks {
        // The round's pictures make room for the judgement (when it is shown or uncovered).
        std::function<void()> roundGivesWay = [] {};
        std::function<void()> nextRound = [] {};
        std::function<void()> sameAgain = [] {};
    };

    RoundCycle(ActivityForm& form, Rules rules, Feedback::Kind feedback, Hooks hooks);
    RoundCycle(const RoundCycle&) = delete;
    RoundCycle& operator=(const RoundCycle&) = delete;

    // Judges an answer. An answer given while the answer still stays in view replaces the
    // earlier one and starts the moment again: the last answer is the one shown.
    void answer(bool right);

    // Whether the judgement of the last answer is still being shown.
    bool isShowing() const { return showing_; }

    bool AnswerRight = false;

private:
    void endAnswerPause();
    void showPicture(const GoodBadPictures& pictures, Timer& timer, int ms);
    void coverStep();
    void endFeedback();

    ActivityForm& form_;
    Rules rules_;
    Feedback::Kind feedback_;
    Hooks hooks_;
    bool showing_ = false;
};
