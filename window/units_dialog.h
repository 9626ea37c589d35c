// View → Units…: the pressure's unit, absolute or gauge, the atmospheric
// pressure a gauge reads zero at, the temperature's unit, and SI or US
// customary for the rest; the units of the equipment's mass flows and powers.
#pragma once

#include "units.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;

class UnitsDialog : public QDialog {
    Q_OBJECT

public:
    UnitsDialog(const Units& units, QWidget* parent);
    Units chosen() const;

private:
    QComboBox* pressure;
    QDoubleSpinBox* atmosphere;
    QComboBox* temperature;
    QComboBox* system;
    QComboBox* massFlow;
    QComboBox* power;
};
