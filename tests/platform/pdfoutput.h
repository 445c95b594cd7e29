#pragma once

#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// Reads a printout back from a PDF file with the poppler tools.
namespace pdfoutput {

// The tool's standard output, or an empty text when it could not run or failed.
inline QString toolOutput(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of every page, one string per line, at the column pitch of 10-point Courier (6
// points). The tool drops blank lines at the top of a page and the trailing blanks of a line.
inline QList<QStringList> pages(const QString& pdf)
{
    const QString text = toolOutput(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-layout"), QStringLiteral("-fixed"),
                                     QStringLiteral("6"), pdf, QStringLiteral("-")});
    QStringList pageTexts = text.split(u'\f');
    pageTexts.removeLast(); // every page ends with a form feed
    QList<QStringList> result;
    for (const QString& pageText : pageTexts) {
        QStringList lines = pageText.split(u'\n');
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        result.append(lines);
    }
    return result;
}

// The tops of the distinct text lines of the first page, in points from the top of the page.
inline QList<double> firstPageLineTops(const QString& pdf)
{
    const QString boxes =
        toolOutput(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-l"),
                                                 QStringLiteral("1"), pdf, QStringLiteral("-")});
    static const QRegularExpression yMin(QStringLiteral("<word [^>]*yMin=\"([0-9.]+)\""));
    QList<double> tops;
    for (const QRegularExpressionMatch& match : yMin.globalMatch(boxes)) {
        const double top = match.captured(1).toDouble();
        if (tops.isEmpty() || top > tops.last() + 0.01)
            tops.append(top);
    }
    return tops;
}

inline QString fonts(const QString& pdf)
{
    return toolOutput(QStringLiteral("pdffonts"), {pdf});
}

inline QString withoutTrailingBlanks(QString line)
{
    while (line.endsWith(u' '))
        line.chop(1);
    return line;
}

} // namespace pdfoutput
