// The quantities the calculator knows, one row each: how the window names them,
// how their values are obtained from a state and how they are written. A
// quantity formed from others is its value here and its row in quantities.cpp.
#pragma once

#include "units.h"

#include <QString>

#include <array>
#include <cmath>
#include <limits>

// In the order of the rows of the result panel and of the saturation sheets.
enum class Quantity : int {
    Temperature,
    Pressure,
    Enthalpy,
    Entropy,
    SpecificVolume,
    Density,
    HeatCapacity,
    Conductivity,
    DynamicViscosity,
    KinematicViscosity,
    Prandtl,
    InternalEnergy,
    IsochoricHeatCapacity,
    SpeedOfSound,
    IsentropicExponent,
    ThermalExpansion,       // α_v = (1/v)(∂v/∂T)p
    Compressibility,        // κ_T = −(1/v)(∂v/∂p)T
    PressureCoefficient,    // (∂p/∂T)v
    JouleThomson,           // μ_JT = (∂T/∂p)h
    ThrottlingCoefficient,  // δ_T = (∂h/∂p)T
    GibbsEnergy,            // g = h − T s
    HelmholtzEnergy,        // f = u − T s
    CompressibilityFactor,  // Z = p v/(R T)
    ThermalDiffusivity,     // a = λ v/cp
    Exergy,                 // e = h − h0 − T0 (s − s0), of the dead state of the settings
    SurfaceTension,
    Dryness,
};
inline constexpr int QuantityCount = int(Quantity::Dryness) + 1;

// Where a value belongs: the state of a state mode, or one of the two phases
// of the saturation mode.
enum class Phase : int { State, SaturatedWater, SaturatedSteam };

// How a value is written.
struct Format {
    enum class Kind {
        None,      // not shown in this place
        Fixed,     // FixedOrExponent (precision, decimals): at least four significant digits
        Exponent,  // ExponentFormat (precision, 2)
        // Fixed, and above 10 one integer digit more and one decimal less
        WiderAboveTen,
    };
    Kind kind = Kind::None;
    int precision = 0, decimals = 0;
};

// The text of a value in a format; a value that is not defined (NaN, e.g. the
// heat capacity of wet steam) leaves its edit empty.
QString Formatted(double value, const Format& format);

// Where the value of a quantity is written.
enum class Place : int { ByPT, OtherStateModes, SaturatedWater, SaturatedSteam };

// One value for each quantity; NaN where the run computed none.
class QuantityValues {
public:
    double operator[](Quantity q) const { return values[std::size_t(q)]; }
    double& operator[](Quantity q) { return values[std::size_t(q)]; }

private:
    std::array<double, QuantityCount> values = Filled();
    static constexpr std::array<double, QuantityCount> Filled() {
        std::array<double, QuantityCount> a{};
        a.fill(std::numeric_limits<double>::quiet_NaN());
        return a;
    }
};

// What the computation of a state or of a saturated phase gives, in the core's
// units; NaN where it gives nothing. The other values are formed from these.
struct StateProperties {
    static constexpr double None = std::numeric_limits<double>::quiet_NaN();
    double p = None, t = None, h = None, s = None, v = None, cp = None, u = None, cv = None, w = None, kappa = None,
           mu = None, lambda = None, pr = None, sigma = None;
    // The derivatives of the state's equation, and g, f and Z; where the
    // library gives none, the rows form what they can from the others.
    double alphaV = None, kappaT = None, dpdT = None, muJT = None, deltaT = None, g = None, f = None, z = None;
};

struct QuantityRow {
    Quantity quantity;
    const char* name;               // "Temperature"
    const char* symbol;             // "t", as the result rows write it
    const char* inputSymbol;        // as an input's caption writes it: "s"
    const char* saturationSymbol;   // on the saturation line: "ts", "ps"
    UnitKind unit;                  // the kind of its unit
    std::array<Format, 4> formats;  // by Place
    // Its value: the given property, or, where none is given (NaN), formed from
    // the values of the rows above it; neither for a value set apart (x, and e,
    // which needs the dead state).
    double StateProperties::*given;
    double (*formed)(const QuantityValues& above);
    bool twoPhase;  // defined in a two-phase mixture, which has no heat capacity or transport properties
};

const QuantityRow& RowOf(Quantity quantity);

// A value of the quantity in the chosen units and back, and its unit's text,
// as units.h gives them for the quantity's kind of unit.
double ToShown(Quantity quantity, double internal, const Units& units);
double FromShown(Quantity quantity, double shown, const Units& units);
QString UnitText(Quantity quantity, const Units& units);

// The caption of a result row without the trailing " =": "Temperature t, C";
// on the saturation line "Temperature ts, C"; in the units the values are shown in.
QString ResultCaption(Quantity quantity, bool saturation, const Units& units = {});
// The caption of an input without the trailing " =": "p, MPa", "ps, MPa".
QString InputCaption(Quantity quantity, bool saturation, const Units& units = {});

// A symbol with the quantity's unit: "p, psi"; the symbol alone for a number: "Pr".
QString CaptionWithUnit(const QString& symbol, Quantity quantity, const Units& units);

// The value of every quantity, row by row.
QuantityValues ValuesOf(const StateProperties& given);

// The format of a quantity in a place; Kind::None where it is not shown.
const Format& FormatOf(Quantity quantity, Place place);
