#include "app/parlapp.h"

#include "support/fakes.h"
#include "support/qtest_main.h"

#include "platform/qtprinter.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

// Whole rating runs through the real windows; only the platform's edges are fakes.
class EndToEndTest : public QObject
{
    Q_OBJECT

    struct Run
    {
        QStringList log;
        fakes::LoggingMessages messages{log};
        fakes::PreparedFolderPicker picker;
        fakes::RecordingHelpViewer help;
        fakes::FixedClock clock{QDate(2026, 3, 7)};
        fakes::ShowOnlyModal modal;
        fakes::RecordingSound sound;
        std::unique_ptr<platform::PdfPrinter> printer;
        std::unique_ptr<app::ParlApp> parl;

        Run(const QString& folder, const QString& pdf, const QString& programFolder)
            : printer(std::make_unique<platform::PdfPrinter>(pdf))
        {
            picker.folder = folder;
            parl = std::make_unique<app::ParlApp>(
                app::Services{messages, picker, help, clock, modal, sound, *printer},
                app::Paths{QStringLiteral(PARL_WORDLISTS), programFolder});
        }

        app::MainWindow& main() { return parl->mainWindow(); }

        void trigger(const char* command)
        {
            main().findChild<QAction*>(QString::fromLatin1(command))->trigger();
        }
    };

    template <typename T> static T* child(QWidget* window, const char* name)
    {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    static QByteArray readAll(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QString copySampleRecordings(const QString& into)
    {
        const QDir sample(QStringLiteral(PARL_SAMPLE_DIR));
        for (const QString& name : sample.entryList({QStringLiteral("*.wav")}, QDir::Files))
            QFile::copy(sample.filePath(name), into + u'/' + name);
        return into + u'/';
    }

    static void identifyChild(Run& run)
    {
        run.trigger("IdentifyMenu");
        QWidget* form = &run.parl->idForm();
        QVERIFY(form->isVisible());
        const QList<QPair<const char*, QString>> fields = {
            {"ChildsNameText", QStringLiteral("Robin Example")},
            {"DOBText", QStringLiteral("02/29/2020")},
            {"ExaminersNameText", QStringLiteral("  Dana Examiner ")},
            {"DOTText", QStringLiteral("03/01/2026")},
        };
        for (const auto& [name, text] : fields)
            child<QLineEdit>(form, name)->setText(text);
        child<QPushButton>(form, "SaveButton")->click();
        QVERIFY(!form->isVisible());
    }

    // Plays every row and picks with the keyboard: item 1 (the target) or, where wrong(row),
    // item 2.
    static void rateAllRows(Run& run, const std::function<bool(int)>& wrong)
    {
        QDialog* window = run.parl->rateForm();
        auto* play = child<QPushButton>(window, "PlayButton");
        auto* words = child<QListWidget>(window, "WordListList");
        for (int row = 1; row <= 50; ++row) {
            play->click();
            QVERIFY(words->isVisible());
            words->setFocus();
            words->setCurrentRow(wrong(row) ? 1 : 0);
            QTest::keyClick(words, Qt::Key_Return);
            QVERIFY(!words->isVisible());
        }
    }

    static void saveRating(Run& run, const QString& rater)
    {
        QWidget* results = &run.parl->resultsForm();
        QVERIFY(results->isVisible());
        child<QLineEdit>(results, "RatersName")->setText(rater);
        child<QPushButton>(results, "SaveButton")->click();
        QVERIFY(!results->isVisible());
    }

    static void score(Run& run)
    {
        auto* scoreButton = child<QPushButton>(run.parl->rateForm(), "ScoreButton");
        QVERIFY(scoreButton->isEnabled());
        scoreButton->click();
    }

    static QStringList pdfLines(const QString& pdf)
    {
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), QStringLiteral("-fixed"), QStringLiteral("6"), pdf,
                    QStringLiteral("-")});
        text.waitForFinished();
        QStringList lines = QString::fromUtf8(text.readAllStandardOutput()).split(u'\n');
        while (!lines.isEmpty() && (lines.last().isEmpty() || lines.last() == u'\f'))
            lines.removeLast();
        return lines;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void threeRatersInOneFolder()
    {
        QTemporaryDir dir;
        const QString folder = copySampleRecordings(dir.path());
        const QString pdf = dir.filePath(QStringLiteral("print.pdf"));
        Run run(folder, pdf, dir.path());
        run.messages.answers = {true, false};
        QVERIFY(run.parl->start());

        run.trigger("BrowseBrowseMenu");
        QCOMPARE(run.main().panelText(1), folder);
        QCOMPARE(run.main().panelText(2), QStringLiteral("50 .wav files"));
        QCOMPARE(run.main().panelText(3), QStringLiteral("Child not identified."));
        QCOMPARE(run.main().panelText(4), QStringLiteral("0 raters"));

        identifyChild(run);
        QCOMPARE(readAll(folder + QStringLiteral("idinfo.txt")),
                 QByteArray("===== IDInfo =====\r\n"
                            "Child's Name:    Robin Example\r\n"
                            "Date of Birth:   02/29/2020\r\n"
                            "Examiner's Name: Dana Examiner\r\n"
                            "Date of Test:    03/01/2026\r\n"));
        QCOMPARE(run.main().panelText(3), QStringLiteral("idinfo.txt"));

        // First rater: every fifth pick wrong, saved and printed.
        run.trigger("RateMenu");
        QVERIFY(run.parl->rateForm() && run.parl->rateForm()->isVisible());
        rateAllRows(run, [](int row) { return row % 5 == 0; });
        QCOMPARE(run.sound.played.size(), 50);
        QCOMPARE(run.sound.played[6], readAll(folder + QStringLiteral("1_07_ball.wav")));
        score(run);
        saveRating(run, QStringLiteral(" First Rater "));
        const QString firstFile = folder + QStringLiteral("First Rater.prl");
        const QByteArray expected = readAll(QStringLiteral(PARL_E2E_FIXTURES "/first_rater.prl"))
                                        .replace("@FOLDER@", folder.toUtf8());
        QCOMPARE(readAll(firstFile), expected);
        QCOMPARE(run.main().panelText(4), QStringLiteral("1 rater"));
        QVERIFY(!run.parl->rateForm()->isVisible());
        QVERIFY(run.parl->waves().entries().isEmpty() ||
                run.parl->waves().entries().last().Data.isEmpty());

        // Every line of the file, in order, at one indent. pdftotext drops trailing blanks and
        // the leading line of one blank, so those are checked against the printer's lines.
        const QStringList printed = pdfLines(pdf);
        QStringList fileLines = QString::fromUtf8(expected).split(QStringLiteral("\r\n"));
        fileLines.removeLast();
        QCOMPARE(printed.size(), fileLines.size());
        const qsizetype indent = printed.first().indexOf(u'#');
        QVERIFY(indent >= 0);
        for (qsizetype i = 0; i < fileLines.size(); ++i) {
            QString want = QString(indent, u' ') + fileLines[i];
            while (want.endsWith(u' '))
                want.chop(1);
            QCOMPARE(printed[i], want);
        }

        // Second rater: all right, not printed.
        run.trigger("RateMenu");
        rateAllRows(run, [](int) { return false; });
        score(run);
        QCOMPARE(child<QLabel>(&run.parl->resultsForm(), "IntelLabel")->text(), QStringLiteral("100"));
        saveRating(run, QStringLiteral("Second"));
        QCOMPARE(run.main().panelText(4), QStringLiteral("2 raters"));
        QVERIFY(readAll(folder + QStringLiteral("Second.prl")).contains("* Intelligibility: 100%\r\n"));

        // Third rater gives up with the close box: nothing written, the next Rate starts afresh.
        run.trigger("RateMenu");
        child<QPushButton>(run.parl->rateForm(), "PlayButton")->click();
        run.parl->rateForm()->close();
        QTRY_VERIFY(!run.parl->rateForm());
        QCOMPARE(QDir(folder).entryList({QStringLiteral("*.prl")}).size(), 2);
        run.trigger("RateMenu");
        QVERIFY(run.parl->rateForm()->isVisible());
        QCOMPARE(run.parl->rateForm()->gridModel().cell(1, 2), QString());

        const QStringList expectedLog = {
            QStringLiteral("show: ID info has been saved to file: \r\n") + folder +
                QStringLiteral("idinfo.txt"),
            QStringLiteral("show: Intelligibility score has been saved to file: \r\n") + firstFile,
            QStringLiteral("ask: Print rating?"),
            QStringLiteral("show: Intelligibility score has been saved to file: \r\n") + folder +
                QStringLiteral("Second.prl"),
            QStringLiteral("ask: Print rating?"),
        };
        QCOMPARE(run.log, expectedLog);
    }

    void theShippedSampleRatesAtOnce()
    {
        QTemporaryDir programFolder;
        QVERIFY(QDir().mkpath(programFolder.filePath(QStringLiteral("sample"))));
        copySampleRecordings(programFolder.filePath(QStringLiteral("sample")));
        QFile::copy(QStringLiteral(PARL_SAMPLE_DIR "/idinfo.txt"),
                    programFolder.filePath(QStringLiteral("sample/idinfo.txt")));
        Run run(QString(), programFolder.filePath(QStringLiteral("p.pdf")), programFolder.path());
        QVERIFY(run.parl->start());
        run.trigger("BrowseSampleMenu");
        QCOMPARE(run.main().panelText(3), QStringLiteral("idinfo.txt"));
        run.trigger("RateMenu");
        QVERIFY(run.log.isEmpty());
        QVERIFY(run.parl->rateForm()->isVisible());
        QCOMPARE(run.parl->rateForm()->gridModel().rowCount(), 51);
        QCOMPARE(run.parl->rateForm()->gridModel().cell(7, 0), QStringLiteral("1_07_ball.wav"));
    }
};

PARL_QTEST_MAIN(EndToEndTest)
#include "test_e2e.moc"
