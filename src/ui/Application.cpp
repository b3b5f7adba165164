#include "ui/Application.h"

#include <QCoreApplication>
#include <exception>
#include <new>

#include "store/Files.h"
#include "ui/Dialogs.h"
#include "ui/Keyboard.h"

namespace ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    InstallKeyboardRules(*this);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const store::IoError& error) {
        ShowIoError(error);
        return false;
    } catch (const std::bad_alloc&) {
        // The command's memory is given back as the exception leaves it: the program goes on.
        ShowErrorText(QCoreApplication::translate(
            "IoError", "Mémoire insuffisante : la commande a été abandonnée."));
        return false;
    } catch (const std::exception& error) {
        ShowErrorText(QCoreApplication::translate(
                          "IoError", "Erreur interne : la commande a été abandonnée.\n\n%1")
                          .arg(QString::fromLocal8Bit(error.what())));
        return false;
    } catch (...) {
        ShowErrorText(
            QCoreApplication::translate("IoError", "Erreur interne : la commande a été abandonnée."));
        return false;
    }
}

} // namespace ui
