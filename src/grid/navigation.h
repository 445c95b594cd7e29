#pragma once

#include "grid/gridmodel.h"

#include <optional>

namespace grid {

// Makes the current row the highlighted one: scrolls it into view (to the top when above the
// view, to the lowest shown row when below), makes column 1 current and selects the row across
// all columns. Hiding the word list, the scroll bar and the focus are the window's part.
void highlightCurrentRow(GridModel& grid);

// The row above and below the current one, kept within the data rows 1..rowCount() - 1 (the
// heading row when the grid has no data rows).
int rowAbove(const GridModel& grid);
int rowBelow(const GridModel& grid);

// The data row under a press at yFromGridTop in a grid gridHeight high (any unit), which is
// divided into equal bands: the heading rows, then the shown data rows. None for a heading band,
// a point outside the grid's height, or a band below the last row.
std::optional<int> rowAtBand(const GridModel& grid, double yFromGridTop, double gridHeight);

} // namespace grid
