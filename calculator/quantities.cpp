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
constexpr Format FixedOrExponent(int precision, int decimals) {
    return {K::FixedOrExponent, precision, decimals};
}
constexpr Format WiderAboveTen(int precision, int decimals) {
    return {K::WiderAboveTen, precision, decimals};
}

// The formats by place: the (p, t) mode, the other modes of the state, the
// saturated water and the saturated steam sheet.
// clang-format off
const QuantityRow Rows[QuantityCount] = {
    // quantity                      name                            symbol  input   on the line  unit
    {Quantity::Temperature,        "Temperature",                    "t",    "t",    "ts",   "C",
     {Fixed(5, 1),                 Fixed(5, 1),                Fixed(6, 2),          Fixed(6, 2)}},
    {Quantity::Pressure,           "Pressure",                       "p",    "p",    "ps",   "MPa",
     {FixedOrExponent(7, 4),       FixedOrExponent(7, 4),      WiderAboveTen(5, 4),  WiderAboveTen(5, 4)}},
    {Quantity::Enthalpy,           "Enthalpy",                       "h",    "h",    "h",    "kJ/kg",
     {Fixed(6, 2),                 Fixed(6, 2),                Fixed(6, 1),          Fixed(6, 1)}},
    {Quantity::Entropy,            "Entropy",                        "S",    "s",    "S",    "kJ/(kg.C)",
     {Fixed(5, 3),                 Fixed(5, 3),                Fixed(5, 3),          Fixed(5, 3)}},
    {Quantity::SpecificVolume,     "Specific volume",                "V",    "v",    "V",    "m3/kg",
     {Exponent(4),                 Exponent(4),                Exponent(4),          Exponent(4)}},
    {Quantity::Density,            "Density",                        "Ro",   "Ro",   "Ro",   "kg/m3",
     {FixedOrExponent(8, 4),       FixedOrExponent(6, 2),      FixedOrExponent(5, 2), FixedOrExponent(5, 2)}},
    {Quantity::HeatCapacity,       "Heat capacity",                  "Cp",   "Cp",   "Cp",   "kJ/(kg.C)",
     {Fixed(6, 3),                 Fixed(6, 3),                Fixed(6, 3),          Fixed(6, 3)}},
    {Quantity::Conductivity,       "Thermal conductivity",           "Lmb",  "Lmb",  "Lmb",  "W/(m.C)",
     {Fixed(5, 4),                 Fixed(5, 4),                Fixed(5, 4),          Fixed(5, 4)}},
    {Quantity::DynamicViscosity,   "Dynamic viscosity",              "Miu",  "Miu",  "Miu",  "Pa.s",
     {Exponent(4),                 Exponent(4),                Exponent(4),          Exponent(4)}},
    {Quantity::KinematicViscosity, "Kinematic viscosity",            "Niu",  "Niu",  "Niu",  "m2/s",
     {Exponent(4),                 Exponent(4),                Exponent(4),          Exponent(4)}},
    {Quantity::Prandtl,            "Prandtl number",                 "Pr",   "Pr",   "Pr",   "",
     {Fixed(4, 2),                 Fixed(4, 2),                Fixed(5, 3),          Fixed(5, 4)}},
    {Quantity::InternalEnergy,     "Internal energy",                "u",    "u",    "u",    "kJ/kg",
     {Fixed(6, 2),                 Fixed(6, 2),                Fixed(6, 1),          Fixed(6, 1)}},
    {Quantity::IsochoricHeatCapacity, "Heat capacity",               "Cv",   "Cv",   "Cv",   "kJ/(kg.C)",
     {Fixed(6, 3),                 Fixed(6, 3),                Fixed(6, 3),          Fixed(6, 3)}},
    {Quantity::SpeedOfSound,       "Speed of sound",                 "w",    "w",    "w",    "m/s",
     {Fixed(6, 1),                 Fixed(6, 1),                Fixed(6, 1),          Fixed(6, 1)}},
    {Quantity::IsentropicExponent, "Isentropic exponent",            "k",    "k",    "k",    "",
     {Fixed(5, 3),                 Fixed(5, 3),                None,                 None}},
    {Quantity::SurfaceTension,     "Surface tension coefficient",    "Sigma", "Sigma", "Sigma", "N/m",
     {None,                        None,                       Exponent(4),          Exponent(4)}},
    {Quantity::Dryness,            "Dryness",                        "x",    "x",    "x",    "",
     {None,                        None,                       None,                 None}},
};
// clang-format on

QString Caption(const char* symbol, const char* unit) {
    QString caption = QLatin1String(symbol);
    if (*unit != '\0') caption += QStringLiteral(", ") + QLatin1String(unit);
    return caption;
}

}  // namespace

const QuantityRow& RowOf(Quantity quantity) {
    return Rows[int(quantity)];
}

QString ResultCaption(Quantity quantity, bool saturation) {
    const QuantityRow& row = RowOf(quantity);
    return QLatin1String(row.name) + QLatin1Char(' ') +
           Caption(saturation ? row.saturationSymbol : row.symbol, row.unit);
}

QString InputCaption(Quantity quantity, bool saturation) {
    const QuantityRow& row = RowOf(quantity);
    return Caption(saturation ? row.saturationSymbol : row.inputSymbol, row.unit);
}

const Format& FormatOf(Quantity quantity, Place place) {
    return RowOf(quantity).formats[std::size_t(place)];
}

QString Formatted(double value, const Format& format) {
    if (std::isnan(value)) return {};
    const bool small = value != 0 && std::fabs(value) < 0.01;
    switch (format.kind) {
        case K::None: return {};
        case K::Fixed: return FixedFormat(value, format.precision, format.decimals);
        case K::Exponent: return ExponentFormat(value, format.precision, format.decimals);
        case K::WiderAboveTen:
            if (value > 10) return FixedFormat(value, format.precision + 1, format.decimals - 1);
            [[fallthrough]];
        case K::FixedOrExponent:
            // A value below 0.01 would lose its digits in a fixed format (0.0035 kg/m³
            // as 0.00): it is written as the volume is, 3.500E-03.
            return small ? ExponentFormat(value, 4, 2) : FixedFormat(value, format.precision, format.decimals);
    }
    return {};
}
