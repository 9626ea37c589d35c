// One row of the table of states: a good run of the Calculate command, as the
// table keeps it and its file stores it.
#pragma once

#include "calculation.h"

#include <QList>
#include <QString>

#include <limits>

// One computed value in the core's units; NaN where it is not defined (the heat
// capacity of wet steam). A two-phase state keeps its dryness, too.
struct StoredValue {
    Quantity quantity;
    Phase phase;
    double value;
};

// Sixty-four bits: no one runs that many states, but a file may say it did.
constexpr qint64 LargestStateNumber = std::numeric_limits<qint64>::max();

struct StateRow {
    qint64 number;               // 1, 2, ...: never given twice in the file, by any window
    CalculationRequest request;  // the mode and the inputs the run read, as typed
    QString phaseName;           // empty on the saturation line
    QList<StoredValue> values;   // in the order of the run's outputs
};
