// View → Quantities…: which quantities the result panel shows, one check box
// for each row of the quantity table a state has, and the dead state of the
// specific exergy.
#pragma once

#include "dead_state.h"
#include "quantities.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QDoubleSpinBox;
class QPushButton;

class QuantitiesDialog : public QDialog {
    Q_OBJECT

public:
    QuantitiesDialog(const QList<Quantity>& chosen, const DeadState& dead, const Units& units, QWidget* parent);
    QList<Quantity> chosen() const;
    DeadState deadState() const;

private:
    QList<std::pair<Quantity, QCheckBox*>> boxes;
    QPushButton* ok;
    QDoubleSpinBox *deadT, *deadP;
    // The panel holds so many rows: past them the others cannot be checked;
    // with none checked there is nothing to accept.
    void keepWithinThePanel();
};
