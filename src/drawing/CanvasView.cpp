#include "drawing/CanvasView.h"

#include "ui/FloodFill.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {

QPoint pixelOf(QPointF at)
{
    return nearestPixel(at.x(), at.y());
}

} // namespace

CanvasView::CanvasView(Form& form, QWidget* container, const QString& name)
    : Control(form, container, name)
    , document_(std::make_unique<DrawingDocument>(QSize(1, 1)))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setBackColor(Qt::white);
    setCursor(Qt::CrossCursor);
}

CanvasView::~CanvasView() = default;

void CanvasView::newDocument()
{
    document_ = std::make_unique<DrawingDocument>(size().expandedTo(QSize(1, 1)), BackColor());
    connect(document_.get(), &DrawingDocument::repaint, this, &CanvasView::repaintArea);
    current_ = QPointF();
    update();
}

void CanvasView::repaintArea(const QRect& area)
{
    unpainted_ |= area;
    update(unpainted_);
}

void CanvasView::PSet(QPointF at, const QColor& colour)
{
    current_ = at;
    changed(drawDot(document_->pixels(), pixelOf(at), style_.width, colour.rgb()));
}

void CanvasView::Line(QPointF from, QPointF to, const QColor& colour)
{
    current_ = to;
    changed(drawLine(document_->pixels(), pixelOf(from), pixelOf(to), colour, style_.width));
}

void CanvasView::LineTo(QPointF to, const QColor& colour)
{
    Line(current_, to, colour);
}

void CanvasView::Box(QPointF corner, QPointF opposite, const QColor& colour)
{
    current_ = opposite;
    changed(drawBox(document_->pixels(), pixelOf(corner), pixelOf(opposite), colour, style_));
}

void CanvasView::RoundedBox(QPointF corner, QPointF opposite, QSize cornerEllipse,
                            const QColor& colour)
{
    current_ = opposite;
    changed(drawRoundedBox(document_->pixels(), pixelOf(corner), pixelOf(opposite), cornerEllipse,
                           colour, style_));
}

void CanvasView::FilledBox(QPointF corner, QPointF opposite, const QColor& colour)
{
    current_ = opposite;
    changed(fillBox(document_->pixels(), pixelOf(corner), pixelOf(opposite), colour));
}

void CanvasView::Circle(QPointF centre, double radius, const QColor& colour)
{
    current_ = centre;
    changed(drawCircle(document_->pixels(), pixelOf(centre), radius, colour, style_));
}

void CanvasView::Polygon(const QPolygon& vertices, const QColor& colour)
{
    changed(drawPolygon(document_->pixels(), vertices, colour, style_));
}

void CanvasView::FloodFill(QPointF at)
{
    const QColor area = Point(at);
    if (!area.isValid()) return;
    changed(floodFill(document_->pixels(), pixelOf(at), style_.fill.rgb(), area.rgb(),
                      FloodMode::Surface));
}

QColor CanvasView::Point(QPointF at) const
{
    const QPoint pixel = pixelOf(at);
    if (!image().rect().contains(pixel)) return {};
    return QColor(image().pixel(pixel));
}

void CanvasView::Cls()
{
    current_ = QPointF();
    document_->clear(BackColor());
}

void CanvasView::paintEvent(QPaintEvent* e)
{
    unpainted_ = QRect();
    QPainter p(this);
    const QRect area = e->rect();
    // Beyond the drawing, should the canvas ever outgrow it, the panel's grey.
    if (!image().rect().contains(area)) p.fillRect(area, QColor(128, 128, 128));
    p.drawImage(area.topLeft(), image(), area);
}

void CanvasView::mousePressEvent(QMouseEvent* e)
{
    emit PixelMouseDown(e->button(), e->position());
}

void CanvasView::mouseMoveEvent(QMouseEvent* e)
{
    emit PixelMouseMove(e->buttons(), e->position());
}

void CanvasView::mouseReleaseEvent(QMouseEvent* e)
{
    emit PixelMouseUp(e->button(), e->position());
}

void CanvasView::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The second press of a quick double click is a press too: two quick vertices of a
    // polygon, two quick dots.
    mousePressEvent(e);
}
