#pragma once
// A one-line text field; most forms keep one hidden (Txtini) to receive course values. An
// editable one takes typed text and text committed by an input method (a handwriting pad
// types into it the same way) and reports every change of its text.

#include "ui/Control.h"

class TextBox : public Control {
    Q_OBJECT
public:
    TextBox(Form& form, QWidget* container, const QString& name);

    const QString& Text() const { return text_; }
    // Like the classic text box, the text ends at its first NUL character.
    void setText(const QString& text);

    // Takes the keyboard focus when clicked or given it, and then takes typing.
    void setEditable(bool editable);
    bool editable() const { return editable_; }
    void SetFocus() { setFocus(Qt::OtherFocusReason); }

    Control* cloneControl() const override;

signals:
    // The text changed, by typing or by the program.
    void Change();

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void type(const QString& typed);

    QString text_;
    bool editable_ = false;
};
