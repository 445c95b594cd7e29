#include "rateform.h"

#include "grid/navigation.h"
#include "grid/response.h"
#include "grid/rformat.h"
#include "grid/scoring.h"
#include "grid/tablecontrol.h"
#include "platform/twips.h"
#include "rating/recordinglist.h"
#include "rating/wavfilename.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <array>

using namespace Qt::StringLiterals;

namespace rating {

namespace {

constexpr int kArrowPixels = 11;
constexpr double kWindowPointSize = 8.25;
constexpr double kWordListPointSize = 9.75;
constexpr std::array<int, grid::kColumnCount> kLoadColumnWidths = {1800, 500, 500, 500};
constexpr int kHiddenColumnWidth = 1;
constexpr int kRatingColumnWidth = 1000;

void place(QWidget* widget, const TwipsRect& r)
{
    widget->setGeometry(platform::twipsToPixels(r.left, r.top, r.width, r.height));
}

// An 11 x 11 pixel triangle, drawn line by line so that it stays crisp.
QIcon triangleIcon(bool pointsUp, const QColor& color)
{
    QPixmap pixmap(kArrowPixels, kArrowPixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(color);
    constexpr int rows = (kArrowPixels + 1) / 2;
    constexpr int firstLine = (kArrowPixels - rows) / 2;
    for (int i = 0; i < rows; ++i) {
        const int y = firstLine + (pointsUp ? i : rows - 1 - i);
        painter.drawLine(rows - 1 - i, y, rows - 1 + i, y);
    }
    return QIcon(pixmap);
}

QToolButton* makeArrowButton(const QString& name, bool pointsUp, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAccessibleName(pointsUp ? u"Up"_s : u"Down"_s);
    button->setIcon(triangleIcon(pointsUp, button->palette().color(QPalette::ButtonText)));
    button->setIconSize(QSize(kArrowPixels, kArrowPixels));
    return button;
}

QPushButton* makeButton(const QString& name, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

QLabel* makeLabel(const QString& name, const QString& text, Qt::Alignment alignment,
                  QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

// Swallows the user's input to every window while it is installed on the application; painting
// goes on.
class InputBlocker : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override { return isUserInput(event->type()); }
};

} // namespace

RateForm::RateForm(const wordlists::WordLists& wordLists, Waves& waves,
                   platform::Messages& messages, platform::Sound& sound,
                   platform::StatusLine& status, QWidget* parent)
    : QDialog(parent), m_wordLists(wordLists), m_waves(waves), m_messages(messages), m_sound(sound),
      m_status(status)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(u"PARL - Rate"_s);
    QFont windowFont = font();
    windowFont.setPointSizeF(kWindowPointSize);
    setFont(windowFont);
    setFixedSize(platform::twipsToPixels(RateLayout::kClientWidth),
                 platform::twipsToPixels(RateLayout::kClientHeight));
    move(platform::twipsToPixels(RateLayout::kScreenLeft),
         platform::twipsToPixels(RateLayout::kScreenTop));

    buildControls();
    connectControls();
    orderTabs();
    load();
}

void RateForm::buildControls()
{
    m_gridView = new grid::TableControl(&m_grid, this);
    m_gridView->setObjectName(u"Grid"_s);

    m_gridScroll = new QScrollBar(Qt::Vertical, this);
    m_gridScroll->setObjectName(u"GridScroll"_s);
    m_gridScroll->setPageStep(m_grid.visibleDataRows());

    m_playPanel = new QFrame(this);
    m_playPanel->setObjectName(u"PlayPanel"_s);
    m_playPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);

    m_playButton = makeButton(u"PlayButton"_s, u"Play"_s, m_playPanel);
    // Enter and Space play the highlighted recording whenever Play has the focus.
    m_playButton->setDefault(true);
    m_upButton = makeArrowButton(u"UpButton"_s, true, m_playPanel);
    m_downButton = makeArrowButton(u"DownButton"_s, false, m_playPanel);

    m_wordList = new QListWidget(m_playPanel);
    m_wordList->setObjectName(u"WordListList"_s);
    QFont listFont = m_wordList->font();
    listFont.setPointSizeF(kWordListPointSize);
    m_wordList->setFont(listFont);
    m_wordList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_wordList->hide();
    m_wordList->installEventFilter(this);

    m_scoreButton = makeButton(u"ScoreButton"_s, u"Score"_s, m_playPanel);
    m_scoreButton->setEnabled(false);
    m_ratedLabel = makeLabel(u"RatedLabel"_s, QString(), Qt::AlignRight, m_playPanel);
    m_label2 = makeLabel(u"Label2"_s, u"rated"_s, Qt::AlignLeft, m_playPanel);
}

void RateForm::connectControls()
{
    connect(m_upButton, &QToolButton::clicked, this, [this] { moveToRow(grid::rowAbove(m_grid)); });
    connect(m_downButton, &QToolButton::clicked, this,
            [this] { moveToRow(grid::rowBelow(m_grid)); });
    connect(m_gridScroll, &QScrollBar::valueChanged, this, &RateForm::followScrollBar);
    connect(m_gridScroll, &QScrollBar::sliderMoved, this, &RateForm::followScrollBar);
    connect(m_gridView, &grid::TableControl::cellClicked, this, [this] { HighlightCurrentRow(); });
    connect(m_playButton, &QPushButton::clicked, this, &RateForm::play);
    // Only Enter or a click picks; moving through the list with the arrow keys does not.
    connect(m_wordList, &QListWidget::itemActivated, this, &RateForm::pick);
    connect(m_wordList, &QListWidget::itemClicked, this, &RateForm::pick);
    connect(m_scoreButton, &QPushButton::clicked, this, &RateForm::score);
}

void RateForm::orderTabs()
{
    QWidget* const order[] = {m_gridScroll, m_scoreButton, m_wordList,
                              m_playButton, m_downButton,  m_upButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void RateForm::load()
{
    m_layout.applyLoad();
    writeHeadings();
    m_gridScroll->setRange(1, 1);
    HideColumns();
    showRatedCount(0);
}

void RateForm::writeHeadings()
{
    m_grid.setRow(0);
    for (int c = 0; c < grid::kColumnCount; ++c) {
        m_grid.setCol(c);
        m_grid.setColumnWidthTwips(c, kLoadColumnWidths[c]);
        m_grid.setText(grid::columnHeading(c));
    }
}

void RateForm::HideColumns()
{
    m_layout.applyHideColumns();
    m_grid.setColumnWidthTwips(grid::kFileColumn, kHiddenColumnWidth);
    m_grid.setColumnWidthTwips(grid::kEvalColumn, kHiddenColumnWidth);
    m_grid.setColumnWidthTwips(grid::kRatingColumn, kRatingColumnWidth);
    placeControls();
}

void RateForm::placeControls()
{
    place(m_gridView, m_layout.grid);
    place(m_gridScroll, m_layout.gridScroll);
    place(m_playPanel, m_layout.playPanel);
    place(m_playButton, m_layout.playButton);
    place(m_upButton, m_layout.upButton);
    place(m_downButton, m_layout.downButton);
    place(m_wordList, m_layout.wordListList);
    place(m_scoreButton, m_layout.scoreButton);
    place(m_ratedLabel, m_layout.ratedLabel);
    place(m_label2, m_layout.label2);
    // The scroll bar lies over the grid's right strip.
    m_gridScroll->raise();
}

void RateForm::LoadFileList()
{
    UnloadWaves();
    const std::optional<RecordingList> list =
        listRecordings(m_status.panelText(1), m_wordLists, m_messages);
    if (!list)
        return;
    fillGrid(list->names);
    m_waves.LoadWaves(list->folder, list->names, m_messages);
    m_gridScroll->raise();
    showRatedCount(0);
    m_scoreButton->setEnabled(false);
}

void RateForm::fillGrid(const QStringList& fileNames)
{
    m_grid.setRowCount(1);
    m_grid.setRowCount(int(fileNames.size()) + 1);
    m_grid.setFixedRows(1);
    for (int k = 1; k <= fileNames.size(); ++k) {
        m_grid.setCell(k, grid::kFileColumn, fileNames[k - 1]);
        m_grid.setCell(k, grid::kWordColumn, wordNumberText(fileNames[k - 1]));
    }
    m_gridScroll->setMaximum(m_grid.rowCount() - m_grid.visibleDataRows());
    // Row 1 starts the run in view, and no word list of an earlier run stays open for a pick.
    m_grid.setRow(1);
    HighlightCurrentRow();
}

void RateForm::UnloadWaves()
{
    m_waves.UnloadWaves();
}

void RateForm::showRatedCount(int count)
{
    m_ratedLabel->setText(grid::RFormat(count, u"#0"_s));
}

void RateForm::HighlightCurrentRow()
{
    m_wordList->hide();
    grid::highlightCurrentRow(m_grid);
    m_gridScroll->setValue(m_grid.topRow());
    m_playButton->setFocus();
}

void RateForm::moveToRow(int row)
{
    m_grid.setRow(row);
    HighlightCurrentRow();
}

void RateForm::followScrollBar(int value)
{
    m_grid.setTopRow(value);
    if (isVisible())
        m_playButton->setFocus();
}

void RateForm::play()
{
    if (m_grid.row() < 1 || m_grid.rowCount() < 2)
        return;
    const int k = m_grid.selStartRow();
    // The pick writes into the current row, which must be the row that is heard.
    m_grid.setRow(k);
    if (!m_grid.rowIsVisible(k))
        HighlightCurrentRow();
    playWithoutInput(m_waves.image(k));
    fillWordlistList(k);
    offerWordList();
}

void RateForm::playWithoutInput(const QByteArray& image)
{
    InputBlocker blocker;
    qApp->installEventFilter(&blocker);
    m_sound.play(image);
    // Input given while the recording sounded is dropped here, so it cannot land on the word list.
    QCoreApplication::processEvents();
    qApp->removeEventFilter(&blocker);
}

void RateForm::fillWordlistList(int listno)
{
    m_wordList->clear();
    m_wordList->addItems(m_wordLists.shownItems(listno));
}

void RateForm::offerWordList()
{
    m_wordList->show();
    if (m_wordList->count() > 0)
        m_wordList->setCurrentRow(0);
    m_wordList->setFocus();
}

void RateForm::closeWordList()
{
    m_wordList->hide();
    m_playButton->setFocus();
}

void RateForm::pick(QListWidgetItem* item)
{
    // One pick per Play: a click that also activates the item must not pick twice.
    if (!m_wordList->isVisible() || item == nullptr)
        return;
    m_wordList->hide();
    const grid::PickOutcome outcome = grid::recordPick(m_grid, item->text());
    showRatedCount(outcome.ratedCount);
    if (outcome.allRated)
        m_scoreButton->setEnabled(true);
    moveToRow(outcome.nextRow);
}

void RateForm::score()
{
    const int correct = grid::correctRows(m_grid);
    const QString intelText = grid::RFormat(grid::intelligibilityPercent(correct), u"##0"_s);
    m_scoreButton->setEnabled(false);
    if (m_scoreHandler)
        m_scoreHandler(intelText);
}

void RateForm::setScoreHandler(std::function<void(const QString& intelText)> handler)
{
    m_scoreHandler = std::move(handler);
}

void RateForm::enableScore()
{
    m_scoreButton->setEnabled(true);
}

void RateForm::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_playButton->setFocus();
}

// Keys that no control took: Home and End move to the first and the last row. Nothing else,
// so Escape does not close the window and Enter never plays by the default button.
void RateForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Home)
        moveToRow(1);
    else if (event->key() == Qt::Key_End)
        moveToRow(m_grid.rowCount() - 1);
}

// A press that the grid control left to the window: the grid's area in 26 equal bands, the
// heading band and one band per shown row.
void RateForm::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const int x = platform::pixelsToTwips(pos.x());
    const int y = platform::pixelsToTwips(pos.y());
    const TwipsRect& g = m_layout.grid;
    if (x <= g.left || x >= g.left + g.width || y <= g.top || y >= g.top + g.height)
        return;
    if (const std::optional<int> row = grid::rowAtBand(m_grid, y - g.top, g.height))
        moveToRow(*row);
}

// Escape leaves the word list without a pick.
bool RateForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_wordList && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        closeWordList();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace rating
