// The diagrams an engineer reads (T–s, h–s, p–h, p–T, p–v), one row each, and
// the families of isolines drawn on them, one row each. No widgets: the window
// builds its menu, its axes and its choice of isolines from these rows.
// Values in the core's units: p MPa, t °C, h kJ/kg, s kJ/(kg·K), v m³/kg.
#pragma once

#include "modes.h"
#include "quantities.h"

#include <QList>
#include <QString>

#include <cmath>
#include <optional>

// A point of a diagram carries every axis quantity, so that one isoline is
// drawn on any kind.
struct ChartPoint {
    double p, t, h, s, v;
    double x = NAN;  // the dryness of wet steam; NaN for a single phase
};

enum class ChartQuantity { Pressure, Temperature, Enthalpy, Entropy, Volume };

double ValueOf(const ChartPoint& point, ChartQuantity quantity);
// The window's quantity of an axis, for its unit and its input.
Quantity QuantityOf(ChartQuantity quantity);

// The families of isolines; Dryness are the lines of constant x inside the dome.
enum class IsolineFamily { Isobar, Isotherm, Isochore, Isentrope, Isenthalp, Dryness };
inline constexpr int IsolineFamilyCount = int(IsolineFamily::Dryness) + 1;

struct IsolineFamilyRow {
    IsolineFamily family;
    const char* name;  // "Isobars"
    const char* key;   // the settings' key: "isobars"
    const char* symbol;  // of the labels: "p"
    std::optional<ChartQuantity> quantity;  // the constant one; none for the dryness
    QList<double> values;  // the values a printed chart carries (the user may choose others)
};

const QList<IsolineFamilyRow>& IsolineFamilies();
const IsolineFamilyRow& FamilyRow(IsolineFamily family);

enum class ChartKind { TemperatureEntropy, EnthalpyEntropy, PressureEnthalpy, PressureTemperature, PressureVolume };
inline constexpr int ChartKindCount = int(ChartKind::PressureVolume) + 1;

struct ChartAxis {
    ChartQuantity quantity;
    bool logarithmic;
    double min, max;  // the default view
};

// The shown range of a diagram, in the axes' quantities.
struct ChartRange {
    double xMin, xMax, yMin, yMax;
    bool operator==(const ChartRange&) const = default;
};

struct ChartKindRow {
    ChartKind kind;
    const char* menuText;  // View → Diagram: "&T–s (temperature–entropy)"
    const char* key;       // the settings' key: "ts"
    const char* title;     // of a printed chart
    ChartAxis x, y;
    QList<IsolineFamily> defaultFamilies;
    // The mode of the axes' pair, in which a click computes the point.
    InputMode clickMode;

    ChartRange defaultRange() const { return {x.min, x.max, y.min, y.max}; }
    // On p–T every wet state lies on the saturation curve: an isoline's wet
    // part would run along the curve, so there it is left out.
    bool wetStatesOnOnePlace() const;
};

const QList<ChartKindRow>& ChartKinds();
const ChartKindRow& KindRow(ChartKind kind);
const ChartKindRow* KindByKey(const QString& key);

// A value's place on an axis from 0 at its min to 1 at its max (in log on a
// logarithmic axis) and back.
double AxisFraction(bool logarithmic, double min, double max, double value);
double AxisValue(bool logarithmic, double min, double max, double fraction);
