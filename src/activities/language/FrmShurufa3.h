#pragma once
// 写字3: the names of the chosen lesson's pictures, one word at a time; each character has
// its own box under it, the boxes may be filled in any order, and a word is done when all
// of them hold their character.

#include "activities/language/WritingForm.h"

class FrmShurufa3 : public WritingForm {
    Q_OBJECT
public:
    FrmShurufa3(AppContext& app, const QString& name);

    // The most words a lesson gives.
    static constexpr int MaxWords = 100;

    ControlArray<Label> Label1; // the characters of the word
    ControlArray<TextBox> Text1;
    Timer* Timer1 = makeTimer(QStringLiteral("Timer1"));
    RoundCycle cycle;

    int RightCount = 0; // boxes that hold their character
    int WordIndex = 1;  // of the word shown, from 1

    void Form_Load() override;

    const QStringList& words() const { return words_; }

protected:
    TextBox* inputBox() override;
    QString currentCharacter() const override { return Label1[0].Caption(); }

private:
    void Text1_Change();
    bool isRight(int i) const;
    void showWord();
    void clearWord();

    QStringList words_;
};
