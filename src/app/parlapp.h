#pragma once

#include "aboutbox.h"
#include "identification/idform.h"
#include "rating/rateform.h"
#include "rating/waves.h"
#include "results/intelligibilityform.h"
#include "mainwindow.h"

#include "platform/clock.h"
#include "platform/folderpicker.h"
#include "platform/helpviewer.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "platform/printer.h"
#include "platform/sound.h"
#include "wordlists/wordlists.h"

#include <QPointer>
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
    platform::Sound& sound;
    platform::Printer& printer;
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
    identification::IDForm& idForm();
    // The rating window, or null before the first Rate and after its close box.
    rating::RateForm* rateForm() { return m_rateForm; }
    results::IntelligibilityForm& resultsForm();
    const rating::Waves& waves() const { return m_waves; }
    const wordlists::WordLists& wordLists() const { return m_wordLists; }

    void browse();
    void sample();
    void identify();
    void rate();
    void help();
    void about();

private:
    void useFolder(const QString& folder);
    rating::RateForm& loadedRateForm();
    void score(const QString& intelText);

    Services m_services;
    Paths m_paths;
    QString m_helpFile;
    wordlists::WordLists m_wordLists;
    MainWindow m_main;
    std::unique_ptr<AboutBox> m_about;
    std::unique_ptr<identification::IDForm> m_idForm;
    // Outlives the rating window: its close box keeps the recordings held.
    rating::Waves m_waves;
    QPointer<rating::RateForm> m_rateForm;
    std::unique_ptr<results::IntelligibilityForm> m_resultsForm;
};

} // namespace app
