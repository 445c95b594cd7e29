#include "waves.h"

#include "platform/files.h"

#include <QFile>
#include <QFileInfo>
#include <new>

using namespace Qt::StringLiterals;

namespace rating {

namespace {

// A zero-filled buffer of size bytes; false when it cannot be had.
bool allocateZeroed(QByteArray& buffer, qint64 size)
{
    try {
        buffer = QByteArray(size, '\0');
    } catch (const std::bad_alloc&) {
        buffer.clear();
        return false;
    }
    return buffer.size() == size;
}

void showCritical(platform::Messages& messages, const QString& text)
{
    messages.show(text, platform::Messages::Icon::Critical);
}

} // namespace

void Waves::LoadWaves(const QString& folder, const QStringList& fileNames,
                      platform::Messages& messages)
{
    m_entries = QList<WaveEntry>(fileNames.size() + 1);
    for (qsizetype k = 1; k < m_entries.size(); ++k) {
        WaveEntry& entry = m_entries[k];
        entry.FileName = fileNames[k - 1].trimmed();
        if (!loadEntry(entry, folder + entry.FileName, messages))
            return;
    }
}

bool Waves::loadEntry(WaveEntry& entry, const QString& path, platform::Messages& messages)
{
    if (!platform::FileExists(path)) {
        showCritical(messages, u"Can't open WAV file: \r\n"_s + path);
        return false;
    }
    entry.Size = QFileInfo(path).size();
    if (!allocateZeroed(entry.Data, entry.Size)) {
        showCritical(messages, u"Can't allocate memory"_s);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showCritical(messages, u"Can't open WAV file:\r\n"_s + path);
        return false;
    }
    if (file.read(entry.Data.data(), entry.Size) <= 0) {
        showCritical(messages, u"Error reading WAV file\r\n"_s + path);
        return false;
    }
    return true;
}

void Waves::UnloadWaves()
{
    for (WaveEntry& entry : m_entries)
        entry = WaveEntry();
}

QByteArray Waves::image(int k) const
{
    return k >= 0 && k < m_entries.size() ? m_entries[k].Data : QByteArray();
}

} // namespace rating
