#include "ratingfile.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace results {

namespace {

constexpr qsizetype kFileWidth = 21;
constexpr qsizetype kResponseWidth = 10;

// Pads to the column width; a longer text stays whole and keeps one blank before the next column.
QString column(const QString& text, qsizetype width)
{
    return text.size() > width ? text + u' ' : text.leftJustified(width);
}

QString rowLine(const GridRow& row)
{
    return column(row[0], kFileWidth) + row[1] + u' ' + column(row[2], kResponseWidth) + row[3];
}

bool isForbiddenInFileName(QChar c)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    return forbidden.contains(c) || c.category() == QChar::Other_Control;
}

} // namespace

QStringList ratingFileLines(const RatingHeader& header, const QString& folder,
                            const QList<GridRow>& rows)
{
    QStringList lines = {
        u"# Child's Name:    "_s + header.child.childsName.trimmed(),
        u"# Date of Birth:   "_s + header.child.dateOfBirth.trimmed(),
        u"# Examiner's Name: "_s + header.child.examinersName.trimmed(),
        u"# Date of Test:    "_s + header.child.dateOfTest.trimmed(),
        u"# Rater's Name:    "_s + header.ratersName.trimmed(),
        u"# Date of Scoring: "_s + header.dateOfScoring,
        u"* Intelligibility: "_s + header.intelText.trimmed() + u'%',
        u"Directory: "_s + folder.trimmed(),
        u"File               Word Rating    Evaluation"_s,
        QString(44, u'-'),
    };
    for (const GridRow& row : rows)
        lines.append(rowLine(row));
    return lines;
}

QString ratingFilePath(const QString& folder, const QString& ratersName)
{
    return folder.trimmed() + ratersName.trimmed() + u".prl"_s;
}

bool isPlainFileName(const QString& name)
{
    if (name.isEmpty() || name == u"."_s || name == u".."_s)
        return false;
    return std::none_of(name.cbegin(), name.cend(), isForbiddenInFileName);
}

QString raterCountText(int count)
{
    return QString::number(count) + (count == 1 ? u" rater"_s : u" raters"_s);
}

} // namespace results
