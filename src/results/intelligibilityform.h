#pragma once

#include "results/ratingsave.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace results {

// The results window: shows the percentage and saves the rater's rating file. Created once and
// only hidden between uses.
class IntelligibilityForm : public QDialog
{
    Q_OBJECT

public:
    IntelligibilityForm(RatingSaveServices services, RatingRunHooks run, QWidget* parent = nullptr);

    // The percentage text as the Score command formats it.
    void setIntelText(const QString& text);
    void clearRatersName();

    // Escape and the close box leave the run unsaved, so the rater can score again.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void save();

    std::function<void()> m_enableScore;
    QLabel* m_intelLabel;
    QLineEdit* m_ratersName;
    QPushButton* m_saveButton;
    RatingSave m_ratingSave;
};

} // namespace results
