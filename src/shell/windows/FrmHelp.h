#pragma once
// The help window of the main menu (F1): the handbook, the project's page, how to update,
// the About window, and the record of play for parents and teachers.

#include "shell/windows/DialogForm.h"
#include "ui/ControlArray.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Line.h"

class FrmHelp : public DialogForm {
    Q_OBJECT
public:
    FrmHelp(AppContext& app, const QString& name);

    Image* Image1;
    ControlArray<Line> Line3;
    ControlArray<Label> Label5;
    Label* Label2;
    Label* Label3;
    Label* Label4;
    Label* Lblclose;
    Label* LblRecord; // the record of play, for grown-ups

    QString WebSite;

    void Form_Load() override;
    void Form_MouseMove(Qt::MouseButtons buttons, double x, double y) override;

private:
    Label* makeLink(const QString& name, const QString& caption, double left, double top);
    void Label5_Click(int index);
    void openWebPage();
    void Label4_Click();
};
