#pragma once
// The tool box of the drawing board: the tool icons in two columns with a hotspot over each
// tool, and under them the option panel of the tool chosen (line widths, brush shapes,
// eraser sizes, fill styles or spray sizes), each option a transparent label over a sample.

#include "drawing/Panel.h"
#include "ui/ControlArray.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"

class FrmDrawplat : public Panel {
    Q_OBJECT
public:
    explicit FrmDrawplat(MDIFrmHuatu& board);

    Image* Image2;              // the tool icons
    ControlArray<Label> Label4; // hotspots 0..10 and 12..15
    Frame* Frame1;              // spray sizes
    Frame* Frame2;              // fill styles
    Frame* Frame4;              // eraser sizes
    Frame* Frame5;              // line widths
    Frame* Frame6;              // brush shapes
    ControlArray<Label> Label1; // line widths 0..4
    ControlArray<Label> Label2; // brush shapes 1..12
    ControlArray<Label> Label5; // fill styles 0..2 (Frame2), spray sizes 3..5 (Frame1)
    ControlArray<Label> Label6; // eraser sizes 0..3

    void Form_Load();
    // The eraser's square for size i, in canvas pixels.
    QSizeF eraserSize(int i) const;

private:
    Frame* makeOptionPanel(const QString& name);
    Label* makeOption(Frame* panel, const QString& name, double left, double top, double width,
                      double height);
    PictureBox* makeSamples(Frame* panel, const QString& name);
    void drawSamples();
    void hideOptionPanels();

    void Label4_Click(int i);
    void Label1_Click(int i);
    void Label2_Click(int i);
    void Label5_Click(int i);
    void Label6_Click(int i);

    PictureBox* sprayPicture_;
    PictureBox* fillPicture_;
    PictureBox* eraserPicture_;
    PictureBox* linePicture_;
    PictureBox* brushPicture_;
};

// Marks the chosen option with a border and takes it off the others.
void markOption(const ControlArray<Label>& options, int chosen);
