#pragma once
// Find the same: a target picture at the top, a row of candidates along the bottom, and the
// child clicks the candidate that matches the target. The two windows are rows of one table.
// FrmQtXiangtong deals the whole of one category as the candidates, the target itself among
// them, and rewards once a category is done; FrmQtTonglei deals another picture of the
// target's category among three of the next category, each question in new places of the
// row, and rewards every right answer.

#include "frame/ActivityForm.h"
#include "frame/RoundCycle.h"
#include "ui/ControlArray.h"
#include "ui/Image.h"

#include <QPointF>
#include <QStringList>
#include <array>
#include <vector>

class FindingTheSame : public ActivityForm {
    Q_OBJECT
public:
    enum class Candidates {
        WholeCategory, // every picture of the category, the target's own among them
        OneOfTheKind,  // one more picture of the target's category among three of the next
    };

    struct Row {
        const char* name;
        QPointF largestAt; // where the (hidden) template of the largest candidate lies
        Candidates candidates;
        int rightsPerCategory;  // right answers before the next category; 0: one more than
                                // the category has pictures
        bool rewardsEveryRight; // otherwise the reward and "win" come once per category
        bool rowTopScales;      // the row's distance from the bottom grows with the screen
    };
    static const Row Rows[2]; // FrmQtXiangtong, FrmQtTonglei

    FindingTheSame(AppContext& app, const Row& row);

    Image* Image1; // the target
    ControlArray<Image> Image2;
    Image* Image3; // size of the largest candidate
    Image* Image5; // size of the smallest candidate
    RoundCycle cycle;

    QStringList Categories;
    int CategoryCount = 0;
    int CategoryIndex = 1;
    int RightCount = 0;
    // The pictures of the current category from 1, then those of the next one.
    std::array<QPixmap, 101> PictureTable;
    int FirstCount = 0;
    int SecondCount = 0;

    void Form_Load() override;

    // The candidate that shows the answer to the question on the screen.
    int rightCandidate() const { return rightCandidate_; }

private:
    // The pictures of the current category (and of the next one), from the current index
    // on; false when the course has nothing to play, and then the window has closed.
    bool loadPictures();
    bool loadWholeCategory();
    bool loadCategoryPair();
    int candidateCount() const;
    void zhaiRu();
    void zaiRu2();
    void Image2_Click(int k);
    void nextQuestion();

    const Row& row_;
    int rightCandidate_ = -1;
};
