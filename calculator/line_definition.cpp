#include "line_definition.h"

#include "TFS.h"
#include "decimal_separator.h"
#include "number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

using Q = Quantity;

// The triple point: below it no liquid and vapour coexist, °C.
constexpr double TriplePointTemperature = 0.01;

// A step that lands within this share of a step of `to` has reached it: 0.7
// in steps of 0.1 is seven steps, although 0.7/0.1 is 6.999...
constexpr double ReachedShareOfStep = 1e-9;

const QString TooManyPoints = u" The line would have %1 points; at most %2 are computed: take a larger step"_s;

QString Number(double value) {
    return QString::number(value, 'g', 6).replace(u'.', LocaleDecimalSeparator());
}

QString ValueWithUnit(Quantity q, double shown, const Units& units) {
    const QString unit = UnitText(q, units);
    return unit.isEmpty() ? Number(shown) : Number(shown) + u' ' + unit;
}

using Grid = std::variant<QList<double>, QString>;

// A value of the grid as the decimal it stands for: three steps of 0.1 are
// 0.3, a decade below 1 is 0.1, not the doubles next to them that the
// arithmetic gives.
double Decimal(double x) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, x, std::chars_format::general, 15);
    double value = x;
    std::from_chars(text, written.ptr, value);
    return value;
}

QString TooManyPointsFor(double points) {
    return TooManyPoints.arg(Number(points)).arg(MostLinePoints);
}

// The running values in the shown units, in the line's order: the ends and,
// between them, the multiples of the step (of its logarithm when
// logarithmic), as an engineer steps a table: 0.01, 10, 20, ..., 370, 373.946.
Grid RunningValues(const LineDefinition& line) {
    const double from = line.from, to = line.to;
    const bool logarithmic = line.logarithmic && CanBeLogarithmic(line.kind);
    if (logarithmic && !(from > 0 && to > 0)) return u" A logarithmic range needs pressures above zero"_s;
    const double a = logarithmic ? std::log(from) : from, b = logarithmic ? std::log(to) : to;
    const auto value = [logarithmic](double x) { return Decimal(logarithmic ? std::exp(x) : x); };
    QList<double> values{from};
    if (line.stepKind == StepKind::Points) {
        if (line.points < 1) return u" Give at least one point"_s;
        if (line.points > MostLinePoints) return TooManyPointsFor(line.points);
        if (line.points == 1 || from == to) return values;
        const int last = line.points - 1;
        for (int i = 1; i < last; ++i) values.append(value(a + (b - a) * double(i) / last));
        values.append(to);
        return values;
    }
    if (from == to) return values;
    // The direction comes from the range: a step's sign is not asked for. A
    // logarithmic factor below 1 is the same spacing as its inverse.
    const double step = std::abs(logarithmic ? std::log(line.step) : line.step);
    if (!(step > 0) || std::isinf(step))
        return logarithmic ? u" The factor of a logarithmic step must be above zero and other than 1"_s
                           : u" The step must not be zero"_s;
    // The multiples strictly between the ends; one within a sliver of a step
    // of an end is that end.
    const double direction = b > a ? 1 : -1;
    const double lowest = std::min(a, b) / step, highest = std::max(a, b) / step;
    const double first = std::floor(lowest + ReachedShareOfStep) + 1, last = std::ceil(highest - ReachedShareOfStep) - 1;
    const double points = std::max(0.0, last - first + 1) + 2;
    if (!(points <= MostLinePoints)) return TooManyPointsFor(points);
    for (double k = direction > 0 ? first : last; k >= first && k <= last; k += direction)
        values.append(value(k * step));
    values.append(to);
    return values;
}

const ModeRow* Mode(InputMode mode, SaturationInput input = SaturationInput::ByPs) {
    return ModeOf(mode, input);
}

LinePoint PointAt(const LineDefinition& line, double fixed, double running) {
    switch (line.kind) {
        case LineKind::Isobar: return {Mode(InputMode::ByPT), {fixed, running}};
        case LineKind::Isotherm: return {Mode(InputMode::ByPT), {running, fixed}};
        case LineKind::SaturationByT: return {Mode(InputMode::Saturation, SaturationInput::ByTs), {running, 0}};
        case LineKind::SaturationByP: return {Mode(InputMode::Saturation, SaturationInput::ByPs), {running, 0}};
        case LineKind::Isentrope: return {Mode(InputMode::ByPS), {running, fixed}};
        case LineKind::Isenthalp: return {Mode(InputMode::ByPH), {running, fixed}};
    }
    return {};
}

// Where an isobar or an isotherm meets the saturation line, in the running
// quantity's core units, with the two saturated states there in the order of
// rising running values: along an isobar water boils to steam as t rises,
// along an isotherm steam condenses to water as p rises.
struct Crossing {
    double at;
    LinePoint lower, upper;
};

std::optional<Crossing> CrossingOf(const LineDefinition& line, double fixed) {
    if (line.kind == LineKind::Isobar && fixed < TFS::PKR) {
        const double ts = TFS::TS_P(fixed);
        if (ts < TriplePointTemperature) return std::nullopt;
        const ModeRow* mode = Mode(InputMode::ByPX);
        return Crossing{ts, {mode, {fixed, 0}}, {mode, {fixed, 1}}};
    }
    if (line.kind == LineKind::Isotherm && fixed < TFS::TKR && fixed >= TriplePointTemperature) {
        const ModeRow* mode = Mode(InputMode::ByTX);
        return Crossing{TFS::PS_T(fixed), {mode, {fixed, 1}}, {mode, {fixed, 0}}};
    }
    return std::nullopt;
}

// A running value that is the crossing itself gives way to the two states there.
void AddCrossing(QList<LinePoint>& points, const QList<double>& running, const Crossing& c) {
    const bool rising = running.size() < 2 || running.front() < running.back();
    for (qsizetype i = 0; i < running.size(); ++i) {
        const bool on = running[i] == c.at;
        const bool beyond = i + 1 < running.size() && (running[i] - c.at) * (running[i + 1] - c.at) < 0;
        if (!on && !beyond) continue;
        const qsizetype at = on ? i : i + 1;
        if (on) points.remove(i);
        points.insert(at, rising ? c.upper : c.lower);
        points.insert(at, rising ? c.lower : c.upper);
        return;
    }
}

// The lowest pressure the calculator takes for a saturated state by (p, x), MPa.
constexpr double LowestSaturationPressure = 0.001;

// The pressure between a and b where the saturated phase's s or h, `phase`,
// passes `held`, to the last double; none where it does not pass between them.
std::optional<double> PassedBetween(double (*phase)(double), double held, double a, double b, double fa, double fb) {
    if (!(fa * fb < 0)) return std::nullopt;
    for (;;) {
        const double m = 0.5 * (a + b);
        if (m == a || m == b) return std::abs(fa) <= std::abs(fb) ? a : b;
        const double fm = phase(m) - held;
        if (fm == 0) return m;
        if ((fm < 0) == (fa < 0))
            a = m, fa = fm;
        else
            b = m, fb = fm;
    }
}

// Where an isentrope or an isenthalp passes the saturated water's or steam's
// s or h between two of its points, that saturated state joins the line
// there, as the saturated states join an isobar. The phases' values are
// taken once at every point (within the saturation line's pressures), and
// the crossing is closed between the two points where they pass the line's.
void AddSaturatedCrossings(QList<LinePoint>& points, const QList<double>& running, LineKind kind, double held) {
    struct Side {
        double (*phase)(double);
        double x;
    };
    const std::array<Side, 2> sides = kind == LineKind::Isentrope ? std::array<Side, 2>{{{TFS::SSW_P, 0}, {TFS::SSP_P, 1}}}
                                                                  : std::array<Side, 2>{{{TFS::HSW_P, 0}, {TFS::HSP_P, 1}}};
    QList<double> p;
    for (const double value : running)
        p.append(std::clamp(value, LowestSaturationPressure, std::nextafter(TFS::PKR, 0.0)));
    std::array<QList<double>, 2> passed;  // the phases' value less the line's at each point
    try {
        for (std::size_t side = 0; side < sides.size(); ++side)
            for (const double at : p) passed[side].append(sides[side].phase(at) - held);
    } catch (const TFS::FatalStop&) {
        return;  // a pressure the saturation line does not serve: no crossing is added
    }
    const ModeRow* mode = Mode(InputMode::ByPX);
    // From the end, so that the points before a crossing keep their places.
    for (qsizetype i = p.size() - 2; i >= 0; --i) {
        QList<std::pair<double, double>> crossings;  // p and x
        for (std::size_t side = 0; side < sides.size(); ++side)
            if (const auto at = PassedBetween(sides[side].phase, held, p[i], p[i + 1], passed[side][i], passed[side][i + 1]))
                crossings.append({*at, sides[side].x});
        // In the line's order.
        std::sort(crossings.begin(), crossings.end(),
                  [rising = p[i] < p[i + 1]](const auto& m, const auto& n) { return rising == (m.first < n.first); });
        for (qsizetype c = crossings.size() - 1; c >= 0; --c)
            points.insert(i + 1, {mode, {crossings[c].first, crossings[c].second}});
    }
}

}  // namespace

Quantity RunningQuantity(LineKind kind) {
    return kind == LineKind::Isobar || kind == LineKind::SaturationByT ? Q::Temperature : Q::Pressure;
}

std::optional<Quantity> FixedQuantity(LineKind kind) {
    switch (kind) {
        case LineKind::Isobar: return Q::Pressure;
        case LineKind::Isotherm: return Q::Temperature;
        case LineKind::Isentrope: return Q::Entropy;
        case LineKind::Isenthalp: return Q::Enthalpy;
        case LineKind::SaturationByT:
        case LineKind::SaturationByP: break;
    }
    return std::nullopt;
}

bool CanBeLogarithmic(LineKind kind) {
    return RunningQuantity(kind) == Q::Pressure;
}

bool OnSaturationLine(LineKind kind) {
    return kind == LineKind::SaturationByT || kind == LineKind::SaturationByP;
}

bool FromStartState(LineKind kind) {
    return kind == LineKind::Isentrope || kind == LineKind::Isenthalp;
}

QString LineKindName(LineKind kind) {
    switch (kind) {
        case LineKind::Isobar: return u"Isobar"_s;
        case LineKind::Isotherm: return u"Isotherm"_s;
        case LineKind::SaturationByT: return u"Saturation line by t"_s;
        case LineKind::SaturationByP: return u"Saturation line by p"_s;
        case LineKind::Isentrope: return u"Isentrope"_s;
        case LineKind::Isenthalp: return u"Isenthalp"_s;
    }
    return {};
}

QString LineName(const LineDefinition& line) {
    QString name = LineKindName(line.kind);
    if (const auto fixed = FixedQuantity(line.kind))
        name +=
            u' ' + QLatin1String(RowOf(*fixed).inputSymbol) + u" = "_s + ValueWithUnit(*fixed, line.fixed, line.units);
    return name;
}

QString LineTitle(const LineDefinition& line) {
    const Units& u = line.units;
    QString title = LineName(line);
    const Quantity running = RunningQuantity(line.kind);
    title += u", "_s + QLatin1String(RowOf(running).inputSymbol) + u" from "_s + Number(line.from) + u" to "_s +
             ValueWithUnit(running, line.to, u);
    const bool logarithmic = line.logarithmic && CanBeLogarithmic(line.kind);
    if (line.stepKind == StepKind::Points)
        title += u", %1 points"_s.arg(line.points) + (logarithmic ? u" spaced logarithmically"_s : QString());
    else if (logarithmic)
        title += u", factor "_s + Number(std::abs(line.step));
    else
        title += u", step "_s + ValueWithUnit(running, std::abs(line.step), u);
    return title;
}

QString LineFileName(const LineDefinition& line) {
    QString name = LineTitle(line);
    for (QChar& c : name)
        if (c.category() == QChar::Other_Control || QStringView(u"/\\:*?\"<>|").contains(c)) c = u'-';
    // A name ending in a dot or a space is cut short by some systems.
    while (name.endsWith(u'.') || name.endsWith(u' ')) name.chop(1);
    return name;
}

LinePoints PointsOf(const LineDefinition& line) {
    const Grid grid = RunningValues(line);
    if (const auto* refusal = std::get_if<QString>(&grid)) return *refusal;
    const auto fixedQuantity = FixedQuantity(line.kind);
    const double fixed = fixedQuantity ? FromShown(*fixedQuantity, line.fixed, line.units) : 0;
    const Quantity running = RunningQuantity(line.kind);
    QList<double> values;
    QList<LinePoint> points;
    for (const double shown : std::get<QList<double>>(grid)) {
        values.append(FromShown(running, shown, line.units));
        points.append(PointAt(line, fixed, values.back()));
    }
    if (const auto crossing = CrossingOf(line, fixed)) AddCrossing(points, values, *crossing);
    if (FromStartState(line.kind)) AddSaturatedCrossings(points, values, line.kind, fixed);
    return points;
}
