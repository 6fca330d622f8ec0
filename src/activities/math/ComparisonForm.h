#pragma once
// Compare two pictures: a spoken and written question asks for one word of the comparison
// entry (大 or 小, 多 or 少 ...) and the child clicks the picture it fits. The judgement is
// uncovered by a sliding cover; a right answer brings the next pair of the entry, a wrong
// one the same question again. The three windows (and their three menus) are rows of one
// table: they differ in which word they ask for and in when they cut a sound short.

#include "frame/ActivityForm.h"
#include "frame/RoundCycle.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"

struct ComparisonRow {
    const char* menu;      // the menu of the entries that opens the window
    const char* name;      // the comparison window
    int askedWord;         // 1 or 2: always that word of the entry; 0: either, drawn each round
    bool cutsSoundOnClick; // every click first silences a sound still playing
    bool cutsSoundOnBack;  // leaving silences the question still being spoken
};

inline constexpr ComparisonRow ComparisonRows[] = {
    {"FrmBijiaoMulu", "FrmBijiao", 0, false, true},
    {"FrmBijiaoMuluda", "FrmBijiaoDa", 1, true, false},
    {"FrmBijiaoMuluxiao", "FrmBijiaoXiao", 2, true, false},
};

class ComparisonForm : public ActivityForm {
    Q_OBJECT
public:
    ComparisonForm(AppContext& app, const ComparisonRow& row);

    ControlArray<Image> Image1; // elements 1 and 2
    Label* Label3;
    Label* Label4;
    PictureBox* Picture2; // good
    PictureBox* Picture3; // bad
    PictureBox* Picture1; // the cover
    Timer* Timer1;        // the slide of the cover
    RoundCycle cycle;

    QString Words[3]; // 1 and 2
    // The word that the question asks for now.
    const QString& askedWord() const { return Words[asked_]; }

    void Form_Load() override;

    // The question captions, laid over each other: the word in red in both gaps.
    static QString questionText();
    static QString wordsText(const QString& word);

protected:
    void ImgBack_Click() override;

private:
    Feedback::Kind makeJudgementPictures();
    void GetFile();
    void Image1_Click(int i);
    void showPictures(bool shown);
    int drawAskedWord();

    const ComparisonRow& row_;
    int asked_ = 1;
};
