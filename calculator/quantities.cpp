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
    // quantity                      name                            symbol  input   on the line  unit
    {Quantity::Temperature,        "Temperature",                    "t",    "t",    "ts",   UnitKind::Temperature,
     {Fixed(5, 1),                 Fixed(5, 1),                Fixed(6, 2),          Fixed(6, 2)}},
    {Quantity::Pressure,           "Pressure",                       "p",    "p",    "ps",   UnitKind::Pressure,
     {Fixed(7, 4),                 Fixed(7, 4),                WiderAboveTen(5, 4),  WiderAboveTen(5, 4)}},
    {Quantity::Enthalpy,           "Enthalpy",                       "h",    "h",    "h",    UnitKind::SpecificEnergy,
     {Fixed(6, 2),                 Fixed(6, 2),                Fixed(6, 1),          Fixed(6, 1)}},
    {Quantity::Entropy,            "Entropy",                        "S",    "s",    "S",    UnitKind::SpecificHeat,
     {Fixed(5, 3),                 Fixed(5, 3),                Fixed(5, 3),          Fixed(5, 3)}},
    {Quantity::SpecificVolume,     "Specific volume",                "V",    "v",    "V",    UnitKind::SpecificVolume,
     {Exponent(4),                 Exponent(4),                Exponent(4),          Exponent(4)}},
    {Quantity::Density,            "Density",                        "Ro",   "Ro",   "Ro",   UnitKind::Density,
     {Fixed(8, 4),                 Fixed(6, 2),                Fixed(5, 2),          Fixed(5, 2)}},
    {Quantity::HeatCapacity,       "Heat capacity",                  "Cp",   "Cp",   "Cp",   UnitKind::SpecificHeat,
     {Fixed(6, 3),                 Fixed(6, 3),                Fixed(6, 3),          Fixed(6, 3)}},
    {Quantity::Conductivity,       "Thermal conductivity",           "Lmb",  "Lmb",  "Lmb",  UnitKind::Conductivity,
     {Fixed(5, 4),                 Fixed(5, 4),                Fixed(5, 4),          Fixed(5, 4)}},
    {Quantity::DynamicViscosity,   "Dynamic viscosity",              "Miu",  "Miu",  "Miu",  UnitKind::Viscosity,
     {Exponent(4),                 Exponent(4),                Exponent(4),          Exponent(4)}},
    {Quantity::KinematicViscosity, "Kinematic viscosity",            "Niu",  "Niu",  "Niu",  UnitKind::Diffusivity,
     {Exponent(4),                 Exponent(4),                Exponent(4),          Exponent(4)}},
    {Quantity::Prandtl,            "Prandtl number",                 "Pr",   "Pr",   "Pr",   UnitKind::None,
     {Fixed(4, 2),                 Fixed(4, 2),                Fixed(5, 3),          Fixed(5, 4)}},
    {Quantity::InternalEnergy,     "Internal energy",                "u",    "u",    "u",    UnitKind::SpecificEnergy,
     {Fixed(6, 2),                 Fixed(6, 2),                Fixed(6, 1),          Fixed(6, 1)}},
    {Quantity::IsochoricHeatCapacity, "Heat capacity",               "Cv",   "Cv",   "Cv",   UnitKind::SpecificHeat,
     {Fixed(6, 3),                 Fixed(6, 3),                Fixed(6, 3),          Fixed(6, 3)}},
    {Quantity::SpeedOfSound,       "Speed of sound",                 "w",    "w",    "w",    UnitKind::Speed,
     {Fixed(6, 1),                 Fixed(6, 1),                Fixed(6, 1),          Fixed(6, 1)}},
    {Quantity::IsentropicExponent, "Isentropic exponent",            "k",    "k",    "k",    UnitKind::None,
     {Fixed(5, 3),                 Fixed(5, 3),                None,                 None}},
    {Quantity::SurfaceTension,     "Surface tension coefficient",    "Sigma", "Sigma", "Sigma", UnitKind::SurfaceTension,
     {None,                        None,                       Exponent(4),          Exponent(4)}},
    {Quantity::Dryness,            "Dryness",                        "x",    "x",    "x",    UnitKind::None,
     {None,                        None,                       None,                 None}},
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
