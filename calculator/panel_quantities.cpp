#include "panel_quantities.h"

#include <QSettings>
#include <QStringList>

namespace {

const QString Key = QStringLiteral("panel/quantities");

bool OfAState(Quantity q) {
    return FormatOf(q, Place::ByPT).kind != Format::Kind::None ||
           FormatOf(q, Place::OtherStateModes).kind != Format::Kind::None;
}

}  // namespace

QList<Quantity> PanelQuantities() {
    QList<Quantity> quantities;
    for (int q = 0; q < QuantityCount; ++q)
        if (OfAState(Quantity(q))) quantities.append(Quantity(q));
    return quantities;
}

QList<Quantity> DefaultPanelQuantities() {
    using Q = Quantity;
    return {Q::Temperature,
            Q::Pressure,
            Q::Enthalpy,
            Q::Entropy,
            Q::SpecificVolume,
            Q::Density,
            Q::HeatCapacity,
            Q::Conductivity,
            Q::DynamicViscosity,
            Q::KinematicViscosity,
            Q::Prandtl,
            Q::InternalEnergy,
            Q::IsochoricHeatCapacity,
            Q::SpeedOfSound,
            Q::IsentropicExponent};
}

QList<Quantity> LoadPanelQuantities(QSettings& settings) {
    if (!settings.contains(Key)) return DefaultPanelQuantities();
    const QStringList symbols = settings.value(Key).toStringList();
    QList<Quantity> chosen;
    for (const Quantity q : PanelQuantities())
        if (symbols.contains(QLatin1String(RowOf(q).symbol))) chosen.append(q);
    if (chosen.isEmpty() || chosen.size() > MostPanelQuantities) return DefaultPanelQuantities();
    return chosen;
}

void SavePanelQuantities(QSettings& settings, const QList<Quantity>& chosen) {
    QStringList symbols;
    for (const Quantity q : chosen) symbols.append(QLatin1String(RowOf(q).symbol));
    settings.setValue(Key, symbols);
}
