#pragma once
// Bars over a row of labels, scaled to the tallest bar, with the tallest value written
// at the top: the chart of the last days on the page for grown-ups.

#include "ui/Control.h"

#include <QStringList>
#include <vector>

class BarChart : public Control {
    Q_OBJECT
public:
    BarChart(Form& form, QWidget* container, const QString& name);

    // values[i] over labels[i]; a label may be empty. unit follows the tallest value
    // ("分钟").
    void setBars(const std::vector<double>& values, const QStringList& labels, const QString& unit);
    int barCount() const { return int(values_.size()); }
    // Where bar i stands, in pixels of the control (empty for a value of 0).
    QRectF barRect(int i) const;

    void setBarColor(const QColor& color);
    bool scalesFont() const override { return true; }
    Control* cloneControl() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QRectF plotArea() const;

    std::vector<double> values_;
    QStringList labels_;
    QString unit_;
    QColor barColor_ = QColor(80, 160, 220);
};
