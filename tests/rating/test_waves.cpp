#include "rating/ratingfixture.h"
#include "rating/waves.h"
#include "support/fakes.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// A failed huge allocation must come back as a failure under AddressSanitizer as well.
extern "C" const char* __asan_default_options()
{
    return "allocator_may_return_null=1";
}

namespace {

constexpr int kRows = 5;
constexpr QFileDevice::Permissions kReadable =
    QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;

class WavesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Readable by the unprivileged user that loads as when the tests run as root.
        ASSERT_TRUE(QFile::setPermissions(dir.path(), kReadable | QFile::WriteOwner |
                                                          QFile::ExeOwner | QFile::ExeGroup |
                                                          QFile::ExeOther));
        for (int k = 1; k <= kRows; ++k)
            names.append(recordingName(k));
        ASSERT_TRUE(writeRecordings(folder, kRows));
    }

    QString path(int k) const { return folder + recordingName(k); }

    // File permissions do not stop root, so a root run loads as an unprivileged user.
    void load()
    {
        const bool dropPrivileges = geteuid() == 0;
        if (dropPrivileges) {
            ASSERT_EQ(seteuid(65534), 0);
        }
        waves.LoadWaves(folder, names, messages);
        if (dropPrivileges) {
            ASSERT_EQ(seteuid(0), 0);
        }
    }

    void expectLoadedUpTo(int lastLoaded)
    {
        for (int k = 1; k <= lastLoaded; ++k) {
            SCOPED_TRACE(k);
            EXPECT_EQ(waves.entries()[k].FileName, recordingName(k));
            EXPECT_EQ(waves.entries()[k].Size, recordingBytes(k).size());
            EXPECT_EQ(waves.image(k), recordingBytes(k));
        }
    }

    void expectEmptyFrom(int firstEmpty)
    {
        for (int k = firstEmpty; k <= kRows; ++k) {
            SCOPED_TRACE(k);
            EXPECT_TRUE(waves.entries()[k].FileName.isEmpty());
            EXPECT_TRUE(waves.image(k).isEmpty());
        }
    }

    QTemporaryDir dir;
    QString folder = dir.path() + u'/';
    QStringList names;
    rating::Waves waves;
    fakes::RecordingMessages messages;
};

TEST_F(WavesTest, HoldsEveryFileWholeByGridRow)
{
    load();
    EXPECT_TRUE(messages.shown.isEmpty());
    ASSERT_EQ(waves.entries().size(), kRows + 1);
    EXPECT_TRUE(waves.image(0).isEmpty());
    expectLoadedUpTo(kRows);
    EXPECT_TRUE(waves.image(kRows + 1).isEmpty());
    EXPECT_TRUE(waves.image(-1).isEmpty());
}

TEST_F(WavesTest, TrimsTheNamesFromTheGrid)
{
    names[0] = u"  "_s + names[0] + u" "_s;
    load();
    EXPECT_TRUE(messages.shown.isEmpty());
    expectLoadedUpTo(kRows);
}

struct FailureCase
{
    const char* label;
    std::function<bool(const QString& path)> spoil;
    QString (*message)(const QString& path);
    // What the failing row holds afterwards.
    QByteArray (*heldImage)(const QString& path);
};

const FailureCase kFailureCases[] = {
    {"deleted before loading", [](const QString& p) { return QFile::remove(p); },
     [](const QString& p) { return u"Can't open WAV file: \r\n"_s + p; },
     [](const QString&) { return QByteArray(); }},
    {"empty file", [](const QString& p) { return writeFile(p, {}); },
     [](const QString& p) { return u"Error reading WAV file\r\n"_s + p; },
     [](const QString&) { return QByteArray(); }},
    {"unreadable", [](const QString& p) { return QFile::setPermissions(p, {}); },
     [](const QString& p) { return u"Can't open WAV file:\r\n"_s + p; },
     [](const QString& p) { return QByteArray(QFileInfo(p).size(), '\0'); }},
};

TEST_F(WavesTest, StopsAtTheFirstFileThatCannotBeRead)
{
    constexpr int failing = 3;
    for (const FailureCase& c : kFailureCases) {
        SCOPED_TRACE(c.label);
        ASSERT_TRUE(writeRecordings(folder, kRows));
        ASSERT_TRUE(QFile::setPermissions(path(failing), kReadable | QFile::WriteOwner));
        ASSERT_TRUE(c.spoil(path(failing)));
        messages.shown.clear();

        load();
        EXPECT_EQ(messages.shown, QList<fakes::Message>({{c.message(path(failing)),
                                                          platform::Messages::Icon::Critical}}));
        expectLoadedUpTo(failing - 1);
        EXPECT_EQ(waves.entries()[failing].FileName, recordingName(failing));
        EXPECT_EQ(waves.image(failing), c.heldImage(path(failing)));
        expectEmptyFrom(failing + 1);
    }
}

bool overcommitIsRefused()
{
    QFile policy(u"/proc/sys/vm/overcommit_memory"_s);
    return policy.open(QIODevice::ReadOnly) && policy.readAll().trimmed() != "1";
}

TEST_F(WavesTest, AnImageTooBigToHoldStopsTheLoad)
{
    if (!overcommitIsRefused())
        GTEST_SKIP() << "this machine promises any amount of memory";
    QFile huge(path(2));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(qint64(4) << 40)) << "a sparse file of 4 TiB";
    huge.close();

    load();
    EXPECT_EQ(messages.shown, QList<fakes::Message>({{u"Can't allocate memory"_s,
                                                      platform::Messages::Icon::Critical}}));
    expectLoadedUpTo(1);
    EXPECT_TRUE(waves.image(2).isEmpty());
    expectEmptyFrom(3);
}

TEST_F(WavesTest, UnloadingReleasesEveryImageAndKeepsTheRows)
{
    load();
    waves.UnloadWaves();
    ASSERT_EQ(waves.entries().size(), kRows + 1);
    for (const rating::WaveEntry& entry : waves.entries()) {
        EXPECT_TRUE(entry.FileName.isEmpty());
        EXPECT_EQ(entry.Size, 0);
        EXPECT_TRUE(entry.Data.isEmpty());
    }
}

TEST_F(WavesTest, ANewLoadReplacesThePreviousRecordings)
{
    load();
    names = names.mid(0, 2);
    load();
    ASSERT_EQ(waves.entries().size(), 3);
    expectLoadedUpTo(2);
}

} // namespace
