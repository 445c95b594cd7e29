#include "idinfo.h"

#include "platform/files.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace identification {

namespace {

// The header and the four labelled values.
constexpr qsizetype kLineCount = 5;

QString withPath(const QString& text, const QString& path)
{
    return text + u"\r\n"_s + path;
}

// Every label is 17 characters long, so the values line up in column 18.
QStringList idInfoLines(const IDRecord& record)
{
    return {u"===== IDInfo ====="_s, u"Child's Name:    "_s + record.childsName.trimmed(),
            u"Date of Birth:   "_s + record.dateOfBirth.trimmed(),
            u"Examiner's Name: "_s + record.examinersName.trimmed(),
            u"Date of Test:    "_s + record.dateOfTest.trimmed()};
}

// The labels are not compared: whatever follows the first colon is the value, and a line
// without a colon is a value as a whole.
QString valueOf(const QString& line)
{
    const qsizetype colon = line.indexOf(u':');
    return (colon < 0 ? line : line.mid(colon + 1)).trimmed();
}

IDInfoReadResult refused(const QString& text, const QString& path)
{
    return {std::nullopt, withPath(text, path)};
}

} // namespace

QString idInfoPath(const QString& workingFolder)
{
    return workingFolder.trimmed() + u"idinfo.txt"_s;
}

std::optional<QString> missingFieldWarning(const IDRecord& record)
{
    if (record.childsName.trimmed().isEmpty())
        return u"Child's name is missing."_s;
    if (record.dateOfBirth.trimmed().isEmpty())
        return u"Date of Birth is missing."_s;
    if (record.examinersName.trimmed().isEmpty())
        return u"Examiner's name is missing."_s;
    if (record.dateOfTest.trimmed().isEmpty())
        return u"Date of Test is missing."_s;
    return std::nullopt;
}

std::optional<QString> saveIDInfoFile(const QString& path, const IDRecord& record)
{
    switch (platform::saveTextLines(path, idInfoLines(record))) {
    case platform::SaveError::None:
        return std::nullopt;
    case platform::SaveError::Create:
        return withPath(u"Can't create IDinfo file: "_s, path);
    case platform::SaveError::Write:
        break;
    }
    return withPath(u"Can't write to IDInfo file: "_s, path);
}

QString savedMessage(const QString& path)
{
    return withPath(u"ID info has been saved to file: "_s, path);
}

IDInfoReadResult readIDInfoFile(const QString& path)
{
    const std::optional<QStringList> lines = platform::readTextLines(path);
    if (!lines)
        return refused(u"Can't open IDInfo file: "_s, path);
    if (lines->isEmpty())
        return refused(u"Can't read IDInfo file: "_s, path);
    if (!lines->first().contains(u"IDInfo"_s, Qt::CaseSensitive))
        return refused(u"IFile not of IDInfo format: "_s, path);
    // A file cut short would leave some fields from another child, so it is refused whole.
    if (lines->size() < kLineCount)
        return refused(u"Can't read IDInfo file: "_s, path);
    return {IDRecord{valueOf(lines->at(1)), valueOf(lines->at(2)), valueOf(lines->at(3)),
                     valueOf(lines->at(4))},
            {}};
}

} // namespace identification
