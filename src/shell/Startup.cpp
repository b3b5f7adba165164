#include "shell/Startup.h"

#include <QFile>
#include <QScreen>

#include "shell/LanguageModule.h"
#include "shell/Settings.h"
#include "shell/Umenu.h"
#include "store/Files.h"
#include "store/Messages.h"
#include "store/Transaction.h"
#include "ui/Application.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Screen.h"
#include "ui/State.h"

namespace shell {

bool StartUp() {
    ui::SetHelpLanguage(store::DataLanguage::French);
    store::SetMessageSink([](int number) { ui::ShowMessageNumber(QString(), number); });
    try {
        // Before anything is read: a command stopped past its commit point is finished, and what
        // the program left behind of any other is removed.
        store::RecoverDataFolder({QFile::encodeName(SettingsFilePath()).toStdString()});
        ReadSettings();
    } catch (const store::IoError& error) {
        // No main window yet to go back to: the program ends.
        ui::ShowIoError(error);
        return false;
    }
    const store::DataLanguage language = CurrentSettings().language;
    ui::SetScaleWindows(CurrentSettings().scale);
    ui::State().preview = CurrentSettings().preview;
    LoadLanguageModule(LocaleOf(language));
    ui::SetHelpLanguage(language);
    return true;
}

int RunTonnelix(int& argc, char** argv) {
    ui::Application application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tonnelix"));
    // The emblem is the icon of the desktop menu entry too; the entry's name lets the desktop
    // match the running windows to it.
    QApplication::setWindowIcon(ui::PictureIcon(ui::Picture::Emblem));
    QGuiApplication::setDesktopFileName(QStringLiteral("tonnelix"));
    if (!StartUp()) return 1;
    TMenu menu;
    // The screen's room first, for desktops whose window manager does not maximize.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        menu.setGeometry(screen->availableGeometry());
    menu.showMaximized();
    menu.activateWindow();
    return QApplication::exec(); // nothing is written at exit: every change was written when made
}

} // namespace shell
