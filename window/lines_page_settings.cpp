// The page's settings: the last line of each kind, the columns and the
// plot's axes, kept in the units kept with the window's.
#include "lines_page.h"

#include "converted_input.h"
#include "line_plot.h"
#include "text_to_real.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSettings>

using namespace Qt::Literals::StringLiterals;

namespace {

using Q = Quantity;

QString Group(const QString& key) {
    return u"lines/"_s + key;
}

// A quantity in the settings: its result symbol, which no two quantities share
// ("Cp", "Cv"; their names are both "Heat capacity").
QString KeyOf(Quantity q) {
    return QLatin1String(RowOf(q).symbol);
}

// The range each kind of line shows before it is first made, in the core's
// units, and the key its kept range has in the settings. Pressures run by a
// number of points, which means the same spaced evenly or logarithmically.
struct FirstRange {
    const char16_t *key, *fixed, *from, *to, *step;
    StepKind stepKind;
};
constexpr FirstRange FirstRanges[LineKindCount] = {
    {u"isobar", u"1", u"20", u"300", u"10", StepKind::Increment},
    {u"isotherm", u"300", u"1", u"20", u"20", StepKind::Points},
    {u"saturationByT", u"", u"20", u"370", u"10", StepKind::Increment},
    {u"saturationByP", u"", u"1", u"21", u"21", StepKind::Points},
    {u"isentrope", u"", u"10", u"0.1", u"10", StepKind::Points},
    {u"isenthalp", u"", u"10", u"0.1", u"10", StepKind::Points},
};

// A step of a line in other units: an increment converted as a difference; a
// factor or a number of points as it is.
QString ConvertedStep(const QString& typed, Quantity q, bool increment, const Units& before, const Units& after) {
    if (!increment || before == after) return typed;
    try {
        const double core = FromShown(q, TextToReal(typed), before) - FromShown(q, 0, before);
        return InputNumberText(ToShown(q, core, after) - ToShown(q, 0, after));
    } catch (const InvalidNumber&) {
        return typed;
    }
}
std::optional<Quantity> QuantityKeyed(const QString& key) {
    for (int q = 0; q < QuantityCount; ++q)
        if (key == KeyOf(Quantity(q))) return Quantity(q);
    return std::nullopt;
}

// The values of a start state in full, "s=6.5993230000000002", in the core's units.
QStringList StateText(const StateRow& state) {
    QStringList texts;
    for (const StoredValue& v : state.values)
        if (v.phase == Phase::State) texts.append(KeyOf(v.quantity) + u'=' + QString::number(v.value, 'g', 17));
    return texts;
}

std::optional<StateRow> StateOfText(qint64 number, const QStringList& texts) {
    StateRow state{number, {}, {}, {}};
    for (const QString& text : texts) {
        const auto q = QuantityKeyed(text.section(u'=', 0, 0));
        bool read = false;
        const double value = text.section(u'=', 1).toDouble(&read);
        if (q && read) state.values.append({*q, Phase::State, value});
    }
    if (state.values.isEmpty()) return std::nullopt;
    return state;
}

}  // namespace

// The typed values say the same in the new units: a value converted, a step
// converted as a difference; the kept ranges of the other kinds as well.
void LinesPage::convertTyped(const Units& before, const Units& after) {
    keepRange();
    for (int k = 0; k < LineKindCount; ++k) {
        Range& range = ranges[k];
        const LineKind line = LineKind(k);
        if (const auto q = FixedQuantity(line); q && !FromStartState(line))
            range.fixed = ConvertedInput(range.fixed, *q, before, after);
        const Quantity running = RunningQuantity(line);
        range.from = ConvertedInput(range.from, running, before, after);
        range.to = ConvertedInput(range.to, running, before, after);
        const bool factor = range.logarithmic && CanBeLogarithmic(line);
        range.step =
            ConvertedStep(range.step, running, range.stepKind == StepKind::Increment && !factor, before, after);
        range.startP = ConvertedInput(range.startP, Q::Pressure, before, after);
        range.startT = ConvertedInput(range.startT, Q::Temperature, before, after);
    }
    showRange();
}

void LinesPage::saveSettings() const {
    if (loading) return;
    QSettings settings;
    settings.setValue(Group(u"kind"_s), int(lineKind()));
    for (int k = 0; k < LineKindCount; ++k) {
        const Range range = LineKind(k) == shownKind ? shownRange() : ranges[k];
        const QString key = QString::fromUtf16(FirstRanges[k].key) + u'/';
        settings.setValue(Group(key + u"fixed"_s), range.fixed);
        settings.setValue(Group(key + u"from"_s), range.from);
        settings.setValue(Group(key + u"to"_s), range.to);
        settings.setValue(Group(key + u"step"_s), range.step);
        settings.setValue(Group(key + u"stepKind"_s), int(range.stepKind));
        settings.setValue(Group(key + u"logarithmic"_s), range.logarithmic);
        if (!FromStartState(LineKind(k))) continue;
        settings.setValue(Group(key + u"startP"_s), range.startP);
        settings.setValue(Group(key + u"startT"_s), range.startT);
        settings.setValue(Group(key + u"startNumber"_s), range.start ? range.start->number : -1);
        settings.setValue(Group(key + u"startState"_s), range.start ? StateText(*range.start) : QStringList());
    }
    QStringList keys;
    for (const Quantity q : chosen) keys.append(KeyOf(q));
    settings.setValue(Group(u"columns"_s), keys);
    settings.setValue(Group(u"plotX"_s), KeyOf(linePlot->xQuantity()));
    settings.setValue(Group(u"plotY"_s), KeyOf(linePlot->yQuantity()));
    settings.setValue(Group(u"plotLogX"_s), linePlot->xLogarithmic());
    settings.setValue(Group(u"plotLogY"_s), linePlot->yLogarithmic());
}

// A first start shows a heater's isobar: water at 1 MPa from 20 °C to 300 °C.
// The texts kept are in the units kept with the window's; a kind of line never
// made shows its first range in them.
void LinesPage::loadSettings() {
    loading = true;
    QSettings settings;
    const Units kept = LoadUnits(settings);
    for (int k = 0; k < LineKindCount; ++k) {
        const FirstRange& first = FirstRanges[k];
        const LineKind line = LineKind(k);
        const Quantity running = RunningQuantity(line);
        const QString key = QString::fromUtf16(first.key) + u'/';
        const auto text = [&](const QString& name, const char16_t* initial, std::optional<Quantity> q) {
            const QString firstText =
                q ? ConvertedInput(QString::fromUtf16(initial), *q, {}, kept) : QString::fromUtf16(initial);
            return settings.value(Group(key + name), firstText).toString();
        };
        Range& range = ranges[k];
        range.stepKind = StepKind(settings.value(Group(key + u"stepKind"_s), int(first.stepKind)).toInt());
        range.fixed = text(u"fixed"_s, first.fixed, FixedQuantity(line));
        range.from = text(u"from"_s, first.from, running);
        range.to = text(u"to"_s, first.to, running);
        // One choice for all kinds in earlier builds: the first each kind keeps.
        range.logarithmic =
            settings.value(Group(key + u"logarithmic"_s), settings.value(Group(u"logarithmic"_s), false)).toBool();
        const bool increment = first.stepKind == StepKind::Increment && !(range.logarithmic && CanBeLogarithmic(line));
        range.step = settings
                         .value(Group(key + u"step"_s),
                                ConvertedStep(QString::fromUtf16(first.step), running, increment, {}, kept))
                         .toString();
        if (!FromStartState(line)) continue;
        range.startP = settings.value(Group(key + u"startP"_s), settings.value(Group(u"startP"_s),
                                      ConvertedInput(u"10"_s, Q::Pressure, {}, kept))).toString();
        range.startT = settings.value(Group(key + u"startT"_s), settings.value(Group(u"startT"_s),
                                      ConvertedInput(u"500"_s, Q::Temperature, {}, kept))).toString();
        range.start = StateOfText(settings.value(Group(key + u"startNumber"_s), -1).toLongLong(),
                                  settings.value(Group(key + u"startState"_s)).toStringList());
    }
    {
        const QSignalBlocker quiet(kind);
        kind->setCurrentIndex(std::max(0, kind->findData(settings.value(Group(u"kind"_s), 0).toInt())));
    }
    showRange();
    QList<Quantity> quantities;
    const QStringList keys = settings.value(Group(u"columns"_s)).toStringList();
    for (const QString& key : keys)
        if (const auto q = QuantityKeyed(key)) quantities.append(*q);
    // None known (nothing kept yet, or the names an earlier build kept): the defaults.
    const bool known = !quantities.isEmpty() || (settings.contains(Group(u"columns"_s)) && keys.isEmpty());
    setChosenQuantities(known ? quantities
                              : DefaultQuantities(LineKind::Isobar) + DefaultQuantities(LineKind::SaturationByT));
    const auto x = QuantityKeyed(settings.value(Group(u"plotX"_s)).toString());
    const auto y = QuantityKeyed(settings.value(Group(u"plotY"_s)).toString());
    linePlot->setAxes(x.value_or(Q::Entropy), y.value_or(Q::Enthalpy));
    linePlot->setLogarithmic(settings.value(Group(u"plotLogX"_s), false).toBool(),
                             settings.value(Group(u"plotLogY"_s), false).toBool());
    loading = false;
}
