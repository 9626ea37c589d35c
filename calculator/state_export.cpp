#include "state_export.h"

#include "decimal_separator.h"
#include "number_format.h"
#include "phase_text.h"
#include "text_to_real.h"

#include <QSaveFile>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

using Column = std::pair<Phase, Quantity>;
using Table = QList<QStringList>;

bool OnTheLine(const StateRow& row) {
    return row.request.saturation();
}

QString SymbolOf(Quantity quantity, bool saturation) {
    const QuantityRow& row = RowOf(quantity);
    return QLatin1String(saturation ? row.saturationSymbol : row.inputSymbol);
}

QString ModeText(const StateRow& row) {
    QStringList symbols;
    for (const Quantity input : InputsOf(row.request.mode, row.request.saturationInput))
        symbols.append(SymbolOf(input, OnTheLine(row)));
    return symbols.join(u", "_s);
}

// A typed input in the shown units: as the window shows it, or the shortest
// text of its value.
QString InputCell(const StateRow& row, Quantity input, const Units& units, Digits digits) {
    const QString stored = row.request.typed.value(input);
    if (digits == Digits::Shown || stored.isEmpty()) return InputText(row, input, units);
    return ShortestText(ToShown(input, TextToReal(stored), units));
}

// A computed value in the shown units: as the window writes it (the dryness,
// which has no edit, as the phase text does), or its shortest text; empty
// where it is not defined.
QString ValueCell(const StateRow& row, const StoredValue& v, const Units& units, Digits digits) {
    if (std::isnan(v.value)) return {};
    const double shown = ToShown(v.quantity, v.value, units);
    if (digits == Digits::Full) return ShortestText(shown);
    if (v.quantity == Quantity::Dryness) return DrynessText(shown);
    return OutputText(v.quantity, v.value, PlaceOf(row.request, v.phase), units);
}

// The typed inputs in the order the modes read them (p, t, h), and the
// columns of values that any of the rows has.
struct Layout {
    QList<Quantity> inputs;
    QList<Column> columns;
};

Layout LayoutOf(const QList<StateRow>& rows) {
    Layout layout;
    for (const StateRow& row : rows) {
        for (const Quantity input : InputsOf(row.request.mode, row.request.saturationInput))
            if (!layout.inputs.contains(input)) layout.inputs.append(input);
        for (const StoredValue& v : row.values)
            if (!layout.columns.contains(Column{v.phase, v.quantity})) layout.columns.append({v.phase, v.quantity});
    }
    std::sort(layout.columns.begin(), layout.columns.end());
    return layout;
}

// The cells of a row before its inputs: number, mode, phase and transport.
constexpr qsizetype FixedColumns = 4;

// The texts of the cells, numbers with the locale's separator.
Table TableOf(const QList<StateRow>& rows, const Units& units, Digits digits) {
    const auto [inputs, columns] = LayoutOf(rows);

    QStringList header{u"No."_s, u"Mode"_s, u"Phase"_s, u"Transport"_s};
    for (const Quantity input : inputs) header.append(u"typed "_s + InputCaption(input, false, units));
    for (const auto& [phase, quantity] : columns) header.append(ValueHeader(phase, quantity, units));
    Table table{header};
    for (const StateRow& row : rows) {
        QStringList cells{QString::number(row.number), ModeText(row), row.phaseName,
                          TransportName(row.request.transport)};
        for (const Quantity input : inputs) cells.append(InputCell(row, input, units, digits));
        const qsizetype first = cells.size();
        cells.resize(first + columns.size());
        for (const StoredValue& v : row.values)
            cells[first + columns.indexOf(Column{v.phase, v.quantity})] = ValueCell(row, v, units, digits);
        table.append(cells);
    }
    return table;
}

}  // namespace

QString ValueHeader(Phase phase, Quantity quantity, const Units& units) {
    const QuantityRow& row = RowOf(quantity);
    const QString symbol = phase == Phase::State ? QLatin1String(row.symbol)
                                                 : QLatin1String(row.saturationSymbol) +
                                                       QString(phase == Phase::SaturatedWater ? 1 : 2, u'\'');
    return CaptionWithUnit(symbol, quantity, units);
}

QString CsvLine(const QStringList& cells) {
    static const QString special = u",\"\r\n"_s;
    QStringList fields;
    for (QString field : cells) {
        field = WithDecimalPoint(field);
        if (std::any_of(field.begin(), field.end(), [](QChar c) { return special.contains(c); }))
            field = u'"' + field.replace(u'"', u"\"\""_s) + u'"';
        fields.append(field);
    }
    return fields.join(u',') + u"\r\n"_s;
}

QString TabSeparatedLine(QStringList cells) {
    // A tab or line break inside a cell would shift the columns of the paste.
    for (QString& cell : cells)
        for (const QChar breaking : {u'\t', u'\r', u'\n'}) cell.replace(breaking, u' ');
    return cells.join(u'\t') + u'\n';
}

QList<QStringList> StatesCells(const QList<StateRow>& rows, const Units& units, Digits digits) {
    return TableOf(rows, units, digits);
}

QList<QStringList> StatesNotes(const QList<StateRow>& rows) {
    const auto [inputs, columns] = LayoutOf(rows);
    const qsizetype first = FixedColumns + inputs.size();
    QList<QStringList> notes{QStringList(first + columns.size())};
    for (const StateRow& row : rows) {
        double p = NAN, t = NAN;
        for (const StoredValue& v : row.values) {
            if (v.phase != Phase::State) continue;
            if (v.quantity == Quantity::Pressure) p = v.value;
            if (v.quantity == Quantity::Temperature) t = v.value;
        }
        QStringList cells(first + columns.size());
        for (const StoredValue& v : row.values)
            if (v.phase == Phase::State && std::isnan(v.value))
                cells[first + columns.indexOf(Column{v.phase, v.quantity})] =
                    TransportGap(row.request.transport, v.quantity, p, t);
        notes.append(cells);
    }
    return notes;
}

QString StatesText(const QList<StateRow>& rows, const Units& units, Digits digits) {
    QString text;
    for (const QStringList& cells : StatesCells(rows, units, digits)) text += TabSeparatedLine(cells);
    return text;
}

QByteArray StatesCsv(const QList<StateRow>& rows, const Units& units) {
    QString text;
    for (const QStringList& cells : TableOf(rows, units, Digits::Full)) text += CsvLine(cells);
    return text.toUtf8();
}

bool WriteCsv(const QString& path, const QList<StateRow>& rows, const Units& units, QString* error) {
    return WriteWhole(path, StatesCsv(rows, units), error);
}

bool WriteWhole(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) >= 0 && file.commit()) return true;
    if (error != nullptr) *error = file.errorString();
    return false;
}
