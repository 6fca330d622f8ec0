#pragma once
// The drawing board: one full-screen window holding its four panels, the tool box at the left
// edge, the canvas to its right, the colour panel along the bottom and the button panel at
// the right edge. It keeps the drawing state they share, saves the drawing, and takes
// Ctrl+Z and Ctrl+Y back and forth through the strokes.

#include "drawing/MdlHuatu.h"
#include "shell/core/AppContext.h"
#include "ui/Form.h"

class FrmButton;
class FrmColor;
class FrmDrawplat;
class Frmboard;

class MDIFrmHuatu : public Form {
    Q_OBJECT
public:
    MDIFrmHuatu(AppContext& app, const QString& name);

    static const QColor PanelColour;

    AppContext& app() const { return app_; }

    MdlHuatu state;
    Frmboard* canvas = nullptr;
    FrmColor* colourPanel = nullptr;
    FrmDrawplat* toolBox = nullptr;
    FrmButton* buttonPanel = nullptr;

    // The screen in the window's unit.
    double screenWidth() const;
    double screenHeight() const;

    void Form_Load() override;
    // Asks, then writes the drawing to a new file; a failure says so and keeps the drawing.
    void saveDrawing();
    void undo();
    void redo();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    AppContext& app_;
};
