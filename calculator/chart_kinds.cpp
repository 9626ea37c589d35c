#include "chart_kinds.h"

#include <cmath>

double ValueOf(const ChartPoint& point, ChartQuantity quantity) {
    switch (quantity) {
    case ChartQuantity::Pressure: return point.p;
    case ChartQuantity::Temperature: return point.t;
    case ChartQuantity::Enthalpy: return point.h;
    case ChartQuantity::Entropy: return point.s;
    case ChartQuantity::Volume: return point.v;
    }
    return NAN;
}

Quantity QuantityOf(ChartQuantity quantity) {
    switch (quantity) {
    case ChartQuantity::Pressure: return Quantity::Pressure;
    case ChartQuantity::Temperature: return Quantity::Temperature;
    case ChartQuantity::Enthalpy: return Quantity::Enthalpy;
    case ChartQuantity::Entropy: return Quantity::Entropy;
    case ChartQuantity::Volume: return Quantity::SpecificVolume;
    }
    return Quantity::Pressure;
}

namespace {

// Decades in steps of 1, 2 and 5, as log scales are ruled.
QList<double> Decades(double from, double to) {
    QList<double> values;
    for (double decade = from; decade < to * 1.001; decade *= 10)
        for (const double step : {1.0, 2.0, 5.0})
            if (step * decade <= to * 1.001) values.append(step * decade);
    return values;
}

QList<double> Steps(double from, double to, double step) {
    QList<double> values;
    for (int i = 0; from + i * step <= to + step * 1e-9; ++i) values.append(from + i * step);
    return values;
}

}  // namespace

const QList<IsolineFamilyRow>& IsolineFamilies() {
    static const QList<IsolineFamilyRow> rows = {
        {IsolineFamily::Isobar, "Isobars", "isobars", "p", ChartQuantity::Pressure, Decades(0.001, 100)},
        {IsolineFamily::Isotherm, "Isotherms", "isotherms", "t", ChartQuantity::Temperature, Steps(0, 800, 50)},
        {IsolineFamily::Isochore, "Isochores", "isochores", "v", ChartQuantity::Volume, Decades(0.001, 100)},
        {IsolineFamily::Isentrope, "Isentropes", "isentropes", "s", ChartQuantity::Entropy, Steps(0, 10, 0.5)},
        {IsolineFamily::Isenthalp, "Isenthalps", "isenthalps", "h", ChartQuantity::Enthalpy, Steps(0, 4200, 200)},
        {IsolineFamily::Dryness, "Dryness", "dryness", "x", std::nullopt, Steps(0.1, 0.9, 0.1)},
    };
    return rows;
}

const IsolineFamilyRow& FamilyRow(IsolineFamily family) {
    return IsolineFamilies()[int(family)];
}

const QList<ChartKindRow>& ChartKinds() {
    using enum ChartQuantity;
    using enum IsolineFamily;
    // The default views hold the dome, the critical point and the states of
    // power plants: the Mollier chart's whole height, p–h and p–v over the
    // pressures the formulation serves from 1 kPa.
    static const QList<ChartKindRow> rows = {
        {ChartKind::TemperatureEntropy, "&T–s (temperature–entropy)", "ts", "Temperature–entropy diagram of water",
         {Entropy, false, 0, 10}, {Temperature, false, 0, 800}, {Isobar, Isenthalp, Dryness}, InputMode::ByTS},
        {ChartKind::EnthalpyEntropy, "&h–s (enthalpy–entropy, Mollier)", "hs", "Enthalpy–entropy (Mollier) diagram of water",
         {Entropy, false, 0, 10}, {Enthalpy, false, 0, 4200}, {Isobar, Isotherm, Dryness}, InputMode::ByHS},
        {ChartKind::PressureEnthalpy, "&p–h (pressure–enthalpy, log p)", "ph", "Pressure–enthalpy diagram of water",
         {Enthalpy, false, 0, 4200}, {Pressure, true, 0.001, 100}, {Isotherm, Isentrope, Dryness}, InputMode::ByPH},
        {ChartKind::PressureTemperature, "p–&T (pressure–temperature)", "pt", "Pressure–temperature diagram of water",
         {Temperature, false, 0, 800}, {Pressure, true, 0.001, 100}, {Isochore}, InputMode::ByPT},
        {ChartKind::PressureVolume, "p–&v (pressure–volume, log–log)", "pv", "Pressure–volume diagram of water",
         {Volume, true, 0.0005, 1000}, {Pressure, true, 0.001, 100}, {Isotherm, Isentrope, Dryness}, InputMode::ByPV},
    };
    return rows;
}

bool ChartKindRow::wetStatesOnOnePlace() const {
    const auto pressureOrTemperature = [](ChartQuantity q) {
        return q == ChartQuantity::Pressure || q == ChartQuantity::Temperature;
    };
    return pressureOrTemperature(x.quantity) && pressureOrTemperature(y.quantity);
}

const ChartKindRow& KindRow(ChartKind kind) {
    return ChartKinds()[int(kind)];
}

const ChartKindRow* KindByKey(const QString& key) {
    for (const ChartKindRow& row : ChartKinds())
        if (key == QLatin1String(row.key)) return &row;
    return nullptr;
}

double AxisFraction(bool logarithmic, double min, double max, double value) {
    if (logarithmic) return std::log(value / min) / std::log(max / min);
    return (value - min) / (max - min);
}

double AxisValue(bool logarithmic, double min, double max, double fraction) {
    if (logarithmic) return min * std::pow(max / min, fraction);
    return min + (max - min) * fraction;
}
