// "Copy all results": one good run as tab-separated lines, so that a
// spreadsheet pastes them as columns. First the run's inputs (caption, typed
// text without the white space around it, which a pasted cell brings); then for a state its phase, the
// formulation of the transport properties, and one line per
// result; on the saturation line one line per quantity with the water and the steam value.
#pragma once

#include "calculation.h"

QString ResultsText(const CalculationRequest& request, const Outputs& outputs);
