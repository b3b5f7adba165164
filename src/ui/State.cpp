#include "ui/State.h"

namespace ui {

UiState& State() {
    static UiState state;
    return state;
}

void ResetState() {
    UiState& state = State();
    if (state.helpViewer) delete state.helpViewer.data();
    testing::Recorder* recorder = state.recorder; // a live recorder outlasts a reset
    testing::ReportCapture* capture = state.reportCapture; // and so does a report capture
    state = UiState{};
    state.recorder = recorder;
    state.reportCapture = capture;
}

} // namespace ui
