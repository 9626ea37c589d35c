// Turbines and pumps: expansion and compression with an isentropic efficiency.
#include "equipment_parts.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QString InletKey = u"inlet"_s, OutletPressureKey = u"outletPressure"_s;

void CheckTurbine(const Stream& inlet, double outletPressure, double isentropicEfficiency,
                  double generatorEfficiency) {
    CheckStream(inlet, InletKey, u"inlet"_s);
    CheckPressure(outletPressure, OutletPressureKey, u"outlet pressure"_s);
    if (outletPressure > inlet.p)
        Refuse(OutletPressureKey, u" The outlet pressure is above the turbine inlet's: steam does not expand uphill"_s);
    CheckEfficiency(isentropicEfficiency, u"isentropicEfficiency"_s, u"isentropic efficiency"_s);
    CheckEfficiency(generatorEfficiency, u"generatorEfficiency"_s, u"generator efficiency"_s);
}

// The powers and the balance of an expansion whose inlet, outlets and
// efficiencies are set.
Expansion Completed(Expansion e) {
    e.outlet.massFlow = e.isentropicOutlet.massFlow = e.inlet.massFlow;
    e.specificWork = e.inlet.h - e.outlet.h;
    e.shaftPower = e.inlet.massFlow * e.specificWork;
    e.generatorPower = e.shaftPower * e.generatorEfficiency;
    e.balance = BalanceSheet().in(e.inlet).out(e.outlet).energyOut(e.shaftPower).balance();
    return e;
}

// The expansion line of a turbine section: the isentropic outlet and the real
// one at the efficiency.
Expansion Expanded(const Stream& inlet, double outletPressure, double isentropicEfficiency,
                   double generatorEfficiency) {
    return Served(OutletPressureKey, [&] {
        Expansion e;
        e.inlet = inlet;
        e.isentropicOutlet = StreamFromState(TFS::STATE_PS(outletPressure, inlet.s), inlet.massFlow);
        const double h = inlet.h - isentropicEfficiency * (inlet.h - e.isentropicOutlet.h);
        e.outlet = StreamFromState(TFS::STATE_PH(outletPressure, h), inlet.massFlow);
        e.isentropicEfficiency = isentropicEfficiency;
        e.generatorEfficiency = generatorEfficiency;
        return Completed(e);
    });
}

}  // namespace

Expansion Expand(const Stream& inlet, double outletPressure, double isentropicEfficiency,
                 double generatorEfficiency) {
    CheckTurbine(inlet, outletPressure, isentropicEfficiency, generatorEfficiency);
    return Expanded(inlet, outletPressure, isentropicEfficiency, generatorEfficiency);
}

Expansion ExpandForPower(const Stream& inlet, double outletPressure, double isentropicEfficiency,
                         double generatorEfficiency, double generatorPower) {
    Stream perKilogram = inlet;
    perKilogram.massFlow = 1;
    CheckTurbine(perKilogram, outletPressure, isentropicEfficiency, generatorEfficiency);
    if (!(generatorPower >= 0) || !std::isfinite(generatorPower))
        Refuse(u"generatorPower"_s, u" Inadequately set generator power: it is negative"_s);
    const Expansion e = Expanded(perKilogram, outletPressure, isentropicEfficiency, generatorEfficiency);
    // Between equal pressures the isentropic outlet is the inlet itself: the
    // work is zero, or a rounding of the exact (p, s) state at most.
    if (outletPressure == inlet.p || !(e.generatorPower > 0))
        Refuse(OutletPressureKey, u" The turbine does no work between these pressures: no flow gives a power"_s);
    perKilogram.massFlow = generatorPower / e.generatorPower;
    Expansion solved = e;
    solved.inlet = perKilogram;
    return Completed(solved);
}

Expansion ExpandTo(const Stream& inlet, const Stream& outlet, double generatorEfficiency) {
    CheckStream(inlet, InletKey, u"inlet"_s);
    const QString outletKey = u"outlet"_s;
    if (!std::isfinite(outlet.p) || !std::isfinite(outlet.h)) Refuse(outletKey, u" The outlet has no state"_s);
    CheckEfficiency(generatorEfficiency, u"generatorEfficiency"_s, u"generator efficiency"_s);
    if (!(outlet.p < inlet.p))
        Refuse(outletKey, u" The measured outlet is not below the inlet's pressure: the steam did not expand"_s);
    if (outlet.h > inlet.h)
        Refuse(outletKey, u" The measured outlet's enthalpy is above the inlet's: the turbine did no work"_s);
    Expansion e;
    e.inlet = inlet;
    e.outlet = outlet;
    e.isentropicOutlet = Served(outletKey, [&] { return StreamFromState(TFS::STATE_PS(outlet.p, inlet.s), 0); });
    if (outlet.h < e.isentropicOutlet.h)
        Refuse(outletKey, u" The measured outlet's enthalpy is below the isentropic outlet's: an efficiency above 1"_s);
    e.isentropicEfficiency = (inlet.h - outlet.h) / (inlet.h - e.isentropicOutlet.h);
    e.generatorEfficiency = generatorEfficiency;
    return Completed(e);
}

Compression Compress(const Stream& inlet, double outletPressure, double isentropicEfficiency) {
    CheckStream(inlet, InletKey, u"inlet"_s);
    CheckPressure(outletPressure, OutletPressureKey, u"outlet pressure"_s);
    if (outletPressure < inlet.p)
        Refuse(OutletPressureKey, u" The outlet pressure is below the pump inlet's: a pump raises the pressure"_s);
    CheckEfficiency(isentropicEfficiency, u"isentropicEfficiency"_s, u"isentropic efficiency"_s);
    return Served(OutletPressureKey, [&] {
        Compression c;
        c.isentropicOutlet = StreamFromState(TFS::STATE_PS(outletPressure, inlet.s), inlet.massFlow);
        const double h = inlet.h + (c.isentropicOutlet.h - inlet.h) / isentropicEfficiency;
        c.outlet = StreamFromState(TFS::STATE_PH(outletPressure, h), inlet.massFlow);
        c.isentropicEfficiency = isentropicEfficiency;
        c.specificWork = c.outlet.h - inlet.h;
        c.power = inlet.massFlow * c.specificWork;
        c.balance = BalanceSheet().in(inlet).energyIn(c.power).out(c.outlet).balance();
        return c;
    });
}
