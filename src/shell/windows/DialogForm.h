#pragma once
// A small window on the stage, centred, with a title bar that shows its caption: the help
// and About windows.

#include "shell/core/AppContext.h"
#include "ui/Form.h"

class DialogForm : public Form {
    Q_OBJECT
public:
    // width and height in twips of the design screen.
    DialogForm(AppContext& app, const QString& name, double width, double height);

    AppContext& app() const { return app_; }

    // Design height of the title bar; controls start below it.
    static constexpr double TitleHeight = 360;

protected:
    // Rescales the window with the screen and puts it in the middle of the stage.
    void scaleAndCentre();
    void paintEvent(QPaintEvent* e) override;

private:
    double designWidth_;
    AppContext& app_;
};

// Opens a web address, or a local file given by its absolute path, in the platform's
// browser; a document that is missing or cannot be opened gets an orderly message.
void OpenInBrowser(AppContext& app, const QString& address);
