// Valves, desuperheaters, heaters and coolers, headers and heat losses: the
// outlet of each from its mass and energy balance.
#include "equipment_parts.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString InletKey = u"inlet"_s, OutletPressureKey = u"outletPressure"_s;

// The outlet pressure of a valve or header: flow goes from high to low pressure.
void CheckOutletPressure(const Stream& inlet, double outletPressure, const QString& inletName) {
    CheckPressure(outletPressure, OutletPressureKey, u"outlet pressure"_s);
    if (outletPressure > inlet.p)
        Refuse(OutletPressureKey, u" The outlet pressure is above the "_s + inletName + u"'s: it would flow backwards"_s);
}

Stream AtEnthalpy(double p, double h, double massFlow) {
    return StreamFromState(TFS::STATE_PH(p, h), massFlow);
}

}  // namespace

Throttling Throttle(const Stream& inlet, double outletPressure) {
    CheckStream(inlet, InletKey, u"inlet"_s);
    CheckOutletPressure(inlet, outletPressure, u"inlet"_s);
    Throttling t;
    t.outlet = Served(OutletPressureKey, [&] { return AtEnthalpy(outletPressure, inlet.h, inlet.massFlow); });
    t.balance = BalanceSheet().in(inlet).out(t.outlet).balance();
    return t;
}

Desuperheating Desuperheat(const Stream& inlet, double outletPressure, const Stream& sprayWater,
                           double outletTemperature) {
    CheckStream(inlet, InletKey, u"inlet"_s);
    const QString sprayKey = u"spray"_s, temperatureKey = u"outletTemperature"_s;
    if (!std::isfinite(sprayWater.p) || !std::isfinite(sprayWater.h))
        Refuse(sprayKey, u" The spray water has no state"_s);
    CheckOutletPressure(inlet, outletPressure, u"inlet"_s);
    if (outletPressure > sprayWater.p)
        Refuse(sprayKey, u" The spray water's pressure is below the outlet pressure: it cannot be injected"_s);
    // Below the critical pressure, steam at or below its saturation
    // temperature condenses: that is no longer desuperheating.
    if (outletPressure < TFS::PKR && !(outletTemperature > TFS::TS_P(outletPressure)))
        Refuse(temperatureKey, u" The outlet temperature asked is not above the saturation temperature at the outlet "
                               u"pressure: the steam would condense"_s);
    const Stream outlet = Served(temperatureKey, [&] { return StreamFromState(TFS::STATE_PT(outletPressure, outletTemperature), 0); });
    if (outlet.h > inlet.h)
        Refuse(temperatureKey, u" The outlet temperature asked is above that of the inlet steam throttled to the outlet "
                               u"pressure: no spray water can heat it"_s);
    // Spray water as hot as the outlet asked, or carrying as much enthalpy, cannot cool the steam to it.
    if (!(sprayWater.t < outletTemperature) || !(sprayWater.h < outlet.h))
        Refuse(sprayKey, u" The spray water is not colder than the outlet temperature asked: it cannot cool the steam"_s);
    Desuperheating d;
    d.spray = sprayWater;
    d.spray.massFlow = inlet.massFlow * (inlet.h - outlet.h) / (outlet.h - sprayWater.h);
    d.outlet = outlet;
    d.outlet.massFlow = inlet.massFlow + d.spray.massFlow;
    d.balance = BalanceSheet().in(inlet).in(d.spray).out(d.outlet).balance();
    return d;
}

Heating Heat(const Stream& inlet, double outletPressure, const HeatTarget& target) {
    CheckStream(inlet, InletKey, u"inlet"_s);
    CheckPressure(outletPressure, OutletPressureKey, u"outlet pressure"_s);
    const QString targetKey = u"target"_s;
    const double value = target.value;
    if (!std::isfinite(value)) Refuse(targetKey, u" Insert the target value"_s);
    const double m = inlet.massFlow;
    Heating heating;
    heating.outlet = Served(targetKey, [&] {
        switch (target.kind) {
            case HeatTarget::Kind::OutletTemperature:
                if (outletPressure < TFS::PKR && value == TFS::TS_P(outletPressure))
                    Refuse(targetKey, u" The outlet temperature is the saturation temperature at the outlet pressure: it "
                                      u"does not tell the phase; give the outlet dryness"_s);
                return StreamFromState(TFS::STATE_PT(outletPressure, value), m);
            case HeatTarget::Kind::OutletDryness:
                if (!(value >= 0 && value <= 1)) Refuse(targetKey, u" Inadequately set dryness: x>1 or x<0"_s);
                if (outletPressure >= TFS::PKR)
                    Refuse(OutletPressureKey, u" The state has no two phases at P>=22.064 MPa"_s);
                return StreamFromState(TFS::STATE_PX(outletPressure, value), m);
            case HeatTarget::Kind::OutletEnthalpy: return AtEnthalpy(outletPressure, value, m);
            case HeatTarget::Kind::Duty:
                if (!(m > 0)) Refuse(InletKey + u".massFlow"_s, u" A duty heats a flow: the inlet has none"_s);
                return AtEnthalpy(outletPressure, inlet.h + value / m, m);
        }
        Refuse(targetKey, u" Choose what the heater is to reach"_s);
    });
    heating.duty = m * (heating.outlet.h - inlet.h);
    heating.balance = BalanceSheet().in(inlet).energyIn(heating.duty).out(heating.outlet).balance();
    return heating;
}

Mixing Mix(const QList<Stream>& inlets, double outletPressure) {
    if (inlets.isEmpty()) Refuse(u"inlet1"_s, u" A header needs an inlet"_s);
    double flow = 0, energy = 0;
    BalanceSheet sheet;
    for (qsizetype i = 0; i < inlets.size(); ++i) {
        const QString key = u"inlet%1"_s.arg(i + 1), name = u"inlet %1"_s.arg(i + 1);
        const Stream& inlet = inlets[i];
        CheckStream(inlet, key, name);
        CheckOutletPressure(inlet, outletPressure, name);
        flow += inlet.massFlow;
        if (inlet.massFlow != 0) energy += inlet.energyFlow();
        sheet.in(inlet);
    }
    if (!(flow > 0)) Refuse(u"inlet1.massFlow"_s, u" The inlets carry no flow: nothing is mixed"_s);
    Mixing mixing;
    mixing.outlet = Served(OutletPressureKey, [&] { return AtEnthalpy(outletPressure, energy / flow, flow); });
    mixing.balance = sheet.out(mixing.outlet).balance();
    return mixing;
}

HeatLoss LoseHeat(const Stream& inlet, double fraction) {
    CheckStream(inlet, InletKey, u"inlet"_s);
    CheckFraction(fraction, u"fraction"_s, u"fraction lost"_s);
    HeatLoss loss;
    loss.outlet = Served(u"fraction"_s, [&] { return AtEnthalpy(inlet.p, (1 - fraction) * inlet.h, inlet.massFlow); });
    loss.heatLoss = inlet.energyFlow() - loss.outlet.energyFlow();
    loss.balance = BalanceSheet().in(inlet).out(loss.outlet).energyOut(loss.heatLoss).balance();
    return loss;
}
