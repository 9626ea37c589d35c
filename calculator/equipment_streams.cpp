// Streams from states, the checks every operation makes of its inputs, and the
// balances.
#include "equipment_parts.h"

#include "calculation.h"
#include "calculation_values.h"
#include "stop_explanation.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

Stream StreamFromState(const TFS::State& state, double massFlow) {
    // A two-phase state carries its dryness; the formulation marks a single phase with NaN.
    const bool twoPhase = state.x >= 0 && state.x <= 1 && state.p < TFS::PKR;
    return {state.p, state.t, state.h, state.s, state.v, twoPhase ? state.x : NotDefined, massFlow};
}

SaturatedStreams SaturatedAt(double p) {
    const TFS::Saturation sat = TFS::SATURATION_P(p);
    return {{sat.p, sat.t, sat.water.h, sat.water.s, sat.water.v, 0.0, 0.0},
            {sat.p, sat.t, sat.steam.h, sat.steam.s, sat.steam.v, 1.0, 0.0}};
}

void Refuse(const QString& input, const QString& message) {
    throw EquipmentRefusal{message, input};
}

void RefuseStop(const QString& input, const TFS::FatalStop& stop) {
    Refuse(input, u" IF97 cannot give this state: "_s + ExplanationOfStop(QString::fromUtf8(stop.what())));
}

void CheckStream(const Stream& stream, const QString& key, const QString& name) {
    if (!std::isfinite(stream.p) || !std::isfinite(stream.h))
        Refuse(key, u" The "_s + name + u" has no state"_s);
    if (!(stream.massFlow >= 0) || !std::isfinite(stream.massFlow))
        Refuse(key + u".massFlow"_s, u" Inadequately set mass flow of the "_s + name + u": it is negative"_s);
}

void CheckPressure(double p, const QString& key, const QString& name) {
    if (!(p >= 0.001 && p <= 100.0))
        Refuse(key, u" Inadequately set "_s + name + u": P>100 MPa or P<0.001 MPa"_s);
}

void CheckEfficiency(double value, const QString& key, const QString& name) {
    if (!(value > 0 && value <= 1)) Refuse(key, u" Inadequately set "_s + name + u": not in (0, 1]"_s);
}

void CheckFraction(double value, const QString& key, const QString& name) {
    if (!(value >= 0 && value < 1)) Refuse(key, u" Inadequately set "_s + name + u": not in [0, 1)"_s);
}

BalanceSheet& BalanceSheet::in(const Stream& s) {
    massIn += s.massFlow;
    // A stream without flow carries no energy, whatever its state.
    if (s.massFlow != 0) energyInSum += s.energyFlow();
    return *this;
}

BalanceSheet& BalanceSheet::out(const Stream& s) {
    massOut += s.massFlow;
    if (s.massFlow != 0) energyOutSum += s.energyFlow();
    return *this;
}

BalanceSheet& BalanceSheet::energyIn(double kW) {
    energyInSum += kW;
    return *this;
}

BalanceSheet& BalanceSheet::energyOut(double kW) {
    energyOutSum += kW;
    return *this;
}

namespace {

double Relative(double in, double out) {
    const double scale = std::max(std::abs(in), std::abs(out));
    return scale == 0 ? 0.0 : (in - out) / scale;
}

}  // namespace

Balance BalanceSheet::balance() const {
    return {Relative(massIn, massOut), Relative(energyInSum, energyOutSum)};
}

Stream StreamOf(const ModeRow& mode, const InputValues& values, double massFlow, const Units& units,
                const QString& key) {
    if (mode.saturation())
        Refuse(key, u" A stream is one state: give a saturated phase by (p, x) or (t, x)"_s);
    if (!(massFlow >= 0) || !std::isfinite(massFlow))
        Refuse(key + u".massFlow"_s, u" Inadequately set mass flow: it is negative"_s);
    try {
        Served(key, [&] { mode.check(values, units, Transport::IAPS1985); });
    } catch (const Refusal& refusal) {
        Refuse(key + u"."_s + QLatin1String(RowOf(refusal.input).inputSymbol), refusal.message);
    }
    // Where a pair has two states, the stream is the one the mode gives first.
    ModeOptions options;
    if (!mode.branches.isEmpty()) options.branch = mode.branches.front();
    const ModeValues computed = Served(key, [&] { return mode.compute(values, Transport::IAPS1985, options); });
    const QuantityValues& q = std::get<StateValues>(computed.values).values;
    return {q[Quantity::Pressure], q[Quantity::Temperature], q[Quantity::Enthalpy], q[Quantity::Entropy],
            q[Quantity::SpecificVolume], q[Quantity::Dryness], massFlow};
}

Stream StreamPT(double p, double t, double massFlow) {
    return Served(u"p"_s, [&] { return StreamFromState(TFS::STATE_PT(p, t), massFlow); });
}

Stream StreamPH(double p, double h, double massFlow) {
    return Served(u"p"_s, [&] { return StreamFromState(TFS::STATE_PH(p, h), massFlow); });
}

Stream StreamPS(double p, double s, double massFlow) {
    return Served(u"p"_s, [&] { return StreamFromState(TFS::STATE_PS(p, s), massFlow); });
}

Stream StreamPX(double p, double x, double massFlow) {
    return Served(u"p"_s, [&] { return StreamFromState(TFS::STATE_PX(p, x), massFlow); });
}
