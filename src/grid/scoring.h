#pragma once

#include "grid/gridmodel.h"

#include <QList>
#include <QString>
#include <array>

namespace grid {

// Data rows whose Eval cell is exactly "C", read through the current cell; leaves the current
// cell on the last row, column 3, and the selection as it was.
int correctRows(GridModel& grid);

// Two points per correct word.
int intelligibilityPercent(int correct);

// The cells of rows 1..rowCount() - 1, read column by column through the current cell; leaves
// the current cell on the last row, column 3, and the selection as it was.
QList<std::array<QString, kColumnCount>> gridRows(GridModel& grid);

} // namespace grid
