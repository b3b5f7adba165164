// Fixture of the shell's window tests: settings and shell state of a fresh run, language
// modules looked up beside the built program.
#pragma once

#include "shell/LanguageModule.h"
#include "shell/Settings.h"
#include "shell/ShellState.h"
#include "store/State.h"
#include "ui/support/UiTest.h"

namespace testsupport {

class ShellWindowTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        shell::ResetSettings();
        shell::ResetState();
        shell::SetProgramPathForTests(QStringLiteral(TONNELIX_BINARY_DIR "/tonnelix"));
    }
    void TearDown() override {
        UiTest::TearDown(); // closes the windows while the texts are still installed
        shell::ResetState();
        shell::ResetSettings();
        shell::SetSystemLanguageCodeForTests(std::nullopt);
    }

    void setLanguage(store::DataLanguage language) {
        store::State().language = language;
        store::SetDataFileNames(language);
        shell::CurrentSettings().language = language;
    }
};

} // namespace testsupport
