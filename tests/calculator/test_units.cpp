// The user's units: conversions of the core's values, their texts, and their
// settings.
#include "quantities.h"
#include "units.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

namespace {

using Q = Quantity;

constexpr Units Psi{PressureUnit::Psi, TemperatureUnit::Fahrenheit, UnitSystem::US};
constexpr Units Kelvin{PressureUnit::Bar, TemperatureUnit::Kelvin, UnitSystem::SI};
constexpr Units KiloPascal{PressureUnit::KPa, TemperatureUnit::Celsius, UnitSystem::US};
constexpr Units PlantUnits{PressureUnit::Bar, TemperatureUnit::Celsius, UnitSystem::SI, MassFlowUnit::TonnePerHour,
                           PowerUnit::Megawatt};
constexpr Units PlantUs{PressureUnit::Psi, TemperatureUnit::Fahrenheit, UnitSystem::US, MassFlowUnit::PoundPerHour,
                        PowerUnit::BtuPerHour};
constexpr Units BarGauge{PressureUnit::BarGauge, TemperatureUnit::Celsius, UnitSystem::SI};
// A gauge at altitude, about 1000 m above the sea.
constexpr Units KiloPascalGaugeHigh{PressureUnit::KPaGauge, TemperatureUnit::Kelvin, UnitSystem::US,
                                         MassFlowUnit::KilogramPerSecond, PowerUnit::Kilowatt, 0.09};

}  // namespace

// Conversions to ten digits, and their unit texts.
TEST(Units, ConvertKnownValues) {
    const struct {
        Quantity quantity;
        Units units;
        double internal, shown;
        const char* unit;
    } cases[] = {
        {Q::Pressure, Psi, 1, 145.0377377, "psi"},
        {Q::Pressure, Kelvin, 1, 10, "bar"},
        {Q::Pressure, KiloPascal, 1, 1000, "kPa"},
        {Q::Pressure, BarGauge, 1, 8.98675, "bar g"},
        {Q::Pressure, BarGauge, 0.101325, 0, "bar g"},
        {Q::Pressure, BarGauge, 0, -1.01325, "bar g"},
        {Q::Pressure, KiloPascalGaugeHigh, 0.1, 10, "kPa g"},
        {Q::Pressure, {PressureUnit::MPaGauge}, 10, 9.898675, "MPa g"},
        {Q::Pressure, {PressureUnit::Psig}, 0.101325 + 0.006894757293168, 1, "psig"},
        {Q::Temperature, KiloPascalGaugeHigh, 100, 373.15, "K"},
        {Q::Temperature, Psi, 100, 212, "F"},
        {Q::Temperature, Psi, -40, -40, "F"},
        {Q::Temperature, Kelvin, 100, 373.15, "K"},
        {Q::Enthalpy, Psi, 2.326, 1, "Btu/lb"},
        {Q::InternalEnergy, Psi, 2.326, 1, "Btu/lb"},
        {Q::Entropy, Psi, 1, 0.2388458966, "Btu/(lb.F)"},
        {Q::HeatCapacity, Psi, 1, 0.2388458966, "Btu/(lb.F)"},
        {Q::IsochoricHeatCapacity, Psi, 1, 0.2388458966, "Btu/(lb.F)"},
        {Q::Density, Psi, 1, 0.06242796058, "lb/ft3"},
        {Q::SpecificVolume, Psi, 1, 16.01846337, "ft3/lb"},
        {Q::Conductivity, Psi, 1, 0.5777893165, "Btu/(h.ft.F)"},
        {Q::DynamicViscosity, Psi, 1, 0.6719689751, "lb/(ft.s)"},
        {Q::KinematicViscosity, Psi, 1, 10.76391042, "ft2/s"},
        {Q::SurfaceTension, Psi, 1, 0.06852176586, "lbf/ft"},
        {Q::SpeedOfSound, Psi, 1, 3.280839895, "ft/s"},
        {Q::Prandtl, Psi, 0.92, 0.92, ""},
        {Q::IsentropicExponent, Psi, 1.3, 1.3, ""},
        // SI leaves the other quantities in the core's units whatever p and t are in.
        {Q::Entropy, Kelvin, 6.5, 6.5, "kJ/(kg.C)"},
        {Q::SpeedOfSound, Kelvin, 1500, 1500, "m/s"},
    };
    for (const auto& c : cases) {
        const char* name = RowOf(c.quantity).name;
        EXPECT_NEAR(ToShown(c.quantity, c.internal, c.units), c.shown, 1e-9 * std::fabs(c.shown)) << name;
        EXPECT_NEAR(FromShown(c.quantity, c.shown, c.units), c.internal, 1e-9 * std::fabs(c.internal)) << name;
        EXPECT_EQ(UnitText(c.quantity, c.units).toStdString(), c.unit) << name;
    }
    EXPECT_EQ(InputCaption(Q::Pressure, true, Psi).toStdString(), "ps, psi");
    EXPECT_EQ(ResultCaption(Q::Entropy, false, Psi).toStdString(), "Entropy S, Btu/(lb.F)");
    EXPECT_EQ(ResultCaption(Q::Prandtl, false, Psi).toStdString(), "Prandtl number Pr");
}

// Every quantity in every choice of units comes back as it went, and the
// default units, the window's of old, change nothing, not even the sign of zero.
TEST(Units, RoundTripsAndDefaultsLeaveValuesAsTheyAre) {
    const auto bits = [](double v) { return std::bit_cast<std::uint64_t>(v); };
    for (int q = 0; q < QuantityCount; ++q) {
        const Quantity quantity = Quantity(q);
        for (const double value : {-0.0, 0.1, 1.0 / 3, 2.675, 6.02e23, std::nan("")}) {
            EXPECT_EQ(bits(ToShown(quantity, value, Units{})), bits(value)) << q;
            EXPECT_EQ(bits(FromShown(quantity, value, Units{})), bits(value)) << q;
        }
        EXPECT_EQ(UnitText(quantity, Units{}), UnitText(quantity, {})) << q;
        // A temperature's offset costs the digits of 0.1 °C that 273.25 K has no room for.
        for (const Units& units : {Psi, Kelvin, KiloPascal, BarGauge, KiloPascalGaugeHigh})
            for (const double value : {0.1, 1.0 / 3, 647.096, 6.02e23}) {
                const double offset = std::fabs(FromShown(quantity, 0, units));
                EXPECT_NEAR(FromShown(quantity, ToShown(quantity, value, units), units), value,
                            1e-15 * (value + offset))
                    << q;
            }
    }
    EXPECT_EQ(ResultCaption(Q::Temperature, true).toStdString(), "Temperature ts, C");
    EXPECT_EQ(InputCaption(Q::Entropy, false).toStdString(), "s, kJ/(kg.C)");
}

// The flows of equipment in a plant's units; a state's texts do not depend on them.
TEST(Units, ConvertFlowsAndRatesOfEquipment) {
    const struct {
        UnitKind kind;
        Units units;
        double internal, shown;
        const char* unit;
    } cases[] = {
        {UnitKind::MassFlow, Units{}, 2.5, 2.5, "kg/s"},
        {UnitKind::MassFlow, PlantUnits, 1, 3.6, "t/h"},
        {UnitKind::MassFlow, PlantUs, 0.45359237, 3600, "lb/h"},
        {UnitKind::Power, PlantUnits, 1000, 1, "MW"},
        {UnitKind::Power, PlantUs, 1.05505585262, 3600, "Btu/h"},
        {UnitKind::HeatRate, PlantUs, 1.05505585262, 1, "Btu/kWh"},
        {UnitKind::SteamRate, PlantUs, 0.45359237, 1, "lb/kWh"},
        {UnitKind::SteamRate, PlantUnits, 3.5, 3.5, "kg/kWh"},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(ToShown(c.kind, c.internal, c.units), c.shown, 1e-12 * c.shown) << c.unit;
        EXPECT_NEAR(FromShown(c.kind, c.shown, c.units), c.internal, 1e-12 * c.internal) << c.unit;
        EXPECT_EQ(UnitText(c.kind, c.units).toStdString(), c.unit);
    }
    EXPECT_FALSE(PlantUnits.core());
    EXPECT_TRUE((Units{PressureUnit::MPa, TemperatureUnit::Celsius, UnitSystem::SI, MassFlowUnit::TonnePerHour,
                       PowerUnit::Megawatt}).core());
}

TEST(Units, SettingsKeepTheChoiceAndReadUnknownValuesAsTheDefault) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QSettings settings(dir.filePath("units.ini"), QSettings::IniFormat);
    EXPECT_EQ(LoadUnits(settings), Units{});
    for (const Units& units : {Psi, Kelvin, KiloPascal, PlantUnits, PlantUs, BarGauge, KiloPascalGaugeHigh, Units{}}) {
        SaveUnits(settings, units);
        EXPECT_EQ(LoadUnits(settings), units);
    }
    SaveUnits(settings, Psi);
    settings.sync();
    QSettings reopened(dir.filePath("units.ini"), QSettings::IniFormat);
    EXPECT_EQ(reopened.value("units/pressure").toString(), "psi");
    EXPECT_EQ(reopened.value("units/temperature").toString(), "F");
    EXPECT_EQ(reopened.value("units/system").toString(), "US");
    EXPECT_EQ(LoadUnits(reopened), Psi);
    SaveUnits(reopened, BarGauge);
    EXPECT_EQ(reopened.value("units/pressure").toString(), "bar g");
    // An atmosphere no gauge meets reads as the standard one.
    for (const char* atmosphere : {"0.5", "0", "-0.1", "air"}) {
        reopened.setValue("units/atmosphere", atmosphere);
        EXPECT_EQ(LoadUnits(reopened).atmosphere, StandardAtmosphere) << atmosphere;
    }
    reopened.setValue("units/pressure", "atm");
    reopened.setValue("units/temperature", "c");
    reopened.setValue("units/system", 1);
    EXPECT_EQ(LoadUnits(reopened), Units{});
}
