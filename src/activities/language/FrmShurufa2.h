#pragma once
// 写字2: a whole line of up to ten model characters; the child writes them one after the
// other, and each one written stands under its model until the line is done and the next
// lesson's line comes.

#include "activities/language/WritingForm.h"
#include "ui/PictureBox.h"

class FrmShurufa2 : public WritingForm {
    Q_OBJECT
public:
    FrmShurufa2(AppContext& app, const QString& name);

    // The most characters a line asks for.
    static constexpr int LineLength = 10;

    PictureBox* Picture1;       // the writing line; a click puts the keyboard in the box
    ControlArray<Label> Label1; // the model line
    ControlArray<TextBox> Text1;
    ControlArray<Label> Label4; // the characters written so far, one each
    Button* Command2;           // "开  始"
    Timer* Timer1 = makeTimer(QStringLiteral("Timer1"));
    RoundCycle cycle;

    int Written = 0; // characters of the line written so far
    int Lesson = 1;

    void Form_Load() override;

protected:
    TextBox* inputBox() override { return &Text1[0]; }
    QString currentCharacter() const override { return line_.value(Written); }

private:
    void Command2_Click();
    void Text1_Change();
    void characterWritten();
    void Timer1_Timer();
    void showLine();

    QList<QString> line_; // the characters asked: the first ten of the lesson
    double lineStart_ = 0;
};
