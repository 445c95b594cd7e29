#pragma once

#include "clock.h"
#include "folderpicker.h"
#include "helpviewer.h"
#include "messages.h"
#include "modal.h"

#include <QPointer>

class QTextBrowser;

// The real desktop behind the platform interfaces that need no device.
namespace platform {

class MessageBoxes : public Messages
{
public:
    explicit MessageBoxes(QWidget* owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget* owner) { m_owner = owner; }
    void show(const QString& text, Icon icon) override;
    bool askYesNo(const QString& text) override;

private:
    QWidget* m_owner;
};

class SystemClock : public Clock
{
public:
    QDate today() const override;
};

class FolderDialog : public FolderPicker
{
public:
    QString pickFolder(QWidget* owner) override;
};

class HelpWindow : public HelpViewer
{
public:
    ~HelpWindow() override;
    void openContents(const QString& helpFile, QWidget* owner) override;

private:
    QPointer<QTextBrowser> m_browser;
};

class ExecModal : public Modal
{
public:
    void showModal(QDialog* window) override;
};

} // namespace platform
