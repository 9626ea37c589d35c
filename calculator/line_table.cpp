#include "line_table.h"

#include "decimal_separator.h"
#include "number_format.h"
#include "phase_text.h"

#include <QStringList>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

using Q = Quantity;

// The quantities both saturated phases share, in one column each.
bool SharedByThePhases(Quantity q) {
    return q == Q::Temperature || q == Q::Pressure || q == Q::SurfaceTension;
}

bool Shown(Quantity q, Place place) {
    return FormatOf(q, place).kind != Format::Kind::None;
}

// Progress is told this often: often enough for a bar, seldom enough to cost nothing.
constexpr qsizetype RowsBetweenProgress = 64;

const Output* OutputOf(const Outputs& outputs, const LineColumn& column) {
    for (const Output& output : outputs.values)
        if (output.quantity == column.quantity && output.phase == column.phase) return &output;
    return nullptr;
}

}  // namespace

LineTable ComputeLine(const LineDefinition& line, const QList<LinePoint>& points,
                      const std::function<void(qsizetype)>& progress, const std::atomic<bool>* cancel) {
    LineTable table{line, {}};
    table.rows.reserve(points.size());
    for (const LinePoint& point : points) {
        if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) break;
        table.rows.append({point, CalculateValues(*point.mode, point.values, line.units, line.transport, line.dead,
                                                  {}, Written::ValuesOnly)});
        if (progress && table.rows.size() % RowsBetweenProgress == 0) progress(table.rows.size());
    }
    return table;
}

QList<Quantity> ShowableQuantities(LineKind kind) {
    QList<Quantity> quantities;
    for (int q = 0; q < QuantityCount; ++q) {
        const bool shown = OnSaturationLine(kind)
                               ? Shown(Quantity(q), Place::SaturatedWater) || Shown(Quantity(q), Place::SaturatedSteam)
                               : Shown(Quantity(q), Place::ByPT) || Shown(Quantity(q), Place::OtherStateModes);
        if (shown) quantities.append(Quantity(q));
    }
    return quantities;
}

QList<Quantity> DefaultQuantities(LineKind kind) {
    return ShowableQuantities(kind);
}

QList<LineColumn> ColumnsOf(LineKind kind, const QList<Quantity>& quantities) {
    QList<LineColumn> columns;
    for (const Quantity q : quantities) {
        if (!OnSaturationLine(kind)) {
            columns.append({q, Phase::State});
            continue;
        }
        columns.append({q, Phase::SaturatedWater});
        if (!SharedByThePhases(q)) columns.append({q, Phase::SaturatedSteam});
    }
    if (!OnSaturationLine(kind)) columns.append({Q::Dryness, Phase::State});
    return columns;
}

QString ColumnHeader(const LineColumn& column, const Units& units) {
    if (column.phase != Phase::State && SharedByThePhases(column.quantity))
        return CaptionWithUnit(QLatin1String(RowOf(column.quantity).saturationSymbol), column.quantity, units);
    return ValueHeader(column.phase, column.quantity, units);
}

double CellValue(const LineRow& row, const LineColumn& column) {
    if (const auto* outputs = std::get_if<Outputs>(&row.outcome)) {
        if (column.quantity == Q::Dryness) return outputs->dryness;
        const Output* output = OutputOf(*outputs, column);
        return output != nullptr ? output->value : NAN;
    }
    const QList<Quantity>& inputs = row.point.mode->inputs;
    const qsizetype given = inputs.indexOf(column.quantity);
    return given >= 0 ? row.point.values[given] : NAN;
}

QString CellText(const LineRow& row, const LineColumn& column, const Units& units, Digits digits) {
    const double value = CellValue(row, column);
    if (std::isnan(value)) return {};
    const double shown = ToShown(column.quantity, value, units);
    if (digits == Digits::Full) return ShortestText(shown);
    if (column.quantity == Q::Dryness) return DrynessText(shown);
    // Written anew from the value, so that a change of units needs no new run.
    const Place place = column.phase == Phase::SaturatedWater   ? Place::SaturatedWater
                        : column.phase == Phase::SaturatedSteam ? Place::SaturatedSteam
                                                                : row.point.mode->place;
    return OutputText(column.quantity, value, place, units);
}

QString CellNote(const LineRow& row, const LineColumn& column) {
    if (const auto* outputs = std::get_if<Outputs>(&row.outcome))
        for (const Output& output : outputs->values)
            if (output.quantity == column.quantity && output.phase == column.phase) return output.note;
    return {};
}

QString RowNote(const LineRow& row) {
    if (const auto* outputs = std::get_if<Outputs>(&row.outcome))
        return outputs->phaseName.isEmpty() ? u"Saturated water and steam"_s : outputs->phaseName;
    if (const auto* refusal = std::get_if<Refusal>(&row.outcome)) return refusal->message.trimmed();
    const Stop& stop = std::get<Stop>(row.outcome);
    return stop.explanation + u" ("_s + stop.reason + u')';
}

namespace {

// The header and the rows, numbers in full with `decimalPoint`.
QList<QStringList> CellsOf(const LineTable& table, const QList<LineColumn>& columns, const Units& units,
                           const QString& decimalPoint, const QList<qsizetype>& rows = {}) {
    const QString separator = LocaleDecimalSeparator();
    QStringList header{u"No."_s, u"Phase"_s};
    for (const LineColumn& column : columns) header.append(ColumnHeader(column, units));
    QList<QStringList> cells{header};
    const qsizetype count = rows.isEmpty() ? table.rows.size() : rows.size();
    for (qsizetype n = 0; n < count; ++n) {
        const qsizetype i = rows.isEmpty() ? n : rows[n];
        const LineRow& row = table.rows[i];
        QStringList line{QString::number(i + 1), RowNote(row)};
        for (const LineColumn& column : columns)
            line.append(CellText(row, column, units, Digits::Full).replace(separator, decimalPoint));
        cells.append(line);
    }
    return cells;
}

}  // namespace

QString LineText(const LineTable& table, const QList<LineColumn>& columns, const Units& units,
                 const QList<qsizetype>& rows) {
    QString text;
    for (const QStringList& cells : CellsOf(table, columns, units, LocaleDecimalSeparator(), rows))
        text += TabSeparatedLine(cells);
    return text;
}

QByteArray LineCsv(const LineTable& table, const QList<LineColumn>& columns, const Units& units) {
    QString text = CsvLine({LineTitle(table.line)});
    text += CsvLine({u"Units"_s, UnitText(Q::Pressure, units), UnitText(Q::Temperature, units),
                     units.system == UnitSystem::SI ? u"SI"_s : u"US customary"_s});
    text += CsvLine({u"Formulations"_s, FormulationsOf(table.line)});
    for (const QStringList& cells : CellsOf(table, columns, units, u"."_s)) text += CsvLine(cells);
    return text.toUtf8();
}

QString FormulationsOf(const LineDefinition& line) {
    const QString thermodynamic = u"IAPWS-IF97 for the thermodynamic properties; "_s;
    if (line.transport == Transport::IAPWS2008_2011)
        return thermodynamic + u"IAPWS 2008 for the viscosity, IAPWS 2011 for the thermal conductivity"_s +
               (OnSaturationLine(line.kind) ? u", IAPWS R1-76(2014) for the surface tension"_s : QString());
    if (OnSaturationLine(line.kind))
        return thermodynamic +
               u"the saturation-line correlations for the transport properties and the surface tension"_s;
    return thermodynamic + u"IAPS 1985 for the viscosity and the thermal conductivity"_s;
}
