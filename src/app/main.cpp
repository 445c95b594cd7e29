#include "app/parlapp.h"
#include "platform/desktop.h"
#include "platform/qtprinter.h"
#include "platform/sdlsound.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("parl"));
    QApplication::setDesktopFileName(QStringLiteral("parl"));

    platform::MessageBoxes messages;
    platform::FolderDialog folderPicker;
    platform::HelpWindow helpViewer;
    platform::SystemClock clock;
    platform::ExecModal modal;
    platform::SdlSound sound;
    platform::QtPrinter printer;

    app::ParlApp parl({messages, folderPicker, helpViewer, clock, modal, sound, printer},
                      {QStringLiteral(PARL_WORDLISTS_FILE), QApplication::applicationDirPath()});
    messages.setOwner(&parl.mainWindow());
    if (!parl.start())
        return 1;
    return QApplication::exec();
}
