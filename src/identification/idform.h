#pragma once

#include "identification/idinfo.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace platform {
class Messages;
class StatusLine;
} // namespace platform

namespace identification {

// The identification window. Its four fields are the live record of the current child; it is
// created once and only hidden, so they keep their values between openings.
class IDForm : public QDialog
{
    Q_OBJECT

public:
    IDForm(platform::Messages& messages, platform::StatusLine& status, QWidget* parent = nullptr);

    // Fills the fields from the working folder's idinfo.txt and marks the file as in effect.
    // On failure it shows why and changes nothing. True when the file was loaded.
    bool LoadIDInfoFile();

    // Empties the fields but for the date of test, which gets today, and marks no file in effect.
    void resetForNewChild(const QString& today);

    // The four field texts as they stand.
    IDRecord record() const;

    // The path of the identification file in effect, or empty.
    QString idStatusText() const;

    // Cancel, Escape and the close box: without a file in effect the fields are emptied.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void save();
    void setRecord(const IDRecord& record);
    void setIdStatus(const QString& path);
    void markFileInEffect(const QString& path);
    void markNoFileInEffect();
    QString idInfoFile() const;

    platform::Messages& m_messages;
    platform::StatusLine& m_status;
    QLineEdit* m_childsName;
    QLineEdit* m_dateOfBirth;
    QLineEdit* m_examinersName;
    QLineEdit* m_dateOfTest;
    QPushButton* m_save;
    QPushButton* m_cancel;
    QLabel* m_idStatus;
};

} // namespace identification
