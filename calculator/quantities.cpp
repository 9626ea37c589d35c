#include "quantities.h"

#include "number_format.h"

#include <QStringList>

namespace {

using K = Format::Kind;
constexpr Format None{};
constexpr Format Fixed(int precision, int decimals) {
    return {K::Fixed, precision, decimals};
}
constexpr Format Exponent(int precision) {
    return {K::Exponent, precision, 2};
}
constexpr Format WiderAboveTen(int precision, int decimals) {
    return {K::WiderAboveTen, precision, decimals};
}

using P = StateProperties;
using Values = QuantityValues;
constexpr bool InTwoPhases = true, NotInTwoPhases = false;

// cp comes in kJ/(kg·K); the Prandtl number needs J/(kg·K).
constexpr double JoulesPerKilojoule = 1000.0;

// Pr = ν·cp/(λ·v) with every quantity in SI units (ν/v = μ).
double PrandtlNumber(const Values& q) {
    return q[Quantity::KinematicViscosity] * q[Quantity::HeatCapacity] * JoulesPerKilojoule /
           (q[Quantity::Conductivity] * q[Quantity::SpecificVolume]);
}

// The specific gas constant of IF97, kJ/(kg·K), and the kelvin of 0 °C.
constexpr double GasConstant = 0.461526;
constexpr double ZeroCelsius = 273.15;
// p·v in MPa·m³/kg is in MJ/kg; v/cp in m³·K/kJ is in K/kPa.
constexpr double KilojoulesPerMegajoule = 1000.0, KilopascalsPerMegapascal = 1000.0;

double Kelvin(const Values& q) {
    return q[Quantity::Temperature] + ZeroCelsius;
}

// The identities of thermodynamics between the derivatives: (∂p/∂T)v = α_v/κ_T,
// μ_JT = v (T α_v − 1)/cp, δ_T = −μ_JT cp.
double PressureCoefficient(const Values& q) {
    return q[Quantity::ThermalExpansion] / q[Quantity::Compressibility];
}
double JouleThomson(const Values& q) {
    return q[Quantity::SpecificVolume] * (Kelvin(q) * q[Quantity::ThermalExpansion] - 1) / q[Quantity::HeatCapacity] *
           KilopascalsPerMegapascal;
}
double ThrottlingCoefficient(const Values& q) {
    return -q[Quantity::JouleThomson] * q[Quantity::HeatCapacity];
}
double CompressibilityFactor(const Values& q) {
    return q[Quantity::Pressure] * q[Quantity::SpecificVolume] * KilojoulesPerMegajoule / (GasConstant * Kelvin(q));
}
// a = λ v/cp with cp in J/(kg·K).
double ThermalDiffusivity(const Values& q) {
    return q[Quantity::Conductivity] * q[Quantity::SpecificVolume] / (q[Quantity::HeatCapacity] * JoulesPerKilojoule);
}

// The formats by place: the (p, t) mode, the other modes of the state, the
// saturated water and the saturated steam sheet.
// clang-format off
const QuantityRow Rows[QuantityCount] = {
    // quantity                      name                            symbol  input   on the line  unit
    {Quantity::Temperature,        "Temperature",                    "t",    "t",    "ts",   UnitKind::Temperature,
     {Fixed(5, 1),                 Fixed(5, 1),                Fixed(6, 2),          Fixed(6, 2)},
     &P::t, nullptr, InTwoPhases},
    {Quantity::Pressure,           "Pressure",                       "p",    "p",    "ps",   UnitKind::Pressure,
     {Fixed(7, 4),                 Fixed(7, 4),                WiderAboveTen(5, 4),  WiderAboveTen(5, 4)},
     &P::p, nullptr, InTwoPhases},
    {Quantity::Enthalpy,           "Enthalpy",                       "h",    "h",    "h",    UnitKind::SpecificEnergy,
     {Fixed(6, 2),                 Fixed(6, 2),                Fixed(6, 1),          Fixed(6, 1)},
     &P::h, nullptr, InTwoPhases},
    {Quantity::Entropy,            "Entropy",                        "S",    "s",    "S",    UnitKind::SpecificHeat,
     {Fixed(5, 3),                 Fixed(5, 3),                Fixed(5, 3),          Fixed(5, 3)},
     &P::s, nullptr, InTwoPhases},
    {Quantity::SpecificVolume,     "Specific volume",                "V",    "v",    "V",    UnitKind::SpecificVolume,
     {Exponent(4),                 Exponent(4),                Exponent(4),          Exponent(4)},
     &P::v, nullptr, InTwoPhases},
    {Quantity::Density,            "Density",                        "Ro",   "Ro",   "Ro",   UnitKind::Density,
     {Fixed(8, 4),                 Fixed(6, 2),                Fixed(5, 2),          Fixed(5, 2)},
     nullptr, [](const Values& q) { return 1 / q[Quantity::SpecificVolume]; }, InTwoPhases},
    {Quantity::HeatCapacity,       "Heat capacity",                  "Cp",   "Cp",   "Cp",   UnitKind::SpecificHeat,
     {Fixed(6, 3),                 Fixed(6, 3),                Fixed(6, 3),          Fixed(6, 3)},
     &P::cp, nullptr, NotInTwoPhases},
    {Quantity::Conductivity,       "Thermal conductivity",           "Lmb",  "Lmb",  "Lmb",  UnitKind::Conductivity,
     {Fixed(5, 4),                 Fixed(5, 4),                Fixed(5, 4),          Fixed(5, 4)},
     &P::lambda, nullptr, NotInTwoPhases},
    {Quantity::DynamicViscosity,   "Dynamic viscosity",              "Miu",  "Miu",  "Miu",  UnitKind::Viscosity,
     {Exponent(4),                 Exponent(4),                Exponent(4),          Exponent(4)},
     &P::mu, nullptr, NotInTwoPhases},
    {Quantity::KinematicViscosity, "Kinematic viscosity",            "Niu",  "Niu",  "Niu",  UnitKind::Diffusivity,
     {Exponent(4),                 Exponent(4),                Exponent(4),          Exponent(4)},
     nullptr, [](const Values& q) { return q[Quantity::DynamicViscosity] / q[Quantity::Density]; }, NotInTwoPhases},
    {Quantity::Prandtl,            "Prandtl number",                 "Pr",   "Pr",   "Pr",   UnitKind::None,
     {Fixed(4, 2),                 Fixed(4, 2),                Fixed(5, 3),          Fixed(5, 4)},
     &P::pr, PrandtlNumber, NotInTwoPhases},
    {Quantity::InternalEnergy,     "Internal energy",                "u",    "u",    "u",    UnitKind::SpecificEnergy,
     {Fixed(6, 2),                 Fixed(6, 2),                Fixed(6, 1),          Fixed(6, 1)},
     &P::u, nullptr, InTwoPhases},
    {Quantity::IsochoricHeatCapacity, "Heat capacity",               "Cv",   "Cv",   "Cv",   UnitKind::SpecificHeat,
     {Fixed(6, 3),                 Fixed(6, 3),                Fixed(6, 3),          Fixed(6, 3)},
     &P::cv, nullptr, NotInTwoPhases},
    {Quantity::SpeedOfSound,       "Speed of sound",                 "w",    "w",    "w",    UnitKind::Speed,
     {Fixed(6, 1),                 Fixed(6, 1),                Fixed(6, 1),          Fixed(6, 1)},
     &P::w, nullptr, NotInTwoPhases},
    {Quantity::IsentropicExponent, "Isentropic exponent",            "k",    "k",    "k",    UnitKind::None,
     {Fixed(5, 3),                 Fixed(5, 3),                None,                 None},
     &P::kappa, nullptr, NotInTwoPhases},
    {Quantity::ThermalExpansion,   "Expansion coefficient",          "Alfa_v", "Alfa_v", "Alfa_v", UnitKind::PerTemperature,
     {Exponent(4),                 Exponent(4),                Exponent(4),          Exponent(4)},
     &P::alphaV, nullptr, NotInTwoPhases},
    {Quantity::Compressibility,    "Compressibility",                "Kappa_T", "Kappa_T", "Kappa_T", UnitKind::PerPressure,
     {Exponent(4),                 Exponent(4),                Exponent(4),          Exponent(4)},
     &P::kappaT, nullptr, NotInTwoPhases},
    {Quantity::PressureCoefficient, "Pressure coefficient",          "(dp/dT)v", "(dp/dT)v", "(dp/dT)v", UnitKind::PressurePerTemperature,
     {Exponent(4),                 Exponent(4),                Exponent(4),          Exponent(4)},
     &P::dpdT, PressureCoefficient, NotInTwoPhases},
    {Quantity::JouleThomson,       "Joule-Thomson coeff.",           "Miu_JT", "Miu_JT", "Miu_JT", UnitKind::TemperaturePerPressure,
     {Exponent(4),                 Exponent(4),                Exponent(4),          Exponent(4)},
     &P::muJT, JouleThomson, NotInTwoPhases},
    {Quantity::ThrottlingCoefficient, "Throttling coeff.",              "Delta_T", "Delta_T", "Delta_T", UnitKind::EnergyPerPressure,
     {Exponent(4),                 Exponent(4),                Exponent(4),          Exponent(4)},
     &P::deltaT, ThrottlingCoefficient, NotInTwoPhases},
    {Quantity::GibbsEnergy,        "Gibbs energy",                   "g",    "g",    "g",    UnitKind::SpecificEnergy,
     {Fixed(6, 2),                 Fixed(6, 2),                Fixed(6, 2),          Fixed(6, 2)},
     &P::g, [](const Values& q) { return q[Quantity::Enthalpy] - Kelvin(q) * q[Quantity::Entropy]; }, InTwoPhases},
    {Quantity::HelmholtzEnergy,    "Helmholtz energy",               "f",    "f",    "f",    UnitKind::SpecificEnergy,
     {Fixed(6, 2),                 Fixed(6, 2),                Fixed(6, 2),          Fixed(6, 2)},
     &P::f, [](const Values& q) { return q[Quantity::InternalEnergy] - Kelvin(q) * q[Quantity::Entropy]; }, InTwoPhases},
    {Quantity::CompressibilityFactor, "Compressibility factor",      "Z",    "Z",    "Z",    UnitKind::None,
     {Fixed(6, 4),                 Fixed(6, 4),                Fixed(6, 4),          Fixed(6, 4)},
     &P::z, CompressibilityFactor, InTwoPhases},
    {Quantity::ThermalDiffusivity, "Thermal diffusivity",            "a",    "a",    "a",    UnitKind::Diffusivity,
     {Exponent(4),                 Exponent(4),                Exponent(4),          Exponent(4)},
     nullptr, ThermalDiffusivity, NotInTwoPhases},
    {Quantity::Exergy,             "Specific exergy",                "e",    "e",    "e",    UnitKind::SpecificEnergy,
     {Fixed(6, 2),                 Fixed(6, 2),                Fixed(6, 2),          Fixed(6, 2)},
     nullptr, nullptr, InTwoPhases},
    {Quantity::SurfaceTension,     "Surface tension coefficient",    "Sigma", "Sigma", "Sigma", UnitKind::SurfaceTension,
     {None,                        None,                       Exponent(4),          Exponent(4)},
     &P::sigma, nullptr, InTwoPhases},
    {Quantity::Dryness,            "Dryness",                        "x",    "x",    "x",    UnitKind::None,
     {None,                        None,                       None,                 None},
     nullptr, nullptr, InTwoPhases},
};
// clang-format on

}  // namespace

const QuantityRow& RowOf(Quantity quantity) {
    return Rows[int(quantity)];
}

double ToShown(Quantity quantity, double internal, const Units& units) {
    return ToShown(RowOf(quantity).unit, internal, units);
}

double FromShown(Quantity quantity, double shown, const Units& units) {
    return FromShown(RowOf(quantity).unit, shown, units);
}

QString UnitText(Quantity quantity, const Units& units) {
    return UnitText(RowOf(quantity).unit, units);
}

QString CaptionWithUnit(const QString& symbol, Quantity quantity, const Units& units) {
    const QString unit = UnitText(quantity, units);
    return unit.isEmpty() ? symbol : symbol + QStringLiteral(", ") + unit;
}

QString ResultCaption(Quantity quantity, bool saturation, const Units& units) {
    const QuantityRow& row = RowOf(quantity);
    return QLatin1String(row.name) + QLatin1Char(' ') +
           CaptionWithUnit(QLatin1String(saturation ? row.saturationSymbol : row.symbol), quantity, units);
}

QString InputCaption(Quantity quantity, bool saturation, const Units& units) {
    const QuantityRow& row = RowOf(quantity);
    return CaptionWithUnit(QLatin1String(saturation ? row.saturationSymbol : row.inputSymbol), quantity, units);
}

QuantityValues ValuesOf(const StateProperties& given) {
    QuantityValues values;
    for (const QuantityRow& row : Rows) {
        double value = row.given != nullptr ? given.*row.given : StateProperties::None;
        if (std::isnan(value) && row.formed != nullptr) value = row.formed(values);
        values[row.quantity] = value;
    }
    return values;
}

const Format& FormatOf(Quantity quantity, Place place) {
    return RowOf(quantity).formats[std::size_t(place)];
}

QString Formatted(double value, const Format& format) {
    if (std::isnan(value)) return {};
    switch (format.kind) {
        case K::None: return {};
        case K::Fixed: return FixedOrExponent(value, format.precision, format.decimals);
        case K::Exponent: return ExponentFormat(value, format.precision, format.decimals);
        case K::WiderAboveTen:
            if (value > 10) return FixedOrExponent(value, format.precision + 1, format.decimals - 1);
            return FixedOrExponent(value, format.precision, format.decimals);
    }
    return {};
}
