// The state the platform layer keeps for the whole run, in one place.
#pragma once

#include <QPointer>
#include <QWidget>

#include "store/Vocabulary.h"

namespace ui {

namespace testing {
class Recorder;
class ReportCapture;
}

struct UiState {
    bool scaleWindows = false; // the Scale setting, given once at start-up
    store::DataLanguage helpLanguage = store::DataLanguage::French;
    int screenWidth = 0;  // a screen set by a test; 0 asks the platform
    double screenDpi = 0; // likewise for the pixels per inch
    QPointer<QWidget> helpViewer;
    testing::Recorder* recorder = nullptr;
    bool preview = false; // the Preview setting: reports go to the preview window first
    QString printerName;  // chosen in the printer set-up; empty for the system's default
    testing::ReportCapture* reportCapture = nullptr;
};

UiState& State();
void ResetState();

} // namespace ui
