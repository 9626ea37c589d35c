// The table of operations: what each takes and shows, and how it runs.
#include "equipment.h"

namespace {

using K = ParameterKind;

double Value(const OperationInput& in, int i) {
    return in.parameters.value(i).value;
}

NamedFigure Figure(const char* name, ParameterKind kind, double value) {
    return {QString::fromLatin1(name), kind, value};
}

NamedStream Named(const char* name, const Stream& stream) {
    return {QString::fromLatin1(name), stream};
}

OperationResult Shown(const Expansion& e) {
    return {{Named("Inlet", e.inlet), Named("Outlet", e.outlet), Named("Isentropic outlet", e.isentropicOutlet)},
            {Figure("Isentropic efficiency", K::Fraction, e.isentropicEfficiency),
             Figure("Specific work", K::SpecificWork, e.specificWork), Figure("Shaft power", K::Power, e.shaftPower),
             Figure("Generator power", K::Power, e.generatorPower)},
            e.balance};
}

OperationResult RunTurbine(const OperationInput& in) {
    return Shown(Expand(in.streams.value(0), Value(in, 0), Value(in, 1), Value(in, 2)));
}

OperationResult RunTurbineForPower(const OperationInput& in) {
    return Shown(ExpandForPower(in.streams.value(0), Value(in, 0), Value(in, 1), Value(in, 2), Value(in, 3)));
}

OperationResult RunTurbineTest(const OperationInput& in) {
    return Shown(ExpandTo(in.streams.value(0), in.streams.value(1), Value(in, 0)));
}

OperationResult RunPump(const OperationInput& in) {
    const Stream& inlet = in.streams.value(0);
    const Compression c = Compress(inlet, Value(in, 0), Value(in, 1));
    return {{Named("Inlet", inlet), Named("Outlet", c.outlet), Named("Isentropic outlet", c.isentropicOutlet)},
            {Figure("Specific work", K::SpecificWork, c.specificWork), Figure("Power", K::Power, c.power)},
            c.balance};
}

OperationResult RunValve(const OperationInput& in) {
    const Stream& inlet = in.streams.value(0);
    const Throttling t = Throttle(inlet, Value(in, 0));
    return {{Named("Inlet", inlet), Named("Outlet", t.outlet)}, {}, t.balance};
}

OperationResult RunDesuperheater(const OperationInput& in) {
    const Stream& inlet = in.streams.value(0);
    const Desuperheating d = Desuperheat(inlet, Value(in, 0), in.streams.value(1), Value(in, 1));
    return {{Named("Inlet", inlet), Named("Spray water", d.spray), Named("Outlet", d.outlet)},
            {Figure("Spray water flow", K::MassFlow, d.spray.massFlow)},
            d.balance};
}

OperationResult RunHeater(const OperationInput& in) {
    const Stream& inlet = in.streams.value(0);
    const OperationInput::Value target = in.parameters.value(1);
    const Heating h = Heat(inlet, Value(in, 0), {HeatTarget::Kind(target.choice), target.value});
    return {{Named("Inlet", inlet), Named("Outlet", h.outlet)}, {Figure("Duty", K::Power, h.duty)}, h.balance};
}

OperationResult RunHeader(const OperationInput& in) {
    const Mixing m = Mix(in.streams, Value(in, 0));
    OperationResult shown{{}, {}, m.balance};
    for (qsizetype i = 0; i < in.streams.size(); ++i)
        shown.streams.append({QStringLiteral("Inlet %1").arg(i + 1), in.streams[i]});
    shown.streams.append(Named("Outlet", m.outlet));
    return shown;
}

OperationResult RunHeatLoss(const OperationInput& in) {
    const Stream& inlet = in.streams.value(0);
    const HeatLoss l = LoseHeat(inlet, Value(in, 0));
    return {{Named("Inlet", inlet), Named("Outlet", l.outlet)}, {Figure("Heat loss", K::Power, l.heatLoss)}, l.balance};
}

OperationResult RunFlashTank(const OperationInput& in) {
    const Stream& inlet = in.streams.value(0);
    const Flashing f = Flash(inlet, Value(in, 0));
    return {{Named("Inlet", inlet), Named("Flash steam", f.vapour), Named("Liquid", f.liquid)},
            {Figure("Vapour fraction", K::Fraction, f.vapourFraction)},
            f.balance};
}

OperationResult RunDeaerator(const OperationInput& in) {
    const Deaeration d = Deaerate(Value(in, 0), Value(in, 1), Value(in, 2), in.streams.value(0), in.streams.value(1));
    return {{Named("Water", d.water), Named("Heating steam", d.steam), Named("Feedwater", d.feedwater),
             Named("Vent", d.vent)},
            {Figure("Steam flow", K::MassFlow, d.steam.massFlow), Figure("Water flow", K::MassFlow, d.water.massFlow)},
            d.balance};
}

OperationResult RunBoiler(const OperationInput& in) {
    const Boiling b = Boil(in.streams.value(0), in.streams.value(1), Value(in, 0), Value(in, 1));
    return {{Named("Feedwater", b.feedwater), Named("Steam", b.steam), Named("Blowdown", b.blowdown)},
            {Figure("Boiler duty", K::Power, b.boilerDuty), Figure("Fuel energy", K::Power, b.fuelEnergy)},
            b.balance};
}

OperationResult RunExchanger(const OperationInput& in) {
    const Stream &hot = in.streams.value(0), &cold = in.streams.value(1);
    const Exchanging x = Exchange(hot, cold, Value(in, 0));
    return {{Named("Hot inlet", hot), Named("Hot outlet", x.hotOutlet), Named("Cold inlet", cold),
             Named("Cold outlet", x.coldOutlet)},
            {Figure("Duty", K::Power, x.duty), Figure("Pinch, cold side", K::Temperature, x.pinchTemperature)},
            x.balance};
}

using O = Operation;

const ParameterRow OutletPressure{"outletPressure", "Outlet pressure", K::Pressure, 1.0, {}};
const ParameterRow TurbineEfficiency{"isentropicEfficiency", "Isentropic efficiency", K::Fraction, 0.85, {}};
const ParameterRow GeneratorEfficiency{"generatorEfficiency", "Generator efficiency", K::Fraction, 0.98, {}};

// clang-format off
const QList<OperationRow> Rows = {
    {O::Turbine, "Turbine", "Expand", {{"inlet", "Inlet steam", true}}, false,
     {OutletPressure, TurbineEfficiency, GeneratorEfficiency}, RunTurbine},
    {O::TurbineForPower, "Turbine for a power", "ExpandForPower", {{"inlet", "Inlet steam", false}}, false,
     {OutletPressure, TurbineEfficiency, GeneratorEfficiency,
      {"generatorPower", "Generator power", K::Power, 10000.0, {}}}, RunTurbineForPower},
    {O::TurbineTest, "Turbine test", "ExpandTo", {{"inlet", "Inlet steam", true}, {"outlet", "Measured outlet", false}},
     false, {GeneratorEfficiency}, RunTurbineTest},
    {O::Pump, "Pump or compressor", "Compress", {{"inlet", "Inlet", true}}, false,
     {{"outletPressure", "Outlet pressure", K::Pressure, 10.0, {}},
      {"isentropicEfficiency", "Isentropic efficiency", K::Fraction, 0.8, {}}}, RunPump},
    {O::Valve, "Valve", "Throttle", {{"inlet", "Inlet", true}}, false, {OutletPressure}, RunValve},
    {O::Desuperheater, "Desuperheater", "Desuperheat", {{"inlet", "Inlet steam", true}, {"spray", "Spray water", false}},
     false, {OutletPressure, {"outletTemperature", "Outlet temperature", K::Temperature, 200.0, {}}},
     RunDesuperheater},
    {O::Heater, "Heater or cooler", "Heat", {{"inlet", "Inlet", true}}, false,
     {OutletPressure,
      {"target", "Target", K::Temperature, 200.0,
       {{"Outlet temperature", K::Temperature}, {"Outlet dryness", K::Fraction}, {"Outlet enthalpy", K::Enthalpy},
        {"Duty", K::Power}}}}, RunHeater},
    {O::Header, "Header or mixer", "Mix", {{"inlet1", "Inlet 1", true}, {"inlet2", "Inlet 2", true}}, true,
     {OutletPressure}, RunHeader},
    {O::HeatLoss, "Heat loss", "LoseHeat", {{"inlet", "Inlet", true}}, false,
     {{"fraction", "Fraction of the energy flow lost", K::Fraction, 0.02, {}}}, RunHeatLoss},
    {O::FlashTank, "Flash tank", "Flash", {{"inlet", "Inlet water", true}}, false,
     {{"tankPressure", "Tank pressure", K::Pressure, 0.3, {}}}, RunFlashTank},
    {O::Deaerator, "Deaerator", "Deaerate", {{"water", "Water", false}, {"steam", "Heating steam", false}}, false,
     {{"pressure", "Deaerator pressure", K::Pressure, 0.2, {}},
      {"ventFraction", "Vent fraction of the feedwater", K::Fraction, 0.005, {}},
      {"feedwaterFlow", "Feedwater flow", K::MassFlow, 10.0, {}}}, RunDeaerator},
    {O::Boiler, "Boiler", "Boil", {{"feedwater", "Feedwater", false}, {"steam", "Steam", true}}, false,
     {{"blowdownFraction", "Blowdown fraction of the feedwater", K::Fraction, 0.02, {}},
      {"combustionEfficiency", "Combustion efficiency", K::Fraction, 0.88, {}}}, RunBoiler},
    {O::Exchanger, "Heat exchanger", "Exchange", {{"hot", "Hot stream", true}, {"cold", "Cold stream", true}}, false,
     {{"minimumApproach", "Minimum approach", K::TemperatureDifference, 10.0, {}}}, RunExchanger},
};
// clang-format on

}  // namespace

const QList<OperationRow>& Operations() {
    return Rows;
}

const OperationRow& OperationRowOf(Operation operation) {
    for (const OperationRow& row : Rows)
        if (row.operation == operation) return row;
    return Rows.front();
}
