// Fixture of the window tests: a fresh data and configuration directory, the platform layer
// reset, a recorder answering every box, and no window left open afterwards.
#pragma once

#include <QApplication>
#include <QTranslator>
#include <QWidget>

#include <memory>

#include "support/TestDirs.h"
#include "ui/Dialogs.h"
#include "ui/State.h"

namespace testsupport {

class UiTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        ui::ResetState();
        recorder = std::make_unique<ui::testing::Recorder>();
    }
    void TearDown() override {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->close();
        if (english) QCoreApplication::removeTranslator(english.get());
        english.reset();
        QCoreApplication::processEvents();
        recorder.reset();
        ui::ResetState();
        DataDirTest::TearDown();
    }

    // The English module as the build places it beside the program.
    void loadEnglish() {
        english = std::make_unique<QTranslator>();
        ASSERT_TRUE(english->load(QStringLiteral(TONNELIX_BINARY_DIR "/tonnelix.ENU")));
        QCoreApplication::installTranslator(english.get());
        QCoreApplication::processEvents();
    }

    std::unique_ptr<ui::testing::Recorder> recorder;
    std::unique_ptr<QTranslator> english;
};

} // namespace testsupport
