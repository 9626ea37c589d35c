// View → Quantities…: which quantities the result panel shows, one check box
// for each row of the quantity table a state has.
#pragma once

#include "quantities.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QPushButton;

class QuantitiesDialog : public QDialog {
    Q_OBJECT

public:
    QuantitiesDialog(const QList<Quantity>& chosen, const Units& units, QWidget* parent);
    QList<Quantity> chosen() const;

private:
    QList<std::pair<Quantity, QCheckBox*>> boxes;
    QPushButton* ok;
    // The panel holds so many rows: past them the others cannot be checked;
    // with none checked there is nothing to accept.
    void keepWithinThePanel();
};
