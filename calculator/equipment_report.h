// What the page Equipment shows of a result, without widgets: every stream as
// a row of its state and flows, every figure with its unit, the balances, all
// in the user's units; copied as tab-separated text and written as CSV in full
// precision, the inputs and the units as header rows.
#pragma once

#include "equipment.h"
#include "state_export.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The unit of a value of equipment: a quantity's kind of unit, or a
// temperature difference (K, or °F degrees), which has no offset.
struct ValueUnit {
    UnitKind kind = UnitKind::None;
    bool difference = false;
};
ValueUnit UnitOf(ParameterKind kind);
double ToShown(const ValueUnit& unit, double internal, const Units& units);
double FromShown(const ValueUnit& unit, double shown, const Units& units);
QString UnitText(const ValueUnit& unit, const Units& units);
// A typed number carried into other units, as ConvertedInput carries a
// quantity's; a text that is no number stays as it is.
QString ConvertedText(const QString& typed, const ValueUnit& unit, const Units& from, const Units& to);

// An input of the calculation: a value in the core's units, or a text (a
// state mode, a choice) where the value is NaN.
struct ReportInput {
    QString caption;
    ValueUnit unit;
    double value = NotDefined;
    QString text;
};

struct ReportFigure {
    QString name;
    ValueUnit unit;
    double value;  // in the core's units
};

// One calculation: its title, its inputs, its streams and figures, the
// balances among the figures.
struct EquipmentReport {
    QString title;
    QList<ReportInput> inputs;
    QList<NamedStream> streams;
    QList<ReportFigure> figures;
};

EquipmentReport ReportOf(const QString& title, const QList<ReportInput>& inputs, const OperationResult& result);
// The cycle's states are its streams, "1 Turbine inlet", in their numbers' order.
EquipmentReport ReportOf(const QList<ReportInput>& inputs, const RankineResult& result);

// "Stream", "p, MPa", "t, C", "h, kJ/kg", "S, kJ/(kg.C)", "V, m3/kg", "x",
// "Mass flow, kg/s", "Energy flow, kW".
QStringList StreamHeader(const Units& units);
QStringList StreamCells(const NamedStream& stream, const Units& units, Digits digits);
// "Figure", "Value", "Unit"; a figure's name, value and unit.
QStringList FigureHeader();
QStringList FigureCells(const ReportFigure& figure, const Units& units, Digits digits);
// The input's caption, its value (or text) and its unit.
QStringList InputCells(const ReportInput& input, const Units& units, Digits digits);
// The units the values are in, as one line of text.
QString UnitsLine(const Units& units);

// The title, the units, the inputs, the streams and the figures, in full, one
// tab-separated line each; numbers with the locale's decimal separator.
QString ReportText(const EquipmentReport& report, const Units& units);
// RFC 4180 in UTF-8, numbers in full with a decimal point: the title, the units
// and each input a row of its own, then the streams and the figures.
QByteArray ReportCsv(const EquipmentReport& report, const Units& units);
