#pragma once
// The two pauses after a judged answer: the answer stays in view for a moment, then the
// good or bad picture is shown for a second, then the next round begins. The window keeps
// its own timers and handlers (what it clears and how it starts the next round); this is
// the part every such window shares. No timer runs while the window waits for the child.

#include "frame/GoodBadPictures.h"

class ActivityForm;
class Timer;

class FeedbackPauses {
public:
    FeedbackPauses(ActivityForm& form, Timer& firstPause, Timer& secondPause,
                   GoodBadPictures pictures)
        : form_(form)
        , first_(firstPause)
        , second_(secondPause)
        , pictures_(pictures)
    {
    }

    static constexpr int PicturePauseMs = 1000;

    // Plays the judgement and starts (or restarts) the first pause; the judgement of the
    // last answer given before the pause ends is the one shown.
    void judge(bool right, int firstPauseMs);
    // End of the first pause: the good or bad picture, and the second pause.
    void showJudgement();
    // End of the second pause: the picture goes away.
    void endJudgement();

    bool AnswerRight = false;

private:
    ActivityForm& form_;
    Timer& first_;
    Timer& second_;
    GoodBadPictures pictures_;
};
