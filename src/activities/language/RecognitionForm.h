#pragma once
// Picture and word recognition: a photo or a word of the lesson is the question, and the child
// clicks the matching word or photo among the lesson's answers, five to a page with arrows to
// turn the page. A red tick or cross judges every click; after a right answer the next
// question follows a second later. The words are caption pictures, so both windows handle
// only pictures: "看图认字" (FrmTu_zhi) asks with a photo and answers with words, "看字认图"
// (FrmZhi_tu) the other way round. They are the two rows of one table.

#include "frame/ActivityForm.h"
#include "frame/RoundCycle.h"
#include "ui/ControlArray.h"
#include "ui/Image.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"

#include <QRectF>

class RecognitionForm : public ActivityForm {
    Q_OBJECT
public:
    enum class Question { Photo, Word };

    struct Row {
        const char* name;
        Question question;    // what Image2 asks with; the answers show the other kind
        QRectF previousArrow; // Image5(0), design pixels
    };
    static const Row Rows[2]; // FrmTu_zhi, FrmZhi_tu

    RecognitionForm(AppContext& app, const Row& row);

    Image* Image2;              // the question
    ControlArray<Image> Image3; // the answers of the page on show
    ControlArray<Image> Image5; // previous and next page
    ControlArray<Image> Image1; // the tick (0) and the cross (1)
    Timer* Timer1 = makeTimer(QStringLiteral("Timer1"));
    ControlArray<PictureBox> PicWenzhi;
    RoundCycle cycle;

    int page() const { return page_; }
    // The item asked for, 1..n (0 for an empty lesson).
    int question() const { return question_; }

    void Form_Load() override;

private:
    void NextQuestion();
    void Zhair();
    void Image3_Click(int index);
    void Image5_Click(int index);
    void showPage();
    void hideMarks();
    QPixmap answerPicture(int item) const;

    const Row& row_;
    QStringList items_;
    int page_ = 0;
    int question_ = 0;
};
