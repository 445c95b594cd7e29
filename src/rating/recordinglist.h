#pragma once

#include "platform/messages.h"
#include "wordlists/wordlists.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace rating {

// A rating run always has exactly this many recordings: row k of the grid offers word list k.
inline constexpr int kRecordingCount = wordlists::MAXLISTNUM;

struct RecordingList
{
    // The working folder as listed, trimmed, ending in "/".
    QString folder;
    // The recordings in rating order, each name already checked.
    QStringList names;
};

// Lists the "*.wav" files of the working folder, requires exactly kRecordingCount of them,
// orders them and checks every name in that order. Empty when the folder cannot be rated: its
// message has been shown, except for an empty working folder, which is silent.
std::optional<RecordingList> listRecordings(const QString& workingFolder,
                                            const wordlists::WordLists& wordLists,
                                            platform::Messages& messages);

} // namespace rating
