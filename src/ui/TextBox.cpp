#include "ui/TextBox.h"

#include "ui/Form.h"

#include <QPainter>

TextBox::TextBox(Form& form, QWidget* container, const QString& name)
    : Control(form, container, name)
{
    setBackColor(Qt::white);
}

void TextBox::setText(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    text_ = nul < 0 ? text : text.left(nul);
    update();
}

Control* TextBox::cloneControl() const
{
    auto* copy = new TextBox(form(), parentWidget(), name());
    copy->copyCommon(*this);
    copy->text_ = text_;
    return copy;
}

void TextBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), BackColor());
    p.setPen(QColor(128, 128, 128));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(ForeColor());
    p.setFont(font());
    p.drawText(rect().adjusted(3, 0, -3, 0), Qt::AlignVCenter | Qt::AlignLeft, text_);
}
