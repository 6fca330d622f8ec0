#pragma once
// The course catalogue of the area chosen on the main menu: ten entries to a page in two
// columns of raised buttons; an entry opens a lesson's activity chooser or an activity.

#include "shell/core/AppContext.h"
#include "ui/Button.h"
#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Line.h"
#include "ui/TextBox.h"
#include "ui/Timer.h"

class FrmMulu : public Form {
    Q_OBJECT
public:
    FrmMulu(AppContext& app, const QString& name);

    static constexpr int EntriesPerPage = 10;

    Label* Label2;
    Frame* Frame1;
    ControlArray<Label> Label1;
    ControlArray<Line> Line1, Line2, Line3, Line4;
    ControlArray<Button> Command1;
    TextBox* Txtini;
    Timer* Timer1;
    Image* ImgBack;

    int EntryCount() const { return entryCount_; }
    int PageCount() const { return pageCount_; }
    int CurrentPage() const { return currentPage_; }
    // Entries(k), k from 1; empty beyond the list.
    QString Entries(int k) const;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_MouseMove(Qt::MouseButtons buttons, double x, double y) override;

private:
    void buildPage();
    void outline(int i);
    void showPage();
    void Command1_Click(int index);
    void Label1_MouseMove(int i);
    void Label1_MouseDown(int i);
    void Label1_MouseUp(int i);
    void Label1_Click(int i);
    void resetHover();
    void Timer1_Timer();
    void ImgBack_Click();

    AppContext& app_;
    QStringList entries_;
    int entryCount_ = 0;
    int pageCount_ = 1;
    int currentPage_ = 1;
    int hovered_ = 0;
};
