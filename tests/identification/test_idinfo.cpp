#include "identification/idinfo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <ostream>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using identification::IDRecord;

namespace {

const IDRecord kSample{u"Ann Lee"_s, u"05/14/2019"_s, u"Dr. Ray"_s, u"03/07/2026"_s};

// The file as written for kSample, so cases can vary one line at a time.
const QByteArray kHeader = "===== IDInfo =====\r\n";
const QByteArray kSampleData = "Child's Name:    Ann Lee\r\n"
                               "Date of Birth:   05/14/2019\r\n"
                               "Examiner's Name: Dr. Ray\r\n"
                               "Date of Test:    03/07/2026\r\n";

class IdInfoFile : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString path() const { return m_dir.filePath(u"idinfo.txt"_s); }

    void writeBytes(const QByteArray& bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray readBytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList filesInFolder() const { return QDir(m_dir.path()).entryList(QDir::Files); }

    QTemporaryDir m_dir;
};

TEST_F(IdInfoFile, PathIsTheTrimmedWorkingFolderFollowedByTheFileName)
{
    EXPECT_EQ(identification::idInfoPath(u"  /data/child 7/ "_s), u"/data/child 7/idinfo.txt"_s);
}

TEST_F(IdInfoFile, SavesTrimmedValuesAndReadsThemBack)
{
    // An old file of another format is replaced whole.
    writeBytes("something else entirely\r\nwith more lines than the new one\r\n\r\n\r\n\r\n\r\n");
    const IDRecord entered{u"  Ren\u00e9e O'Neil "_s, u" 05/14/2019"_s, u"Dr. Ray: SLP  "_s,
                           u"03/07/2026 10:30"_s};

    ASSERT_EQ(identification::saveIDInfoFile(path(), entered), std::nullopt);

    EXPECT_EQ(readBytes(), QByteArray("===== IDInfo =====\r\n"
                                      "Child's Name:    Ren\xc3\xa9"
                                      "e O'Neil\r\n"
                                      "Date of Birth:   05/14/2019\r\n"
                                      "Examiner's Name: Dr. Ray: SLP\r\n"
                                      "Date of Test:    03/07/2026 10:30\r\n"));
    const identification::IDInfoReadResult read = identification::readIDInfoFile(path());
    EXPECT_EQ(read.failure, QString());
    EXPECT_EQ(read.record, (IDRecord{u"Ren\u00e9e O'Neil"_s, u"05/14/2019"_s, u"Dr. Ray: SLP"_s,
                                     u"03/07/2026 10:30"_s}));
}

TEST_F(IdInfoFile, SaveIntoAMissingFolderCannotCreateTheFile)
{
    const QString inMissingFolder = m_dir.filePath(u"gone/idinfo.txt"_s);

    EXPECT_EQ(identification::saveIDInfoFile(inMissingFolder, kSample),
              u"Can't create IDinfo file: \r\n"_s + inMissingFolder);
    EXPECT_FALSE(QFile::exists(inMissingFolder));
}

TEST_F(IdInfoFile, FailedWriteKeepsTheOldFile)
{
    const QByteArray old = kHeader + kSampleData;
    writeBytes(old);
    const QString expected = u"Can't write to IDInfo file: \r\n"_s + path();

    // A file size limit makes the disk "full" after a few bytes; it applies to the forked child
    // only, which reports through its exit code whether the save failed with the right message.
    const auto saveUnderSizeLimit = [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16, 16};
        setrlimit(RLIMIT_FSIZE, &limit);
        const std::optional<QString> failure = identification::saveIDInfoFile(
            path(), {u"Someone Else"_s, u"01/01/2020"_s, u"Dr. New"_s, u"04/04/2026"_s});
        _exit(failure == expected ? 0 : 1);
    };
    EXPECT_EXIT(saveUnderSizeLimit(), ::testing::ExitedWithCode(0), "");

    EXPECT_EQ(readBytes(), old);
    EXPECT_EQ(filesInFolder(), QStringList{u"idinfo.txt"_s});
}

TEST_F(IdInfoFile, AFileThatCannotBeOpenedIsReported)
{
    const QString missing = m_dir.filePath(u"missing/idinfo.txt"_s);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"idinfo.txt"_s));

    for (const QString& unopenable : {missing, path()}) {
        SCOPED_TRACE(unopenable.toStdString());
        const identification::IDInfoReadResult read = identification::readIDInfoFile(unopenable);
        EXPECT_EQ(read.record, std::nullopt);
        EXPECT_EQ(read.failure, u"Can't open IDInfo file: \r\n"_s + unopenable);
    }
}

struct ReadCase
{
    const char* name;
    QByteArray bytes;
    std::optional<IDRecord> record;
    QString failure; // the message without its path line
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}

class IdInfoRead : public IdInfoFile, public ::testing::WithParamInterface<ReadCase>
{
};

TEST_P(IdInfoRead, ReadsOrRefusesTheFile)
{
    writeBytes(GetParam().bytes);

    const identification::IDInfoReadResult read = identification::readIDInfoFile(path());

    EXPECT_EQ(read.record, GetParam().record);
    EXPECT_EQ(read.failure,
              GetParam().failure.isEmpty() ? QString() : GetParam().failure + u"\r\n"_s + path());
}

const QString kCantRead = u"Can't read IDInfo file: "_s;
const QString kNotIdInfo = u"IFile not of IDInfo format: "_s;

INSTANTIATE_TEST_SUITE_P(
    Cases, IdInfoRead,
    ::testing::Values(
        ReadCase{"HeaderIDInfoAlone", "IDInfo\r\n" + kSampleData, kSample, {}},
        ReadCase{"HeaderContainingIDInfo", "xxIDInfoyy\r\n" + kSampleData, kSample, {}},
        ReadCase{"HeaderInLowerCase", "idinfo\r\n" + kSampleData, {}, kNotIdInfo},
        ReadCase{"HeaderEmptyLine", "\r\n" + kSampleData, {}, kNotIdInfo},
        ReadCase{"EmptyFile", "", {}, kCantRead}, ReadCase{"HeaderOnly", kHeader, {}, kCantRead},
        ReadCase{"FourLines",
                 kHeader + "Child's Name:    Ann Lee\r\nDate of Birth:   05/14/2019\r\n"
                           "Examiner's Name: Dr. Ray\r\n",
                 {},
                 kCantRead},
        ReadCase{
            "LineWithoutColonIsTheValue",
            kHeader + "   Ann Lee   \r\nDate of Birth:   05/14/2019\r\n"
                      "Examiner's Name: Dr. Ray\r\nDate of Test    03/07/2026\r\n",
            IDRecord{u"Ann Lee"_s, u"05/14/2019"_s, u"Dr. Ray"_s, u"Date of Test    03/07/2026"_s},
            {}},
        ReadCase{"LinesFillFieldsByPosition",
                 kHeader + "Date of Test:    03/07/2026\r\nExaminer's Name: Dr. Ray\r\n"
                           "Date of Birth:   05/14/2019\r\nChild's Name:    Ann Lee\r\n",
                 IDRecord{u"03/07/2026"_s, u"Dr. Ray"_s, u"05/14/2019"_s, u"Ann Lee"_s},
                 {}},
        ReadCase{"Windows1252",
                 kHeader + "Child's Name:    Ren\xe9"
                           "e M\xfcller\r\nDate of Birth:   05/14/2019\r\n"
                           "Examiner's Name: Dr. \x8akoda\r\nDate of Test:    03/07/2026\r\n",
                 IDRecord{u"Ren\u00e9e M\u00fcller"_s, u"05/14/2019"_s, u"Dr. \u0160koda"_s,
                          u"03/07/2026"_s},
                 {}},
        ReadCase{"LineFeedsOnly",
                 "===== IDInfo =====\nChild's Name:    Ann Lee\nDate of Birth:   05/14/2019\n"
                 "Examiner's Name: Dr. Ray\nDate of Test:    03/07/2026",
                 kSample,
                 {}},
        ReadCase{"BlanksAroundValuesAndEmptyValue",
                 kHeader + "Child's Name:\t  Ann Lee  \r\nDate of Birth:\r\n"
                           "Examiner's Name:Dr. Ray\r\nDate of Test:    03/07/2026   \r\n",
                 IDRecord{u"Ann Lee"_s, {}, u"Dr. Ray"_s, u"03/07/2026"_s},
                 {}},
        ReadCase{"LinesAfterTheFifthAreIgnored",
                 kHeader + kSampleData + "Extra: line\r\n",
                 kSample,
                 {}}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

} // namespace
