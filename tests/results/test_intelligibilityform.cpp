#include "ratedgrid.h"
#include "results/intelligibilityform.h"
#include "support/fakes.h"
#include "support/qtest_main.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

class TestIntelligibilityForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsThePercentBetweenItsLabels();
    void ratersNameHasTheFocusWhenShown();
    void aBlankNameKeepsTheWindowOpen();
    void enterInTheNameSavesAndEndsTheRun();
    void aFailedSaveLetsTheRaterScoreAgain();
    void escapeLeavesTheRunUnsaved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void open();
    void backToRatingWindow();
    QLineEdit* ratersName() const;
    QPushButton* saveButton() const;

    std::optional<QTemporaryDir> m_dir; // a fresh folder for every test
    QString m_folder;
    QStringList m_log;
    std::unique_ptr<fakes::LoggingMessages> m_messages;
    fakes::RecordingPrinter m_printer;
    fakes::MemoryStatusLine m_status;
    fakes::FixedClock m_clock;
    fakes::ShowOnlyModal m_modal;
    QWidget m_ratingWindow;
    std::unique_ptr<results::IntelligibilityForm> m_form;
};

void TestIntelligibilityForm::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->path() + u"/kid/"_s;
    QVERIFY(QDir().mkpath(m_folder));
    m_status.panels[1] = m_folder;
    m_log.clear();
    m_messages = std::make_unique<fakes::LoggingMessages>(m_log);
    const results::RatingRunHooks run{
        [] {
            return identification::IDRecord{u"Ann"_s, u"1/2/2019"_s, u"Eve"_s, u"3/4/2026"_s};
        },
        [] { return testdata::ratedGrid(); },
        [this] { m_log.append(u"unloadWaves"_s); },
        [this] { m_log.append(u"enableScore"_s); },
        [this] { m_log.append(u"hideRatingWindow"_s); },
    };
    m_form = std::make_unique<results::IntelligibilityForm>(
        results::RatingSaveServices{*m_messages, m_printer, m_status, m_clock}, run);
    m_form->installEventFilter(this);
}

// Notes the hiding of the results window in the log, to show its order against the messages.
bool TestIntelligibilityForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_form.get() && event->type() == QEvent::Hide)
        m_log.append(u"results window hidden"_s);
    return QObject::eventFilter(watched, event);
}

void TestIntelligibilityForm::cleanup()
{
    m_form.reset();
}

// What the Score command does.
void TestIntelligibilityForm::open()
{
    m_form->setIntelText(u" 78"_s);
    m_form->clearRatersName();
    m_modal.showModal(m_form.get());
    // No window manager activates it here.
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

// Without a window manager nothing activates the window below when the results window hides.
void TestIntelligibilityForm::backToRatingWindow()
{
    m_ratingWindow.show();
    m_ratingWindow.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_ratingWindow));
}

QLineEdit* TestIntelligibilityForm::ratersName() const
{
    return m_form->findChild<QLineEdit*>(u"RatersName"_s);
}

QPushButton* TestIntelligibilityForm::saveButton() const
{
    return m_form->findChild<QPushButton*>(u"SaveButton"_s);
}

void TestIntelligibilityForm::showsThePercentBetweenItsLabels()
{
    open();
    QCOMPARE(m_form->windowTitle(), u"PARL - Intelligibility"_s);
    const auto* intel = m_form->findChild<QLabel*>(u"IntelLabel"_s);
    QVERIFY(intel);
    QCOMPARE(intel->text(), u" 78"_s);
    QStringList labels;
    for (const QLabel* label : m_form->findChildren<QLabel*>())
        labels.append(label->text());
    QVERIFY(labels.contains(u"Intelligibility = "_s));
    QVERIFY(labels.contains(u"%"_s));
    QVERIFY(labels.contains(u"Rater's Name"_s));
    QVERIFY(saveButton());
    QCOMPARE(saveButton()->text(), u"Save"_s);
    QVERIFY(saveButton()->isDefault());
}

void TestIntelligibilityForm::ratersNameHasTheFocusWhenShown()
{
    open();
    QVERIFY(ratersName());
    QTRY_COMPARE(QApplication::focusWidget(), ratersName());

    // Clicking Save moves the focus; the next opening puts it back.
    saveButton()->setFocus();
    m_form->hide();
    backToRatingWindow();
    open();
    QTRY_COMPARE(QApplication::focusWidget(), ratersName());
}

void TestIntelligibilityForm::aBlankNameKeepsTheWindowOpen()
{
    open();
    QTest::keyClicks(ratersName(), u"   "_s);
    QTest::mouseClick(saveButton(), Qt::LeftButton);

    QCOMPARE(m_log, QStringList{u"show: No Rater."_s});
    QCOMPARE(m_messages->shown.first().icon, platform::Messages::Icon::Exclamation);
    QVERIFY(m_form->isVisible());
    QVERIFY(QDir(m_folder).isEmpty());
}

void TestIntelligibilityForm::enterInTheNameSavesAndEndsTheRun()
{
    open();
    QTest::keyClicks(ratersName(), u"Bob"_s);
    m_messages->answers = {false};
    QTest::keyClick(ratersName(), Qt::Key_Return);

    const QString path = m_folder + u"Bob.prl"_s;
    const QStringList expected = {
        u"unloadWaves"_s,
        u"results window hidden"_s,
        u"show: Intelligibility score has been saved to file: \r\n"_s + path,
        u"ask: Print rating?"_s,
        u"hideRatingWindow"_s,
    };
    QCOMPARE(m_log, expected);
    QCOMPARE(m_status.panels[4], u"1 rater"_s);
    const std::optional<QStringList> lines = platform::readTextLines(path);
    QVERIFY(lines);
    QCOMPARE(lines->value(4), u"# Rater's Name:    Bob"_s);
    QCOMPARE(lines->value(5), u"# Date of Scoring: 03/07/2026"_s);
    QCOMPARE(lines->value(6), u"* Intelligibility: 78%"_s);
}

void TestIntelligibilityForm::aFailedSaveLetsTheRaterScoreAgain()
{
    m_status.panels[1] = m_dir->path() + u"/gone/"_s;
    open();
    QTest::keyClicks(ratersName(), u"Bob"_s);
    QTest::mouseClick(saveButton(), Qt::LeftButton);

    const QStringList expected = {
        u"unloadWaves"_s,
        u"show: Can't open rating file: \r\n"_s + m_dir->path() + u"/gone/Bob.prl"_s,
        u"enableScore"_s,
        u"results window hidden"_s,
    };
    QCOMPARE(m_log, expected);
    QVERIFY(!m_form->isVisible());

    backToRatingWindow();
    open();
    QCOMPARE(ratersName()->text(), QString());
    QTRY_COMPARE(QApplication::focusWidget(), ratersName());
}

void TestIntelligibilityForm::escapeLeavesTheRunUnsaved()
{
    open();
    QTest::keyClicks(ratersName(), u"Bob"_s);
    QTest::keyClick(ratersName(), Qt::Key_Escape);

    QCOMPARE(m_log, (QStringList{u"results window hidden"_s, u"enableScore"_s}));
    QVERIFY(QDir(m_folder).isEmpty());
}

PARL_QTEST_MAIN(TestIntelligibilityForm)
#include "test_intelligibilityform.moc"
