// The application object. An input/output error abandons the command that raised it: it is
// caught here, at the event loop, shown in the error box, and the program goes on. Any other
// exception (memory exhausted included) abandons its command the same way, never the program.
#pragma once

#include <QApplication>

namespace ui {

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace ui
