#pragma once

#include "grid/gridmodel.h"

#include <QString>

namespace grid {

// The target word carried by a recording's name: the text after its last "_" up to the first
// "." after that, lower-cased (all of that text when no "." follows).
QString targetWord(const QString& fileName);

// "C" when the response equals the target word of fileName, both lower-cased, else "I".
QString evaluate(const QString& response, const QString& fileName);

// A data row counts as rated when its Rating cell holds anything but blanks.
bool isRated(const QString& rating);

struct PickOutcome
{
    int ratedCount;
    bool allRated;
    // The next unrated row after the one just rated, wrapping to row 1; the rated row itself
    // when no other row is unrated.
    int nextRow;
};

// Writes the picked word and its evaluation into the current row, recounts the rated rows over
// the whole grid and finds the next unrated row, starting from the selection's first row. The
// highlight is left to the caller: set row() to nextRow and call highlightCurrentRow().
PickOutcome recordPick(GridModel& grid, const QString& pickedWord);

} // namespace grid
