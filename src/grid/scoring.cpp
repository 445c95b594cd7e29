#include "scoring.h"

namespace grid {

int correctRows(GridModel& grid)
{
    int correct = 0;
    grid.setCol(kEvalColumn);
    for (int r = 1; r < grid.rowCount(); ++r) {
        grid.setRow(r);
        if (grid.text() == u"C")
            ++correct;
    }
    return correct;
}

int intelligibilityPercent(int correct)
{
    return 2 * correct;
}

QList<std::array<QString, kColumnCount>> gridRows(GridModel& grid)
{
    QList<std::array<QString, kColumnCount>> rows;
    for (int r = 1; r < grid.rowCount(); ++r) {
        grid.setRow(r);
        std::array<QString, kColumnCount> cells;
        for (int c = 0; c < kColumnCount; ++c) {
            grid.setCol(c);
            cells[c] = grid.text();
        }
        rows.append(cells);
    }
    return rows;
}

} // namespace grid
