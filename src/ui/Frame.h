#pragma once
// A container with an optional caption and border; its controls use its coordinates.

#include "ui/Control.h"

class Frame : public Control {
    Q_OBJECT
public:
    Frame(Form& form, QWidget* container, const QString& name, const QString& caption = {});

    const QString& Caption() const { return caption_; }
    void setCaption(const QString& caption);
    void setBorder(bool border);

    Control* cloneControl() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString caption_;
    bool border_ = true;
};
