#include "ratingsave.h"

#include "platform/clock.h"
#include "platform/dates.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/statusline.h"
#include "results/printing.h"

using namespace Qt::StringLiterals;

namespace results {

namespace {

constexpr int kFolderPanel = 1;
constexpr int kRaterCountPanel = 4;

QString withPath(const QString& text, const QString& path)
{
    return text + u"\r\n"_s + path;
}

} // namespace

RatingSave::RatingSave(RatingSaveServices services, RatingRunHooks run,
                       std::function<void()> hideResultsWindow, QWidget* printOwner)
    : m_services(services), m_run(std::move(run)),
      m_hideResultsWindow(std::move(hideResultsWindow)), m_printOwner(printOwner)
{
}

void RatingSave::save(const QString& ratersName, const QString& intelText)
{
    if (ratersName.trimmed().isEmpty()) {
        m_services.messages.show(u"No Rater."_s, platform::Messages::Icon::Exclamation);
        return;
    }
    const QString folder = m_services.status.panelText(kFolderPanel).trimmed();
    const QString path = ratingFilePath(folder, ratersName);
    m_run.unloadWaves();
    switch (writeRatingFile(path, folder, ratersName, intelText)) {
    case platform::SaveError::None:
        finishSaved(path, folder);
        break;
    case platform::SaveError::Create:
        failWith(withPath(u"Can't open rating file: "_s, path));
        break;
    case platform::SaveError::Write:
        failWith(withPath(u"Can't write to rating file: "_s, path));
        break;
    }
}

void RatingSave::failWith(const QString& message)
{
    m_services.messages.show(message, platform::Messages::Icon::None);
    m_run.enableScore();
    m_hideResultsWindow();
}

platform::SaveError RatingSave::writeRatingFile(const QString& path, const QString& folder,
                                                const QString& ratersName, const QString& intelText)
{
    // A name that is not a plain file name could reach outside the folder: it is refused as a
    // file that cannot be created.
    if (!isPlainFileName(ratersName.trimmed()))
        return platform::SaveError::Create;
    const RatingHeader header{m_run.identification(), ratersName,
                              platform::formatDateMmDdYyyy(m_services.clock.today()), intelText};
    return platform::saveTextLines(path, ratingFileLines(header, folder, m_run.gridRows()));
}

void RatingSave::finishSaved(const QString& path, const QString& folder)
{
    m_services.status.setPanelText(kRaterCountPanel,
                                   raterCountText(platform::CountFiles(folder + u"*.prl"_s)));
    m_hideResultsWindow();
    m_services.messages.show(withPath(u"Intelligibility score has been saved to file: "_s, path),
                             platform::Messages::Icon::None);
    printRatingFile(m_services.messages, m_services.printer, path, m_printOwner);
    m_run.hideRatingWindow();
}

} // namespace results
