#include "equipment_report.h"

#include "converted_input.h"
#include "decimal_separator.h"
#include "number_format.h"
#include "phase_text.h"
#include "text_to_real.h"

using namespace Qt::Literals::StringLiterals;

namespace {

using Q = Quantity;

// Figures are read to six digits at least; residuals are near zero and read
// in the exponent.
QString ShownFigure(double value, const ValueUnit& unit) {
    if (std::isnan(value)) return {};
    if (unit.kind == UnitKind::None && value != 0 && std::fabs(value) < 1e-3) return ExponentFormat(value, 3, 2);
    return FixedOrExponent(value, 9, unit.kind == UnitKind::None ? 4 : 3);
}

double StreamValue(const Stream& s, int column) {
    switch (column) {
        case 0: return s.p;
        case 1: return s.t;
        case 2: return s.h;
        case 3: return s.s;
        case 4: return s.v;
        case 5: return s.x;
        case 6: return s.massFlow;
        default: return s.energyFlow();
    }
}

// The state's columns by the calculator's quantities, then the flows.
constexpr Q StateColumns[] = {Q::Pressure, Q::Temperature, Q::Enthalpy, Q::Entropy, Q::SpecificVolume};
const ValueUnit FlowUnit{UnitKind::MassFlow}, PowerFlowUnit{UnitKind::Power};

// Every line of the report in full, the numbers with `decimalPoint`: in the
// value cells only, a name may hold the locale's separator.
QList<QStringList> LinesOf(const EquipmentReport& report, const Units& units, const QString& decimalPoint) {
    const QString separator = LocaleDecimalSeparator();
    const auto numbers = [&](QStringList cells, qsizetype first, qsizetype last) {
        for (qsizetype c = first; c <= last && c < cells.size(); ++c) cells[c].replace(separator, decimalPoint);
        return cells;
    };
    QList<QStringList> lines{{report.title}, {u"Units"_s, UnitsLine(units)}};
    for (const ReportInput& input : report.inputs)
        lines.append(numbers(QStringList{u"Input"_s} + InputCells(input, units, Digits::Full), 2, 2));
    lines.append(StreamHeader(units));
    for (const NamedStream& stream : report.streams)
        lines.append(numbers(StreamCells(stream, units, Digits::Full), 1, 8));
    lines.append(FigureHeader());
    for (const ReportFigure& figure : report.figures)
        lines.append(numbers(FigureCells(figure, units, Digits::Full), 1, 1));
    return lines;
}

}  // namespace

ValueUnit UnitOf(ParameterKind kind) {
    switch (kind) {
        case ParameterKind::Pressure: return {UnitKind::Pressure};
        case ParameterKind::Temperature: return {UnitKind::Temperature};
        case ParameterKind::TemperatureDifference: return {UnitKind::Temperature, true};
        case ParameterKind::Enthalpy:
        case ParameterKind::SpecificWork: return {UnitKind::SpecificEnergy};
        case ParameterKind::MassFlow: return FlowUnit;
        case ParameterKind::Power: return PowerFlowUnit;
        case ParameterKind::Fraction: break;
    }
    return {};
}

double ToShown(const ValueUnit& unit, double internal, const Units& units) {
    const double shown = ToShown(unit.kind, internal, units);
    return unit.difference ? shown - ToShown(unit.kind, 0, units) : shown;
}

double FromShown(const ValueUnit& unit, double shown, const Units& units) {
    const double internal = FromShown(unit.kind, shown, units);
    return unit.difference ? internal - FromShown(unit.kind, 0, units) : internal;
}

QString UnitText(const ValueUnit& unit, const Units& units) {
    // A difference of Celsius degrees is one of kelvins.
    if (unit.difference && units.temperature != TemperatureUnit::Fahrenheit) return u"K"_s;
    return UnitText(unit.kind, units);
}

QString ConvertedText(const QString& typed, const ValueUnit& unit, const Units& from, const Units& to) {
    if (from == to) return typed;
    try {
        return InputNumberText(ToShown(unit, FromShown(unit, TextToReal(typed), from), to));
    } catch (const InvalidNumber&) {
        return typed;
    }
}

EquipmentReport ReportOf(const QString& title, const QList<ReportInput>& inputs, const OperationResult& result) {
    EquipmentReport report{title, inputs, result.streams, {}};
    for (const NamedFigure& figure : result.figures)
        report.figures.append({figure.name, UnitOf(figure.kind), figure.value});
    report.figures.append({u"Mass balance residual"_s, {}, result.balance.mass});
    report.figures.append({u"Energy balance residual"_s, {}, result.balance.energy});
    return report;
}

EquipmentReport ReportOf(const QList<ReportInput>& inputs, const RankineResult& result) {
    EquipmentReport report{u"Rankine cycle"_s, inputs, {}, {}};
    for (const CycleState& state : result.states)
        report.streams.append({QString::number(state.number) + u' ' + state.name, state.stream});
    const ValueUnit work{UnitKind::SpecificEnergy}, plain{};
    report.figures = {
        {u"Turbine work"_s, work, result.turbineWork},
        {u"Pump work"_s, work, result.pumpWork},
        {u"Heat added"_s, work, result.heatAdded},
        {u"Heat rejected"_s, work, result.heatRejected},
        {u"Net work"_s, work, result.netWork},
        {u"Net power"_s, PowerFlowUnit, result.netPower},
        {u"Thermal efficiency"_s, plain, result.thermalEfficiency},
        {u"Heat rate"_s, {UnitKind::HeatRate}, result.heatRate},
        {u"Steam rate"_s, {UnitKind::SteamRate}, result.steamRate},
        {u"Back-work ratio"_s, plain, result.backWorkRatio},
        {u"Carnot efficiency"_s, plain, result.carnotEfficiency},
    };
    if (result.openHeaterFraction > 0)
        report.figures.append({u"Extraction to the open heater"_s, plain, result.openHeaterFraction});
    if (result.closedHeaterFraction > 0)
        report.figures.append({u"Extraction to the closed heater"_s, plain, result.closedHeaterFraction});
    report.figures.append({u"Mass balance residual"_s, plain, result.balance.mass});
    report.figures.append({u"Energy balance residual"_s, plain, result.balance.energy});
    return report;
}

QStringList StreamHeader(const Units& units) {
    QStringList header{u"Stream"_s};
    for (const Q q : StateColumns) header.append(ValueHeader(Phase::State, q, units));
    header << u"x"_s << u"Mass flow, "_s + UnitText(FlowUnit, units)
           << u"Energy flow, "_s + UnitText(PowerFlowUnit, units);
    return header;
}

QStringList StreamCells(const NamedStream& stream, const Units& units, Digits digits) {
    QStringList cells{stream.name};
    const Stream& s = stream.stream;
    for (int c = 0; c < 8; ++c) {
        const double value = StreamValue(s, c);
        double shown = value;
        if (c < 5) shown = ToShown(StateColumns[c], value, units);
        if (c == 6) shown = ToShown(FlowUnit, value, units);
        if (c == 7) shown = ToShown(PowerFlowUnit, value, units);
        if (std::isnan(value)) {
            cells.append(QString());
        } else if (digits == Digits::Full) {
            cells.append(ShortestText(shown));
        } else if (c < 5) {
            cells.append(OutputText(StateColumns[c], value, Place::OtherStateModes, units));
        } else if (c == 5) {
            cells.append(DrynessText(value));
        } else {
            cells.append(FixedOrExponent(shown, 10, c == 6 ? 4 : 2));
        }
    }
    return cells;
}

QStringList FigureHeader() {
    return {u"Figure"_s, u"Value"_s, u"Unit"_s};
}

QStringList FigureCells(const ReportFigure& figure, const Units& units, Digits digits) {
    const double shown = ToShown(figure.unit, figure.value, units);
    return {figure.name, digits == Digits::Full ? ShortestText(shown) : ShownFigure(shown, figure.unit),
            UnitText(figure.unit, units)};
}

QStringList InputCells(const ReportInput& input, const Units& units, Digits digits) {
    if (std::isnan(input.value)) return {input.caption, input.text, QString()};
    const double shown = ToShown(input.unit, input.value, units);
    return {input.caption, digits == Digits::Full ? ShortestText(shown) : InputNumberText(shown),
            UnitText(input.unit, units)};
}

QString UnitsLine(const Units& units) {
    return u"pressure %1, temperature %2, %3, mass flow %4, power %5"_s.arg(
        UnitText(Q::Pressure, units), UnitText(Q::Temperature, units),
        units.system == UnitSystem::SI ? u"SI"_s : u"US customary"_s, UnitText(FlowUnit, units),
        UnitText(PowerFlowUnit, units));
}

QString ReportText(const EquipmentReport& report, const Units& units) {
    QString text;
    for (const QStringList& cells : LinesOf(report, units, LocaleDecimalSeparator())) text += TabSeparatedLine(cells);
    return text;
}

QByteArray ReportCsv(const EquipmentReport& report, const Units& units) {
    QString text;
    for (const QStringList& cells : LinesOf(report, units, u"."_s)) text += CsvLine(cells);
    return text.toUtf8();
}
