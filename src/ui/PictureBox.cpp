#include "ui/PictureBox.h"

#include "ui/Form.h"

#include <QPainter>

namespace {

constexpr QImage::Format ImageFormat = QImage::Format_RGB32;

QPoint toPixel(double x, double y)
{
    return QPoint(qRound(x), qRound(y));
}

// Round shapes are centred on the middle of their pixel, not on its corner, so that they
// lie evenly round it.
QPointF pixelCentre(QPoint pixel)
{
    return QPointF(pixel) + QPointF(0.5, 0.5);
}

// A round dot as wide as the pen, set pixel by pixel (the painter's small ellipses are
// lopsided): the pixels whose middle lies within half the width of the dot's centre. A dot
// of even width is centred on the corner of its pixel. Returns the dot's rectangle.
QRect paintDot(QImage& image, QPoint pixel, int width, QRgb colour)
{
    const QPointF centre = width % 2 ? pixelCentre(pixel) : QPointF(pixel);
    const double reach = width * width / 4.0;
    const QRect square = QRect(pixel - QPoint(width / 2, width / 2), QSize(width, width));
    const QRect area = square.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QPointF d = pixelCentre(QPoint(x, y)) - centre;
            if (d.x() * d.x() + d.y() * d.y() <= reach) image.setPixel(x, y, colour);
        }
    return area;
}

// Both edges are rounded, as control geometry is, so that pictures painted edge to edge
// meet without a gap.
QRect toPixelRect(double x, double y, double width, double height)
{
    const QPoint topLeft = toPixel(x, y);
    const QPoint end = toPixel(x + width, y + height);
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
    QImage* image = drawingImage();
    if (!image) return;
    update(paintDot(*image, toPixel(x, y), drawWidth_, orFore(colour).rgb()));
}

QColor PictureBox::Point(double x, double y) const
{
    const QPoint at = toPixel(x, y);
    const QImage& shown = image();
    if (!shown.rect().contains(at)) return {};
    return QColor(shown.pixel(at));
}

void PictureBox::Line(double x1, double y1, double x2, double y2, const QColor& colour,
                      LineShape shape)
{
    currentX_ = x2;
    currentY_ = y2;
    const QPoint from = toPixel(x1, y1);
    const QPoint to = toPixel(x2, y2);
    switch (shape) {
    case LineShape::Line:
        drawShape(colour, false, [&](QPainter& p) { p.drawLine(from, to); });
        break;
    case LineShape::Box:
        // A rectangle of the real width and height, so that its outline runs through both
        // corner pixels.
        drawShape(colour, true, [&](QPainter& p) { p.drawRect(QRectF(from, to).normalized()); });
        break;
    case LineShape::FilledBox:
        if (QImage* image = drawingImage()) {
            const QRect box(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                            QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
            QPainter(image).fillRect(box, orFore(colour));
            update(box);
        }
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
    const QPointF centre = pixelCentre(toPixel(x, y));
    drawShape(colour, true, [&](QPainter& p) { p.drawEllipse(centre, radius, radius); });
}

void PictureBox::drawShape(const QColor& colour, bool filled,
                           const std::function<void(QPainter&)>& shape)
{
    QImage* image = drawingImage();
    if (!image) return;
    QPainter p(image);
    p.setPen(QPen(orFore(colour), drawWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (filled && fillStyle_ == ShapeFill::Solid)
        p.setBrush(fillColor_);
    else
        p.setBrush(Qt::NoBrush);
    shape(p);
    update();
}

QRect PictureBox::FloodFill(double x, double y, const QColor& colour, FloodMode mode)
{
    QImage* image = drawingImage();
    if (!image) return {};
    const QRect painted = floodFill(*image, toPixel(x, y), fillColor_.rgb(), colour.rgb(), mode);
    if (!painted.isEmpty()) update(painted);
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
    copy->drawWidth_ = drawWidth_;
    copy->fillColor_ = fillColor_;
    copy->fillStyle_ = fillStyle_;
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
