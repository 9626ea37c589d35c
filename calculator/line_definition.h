// A line of states, as a steam table runs along it: an isobar over a range of
// temperatures, an isotherm over pressures, the saturation line by its
// temperature or its pressure, an isentrope or an isenthalp over pressures.
// The definition is in the user's units, so that a step of 10 °F gives round
// Fahrenheit values; each point is converted to the core's units as a typed
// value is. No widgets.
#pragma once

#include "dead_state.h"
#include "modes.h"
#include "transport_choice.h"
#include "units.h"

#include <QList>
#include <QString>

#include <optional>
#include <variant>

enum class LineKind : int {
    Isobar,         // p fixed, t runs
    Isotherm,       // t fixed, p runs
    SaturationByT,  // ts runs: saturated water and steam side by side
    SaturationByP,  // ps runs
    Isentrope,      // s fixed (of a start state), p runs
    Isenthalp,      // h fixed (of a start state), p runs
};
inline constexpr int LineKindCount = int(LineKind::Isenthalp) + 1;

enum class StepKind : int {
    Increment,  // from, from + step, ...; `to` closes the line where the steps do not reach it exactly
    Points,     // the number of points, evenly spaced, both ends included
};

// More points make no table anyone reads, and cost seconds.
inline constexpr int MostLinePoints = 10000;

struct LineDefinition {
    LineKind kind = LineKind::Isobar;
    double fixed = 0;         // p of an isobar, t of an isotherm, s or h of a start state
    double from = 0, to = 0;  // of the running quantity; from > to runs the line downwards
    StepKind stepKind = StepKind::Increment;
    double step = 0;           // an increment's size (its sign is ignored); a factor > 1 when logarithmic
    int points = 0;            // with StepKind::Points
    bool logarithmic = false;  // pressures evenly spaced in their logarithm
    Units units = {};
    Transport transport = Transport::IAPS1985;  // of the viscosity and the conductivity
    DeadState dead = {};                        // of the exergy
};

// The quantity that runs along the line (t or p) and the one held (p, t, s, h;
// none on the saturation line).
Quantity RunningQuantity(LineKind kind);
std::optional<Quantity> FixedQuantity(LineKind kind);
// Only pressures can be spaced logarithmically.
bool CanBeLogarithmic(LineKind kind);
// Saturated water and steam side by side, by ts or ps.
bool OnSaturationLine(LineKind kind);
// An isentrope or an isenthalp holds the s or h of a start state.
bool FromStartState(LineKind kind);

// "Isobar", "Saturation line by t", ...
QString LineKindName(LineKind kind);
// What is held along it, for a legend: "Isobar p = 10 MPa", "Saturation line by t".
QString LineName(const LineDefinition& line);
// The title of a table: "Isobar p = 10 MPa, t from 20 to 600 C, step 10 C".
QString LineTitle(const LineDefinition& line);
// The title as a file's name (without its extension): what no file system
// takes in a name ("/" of "kJ/(kg.C)", ":", "?", ...) becomes "-".
QString LineFileName(const LineDefinition& line);

// One state of the line: the calculator's mode and its values in the core's units.
struct LinePoint {
    const ModeRow* mode;
    InputValues values;
};

// The points of the line in its order, or the message that refuses the line
// as a whole (a zero step, too many points, a logarithmic range through zero).
// Where an isobar or an isotherm crosses the saturation line, the saturated
// water and the saturated steam at that crossing join the line in its order.
using LinePoints = std::variant<QList<LinePoint>, QString>;
LinePoints PointsOf(const LineDefinition& line);
