// The arguments of the h2o program: which mode reads the rows, in which units
// values are read and written, which transport formulation and which columns;
// or one state given as name=value pairs.
#pragma once

#include "modes.h"
#include "quantities.h"
#include "transport_choice.h"
#include "units.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <variant>

struct RunOptions {
    const ModeRow* mode = nullptr;  // nullptr until a mode is named
    Units units;
    Transport transport = Transport::IAPS1985;
    QList<Quantity> columns;  // empty: every quantity the mode gives
};

struct HelpRequest {};
// Rows of pairs from standard input to CSV on standard output.
struct BatchRun {
    RunOptions options;
};
// One state, every quantity printed with its unit; the values are in the
// shown units, in the mode's reading order.
struct OneState {
    RunOptions options;
    InputValues values{};
};
// A mistake in the arguments, with its message.
struct UsageError {
    QString message;
};

using Command = std::variant<HelpRequest, BatchRun, OneState, UsageError>;

Command ParseCommandLine(const QStringList& arguments);

// The text of --help.
QString UsageText();
