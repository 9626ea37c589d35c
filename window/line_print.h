// A line's table on paper or in a PDF: the line and its range as the title,
// the units and the formulations under it, then the rows page after page,
// each page with the header of the columns and its number.
#pragma once

#include "line_table.h"

class QPrinter;

// False where the printer could not be started.
bool PrintLineTable(QPrinter& printer, const LineTable& table, const QList<LineColumn>& columns, const Units& units);
