#include "state_rows.h"

#include "calculation.h"
#include "number_format.h"
#include "state_export.h"
#include "text_to_real.h"

#include <QRegularExpression>

#include <limits>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

using Column = std::pair<Phase, Quantity>;

// The columns of a mode: the chosen quantities, or every quantity that the
// mode's place shows, and the dryness of a state; each phase of the
// saturation line apart.
QList<Column> ColumnsOf(const RunOptions& options) {
    const ModeRow& mode = *options.mode;
    const QList<Phase> phases = mode.saturation() ? QList{Phase::SaturatedWater, Phase::SaturatedSteam}
                                                  : QList{Phase::State};
    QList<Column> columns;
    for (const Phase phase : phases) {
        const Place place = phase == Phase::SaturatedSteam ? Place::SaturatedSteam : mode.place;
        for (int q = 0; q < QuantityCount; ++q) {
            const Quantity quantity = Quantity(q);
            const bool shown = options.columns.isEmpty()
                                   ? FormatOf(quantity, place).kind != Format::Kind::None ||
                                         (quantity == Quantity::Dryness && !mode.saturation())
                                   : options.columns.contains(quantity);
            if (shown) columns.append({phase, quantity});
        }
    }
    return columns;
}

// The value of a column in a run's outputs: the dryness of a two-phase state
// apart; NaN where the run gives none.
double ValueOf(const Outputs& outputs, Phase phase, Quantity quantity) {
    if (quantity == Quantity::Dryness && phase == Phase::State) return outputs.dryness;
    for (const Output& output : outputs.values)
        if (output.phase == phase && output.quantity == quantity) return output.value;
    return std::numeric_limits<double>::quiet_NaN();
}

QString PhaseName(const Outputs& outputs) {
    return outputs.phaseName.isEmpty() ? u"Saturation line"_s : outputs.phaseName;
}

// The reason a state is refused, in one line.
QString ReasonOf(const Outcome& outcome) {
    if (const auto* refusal = std::get_if<Refusal>(&outcome)) return refusal->message.trimmed();
    const Stop& stop = std::get<Stop>(outcome);
    return (stop.explanation + u' ' + stop.reason).simplified();
}

// The outputs of one state, values only: texts are what this program writes itself.
Outcome Computed(const RunOptions& options, const InputValues& shown) {
    InputValues values = shown;
    for (qsizetype i = 0; i < options.mode->inputs.size(); ++i)
        values[i] = FromShown(options.mode->inputs[i], values[i], options.units);
    return CalculateValues(*options.mode, values, options.units, options.transport, {}, {},
                           Written::ValuesOnly);
}

// A line's fields: split at semicolons or tabs where it has any (then a comma
// may be the decimal separator), else at commas.
QStringList FieldsOf(const QString& line) {
    static const QRegularExpression semicolonOrTab(u"[;\t]"_s);
    const QStringList fields = line.contains(semicolonOrTab) ? line.split(semicolonOrTab) : line.split(u',');
    QStringList trimmed;
    for (const QString& field : fields) trimmed.append(field.trimmed());
    return trimmed;
}

std::optional<InputValues> NumbersOf(const QStringList& fields, qsizetype count, QString* why) {
    if (fields.size() != count) {
        *why = u"expected %1 number%2, found %3 fields"_s.arg(count).arg(count == 1 ? u""_s : u"s"_s).arg(
            fields.size());
        return std::nullopt;
    }
    InputValues values{};
    for (qsizetype i = 0; i < count; ++i) {
        try {
            values[i] = TextToReal(fields[i]);
        } catch (const InvalidNumber& e) {
            *why = e.message().trimmed();
            return std::nullopt;
        }
    }
    return values;
}


}  // namespace

int WriteStateRows(QTextStream& in, QTextStream& out, QTextStream& errors, const RunOptions& options) {
    const ModeRow& mode = *options.mode;
    const QList<Column> columns = ColumnsOf(options);
    QStringList header{u"line"_s};
    for (const auto& [phase, quantity] : columns) header.append(ValueHeader(phase, quantity, options.units));
    header << u"phase"_s << u"refused"_s;
    out << CsvLine(header);

    int refused = 0;
    QStringList cells;
    for (int number = 1; !in.atEnd(); ++number) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty()) continue;
        const QStringList fields = FieldsOf(line);
        QString why;
        const std::optional<InputValues> typed = NumbersOf(fields, mode.inputs.size(), &why);
        if (!typed && number == 1) continue;  // a header row
        cells = {QString::number(number)};
        QString phase, reason;
        if (!typed) {
            reason = u"line %1: %2"_s.arg(number).arg(why);
            errors << reason << '\n';
        } else {
            const Outcome outcome = Computed(options, *typed);
            if (const auto* computed = std::get_if<Outputs>(&outcome)) {
                for (const auto& [p, quantity] : columns) {
                    const double value = ValueOf(*computed, p, quantity);
                    cells.append(std::isnan(value) ? QString() : ShortestText(ToShown(quantity, value, options.units)));
                }
                phase = PhaseName(*computed);
            } else {
                reason = ReasonOf(outcome);
            }
        }
        if (!reason.isEmpty()) {
            ++refused;
            while (cells.size() <= columns.size()) cells.append(QString());
        }
        cells << phase << reason;
        out << CsvLine(cells);
    }
    if (refused > 0) errors << refused << (refused == 1 ? " row" : " rows") << " refused\n";
    return refused;
}

bool OneStateText(const OneState& state, QString* text) {
    const RunOptions& options = state.options;
    const Outcome outcome = Computed(options, state.values);
    const auto* computed = std::get_if<Outputs>(&outcome);
    if (computed == nullptr) {
        *text = ReasonOf(outcome) + u'\n';
        return false;
    }
    QStringList lines{u"Phase: "_s + PhaseName(*computed)};
    Phase shownPhase = Phase::State;
    for (const auto& [phase, quantity] : ColumnsOf(options)) {
        if (phase != shownPhase)
            lines.append(phase == Phase::SaturatedWater ? u"Saturated water:"_s : u"Saturated steam:"_s);
        shownPhase = phase;
        const double value = ValueOf(*computed, phase, quantity);
        if (std::isnan(value)) continue;
        lines.append(ResultCaption(quantity, options.mode->saturation(), options.units) + u" = "_s +
                     ShortestText(ToShown(quantity, value, options.units)));
    }
    *text = lines.join(u'\n') + u'\n';
    return true;
}
