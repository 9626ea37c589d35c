// Rows of the table of states as text: for the window's table, and for other
// programs as tab-separated text for the clipboard and a CSV file, in the
// user's units with the units in the header. Columns: the number, the mode
// ("p, t"), the phase, the transport formulation, the typed inputs (in the shown units), then one column
// per quantity and phase that any of the rows has (the dryness x of a
// two-phase state among them); empty where a row has no such value.
#pragma once

#include "state_table.h"
#include "units.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// How the numbers are written: as the window shows them, or in full, each the
// shortest decimal text that reads back as the value in the shown units, so
// that another program computes with what this one computed.
enum class Digits { Shown, Full };

// The cells of the header, then of each row; numbers with the locale's
// decimal separator. The window's table shows them.
QList<QStringList> StatesCells(const QList<StateRow>& rows, const Units& units, Digits digits);

// The tooltips of those cells, in their shape: why an empty value has none
// (a transport property beyond the range of its formulation); empty elsewhere.
QList<QStringList> StatesNotes(const QList<StateRow>& rows);

// One line per row after the header, "\n" after each. Numbers have the
// locale's decimal separator, as a spreadsheet of the same locale pastes them.
QString StatesText(const QList<StateRow>& rows, const Units& units, Digits digits);

// RFC 4180 in UTF-8: CRLF after each line; a field holding a comma, a quote,
// CR or LF quoted, its quotes doubled; numbers in full, with a decimal point
// whatever the locale, as every CSV reader expects, in texts too.
QByteArray StatesCsv(const QList<StateRow>& rows, const Units& units);

// The header of a column of values: "h, kJ/kg"; saturated water with one
// prime, saturated steam with two, as steam tables write h′ and h″ ("h', kJ/kg").
QString ValueHeader(Phase phase, Quantity quantity, const Units& units);
// One line of cells: of CSV as above (numbers with a point), CRLF at its end; tab-separated with "\n"
// at its end, a tab or line break inside a cell made a blank.
QString CsvLine(const QStringList& cells);
QString TabSeparatedLine(QStringList cells);

// Writes StatesCsv through a QSaveFile: a failed write leaves no file or the
// previous one whole. On failure returns false with the reason in *error.
bool WriteCsv(const QString& path, const QList<StateRow>& rows, const Units& units, QString* error);
bool WriteWhole(const QString& path, const QByteArray& bytes, QString* error);
