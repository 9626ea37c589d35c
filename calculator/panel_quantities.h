// The quantities the result panel shows: the user's choice among those a
// state has, kept in the settings. The panel holds as many rows as it was
// drawn with, so that the window keeps its size.
#pragma once

#include "quantities.h"

#include <QList>

class QSettings;

// The rows the panel was drawn with: at most this many are shown.
inline constexpr int MostPanelQuantities = 15;

// Every quantity the panel can show, in the order of the rows.
QList<Quantity> PanelQuantities();
// The rows it has always shown.
QList<Quantity> DefaultPanelQuantities();

// The key panel/quantities, the result symbols of the chosen rows. Unknown
// symbols are passed over; none known, or more than the panel holds, read as
// the default. The choice comes back in the order of the rows.
QList<Quantity> LoadPanelQuantities(QSettings& settings);
void SavePanelQuantities(QSettings& settings, const QList<Quantity>& chosen);
