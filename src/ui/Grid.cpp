#include "ui/Grid.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableWidget>
#include <numeric>

Grid::Grid(Form& form, QWidget* container, const QString& name)
    : Control(form, container, name)
    , table_(new QTableWidget(this))
{
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->verticalHeader()->hide();
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
}

void Grid::setColumns(const QStringList& headings, const std::vector<double>& shares)
{
    table_->setColumnCount(int(headings.size()));
    table_->setHorizontalHeaderLabels(headings);
    shares_ = shares;
    fitColumns();
}

void Grid::setRows(const std::vector<QStringList>& rows)
{
    table_->setUpdatesEnabled(false);
    table_->clearContents();
    table_->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < std::min(int(rows[std::size_t(r)].size()), table_->columnCount()); ++c)
            table_->setItem(r, c, new QTableWidgetItem(rows[std::size_t(r)][c]));
    table_->setUpdatesEnabled(true);
}

int Grid::Rows() const
{
    return table_->rowCount();
}

int Grid::Cols() const
{
    return table_->columnCount();
}

QString Grid::TextMatrix(int row, int col) const
{
    const QTableWidgetItem* item = table_->item(row, col);
    return item ? item->text() : QString();
}

QString Grid::heading(int col) const
{
    const QTableWidgetItem* item = table_->horizontalHeaderItem(col);
    return item ? item->text() : QString();
}

void Grid::resizeEvent(QResizeEvent*)
{
    table_->setGeometry(rect());
    fitColumns();
}

void Grid::fitColumns()
{
    const double total = std::accumulate(shares_.begin(), shares_.end(), 0.0);
    if (total <= 0) return;
    // The width left beside the scroll bar, so that no column is cut off and the table
    // never scrolls sideways. (The viewport has not been laid out yet on a resize.)
    const int width = table_->width() - 2 * table_->frameWidth() -
                      table_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table_);
    for (int c = 0; c < int(shares_.size()) && c < table_->columnCount(); ++c)
        table_->setColumnWidth(c, int(width * shares_[std::size_t(c)] / total));
}

Control* Grid::cloneControl() const
{
    auto* copy = new Grid(form(), parentWidget(), name());
    copy->copyCommon(*this);
    QStringList headings;
    for (int c = 0; c < Cols(); ++c)
        headings << heading(c);
    copy->setColumns(headings, shares_);
    copy->hide();
    return copy;
}
