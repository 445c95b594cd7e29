#include "app/parlapp.h"

#include "support/fakes.h"
#include "support/qtest_main.h"

#include "platform/twips.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

class MainWindowTest : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        fakes::RecordingMessages messages;
        fakes::PreparedFolderPicker picker;
        fakes::RecordingHelpViewer help;
        fakes::FixedClock clock;
        fakes::ShowOnlyModal modal;
        fakes::RecordingSound sound;
        fakes::RecordingPrinter printer;
        std::unique_ptr<app::ParlApp> parl;

        Fixture(const QString& wordListFile, const QString& programFolder)
            : parl(std::make_unique<app::ParlApp>(
                  app::Services{messages, picker, help, clock, modal, sound, printer},
                  app::Paths{wordListFile, programFolder}))
        {
        }
    };

    QTemporaryDir m_dir;

    QString writeWordLists(const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("wordlists.txt"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }

    static QAction* action(app::MainWindow& window, const char* name)
    {
        return window.findChild<QAction*>(QString::fromLatin1(name));
    }

private slots:
    void startsWithMenusAndFourEmptyPanels()
    {
        Fixture f(writeWordLists("1\r\nball\r\nbell\r\n2\r\ncat\r\nhat\r\n"), m_dir.path());
        QVERIFY(f.parl->start());
        app::MainWindow& window = f.parl->mainWindow();
        QVERIFY(window.isVisible());
        QCOMPARE(window.windowTitle(), QStringLiteral("PARL - Parlometer"));
        QVERIFY(!window.windowIcon().isNull());
        const QList<QPair<const char*, QString>> captions = {
            {"BrowseBrowseMenu", QStringLiteral("&Browse")}, {"BrowseSampleMenu", QStringLiteral("&Sample")},
            {"BrowseExitMenu", QStringLiteral("E&xit")},     {"IdentifyMenu", QStringLiteral("&Identify")},
            {"RateMenu", QStringLiteral("&Rate")},           {"HelpHelpMenu", QStringLiteral("&Help")},
            {"HelpAboutMenu", QStringLiteral("&About")},
        };
        for (const auto& [name, caption] : captions) {
            QAction* a = action(window, name);
            QVERIFY2(a, name);
            QCOMPARE(a->text(), caption);
        }
        QVERIFY(!action(window, "IdentifyMenu")->isEnabled());
        QVERIFY(!action(window, "RateMenu")->isEnabled());
        for (int panel = 1; panel <= 4; ++panel)
            QCOMPARE(window.panelText(panel), QString());
        // The loader sets the outer height; the frame the platform adds is a few pixels at most.
        QVERIFY(qAbs(window.frameGeometry().height() - platform::twipsToPixels(2557)) <= 8);
        QVERIFY(f.messages.shown.isEmpty());
    }

    void failedWordListLoadEndsBeforeAnyWindow()
    {
        Fixture f(m_dir.filePath(QStringLiteral("missing.txt")), m_dir.path());
        QVERIFY(!f.parl->start());
        QVERIFY(!f.parl->mainWindow().isVisible());
        QCOMPARE(f.messages.shown.size(), 1);
        QCOMPARE(f.messages.shown[0].icon, platform::Messages::Icon::Critical);
        QVERIFY(f.messages.shown[0].text.startsWith(QStringLiteral("Can't open WordLists file '")));
    }

    void sampleMakesTheProgramsSampleFolderCurrent()
    {
        Fixture f(writeWordLists("1\r\nball\r\n"), m_dir.path());
        QVERIFY(f.parl->start());
        action(f.parl->mainWindow(), "BrowseSampleMenu")->trigger();
        QCOMPARE(f.parl->mainWindow().panelText(1), m_dir.path() + QStringLiteral("/sample/"));
        QVERIFY(action(f.parl->mainWindow(), "IdentifyMenu")->isEnabled());
        QVERIFY(action(f.parl->mainWindow(), "RateMenu")->isEnabled());
    }

    void cancelledBrowseChangesNothing()
    {
        Fixture f(writeWordLists("1\r\nball\r\n"), m_dir.path());
        QVERIFY(f.parl->start());
        action(f.parl->mainWindow(), "BrowseBrowseMenu")->trigger();
        QCOMPARE(f.picker.calls, 1);
        QCOMPARE(f.parl->mainWindow().panelText(1), QString());
        QVERIFY(!action(f.parl->mainWindow(), "RateMenu")->isEnabled());
    }

    void helpOpensTheHelpFileBesideTheProgram()
    {
        Fixture f(writeWordLists("1\r\nball\r\n"), m_dir.path());
        QVERIFY(f.parl->start());
        action(f.parl->mainWindow(), "HelpHelpMenu")->trigger();
        QCOMPARE(f.help.opened, QStringList{m_dir.path() + QStringLiteral("/parl.html")});
    }

    void aboutShowsNineLinesAndKeepsItsPlace()
    {
        Fixture f(writeWordLists("1\r\nball\r\n2\r\nbell\r\n"), m_dir.path());
        QVERIFY(f.parl->start());
        action(f.parl->mainWindow(), "HelpAboutMenu")->trigger();
        app::AboutBox* box = f.parl->aboutBox();
        QVERIFY(box && box->isVisible());
        QCOMPARE(box->windowTitle(), QStringLiteral("PARL - About"));
        const QStringList lines = app::AboutBox::text().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 10); // nine lines, each followed by CR LF
        QCOMPARE(lines.first(), QStringLiteral("PARL v 1"));
        QCOMPARE(lines[1], QStringLiteral("  "));
        QCOMPARE(lines[7], QStringLiteral("  "));
        QCOMPARE(lines[8], QStringLiteral("Oct 4, 2001"));

        // The main window is lower than the box, so the box goes to the top of the screen.
        QCOMPARE(box->y(), 0);
        QCOMPARE(box->x(), platform::twipsToPixels(1965));
        const QPoint first = box->pos();
        box->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
        QVERIFY(!box->isVisible());
        f.parl->mainWindow().resize(f.parl->mainWindow().width(), platform::twipsToPixels(9000));
        action(f.parl->mainWindow(), "HelpAboutMenu")->trigger();
        QCOMPARE(box->pos(), first);
    }
};

PARL_QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
