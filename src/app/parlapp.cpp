#include "parlapp.h"

#include "commands.h"

#include "grid/scoring.h"

#include <QApplication>

namespace app {

ParlApp::ParlApp(const Services& services, const Paths& paths)
    : m_services(services), m_paths(paths)
{
    QObject::connect(&m_main, &MainWindow::browseRequested, [this] { browse(); });
    QObject::connect(&m_main, &MainWindow::sampleRequested, [this] { sample(); });
    QObject::connect(&m_main, &MainWindow::identifyRequested, [this] { identify(); });
    QObject::connect(&m_main, &MainWindow::rateRequested, [this] { rate(); });
    QObject::connect(&m_main, &MainWindow::helpRequested, [this] { help(); });
    QObject::connect(&m_main, &MainWindow::aboutRequested, [this] { about(); });
}

ParlApp::~ParlApp()
{
    delete m_rateForm;
}

bool ParlApp::start()
{
    const wordlists::LoadResult loaded =
        wordlists::LoadWordLists(m_paths.wordListFile, m_wordLists, m_services.messages);
    if (!loaded.ok)
        return false;
    if (loaded.windowHeightTwips)
        m_main.setOuterHeightTwips(*loaded.windowHeightTwips);
    m_helpFile = m_paths.programFolder + QStringLiteral("/parl.html");
    m_main.show();
    return true;
}

void ParlApp::browse()
{
    const QString picked = m_services.folderPicker.pickFolder(&m_main);
    if (picked.isEmpty())
        return;
    useFolder(asWorkingFolder(picked));
}

void ParlApp::sample()
{
    useFolder(sampleFolder(m_paths.programFolder));
}

identification::IDForm& ParlApp::idForm()
{
    if (!m_idForm)
        m_idForm = std::make_unique<identification::IDForm>(m_services.messages, m_main, &m_main);
    return *m_idForm;
}

void ParlApp::useFolder(const QString& folder)
{
    m_main.enableFolderCommands();
    identification::IDForm& form = idForm();
    scanWorkingFolder(folder, m_main, m_services.clock,
                      {[&form] { form.LoadIDInfoFile(); },
                       [&form](const QString& today) { form.resetForNewChild(today); }});
}

void ParlApp::identify()
{
    if (const auto refusal = identifyRefusal(m_main)) {
        m_services.messages.show(*refusal, platform::Messages::Icon::Exclamation);
        return;
    }
    m_services.modal.showModal(&idForm());
}

namespace {

// The hourglass for the length of one command, restored on every path out of it.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

void ParlApp::rate()
{
    const identification::IDForm& form = idForm();
    if (const auto refusal = rateRefusal(form.idStatusText(), form.record().childsName, m_main)) {
        m_services.messages.show(*refusal, platform::Messages::Icon::Exclamation);
        return;
    }
    rating::RateForm* window = nullptr;
    {
        WaitCursor hourglass;
        window = &loadedRateForm();
        window->LoadFileList();
    }
    m_services.modal.showModal(window);
}

rating::RateForm& ParlApp::loadedRateForm()
{
    if (!m_rateForm) {
        m_rateForm = new rating::RateForm(m_wordLists, m_waves, m_services.messages,
                                          m_services.sound, m_main, &m_main);
        m_rateForm->setAttribute(Qt::WA_DeleteOnClose);
        m_rateForm->setScoreHandler([this](const QString& intelText) { score(intelText); });
    }
    return *m_rateForm;
}

results::IntelligibilityForm& ParlApp::resultsForm()
{
    if (!m_resultsForm) {
        results::RatingRunHooks run{
            [this] { return idForm().record(); },
            [this] { return m_rateForm ? grid::gridRows(m_rateForm->gridModel()) : QList<results::GridRow>(); },
            [this] { m_waves.UnloadWaves(); },
            [this] {
                if (m_rateForm)
                    m_rateForm->enableScore();
            },
            [this] {
                if (m_rateForm)
                    m_rateForm->hide();
            }};
        m_resultsForm = std::make_unique<results::IntelligibilityForm>(
            results::RatingSaveServices{m_services.messages, m_services.printer, m_main,
                                        m_services.clock},
            run, &m_main);
    }
    return *m_resultsForm;
}

void ParlApp::score(const QString& intelText)
{
    results::IntelligibilityForm& form = resultsForm();
    form.setIntelText(intelText);
    form.clearRatersName();
    m_services.modal.showModal(&form);
}

void ParlApp::help()
{
    if (m_helpFile.trimmed().isEmpty()) {
        m_services.messages.show(QStringLiteral("No Help File Available"),
                                 platform::Messages::Icon::None);
        return;
    }
    m_services.helpViewer.openContents(m_helpFile, &m_main);
}

void ParlApp::about()
{
    if (!m_about)
        m_about = std::make_unique<AboutBox>(&m_main);
    m_about->placeOnFirstShow(m_main.clientHeightTwips());
    m_services.modal.showModal(m_about.get());
}

} // namespace app
