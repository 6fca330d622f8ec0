#pragma once
// What the three writing windows share: the clock and the writing speed, the "演　示"
// button that replays how the current character is written, the picture that opens the
// stroke recorder, and the handwriting pad that opens with the window and closes with it.
// A writing window adds its model characters and its input boxes.

#include "activities/language/Characters.h"
#include "frame/ActivityForm.h"
#include "frame/RoundCycle.h"
#include "ui/Button.h"
#include "ui/Timer.h"

#include <QPointer>

class HandwritingPad;

class WritingForm : public ActivityForm {
    Q_OBJECT
public:
    WritingForm(AppContext& app, const QString& name);
    ~WritingForm() override;

    ControlArray<Label> Label2; // the clock: seconds, minutes, hours
    Label* Label3;              // the speed
    Button* Command1;           // "演　示"
    Image* Image2;              // opens the stroke recorder
    Timer* Timer2 = makeTimer(QStringLiteral("Timer2"));

    int Seconds = 0;
    int Minutes = 0;
    int Hours = 0;

    // The pad while it is open (the child may close it).
    HandwritingPad* pad() const;

    void Form_Activate() override;
    void Form_Unload() override;

    // The names of the writing windows, whose clocks the recorder stops.
    static const QStringList& WindowNames();

protected:
    // The box the next character is written into.
    virtual TextBox* inputBox() = 0;
    // The character the replay shows.
    virtual QString currentCharacter() const = 0;

    // An input box in the 宋体 of the model characters, taking typed and pad text.
    TextBox* makeInputBox(const QString& name, double points);
    // The clock back to zero and its labels to "00秒", "00分", "00小时".
    void resetClock();
    // Opens the pad with its top left corner at designTopLeft, or says that there is no
    // handwriting input and goes on with the keyboard.
    void startHandwriting(QPointF designTopLeft);
    // The characters of lesson number lesson of 输入法.ini. After the last lesson comes the
    // first again: the lesson number goes back to 1.
    QList<QString> readLesson(int& lesson);
    // "演　示": replays the current character.
    void Command1_Click();

    // Answers are judged silently; a right one raises the score at once.
    static constexpr RoundCycle::Rules WritingRules{.sound = RoundCycle::Sound::Silent,
                                                    .reward = RoundCycle::Reward::AtAnswer,
                                                    .afterWrong =
                                                        RoundCycle::AfterWrong::SameAgain};

private:
    void Timer2_Timer();
    void Image2_Click();
    void closeHandwriting();

    QPointer<HandwritingPad> pad_;
};
