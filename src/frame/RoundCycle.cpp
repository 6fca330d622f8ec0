#include "frame/RoundCycle.h"

#include "frame/ActivityForm.h"
#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"
#include "ui/Timer.h"

namespace {

template <class... F> struct Overloaded : F... {
    using F::operator()...;
};
template <class... F> Overloaded(F...) -> Overloaded<F...>;

void reward(ActivityForm& form, bool right)
{
    if (right)
        RewardRight(form);
    else
        RewardWrong(form);
}

} // namespace

RoundCycle::RoundCycle(ActivityForm& form, Rules rules, Feedback::Kind feedback, Hooks hooks)
    : form_(form)
    , rules_(rules)
    , feedback_(std::move(feedback))
    , hooks_(std::move(hooks))
{
    form_.setRoundCycle(this);
    std::visit(Overloaded{
                   [](Feedback::None&) {},
                   [this](Feedback::Pause& f) {
                       QObject::connect(&f.timer, &Timer::Tick, &form_, [this, &f] {
                           f.timer.stop();
                           endFeedback();
                       });
                   },
                   [this](Feedback::PauseByAnswer& f) {
                       for (Timer* timer : {&f.rightTimer, &f.wrongTimer})
                           QObject::connect(timer, &Timer::Tick, &form_, [this, timer] {
                               timer->stop();
                               endFeedback();
                           });
                   },
                   [this](Feedback::PauseWhenRight& f) {
                       // Only a right answer starts the pause, so its end ends a right one,
                       // whatever was answered wrong meanwhile.
                       QObject::connect(&f.timer, &Timer::Tick, &form_, [this, &f] {
                           f.timer.stop();
                           AnswerRight = true;
                           endFeedback();
                       });
                   },
                   [this](Feedback::Picture& f) {
                       QObject::connect(&f.timer, &Timer::Tick, &form_, [this, &f] {
                           f.timer.stop();
                           f.pictures.hide();
                           endFeedback();
                       });
                   },
                   [this](Feedback::PauseThenPicture& f) {
                       QObject::connect(&f.answerTimer, &Timer::Tick, &form_,
                                        [this] { endAnswerPause(); });
                       QObject::connect(&f.pictureTimer, &Timer::Tick, &form_, [this, &f] {
                           f.pictureTimer.stop();
                           f.pictures.hide();
                           endFeedback();
                       });
                   },
                   [this](Feedback::Cover& f) {
                       QObject::connect(&f.cover.timer(), &Timer::Tick, &form_,
                                        [this] { coverStep(); });
                   },
               },
               feedback_);
}

void RoundCycle::answer(bool right)
{
    AnswerRight = right;
    showing_ = true;
    const char* sound = right ? rules_.rightSound : rules_.wrongSound;
    if (rules_.sound == Sound::RightOrError && sound)
        PlayWave(form_.app(), QString::fromUtf8(sound));
    if (rules_.reward == Reward::AtAnswer || (rules_.reward == Reward::RightOnly && right))
        reward(form_, right);
    std::visit(Overloaded{
                   [this](Feedback::None&) { endFeedback(); },
                   [](Feedback::Pause& f) { f.timer.start(f.ms); },
                   [right](Feedback::PauseByAnswer& f) {
                       // A new answer replaces one still in view, whichever it was.
                       (right ? f.wrongTimer : f.rightTimer).stop();
                       if (right)
                           f.rightTimer.start(f.rightMs);
                       else
                           f.wrongTimer.start(f.wrongMs);
                   },
                   [this, right](Feedback::PauseWhenRight& f) {
                       if (right) {
                           f.timer.start(f.ms);
                           return;
                       }
                       endFeedback();
                       showing_ = f.timer.isRunning();
                   },
                   [this](Feedback::Picture& f) {
                       hooks_.roundGivesWay();
                       showPicture(f.pictures, f.timer, f.ms);
                   },
                   [](Feedback::PauseThenPicture& f) { f.answerTimer.start(f.answerMs); },
                   [this](Feedback::Cover& f) {
                       f.pictures.show(AnswerRight);
                       f.cover.start();
                   },
               },
               feedback_);
}

void RoundCycle::endAnswerPause()
{
    auto& f = std::get<Feedback::PauseThenPicture>(feedback_);
    f.answerTimer.stop();
    hooks_.roundGivesWay();
    showPicture(f.pictures, f.pictureTimer, f.pictureMs);
}

void RoundCycle::showPicture(const GoodBadPictures& pictures, Timer& timer, int ms)
{
    pictures.show(AnswerRight);
    timer.start(ms);
}

// One step of the slide; the first one also clears the round away.
void RoundCycle::coverStep()
{
    auto& f = std::get<Feedback::Cover>(feedback_);
    hooks_.roundGivesWay();
    if (!f.cover.step()) return;
    f.cover.hide();
    f.pictures.hide();
    endFeedback();
}

void RoundCycle::endFeedback()
{
    showing_ = false;
    if (rules_.reward == Reward::WithNextRound) reward(form_, AnswerRight);
    if (AnswerRight || rules_.afterWrong == AfterWrong::NextRound)
        hooks_.nextRound();
    else
        hooks_.sameAgain();
}
