// The user's choice of isolines for each diagram kind, kept in the settings
// under chart/<kind>/<family> ("ts", "isobars"): the values in the core's
// units separated by spaces, "off" for a family not drawn; a missing key is
// the kind's default (its default families at the family's values).
#pragma once

#include "chart_isolines.h"

class QSettings;

std::vector<IsolineId> LoadIsolineChoice(QSettings& settings, ChartKind kind);
void SaveIsolineChoice(QSettings& settings, ChartKind kind, const std::vector<IsolineId>& ids);
