#include "ui/Application.h"

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
    }
}

} // namespace ui
