#include "app/commands.h"

#include "support/fakes.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Scan
{
    fakes::MemoryStatusLine status;
    fakes::FixedClock clock{QDate(2026, 3, 7)};
    QStringList calls;
    app::IdentificationHooks hooks{
        [this] { calls.append(QStringLiteral("load")); },
        [this](const QString& today) { calls.append(QStringLiteral("reset ") + today); }};

    void run(const QString& folder) { app::scanWorkingFolder(folder, status, clock, hooks); }
};

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(FolderScan, SingularCountsAndTheIdentificationFileLoaded)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    for (const char* name : {"A.WAV", "anna.prl", "idinfo.txt", "notes.txt"})
        touch(folder + QString::fromLatin1(name));
    Scan scan;
    scan.run(folder);
    EXPECT_EQ(scan.status.panels.value(1), folder);
    EXPECT_EQ(scan.status.panels.value(2), QStringLiteral("1 .wav file"));
    EXPECT_EQ(scan.status.panels.value(4), QStringLiteral("1 rater"));
    EXPECT_EQ(scan.calls, QStringList{QStringLiteral("load")});
}

TEST(FolderScan, EmptyOrMissingFolderCountsZeroAndResetsWithToday)
{
    QTemporaryDir dir;
    for (const QString& folder : {dir.path() + u'/', dir.path() + QStringLiteral("/gone/")}) {
        Scan scan;
        scan.run(folder);
        EXPECT_EQ(scan.status.panels.value(2), QStringLiteral("0 .wav files"));
        EXPECT_EQ(scan.status.panels.value(4), QStringLiteral("0 raters"));
        EXPECT_EQ(scan.calls, QStringList{QStringLiteral("reset 03/07/2026")});
    }
}

TEST(FolderScan, PluralCounts)
{
    EXPECT_EQ(app::countText(12, QStringLiteral(" .wav file"), QStringLiteral(" .wav files")),
              QStringLiteral("12 .wav files"));
}

TEST(WorkingFolder, GetsOneTrailingSlash)
{
    EXPECT_EQ(app::asWorkingFolder(QStringLiteral("/data/child")), QStringLiteral("/data/child/"));
    EXPECT_EQ(app::asWorkingFolder(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(app::sampleFolder(QStringLiteral("/opt/kalmo/parl")),
              QStringLiteral("/opt/kalmo/parl/sample/"));
}

TEST(Refusals, IdentifyNeedsAFolder)
{
    fakes::MemoryStatusLine status;
    status.panels[1] = QStringLiteral("   ");
    EXPECT_EQ(app::identifyRefusal(status),
              QStringLiteral("A directory must be chosen before entering\r\n"
                             "identifying information.  Use 'Browse' menu."));
    status.panels[1] = QStringLiteral("/data/");
    EXPECT_FALSE(app::identifyRefusal(status).has_value());
}

TEST(Refusals, RateNeedsTheChildOfThisFolder)
{
    const QString notIdentified = QStringLiteral(
        "The child whose speech is to be rated has not\r\nbeen identified.  Use 'Identify' menu.");
    const QString mismatch =
        QStringLiteral("ID directory does not match .wav directory.\r\nCheck Identify menu.");
    struct Case
    {
        QString idPath, childsName;
        std::optional<QString> refusal;
    };
    const Case cases[] = {
        {QString(), QStringLiteral("Ann"), notIdentified},
        {QStringLiteral("/data/idinfo.txt"), QStringLiteral("   "), notIdentified},
        {QStringLiteral("/other/idinfo.txt"), QStringLiteral("Ann"), mismatch},
        {QStringLiteral("idinfo.txt"), QStringLiteral("Ann"), mismatch},
        {QStringLiteral("/data/idinfo.txt"), QStringLiteral("Ann"), std::nullopt},
    };
    fakes::MemoryStatusLine status;
    status.panels[1] = QStringLiteral("/data/");
    for (const Case& c : cases)
        EXPECT_EQ(app::rateRefusal(c.idPath, c.childsName, status), c.refusal) << c.idPath.toStdString();
}

} // namespace
