#include "wordlists.h"

#include "platform/files.h"
#include "platform/numeric.h"

namespace wordlists {

namespace {

// No list is open before the first list-number line: both start above their limits, so a word
// line before it fails the item check.
constexpr int kNoList = MAXLISTNUM + 1;
constexpr int kNoItem = MAXITEMNUM + 1;
constexpr int kDesignedHeightTwips = 2557;

bool inTable(int list, int item)
{
    return list >= 1 && list <= MAXLISTNUM && item >= 1 && item <= MAXITEMNUM;
}

QString inFile(const QString& path)
{
    return QStringLiteral("\r\nin file '%1'").arg(path);
}

} // namespace

QString WordLists::word(int list, int item) const
{
    return inTable(list, item) ? m_cells[list - 1][item - 1] : QString();
}

void WordLists::setWord(int list, int item, const QString& word)
{
    if (inTable(list, item))
        m_cells[list - 1][item - 1] = word;
}

QStringList WordLists::shownItems(int list) const
{
    QStringList items;
    for (int item = 1; item <= std::min(m_itemsPerList, MAXITEMNUM); ++item)
        items.append(word(list, item));
    return items;
}

LoadResult LoadWordLists(const QString& path, WordLists& table, platform::Messages& messages)
{
    using Icon = platform::Messages::Icon;
    table = WordLists();

    const std::optional<QStringList> lines = platform::readTextLines(path);
    if (!lines) {
        messages.show(QStringLiteral("Can't open WordLists file '%1'").arg(path), Icon::Critical);
        return {};
    }

    int list = kNoList;
    int itemCount = kNoItem;
    for (const QString& rawLine : *lines) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty())
            break;
        if (const auto number = platform::readNumber(line)) {
            // A number too large for 16 bits reopens the current list.
            const int n = number->rounded.value_or(list);
            if (n > MAXLISTNUM) {
                messages.show(QStringLiteral("word list number %1 > MAXLISTNUM").arg(n) + inFile(path),
                              Icon::Critical);
                return {};
            }
            if (n == 2 && table.itemsPerList() == 0)
                table.setItemsPerList(itemCount);
            list = n;
            itemCount = 0;
            continue;
        }
        ++itemCount;
        if (itemCount > MAXITEMNUM) {
            messages.show(QStringLiteral("word list item %1 in list number %2 > MAXLISTNUM")
                                  .arg(itemCount)
                                  .arg(list) +
                              inFile(path),
                          Icon::Critical);
            return {};
        }
        table.setWord(list, itemCount, line);
    }

    LoadResult result;
    result.ok = true;
    if (table.itemsPerList() != 0)
        result.windowHeightTwips = kDesignedHeightTwips;
    return result;
}

} // namespace wordlists
