// The input modes of the calculator, one row each: how the window offers a
// mode, which values it reads, how it checks them and what it computes from
// them. Adding a mode is its value here and its row in modes.cpp; the window
// builds its radio item and places its inputs from the row.
#pragma once

#include "quantities.h"
#include "transport_choice.h"

#include <QList>
#include <QStringView>

#include <array>

// The item indexes of the window's radio group RG_1, in the order of the items.
enum class InputMode : int {
    ByPT = 0,        // "- F( p, t )"
    ByPH = 1,        // "- F( p, h )"
    Saturation = 2,  // "- saturation"
    ByPS = 3,        // "- F( p, s )"
    ByPX = 4,        // "- F( p, x )"
    ByTX = 5,        // "- F( t, x )"
    ByHS = 6,        // "- F( h, s )"
    ByTH = 7,        // "- F( t, h )"
    ByTS = 8,        // "- F( t, s )"
    ByPV = 9,        // "- F( p, v )"
    ByTV = 10,       // "- F( t, v )"
    ByUV = 11,       // "- F( u, v )"
};

// Where two states share a mode's pair, the one to give: of the lower or the
// higher value of the variable the pair leaves free, or wet steam (the values
// of TFS::Branch). Default is the mode's first branch, the library's default.
enum class StateBranch : int { Default = 0, Lower = 1, Higher = 2, Wet = 3 };

// What a run is asked beyond its typed values.
struct ModeOptions {
    StateBranch branch = StateBranch::Default;
    // (p, t): steam supercooled below its saturation temperature (up to 10 MPa)
    // rather than the stable water there.
    bool metastable = false;

    bool operator==(const ModeOptions&) const = default;
};

// How the saturation mode is given its state: the item indexes of RG_4.
enum class SaturationInput : int {
    ByPs = 0,  // "- F( ps )"
    ByTs = 1,  // "- F( ts )"
};

struct Units;
struct ModeValues;  // what a mode computes, in calculation_values.h

// The typed values of a mode in its reading order, in the core's units.
using InputValues = std::array<double, 2>;

struct ModeRow {
    InputMode mode;
    SaturationInput saturationInput;  // which sub-mode of the saturation mode; ByPs in the others
    const char* item;                 // the radio item's text: "- F( p, t )", "- F( ts )"
    const char* key;                  // a short name: "p,t", "ts"
    QList<Quantity> inputs;           // in the order they are read, checked and shown
    Place place;                      // where its state's values are written
    // Refuses a value out of range by throwing its Refusal, in the order the
    // user meets the values; the limits are written in `units`. The range of
    // the saturation mode depends on the transport formulation.
    void (*check)(const InputValues& values, const Units& units, Transport transport);
    // The options' branch is one of the row's, never Default.
    ModeValues (*compute)(const InputValues& values, Transport transport, const ModeOptions& options);
    // Where two states share the pair: the branches offered, the default
    // first, and the variable they choose the lower or higher value of.
    QList<StateBranch> branches = {};
    const char* branchVariable = nullptr;

    bool saturation() const { return mode == InputMode::Saturation; }
};

// Every mode, the state modes in the order of their items, then the saturation
// sub-modes in theirs.
const QList<ModeRow>& Modes();

// The mode of a selection of the radio groups (the sub-mode counts in the
// saturation mode only), or of its key; nullptr for none.
const ModeRow* ModeOf(InputMode mode, SaturationInput saturationInput);
const ModeRow* ModeByKey(QStringView key);

// How a branch is offered: "lower pressure", "higher temperature", "wet steam".
QString BranchText(const ModeRow& mode, StateBranch branch);

// The quantities a mode reads, in the order it reads them; none for a mode
// outside the rows.
QList<Quantity> InputsOf(InputMode mode, SaturationInput saturationInput);
