#pragma once

#include "identification/idinfo.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace results {

// The four cells of a grid row in column order: file name, word number, response, evaluation.
using GridRow = std::array<QString, 4>;

struct RatingHeader
{
    identification::IDRecord child;
    QString ratersName;
    QString dateOfScoring;
    // The percentage text as the results window shows it, leading blanks and all.
    QString intelText;
};

// Every line of a rating file, without line ends.
QStringList ratingFileLines(const RatingHeader& header, const QString& folder,
                            const QList<GridRow>& rows);

// The working folder, the rater's name and ".prl", the name taken as written but for its blanks.
QString ratingFilePath(const QString& folder, const QString& ratersName);

// False for a name that some file system would read as a path or refuse, so a rating file
// can never land outside the working folder.
bool isPlainFileName(const QString& name);

// The rater count as status panel 4 shows it.
QString raterCountText(int count);

} // namespace results
