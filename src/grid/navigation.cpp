#include "navigation.h"

#include <algorithm>
#include <cmath>

namespace grid {

void highlightCurrentRow(GridModel& grid)
{
    const int row = grid.row();
    if (!grid.rowIsVisible(row)) {
        if (row < grid.topRow())
            grid.setTopRow(row);
        else
            grid.setTopRow(row - (grid.visibleDataRows() - 1));
    }
    grid.setCol(kWordColumn);
    grid.setSelection(row, row, 0, grid.columnCount() - 1);
}

int rowAbove(const GridModel& grid)
{
    return std::min(std::max(grid.row() - 1, 1), grid.rowCount() - 1);
}

int rowBelow(const GridModel& grid)
{
    return std::min(grid.row() + 1, grid.rowCount() - 1);
}

std::optional<int> rowAtBand(const GridModel& grid, double yFromGridTop, double gridHeight)
{
    const int bands = grid.fixedRows() + grid.visibleDataRows();
    if (gridHeight <= 0 || yFromGridTop < 0 || yFromGridTop >= gridHeight)
        return std::nullopt;
    const int band = int(std::floor(yFromGridTop / (gridHeight / bands)));
    if (band < grid.fixedRows() || band >= bands)
        return std::nullopt;
    const int row = grid.topRow() + band - grid.fixedRows();
    if (row > grid.rowCount() - 1)
        return std::nullopt;
    return row;
}

} // namespace grid
