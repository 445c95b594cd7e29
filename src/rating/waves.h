#pragma once

#include "platform/messages.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace rating {

struct WaveEntry
{
    QString FileName;
    qint64 Size = 0;
    // The complete file image, headers included.
    QByteArray Data;
};

// The recordings of the current list held in memory, indexed by grid row (entry 0 belongs to the
// heading row and stays empty). Owned by the application, so it outlives the rating window.
class Waves
{
public:
    // Reads each file of fileNames (grid rows 1..n) whole from folder, which ends in "/". At the
    // first failure shows its message and stops: earlier entries stay loaded, the failing one
    // keeps what it got, later ones stay empty.
    void LoadWaves(const QString& folder, const QStringList& fileNames,
                   platform::Messages& messages);

    // Releases every image; the entries stay, empty.
    void UnloadWaves();

    // The image of grid row k; empty when there is none.
    QByteArray image(int k) const;

    const QList<WaveEntry>& entries() const { return m_entries; }

private:
    bool loadEntry(WaveEntry& entry, const QString& path, platform::Messages& messages);

    QList<WaveEntry> m_entries;
};

} // namespace rating
