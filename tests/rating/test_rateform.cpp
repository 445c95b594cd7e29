#include "grid/gridmodel.h"
#include "grid/rformat.h"
#include "platform/twips.h"
#include "rating/rateform.h"
#include "rating/ratingfixture.h"
#include "rating/recordinglist.h"
#include "support/fakes.h"
#include "support/qtest_main.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

enum class Move
{
    Up,
    Down,
    Home,
    End
};

QRect pixels(const rating::TwipsRect& r)
{
    return platform::twipsToPixels(r.left, r.top, r.width, r.height);
}

} // namespace

Q_DECLARE_METATYPE(Move)

class TestRateForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadLaysOutTheBlindWindow();
    void loadShowsOnlyTheHeadingsAndPlayDoesNothing();
    void listLoadFillsTheGridAndWaves();
    void refusedFolderKeepsThePreviousRun();
    void navigation_data();
    void navigation();
    void draggingTheScrollBarLeavesTheHighlightAndPlayBringsItBack();
    void clickOnARatingCellHighlightsItsRow();
    void pressesOnTheGridAreaPickBands();
    void playOffersTheListOfTheRow();
    void arrowKeysInTheListDoNotPick();
    void escapeLeavesTheListWithoutAPick();
    void inputDuringTheSoundIsDropped();
    void ratingRunWithKeyboardAndMouseEnablesScore();
    void scoreReportsThePercentageOnce();
    void focusReturnsToPlayWhenAWindowOverItCloses();
    void closeBoxDestroysTheWindowAndKeepsTheRecordings();
    void nothingRevealsNamesOrEvaluations();

private:
    template <typename T> T* control(const char* name) const
    {
        T* widget = m_form->findChild<T*>(QString::fromUtf8(name));
        Q_ASSERT(widget);
        return widget;
    }
    QPushButton* playButton() const { return control<QPushButton>("PlayButton"); }
    QListWidget* wordList() const { return control<QListWidget>("WordListList"); }
    QScrollBar* gridScroll() const { return control<QScrollBar>("GridScroll"); }
    QPushButton* scoreButton() const { return control<QPushButton>("ScoreButton"); }
    grid::GridModel& model() const { return m_form->gridModel(); }

    void loadList();
    void highlight(int row);
    void playAndPickWithKeyboard(int downPresses);
    void playAndPickWithMouse(int item);
    void verifyHighlighted(int row);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    wordlists::WordLists m_wordLists = makeWordLists();
    rating::Waves m_waves;
    fakes::RecordingMessages m_messages;
    fakes::ActingSound m_sound;
    fakes::MemoryStatusLine m_status;
    QPointer<rating::RateForm> m_form;
};

void TestRateForm::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_folder = m_dir->path() + u'/';
    QVERIFY(writeRecordings(m_folder, rating::kRecordingCount));
    m_status.panels = {{1, m_folder}};
    m_messages.shown.clear();
    m_sound.played.clear();
    m_sound.whilePlaying = nullptr;
    m_waves.UnloadWaves();
    m_form = new rating::RateForm(m_wordLists, m_waves, m_messages, m_sound, m_status);
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
}

void TestRateForm::cleanup()
{
    delete m_form;
}

void TestRateForm::loadList()
{
    m_form->LoadFileList();
    QVERIFY(m_messages.shown.isEmpty());
}

void TestRateForm::highlight(int row)
{
    model().setRow(row);
    m_form->HighlightCurrentRow();
}

void TestRateForm::verifyHighlighted(int row)
{
    QCOMPARE(model().row(), row);
    QCOMPARE(model().col(), grid::kWordColumn);
    QCOMPARE(model().selStartRow(), row);
    QCOMPARE(model().selEndRow(), row);
    QCOMPARE(model().selStartCol(), 0);
    QCOMPARE(model().selEndCol(), grid::kColumnCount - 1);
    QVERIFY(model().rowIsVisible(row));
    QCOMPARE(gridScroll()->value(), model().topRow());
    QVERIFY(wordList()->isHidden());
    QVERIFY(playButton()->hasFocus());
}

void TestRateForm::playAndPickWithKeyboard(int downPresses)
{
    QTest::keyClick(playButton(), Qt::Key_Space);
    QVERIFY(wordList()->isVisible());
    QVERIFY(wordList()->hasFocus());
    for (int i = 0; i < downPresses; ++i)
        QTest::keyClick(wordList(), Qt::Key_Down);
    QTest::keyClick(wordList(), Qt::Key_Return);
}

void TestRateForm::playAndPickWithMouse(int item)
{
    QTest::mouseClick(playButton(), Qt::LeftButton);
    QVERIFY(wordList()->isVisible());
    const QRect itemRect = wordList()->visualItemRect(wordList()->item(item));
    QTest::mouseClick(wordList()->viewport(), Qt::LeftButton, {}, itemRect.center());
}

void TestRateForm::loadLaysOutTheBlindWindow()
{
    QCOMPARE(m_form->windowTitle(), u"PARL - Rate"_s);
    QCOMPARE(m_form->size(), QSize(platform::twipsToPixels(7275), platform::twipsToPixels(6870)));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    QVERIFY(!(m_form->windowFlags() & Qt::WindowMinMaxButtonsHint));
    QVERIFY(m_form->windowFlags() & Qt::WindowCloseButtonHint);

    const rating::RateLayout& layout = m_form->layoutTwips();
    QCOMPARE(layout.grid.left, 720);
    QCOMPARE(layout.grid.width, 1845);
    QCOMPARE(layout.grid.height, 6250);
    QCOMPARE(layout.gridScroll.left, 2260);
    QCOMPARE(layout.gridScroll.height, 6250);
    QCOMPARE(layout.playPanel.left, 2765);
    QCOMPARE(layout.downButton.top, 360 + 375 / 2);
    QCOMPARE(layout.upButton.top, layout.downButton.top - 310 + 30);
    for (const rating::TwipsRect& arrow : {layout.upButton, layout.downButton}) {
        QCOMPARE(arrow.left, 0);
        QCOMPARE(arrow.width, 310);
        QCOMPARE(arrow.height, 310);
    }
    QCOMPARE(layout.wordListList.height, 3000);

    const std::pair<const char*, rating::TwipsRect> placed[] = {
        {"Grid", layout.grid},
        {"GridScroll", layout.gridScroll},
        {"PlayPanel", layout.playPanel},
        {"PlayButton", layout.playButton},
        {"UpButton", layout.upButton},
        {"DownButton", layout.downButton},
        {"WordListList", layout.wordListList},
        {"ScoreButton", layout.scoreButton},
        {"RatedLabel", layout.ratedLabel},
        {"Label2", layout.label2}};
    for (const auto& [name, rect] : placed)
        QCOMPARE(control<QWidget>(name)->geometry(), pixels(rect));
    QCOMPARE(m_form->childAt(gridScroll()->geometry().center()), gridScroll());

    QCOMPARE(model().columnWidthTwips(grid::kFileColumn), 1);
    QCOMPARE(model().columnWidthTwips(grid::kWordColumn), 500);
    QCOMPARE(model().columnWidthTwips(grid::kRatingColumn), 1000);
    QCOMPARE(model().columnWidthTwips(grid::kEvalColumn), 1);
    QCOMPARE(wordList()->font().pointSizeF(), 9.75);
    QCOMPARE(m_form->font().pointSizeF(), 8.25);
    QCOMPARE(control<QLabel>("RatedLabel")->text(), u" 0"_s);
    QVERIFY(control<QLabel>("RatedLabel")->alignment() & Qt::AlignRight);
    QCOMPARE(control<QLabel>("Label2")->text(), u"rated"_s);
    QVERIFY(!scoreButton()->isEnabled());
    QVERIFY(wordList()->isHidden());
    QVERIFY(playButton()->hasFocus());
}

void TestRateForm::loadShowsOnlyTheHeadingsAndPlayDoesNothing()
{
    QCOMPARE(model().rowCount(), 2);
    QCOMPARE(model().row(), 0);
    const QStringList headings = {u"File"_s, u"Word"_s, u"Rating"_s, u"Eval"_s};
    for (int c = 0; c < grid::kColumnCount; ++c)
        QCOMPARE(model().cell(0, c), headings[c]);
    QTest::mouseClick(playButton(), Qt::LeftButton);
    QVERIFY(m_sound.played.isEmpty());
    QVERIFY(wordList()->isHidden());
}

void TestRateForm::listLoadFillsTheGridAndWaves()
{
    loadList();
    QCOMPARE(model().rowCount(), 51);
    for (int k = 1; k <= rating::kRecordingCount; ++k) {
        QCOMPARE(model().cell(k, grid::kFileColumn), recordingName(k));
        QCOMPARE(model().cell(k, grid::kWordColumn), u"%1"_s.arg(k, 2, 10, QChar(u'0')));
        QVERIFY(model().cell(k, grid::kRatingColumn).isEmpty());
        QCOMPARE(m_waves.image(k), recordingBytes(k));
    }
    QCOMPARE(gridScroll()->minimum(), 1);
    QCOMPARE(gridScroll()->maximum(), 26);
    verifyHighlighted(1);
}

void TestRateForm::refusedFolderKeepsThePreviousRun()
{
    loadList();
    playAndPickWithKeyboard(0);
    QVERIFY(QFile::remove(m_folder + recordingName(50)));

    m_form->LoadFileList();
    QCOMPARE(m_messages.shown, QList<fakes::Message>({{u"Too few .wav files in directory"_s,
                                                       platform::Messages::Icon::Critical}}));
    QCOMPARE(model().rowCount(), 51);
    QCOMPARE(model().cell(1, grid::kRatingColumn), u"w1A"_s);
    QVERIFY(m_waves.image(1).isEmpty());

    // The rows play silently, and the word list is offered all the same.
    highlight(3);
    QTest::mouseClick(playButton(), Qt::LeftButton);
    QCOMPARE(m_sound.played.last(), QByteArray());
    QVERIFY(wordList()->isVisible());
}

void TestRateForm::navigation_data()
{
    QTest::addColumn<QList<int>>("startRows");
    QTest::addColumn<Move>("move");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("topRow");

    QTest::newRow("Up on row 1") << QList<int>{1} << Move::Up << 1 << 1;
    QTest::newRow("Down on row 50") << QList<int>{50} << Move::Down << 50 << 26;
    QTest::newRow("Down from row 25") << QList<int>{25} << Move::Down << 26 << 2;
    QTest::newRow("Up from row 2 with rows 2 to 26 shown")
        << QList<int>{26, 2} << Move::Up << 1 << 1;
    QTest::newRow("End") << QList<int>{1} << Move::End << 50 << 26;
    QTest::newRow("Home after End") << QList<int>{50} << Move::Home << 1 << 1;
}

void TestRateForm::navigation()
{
    QFETCH(QList<int>, startRows);
    QFETCH(Move, move);
    QFETCH(int, row);
    QFETCH(int, topRow);

    loadList();
    for (int start : startRows)
        highlight(start);
    switch (move) {
    case Move::Up:
        QTest::mouseClick(control<QToolButton>("UpButton"), Qt::LeftButton);
        break;
    case Move::Down:
        QTest::mouseClick(control<QToolButton>("DownButton"), Qt::LeftButton);
        break;
    case Move::Home:
        QTest::keyClick(playButton(), Qt::Key_Home);
        break;
    case Move::End:
        QTest::keyClick(playButton(), Qt::Key_End);
        break;
    }
    verifyHighlighted(row);
    QCOMPARE(model().topRow(), topRow);
    QVERIFY(m_sound.played.isEmpty());
}

void TestRateForm::draggingTheScrollBarLeavesTheHighlightAndPlayBringsItBack()
{
    loadList();
    highlight(5);
    gridScroll()->setSliderDown(true);
    gridScroll()->setSliderPosition(26);
    gridScroll()->setSliderDown(false);
    QCOMPARE(model().topRow(), 26);
    QCOMPARE(model().row(), 5);
    QCOMPARE(model().selStartRow(), 5);
    QVERIFY(playButton()->hasFocus());

    int topRowWhileSounding = 0;
    m_sound.whilePlaying = [&] { topRowWhileSounding = model().topRow(); };
    QTest::mouseClick(playButton(), Qt::LeftButton);
    QCOMPARE(topRowWhileSounding, 5);
    QCOMPARE(m_sound.played, QList<QByteArray>{recordingBytes(5)});
}

void TestRateForm::clickOnARatingCellHighlightsItsRow()
{
    loadList();
    QTest::mouseClick(playButton(), Qt::LeftButton);
    QVERIFY(wordList()->isVisible());

    auto* gridView = control<QWidget>("Grid");
    const int x = platform::twipsToPixels(1) + platform::twipsToPixels(500) +
                  platform::twipsToPixels(1000) / 2;
    const int y = int(gridView->height() * 7.5 / 26);
    QTest::mouseClick(gridView, Qt::LeftButton, {}, QPoint(x, y));
    verifyHighlighted(7);
}

void TestRateForm::pressesOnTheGridAreaPickBands()
{
    loadList();
    highlight(40);
    gridScroll()->setValue(26);
    const QRect area = pixels(m_form->layoutTwips().grid);
    const double band = area.height() / 26.0;
    const auto pressInBand = [&](double bands) {
        QTest::mousePress(m_form, Qt::LeftButton, {},
                          QPoint(area.left() + 5, area.top() + int(band * bands)));
    };

    pressInBand(0.5);
    QCOMPARE(model().row(), 40);
    pressInBand(3.5);
    verifyHighlighted(28);
    QCOMPARE(model().topRow(), 26);
    QTest::mousePress(m_form, Qt::LeftButton, {}, QPoint(area.left() - 5, area.top() + 100));
    QCOMPARE(model().row(), 28);
}

void TestRateForm::playOffersTheListOfTheRow()
{
    loadList();
    highlight(12);
    QTest::mouseClick(playButton(), Qt::LeftButton);
    QCOMPARE(m_sound.played, QList<QByteArray>{recordingBytes(12)});
    QVERIFY(wordList()->isVisible());
    QVERIFY(wordList()->hasFocus());
    QStringList offered;
    for (int i = 0; i < wordList()->count(); ++i)
        offered.append(wordList()->item(i)->text());
    QCOMPARE(offered, m_wordLists.shownItems(12));
    QVERIFY(model().cell(12, grid::kRatingColumn).isEmpty());

    // Playing again plays again and offers the same words.
    QTest::keyClick(playButton(), Qt::Key_Return);
    QCOMPARE(m_sound.played.size(), 2);
    QCOMPARE(wordList()->count(), offered.size());
}

void TestRateForm::arrowKeysInTheListDoNotPick()
{
    loadList();
    QTest::keyClick(playButton(), Qt::Key_Space);
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_Home,
                        Qt::Key_Down, Qt::Key_Space})
        QTest::keyClick(wordList(), key);
    QVERIFY(wordList()->isVisible());
    QVERIFY(model().cell(1, grid::kRatingColumn).isEmpty());
    QCOMPARE(control<QLabel>("RatedLabel")->text(), u" 0"_s);

    QTest::keyClick(wordList(), Qt::Key_Return);
    QCOMPARE(model().cell(1, grid::kRatingColumn), m_wordLists.word(1, 2));
    QCOMPARE(model().cell(1, grid::kEvalColumn), u"I"_s);
    verifyHighlighted(2);
    QCOMPARE(m_sound.played.size(), 1);
}

void TestRateForm::escapeLeavesTheListWithoutAPick()
{
    loadList();
    QTest::keyClick(playButton(), Qt::Key_Space);
    QTest::keyClick(wordList(), Qt::Key_Escape);
    QTest::keyClick(playButton(), Qt::Key_Escape);
    QVERIFY(m_form->isVisible());
    QVERIFY(wordList()->isHidden());
    QVERIFY(playButton()->hasFocus());
    QVERIFY(model().cell(1, grid::kRatingColumn).isEmpty());
    QCOMPARE(model().row(), 1);
}

void TestRateForm::inputDuringTheSoundIsDropped()
{
    loadList();
    bool acted = false;
    m_sound.whilePlaying = [this, &acted] {
        if (std::exchange(acted, true))
            return;
        QTest::mouseClick(control<QToolButton>("DownButton"), Qt::LeftButton);
        QTest::keyClick(playButton(), Qt::Key_Return);
    };
    QTest::mouseClick(playButton(), Qt::LeftButton);
    QCOMPARE(m_sound.played.size(), 1);
    QCOMPARE(model().row(), 1);
    QVERIFY(wordList()->isVisible());

    // Input is taken again once the sound has ended.
    m_sound.whilePlaying = nullptr;
    QTest::keyClick(wordList(), Qt::Key_Return);
    verifyHighlighted(2);
}

void TestRateForm::ratingRunWithKeyboardAndMouseEnablesScore()
{
    loadList();
    for (int k = 1; k <= rating::kRecordingCount; ++k) {
        QVERIFY(!scoreButton()->isEnabled());
        // Item 1 of list k is the target word of recording k: odd rows right, even rows wrong.
        const int item = k % 2 == 1 ? 0 : 1;
        if (k % 3 == 0)
            playAndPickWithMouse(item);
        else
            playAndPickWithKeyboard(item);
        QCOMPARE(model().cell(k, grid::kRatingColumn), m_wordLists.word(k, item + 1));
        QCOMPARE(model().cell(k, grid::kEvalColumn), item == 0 ? u"C"_s : u"I"_s);
        QCOMPARE(control<QLabel>("RatedLabel")->text(), grid::RFormat(k, u"#0"_s));
        verifyHighlighted(k < rating::kRecordingCount ? k + 1 : k);
    }
    QVERIFY(scoreButton()->isEnabled());
    QCOMPARE(m_sound.played.size(), rating::kRecordingCount);

    // A rated row rated again: the evaluation follows the new word, the count stays.
    highlight(9);
    playAndPickWithKeyboard(1);
    QCOMPARE(model().cell(9, grid::kEvalColumn), u"I"_s);
    QCOMPARE(control<QLabel>("RatedLabel")->text(), u"50"_s);
    verifyHighlighted(9);
    QVERIFY(scoreButton()->isEnabled());
}

void TestRateForm::scoreReportsThePercentageOnce()
{
    loadList();
    for (int k = 1; k <= rating::kRecordingCount; ++k)
        playAndPickWithKeyboard(k <= 10 ? 0 : 1);
    highlight(30);
    QStringList reported;
    m_form->setScoreHandler([&reported](const QString& intelText) { reported.append(intelText); });
    QTest::mouseClick(scoreButton(), Qt::LeftButton);
    QCOMPARE(reported, QStringList{u" 20"_s});
    QVERIFY(!scoreButton()->isEnabled());
    QTest::mouseClick(scoreButton(), Qt::LeftButton);
    QCOMPARE(reported.size(), 1);
    m_form->enableScore();
    QVERIFY(scoreButton()->isEnabled());

    // Counting moved the current cell; the next pick still lands on the row that was heard.
    playAndPickWithKeyboard(0);
    QCOMPARE(m_sound.played.last(), recordingBytes(30));
    QCOMPARE(model().cell(30, grid::kEvalColumn), u"C"_s);
    QCOMPARE(model().cell(50, grid::kEvalColumn), u"I"_s);
}

void TestRateForm::focusReturnsToPlayWhenAWindowOverItCloses()
{
    loadList();
    control<QToolButton>("DownButton")->setFocus();
    QDialog over(m_form);
    auto* field = new QPushButton(u"OK"_s, &over);
    over.show();
    // The offscreen platform moves the activation only when told to, as a window system does.
    QApplication::setActiveWindow(&over);
    field->setFocus();
    QVERIFY(field->hasFocus());

    over.hide();
    QApplication::setActiveWindow(m_form);
    QVERIFY(m_form->isActiveWindow());
    QVERIFY(playButton()->hasFocus());
}

void TestRateForm::closeBoxDestroysTheWindowAndKeepsTheRecordings()
{
    loadList();
    playAndPickWithKeyboard(0);
    QVERIFY(m_form->close());
    QTRY_VERIFY(m_form.isNull());
    QCOMPARE(m_waves.image(1), recordingBytes(1));
}

void TestRateForm::nothingRevealsNamesOrEvaluations()
{
    loadList();
    for (int k = 1; k <= rating::kRecordingCount; ++k)
        playAndPickWithKeyboard(0);
    QList<QWidget*> widgets = m_form->findChildren<QWidget*>();
    widgets.append(m_form);
    for (const QWidget* widget : std::as_const(widgets)) {
        const QString shown = widget->windowTitle() + widget->toolTip() + widget->statusTip() +
                              widget->whatsThis() + widget->accessibleName() +
                              widget->accessibleDescription();
        QVERIFY2(!shown.contains(u".wav"_s, Qt::CaseInsensitive) && !shown.contains(u"w1A"_s),
                 qPrintable(widget->objectName()));
    }
}

PARL_QTEST_MAIN(TestRateForm)
#include "test_rateform.moc"
