// A line's table on paper or in a PDF: the line and its range as the title,
// the units and the formulations under it, then the rows page after page,
// each page with the header of the columns and its number.
#pragma once

#include "line_table.h"

#include <functional>

class QPrinter;

// False where the printer could not be started. `progress` (may be empty)
// hears now and then how much of the work is done, of how much.
bool PrintLineTable(QPrinter& printer, const LineTable& table, const QList<LineColumn>& columns, const Units& units,
                    const std::function<void(qsizetype done, qsizetype total)>& progress = {});
