#include "ui/BarChart.h"

#include <QPainter>
#include <algorithm>

BarChart::BarChart(Form& form, QWidget* container, const QString& name)
    : Control(form, container, name)
{
    setBackColor(Qt::white);
}

void BarChart::setBars(const std::vector<double>& values, const QStringList& labels,
                       const QString& unit)
{
    values_ = values;
    labels_ = labels;
    unit_ = unit;
    update();
}

void BarChart::setBarColor(const QColor& color)
{
    barColor_ = color;
    update();
}

QRectF BarChart::plotArea() const
{
    const int line = fontMetrics().height();
    return QRectF(4, line + 4, width() - 8, height() - 2 * line - 10);
}

QRectF BarChart::barRect(int i) const
{
    if (i < 0 || i >= barCount()) return {};
    const double tallest = *std::max_element(values_.begin(), values_.end());
    const double value = values_[std::size_t(i)];
    if (tallest <= 0 || value <= 0) return {};
    const QRectF plot = plotArea();
    const double slot = plot.width() / barCount();
    const double height = std::max(1.0, plot.height() * value / tallest);
    return QRectF(plot.left() + i * slot + slot * 0.15, plot.bottom() - height, slot * 0.7, height);
}

void BarChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), BackColor());
    const QRectF plot = plotArea();
    p.setPen(QColor(160, 160, 160));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    if (values_.empty()) return;

    p.setPen(Qt::NoPen);
    p.setBrush(barColor_);
    for (int i = 0; i < barCount(); ++i)
        if (const QRectF bar = barRect(i); !bar.isEmpty()) p.drawRect(bar);

    p.setPen(ForeColor());
    const double slot = plot.width() / barCount();
    const int line = fontMetrics().height();
    for (int i = 0; i < barCount() && i < labels_.size(); ++i) {
        if (labels_[i].isEmpty()) continue;
        const QRectF cell(plot.left() + (i - 2) * slot, plot.bottom() + 4, 5 * slot, line);
        p.drawText(cell, Qt::AlignHCenter | Qt::AlignTop, labels_[i]);
    }
    const double tallest = *std::max_element(values_.begin(), values_.end());
    if (tallest > 0)
        p.drawText(QRectF(plot.left(), 2, plot.width(), line), Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("最多 %1 %2").arg(qRound(tallest)).arg(unit_));
}

Control* BarChart::cloneControl() const
{
    auto* copy = new BarChart(form(), parentWidget(), name());
    copy->copyCommon(*this);
    copy->barColor_ = barColor_;
    copy->hide();
    return copy;
}
