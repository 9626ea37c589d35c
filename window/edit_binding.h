// The one place that knows which edit of the window shows which quantity: the
// inputs by input mode, the results by phase. The window's other parts speak
// of quantities only.
#pragma once

#include "modes.h"
#include "quantities.h"

#include <QList>

class QLineEdit;
namespace Ui {
class TForm1;
}

// A quantity a state mode reads without a designed input edit gets one: a
// caption and an edit as the enthalpy's, hidden until its mode shows it.
void AddInputsOfUndesignedQuantities(Ui::TForm1& ui);

// The edit a quantity is typed into in the saturation mode or in the state
// modes, designed or added; nullptr where there is none.
QLineEdit* InputEdit(const Ui::TForm1& ui, bool saturation, Quantity quantity);
// The input edits of the state modes or of the saturation mode; every input
// edit, in the order of the tab chain (the saturation mode's last).
QList<QLineEdit*> InputEdits(const Ui::TForm1& ui, bool saturation);
QList<QLineEdit*> AllInputEdits(const Ui::TForm1& ui);
// The edits of a mode's inputs, in the order the mode reads them.
QList<QLineEdit*> InputEditsOf(const Ui::TForm1& ui, InputMode mode, SaturationInput saturationInput);

// A quantity a phase shows without a designed edit gets a row below the
// designed ones of its area (the result panel, a sheet): a caption and an
// edit in the style of the rows above; the rows are spaced closer where the
// area would not hold them.
void AddResultRowsOfUndesignedQuantities(Ui::TForm1& ui);

// The result panel shows the chosen quantities in the places of its designed
// rows, in the order of the rows, and hides the others.
void ShowPanelRows(Ui::TForm1& ui, const QList<Quantity>& chosen);

// The edit that shows a quantity of the phase, designed or added; nullptr
// where there is none.
QLineEdit* ResultEdit(const Ui::TForm1& ui, Quantity quantity, Phase phase);
// The result edits of a phase, in the order of the rows.
QList<QLineEdit*> ResultEditsOf(const Ui::TForm1& ui, Phase phase);
