#pragma once
// A persistent drawing surface: a background colour, a picture, and whatever has been
// drawn on it since the last Cls. Coordinates are pixels of the box.

#include "ui/Control.h"

#include <QImage>
#include <QPixmap>

class PictureBox : public Control {
    Q_OBJECT
public:
    PictureBox(Form& form, QWidget* container, const QString& name);

    // The picture drawn under the drawing layer, at its natural size or stretched.
    const QPixmap& Picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    void setStretch(bool stretch);
    void setBorder(bool border);

    void Cls(); // clears the drawing layer to the background colour
    void PaintPicture(const QPixmap& picture, int x, int y, int width, int height);

    // The drawing layer itself, for the drawing operations of the windows that paint.
    QImage& surface() { return surface_; }
    const QImage& surface() const { return surface_; }

    Control* cloneControl() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    QPixmap picture_;
    QImage surface_;
    bool stretch_ = false;
    bool border_ = false;
};
