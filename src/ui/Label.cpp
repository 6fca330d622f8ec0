#include "ui/Label.h"

#include "ui/Form.h"

#include <QFontMetrics>
#include <QPainter>

Label::Label(Form& form, QWidget* container, const QString& name, const QString& caption)
    : Control(form, container, name)
    , caption_(caption)
{
}

void Label::setCaption(const QString& caption)
{
    if (caption == caption_) return;
    caption_ = caption;
    fitToCaption();
    update();
}

void Label::setAlignment(Qt::Alignment a)
{
    alignment_ = a;
    update();
}

void Label::setTransparent(bool transparent)
{
    transparent_ = transparent;
    update();
}

void Label::setAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    fitToCaption();
}

void Label::setWordWrap(bool wrap)
{
    wordWrap_ = wrap;
    update();
}

void Label::setBorder(bool border)
{
    border_ = border;
    update();
}

void Label::setHalfWidthBlanks(bool halfWidth)
{
    halfWidthBlanks_ = halfWidth;
    fitToCaption();
    update();
}

void Label::setFitInsideEllipse(bool fit)
{
    fitInsideEllipse_ = fit;
    update();
}

QString Label::displayText() const
{
    if (!halfWidthBlanks_) return caption_;
    QString text = caption_;
    // An en space is half an em in every font.
    text.replace(QLatin1Char(' '), QChar(0x2002));
    return text;
}

void Label::fontChanged()
{
    fitToCaption();
    update();
}

void Label::fitToCaption()
{
    if (!autoSize_) return;
    const QFontMetrics fm(font());
    const QSize size = fm.size(0, caption_.isEmpty() ? QStringLiteral(" ") : displayText());
    Move(Left(), Top(), fromPixels(size.width(), form().unit()),
         fromPixels(size.height(), form().unit()));
}

Control* Label::cloneControl() const
{
    auto* copy = new Label(form(), parentWidget(), name(), caption_);
    copy->alignment_ = alignment_;
    copy->transparent_ = transparent_;
    copy->autoSize_ = autoSize_;
    copy->wordWrap_ = wordWrap_;
    copy->border_ = border_;
    copy->halfWidthBlanks_ = halfWidthBlanks_;
    copy->fitInsideEllipse_ = fitInsideEllipse_;
    copy->copyCommon(*this);
    return copy;
}

void Label::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!transparent_) p.fillRect(rect(), BackColor());
    if (border_) {
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    p.setPen(isEnabled() ? ForeColor() : QColor(128, 128, 128));
    if (fitInsideEllipse_) {
        paintInsideEllipse(p);
        return;
    }
    p.setFont(font());
    int flags = int(alignment_);
    if (wordWrap_ && !autoSize_) flags |= Qt::TextWordWrap;
    p.drawText(rect(), flags, displayText());
}

void Label::paintInsideEllipse(QPainter& p)
{
    const QString text = displayText();
    if (text.isEmpty()) return;
    QFont f = font();
    QRectF ink = QFontMetricsF(f).tightBoundingRect(text);
    // The ink's corners must lie inside the ellipse: (w/a)^2 + (h/b)^2 <= 1 with a, b the
    // ellipse's axes.
    const double a = width(), b = height();
    const auto fits = [&](const QRectF& r) {
        return (r.width() / a) * (r.width() / a) + (r.height() / b) * (r.height() / b) <= 1.0;
    };
    while (!fits(ink) && f.pixelSize() > 4) {
        f.setPixelSize(std::max(4, int(f.pixelSize() * 0.95)));
        ink = QFontMetricsF(f).tightBoundingRect(text);
    }
    p.setFont(f);
    // Centred on the ink, not on the line: digits sit high in a CJK face's line.
    p.drawText(QPointF(a / 2 - ink.center().x(), b / 2 - ink.center().y()), text);
}
