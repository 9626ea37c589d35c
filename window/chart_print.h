// The chart on paper and in files: PNG, SVG and PDF of the shown view, and
// File → Print chart…, a full page (A4 or A3, landscape or portrait as the
// print dialog sets them) of the shown kind and range with a finer grid of
// isolines, its title, units and formulation. Always in the light colours.
#pragma once

#include "chart_painter.h"

#include <QString>

class QPagedPaintDevice;
class QWidget;

// By the name's ending: .svg, .pdf, else PNG. False, with the reason, where
// the file cannot be written.
bool ExportChart(const ChartScene& scene, const QString& path, QString* error);

// The page, its lines computed anew on the finer grid of `ids`.
bool PrintChart(QPagedPaintDevice& device, const ChartScene& scene, const std::vector<IsolineId>& ids);
