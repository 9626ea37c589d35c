#include "dead_state.h"

#include "TFS.h"
#include "quantities.h"

#include <QSettings>

namespace {

const QString TemperatureKey = QStringLiteral("exergy/t0"), PressureKey = QStringLiteral("exergy/p0");
constexpr double ZeroCelsius = 273.15;

double Within(const QVariant& setting, double lowest, double highest, double fallback) {
    bool ok = false;
    const double value = setting.toDouble(&ok);
    return ok && value >= lowest && value <= highest ? value : fallback;
}

}  // namespace

DeadState LoadDeadState(QSettings& settings) {
    const DeadState fallback;
    return {Within(settings.value(TemperatureKey), LowestDeadTemperature, HighestDeadTemperature, fallback.t),
            Within(settings.value(PressureKey), LowestDeadPressure, HighestDeadPressure, fallback.p)};
}

void SaveDeadState(QSettings& settings, const DeadState& dead) {
    settings.setValue(TemperatureKey, dead.t);
    settings.setValue(PressureKey, dead.p);
}

void SetExergy(QuantityValues& values, const DeadState& dead) {
    const double h0 = TFS::h_pt(dead.p, dead.t), s0 = TFS::S_PT(dead.p, dead.t);
    values[Quantity::Exergy] =
        values[Quantity::Enthalpy] - h0 - (dead.t + ZeroCelsius) * (values[Quantity::Entropy] - s0);
}
