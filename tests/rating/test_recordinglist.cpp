#include "rating/ratingfixture.h"
#include "rating/recordinglist.h"
#include "support/fakes.h"

#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class RecordingListTest : public ::testing::Test
{
protected:
    std::optional<rating::RecordingList> list()
    {
        return rating::listRecordings(folder, table, messages);
    }
    void expectRefused(const QString& text)
    {
        EXPECT_FALSE(list());
        EXPECT_EQ(messages.shown,
                  QList<fakes::Message>({{text, platform::Messages::Icon::Critical}}));
    }

    QTemporaryDir dir;
    QString folder = dir.path() + u'/';
    wordlists::WordLists table = makeWordLists();
    fakes::RecordingMessages messages;
};

struct CountCase
{
    int recordings;
    const char* message;
};

TEST_F(RecordingListTest, RequiresExactlyFiftyRecordings)
{
    const CountCase cases[] = {{0, "No .wav files in directory"},
                               {49, "Too few .wav files in directory"},
                               {51, "Too many .wav files in directory"}};
    for (const CountCase& c : cases) {
        SCOPED_TRACE(c.recordings);
        QTemporaryDir caseDir;
        folder = caseDir.path() + u'/';
        messages.shown.clear();
        ASSERT_TRUE(writeRecordings(folder, c.recordings));
        ASSERT_TRUE(writeFile(folder + u"notes.txt"_s, "x"));
        expectRefused(QString::fromUtf8(c.message));
    }
}

TEST_F(RecordingListTest, AFolderThatCannotBeListedHasNoRecordings)
{
    folder += u"gone/"_s;
    expectRefused(u"No .wav files in directory"_s);
}

TEST_F(RecordingListTest, AnEmptyWorkingFolderStopsSilently)
{
    folder = u"   "_s;
    EXPECT_FALSE(list());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(RecordingListTest, CountsOnlyWavFilesInAnyCase)
{
    ASSERT_TRUE(writeRecordings(folder, 49));
    ASSERT_TRUE(writeFile(folder + u"61_50_W50A.WAV"_s, "x"));
    for (const QString& other : {u"99_01_w1A.prl"_s, u"idinfo.txt"_s, u"99_02_w2A.wav.bak"_s})
        ASSERT_TRUE(writeFile(folder + other, "x"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"99_03_w3A.wav"_s));

    const std::optional<rating::RecordingList> result = list();
    ASSERT_TRUE(result);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(result->folder, folder);
    ASSERT_EQ(result->names.size(), rating::kRecordingCount);
    EXPECT_EQ(result->names.last(), u"61_50_W50A.WAV"_s);
}

TEST_F(RecordingListTest, ReportsOnlyTheFirstBadNameInSortedOrder)
{
    ASSERT_TRUE(writeRecordings(folder, 50));
    // The 10th and the 20th names in sorted order, each replaced by a bad one.
    ASSERT_TRUE(QFile::rename(folder + recordingName(10), folder + u"20_10_ballon.wav"_s));
    ASSERT_TRUE(QFile::rename(folder + recordingName(20), folder + u"30_20_w20A_2.wav"_s));
    expectRefused(u"Filename '20_10_ballon.wav ' is not in the PARL word lists."_s);
}

TEST_F(RecordingListTest, OrdersNamesIgnoringCaseAndDigitByDigit)
{
    ASSERT_TRUE(writeRecordings(folder, 46));
    const QStringList extra = {u"3_05_cat.wav"_s, u"12_01_dog.wav"_s, u"17_07_ball.wav"_s,
                               u"17_07_Bell.wav"_s};
    for (const QString& name : extra)
        ASSERT_TRUE(writeFile(folder + name, "x"));

    for (const char* localeName : {"C", "en_US", "de_DE"}) {
        SCOPED_TRACE(localeName);
        QLocale::setDefault(QLocale(QString::fromUtf8(localeName)));
        const std::optional<rating::RecordingList> result = list();
        ASSERT_TRUE(result);
        const QStringList& names = result->names;
        EXPECT_LT(names.indexOf(u"12_01_dog.wav"_s), names.indexOf(u"3_05_cat.wav"_s));
        EXPECT_EQ(names.indexOf(u"17_07_Bell.wav"_s), names.indexOf(u"17_07_ball.wav"_s) + 1);
        for (int k = 2; k <= 46; ++k)
            EXPECT_GT(names.indexOf(recordingName(k)), names.indexOf(recordingName(k - 1)));
    }
    QLocale::setDefault(QLocale::system());
}

} // namespace
