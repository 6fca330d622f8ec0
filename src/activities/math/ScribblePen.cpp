#include "activities/math/ScribblePen.h"

#include <QPainter>
#include <QWidget>

namespace {

// A pen a child's scribble shows well with, at the design scale.
const QColor Ink(30, 60, 200);
constexpr double DesignWidth = 4;

} // namespace

ScribblePen::ScribblePen(QWidget& surface)
    : surface_(surface)
{
}

void ScribblePen::press(QPointF at)
{
    at_ = at;
    line(at, at);
}

void ScribblePen::drawTo(QPointF to)
{
    line(at_, to);
    at_ = to;
}

void ScribblePen::wipe()
{
    if (empty_) return;
    ink_.fill(Qt::transparent);
    empty_ = true;
    surface_.update();
}

void ScribblePen::line(QPointF from, QPointF to)
{
    // The surface is the window, sized after the pen was made: the ink follows its size.
    if (ink_.size() != surface_.size()) {
        ink_ = QImage(surface_.size(), QImage::Format_ARGB32_Premultiplied);
        ink_.fill(Qt::transparent);
    }
    const double width = std::max(2.0, DesignWidth * surface_.width() / 1024.0);
    QPainter p(&ink_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    empty_ = false;
    const int pad = int(width) + 2;
    surface_.update(QRectF(from, to).normalized().toAlignedRect().adjusted(-pad, -pad, pad, pad));
}

void ScribblePen::paint(QPainter& p, const QRect& area) const
{
    if (!empty_) p.drawImage(area, ink_, area);
}
