#pragma once
// An animated GIF that plays while it is shown, fitted into the control.

#include "ui/Control.h"

class QMovie;

class AnimatedImage : public Control {
    Q_OBJECT
public:
    AnimatedImage(Form& form, QWidget* container, const QString& name);

    bool load(const QString& path); // false when the file is missing or not an animation
    void clear();                   // shows nothing, and nothing plays
    bool isPlaying() const;

    Control* cloneControl() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QMovie* movie_ = nullptr;
    QString path_;
};
