#pragma once

#include "platform/clock.h"
#include "platform/folderpicker.h"
#include "platform/helpviewer.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "platform/printer.h"
#include "platform/sound.h"
#include "platform/statusline.h"

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QMap>
#include <QStringList>

#include <functional>

namespace fakes {

struct Message
{
    QString text;
    platform::Messages::Icon icon;
    bool operator==(const Message&) const = default;
};

// Records every message; questions are answered from a queue (No when it is empty).
class RecordingMessages : public platform::Messages
{
public:
    void show(const QString& text, Icon icon) override { shown.append({text, icon}); }
    bool askYesNo(const QString& text) override
    {
        questions.append(text);
        return !answers.isEmpty() && answers.takeFirst();
    }

    QList<Message> shown;
    QStringList questions;
    QList<bool> answers;
};

class FixedClock : public platform::Clock
{
public:
    explicit FixedClock(QDate date = QDate(2026, 3, 7)) : date(date) {}
    QDate today() const override { return date; }
    QDate date;
};

class PreparedFolderPicker : public platform::FolderPicker
{
public:
    QString pickFolder(QWidget*) override
    {
        ++calls;
        return folder;
    }
    QString folder;
    int calls = 0;
};

class RecordingHelpViewer : public platform::HelpViewer
{
public:
    void openContents(const QString& helpFile, QWidget*) override { opened.append(helpFile); }
    QStringList opened;
};

class RecordingSound : public platform::Sound
{
public:
    void play(const QByteArray& image) override { played.append(image); }
    QList<QByteArray> played;
};

// Shows the window and returns, so the test drives it directly.
class ShowOnlyModal : public platform::Modal
{
public:
    void showModal(QDialog* window) override
    {
        shownWindows.append(window);
        window->show();
    }
    QList<QDialog*> shownWindows;
};

class MemoryStatusLine : public platform::StatusLine
{
public:
    QString panelText(int panel) const override { return panels.value(panel); }
    void setPanelText(int panel, const QString& text) override { panels[panel] = text; }
    QMap<int, QString> panels;
};

// Records a printout. chosen answers the print dialog; begin and the line with the index
// failingLine can be made to fail.
class RecordingPrinter : public platform::Printer
{
public:
    bool choosePrinter(QWidget*) override
    {
        ++dialogs;
        return chosen;
    }
    bool begin(const QString& family, int size) override
    {
        fontFamily = family;
        pointSize = size;
        ++documents;
        return beginSucceeds;
    }
    bool printLine(const QString& line) override
    {
        if (lines.size() == failingLine)
            return false;
        lines.append(line);
        return true;
    }
    bool end() override
    {
        ++ended;
        return true;
    }

    bool chosen = true;
    bool beginSucceeds = true;
    qsizetype failingLine = -1;
    int dialogs = 0;
    int documents = 0;
    int ended = 0;
    QString fontFamily;
    int pointSize = 0;
    QStringList lines;
};

// Records like RecordingMessages and also notes each message and question in a log shared with
// other fakes, so a test sees their order.
class LoggingMessages : public RecordingMessages
{
public:
    explicit LoggingMessages(QStringList& log) : m_log(log) {}
    void show(const QString& text, Icon icon) override
    {
        m_log.append(QStringLiteral("show: ") + text);
        RecordingMessages::show(text, icon);
    }
    bool askYesNo(const QString& text) override
    {
        m_log.append(QStringLiteral("ask: ") + text);
        return RecordingMessages::askYesNo(text);
    }

private:
    QStringList& m_log;
};

// Records every sound and runs an action while it "plays", as a user acting during the sound.
class ActingSound : public RecordingSound
{
public:
    void play(const QByteArray& image) override
    {
        RecordingSound::play(image);
        if (whilePlaying)
            whilePlaying();
    }
    std::function<void()> whilePlaying;
};

} // namespace fakes
