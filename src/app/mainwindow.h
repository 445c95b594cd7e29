#pragma once

#include "platform/statusline.h"

#include <QMainWindow>

#include <array>

class QAction;
class QLabel;

namespace app {

// The program's only permanent window: the menus and the four status panels.
class MainWindow : public QMainWindow, public platform::StatusLine
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    QString panelText(int panel) const override;
    void setPanelText(int panel, const QString& text) override;

    void setOuterHeightTwips(int twips);
    void enableFolderCommands();
    int clientHeightTwips() const;

signals:
    void browseRequested();
    void sampleRequested();
    void identifyRequested();
    void rateRequested();
    void helpRequested();
    void aboutRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildStatusLine();
    QAction* addCommand(QWidget* menu, const char* objectName, const QString& caption);

    QAction* m_identify = nullptr;
    QAction* m_rate = nullptr;
    std::array<QLabel*, 4> m_panels{};
};

} // namespace app
