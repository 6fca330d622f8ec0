#pragma once
// 写字1: one large model character at a time, taken in turn from a lesson line; the child
// writes it into the box below, by pad or keyboard, and the next one comes.

#include "activities/language/WritingForm.h"

class FrmShurufa : public WritingForm {
    Q_OBJECT
public:
    FrmShurufa(AppContext& app, const QString& name);

    Label* Label1;    // the model character
    TextBox* Text1;   // the written character
    Button* Command2; // "开  始"
    RoundCycle cycle;

    int Position = 1; // of the model character in the lesson line, from 1
    int Lesson = 1;

    void Form_Load() override;

protected:
    TextBox* inputBox() override { return Text1; }
    QString currentCharacter() const override { return Label1->Caption(); }

private:
    void Command2_Click();
    void Text1_Change();
    void nextCharacter();
    QString characterAt(int position) const { return characters_.value(position - 1); }

    QList<QString> characters_; // of the lesson line
};
