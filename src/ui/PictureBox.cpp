#include "ui/PictureBox.h"

#include "ui/Form.h"

#include <QPainter>

namespace {

constexpr QImage::Format ImageFormat = QImage::Format_RGB32;

// Both edges are rounded, as control geometry is, so that pictures painted edge to edge
// meet without a gap.
QRect toPixelRect(double x, double y, double width, double height)
{
    const QPoint topLeft = nearestPixel(x, y);
    const QPoint end = nearestPixel(x + width, y + height);
    return QRect(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y()));
}

// As SRCAND does: the source, flattened on white so that its transparent pixels leave the
// destination as it was, is ANDed into the image.
void andPicture(QImage& image, const QImage& picture, const QRect& target, const QRect& source)
{
    // Only the part of the target that lies on the image is flattened.
    const QRect area = target.intersected(image.rect());
    if (area.isEmpty()) return;
    QImage flat(area.size(), ImageFormat);
    flat.fill(Qt::white);
    {
        QPainter p(&flat);
        p.setRenderHint(QPainter::SmoothPixmapTransform, target.size() != source.size());
        p.drawImage(target.translated(-area.topLeft()), picture, source);
    }
    for (int y = 0; y < area.height(); ++y) {
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(area.top() + y)) + area.left();
        const auto* from = reinterpret_cast<const QRgb*>(flat.constScanLine(y));
        for (int x = 0; x < area.width(); ++x)
            to[x] &= from[x];
    }
}

} // namespace

PictureBox::PictureBox(Form& form, QWidget* container, const QString& name)
    : Control(form, container, name)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setBackColor(Qt::white);
}

void PictureBox::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    restart();
}

void PictureBox::setStretch(bool stretch)
{
    if (stretch == stretch_) return;
    stretch_ = stretch;
    restart();
}

void PictureBox::setBorder(bool border)
{
    border_ = border;
    update();
}

void PictureBox::backColorChanged()
{
    restart();
}

void PictureBox::Cls()
{
    currentX_ = 0;
    currentY_ = 0;
    restart();
}

void PictureBox::restart()
{
    stale_ = true;
    update();
}

QImage PictureBox::freshImage(QSize size) const
{
    QImage image(size, ImageFormat);
    if (image.isNull()) return image;
    image.fill(BackColor());
    if (!picture_.isNull()) {
        QPainter p(&image);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (stretch_)
            p.drawPixmap(image.rect(), picture_);
        else
            p.drawPixmap(0, 0, picture_);
    }
    return image;
}

// A box that was only set up (background, picture) is built anew at its new size, so a
// stretched picture fills it; drawing already made stays at the top left of a fresh image.
void PictureBox::fitImage() const
{
    if (!stale_ && image_.size() == size()) return;
    QImage fitted = freshImage(size());
    if (!stale_ && drawn_ && !fitted.isNull()) {
        QPainter p(&fitted);
        p.drawImage(0, 0, image_);
    } else {
        drawn_ = false;
    }
    image_ = fitted;
    stale_ = false;
}

const QImage& PictureBox::image() const
{
    fitImage();
    return image_;
}

QImage* PictureBox::drawingImage()
{
    fitImage();
    if (image_.isNull()) return nullptr;
    drawn_ = true;
    return &image_;
}

void PictureBox::PaintPicture(const QImage& picture, double x, double y, double width,
                              double height, const QRect& source, RasterOp op)
{
    const QRect from = source.isNull() ? picture.rect() : source.intersected(picture.rect());
    const QRect target = toPixelRect(x, y, width, height);
    if (from.isEmpty() || target.isEmpty()) return;
    QImage* image = drawingImage();
    if (!image) return;
    if (op == RasterOp::And) {
        andPicture(*image, picture, target, from);
    } else {
        QPainter p(image);
        p.setRenderHint(QPainter::SmoothPixmapTransform, target.size() != from.size());
        p.drawImage(target, picture, from);
    }
    update(target);
}

void PictureBox::PaintPicture(const QPixmap& picture, double x, double y, double width,
                              double height, const QRect& source, RasterOp op)
{
    PaintPicture(picture.toImage(), x, y, width, height, source, op);
}

void BitBlt(PictureBox& dest, int x, int y, int width, int height, const PictureBox& source, int sx,
            int sy, RasterOp op)
{
    // A copy that shares the pixels until dest draws: source and dest may be one box.
    const QImage picture = source.image();
    const QRect from = QRect(sx, sy, width, height).intersected(picture.rect());
    if (from.isEmpty()) return;
    dest.PaintPicture(picture, x + from.x() - sx, y + from.y() - sy, from.width(), from.height(),
                      from, op);
}

void PictureBox::Print(const QString& text)
{
    const TextLines lines = textLinesOf(fontFace(), font());
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (!line.isEmpty()) {
            if (QImage* image = drawingImage()) {
                QPainter p(image);
                p.setFont(font());
                p.setPen(ForeColor());
                p.drawText(QPointF(currentX_, currentY_ + lines.ascent),
                           withDesignedBlanks(fontFace(), line));
                update();
            }
        }
        currentX_ = 0;
        currentY_ += lines.height;
    }
}

int PictureBox::TextWidth(const QString& text) const
{
    const QFontMetrics metrics(font());
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(withDesignedBlanks(fontFace(), line)));
    return widest;
}

int PictureBox::TextHeight(const QString& text) const
{
    return textLinesOf(fontFace(), font()).height * int(text.count(QLatin1Char('\n')) + 1);
}

void PictureBox::PSet(double x, double y, const QColor& colour)
{
    currentX_ = x;
    currentY_ = y;
    if (QImage* image = drawingImage())
        changed(drawDot(*image, nearestPixel(x, y), style_.width, orFore(colour).rgb()));
}

QColor PictureBox::Point(double x, double y) const
{
    const QPoint at = nearestPixel(x, y);
    const QImage& shown = image();
    if (!shown.rect().contains(at)) return {};
    return QColor(shown.pixel(at));
}

void PictureBox::Line(double x1, double y1, double x2, double y2, const QColor& colour,
                      LineShape shape)
{
    currentX_ = x2;
    currentY_ = y2;
    QImage* image = drawingImage();
    if (!image) return;
    const QPoint from = nearestPixel(x1, y1);
    const QPoint to = nearestPixel(x2, y2);
    switch (shape) {
    case LineShape::Line:
        changed(drawLine(*image, from, to, orFore(colour), style_.width));
        break;
    case LineShape::Box:
        changed(drawBox(*image, from, to, orFore(colour), style_));
        break;
    case LineShape::FilledBox:
        changed(fillBox(*image, from, to, orFore(colour)));
        break;
    }
}

void PictureBox::LineTo(double x, double y, const QColor& colour)
{
    Line(currentX_, currentY_, x, y, colour);
}

void PictureBox::Circle(double x, double y, double radius, const QColor& colour)
{
    currentX_ = x;
    currentY_ = y;
    if (QImage* image = drawingImage())
        changed(drawCircle(*image, nearestPixel(x, y), radius, orFore(colour), style_));
}

QRect PictureBox::FloodFill(double x, double y, const QColor& colour, FloodMode mode)
{
    QImage* image = drawingImage();
    if (!image) return {};
    const QRect painted =
        floodFill(*image, nearestPixel(x, y), style_.fill.rgb(), colour.rgb(), mode);
    if (!painted.isEmpty()) changed(painted);
    return painted;
}

Control* PictureBox::cloneControl() const
{
    auto* copy = new PictureBox(form(), parentWidget(), name());
    copy->copyCommon(*this);
    copy->picture_ = picture_;
    copy->stretch_ = stretch_;
    copy->border_ = border_;
    copy->image_ = image_;
    copy->stale_ = stale_;
    copy->drawn_ = drawn_;
    copy->currentX_ = currentX_;
    copy->currentY_ = currentY_;
    copy->style_ = style_;
    return copy;
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QImage& shown = image();
    if (shown.isNull()) return;
    p.drawImage(0, 0, shown);
    if (border_) {
        p.setPen(QColor(128, 128, 128));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
