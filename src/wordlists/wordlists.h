#pragma once

#include "platform/messages.h"

#include <QString>

#include <array>
#include <optional>

namespace wordlists {

constexpr int MAXLISTNUM = 50;
constexpr int MAXITEMNUM = 12;

// The word list table: lists 1..MAXLISTNUM by items 1..MAXITEMNUM, read once at start-up.
class WordLists
{
public:
    // The word of a cell; empty for an empty cell and for any index outside the table.
    QString word(int list, int item) const;
    void setWord(int list, int item, const QString& word);

    // The number of items shown per list; readers must still stop at MAXITEMNUM.
    int itemsPerList() const { return m_itemsPerList; }
    void setItemsPerList(int count) { m_itemsPerList = count; }

    // Items 1..min(itemsPerList, MAXITEMNUM) of a list, empty words included.
    QStringList shownItems(int list) const;

private:
    std::array<std::array<QString, MAXITEMNUM>, MAXLISTNUM> m_cells;
    int m_itemsPerList = 0;
};

struct LoadResult
{
    bool ok = false;
    // The main window's new outer height in twips, when the load decides it.
    std::optional<int> windowHeightTwips;
};

// Reads the word list file at path into table, showing the failure message itself.
LoadResult LoadWordLists(const QString& path, WordLists& table, platform::Messages& messages);

} // namespace wordlists
