// Vessels where water and steam part or meet at saturation: the flash tank,
// the deaerator and the drum boiler.
#include "equipment_parts.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// A vessel holding both phases: below the critical pressure.
void CheckSaturationPressure(double p, const QString& key, const QString& name) {
    CheckPressure(p, key, name);
    if (p >= TFS::PKR) Refuse(key, u" The "_s + name + u" is not below the critical pressure 22.064 MPa: no two phases"_s);
}

void CheckState(const Stream& stream, const QString& key, const QString& name) {
    if (!std::isfinite(stream.p) || !std::isfinite(stream.h)) Refuse(key, u" The "_s + name + u" has no state"_s);
}

Stream WithFlow(Stream stream, double massFlow) {
    stream.massFlow = massFlow;
    return stream;
}

}  // namespace

Flashing Flash(const Stream& inlet, double tankPressure) {
    const QString pressureKey = u"tankPressure"_s;
    CheckStream(inlet, u"inlet"_s, u"inlet"_s);
    CheckSaturationPressure(tankPressure, pressureKey, u"tank pressure"_s);
    if (tankPressure > inlet.p)
        Refuse(pressureKey, u" The tank pressure is above the inlet's: nothing flows into the tank"_s);
    return Served(pressureKey, [&] {
        const SaturatedStreams sat = SaturatedAt(tankPressure);
        const double m = inlet.massFlow;
        Flashing f;
        f.vapourFraction = (inlet.h - sat.water.h) / (sat.steam.h - sat.water.h);
        f.vapour = sat.steam;
        f.liquid = sat.water;
        // An inlet that does not reach the dome at the tank pressure leaves whole, as it is.
        if (f.vapourFraction <= 0) {
            f.vapourFraction = 0;
            f.liquid = StreamFromState(TFS::STATE_PH(tankPressure, inlet.h), m);
        } else if (f.vapourFraction >= 1) {
            f.vapourFraction = 1;
            f.vapour = StreamFromState(TFS::STATE_PH(tankPressure, inlet.h), m);
        } else {
            f.vapour.massFlow = f.vapourFraction * m;
            f.liquid.massFlow = m - f.vapour.massFlow;
        }
        f.balance = BalanceSheet().in(inlet).out(f.vapour).out(f.liquid).balance();
        return f;
    });
}

Deaeration Deaerate(double pressure, double ventFraction, double feedwaterFlow, const Stream& water,
                    const Stream& steam) {
    const QString pressureKey = u"pressure"_s, waterKey = u"water"_s, steamKey = u"steam"_s;
    CheckSaturationPressure(pressure, pressureKey, u"deaerator pressure"_s);
    CheckFraction(ventFraction, u"ventFraction"_s, u"vent fraction"_s);
    if (!(feedwaterFlow >= 0) || !std::isfinite(feedwaterFlow))
        Refuse(u"feedwaterFlow"_s, u" Inadequately set feedwater flow: it is negative"_s);
    CheckState(water, waterKey, u"water"_s);
    CheckState(steam, steamKey, u"heating steam"_s);
    if (water.p < pressure) Refuse(waterKey, u" The water is below the deaerator pressure: it cannot enter"_s);
    if (steam.p < pressure) Refuse(steamKey, u" The heating steam is below the deaerator pressure: it cannot enter"_s);
    const SaturatedStreams sat = Served(pressureKey, [&] { return SaturatedAt(pressure); });
    // Per kilogram of feedwater, 1 + vent of water and steam enter; they must
    // bring the enthalpy of the feedwater and the vent, h_mixed each.
    const double hMixed = (sat.water.h + ventFraction * sat.steam.h) / (1 + ventFraction);
    if (!(water.h < hMixed))
        Refuse(waterKey, u" The water is already as hot as the deaerator's saturated feedwater: it needs no steam"_s);
    if (!(steam.h > hMixed))
        Refuse(steamKey, u" The steam cannot heat the water to the deaerator's saturation: it is not hot enough"_s);
    const double inflow = (1 + ventFraction) * feedwaterFlow;
    Deaeration d;
    d.feedwater = WithFlow(sat.water, feedwaterFlow);
    d.vent = WithFlow(sat.steam, ventFraction * feedwaterFlow);
    d.steam = WithFlow(steam, inflow * (hMixed - water.h) / (steam.h - water.h));
    d.water = WithFlow(water, inflow - d.steam.massFlow);
    d.balance = BalanceSheet().in(d.water).in(d.steam).out(d.feedwater).out(d.vent).balance();
    return d;
}

Boiling Boil(const Stream& feedwater, const Stream& steam, double blowdownFraction, double combustionEfficiency) {
    const QString feedwaterKey = u"feedwater"_s, steamKey = u"steam"_s, blowdownKey = u"blowdownFraction"_s;
    CheckState(feedwater, feedwaterKey, u"feedwater"_s);
    CheckStream(steam, steamKey, u"steam"_s);
    CheckFraction(blowdownFraction, blowdownKey, u"blowdown fraction"_s);
    CheckEfficiency(combustionEfficiency, u"combustionEfficiency"_s, u"combustion efficiency"_s);
    if (feedwater.p < steam.p)
        Refuse(feedwaterKey, u" The feedwater is below the steam's pressure: it cannot enter the boiler"_s);
    if (blowdownFraction > 0 && steam.p >= TFS::PKR)
        Refuse(blowdownKey, u" A boiler above the critical pressure has no drum to blow down: set the fraction to 0"_s);
    Boiling b;
    b.steam = steam;
    b.feedwater = WithFlow(feedwater, steam.massFlow / (1 - blowdownFraction));
    // Without blowdown there is no saturated water to name above the critical pressure.
    b.blowdown = steam.p < TFS::PKR ? Served(steamKey, [&] { return SaturatedAt(steam.p).water; }) : Stream{steam.p};
    b.blowdown.massFlow = b.feedwater.massFlow - steam.massFlow;
    b.boilerDuty = b.steam.energyFlow() - b.feedwater.energyFlow() + (b.blowdown.massFlow != 0 ? b.blowdown.energyFlow() : 0.0);
    b.fuelEnergy = b.boilerDuty / combustionEfficiency;
    b.balance = BalanceSheet().in(b.feedwater).energyIn(b.boilerDuty).out(b.steam).out(b.blowdown).balance();
    return b;
}
