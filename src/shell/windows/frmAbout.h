#pragma once
// The About window: the program's name, version and where to learn more.

#include "shell/windows/DialogForm.h"
#include "ui/Button.h"
#include "ui/Image.h"
#include "ui/Label.h"

class frmAbout : public DialogForm {
    Q_OBJECT
public:
    frmAbout(AppContext& app, const QString& name);

    Image* Image1;
    Label* Label1;
    Label* Label2;
    Label* Label3;
    Label* Label4;
    Button* cmdTechSupport;
    Button* cmdOK;

    QString WebSite;

    void Form_Load() override;

private:
    Label* makeText(const QString& name, const QString& text, double top, double points, bool bold);
};
