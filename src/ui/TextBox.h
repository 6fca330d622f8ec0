#pragma once
// A one-line text field; most forms keep one hidden (Txtini) to receive course values.

#include "ui/Control.h"

class TextBox : public Control {
    Q_OBJECT
public:
    TextBox(Form& form, QWidget* container, const QString& name);

    const QString& Text() const { return text_; }
    // Like the classic text box, the text ends at its first NUL character.
    void setText(const QString& text);

    Control* cloneControl() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString text_;
};
