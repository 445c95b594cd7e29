#pragma once

#include "aboutbox.h"
#include "mainwindow.h"

#include "platform/clock.h"
#include "platform/folderpicker.h"
#include "platform/helpviewer.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "wordlists/wordlists.h"

#include <QString>

#include <memory>

namespace app {

// The platform services the program runs on: the real desktop in main(), fakes in tests.
struct Services
{
    platform::Messages& messages;
    platform::FolderPicker& folderPicker;
    platform::HelpViewer& helpViewer;
    platform::Clock& clock;
    platform::Modal& modal;
};

struct Paths
{
    QString wordListFile;
    QString programFolder;
};

// Wires the windows of the program together and runs the main window's commands.
class ParlApp
{
public:
    ParlApp(const Services& services, const Paths& paths);
    ~ParlApp();

    // Loads the word lists and shows the main window; false when the program must end.
    bool start();

    MainWindow& mainWindow() { return m_main; }
    AboutBox* aboutBox() { return m_about.get(); }
    const wordlists::WordLists& wordLists() const { return m_wordLists; }

    void help();
    void about();

private:
    Services m_services;
    Paths m_paths;
    QString m_helpFile;
    wordlists::WordLists m_wordLists;
    MainWindow m_main;
    std::unique_ptr<AboutBox> m_about;
};

} // namespace app
