#include "modes.h"

#include "TFS.h"
#include "Tabl1.h"
#include "calculation.h"
#include "calculation_values.h"
#include "decimal_separator.h"
#include "hs_limits.h"
#include "number_format.h"

using namespace Qt::Literals::StringLiterals;

namespace {

using Q = Quantity;

// A range test accepts a typed number exactly when it lies within the decimal
// bounds. Each bound is the double on the inner side of its decimal: the
// doubles nearest 0.0005, 0.001 and 0.01 lie above them, and Tabl1's
// PS_MAX is the last double below 21.82.

// The highest pressure of the state modes, MPa: that of the formulation.
constexpr double HighestPressure = 100.0;
// The coldest state of the state modes, °C, and the hottest: 2000 °C in
// region 5 up to its highest pressure, 800 °C above it.
constexpr double LowestTemperature = 0.0;
constexpr double Region5Pressure = 50.0, Region5Temperature = 2000.0, HighestTemperatureAbove = 800.0;

double HighestTemperatureAt(double p) {
    return p <= Region5Pressure ? Region5Temperature : HighestTemperatureAbove;
}

// The coldest saturation state: the triple point, °C.
constexpr double TriplePointTemperature = 0.01;

[[noreturn]] void RefuseValue(Quantity input, const QString& message) {
    throw Refusal{message, input};
}

// A limit of a range in the user's units, "50 MPa", "500 bar", with the
// user's decimal separator as every number of the message. The messages
// have always spelled some units their own way in the core's units
// ("800 Celsius"): `spelled` keeps that spelling there.
QString Limit(const Units& units, Quantity q, double value, const char* spelled = nullptr) {
    const QString unit = spelled != nullptr && units.core() ? QString::fromLatin1(spelled) : UnitText(q, units);
    return QString::number(ToShown(q, value, units), 'g', 6).replace(u'.', LocaleDecimalSeparator()) + u' ' + unit;
}

// A computed limit, "hmin=50.37 kJ/kg".
QString FormattedLimit(const Units& units, Quantity q, double value, int precision, int decimals) {
    return FixedFormat(ToShown(q, value, units), precision, decimals) + QLatin1Char(' ') + UnitText(q, units);
}

// The pressure of the (p, t) and (p, v) modes.
void CheckPressureFromHalfAKilopascal(double p, const Units& u) {
    if (p > HighestPressure || p < 0.0005)
        RefuseValue(Q::Pressure, u" Inadequately set pressure: P>"_s + Limit(u, Q::Pressure, HighestPressure) +
                                     u" or P<"_s + Limit(u, Q::Pressure, 0.0005));
}

void CheckPT(const InputValues& v, const Units& u, Transport) {
    const double p = v[0], t = v[1];
    CheckPressureFromHalfAKilopascal(p, u);
    // The message names the highest temperature at the typed pressure.
    const double highest = HighestTemperatureAt(p);
    if (t > highest || t < LowestTemperature) {
        const QString where =
            p > Region5Pressure ? u"at P>"_s + Limit(u, Q::Pressure, Region5Pressure) + u" "_s : QString();
        RefuseValue(Q::Temperature, u" Inadequately set temperature: "_s + where + u"T>"_s +
                                        Limit(u, Q::Temperature, highest, "Celsius") + u" or T<"_s +
                                        Limit(u, Q::Temperature, LowestTemperature, "Celsius"));
    }
}

// The pressure of the (p, h), (p, s) and (p, x) modes.
void CheckPressureFromOneKilopascal(double p, const Units& u) {
    if (p > HighestPressure || p < 0.001)
        RefuseValue(Q::Pressure, u" Inadequately set pressure: P>"_s + Limit(u, Q::Pressure, HighestPressure) +
                                     u" or P<"_s + Limit(u, Q::Pressure, 0.001));
}

// A property of the (p, h) and (p, s) modes lies between its values at the
// coldest and the hottest state of the (p, t) mode at the typed pressure; a
// refusal names both, and the pressure.
struct BoundedInput {
    Quantity q;
    double (*at_pt)(double p, double t);
    const char16_t *word, *letter;  // "enthalpy", "h"
    int decimals;                   // of the limits shown
};

void CheckBetweenTemperatureBounds(double p, double value, const BoundedInput& in, const Units& u) {
    const Quantity q = in.q;
    const double lowest = in.at_pt(p, LowestTemperature);
    const double highest = in.at_pt(p, HighestTemperatureAt(p));
    const QString name = QString::fromUtf16(in.letter);
    const QString low = name + u"min="_s + FormattedLimit(u, q, lowest, 6, in.decimals);
    const QString high = name + u"max="_s + FormattedLimit(u, q, highest, 6, in.decimals);
    const QString at = u" at P="_s + Limit(u, Q::Pressure, p);
    const QString property = QString::fromUtf16(in.word);
    if (value < lowest)
        RefuseValue(q, u" The "_s + property + u" specified is below the allowable value "_s + low + at + u" ("_s +
                           high + u")"_s);
    if (value > highest)
        RefuseValue(q, u" The specified "_s + property + u" is higher than the allowable value "_s + high + at +
                           u" ("_s + low + u")"_s);
}

void CheckPH(const InputValues& v, const Units& u, Transport) {
    const double p = v[0];
    CheckPressureFromOneKilopascal(p, u);
    CheckBetweenTemperatureBounds(p, v[1], {Q::Enthalpy, TFS::h_pt, u"enthalpy", u"h", 2}, u);
}

void CheckPS(const InputValues& v, const Units& u, Transport) {
    const double p = v[0];
    CheckPressureFromOneKilopascal(p, u);
    CheckBetweenTemperatureBounds(p, v[1], {Q::Entropy, TFS::S_PT, u"entropy", u"s", 4}, u);
}

void CheckDryness(double x) {
    if (!(x >= 0 && x <= 1)) RefuseValue(Q::Dryness, u" Inadequately set dryness: x>1 or x<0"_s);
}

void CheckPX(const InputValues& v, const Units& u, Transport) {
    const double p = v[0], x = v[1];
    CheckPressureFromOneKilopascal(p, u);
    // At and above the critical pressure liquid and vapour no longer coexist.
    if (p >= TFS::PKR)
        RefuseValue(Q::Pressure, u" The state has no two phases at P>="_s + Limit(u, Q::Pressure, TFS::PKR));
    CheckDryness(x);
}

void CheckTX(const InputValues& v, const Units& u, Transport) {
    const double t = v[0], x = v[1];
    if (t >= TFS::TKR)
        RefuseValue(Q::Temperature, u" The state has no two phases at T>="_s + Limit(u, Q::Temperature, TFS::TKR));
    if (t < TriplePointTemperature)
        RefuseValue(Q::Temperature, u" Inadequately set temperature: T<"_s +
                                        Limit(u, Q::Temperature, TriplePointTemperature) +
                                        u", below the triple point"_s);
    CheckDryness(x);
}

// The saturation line of IF97 runs from the triple point to the critical point.
constexpr double TriplePointPressure = 0.000611657;  // MPa

void CheckPs(const InputValues& v, const Units& u, Transport transport) {
    const double ps = v[0];
    // Under IAPWS 2008/2011 every value comes from IF97: the whole line.
    if (transport == Transport::IAPWS2008_2011) {
        if (ps > TFS::PKR || ps < TriplePointPressure)
            RefuseValue(Q::Pressure, u" Inadequately set pressure: Ps>"_s + Limit(u, Q::Pressure, TFS::PKR) +
                                         u" or Ps<"_s + Limit(u, Q::Pressure, TriplePointPressure));
        return;
    }
    // The saturation correlations by pressure end here.
    if (ps > Tabl1::PS_MAX || ps < Tabl1::PS_MIN)
        RefuseValue(Q::Pressure, u" Inadequately set pressure: Ps>"_s + Limit(u, Q::Pressure, 21.819) + u" or Ps<"_s +
                                     Limit(u, Q::Pressure, Tabl1::PS_MIN));
}

void CheckTs(const InputValues& v, const Units& u, Transport transport) {
    const double ts = v[0];
    if (transport == Transport::IAPWS2008_2011) {
        if (ts > TFS::TKR || ts < TriplePointTemperature)
            RefuseValue(Q::Temperature, u" Inadequately set temperature: Ts>"_s + Limit(u, Q::Temperature, TFS::TKR) +
                                            u" or Ts<"_s + Limit(u, Q::Temperature, TriplePointTemperature));
        return;
    }
    // At the critical temperature the two phases merge: no saturation state.
    if (ts >= TFS::TKR || ts < TriplePointTemperature)
        RefuseValue(Q::Temperature, u" Inadequately set temperature: Ts>"_s + Limit(u, Q::Temperature, 373.945) +
                                        u" or Ts<"_s + Limit(u, Q::Temperature, TriplePointTemperature));
}

// The entropy first, whose range is fixed, then the enthalpy, whose range at
// that entropy it names.
void CheckHS(const InputValues& v, const Units& u, Transport) {
    const double h = v[0], s = v[1];
    const double smin = LowestEntropyHS();
    if (s < smin)
        RefuseValue(Q::Entropy, u" The entropy specified is below the allowable value smin="_s +
                                    FormattedLimit(u, Q::Entropy, smin, 6, 4));
    const double smax = HighestEntropyHS();
    if (s > smax)
        RefuseValue(Q::Entropy, u" The specified entropy is higher than the allowable value smax="_s +
                                    FormattedLimit(u, Q::Entropy, smax, 6, 4));
    if (AcceptedHS(h, s)) return;
    const std::optional<EnthalpyRange> range = EnthalpiesAt(s);
    const QString at = u" at s="_s + FormattedLimit(u, Q::Entropy, s, 6, 4);
    if (range && AboveEnthalpies(h, *range))
        RefuseValue(Q::Enthalpy, u" The specified enthalpy is higher than the allowable value  hmax="_s +
                                     FormattedLimit(u, Q::Enthalpy, range->high, 6, 2) + at);
    const double hmin = range ? range->low : h;
    RefuseValue(Q::Enthalpy, u" The enthalpy specified is below the allowable value hmin="_s +
                                 FormattedLimit(u, Q::Enthalpy, hmin, 6, 2) + at);
}

// Supercooled steam lasts below the saturation temperature up to this
// pressure, MPa: the range of IF97's metastable-vapour equation.
constexpr double HighestMetastablePressure = 10.0;

// The metastable state is honoured where steam can be supercooled: below its
// saturation temperature on the saturation line's pressures up to 10 MPa.
ModeValues ComputePT(const InputValues& v, Transport transport, const ModeOptions& options) {
    const double p = v[0], t = v[1];
    const bool supercooled =
        options.metastable && p >= TriplePointPressure && p <= HighestMetastablePressure && t < TFS::TS_P(p);
    return {StateOf(p, supercooled ? TFS::STATE_PT_METASTABLE(p, t) : TFS::STATE_PT(p, t), transport)};
}

TFS::Branch LibraryBranch(const ModeOptions& options) {
    return TFS::Branch(int(options.branch));
}

// A state of the new pairs, wet steam with its dryness.
StateValues Wet(const TFS::State& state, Transport transport) {
    return WithDryness(state.p, state, transport);
}

// The temperature of the (t, h), (t, s) and (t, v) modes spans the (p, t)
// mode's; above 50 MPa the hottest states end at 800 °C, which the library's
// stop names.
void CheckTemperatureRange(double t, const Units& u) {
    if (t > Region5Temperature || t < LowestTemperature)
        RefuseValue(Q::Temperature, u" Inadequately set temperature: T>"_s +
                                        Limit(u, Q::Temperature, Region5Temperature, "Celsius") + u" or T<"_s +
                                        Limit(u, Q::Temperature, LowestTemperature, "Celsius"));
}

void CheckTemperature(const InputValues& v, const Units& u, Transport) {
    CheckTemperatureRange(v[0], u);
}

void CheckVolume(double v) {
    if (!(v > 0)) RefuseValue(Q::SpecificVolume, u" Inadequately set specific volume: V<=0"_s);
}

void CheckPV(const InputValues& v, const Units& u, Transport) {
    CheckPressureFromHalfAKilopascal(v[0], u);
    CheckVolume(v[1]);
}

void CheckTV(const InputValues& v, const Units& u, Transport) {
    CheckTemperatureRange(v[0], u);
    CheckVolume(v[1]);
}

void CheckUV(const InputValues& v, const Units&, Transport) {
    CheckVolume(v[1]);
}

ModeValues ComputePH(const InputValues& v, Transport transport, const ModeOptions&) {
    const double p = v[0];
    const TFS::State state = TFS::STATE_PH(p, v[1]);
    StateValues s = StateOf(p, state, transport);
    // From the saturated-water to the saturated-steam enthalpy below the
    // critical pressure the state is wet steam at the saturation temperature, of
    // dryness x = (h − h′)/(h″ − h′): its heat capacity and transport properties
    // are not defined. This holds up to the critical pressure, whatever code the
    // (p, h) classification gives above 16.5292 MPa. At the ends, x = 0 and
    // x = 1, it is saturated water or saturated steam, whose transport the
    // (p, t) functions cannot give either: at its saturation temperature they
    // could not tell the phase.
    if (p < TFS::PKR && state.x >= 0 && state.x <= 1) MarkTwoPhase(s, state.x, transport);
    return {s};
}

using M = InputMode;
using S = SaturationInput;
using B = StateBranch;

// clang-format off
const QList<ModeRow> Rows = {
    {M::ByPT, S::ByPs, "- F( p, t )", "p,t", {Q::Pressure, Q::Temperature}, Place::ByPT, CheckPT, ComputePT},
    {M::ByPH, S::ByPs, "- F( p, h )", "p,h", {Q::Pressure, Q::Enthalpy}, Place::OtherStateModes, CheckPH, ComputePH},
    {M::ByPS, S::ByPs, "- F( p, s )", "p,s", {Q::Pressure, Q::Entropy}, Place::OtherStateModes, CheckPS,
     [](const InputValues& v, Transport c, const ModeOptions&) -> ModeValues { return {WithDryness(v[0], TFS::STATE_PS(v[0], v[1]), c)}; }},
    {M::ByPX, S::ByPs, "- F( p, x )", "p,x", {Q::Pressure, Q::Dryness}, Place::OtherStateModes, CheckPX,
     [](const InputValues& v, Transport c, const ModeOptions&) -> ModeValues { return {WithDryness(v[0], TFS::STATE_PX(v[0], v[1]), c)}; }},
    {M::ByTX, S::ByPs, "- F( t, x )", "t,x", {Q::Temperature, Q::Dryness}, Place::OtherStateModes, CheckTX,
     [](const InputValues& v, Transport c, const ModeOptions&) -> ModeValues {
         return {WithDryness(TFS::PS_T(v[0]), TFS::STATE_TX(v[0], v[1]), c)};
     }},
    {M::ByHS, S::ByPs, "- F( h, s )", "h,s", {Q::Enthalpy, Q::Entropy}, Place::OtherStateModes, CheckHS,
     [](const InputValues& v, Transport c, const ModeOptions&) -> ModeValues {
         const TFS::State state = TFS::STATE_HS(v[0], v[1]);
         return {WithDryness(state.p, state, c)};
     }},
    {M::ByTH, S::ByPs, "- F( t, h )", "t,h", {Q::Temperature, Q::Enthalpy}, Place::OtherStateModes, CheckTemperature,
     [](const InputValues& v, Transport c, const ModeOptions& o) -> ModeValues {
         return {Wet(TFS::STATE_TH(v[0], v[1], LibraryBranch(o)), c)};
     }, {B::Lower, B::Higher, B::Wet}, "pressure"},
    {M::ByTS, S::ByPs, "- F( t, s )", "t,s", {Q::Temperature, Q::Entropy}, Place::OtherStateModes, CheckTemperature,
     [](const InputValues& v, Transport c, const ModeOptions& o) -> ModeValues {
         return {Wet(TFS::STATE_TS(v[0], v[1], LibraryBranch(o)), c)};
     }, {B::Lower, B::Higher, B::Wet}, "pressure"},
    {M::ByPV, S::ByPs, "- F( p, v )", "p,v", {Q::Pressure, Q::SpecificVolume}, Place::OtherStateModes, CheckPV,
     [](const InputValues& v, Transport c, const ModeOptions& o) -> ModeValues {
         return {Wet(TFS::STATE_PV(v[0], v[1], LibraryBranch(o)), c)};
     }, {B::Higher, B::Lower, B::Wet}, "temperature"},
    {M::ByTV, S::ByPs, "- F( t, v )", "t,v", {Q::Temperature, Q::SpecificVolume}, Place::OtherStateModes, CheckTV,
     [](const InputValues& v, Transport c, const ModeOptions&) -> ModeValues {
         return {Wet(TFS::STATE_TV(v[0], v[1]), c)};
     }},
    {M::ByUV, S::ByPs, "- F( u, v )", "u,v", {Q::InternalEnergy, Q::SpecificVolume}, Place::OtherStateModes, CheckUV,
     [](const InputValues& v, Transport c, const ModeOptions&) -> ModeValues {
         return {Wet(TFS::STATE_UV(v[0], v[1]), c)};
     }},
    {M::Saturation, S::ByPs, "- F( ps )", "ps", {Q::Pressure}, Place::SaturatedWater, CheckPs,
     [](const InputValues& v, Transport c, const ModeOptions&) -> ModeValues { return {SaturationByPs(v[0], c)}; }},
    {M::Saturation, S::ByTs, "- F( ts )", "ts", {Q::Temperature}, Place::SaturatedWater, CheckTs,
     [](const InputValues& v, Transport c, const ModeOptions&) -> ModeValues { return {SaturationByTs(v[0], c)}; }},
};
// clang-format on

}  // namespace

const QList<ModeRow>& Modes() {
    return Rows;
}

const ModeRow* ModeOf(InputMode mode, SaturationInput saturationInput) {
    for (const ModeRow& row : Rows)
        if (row.mode == mode && (!row.saturation() || row.saturationInput == saturationInput)) return &row;
    return nullptr;
}

const ModeRow* ModeByKey(QStringView key) {
    for (const ModeRow& row : Rows)
        if (key == QLatin1String(row.key)) return &row;
    return nullptr;
}

QString BranchText(const ModeRow& mode, StateBranch branch) {
    switch (branch) {
        case StateBranch::Lower: return u"lower "_s + QLatin1String(mode.branchVariable);
        case StateBranch::Higher: return u"higher "_s + QLatin1String(mode.branchVariable);
        case StateBranch::Wet: return u"wet steam"_s;
        case StateBranch::Default: break;
    }
    return BranchText(mode, mode.branches.front());
}

QList<Quantity> InputsOf(InputMode mode, SaturationInput saturationInput) {
    const ModeRow* row = ModeOf(mode, saturationInput);
    return row != nullptr ? row->inputs : QList<Quantity>{};
}
