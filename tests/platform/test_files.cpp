#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class FilesTest : public ::testing::Test
{
protected:
    QString at(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    QTemporaryDir dir;
    QString folder = dir.path() + u'/';
};

TEST_F(FilesTest, CountsRegularVisibleFilesIgnoringCase)
{
    for (const char* name : {"a.wav", "B.WAV", "c.Wav", ".hidden.wav", "d.prl", "e.wav.txt"})
        writeFile(at(name), "x");
    QDir(dir.path()).mkdir(QStringLiteral("folder.wav"));
    QFile::link(at("a.wav"), at("link.wav"));
    QFile::link(at("missing"), at("broken.wav"));
    EXPECT_EQ(platform::CountFiles(folder + QStringLiteral("*.wav")), 4);
    EXPECT_EQ(platform::CountFiles(folder + QStringLiteral("*.prl")), 1);
    EXPECT_EQ(platform::CountFiles(folder + QStringLiteral("nothing*.prl")), 0);
    EXPECT_EQ(platform::CountFiles(folder + QStringLiteral("gone/*.wav")), 0);
}

TEST_F(FilesTest, FileExistsOnlyForFiles)
{
    writeFile(at("idinfo.txt"), "");
    EXPECT_TRUE(platform::FileExists(at("idinfo.txt")));
    EXPECT_FALSE(platform::FileExists(dir.path()));
    EXPECT_FALSE(platform::FileExists(at("none.txt")));
}

struct ReadCase
{
    const char* name;
    QByteArray bytes;
    QStringList lines;
};

TEST_F(FilesTest, ReadsUtf8OrWindows1252WithEitherLineEnd)
{
    const ReadCase cases[] = {
        {"crlf", "a\r\nb\r\n", {QStringLiteral("a"), QStringLiteral("b")}},
        {"lf", "a\nb", {QStringLiteral("a"), QStringLiteral("b")}},
        {"empty", "", {}},
        {"inner empty line", "a\r\n\r\nb\r\n", {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        {"utf8", "Ren\xc3\xa9\x65\r\n", {QStringLiteral("Ren\u00e9e")}},
        {"cp1252", "Ren\xe9\x65 \x80\x96\r\n", {QStringLiteral("Ren\u00e9e \u20ac\u2013")}},
    };
    for (const ReadCase& c : cases) {
        writeFile(at("t.txt"), c.bytes);
        EXPECT_EQ(platform::readTextLines(at("t.txt")), c.lines) << c.name;
    }
    EXPECT_FALSE(platform::readTextLines(at("none.txt")).has_value());
}

TEST_F(FilesTest, SavesUtf8WithCrLfAndReplacesWhole)
{
    writeFile(at("out.txt"), "old content that is longer\r\n");
    ASSERT_EQ(platform::saveTextLines(at("out.txt"), {QStringLiteral("a "), QStringLiteral("\u00e9")}),
              platform::SaveError::None);
    QFile file(at("out.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("a \r\n\xc3\xa9\r\n"));
}

TEST_F(FilesTest, SaveIntoMissingFolderFailsAtCreation)
{
    EXPECT_EQ(platform::saveTextLines(at("gone/out.txt"), {QStringLiteral("a")}),
              platform::SaveError::Create);
}

} // namespace
