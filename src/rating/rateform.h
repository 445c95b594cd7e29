#pragma once

#include "grid/gridmodel.h"
#include "platform/messages.h"
#include "platform/sound.h"
#include "platform/statusline.h"
#include "rating/ratelayout.h"
#include "rating/waves.h"
#include "wordlists/wordlists.h"

#include <QDialog>
#include <functional>

class QFrame;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace grid {
class TableControl;
}

namespace rating {

// The rating window: the grid of recordings on the left, the Play panel with the word list, the
// Score button and the rated count on the right. Closing it with its close box destroys it; the
// recordings in Waves stay held.
class RateForm : public QDialog
{
    Q_OBJECT

public:
    RateForm(const wordlists::WordLists& wordLists, Waves& waves, platform::Messages& messages,
             platform::Sound& sound, platform::StatusLine& status, QWidget* parent = nullptr);

    // Lists, checks and loads the recordings of the working folder (status panel 1) into the grid
    // and into Waves. On a refused folder the grid keeps what it showed before.
    void LoadFileList();
    void UnloadWaves();
    void HideColumns();
    void HighlightCurrentRow();
    void fillWordlistList(int listno);

    grid::GridModel& gridModel() { return m_grid; }
    const RateLayout& layoutTwips() const { return m_layout; }

    // Called by Score with the intelligibility percentage as text.
    void setScoreHandler(std::function<void(const QString& intelText)> handler);
    // Offers Score again, for a results window that could not finish.
    void enableScore();

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectControls();
    void orderTabs();
    void load();
    void writeHeadings();
    void placeControls();
    void fillGrid(const QStringList& fileNames);
    void showRatedCount(int count);

    void moveToRow(int row);
    void followScrollBar(int value);
    void play();
    void playWithoutInput(const QByteArray& image);
    void offerWordList();
    void closeWordList();
    void pick(QListWidgetItem* item);
    void score();

    const wordlists::WordLists& m_wordLists;
    Waves& m_waves;
    platform::Messages& m_messages;
    platform::Sound& m_sound;
    platform::StatusLine& m_status;

    grid::GridModel m_grid;
    RateLayout m_layout;
    std::function<void(const QString&)> m_scoreHandler;

    grid::TableControl* m_gridView = nullptr;
    QScrollBar* m_gridScroll = nullptr;
    QFrame* m_playPanel = nullptr;
    QPushButton* m_playButton = nullptr;
    QToolButton* m_upButton = nullptr;
    QToolButton* m_downButton = nullptr;
    QListWidget* m_wordList = nullptr;
    QPushButton* m_scoreButton = nullptr;
    QLabel* m_ratedLabel = nullptr;
    QLabel* m_label2 = nullptr;
};

} // namespace rating
