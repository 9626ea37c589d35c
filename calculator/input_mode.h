// The input modes of the calculator. Their values are the item indexes of the
// window's radio groups RG_1 and RG_4, in the order of the items.
#pragma once

#include "quantities.h"

#include <QList>

enum class InputMode : int {
    ByPT = 0,        // "- F( p, t )"
    ByPH = 1,        // "- F( p, h )"
    Saturation = 2,  // "- saturation"
    ByPS = 3,        // "- F( p, s )"
    ByPX = 4,        // "- F( p, x )"
    ByTX = 5,        // "- F( t, x )"
};

// How the saturation mode is given its state.
enum class SaturationInput : int {
    ByPs = 0,  // "- F( ps )"
    ByTs = 1,  // "- F( ts )"
};

// The quantities a mode reads, in the order it reads them; none for a mode
// outside the enumerations.
QList<Quantity> InputsOf(InputMode mode, SaturationInput saturationInput);
