#include "desktop.h"

#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTextBrowser>
#include <QUrl>

namespace platform {

namespace {

const QString kTitle = QStringLiteral("parl");

QMessageBox::Icon boxIcon(Messages::Icon icon)
{
    switch (icon) {
    case Messages::Icon::Critical:
        return QMessageBox::Critical;
    case Messages::Icon::Exclamation:
        return QMessageBox::Warning;
    case Messages::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The messages carry Windows line breaks; a label shows CR as a visible glyph.
QString displayText(const QString& text)
{
    QString shown = text;
    return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

void MessageBoxes::show(const QString& text, Icon icon)
{
    QMessageBox box(boxIcon(icon), kTitle, displayText(text), QMessageBox::Ok, m_owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool MessageBoxes::askYesNo(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, kTitle, displayText(text),
                    QMessageBox::Yes | QMessageBox::No, m_owner);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

QDate SystemClock::today() const
{
    return QDate::currentDate();
}

QString FolderDialog::pickFolder(QWidget* owner)
{
    return QFileDialog::getExistingDirectory(owner, QStringLiteral("Please select a folder:"),
                                             QString(), QFileDialog::ShowDirsOnly);
}

HelpWindow::~HelpWindow()
{
    delete m_browser;
}

void HelpWindow::openContents(const QString& helpFile, QWidget* owner)
{
    if (!m_browser) {
        m_browser = new QTextBrowser(owner);
        m_browser->setWindowFlag(Qt::Window);
        m_browser->setObjectName(QStringLiteral("HelpBrowser"));
        m_browser->setWindowTitle(QStringLiteral("PARL Help"));
        m_browser->setOpenExternalLinks(true);
        m_browser->resize(720, 600);
    }
    if (QFile::exists(helpFile)) {
        m_browser->setSource(QUrl::fromLocalFile(helpFile));
        m_browser->home();
    } else {
        m_browser->setPlainText(
            QStringLiteral("The help file could not be opened:\n%1").arg(helpFile));
    }
    m_browser->show();
    m_browser->raise();
    m_browser->activateWindow();
}

void ExecModal::showModal(QDialog* window)
{
    window->exec();
}

} // namespace platform
