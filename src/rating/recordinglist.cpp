#include "recordinglist.h"

#include "platform/files.h"
#include "wavfilename.h"

#include <QCollator>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace rating {

namespace {

// The order of a list box that keeps its items sorted: the user's collation, ignoring case and
// reading digits one by one. Names that collate equal keep a fixed order between them.
void sortLikeListBox(QStringList& names)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    std::sort(names.begin(), names.end(), [&collator](const QString& a, const QString& b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
}

// The message that refuses a folder with the wrong number of recordings, if any.
std::optional<QString> countMessage(qsizetype count)
{
    if (count == 0)
        return u"No .wav files in directory"_s;
    if (count < kRecordingCount)
        return u"Too few .wav files in directory"_s;
    if (count > kRecordingCount)
        return u"Too many .wav files in directory"_s;
    return std::nullopt;
}

} // namespace

std::optional<RecordingList> listRecordings(const QString& workingFolder,
                                            const wordlists::WordLists& wordLists,
                                            platform::Messages& messages)
{
    RecordingList list{workingFolder.trimmed(), {}};
    if (list.folder.isEmpty())
        return std::nullopt;

    list.names = platform::listMatchingFiles(list.folder, u"*.wav"_s);
    if (const std::optional<QString> refusal = countMessage(list.names.size())) {
        messages.show(*refusal, platform::Messages::Icon::Critical);
        return std::nullopt;
    }

    sortLikeListBox(list.names);
    for (const QString& name : std::as_const(list.names)) {
        if (!IsValidWavFilename(name, wordLists, messages))
            return std::nullopt;
    }
    return list;
}

} // namespace rating
