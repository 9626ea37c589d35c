// The table of a line of states: each point run as the Calculate command runs
// a typed state, so that a row shows the values and texts a single run of its
// state shows; a point the calculator refuses, or the formulation cannot
// serve, is a row that says why. Copied as tab-separated text and written as
// CSV, in the user's units with the units in the header. No widgets.
#pragma once

#include "calculation.h"
#include "line_definition.h"
#include "state_export.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>

struct LineRow {
    LinePoint point;
    Outcome outcome;  // Outputs, or the Refusal or Stop of the point
};

struct LineTable {
    LineDefinition line;
    QList<LineRow> rows;
};

// The rows of the points in their order. `progress` (may be empty) hears the
// number of rows done now and then; a `cancel` set meanwhile ends the work
// with the rows done so far.
LineTable ComputeLine(const LineDefinition& line, const QList<LinePoint>& points,
                      const std::function<void(qsizetype done)>& progress = {},
                      const std::atomic<bool>* cancel = nullptr);

// A column of values: a quantity of the state, or on the saturation line of
// the saturated water or the saturated steam.
struct LineColumn {
    Quantity quantity;
    Phase phase;
};

// The quantities a line can show, in the order of the calculator's rows, and
// those shown unless the user chooses: the result panel's (on the saturation
// line the sheets').
QList<Quantity> ShowableQuantities(LineKind kind);
QList<Quantity> DefaultQuantities(LineKind kind);
// The columns of chosen quantities: on the saturation line each quantity of
// the phases twice, water beside steam, its p, t and σ once; on other lines
// the dryness of the state after them.
QList<LineColumn> ColumnsOf(LineKind kind, const QList<Quantity>& quantities);

// "t, C", "h', kJ/kg", "x".
QString ColumnHeader(const LineColumn& column, const Units& units);
// A row's value in the core's units; NaN where it has none. A refused row
// keeps the values its point was given.
double CellValue(const LineRow& row, const LineColumn& column);
// As the calculator writes it in the units (whatever units the row was
// computed in), or in full (the shortest text
// that reads back as the value in the units); "" where there is none.
QString CellText(const LineRow& row, const LineColumn& column, const Units& units, Digits digits);
// Why a cell of a computed row is empty where the state has no such value
// (a transport property beyond its formulation's range); "" otherwise.
QString CellNote(const LineRow& row, const LineColumn& column);
// The state's phase, or why there is none ("Inadequately set temperature: ...").
QString RowNote(const LineRow& row);

// With a header of "No.", "Phase or refusal" and the columns, in full, one
// line each: the rows at `rows` (each with its number), or all when none is given.
QString LineText(const LineTable& table, const QList<LineColumn>& columns, const Units& units,
                 const QList<qsizetype>& rows = {});
// RFC 4180 in UTF-8, numbers in full with a decimal point: the line's title,
// the units, and the formulations first, each a row of its own, then the
// table as LineText has it.
QByteArray LineCsv(const LineTable& table, const QList<LineColumn>& columns, const Units& units);
// The formulations the values come from.
QString FormulationsOf(const LineDefinition& line);
