#include "shell/Startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScreen>

#include "shell/FrontWindow.h"
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

QString AlreadyOpenText() {
    return QCoreApplication::translate(
               "Startup",
               "Tonnelix est déjà ouvert sur ce dossier de données (%1) : continuez dans "
               "sa fenêtre, ou fermez-la avant de le lancer à nouveau.")
        .arg(QDir::toNativeSeparators(QDir::currentPath()));
}

QString NoLockText(int error) {
    return QCoreApplication::translate(
               "Startup", "Le dossier de données %1 ne peut pas être verrouillé (erreur système "
                          "%2) : n'ouvrez pas Tonnelix une seconde fois sur ce dossier, les deux "
                          "perdraient des modifications l'un de l'autre.")
        .arg(QDir::toNativeSeparators(QDir::currentPath()))
        .arg(error);
}

std::optional<store::DataFolderLock> LockDataFolder() {
    store::DataFolderLock lock =
        store::DataFolderLock::TryTake(".", store::TakeHandedLockDescriptor());
    if (lock.held()) return lock;
    // Said in the language of the settings, which are read without being repaired.
    LoadLanguageModule(LocaleOf(SettingsLanguage()));
    if (lock.outcome() == store::DataFolderLock::Outcome::Busy) {
        AskRunningProgramToFront();
        ui::ShowMessageNumber(AlreadyOpenText(), 0);
        return std::nullopt;
    }
    ui::ShowMessageNumber(NoLockText(lock.error()), 0);
    return lock;
}

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
    // One program writes a data folder at a time: nothing reads or writes the folder before.
    const std::optional<store::DataFolderLock> lock = LockDataFolder();
    if (!lock) return 0; // another program has it open, and nothing was written
    const FrontRequests frontRequests(lock->held());
    // The start-up repairs and conversions of the data folder run from here on, under the lock.
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
