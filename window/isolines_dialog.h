// The choice of isolines of a diagram kind (the chart page's "Isolines…"):
// each family drawn or not, at values typed in the shown units, separated
// by semicolons. A value that is no number, or no value the family can have
// (a pressure or volume of 0 or less, a dryness outside 0 … 1), is refused
// with its message and the dialog stays open with what was typed.
#pragma once

#include "chart_isolines.h"
#include "units.h"

#include <QDialog>

#include <array>
#include <optional>

class QCheckBox;
class QLineEdit;

class IsolinesDialog : public QDialog {
    Q_OBJECT

public:
    IsolinesDialog(ChartKind kind, const std::vector<IsolineId>& ids, const Units& units, QWidget* parent = nullptr);

    // The chosen isolines; valid after the dialog was accepted.
    const std::vector<IsolineId>& chosen() const { return result; }
    // The typed values read back; none, with the message shown, where one is refused.
    std::optional<std::vector<IsolineId>> read();

    QCheckBox* familyBox(IsolineFamily family) const { return boxes[int(family)]; }
    QLineEdit* valuesEdit(IsolineFamily family) const { return edits[int(family)]; }

    void accept() override;

private:
    void show(const std::vector<IsolineId>& ids);

    ChartKind kind;
    Units units;
    std::array<QCheckBox*, IsolineFamilyCount> boxes{};
    std::array<QLineEdit*, IsolineFamilyCount> edits{};
    std::vector<IsolineId> result;
};
