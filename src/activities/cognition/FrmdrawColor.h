#pragma once
// The colouring game: an outline picture on a white canvas, a palette of 48 colours; a click
// inside an area paints it in the chosen colour up to its lines. Buttons turn the pages and
// declare a picture finished, once a page, for a reward. Nothing is saved.

#include "activities/cognition/ColouringBook.h"
#include "frame/ActivityForm.h"
#include "ui/Button.h"
#include "ui/ControlArray.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"

class FrmdrawColor : public ActivityForm {
    Q_OBJECT
public:
    FrmdrawColor(AppContext& app, const QString& name);

    PictureBox* Picture1; // the canvas
    PictureBox* Picture2; // the page's picture at its natural size, hidden
    Frame* Frame1;
    ControlArray<Label> Label1; // the swatches
    Label* Label2;              // the chosen colour
    Button* Command1;           // finished
    Button* Command2;           // previous page
    Button* Command3;           // next page

    int ColourIndex = 0;
    const ColouringBook& book() const { return book_; }

    void Form_Load() override;

private:
    // Reads the book's outline pictures and shows the first.
    void chuchi();
    void drawPicture();
    void Label1_Click(int k);
    void Picture1_MouseUp(Qt::MouseButton button, double x, double y);
    void Command1_Click();
    void turnPage(bool forward);

    ColouringBook book_;
};
