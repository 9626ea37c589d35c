#include "line_table_model.h"

#include <QBrush>
#include <QPalette>

void LineTableModel::setTable(LineTable table, QList<LineColumn> columns, const Units& shownUnits) {
    beginResetModel();
    line = std::move(table);
    shownColumns = std::move(columns);
    units = shownUnits;
    endResetModel();
}

void LineTableModel::setColumns(QList<LineColumn> columns) {
    beginResetModel();
    shownColumns = std::move(columns);
    endResetModel();
}

void LineTableModel::setUnits(const Units& shownUnits) {
    beginResetModel();
    units = shownUnits;
    endResetModel();
}

int LineTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(line.rows.size());
}

int LineTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(shownColumns.size()) + 1;
}

QVariant LineTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const LineRow& row = line.rows[index.row()];
    const bool refused = !std::holds_alternative<Outputs>(row.outcome);
    if (role == Qt::ForegroundRole && refused && index.column() == 0) return QBrush(Qt::darkRed);
    if (role == Qt::TextAlignmentRole && index.column() > 0) return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    if (index.column() == 0) return RowNote(row);
    if (role == Qt::ToolTipRole) return CellNote(row, shownColumns[index.column() - 1]);
    return CellText(row, shownColumns[index.column() - 1], units, Digits::Shown);
}

QVariant LineTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    if (section == 0) return QStringLiteral("Phase");
    return ColumnHeader(shownColumns[section - 1], units);
}
