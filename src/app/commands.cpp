#include "commands.h"

#include "platform/dates.h"
#include "platform/files.h"
#include "results/ratingfile.h"

namespace app {

QString countText(int count, const QString& singular, const QString& plural)
{
    return QString::number(count) + (count == 1 ? singular : plural);
}

QString asWorkingFolder(const QString& path)
{
    return path.endsWith(u'/') ? path : path + u'/';
}

QString sampleFolder(const QString& programFolder)
{
    return programFolder + QStringLiteral("/sample/");
}

void scanWorkingFolder(const QString& folder, platform::StatusLine& status,
                       const platform::Clock& clock, const IdentificationHooks& identification)
{
    status.setPanelText(1, folder);
    status.setPanelText(2, countText(platform::CountFiles(folder + QStringLiteral("*.wav")),
                                     QStringLiteral(" .wav file"), QStringLiteral(" .wav files")));
    status.setPanelText(4, results::raterCountText(
                               platform::CountFiles(folder + QStringLiteral("*.prl"))));
    if (platform::FileExists(status.panelText(1) + QStringLiteral("idinfo.txt"))) {
        identification.loadIdInfoFile();
        return;
    }
    identification.resetForNewChild(platform::formatDateMmDdYyyy(clock.today()));
}

std::optional<QString> identifyRefusal(const platform::StatusLine& status)
{
    if (!status.panelText(1).trimmed().isEmpty())
        return std::nullopt;
    return QStringLiteral("A directory must be chosen before entering\r\n"
                          "identifying information.  Use 'Browse' menu.");
}

std::optional<QString> rateRefusal(const QString& idStatusPath, const QString& childsName,
                                   const platform::StatusLine& status)
{
    if (idStatusPath.trimmed().isEmpty() || childsName.trimmed().isEmpty()) {
        return QStringLiteral("The child whose speech is to be rated has not\r\n"
                              "been identified.  Use 'Identify' menu.");
    }
    const QString idFolder = idStatusPath.left(idStatusPath.lastIndexOf(u'/') + 1);
    if (idFolder != status.panelText(1)) {
        return QStringLiteral("ID directory does not match .wav directory.\r\n"
                              "Check Identify menu.");
    }
    return std::nullopt;
}

} // namespace app
