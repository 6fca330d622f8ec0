#pragma once
// A table of text in rows and columns under a row of headings, scrolling when it holds
// more rows than it shows: the figures on the page for grown-ups.

#include "ui/Control.h"

#include <QStringList>
#include <vector>

class QTableWidget;

class Grid : public Control {
    Q_OBJECT
public:
    Grid(Form& form, QWidget* container, const QString& name);

    // The headings, and each column's share of the width (the shares need not add to 1).
    void setColumns(const QStringList& headings, const std::vector<double>& shares);
    void setRows(const std::vector<QStringList>& rows);

    int Rows() const;
    int Cols() const;
    QString TextMatrix(int row, int col) const; // row 0 is the first row under the headings
    QString heading(int col) const;

    bool scalesFont() const override { return true; }
    Control* cloneControl() const override;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void fitColumns();

    QTableWidget* table_;
    std::vector<double> shares_;
};
