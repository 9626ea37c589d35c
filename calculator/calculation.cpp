// The Calculate command without its window. Each mode reads its typed values,
// checks them in the order the user meets them, computes, and formats its
// outputs; a refused value ends the run by throwing its Refusal.
#include "calculation.h"

#include "TFS.h"
#include "Tabl1.h"
#include "calculation_values.h"
#include "number_format.h"
#include "phase_text.h"
#include "stop_explanation.h"
#include "text_to_real.h"

using namespace Qt::Literals::StringLiterals;

namespace {

using Q = Quantity;

// A range test accepts a typed number exactly when it lies within the decimal
// bounds. Each bound is the double on the inner side of its decimal: the
// doubles nearest 0.0005, 0.001, 0.01 and 0.1 lie above them, and Tabl1's
// PS_MAX is the last double below 21.82.

// The highest pressure of the state modes, MPa.
constexpr double HighestPressure = 50.0;
// The coldest and the hottest state of the (p, t) mode, °C; they bound the
// entropies of the (p, s) mode too.
constexpr double LowestTemperature = 0.1, HighestTemperature = 651.0;
// The coldest saturation state: the triple point, °C.
constexpr double TriplePointTemperature = 0.01;

[[noreturn]] void RefuseValue(Quantity input, const QString& message) {
    throw Refusal{message, input};
}

// The typed number of an input; an empty input is refused with its "Insert"
// message, a text that is no number with the conversion's message.
double ReadTyped(const CalculationRequest& request, Quantity input, const QString& insertMessage) {
    const QString text = request.typed.value(input);
    if (text.isEmpty()) throw Refusal{insertMessage, input};
    try {
        return FromShown(input, TextToReal(text), request.units);
    } catch (const InvalidNumber& e) {
        throw Refusal{e.message(), input};
    }
}

// The (p, t) and (p, h) modes both start with the pressure.
double ReadPressure(const CalculationRequest& request) {
    return ReadTyped(request, Q::Pressure, u" Insert the p value"_s);
}

// A limit of a range in the user's units, "50 MPa", "500 bar". The messages
// have always spelled some units their own way in the core's units
// ("650 Celsius"): `spelled` keeps that spelling there.
QString Limit(const Units& units, Quantity q, double value, const char* spelled = nullptr) {
    const QString unit = spelled != nullptr && units == Units{} ? QString::fromLatin1(spelled) : UnitText(q, units);
    return QString::number(ToShown(q, value, units), 'g', 6) + QLatin1Char(' ') + unit;
}

// A computed limit, "hmin=50.37 kJ/kg".
QString FormattedLimit(const Units& units, Quantity q, double value, int precision, int decimals) {
    return FixedFormat(ToShown(q, value, units), precision, decimals) + QLatin1Char(' ') + UnitText(q, units);
}

// Every quantity shown in the place, in the order of the rows.
void AddValues(Outputs& out, const QuantityValues& values, Phase phase, Place place, const Units& units) {
    for (int q = 0; q < QuantityCount; ++q) {
        const Format& format = FormatOf(Quantity(q), place);
        if (format.kind == Format::Kind::None) continue;
        const double value = values[Quantity(q)];
        out.values.append({Quantity(q), phase, value, Formatted(ToShown(Quantity(q), value, units), format)});
    }
}

// The result panel and the state panel. A wet-steam mixture has no heat
// capacity or transport properties: their edits are emptied.
Outputs StateOutputs(const StateValues& s, Place place, const Units& units) {
    Outputs out;
    AddValues(out, s.values, Phase::State, place, units);
    out.phaseName = PhaseOf(s);
    out.dryness = s.values[Q::Dryness];
    out.diagram =
        StateDiagramOf(s.values[Q::Pressure], s.values[Q::Entropy], s.values[Q::Temperature], s.values[Q::Enthalpy]);
    return out;
}

Outputs RunByPT(const CalculationRequest& request) {
    const double p = ReadPressure(request);
    const double t = ReadTyped(request, Q::Temperature, u" Insert the t value"_s);
    const Units& u = request.units;
    if (p > HighestPressure || p < 0.0005)
        RefuseValue(Q::Pressure, u" Inadequately set pressure: P>"_s + Limit(u, Q::Pressure, 50) + u" or P<"_s +
                                     Limit(u, Q::Pressure, 0.0005));
    // Accepted up to 651 °C; the message keeps the rounder 650.
    if (t > HighestTemperature || t < LowestTemperature)
        RefuseValue(Q::Temperature, u" Inadequately set temperature: T>"_s + Limit(u, Q::Temperature, 650, "Celsius") +
                                        u" or T<"_s + Limit(u, Q::Temperature, 0.1, "Celsius"));
    return StateOutputs(StateByPT(p, t), Place::ByPT, u);
}

// The pressure of the (p, h), (p, s) and (p, x) modes.
void CheckPressureFromOneKilopascal(double p, const Units& u) {
    if (p > HighestPressure || p < 0.001)
        RefuseValue(Q::Pressure, u" Inadequately set pressure: P>"_s + Limit(u, Q::Pressure, 50) + u" or P<"_s +
                                     Limit(u, Q::Pressure, 0.001));
}

Outputs RunByPH(const CalculationRequest& request) {
    const double p = ReadPressure(request);
    const double h = ReadTyped(request, Q::Enthalpy, u" Insert the h value"_s);
    CheckPressureFromOneKilopascal(p, request.units);
    // A little above the enthalpy of compressed water at 0.1 °C, the coldest
    // state of the (p, t) mode, and never below 10 kJ/kg.
    double hmin = (0.9751 * p + 1.113) * 1.01;
    if (hmin < 10) hmin = 10;
    if (h < hmin)
        RefuseValue(Q::Enthalpy, u" The enthalpy specified is below the allowable value hmin="_s +
                                     FormattedLimit(request.units, Q::Enthalpy, hmin, 6, 2));
    constexpr double hmax = 3615;
    if (h > hmax)
        RefuseValue(Q::Enthalpy, u" The specified enthalpy is higher than the allowable value  hmax="_s +
                                     FormattedLimit(request.units, Q::Enthalpy, hmax, 6, 1));
    return StateOutputs(StateByPH(p, h), Place::OtherStateModes, request.units);
}

Outputs RunByPS(const CalculationRequest& request) {
    const double p = ReadPressure(request);
    const double s = ReadTyped(request, Q::Entropy, u" Insert the s value"_s);
    CheckPressureFromOneKilopascal(p, request.units);
    // Between the entropies of the coldest and the hottest state of the (p, t)
    // mode at this pressure.
    const double smin = TFS::S_PT(p, LowestTemperature);
    if (s < smin)
        RefuseValue(Q::Entropy, u" The entropy specified is below the allowable value smin="_s +
                                    FormattedLimit(request.units, Q::Entropy, smin, 6, 4));
    const double smax = TFS::S_PT(p, HighestTemperature);
    if (s > smax)
        RefuseValue(Q::Entropy, u" The specified entropy is higher than the allowable value smax="_s +
                                    FormattedLimit(request.units, Q::Entropy, smax, 6, 4));
    return StateOutputs(StateByPS(p, s), Place::OtherStateModes, request.units);
}

double ReadDryness(const CalculationRequest& request) {
    return ReadTyped(request, Q::Dryness, u" Insert the x value"_s);
}

void CheckDryness(double x) {
    if (!(x >= 0 && x <= 1)) RefuseValue(Q::Dryness, u" Inadequately set dryness: x>1 or x<0"_s);
}

Outputs RunByPX(const CalculationRequest& request) {
    const double p = ReadPressure(request);
    const double x = ReadDryness(request);
    CheckPressureFromOneKilopascal(p, request.units);
    // At and above the critical pressure liquid and vapour no longer coexist.
    if (p >= TFS::PKR)
        RefuseValue(Q::Pressure,
                    u" The state has no two phases at P>="_s + Limit(request.units, Q::Pressure, TFS::PKR));
    CheckDryness(x);
    return StateOutputs(StateByPX(p, x), Place::OtherStateModes, request.units);
}

Outputs RunByTX(const CalculationRequest& request) {
    const double t = ReadTyped(request, Q::Temperature, u" Insert the t value"_s);
    const double x = ReadDryness(request);
    const Units& u = request.units;
    if (t >= TFS::TKR)
        RefuseValue(Q::Temperature, u" The state has no two phases at T>="_s + Limit(u, Q::Temperature, TFS::TKR));
    if (t < TriplePointTemperature)
        RefuseValue(Q::Temperature, u" Inadequately set temperature: T<"_s +
                                        Limit(u, Q::Temperature, TriplePointTemperature) +
                                        u", below the triple point"_s);
    CheckDryness(x);
    return StateOutputs(StateByTX(t, x), Place::OtherStateModes, u);
}

// Both sheets.
Outputs SaturationOutputs(const SaturationValues& r, const Units& units) {
    Outputs out;
    AddValues(out, r.water, Phase::SaturatedWater, Place::SaturatedWater, units);
    AddValues(out, r.steam, Phase::SaturatedSteam, Place::SaturatedSteam, units);
    return out;
}

Outputs RunByPs(const CalculationRequest& request) {
    const double ps = ReadTyped(request, Q::Pressure, u" Insert the ps value"_s);
    // The saturation correlations by pressure end here.
    if (ps > Tabl1::PS_MAX || ps < Tabl1::PS_MIN)
        RefuseValue(Q::Pressure, u" Inadequately set pressure: Ps>"_s + Limit(request.units, Q::Pressure, 21.819) +
                                     u" or Ps<"_s + Limit(request.units, Q::Pressure, Tabl1::PS_MIN));
    return SaturationOutputs(SaturationByPs(ps), request.units);
}

Outputs RunByTs(const CalculationRequest& request) {
    const double ts = ReadTyped(request, Q::Temperature, u" Insert the ts value"_s);
    // At the critical temperature the two phases merge: no saturation state.
    if (ts >= TFS::TKR || ts < TriplePointTemperature)
        RefuseValue(Q::Temperature, u" Inadequately set temperature: Ts>"_s +
                                        Limit(request.units, Q::Temperature, 373.945) + u" or Ts<"_s +
                                        Limit(request.units, Q::Temperature, TriplePointTemperature));
    return SaturationOutputs(SaturationByTs(ts), request.units);
}

Outputs RunMode(const CalculationRequest& request) {
    switch (request.mode) {
        case InputMode::ByPT: return RunByPT(request);
        case InputMode::ByPH: return RunByPH(request);
        case InputMode::ByPS: return RunByPS(request);
        case InputMode::ByPX: return RunByPX(request);
        case InputMode::ByTX: return RunByTX(request);
        case InputMode::Saturation:
            switch (request.saturationInput) {
                case SaturationInput::ByPs: return RunByPs(request);
                case SaturationInput::ByTs: return RunByTs(request);
            }
    }
    return {};  // no item selected: nothing to calculate
}

// A library failure abandons the run. The report keeps the number the users
// of this calculator know, and adds the library's own reason.
const QString IoErrorReport = u"I/O error 105"_s;

}  // namespace

Outcome Calculate(const CalculationRequest& request) {
    try {
        return RunMode(request);
    } catch (const Refusal& refusal) {
        return refusal;
    } catch (const TFS::FatalStop& e) {
        const QString reason = QString::fromUtf8(e.what());
        return Stop{IoErrorReport, ExplanationOfStop(reason), reason};
    }
}
