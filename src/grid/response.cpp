#include "response.h"

#include <algorithm>

namespace grid {

QString targetWord(const QString& fileName)
{
    const QString afterLastUnderscore = fileName.mid(fileName.lastIndexOf(u'_') + 1);
    return afterLastUnderscore.left(afterLastUnderscore.indexOf(u'.')).toLower();
}

QString evaluate(const QString& response, const QString& fileName)
{
    return response.toLower() == targetWord(fileName) ? QStringLiteral("C") : QStringLiteral("I");
}

bool isRated(const QString& rating)
{
    return std::any_of(rating.cbegin(), rating.cend(), [](QChar c) { return c != u' '; });
}

namespace {

void writeResponse(GridModel& grid, const QString& pickedWord)
{
    grid.setCol(kRatingColumn);
    grid.setText(pickedWord);
    const QString response = grid.text();
    grid.setCol(kFileColumn);
    const QString fileName = grid.text();
    grid.setCol(kEvalColumn);
    grid.setText(evaluate(response, fileName));
}

int countRatedRows(GridModel& grid)
{
    int rated = 0;
    grid.setCol(kRatingColumn);
    for (int r = 1; r < grid.rowCount(); ++r) {
        grid.setRow(r);
        if (isRated(grid.text()))
            ++rated;
    }
    return rated;
}

// Walks down from the start row, wrapping to row 1, for at most one round of the data rows.
int nextUnratedRow(GridModel& grid, int startRow)
{
    const int lastRow = grid.rowCount() - 1;
    int r = startRow;
    grid.setCol(kRatingColumn);
    for (int step = 0; step < lastRow; ++step) {
        r = r + 1 > lastRow ? 1 : r + 1;
        grid.setRow(r);
        if (!isRated(grid.text()))
            break;
    }
    return r;
}

} // namespace

PickOutcome recordPick(GridModel& grid, const QString& pickedWord)
{
    writeResponse(grid, pickedWord);
    const int startRow = grid.selStartRow();
    const int rated = countRatedRows(grid);
    return {rated, rated == grid.rowCount() - 1, nextUnratedRow(grid, startRow)};
}

} // namespace grid
