#pragma once
// The main menu: six course areas as large pictures, an animation, the F1 hint, and the
// back picture that ends the program (in kiosk mode only when held for two seconds).

#include "shell/core/AppContext.h"
#include "ui/AnimatedImage.h"
#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Timer.h"

class FrmChoose : public Form {
    Q_OBJECT
public:
    FrmChoose(AppContext& app, const QString& name);

    struct Area {
        QString name;                  // as stored in CurrentArea
        ControlArray<Image>* pictures; // element 1 normal, element 0 highlighted
    };
    const std::vector<Area>& areas() const { return areas_; }

    Label* Label6;
    AnimatedImage* Gif89a1;
    Frame* Frame1;
    ControlArray<Image> ImgYY, ImgSX, ImgRZ, ImgTS, ImgSY, ImgJY;
    Image* ImgBack;
    Timer* holdTimer; // kiosk mode: how long the back picture has been held

    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyUp(int keyCode) override;
    void Form_MouseMove(Qt::MouseButtons buttons, double x, double y) override;

private:
    void addArea(ControlArray<Image>& pictures, const QString& area, double left, double top);
    QString menuPicture(const QString& area, bool highlighted) const;
    void showAllNormal();
    void chooseArea(const QString& area);
    void endProgram();

    AppContext& app_;
    std::vector<Area> areas_;
};
