#include "wordlists/wordlists.h"

#include "support/fakes.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using platform::Messages;
using wordlists::WordLists;

// Builds a word list file from LF-separated text, written with CR LF line ends.
QString listFile(const QString& lines)
{
    QString text;
    for (const QString& line : lines.split(u'\n'))
        text += line + QStringLiteral("\r\n");
    return text;
}

QString numberedLists(int lists, int words)
{
    QStringList lines;
    for (int list = 1; list <= lists; ++list) {
        lines.append(QString::number(list));
        for (int item = 1; item <= words; ++item)
            lines.append(QStringLiteral("w%1_%2").arg(list).arg(item));
    }
    return lines.join(u'\n');
}

class LoadWordListsTest : public ::testing::Test
{
protected:
    wordlists::LoadResult load(const QString& lines)
    {
        return loadBytes(listFile(lines).toUtf8());
    }

    wordlists::LoadResult loadBytes(const QByteArray& bytes)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        return wordlists::LoadWordLists(path, table, messages);
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("wordlists.txt"));
    WordLists table;
    fakes::RecordingMessages messages;
};

TEST_F(LoadWordListsTest, FullFileFillsEveryCell)
{
    const auto result = load(numberedLists(50, 12));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(table.itemsPerList(), 12);
    EXPECT_EQ(result.windowHeightTwips, 2557);
    EXPECT_EQ(table.word(1, 1), QStringLiteral("w1_1"));
    EXPECT_EQ(table.word(50, 12), QStringLiteral("w50_12"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(LoadWordListsTest, ItemsPerListIsTheCountBeforeListTwo)
{
    ASSERT_TRUE(load(numberedLists(3, 10)).ok);
    EXPECT_EQ(table.itemsPerList(), 10);
    EXPECT_EQ(table.word(2, 10), QStringLiteral("w2_10"));
    EXPECT_EQ(table.word(2, 11), QString());
    EXPECT_EQ(table.shownItems(3).size(), 10);
}

TEST_F(LoadWordListsTest, OnlyListOneLeavesItemsPerListAndHeightUnset)
{
    const auto result = load(numberedLists(1, 12));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(table.itemsPerList(), 0);
    EXPECT_FALSE(result.windowHeightTwips.has_value());
    EXPECT_TRUE(table.shownItems(1).isEmpty());
}

struct ListNumberCase
{
    const char16_t* numberLine;
    int opensList;
};

TEST_F(LoadWordListsTest, ListNumberLinesReadAsRoundedNumbers)
{
    const ListNumberCase cases[] = {
        {u"  7  ", 7}, {u"7.5", 8}, {u"6.5", 6}, {u"007", 7}, {u"\t3\t", 3}, {u"49.51", 50},
    };
    for (const ListNumberCase& c : cases) {
        const QString numberLine = QString::fromUtf16(c.numberLine);
        ASSERT_TRUE(load(numberLine + QStringLiteral("\nword")).ok) << numberLine.toStdString();
        EXPECT_EQ(table.word(c.opensList, 1), QStringLiteral("word")) << numberLine.toStdString();
    }
}

TEST_F(LoadWordListsTest, EmptyLineEndsTheFile)
{
    ASSERT_TRUE(load(QStringLiteral("1\na\n2\nb\n3\nc\n\n4\nd\n99")).ok);
    EXPECT_EQ(table.word(3, 1), QStringLiteral("c"));
    EXPECT_EQ(table.word(4, 1), QString());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(LoadWordListsTest, BlanksOnlyLineCountsAsEmpty)
{
    ASSERT_TRUE(load(QStringLiteral("1\na\n   \n2\nb")).ok);
    EXPECT_EQ(table.word(2, 1), QString());
}

TEST_F(LoadWordListsTest, WordsAreTrimmedButKeepInnerBlanksAndCase)
{
    ASSERT_TRUE(load(QStringLiteral("5\n   Ice Cream  ")).ok);
    EXPECT_EQ(table.word(5, 1), QStringLiteral("Ice Cream"));
}

TEST_F(LoadWordListsTest, ReopenedListOverwritesFromItemOne)
{
    ASSERT_TRUE(load(QStringLiteral("1\na\nb\nc\n2\nx\n1\nz")).ok);
    EXPECT_EQ(table.word(1, 1), QStringLiteral("z"));
    EXPECT_EQ(table.word(1, 2), QStringLiteral("b"));
    EXPECT_EQ(table.word(1, 3), QStringLiteral("c"));
}

TEST_F(LoadWordListsTest, OversizedNumberRestartsTheCurrentList)
{
    // 12 words, then a number beyond 16 bits, then 12 more: the counter restarts, no failure.
    QString lines = numberedLists(1, 12) + QStringLiteral("\n99999");
    for (int i = 1; i <= 12; ++i)
        lines += QStringLiteral("\nagain%1").arg(i);
    ASSERT_TRUE(load(lines).ok);
    EXPECT_EQ(table.word(1, 1), QStringLiteral("again1"));
    EXPECT_EQ(table.word(1, 12), QStringLiteral("again12"));
}

TEST_F(LoadWordListsTest, ListsBelowOneAreCountedButNotStored)
{
    ASSERT_TRUE(load(QStringLiteral("0\nzero\n-3\nneg\n1\none")).ok);
    EXPECT_EQ(table.word(1, 1), QStringLiteral("one"));
    QString thirteen = QStringLiteral("0");
    for (int i = 1; i <= 13; ++i)
        thirteen += QStringLiteral("\nw");
    EXPECT_FALSE(load(thirteen).ok);
}

TEST_F(LoadWordListsTest, ListTwoFirstGivesItemsPerListThirteenButReadersStopAtTwelve)
{
    QString lines = QStringLiteral("2");
    for (int i = 1; i <= 12; ++i)
        lines += QStringLiteral("\nw%1").arg(i);
    ASSERT_TRUE(load(lines).ok);
    EXPECT_EQ(table.itemsPerList(), 13);
    EXPECT_EQ(table.shownItems(2).size(), 12);
    EXPECT_EQ(table.word(2, 13), QString());
}

TEST_F(LoadWordListsTest, LinesEndedByLfAloneAndWindowsBytesRead)
{
    ASSERT_TRUE(loadBytes(QByteArray("1\nCaf\xe9\n2\nb\n")).ok);
    EXPECT_EQ(table.word(1, 1), QStringLiteral("Caf\u00e9"));
    EXPECT_EQ(table.itemsPerList(), 1);
}

struct FailureCase
{
    const char* name;
    QString lines;
    QString message;
};

TEST_F(LoadWordListsTest, FailuresShowTheirMessageWithTheCriticalIcon)
{
    QString thirteenInSeven = QStringLiteral("7");
    for (int i = 1; i <= 13; ++i)
        thirteenInSeven += QStringLiteral("\nw");
    const QString tail = QStringLiteral("\r\nin file '") + path + QStringLiteral("'");
    const FailureCase cases[] = {
        {"list 51", QStringLiteral("1\na\n51\nb"), QStringLiteral("word list number 51 > MAXLISTNUM") + tail},
        {"list 50.5 rounds to 50", QStringLiteral("50.5\na"), QString()},
        {"list 51.5 rounds to 52", QStringLiteral("51.5\na"), QStringLiteral("word list number 52 > MAXLISTNUM") + tail},
        {"13th word", thirteenInSeven,
         QStringLiteral("word list item 13 in list number 7 > MAXLISTNUM") + tail},
        {"word first", QStringLiteral("ball\n1\nbell"),
         QStringLiteral("word list item 14 in list number 51 > MAXLISTNUM") + tail},
        {"oversized number first", QStringLiteral("70000\nball"),
         QStringLiteral("word list number 51 > MAXLISTNUM") + tail},
    };
    for (const FailureCase& c : cases) {
        messages.shown.clear();
        const bool ok = load(c.lines).ok;
        EXPECT_EQ(ok, c.message.isEmpty()) << c.name;
        if (c.message.isEmpty()) {
            EXPECT_TRUE(messages.shown.isEmpty()) << c.name;
            continue;
        }
        ASSERT_EQ(messages.shown.size(), 1) << c.name;
        EXPECT_EQ(messages.shown[0].text, c.message) << c.name;
        EXPECT_EQ(messages.shown[0].icon, Messages::Icon::Critical) << c.name;
    }
}

TEST_F(LoadWordListsTest, MissingFileIsReportedWithItsPath)
{
    const QString missing = dir.filePath(QStringLiteral("none.txt"));
    EXPECT_FALSE(wordlists::LoadWordLists(missing, table, messages).ok);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Can't open WordLists file '") + missing +
                                          QStringLiteral("'"));
    EXPECT_EQ(messages.shown[0].icon, Messages::Icon::Critical);
}

TEST(WordLists, IndexesOutsideTheTableAreEmptyAndIgnored)
{
    WordLists table;
    table.setWord(51, 1, QStringLiteral("x"));
    table.setWord(1, 13, QStringLiteral("x"));
    table.setWord(0, 0, QStringLiteral("x"));
    EXPECT_EQ(table.word(51, 1), QString());
    EXPECT_EQ(table.word(1, 13), QString());
    EXPECT_EQ(table.word(-1, 5), QString());
}

} // namespace
