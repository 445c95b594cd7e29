#include "mainwindow.h"

#include "programicon.h"

#include "platform/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

namespace app {

namespace {

constexpr int kLeftTwips = 2310;
constexpr int kTopTwips = 1530;
constexpr int kWidthTwips = 7335;
constexpr int kHeightTwips = 975;

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("PARL - Parlometer"));
    setWindowIcon(programIcon());
    buildMenus();
    buildStatusLine();
    setGeometry(platform::twipsToPixels(kLeftTwips, kTopTwips, kWidthTwips, kHeightTwips));
}

void MainWindow::buildMenus()
{
    QMenu* browse = menuBar()->addMenu(QStringLiteral("&Browse"));
    browse->setObjectName(QStringLiteral("BrowseMenu"));
    connect(addCommand(browse, "BrowseBrowseMenu", QStringLiteral("&Browse")), &QAction::triggered,
            this, &MainWindow::browseRequested);
    connect(addCommand(browse, "BrowseSampleMenu", QStringLiteral("&Sample")), &QAction::triggered,
            this, &MainWindow::sampleRequested);
    browse->addSeparator();
    connect(addCommand(browse, "BrowseExitMenu", QStringLiteral("E&xit")), &QAction::triggered, qApp,
            &QApplication::quit);

    m_identify = addCommand(menuBar(), "IdentifyMenu", QStringLiteral("&Identify"));
    connect(m_identify, &QAction::triggered, this, &MainWindow::identifyRequested);
    m_rate = addCommand(menuBar(), "RateMenu", QStringLiteral("&Rate"));
    connect(m_rate, &QAction::triggered, this, &MainWindow::rateRequested);
    m_identify->setEnabled(false);
    m_rate->setEnabled(false);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    connect(addCommand(help, "HelpHelpMenu", QStringLiteral("&Help")), &QAction::triggered, this,
            &MainWindow::helpRequested);
    connect(addCommand(help, "HelpAboutMenu", QStringLiteral("&About")), &QAction::triggered, this,
            &MainWindow::aboutRequested);
}

QAction* MainWindow::addCommand(QWidget* menu, const char* objectName, const QString& caption)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(objectName));
    menu->addAction(action);
    return action;
}

void MainWindow::buildStatusLine()
{
    QStatusBar* status = statusBar();
    status->setObjectName(QStringLiteral("PARLStatus"));
    status->setSizeGripEnabled(false);
    for (int i = 0; i < int(m_panels.size()); ++i) {
        auto* panel = new QLabel(status);
        panel->setObjectName(QStringLiteral("PARLStatusPanel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setMinimumWidth(8);
        panel->setTextFormat(Qt::PlainText);
        status->addWidget(panel);
        m_panels[i] = panel;
    }
}

QString MainWindow::panelText(int panel) const
{
    return panel >= 1 && panel <= int(m_panels.size()) ? m_panels[panel - 1]->text() : QString();
}

void MainWindow::setPanelText(int panel, const QString& text)
{
    if (panel >= 1 && panel <= int(m_panels.size()))
        m_panels[panel - 1]->setText(text);
}

void MainWindow::setOuterHeightTwips(int twips)
{
    const int frame = frameGeometry().height() - height();
    resize(width(), platform::twipsToPixels(twips) - frame);
}

void MainWindow::enableFolderCommands()
{
    m_identify->setEnabled(true);
    m_rate->setEnabled(true);
}

int MainWindow::clientHeightTwips() const
{
    return platform::pixelsToTwips(height());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program at once, whatever other windows are open.
    event->accept();
    QApplication::quit();
}

} // namespace app
