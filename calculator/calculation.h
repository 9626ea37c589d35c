// One run of the Calculate command, without a window: the typed texts of the
// input mode are read and checked in a fixed order, every value is computed,
// then every output is formatted. The outcome is all the outputs of the run,
// or the first refused value, or the stop of a property library; never part of
// the outputs.
#pragma once

#include "input_mode.h"
#include "ts_diagram.h"

#include <QMap>
#include <QList>
#include <QString>

#include <optional>
#include <variant>

struct CalculationRequest {
  InputMode mode;                  // a value outside the enumeration runs nothing
  SaturationInput saturationInput; // read in the saturation mode only
  QMap<QString, QString> typed;    // typed texts by the objectName of their edit; absent = empty
};

// The text of one output edit, named by its objectName.
struct OutputText {
  QString edit;
  QString text;
  bool operator==(const OutputText&) const = default;
};

// Every output of a successful run, in the order of writing. A (p, t) or (p, h)
// run also names the phase in the state panel's label Lb_Phase and places the
// state on the temperature-entropy diagram.
struct Outputs {
  QList<OutputText> texts;
  std::optional<StateDiagram> diagram;
};

// A typed value the run refused; the refused edit takes the focus after the
// message. An empty edit is left empty, one holding a value out of range is
// cleared, one holding a text that is no number is left as it is (selected).
struct Refusal {
  enum class Reaction { FocusEdit, ClearEdit, KeepEdit };
  QString message;
  QString edit;
  Reaction reaction;
};

// A state a property library cannot serve abandoned the run: the report's text,
// an English explanation and, beneath it, the library's own reason.
struct Stop {
  QString text;
  QString explanation;
  QString reason;
};

using Outcome = std::variant<Outputs, Refusal, Stop>;

Outcome Calculate(const CalculationRequest& request);
