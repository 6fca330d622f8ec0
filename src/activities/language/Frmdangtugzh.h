#pragma once
// "单图学习": the lesson's photos as thumbnails, eight to a page. A thumbnail shows its photo
// large with its word beside it; a click on the large photo says the name and makes the photo
// small, and every further click says it again and sends the photo somewhere else on the
// window. A click on the word brings the thumbnails back; clicking it again closes the window.
// Nothing is judged.

#include "frame/ActivityForm.h"
#include "ui/ControlArray.h"
#include "ui/Image.h"
#include "ui/PictureBox.h"

#include <QStringList>
#include <vector>

class Frmdangtugzh : public ActivityForm {
    Q_OBJECT
public:
    static constexpr int PerPage = 8;

    Frmdangtugzh(AppContext& app, const QString& name);

    ControlArray<Image> Image1; // 0: previous page, 1..8: the thumbnails, 9: next page
    Image* Image3;              // the chosen photo
    Image* Image2;              // the chosen photo's word
    ControlArray<PictureBox> PicWenzhi;

    enum class Mode { Browsing = -1, Playing = 0 };
    Mode mode() const { return mode_; }
    int page() const { return page_; }
    // The item of the thumbnail clicked last, 1..n (0 before the first).
    int chosen() const { return chosen_; }
    // The elements of Image1 that were on show when the photo was made small.
    const std::vector<int>& hiddenList() const { return hidden_; }

    void Form_Load() override;

private:
    void Image1_Click(int index);
    void Image3_Click();
    void Image2_Click();
    void showPage();
    QPixmap photoOf(int item) const;

    QStringList items_;
    Mode mode_ = Mode::Browsing;
    int page_ = 0;
    int chosen_ = 0;
    std::vector<int> hidden_;
    QSizeF thumbnailSize_;
    QSizeF largeSize_;
};
