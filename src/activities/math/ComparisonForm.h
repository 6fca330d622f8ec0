#pragma once
// Compare two pictures: a spoken and written question asks for one word of the comparison
// entry (大 or 小, 多 or 少 ...) and the child clicks the picture it fits. The judgement is
// uncovered by a sliding cover; a right answer brings the next pair of the entry, a wrong
// one the same question again. The windows differ in which word they ask for.

#include "frame/ActivityForm.h"
#include "frame/GoodBadPictures.h"
#include "frame/SlidingCover.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"

#include <optional>

class ComparisonForm : public ActivityForm {
    Q_OBJECT
public:
    ComparisonForm(AppContext& app, const QString& name);

    ControlArray<Image> Image1; // elements 1 and 2
    Label* Label3;
    Label* Label4;
    PictureBox* Picture1; // the cover
    PictureBox* Picture2; // good
    PictureBox* Picture3; // bad
    Timer* Timer1;

    QString Words[3]; // 1 and 2
    bool AnswerRight = false;
    // The word that the question asks for now.
    const QString& askedWord() const { return Words[asked_]; }

    void Form_Load() override;

    // The question captions, laid over each other: the word in red in both gaps.
    static QString questionText();
    static QString wordsText(const QString& word);

protected:
    // Which word (1 or 2) the next question asks for.
    virtual int drawAskedWord() = 0;
    // Windows that ask for a fixed word cut any sound still playing at every click.
    virtual bool cutsSoundOnClick() const = 0;

    void GetFile();
    void Image1_Click(int i);
    void xiao();
    void Timer1_Timer();

private:
    GoodBadPictures pictures_;
    std::optional<SlidingCover> cover_;
    int asked_ = 1;
};
