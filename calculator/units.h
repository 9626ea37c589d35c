// The units the user chooses to see values in: the pressure's, the
// temperature's, and SI or US customary for every other quantity. The core
// computes in its own units (p MPa, t °C, h kJ/kg, s kJ/(kg·K), ...); values
// are converted only where they are shown or typed.
#pragma once

#include <QString>

class QSettings;
enum class Quantity : int;

// What a quantity measures, and so which unit it is shown in. Heat capacities
// share the entropy's kJ/(kg·K).
enum class Dimension {
    Pressure,
    Temperature,
    SpecificEnergy,
    SpecificEntropy,
    SpecificVolume,
    Density,
    Conductivity,
    DynamicViscosity,
    KinematicViscosity,
    SurfaceTension,
    Speed,
    None,  // a number without unit: Pr, κ, x
};

enum class PressureUnit { MPa, KPa, Bar, Psi };
enum class TemperatureUnit { Celsius, Kelvin, Fahrenheit };
// The unit system of every quantity other than pressure and temperature.
enum class UnitSystem { SI, US };

// The default is the core's own units, in which the window has always shown
// its values.
struct Units {
    PressureUnit pressure = PressureUnit::MPa;
    TemperatureUnit temperature = TemperatureUnit::Celsius;
    UnitSystem system = UnitSystem::SI;

    bool operator==(const Units&) const = default;
};

// A value of the core in the chosen units and back. With the default units
// both return the value itself, bit for bit.
double ToShown(Quantity quantity, double internal, const Units& units);
double FromShown(Quantity quantity, double shown, const Units& units);

// The unit as the window spells it, in ASCII: "MPa", "F", "Btu/(lb.F)"; "" for
// a number without unit.
QString UnitText(Quantity quantity, const Units& units);

// The keys units/pressure (MPa|kPa|bar|psi), units/temperature (C|K|F) and
// units/system (SI|US); a missing or unknown value reads as the default.
Units LoadUnits(QSettings& settings);
void SaveUnits(QSettings& settings, const Units& units);
