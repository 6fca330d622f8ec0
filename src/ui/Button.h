#pragma once
// A command button with a caption, drawn in the platform's style.

#include "ui/Control.h"

class Button : public Control {
    Q_OBJECT
public:
    Button(Form& form, QWidget* container, const QString& name, const QString& caption = {});

    const QString& Caption() const { return caption_; }
    void setCaption(const QString& caption);

    bool scalesFont() const override { return true; }
    Control* cloneControl() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QString caption_;
    bool down_ = false;
};
