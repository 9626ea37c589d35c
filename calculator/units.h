// The units the user chooses to see values in: the pressure's, the
// temperature's, and SI or US customary for every other quantity. The core
// computes in its own units (p MPa, t °C, h kJ/kg, s kJ/(kg·K), ...); values
// are converted only where they are shown or typed.
#pragma once

#include <QString>

class QSettings;

// The kind of unit a value is shown in, each with its SI and its US customary
// unit: an entropy and a heat capacity share kJ/(kg·K), a kinematic viscosity
// and a diffusivity m²/s.
enum class UnitKind {
    Pressure,                // MPa, kPa, bar, psi, absolute or gauge
    Temperature,             // °C, K, °F
    MassFlow,                // kg/s, t/h, lb/h
    Power,                   // kW, MW, Btu/h: a duty, a power, an energy flow
    SpecificEnergy,          // kJ/kg
    SpecificHeat,            // kJ/(kg·K)
    SpecificVolume,          // m³/kg
    Density,                 // kg/m³
    Conductivity,            // W/(m·K)
    Viscosity,               // Pa·s
    Diffusivity,             // m²/s
    SurfaceTension,          // N/m
    Speed,                   // m/s
    HeatRate,                // kJ/kWh, Btu/kWh: heat added per unit of work
    SteamRate,               // kg/kWh, lb/kWh: steam per unit of work
    PerTemperature,          // 1/K: an expansion coefficient
    PerPressure,             // 1/MPa: a compressibility
    PressurePerTemperature,  // MPa/K
    TemperaturePerPressure,  // K/MPa: the Joule–Thomson coefficient
    EnergyPerPressure,       // kJ/(kg·MPa): the isothermal throttling coefficient
    None,                    // a number without unit: Pr, κ, x
};

// Absolute, then gauge: above the atmospheric pressure of the settings.
enum class PressureUnit { MPa, KPa, Bar, Psi, MPaGauge, KPaGauge, BarGauge, Psig };
enum class TemperatureUnit { Celsius, Kelvin, Fahrenheit };
// The flows of equipment: a plant reads its steam in t/h or lb/h, its power in
// MW or Btu/h.
enum class MassFlowUnit { KilogramPerSecond, TonnePerHour, PoundPerHour };
enum class PowerUnit { Kilowatt, Megawatt, BtuPerHour };
// The unit system of every quantity other than pressure and temperature.
enum class UnitSystem { SI, US };

// The standard atmosphere, MPa: the default zero of the gauge pressures.
inline constexpr double StandardAtmosphere = 0.101325;

// The default is the core's own units, in which the window has always shown
// its values.
struct Units {
    PressureUnit pressure = PressureUnit::MPa;
    TemperatureUnit temperature = TemperatureUnit::Celsius;
    UnitSystem system = UnitSystem::SI;
    MassFlowUnit massFlow = MassFlowUnit::KilogramPerSecond;
    PowerUnit power = PowerUnit::Kilowatt;
    // The absolute pressure a gauge reads zero at, MPa.
    double atmosphere = StandardAtmosphere;

    bool operator==(const Units&) const = default;
    // Every value of a state in the core's units, whatever the atmosphere; the
    // flows' units, which no state has, leave a state's texts as they are.
    bool core() const {
        return pressure == PressureUnit::MPa && temperature == TemperatureUnit::Celsius && system == UnitSystem::SI;
    }
};

// The range of the atmospheric pressure the settings accept, MPa: from above
// the highest summits to below the deepest mines.
inline constexpr double LowestAtmosphere = 0.03, HighestAtmosphere = 0.12;

// A value of the core in the chosen units and back. With the default units
// both return the value itself, bit for bit.
double ToShown(UnitKind kind, double internal, const Units& units);
double FromShown(UnitKind kind, double shown, const Units& units);

// The unit as the window spells it, in ASCII: "MPa", "F", "Btu/(lb.F)"; "" for
// a number without unit.
QString UnitText(UnitKind kind, const Units& units);

// The keys units/pressure (MPa|kPa|bar|psi|MPa g|kPa g|bar g|psig),
// units/temperature (C|K|F), units/system (SI|US), units/massFlow
// (kg/s|t/h|lb/h), units/power (kW|MW|Btu/h) and units/atmosphere (MPa); a
// missing or unknown value, or an atmosphere out of its range, reads as the
// default.
Units LoadUnits(QSettings& settings);
void SaveUnits(QSettings& settings, const Units& units);
