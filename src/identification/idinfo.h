#pragma once

#include <QString>
#include <optional>

namespace identification {

// Who the child is and when the test took place: four free single-line texts.
struct IDRecord
{
    QString childsName;
    QString dateOfBirth;
    QString examinersName;
    QString dateOfTest;

    bool operator==(const IDRecord&) const = default;
};

// The identification file of a working folder, given as status panel 1's text.
QString idInfoPath(const QString& workingFolder);

// The warning for the first field, in entry order, that holds nothing but blanks; nothing
// when every field is filled.
std::optional<QString> missingFieldWarning(const IDRecord& record);

// Writes the five-line file with the values trimmed. An old file is replaced only when the new
// one was written completely. Returns the message that tells why saving failed, or nothing.
std::optional<QString> saveIDInfoFile(const QString& path, const IDRecord& record);

// What the user is told after a successful save.
QString savedMessage(const QString& path);

// The record read from a file, or the message that tells why it could not be read.
struct IDInfoReadResult
{
    std::optional<IDRecord> record;
    QString failure;
};

// Reads lines 2 to 5 by position, each the trimmed text after its first ":".
IDInfoReadResult readIDInfoFile(const QString& path);

} // namespace identification
