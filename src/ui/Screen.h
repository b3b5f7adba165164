// Fitting windows to the screen. Windows were laid out for a screen 640 pixels wide; the
// Scale setting grows them with the screen, otherwise they take the size of their contents.
#pragma once

class QWidget;

namespace ui {

// n × (screen width in pixels) / 640, rounded to the nearest integer.
int ScaleToScreen(int n);

// M / 640, where M is the screen width divided by (pixels per inch / 96), rounded.
double ScreenRatio();

// The Scale setting, given once at start-up.
void SetScaleWindows(bool scale);

// Called by every window when it is created, once its controls are laid out. Scale Yes: the
// window's fonts, and so its laid-out contents, grow by ScreenRatio(). Scale No: the window
// takes the size of its contents. Either way it never outgrows the screen.
void FitWindowToScreen(QWidget* window);

namespace testing {
// A screen of this width and pixels per inch in place of the platform's; 0 returns to it.
void SetScreen(int width, double dpi = 96);
} // namespace testing

} // namespace ui
