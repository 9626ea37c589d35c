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

// The formats by place: the (p, t) mode, the other modes of the state, the
// saturated water and the saturated steam sheet.
// clang-format off
const QuantityRow Rows[QuantityCount] = {
    // quantity                      name                            symbol  input   on the line  dimension
    {Quantity::Temperature,        "Temperature",                    "t",    "t",    "ts",   Dimension::Temperature,
     {Fixed(5, 1),                 Fixed(5, 1),                Fixed(6, 2),          Fixed(6, 2)}},
    {Quantity::Pressure,           "Pressure",                       "p",    "p",    "ps",   Dimension::Pressure,
     {Fixed(7, 4),                 Fixed(7, 4),                WiderAboveTen(5, 4),  WiderAboveTen(5, 4)}},
    {Quantity::Enthalpy,           "Enthalpy",                       "h",    "h",    "h",    Dimension::SpecificEnergy,
     {Fixed(6, 2),                 Fixed(6, 2),                Fixed(6, 1),          Fixed(6, 1)}},
    {Quantity::Entropy,            "Entropy",                        "S",    "s",    "S",    Dimension::SpecificEntropy,
     {Fixed(5, 3),                 Fixed(5, 3),                Fixed(5, 3),          Fixed(5, 3)}},
    {Quantity::SpecificVolume,     "Specific volume",                "V",    "v",    "V",    Dimension::SpecificVolume,
     {Exponent(4),                 Exponent(4),                Exponent(4),          Exponent(4)}},
    {Quantity::Density,            "Density",                        "Ro",   "Ro",   "Ro",   Dimension::Density,
     {Fixed(8, 4),                 Fixed(6, 2),                Fixed(5, 2),          Fixed(5, 2)}},
    {Quantity::HeatCapacity,       "Heat capacity",                  "Cp",   "Cp",   "Cp",   Dimension::SpecificEntropy,
     {Fixed(6, 3),                 Fixed(6, 3),                Fixed(6, 3),          Fixed(6, 3)}},
    {Quantity::Conductivity,       "Thermal conductivity",           "Lmb",  "Lmb",  "Lmb",  Dimension::Conductivity,
     {Fixed(5, 4),                 Fixed(5, 4),                Fixed(5, 4),          Fixed(5, 4)}},
    {Quantity::DynamicViscosity,   "Dynamic viscosity",              "Miu",  "Miu",  "Miu",  Dimension::DynamicViscosity,
     {Exponent(4),                 Exponent(4),                Exponent(4),          Exponent(4)}},
    {Quantity::KinematicViscosity, "Kinematic viscosity",            "Niu",  "Niu",  "Niu",  Dimension::KinematicViscosity,
     {Exponent(4),                 Exponent(4),                Exponent(4),          Exponent(4)}},
    {Quantity::Prandtl,            "Prandtl number",                 "Pr",   "Pr",   "Pr",   Dimension::None,
     {Fixed(4, 2),                 Fixed(4, 2),                Fixed(5, 3),          Fixed(5, 4)}},
    {Quantity::InternalEnergy,     "Internal energy",                "u",    "u",    "u",    Dimension::SpecificEnergy,
     {Fixed(6, 2),                 Fixed(6, 2),                Fixed(6, 1),          Fixed(6, 1)}},
    {Quantity::IsochoricHeatCapacity, "Heat capacity",               "Cv",   "Cv",   "Cv",   Dimension::SpecificEntropy,
     {Fixed(6, 3),                 Fixed(6, 3),                Fixed(6, 3),          Fixed(6, 3)}},
    {Quantity::SpeedOfSound,       "Speed of sound",                 "w",    "w",    "w",    Dimension::Speed,
     {Fixed(6, 1),                 Fixed(6, 1),                Fixed(6, 1),          Fixed(6, 1)}},
    {Quantity::IsentropicExponent, "Isentropic exponent",            "k",    "k",    "k",    Dimension::None,
     {Fixed(5, 3),                 Fixed(5, 3),                None,                 None}},
    {Quantity::SurfaceTension,     "Surface tension coefficient",    "Sigma", "Sigma", "Sigma", Dimension::SurfaceTension,
     {None,                        None,                       Exponent(4),          Exponent(4)}},
    {Quantity::Dryness,            "Dryness",                        "x",    "x",    "x",    Dimension::None,
     {None,                        None,                       None,                 None}},
};
// clang-format on

}  // namespace

const QuantityRow& RowOf(Quantity quantity) {
    return Rows[int(quantity)];
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
