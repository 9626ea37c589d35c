// A result of the page Equipment on paper or in a PDF: the title, the units,
// the inputs, the streams and the figures as tables, and the diagram of the
// streams beneath them.
#pragma once

#include "equipment_report.h"

#include <QImage>

class QPrinter;

// False where the printer could not be started.
bool PrintReport(QPrinter& printer, const EquipmentReport& report, const Units& units, const QImage& diagram);
