#include "units.h"

#include <QSettings>

#include <iterator>

namespace {

// The defined sizes the other units are built from, in SI.
constexpr double Mega = 1e6;                    // the core's pressure is in MPa
constexpr double Kilo = 1e3;                    // and its energies in kJ
constexpr double Bar = 1e5;                     // Pa
constexpr double Psi = 6894.757293168;          // Pa
constexpr double Pound = 0.45359237;            // kg
constexpr double Foot = 0.3048;                 // m
constexpr double Btu = 1055.05585262;           // J, the International Table Btu
constexpr double PoundForce = 4.4482216152605;  // N
constexpr double Hour = 3600;                   // s
constexpr double FahrenheitDegree = 5.0 / 9;    // K
constexpr double KelvinAtZeroCelsius = 273.15;
constexpr double FahrenheitAtZeroCelsius = 32;

// A shown unit: its text, its size in the core's unit of the dimension, and
// the shown value of the core's zero (nonzero for the temperatures only). A
// gauge reads the pressure above the atmosphere's.
struct Scale {
    const char* text;
    double size;
    double zero = 0;
    bool gauge = false;
};

constexpr double Zero = 0;
constexpr bool Gauge = true;

// By PressureUnit; the texts are also the settings' values.
const Scale PressureScales[] = {{"MPa", 1},
                                {"kPa", Kilo / Mega},
                                {"bar", Bar / Mega},
                                {"psi", Psi / Mega},
                                {"MPa g", 1, Zero, Gauge},
                                {"kPa g", Kilo / Mega, Zero, Gauge},
                                {"bar g", Bar / Mega, Zero, Gauge},
                                {"psig", Psi / Mega, Zero, Gauge}};
// By TemperatureUnit.
const Scale TemperatureScales[] = {
    {"C", 1}, {"K", 1, KelvinAtZeroCelsius}, {"F", FahrenheitDegree, FahrenheitAtZeroCelsius}};
// By MassFlowUnit and by PowerUnit; the core's flows are kg/s and kW.
const Scale MassFlowScales[] = {{"kg/s", 1}, {"t/h", Kilo / Hour}, {"lb/h", Pound / Hour}};
const Scale PowerScales[] = {{"kW", 1}, {"MW", Kilo}, {"Btu/h", Btu / Kilo / Hour}};
// By UnitSystem.
const char* const SystemNames[] = {"SI", "US"};

// The US customary units in the core's: an energy of Btu / Kilo kJ per pound,
// an entropy per Fahrenheit degree, a conductivity of Btu per hour, foot and
// Fahrenheit degree in W/(m·K), a viscosity of lb/(ft·s) in kg/(m·s) = Pa·s.
// clang-format off
const Scale OtherScales[][2] = {  // from SpecificEnergy to None, by UnitSystem
    {{"kJ/kg", 1},     {"Btu/lb", Btu / Kilo / Pound}},
    {{"kJ/(kg.C)", 1}, {"Btu/(lb.F)", Btu / Kilo / (Pound * FahrenheitDegree)}},
    {{"m3/kg", 1},     {"ft3/lb", Foot * Foot * Foot / Pound}},
    {{"kg/m3", 1},     {"lb/ft3", Pound / (Foot * Foot * Foot)}},
    {{"W/(m.C)", 1},   {"Btu/(h.ft.F)", Btu / (Hour * Foot * FahrenheitDegree)}},
    {{"Pa.s", 1},      {"lb/(ft.s)", Pound / Foot}},
    {{"m2/s", 1},      {"ft2/s", Foot * Foot}},
    {{"N/m", 1},       {"lbf/ft", PoundForce / Foot}},
    {{"m/s", 1},       {"ft/s", Foot}},
    {{"kJ/kWh", 1},    {"Btu/kWh", Btu / Kilo}},
    {{"kg/kWh", 1},    {"lb/kWh", Pound}},
    {{"1/K", 1},       {"1/F", 1 / FahrenheitDegree}},
    {{"1/MPa", 1},     {"1/psi", Mega / Psi}},
    {{"MPa/K", 1},     {"psi/F", Psi / Mega / FahrenheitDegree}},
    {{"K/MPa", 1},     {"F/psi", FahrenheitDegree / (Psi / Mega)}},
    {{"kJ/(kg.MPa)", 1}, {"Btu/(lb.psi)", Btu / Kilo / Pound / (Psi / Mega)}},
    {{"", 1},          {"", 1}},
};
// clang-format on
static_assert(std::size(OtherScales) == int(UnitKind::None) - int(UnitKind::SpecificEnergy) + 1);

const Scale& ScaleOf(UnitKind kind, const Units& units) {
    switch (kind) {
        case UnitKind::Pressure: return PressureScales[int(units.pressure)];
        case UnitKind::Temperature: return TemperatureScales[int(units.temperature)];
        case UnitKind::MassFlow: return MassFlowScales[int(units.massFlow)];
        case UnitKind::Power: return PowerScales[int(units.power)];
        default: return OtherScales[int(kind) - int(UnitKind::SpecificEnergy)][int(units.system)];
    }
}

// The core's own unit: the value stays as it is, bit for bit (x / 1 + 0 would
// turn −0 into +0).
bool IsCoreUnit(const Scale& scale) {
    return scale.size == 1 && scale.zero == 0 && !scale.gauge;
}

// The core's value a gauge reads zero at.
double OriginOf(const Scale& scale, const Units& units) {
    return scale.gauge ? units.atmosphere : 0;
}

// The index of `text` among the names; `fallback` for a missing or unknown one.
template <typename Enum, typename Names, typename TextOf>
Enum ChoiceOf(const QString& text, const Names& names, TextOf textOf, Enum fallback) {
    for (int i = 0; i < int(std::size(names)); ++i)
        if (text == QLatin1String(textOf(names[i]))) return Enum(i);
    return fallback;
}

const auto ScaleText = [](const Scale& scale) { return scale.text; };
const auto Name = [](const char* name) { return name; };

const QString PressureKey = QStringLiteral("units/pressure");
const QString TemperatureKey = QStringLiteral("units/temperature");
const QString SystemKey = QStringLiteral("units/system");
const QString MassFlowKey = QStringLiteral("units/massFlow");
const QString PowerKey = QStringLiteral("units/power");
const QString AtmosphereKey = QStringLiteral("units/atmosphere");

double AtmosphereOf(const QVariant& setting) {
    bool ok = false;
    const double atmosphere = setting.toDouble(&ok);
    return ok && atmosphere >= LowestAtmosphere && atmosphere <= HighestAtmosphere ? atmosphere : StandardAtmosphere;
}

}  // namespace

double ToShown(UnitKind kind, double internal, const Units& units) {
    const Scale& scale = ScaleOf(kind, units);
    if (IsCoreUnit(scale)) return internal;
    return (internal - OriginOf(scale, units)) / scale.size + scale.zero;
}

double FromShown(UnitKind kind, double shown, const Units& units) {
    const Scale& scale = ScaleOf(kind, units);
    if (IsCoreUnit(scale)) return shown;
    return (shown - scale.zero) * scale.size + OriginOf(scale, units);
}

QString UnitText(UnitKind kind, const Units& units) {
    return QLatin1String(ScaleOf(kind, units).text);
}

Units LoadUnits(QSettings& settings) {
    const Units fallback;
    return {ChoiceOf(settings.value(PressureKey).toString(), PressureScales, ScaleText, fallback.pressure),
            ChoiceOf(settings.value(TemperatureKey).toString(), TemperatureScales, ScaleText, fallback.temperature),
            ChoiceOf(settings.value(SystemKey).toString(), SystemNames, Name, fallback.system),
            ChoiceOf(settings.value(MassFlowKey).toString(), MassFlowScales, ScaleText, fallback.massFlow),
            ChoiceOf(settings.value(PowerKey).toString(), PowerScales, ScaleText, fallback.power),
            AtmosphereOf(settings.value(AtmosphereKey))};
}

void SaveUnits(QSettings& settings, const Units& units) {
    settings.setValue(PressureKey, QLatin1String(PressureScales[int(units.pressure)].text));
    settings.setValue(TemperatureKey, QLatin1String(TemperatureScales[int(units.temperature)].text));
    settings.setValue(SystemKey, QLatin1String(SystemNames[int(units.system)]));
    settings.setValue(MassFlowKey, QLatin1String(MassFlowScales[int(units.massFlow)].text));
    settings.setValue(PowerKey, QLatin1String(PowerScales[int(units.power)].text));
    settings.setValue(AtmosphereKey, units.atmosphere);
}
