#include "ui/TextBox.h"

#include "ui/Form.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>

TextBox::TextBox(Form& form, QWidget* container, const QString& name)
    : Control(form, container, name)
{
    setBackColor(Qt::white);
}

void TextBox::setText(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    const QString cut = nul < 0 ? text : text.left(nul);
    if (cut == text_) return;
    text_ = cut;
    update();
    emit Change();
}

void TextBox::setEditable(bool editable)
{
    editable_ = editable;
    setFocusPolicy(editable ? Qt::StrongFocus : Qt::NoFocus);
    setAttribute(Qt::WA_InputMethodEnabled, editable);
    setCursor(editable ? Qt::IBeamCursor : Qt::ArrowCursor);
}

Control* TextBox::cloneControl() const
{
    auto* copy = new TextBox(form(), parentWidget(), name());
    copy->copyCommon(*this);
    copy->setEditable(editable_);
    copy->text_ = text_;
    return copy;
}

void TextBox::type(const QString& typed)
{
    QString printable;
    for (const char32_t c : typed.toUcs4())
        if (QChar::isPrint(c)) printable += QString::fromUcs4(&c, 1);
    if (!printable.isEmpty()) setText(text_ + printable);
}

void TextBox::keyPressEvent(QKeyEvent* e)
{
    if (!editable_) {
        Control::keyPressEvent(e);
        return;
    }
    if (e->key() == Qt::Key_Backspace) {
        if (!text_.isEmpty()) setText(text_.chopped(text_.back().isLowSurrogate() ? 2 : 1));
        return;
    }
    if (e->text().isEmpty() || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        Control::keyPressEvent(e);
        return;
    }
    type(e->text());
}

void TextBox::inputMethodEvent(QInputMethodEvent* e)
{
    if (editable_) type(e->commitString());
    e->accept();
}

QVariant TextBox::inputMethodQuery(Qt::InputMethodQuery query) const
{
    switch (query) {
    case Qt::ImEnabled:
        return editable_;
    case Qt::ImCursorRectangle:
        return QRect(width() - 4, 0, 1, height());
    case Qt::ImSurroundingText:
        return text_;
    case Qt::ImCursorPosition:
    case Qt::ImAnchorPosition:
        return int(text_.size());
    default:
        return Control::inputMethodQuery(query);
    }
}

// The caret shows the child where the next character goes.
void TextBox::focusInEvent(QFocusEvent* e)
{
    Control::focusInEvent(e);
    update();
}

void TextBox::focusOutEvent(QFocusEvent* e)
{
    Control::focusOutEvent(e);
    update();
}

void TextBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), BackColor());
    p.setPen(QColor(128, 128, 128));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(ForeColor());
    p.setFont(font());
    const QRect inside = rect().adjusted(3, 0, -3, 0);
    p.drawText(inside, Qt::AlignVCenter | Qt::AlignLeft, text_);
    if (editable_ && hasFocus()) {
        const int x =
            std::min(inside.left() + p.fontMetrics().horizontalAdvance(text_) + 1, inside.right());
        const int h = std::min(height() - 4, p.fontMetrics().height());
        p.fillRect(QRect(x, (height() - h) / 2, std::max(2, h / 64), h), ForeColor());
    }
}
