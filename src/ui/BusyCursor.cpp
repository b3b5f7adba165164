#include "ui/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace ui {

BusyCursor::BusyCursor() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        shown_ = true;
    }
}

BusyCursor::~BusyCursor() {
    if (shown_) QGuiApplication::restoreOverrideCursor();
}

} // namespace ui
