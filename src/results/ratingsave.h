#pragma once

#include "platform/files.h"
#include "results/ratingfile.h"

#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace platform {
class Clock;
class Messages;
class Printer;
class StatusLine;
} // namespace platform

namespace results {

// What saving reads from and does to the other windows of a rating run.
struct RatingRunHooks
{
    // The identification window's four fields as they stand.
    std::function<identification::IDRecord()> identification;
    // The rating grid's data rows.
    std::function<QList<GridRow>()> gridRows;
    std::function<void()> unloadWaves;
    std::function<void()> enableScore;
    std::function<void()> hideRatingWindow;
};

// The platform services saving uses.
struct RatingSaveServices
{
    platform::Messages& messages;
    platform::Printer& printer;
    platform::StatusLine& status;
    const platform::Clock& clock;
};

// The results window's Save: writes the rater's rating file into the working folder, refreshes
// the rater count, offers printing and ends the rating run.
class RatingSave
{
public:
    // hideResultsWindow hides the window that saves; printOwner parents the print dialog.
    RatingSave(RatingSaveServices services, RatingRunHooks run,
               std::function<void()> hideResultsWindow, QWidget* printOwner);

    void save(const QString& ratersName, const QString& intelText);

private:
    void failWith(const QString& message);
    platform::SaveError writeRatingFile(const QString& path, const QString& folder,
                                        const QString& ratersName, const QString& intelText);
    void finishSaved(const QString& path, const QString& folder);

    RatingSaveServices m_services;
    RatingRunHooks m_run;
    std::function<void()> m_hideResultsWindow;
    QWidget* m_printOwner;
};

} // namespace results
