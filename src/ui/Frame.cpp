#include "ui/Frame.h"

#include "ui/Form.h"

#include <QFontMetrics>
#include <QPainter>

Frame::Frame(Form& form, QWidget* container, const QString& name, const QString& caption)
    : Control(form, container, name)
    , caption_(caption)
{
}

void Frame::setCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

void Frame::setBorder(bool border)
{
    border_ = border;
    update();
}

Control* Frame::cloneControl() const
{
    auto* copy = new Frame(form(), parentWidget(), name(), caption_);
    copy->border_ = border_;
    copy->copyCommon(*this);
    return copy;
}

void Frame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), BackColor());
    if (!border_) return;
    const QFontMetrics fm(font());
    const int captionHeight = caption_.isEmpty() ? 0 : fm.height();
    const QRect box = rect().adjusted(1, captionHeight / 2, -2, -2);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(160, 160, 160), 1));
    p.drawRoundedRect(box, 6, 6);
    if (!caption_.isEmpty()) {
        const QRect textRect(12, 0, fm.horizontalAdvance(caption_) + 8, captionHeight);
        p.fillRect(textRect, BackColor());
        p.setPen(ForeColor());
        p.setFont(font());
        p.drawText(textRect, Qt::AlignCenter, caption_);
    }
}
