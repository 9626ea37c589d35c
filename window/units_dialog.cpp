#include "units_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>

namespace {

QComboBox* NewChoice(const char* name, const QStringList& items, int current) {
    auto* box = new QComboBox;
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    box->setCurrentIndex(current);
    return box;
}

}  // namespace

UnitsDialog::UnitsDialog(const Units& units, QWidget* parent)
    : QDialog(parent),
      // In the order of the enumerations.
      pressure(NewChoice("Cb_Pressure", {"MPa", "kPa", "bar", "psi", "MPa g", "kPa g", "bar g", "psig"},
                         int(units.pressure))),
      atmosphere(new QDoubleSpinBox),
      temperature(NewChoice("Cb_Temperature", {"°C", "K", "°F"}, int(units.temperature))),
      system(NewChoice("Cb_System",
                       {"SI (kJ/kg, kJ/(kg·K), m³/kg, kg/m³, W/(m·K), Pa·s, m²/s, N/m, m/s)",
                        "US customary (Btu/lb, Btu/(lb·°F), ft³/lb, lb/ft³, Btu/(h·ft·°F), lb/(ft·s), ft²/s, "
                        "lbf/ft, ft/s)"},
                       int(units.system))),
      massFlow(NewChoice("Cb_MassFlow", {"kg/s", "t/h", "lb/h"}, int(units.massFlow))),
      power(NewChoice("Cb_Power", {"kW", "MW", "Btu/h"}, int(units.power))) {
    setWindowTitle(QStringLiteral("Units"));
    atmosphere->setObjectName(QStringLiteral("Sb_Atmosphere"));
    atmosphere->setDecimals(6);
    atmosphere->setRange(LowestAtmosphere, HighestAtmosphere);
    atmosphere->setSingleStep(0.001);
    atmosphere->setSuffix(QStringLiteral(" MPa"));
    atmosphere->setValue(units.atmosphere);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Pressure:"), pressure);
    form->addRow(QStringLiteral("&Atmospheric pressure (zero of a gauge):"), atmosphere);
    form->addRow(QStringLiteral("&Temperature:"), temperature);
    form->addRow(QStringLiteral("&Other quantities:"), system);
    form->addRow(QStringLiteral("&Mass flow:"), massFlow);
    form->addRow(QStringLiteral("Po&wer and duty:"), power);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

Units UnitsDialog::chosen() const {
    return {PressureUnit(pressure->currentIndex()), TemperatureUnit(temperature->currentIndex()),
            UnitSystem(system->currentIndex()), MassFlowUnit(massFlow->currentIndex()),
            PowerUnit(power->currentIndex()), atmosphere->value()};
}
