// What plant equipment does to water and steam: a turbine, a pump, a valve, a
// desuperheater, a heater, a header, a flash tank, a deaerator, a boiler, a
// pipe losing heat, a counterflow exchanger, and a whole Rankine cycle, each a
// mass and energy balance on the exact states of the formulation.
//
// Units: p MPa, t °C, h kJ/kg, s kJ/(kg·K), v m³/kg, mass flow kg/s, energy
// flow, duty and power kW. Every relation is linear in the flow, so kg/h with
// kJ/h works the same. Efficiencies and fractions are fractions (0.85, not 85).
//
// A demand that no state satisfies is refused as a whole by throwing an
// EquipmentRefusal whose message names the input; a state the formulation
// cannot serve is refused the same way, with an English sentence. Nothing is
// half computed. The few limits the messages name (the formulation's pressure
// range, the critical point) are in the core's units, MPa and Celsius. Qt Core
// only: no widgets.
#pragma once

#include "modes.h"
#include "units.h"

#include <QList>
#include <QString>

#include <cmath>
#include <limits>
#include <optional>

inline constexpr double NotDefined = std::numeric_limits<double>::quiet_NaN();

// A flowing state. x is the dryness of a two-phase state (0 saturated water
// … 1 saturated steam), NaN for a single phase.
struct Stream {
    double p = NotDefined, t = NotDefined, h = NotDefined, s = NotDefined, v = NotDefined, x = NotDefined;
    double massFlow = 0;  // kg/s

    // kW, from the formulation's zero of enthalpy (liquid at the triple point).
    double energyFlow() const { return massFlow * h; }
    bool twoPhase() const { return !std::isnan(x); }
};

// The refusal of a demand: the message, as the window shows it, and the
// key of the input it names, so that the window can give that field the focus:
// a parameter's key ("outletPressure", "isentropicEfficiency"), a stream's key
// ("inlet", "spray"), or a stream's value ("inlet.massFlow", "inlet.p").
struct EquipmentRefusal {
    QString message;
    QString input;
};

// How far the balances of a result are from closing: (in − out) relative to
// the larger side, for the mass flows, and for the energy flows with the work
// and heat crossing the boundary counted on their sides. Both within 1e-9.
struct Balance {
    double mass = 0, energy = 0;
};

// The stream of a state given in a state mode of the modes table, with the
// values as the calculator reads them (core units) and checked as it checks
// them; its refusals name the limits in `units`. The saturation modes give two
// phases, not one stream: they are refused (use (p, x) or (t, x)).
// Throws EquipmentRefusal; `input` is "<key>.<symbol>" of the refused value
// ("inlet.p"), with the key given here.
Stream StreamOf(const ModeRow& mode, const InputValues& values, double massFlow, const Units& units = {},
                const QString& key = QStringLiteral("inlet"));

// A state by (p, t), (p, h), (p, s) or (p, x): the exact states of the
// formulation, as streams. A state outside IF97's range throws EquipmentRefusal
// (input "p").
Stream StreamPT(double p, double t, double massFlow);
Stream StreamPH(double p, double h, double massFlow);
Stream StreamPS(double p, double s, double massFlow);
Stream StreamPX(double p, double x, double massFlow);

// ---------------------------------------------------------------- turbine, pump
// A turbine from the inlet to the outlet pressure. h₂ = h₁ − ηs (h₁ − h₂s),
// with h₂s at the outlet pressure and the inlet's entropy.
struct Expansion {
    Stream outlet;            // the inlet's flow
    Stream isentropicOutlet;  // the ideal outlet (same flow)
    double isentropicEfficiency = NotDefined;
    double specificWork = NotDefined;    // kJ/kg, positive: h₁ − h₂
    double shaftPower = NotDefined;      // kW: inlet flow × specific work
    double generatorPower = NotDefined;  // kW: shaft power × generator efficiency
    double generatorEfficiency = NotDefined;
    Stream inlet;  // with its flow (solved by ExpandForPower)
    Balance balance;
};
// Refused: an efficiency outside (0, 1], an outlet pressure above the inlet's,
// a negative flow.
Expansion Expand(const Stream& inlet, double outletPressure, double isentropicEfficiency,
                 double generatorEfficiency = 1.0);
// The inlet flow that gives the generator power (kW), the inlet's own flow ignored.
// Refused as Expand, and where no work is done (outlet pressure = inlet's).
Expansion ExpandForPower(const Stream& inlet, double outletPressure, double isentropicEfficiency,
                         double generatorEfficiency, double generatorPower);
// The isentropic efficiency of a measured outlet state (its flow is the
// inlet's). Refused: an outlet above the inlet's pressure or enthalpy, or below
// the isentropic outlet's enthalpy (an efficiency above 1).
Expansion ExpandTo(const Stream& inlet, const Stream& outlet, double generatorEfficiency = 1.0);

// A pump or compressor: h₂ = h₁ + (h₂s − h₁)/ηs.
struct Compression {
    Stream outlet;
    Stream isentropicOutlet;
    double isentropicEfficiency = NotDefined;
    double specificWork = NotDefined;  // kJ/kg, positive: h₂ − h₁
    double power = NotDefined;         // kW: flow × specific work
    Balance balance;
};
// Refused: an efficiency outside (0, 1], an outlet pressure below the inlet's.
Compression Compress(const Stream& inlet, double outletPressure, double isentropicEfficiency);

// ---------------------------------------------------------------- valves, heaters, mixers
// A valve: isenthalpic to the outlet pressure (not above the inlet's).
struct Throttling {
    Stream outlet;
    Balance balance;
};
Throttling Throttle(const Stream& inlet, double outletPressure);

// A pressure-reducing and desuperheating valve: the spray water flow that
// brings the inlet to the outlet temperature at the outlet pressure.
// m_spray = m_in (h_in − h_out)/(h_out − h_spray).
struct Desuperheating {
    Stream spray;   // the spray water as given, with its solved flow
    Stream outlet;  // inlet flow + spray flow at (outlet pressure, outlet temperature)
    Balance balance;
};
// Refused: an outlet pressure above the inlet's, or above the spray water's;
// an outlet temperature at or below the saturation temperature of the outlet
// pressure, or above what the inlet gives by throttling alone; spray water
// not colder than the outlet temperature asked.
Desuperheating Desuperheat(const Stream& inlet, double outletPressure, const Stream& sprayWater,
                           double outletTemperature);

// What a heater, cooler, boiler or condenser is asked to reach.
struct HeatTarget {
    enum class Kind { OutletTemperature, OutletDryness, OutletEnthalpy, Duty };
    Kind kind = Kind::OutletTemperature;
    double value = NotDefined;  // °C, fraction, kJ/kg, or kW (positive heats, negative cools)
};
// The outlet and the duty (kW, positive = heat added) at the outlet pressure.
// At the saturation temperature of the outlet pressure a temperature does not
// tell the phase: give the dryness there.
struct Heating {
    Stream outlet;
    double duty = NotDefined;
    Balance balance;
};
// Refused: a temperature that is the saturation temperature, a dryness outside
// [0, 1] or at or above the critical pressure, a duty asked of a stream
// without flow, an outlet state outside IF97's range.
Heating Heat(const Stream& inlet, double outletPressure, const HeatTarget& target);

// A header: the inlets mixed by mass and energy at the outlet pressure (not
// above any inlet's).
struct Mixing {
    Stream outlet;
    Balance balance;
};
// Refused: no inlet, no flow at all.
Mixing Mix(const QList<Stream>& inlets, double outletPressure);

// A pipe or header losing a fraction of its energy flow (from the
// formulation's zero of enthalpy) at constant pressure.
struct HeatLoss {
    Stream outlet;
    double heatLoss = NotDefined;  // kW, positive
    Balance balance;
};
// Refused: a fraction outside [0, 1).
HeatLoss LoseHeat(const Stream& inlet, double fraction);

// ---------------------------------------------------------------- flash, deaerator, boiler
// A flash tank: the inlet throttled to the tank pressure parts into saturated
// steam and saturated water. An inlet that stays liquid (or stays vapour)
// leaves whole as the liquid (the vapour) at its own enthalpy, the other
// stream without flow.
struct Flashing {
    Stream vapour, liquid;
    double vapourFraction = NotDefined;  // of the inlet flow
    Balance balance;
};
// Refused: a tank pressure above the inlet's, or at or above the critical pressure.
Flashing Flash(const Stream& inlet, double tankPressure);

// A deaerator: saturated feedwater at its pressure, a vent of saturated steam
// of ventFraction × feedwater flow, and the water and steam flows (solved)
// that balance them: the given inlets' states with their flows.
struct Deaeration {
    Stream feedwater, vent, water, steam;
    Balance balance;
};
// Refused: a vent fraction outside [0, 1), a negative feedwater flow, a
// pressure at or above the critical one, an inlet below the deaerator
// pressure, water already as hot as the feedwater (it needs no steam), steam
// that cannot heat the water to saturation.
Deaeration Deaerate(double pressure, double ventFraction, double feedwaterFlow, const Stream& water,
                    const Stream& steam);

// A drum boiler making the steam stream's flow: feedwater flow = steam flow /
// (1 − blowdown fraction), the blowdown saturated water at the steam's
// pressure, the duty that heats the feedwater into both, and the fuel energy.
struct Boiling {
    Stream feedwater;  // the given feedwater with its solved flow
    Stream steam;
    Stream blowdown;
    double boilerDuty = NotDefined;  // kW
    double fuelEnergy = NotDefined;  // kW: duty / combustion efficiency
    Balance balance;
};
// Refused: a blowdown fraction outside [0, 1), a combustion efficiency outside
// (0, 1], feedwater below the steam's pressure, blowdown at or above the
// critical pressure (no drum there: a fraction 0 leaves no blowdown).
Boiling Boil(const Stream& feedwater, const Stream& steam, double blowdownFraction, double combustionEfficiency);

// ---------------------------------------------------------------- exchanger
// A counterflow heat exchanger at constant pressures, transferring the most
// heat the minimum approach allows: the hot stream is nowhere less than
// minimumApproach (K) hotter than the cold one. The pinch, where they come
// that close, lies at an end, where a stream starts to boil or condense, or
// inside a phase where the streams' heat capacity rates cross (steam near
// saturation, or near its heat capacity's peak above the critical pressure):
// the whole profile is searched. Where the formulation's regions meet, their
// equations differ by some millikelvin, and so may the approach.
struct Exchanging {
    Stream hotOutlet, coldOutlet;
    double duty = NotDefined;              // kW
    double pinchTemperature = NotDefined;  // °C: the cold stream's temperature at the pinch
    Balance balance;
};
// Refused: a negative approach, a stream without flow, a hot inlet not
// minimumApproach hotter than the cold inlet.
Exchanging Exchange(const Stream& hot, const Stream& cold, double minimumApproach);

// ---------------------------------------------------------------- Rankine cycle
// Where the closed feedwater heater's drain goes.
enum class DrainRoute {
    PumpedForward,  // pumped to the boiler pressure into the feedwater leaving the heater
    CascadedBack,   // throttled into the open heater, or the condenser without one
};

struct RankineDefinition {
    double boilerPressure = NotDefined;     // MPa
    double boilerTemperature = NotDefined;  // °C, turbine inlet
    // One of the two: the condenser pressure, or its saturation temperature.
    double condenserPressure = NotDefined;
    double condenserTemperature = NotDefined;
    double turbineEfficiency = 1.0;  // isentropic, of every turbine section
    double pumpEfficiency = 1.0;     // isentropic, of every pump
    double massFlow = 1.0;           // kg/s of steam leaving the boiler: scales the powers
    struct Reheat {
        double pressure, temperature;
    };
    std::optional<Reheat> reheat;
    std::optional<double> openHeaterPressure;  // extraction pressure of the open (mixing) heater
    struct ClosedHeater {
        double pressure;  // extraction pressure, above the open heater's
        DrainRoute drain;
    };
    std::optional<ClosedHeater> closedHeater;
};

// One numbered state of the cycle.
struct CycleState {
    int number;
    QString name;   // "Turbine inlet", "Condenser outlet", ...
    Stream stream;  // massFlow = fraction × the boiler's flow
    double fraction;  // of the boiler's flow
};

// The cycle per kg of steam leaving the boiler (kJ/kg), and powers for its flow.
// The turbine expands section by section between its inlet, the extraction and
// reheat pressures and the condenser, each section at the turbine efficiency.
// A closed heater brings the feedwater to the saturation temperature of its
// extraction and leaves its drain saturated; an open heater leaves saturated
// water at its pressure.
struct RankineResult {
    QList<CycleState> states;
    double openHeaterFraction = 0;    // extraction to the open heater, of the boiler flow
    double closedHeaterFraction = 0;  // extraction to the closed heater
    double turbineWork = NotDefined;  // kJ/kg
    double pumpWork = NotDefined;     // kJ/kg, positive
    double heatAdded = NotDefined;    // kJ/kg, boiler and reheater
    double heatRejected = NotDefined; // kJ/kg, condenser
    double netWork = NotDefined;      // kJ/kg
    double netPower = NotDefined;     // kW for the definition's flow
    double thermalEfficiency = NotDefined;
    double heatRate = NotDefined;   // kJ/kWh: 3600 / efficiency
    double steamRate = NotDefined;  // kg/kWh: 3600 / net work
    double backWorkRatio = NotDefined;  // pump work / turbine work
    // 1 − T_condenser/T_hottest, in kelvins, between the condenser's saturation
    // temperature and the hottest steam (boiler or reheat outlet).
    double carnotEfficiency = NotDefined;
    Balance balance;  // of the whole cycle: heat in − heat out − net work
};
// Refused: efficiencies outside (0, 1], pressures out of order (condenser <
// open heater < closed heater < boiler; reheat between condenser and boiler),
// a turbine inlet not superheated (above the critical pressure: not above the
// critical temperature), a condenser given both or neither way, a reheat
// temperature not above the high-pressure turbine's outlet, heaters whose
// steam cannot heat their water. The refusal's input is the definition's
// member: "boilerPressure", "boilerTemperature", "condenserPressure",
// "condenserTemperature", "turbineEfficiency", "pumpEfficiency", "massFlow",
// "reheatPressure", "reheatTemperature", "openHeaterPressure",
// "closedHeaterPressure".
RankineResult RankineCycle(const RankineDefinition& definition);

// ---------------------------------------------------------------- the table of operations
// The window builds the form of an operation from its row: the streams it
// takes, typed in any state mode, and its parameters; it runs the row and
// shows every stream and figure of the result.
enum class Operation {
    Turbine,
    TurbineForPower,
    TurbineTest,
    Pump,
    Valve,
    Desuperheater,
    Heater,
    Header,
    HeatLoss,
    FlashTank,
    Deaerator,
    Boiler,
    Exchanger,
};

// The kind of a parameter or figure, and so its unit: Pressure, Temperature
// and Enthalpy are those of the quantities (Quantity::Pressure, …); a
// temperature difference is in K (or °F degrees); Fraction is a plain number
// (efficiency, fraction, dryness); MassFlow kg/s; Power kW (power, duty).
enum class ParameterKind {
    Pressure,
    Temperature,
    TemperatureDifference,
    Enthalpy,
    SpecificWork,  // kJ/kg
    Fraction,
    MassFlow,
    Power,
};

// One of the values a parameter can be given as (the heater's target).
struct ParameterChoice {
    const char* caption;  // "Outlet temperature"
    ParameterKind kind;
};

struct ParameterRow {
    const char* key;      // "outletPressure": names it in refusals and settings
    const char* caption;  // "Outlet pressure"
    ParameterKind kind;   // with choices: that of the first
    double typical;       // a first value for an empty form, in the core's units
    QList<ParameterChoice> choices;  // none, or the kinds the user picks one of (the heater: by HeatTarget::Kind)
};

struct StreamRow {
    const char* key;      // "inlet": names it in refusals
    const char* caption;  // "Inlet steam"
    bool flowGiven;       // the mass flow is typed; false: solved (spray water, deaerator inlets)
};

// What the window passes: the streams in the order of the row's streams (a
// header takes any number, at least one), and each parameter's value with the
// index of its choice (0 without choices).
struct OperationInput {
    QList<Stream> streams;
    struct Value {
        double value = NotDefined;
        int choice = 0;
    };
    QList<Value> parameters;
};

// What the window shows: every stream as a row, every figure with its kind.
struct NamedStream {
    QString name;  // "Outlet", "Isentropic outlet"
    Stream stream;
};
struct NamedFigure {
    QString name;  // "Shaft power"
    ParameterKind kind;
    double value;
};
struct OperationResult {
    QList<NamedStream> streams;
    QList<NamedFigure> figures;
    Balance balance;
};

struct OperationRow {
    Operation operation;
    const char* name;      // as shown: "Turbine"
    const char* function;  // the function of this header it runs: "Expand"
    QList<StreamRow> streams;
    bool anyNumberOfStreams;  // the header: more inlets like the last
    QList<ParameterRow> parameters;
    // Runs the operation; throws EquipmentRefusal.
    OperationResult (*run)(const OperationInput& input);
};

// Every operation, in the order the window lists them.
const QList<OperationRow>& Operations();
const OperationRow& OperationRowOf(Operation operation);
