#pragma once
// The activity chooser of a lesson: the area's learning steps as numbered thumbnails, six
// to a row; a step prepares the lesson's photos and opens its activity.

#include "shell/core/AppContext.h"
#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/TextBox.h"

#include <array>

class FrmChoosekecheng : public Form {
    Q_OBJECT
public:
    FrmChoosekecheng(AppContext& app, const QString& name);

    // Steps holds 50 titles; further steps of an area are not shown.
    static constexpr int MaxSteps = 50;

    Frame* Frame2;
    ControlArray<Image> Img1;
    ControlArray<Label> Label1, Label2;
    TextBox* Txtini;
    Image* ImgBack;

    int StepCount() const { return stepCount_; }
    const QString& Steps(int k) const { return steps_.at(k); }

    // Prepares the lesson's photos and opens the activity of a step title.
    bool launchStep(const QString& title);

    void Form_Load() override;
    void Form_MouseMove(Qt::MouseButtons buttons, double x, double y) override;

private:
    void addStep(int k);
    void hoverStep(int i);
    void resetHover();
    void ImgBack_Click();

    AppContext& app_;
    std::array<QString, MaxSteps + 1> steps_;
    std::array<QPixmap, MaxSteps + 1> StepPictures;
    int stepCount_ = 0;
    int hovered_ = 0;
};
