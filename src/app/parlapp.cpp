#include "parlapp.h"

#include "commands.h"

namespace app {

ParlApp::ParlApp(const Services& services, const Paths& paths)
    : m_services(services), m_paths(paths)
{
    QObject::connect(&m_main, &MainWindow::helpRequested, [this] { help(); });
    QObject::connect(&m_main, &MainWindow::aboutRequested, [this] { about(); });
}

ParlApp::~ParlApp() = default;

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
