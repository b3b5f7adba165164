#include "ui/Screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>
#include <vector>

#include "ui/State.h"

namespace ui {

namespace {

int ScreenWidth() {
    if (State().screenWidth > 0) return State().screenWidth;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 640;
}

double ScreenDpi() {
    if (State().screenWidth > 0) return State().screenDpi > 0 ? State().screenDpi : 96.0;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

} // namespace

int ScaleToScreen(int n) {
    return static_cast<int>(std::lround(static_cast<double>(n) * ScreenWidth() / 640.0));
}

double ScreenRatio() {
    const double logicalWidth = std::round(ScreenWidth() / (ScreenDpi() / 96.0));
    return logicalWidth / 640.0;
}

void SetScaleWindows(bool scale) {
    State().scaleWindows = scale;
}

void FitWindowToScreen(QWidget* window) {
    if (State().scaleWindows) {
        // Controls with a font of their own do not follow the window's, so each grows alike.
        const double ratio = ScreenRatio();
        std::vector<QWidget*> ownFonts{window};
        for (QWidget* child : window->findChildren<QWidget*>())
            if (child->testAttribute(Qt::WA_SetFont)) ownFonts.push_back(child);
        for (QWidget* widget : ownFonts) {
            QFont font = widget->font();
            if (font.pointSizeF() > 0)
                font.setPointSizeF(font.pointSizeF() * ratio);
            else
                font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * ratio)));
            widget->setFont(font);
        }
    }
    window->adjustSize();
    if (const QScreen* screen =
            window->screen() ? window->screen() : QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableGeometry().size();
        window->resize(window->size().boundedTo(room));
    }
}

namespace testing {
void SetScreen(int width, double dpi) {
    State().screenWidth = width;
    State().screenDpi = dpi;
}
} // namespace testing

} // namespace ui
