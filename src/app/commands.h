#pragma once

#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/statusline.h"

#include <QString>

#include <functional>
#include <optional>

// The main window's commands as logic: what they check, what they write into the status line.
namespace app {

// Count, then the singular or the plural unit ("1 rater", "0 raters").
QString countText(int count, const QString& singular, const QString& plural);

// The folder a path names, with a trailing "/" added unless it already ends in one.
QString asWorkingFolder(const QString& path);

QString sampleFolder(const QString& programFolder);

// How the folder scan reaches the identification window.
struct IdentificationHooks
{
    std::function<void()> loadIdInfoFile;
    std::function<void(const QString& today)> resetForNewChild;
};

// Makes folder the working folder: the status panels, then the identification of the folder.
void scanWorkingFolder(const QString& folder, platform::StatusLine& status,
                       const platform::Clock& clock, const IdentificationHooks& identification);

// The message that refuses the Identify command, if any.
std::optional<QString> identifyRefusal(const platform::StatusLine& status);

// The message that refuses the Rate command, if any.
std::optional<QString> rateRefusal(const QString& idStatusPath, const QString& childsName,
                                   const platform::StatusLine& status);

} // namespace app
