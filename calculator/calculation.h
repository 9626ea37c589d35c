// One run of the Calculate command, without a window: the typed texts of the
// input mode are read and checked in a fixed order, every value is computed,
// then every output is formatted. The outcome is all the outputs of the run,
// or the first refused value, or the stop of the property library; never part
// of the outputs.
#pragma once

#include "dead_state.h"
#include "diagram_curves.h"
#include "modes.h"
#include "quantities.h"
#include "transport_choice.h"
#include "units.h"

#include <QList>
#include <QMap>
#include <QString>

#include <limits>
#include <optional>
#include <variant>

struct CalculationRequest {
    InputMode mode;                   // a value outside the enumeration runs nothing
    SaturationInput saturationInput;  // read in the saturation mode only
    QMap<Quantity, QString> typed;    // the typed text of each input; absent = empty
    Units units = {};                 // the inputs are typed, and the outputs written, in these
    // The formulation of the viscosities, the conductivity and the Prandtl number.
    Transport transport = Transport::IAPS1985;
    DeadState dead = {};       // of the specific exergy
    ModeOptions options = {};  // the branch where two states share the pair; metastable steam

    bool saturation() const { return mode == InputMode::Saturation; }
};

// One computed value in the core's units, with its text as the window writes
// it in the request's units (empty where the value is not defined, e.g. the
// heat capacity of wet steam).
struct Output {
    Quantity quantity;
    Phase phase;
    double value;
    QString text;
    QString note = {};  // why a value the state could have is not given, for the empty edit's tooltip
};

// Every output of a successful run, in the order of the rows. A state mode
// also names the state's phase and places it on the temperature-entropy and
// the enthalpy-entropy diagram.
struct Outputs {
    QList<Output> values;
    QString phaseName;
    double dryness = std::numeric_limits<double>::quiet_NaN();  // of a two-phase state only
    std::optional<StateDiagram> diagram;
};

// A typed value the run refused (its message names the limits in the
// request's units); the refused input takes the focus after the message and
// keeps its text, selected, so that a typo can be mended or typed over.
struct Refusal {
    QString message;
    Quantity input;
};

// A state the property library cannot serve abandoned the run: the report's
// text, an English explanation and, beneath it, the library's own reason.
struct Stop {
    QString text;
    QString explanation;
    QString reason;
};

using Outcome = std::variant<Outputs, Refusal, Stop>;

Outcome Calculate(const CalculationRequest& request);
// What a run writes besides its values: a line of states writes the texts of
// its rows only when they are shown.
enum class Written { Texts, ValuesOnly };
// The same run from the mode's values in the core's units, as if typed: the
// same checks, values and texts, without the diagram.
Outcome CalculateValues(const ModeRow& mode, const InputValues& values, const Units& units, Transport transport,
                        const DeadState& dead = {}, const ModeOptions& options = {},
                        Written written = Written::Texts);

// Where a run writes the values of a phase: the state's by its mode.
Place PlaceOf(const CalculationRequest& request, Phase phase);
// A value in the core's units as a run writes it in the place, in `units`.
QString OutputText(Quantity quantity, double value, Place place, const Units& units);
// The texts of a run's outputs written anew from their values in the
// request's units: a change of units changes no state.
void RewriteOutputs(Outputs& outputs, const CalculationRequest& request);
