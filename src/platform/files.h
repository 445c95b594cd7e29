#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

// True when path names a regular file (or a link to one) whose length can be read.
bool FileExists(const QString& path);

// Names of the regular, non-hidden files of folder that match wildcard, ignoring case, each
// trimmed of blanks. Empty when the folder cannot be listed.
QStringList listMatchingFiles(const QString& folder, const QString& wildcard);

// pattern is a folder path followed by a wildcard, such as folder + "*.prl".
int CountFiles(const QString& pattern);

// The lines of a text file in UTF-8, or Windows-1252 when the bytes are not valid UTF-8, ended
// by CR LF or LF alone. Empty when the file cannot be opened.
std::optional<QStringList> readTextLines(const QString& path);

enum class SaveError { None, Create, Write };

// Writes lines in UTF-8, each followed by CR LF. An existing file is replaced only when every
// byte was written and committed; on failure it stays as it was.
SaveError saveTextLines(const QString& path, const QStringList& lines);

} // namespace platform
