#pragma once
// A picture: stretched to the control, or the control takes the picture's size.

#include "ui/Control.h"

#include <QPixmap>

class Image : public Control {
    Q_OBJECT
public:
    Image(Form& form, QWidget* container, const QString& name);

    const QPixmap& Picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    void setPicture(const QImage& picture) { setPicture(QPixmap::fromImage(picture)); }
    bool loadPicture(const QString& path); // false (and an empty picture) when unreadable
    void clearPicture() { setPicture(QPixmap()); }

    bool Stretch() const { return stretch_; }
    void setStretch(bool stretch);

    Control* cloneControl() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap picture_;
    bool stretch_ = true;
};
