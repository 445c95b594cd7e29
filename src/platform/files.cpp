#include "files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace platform {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; undefined codes map to themselves.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeCp1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b >= 0x80 && b <= 0x9F ? QChar(kCp1252High[b - 0x80]) : QChar(char16_t(b)));
    }
    return text;
}

QString decodeText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? decodeCp1252(bytes) : text;
}

} // namespace

bool FileExists(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.exists();
}

QStringList listMatchingFiles(const QString& folder, const QString& wildcard)
{
    // Without QDir::Hidden names starting with "." are left out; without QDir::System so are
    // broken links; QDir::Files keeps links to regular files.
    const QStringList names =
        QDir(folder).entryList({wildcard}, QDir::Files | QDir::NoDotAndDotDot, QDir::NoSort);
    QStringList trimmed;
    trimmed.reserve(names.size());
    for (const QString& name : names)
        trimmed.append(name.trimmed());
    return trimmed;
}

int CountFiles(const QString& pattern)
{
    const qsizetype slash = pattern.lastIndexOf(u'/');
    return int(listMatchingFiles(pattern.left(slash + 1), pattern.mid(slash + 1)).size());
}

std::optional<QStringList> readTextLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString text = decodeText(file.readAll());
    if (text.isEmpty())
        return QStringList();
    QStringList lines = text.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

SaveError saveTextLines(const QString& path, const QStringList& lines)
{
    QSaveFile file(path);
    // Unbuffered, so a short write (a full disk) is seen here: a buffered flush misses it and
    // the commit would put a cut-short file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return SaveError::Create;
    for (const QString& line : lines) {
        const QByteArray bytes = line.toUtf8() + "\r\n";
        if (file.write(bytes) != bytes.size()) {
            file.cancelWriting();
            return SaveError::Write;
        }
    }
    return file.commit() ? SaveError::None : SaveError::Write;
}

} // namespace platform
