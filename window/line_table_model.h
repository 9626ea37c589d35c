// The rows of a line of states for a table view: computed once, their texts
// written when the view asks for them, so that ten thousand rows show at once.
#pragma once

#include "line_table.h"

#include <QAbstractTableModel>

class LineTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTable(LineTable table, QList<LineColumn> columns, const Units& units);
    void setColumns(QList<LineColumn> columns);
    void setUnits(const Units& units);

    const LineTable& table() const { return line; }
    const QList<LineColumn>& columns() const { return shownColumns; }

    int rowCount(const QModelIndex& parent = {}) const override;
    // The phase (or the reason of a refused row) first, then the values.
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    LineTable line;
    QList<LineColumn> shownColumns;
    Units units;
};
