#include "ratedgrid.h"
#include "results/ratingsave.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

class RatingSaveTest : public testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ASSERT_TRUE(root.isValid());
        folder = root.path() + u"/kid/"_s;
        ASSERT_TRUE(QDir().mkpath(folder));
        status.panels[1] = folder;
        status.panels[4] = u"7 raters"_s;
    }

    void save(const QString& ratersName, const QString& intelText = u" 78"_s)
    {
        const results::RatingRunHooks run{
            [this] { return child; },
            [this] { return grid; },
            [this] { log.append(u"unloadWaves"_s); },
            [this] { log.append(u"enableScore"_s); },
            [this] { log.append(u"hideRatingWindow"_s); },
        };
        results::RatingSave ratingSave(
            {messages, printer, status, clock}, run, [this] { log.append(u"hideResultsWindow"_s); },
            nullptr);
        ratingSave.save(ratersName, intelText);
    }

    QByteArray contents(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList filesIn(const QString& path) const
    {
        return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                    QDir::Name);
    }

    QTemporaryDir root;
    QString folder;
    QStringList log;
    fakes::LoggingMessages messages{log};
    fakes::RecordingPrinter printer;
    fakes::MemoryStatusLine status;
    fakes::FixedClock clock{QDate(2026, 3, 7)};
    identification::IDRecord child{u"Zo\u00eb M\u00fcller"_s, u" 12/24/2019"_s,
                                   u"Dr. Eve Grant  "_s, u"03/02/2026"_s};
    QList<results::GridRow> grid = testdata::ratedGrid();
};

TEST_F(RatingSaveTest, WritesTheRatingFileByteForByte)
{
    save(u"  Max Ray  "_s);

    const QByteArray expected = QByteArray("# Child's Name:    Zo\xc3\xab M\xc3\xbcller\r\n"
                                           "# Date of Birth:   12/24/2019\r\n"
                                           "# Examiner's Name: Dr. Eve Grant\r\n"
                                           "# Date of Test:    03/02/2026\r\n"
                                           "# Rater's Name:    Max Ray\r\n"
                                           "# Date of Scoring: 03/07/2026\r\n"
                                           "* Intelligibility: 78%\r\n"
                                           "Directory: ") +
                                folder.toUtf8() +
                                "\r\n"
                                "File               Word Rating    Evaluation\r\n"
                                "--------------------------------------------\r\n" +
                                testdata::kRatedGridLines;
    EXPECT_EQ(contents(folder + u"Max Ray.prl"_s), expected);
}

TEST_F(RatingSaveTest, SuccessReportsThePathOffersPrintingAndEndsTheRun)
{
    save(u"Ann"_s);

    const QString path = folder + u"Ann.prl"_s;
    const QStringList expected = {
        u"unloadWaves"_s,
        u"hideResultsWindow"_s,
        u"show: Intelligibility score has been saved to file: \r\n"_s + path,
        u"ask: Print rating?"_s,
        u"hideRatingWindow"_s,
    };
    EXPECT_EQ(log, expected);
    EXPECT_EQ(messages.shown.value(0).icon, platform::Messages::Icon::None);
    EXPECT_EQ(status.panels[4], u"1 rater"_s);
    EXPECT_EQ(printer.dialogs, 0);
}

TEST_F(RatingSaveTest, PrintsTheSavedFileBeforeTheRatingWindowCloses)
{
    messages.answers = {true};
    save(u"Ann"_s);

    ASSERT_EQ(printer.lines.size(), 61);
    EXPECT_EQ(printer.lines.first(), u" "_s);
    EXPECT_EQ(printer.lines.at(7), u"        * Intelligibility: 78%"_s);
    EXPECT_EQ(printer.lines.at(33), u"        23_23_apple.wav      23           "_s);
    EXPECT_EQ(printer.ended, 1);
    EXPECT_EQ(log.last(), u"hideRatingWindow"_s);
}

class BlankRaterName : public RatingSaveTest, public testing::WithParamInterface<const char16_t*>
{
};

TEST_P(BlankRaterName, IsRefusedWithoutTouchingAnything)
{
    save(QString::fromUtf16(GetParam()));

    EXPECT_EQ(log, QStringList{u"show: No Rater."_s});
    EXPECT_EQ(messages.shown.value(0).icon, platform::Messages::Icon::Exclamation);
    EXPECT_EQ(filesIn(folder), QStringList());
    EXPECT_EQ(status.panels[4], u"7 raters"_s);
}

INSTANTIATE_TEST_SUITE_P(Names, BlankRaterName, testing::Values(u"", u"  ", u" \t "));

class UnsafeRaterName : public RatingSaveTest, public testing::WithParamInterface<const char16_t*>
{
};

TEST_P(UnsafeRaterName, FailsLikeAFileThatCannotBeCreated)
{
    const QString name = QString::fromUtf16(GetParam());
    save(name);

    const QStringList expected = {
        u"unloadWaves"_s,
        u"show: Can't open rating file: \r\n"_s + folder + name.trimmed() + u".prl"_s,
        u"enableScore"_s,
        u"hideResultsWindow"_s,
    };
    EXPECT_EQ(log, expected);
    EXPECT_EQ(filesIn(root.path()), QStringList{u"kid"_s});
    EXPECT_EQ(filesIn(folder), QStringList());
    EXPECT_EQ(status.panels[4], u"7 raters"_s);
}

INSTANTIATE_TEST_SUITE_P(Names, UnsafeRaterName,
                         testing::Values(u"../x", u"a/b", u"/abs", u"con:", u"a\\b", u"a*b",
                                         u"why?", u"say \"hi\"", u"<b>", u"x|y", u"tab\there",
                                         u"bell\u0007", u".", u"..", u" .. "));

TEST_F(RatingSaveTest, SavingAgainUnderOneNameReplacesTheFile)
{
    save(u"Ann"_s);
    grid[0][2] = u"wall"_s;
    grid[0][3] = u"I"_s;
    save(u" Ann "_s, u" 76"_s);

    EXPECT_EQ(filesIn(folder), QStringList{u"Ann.prl"_s});
    EXPECT_EQ(status.panels[4], u"1 rater"_s);
    const QByteArray saved = contents(folder + u"Ann.prl"_s);
    EXPECT_TRUE(saved.contains("* Intelligibility: 76%\r\n"));
    EXPECT_TRUE(saved.contains("\r\n1_01_ball.wav        01 wall      I\r\n"));
}

TEST_F(RatingSaveTest, CountsEveryRatingFileOfTheFolder)
{
    save(u"Ann"_s);
    EXPECT_EQ(status.panels[4], u"1 rater"_s);
    save(u"Bob"_s);
    EXPECT_EQ(status.panels[4], u"2 raters"_s);

    for (const QString& name : {u"older.PRL"_s, u"notes.txt"_s}) {
        QFile other(folder + name);
        ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    }
    save(u"Cy"_s);
    EXPECT_EQ(status.panels[4], u"4 raters"_s);
}

TEST_F(RatingSaveTest, AFolderThatCannotTakeTheFileGivesTheOpenMessage)
{
    folder = root.path() + u"/gone/"_s;
    status.panels[1] = u"  "_s + folder + u" "_s;
    save(u"Ann"_s);

    const QStringList expected = {
        u"unloadWaves"_s,
        u"show: Can't open rating file: \r\n"_s + folder + u"Ann.prl"_s,
        u"enableScore"_s,
        u"hideResultsWindow"_s,
    };
    EXPECT_EQ(log, expected);
    EXPECT_EQ(status.panels[4], u"7 raters"_s);
    EXPECT_EQ(filesIn(root.path()), QStringList{u"kid"_s});
}

// Log entries hold CR LF, so the child separates them with a character no message holds.
constexpr QChar kEntrySeparator = u'\0';

// Runs a save in a child process whose files may not grow past a few hundred bytes, so writing
// fails for real; returns the child's log.
QStringList saveUnderFileSizeLimit(const std::function<void(QStringList&)>& saveAndLog)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return {u"pipe failed"_s};
    const pid_t pid = fork();
    if (pid == 0) {
        close(pipeFds[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{512, 512};
        setrlimit(RLIMIT_FSIZE, &limit);
        QStringList childLog;
        saveAndLog(childLog);
        const QByteArray report = childLog.join(kEntrySeparator).toUtf8();
        const bool sent = write(pipeFds[1], report.constData(), report.size()) == report.size();
        _exit(sent ? 0 : 1);
    }
    close(pipeFds[1]);
    QByteArray report;
    char buffer[4096];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, n);
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {u"child failed"_s};
    return QString::fromUtf8(report).split(kEntrySeparator);
}

TEST_F(RatingSaveTest, AFailedWriteKeepsTheEarlierFile)
{
    save(u"Ann"_s);
    const QString path = folder + u"Ann.prl"_s;
    const QByteArray earlier = contents(path);
    ASSERT_GT(earlier.size(), 512);

    grid[0][2] = u"wall"_s;
    const QStringList childLog = saveUnderFileSizeLimit([this](QStringList& childLog) {
        log.clear();
        save(u"Ann"_s);
        childLog = log;
    });

    const QStringList expected = {
        u"unloadWaves"_s,
        u"show: Can't write to rating file: \r\n"_s + path,
        u"enableScore"_s,
        u"hideResultsWindow"_s,
    };
    EXPECT_EQ(childLog, expected);
    EXPECT_EQ(contents(path), earlier);
    EXPECT_EQ(filesIn(folder), QStringList{u"Ann.prl"_s});
}

} // namespace
