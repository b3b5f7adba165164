// The state the shell keeps for the whole run, beside the settings, in one place.
#pragma once

#include <QString>
#include <QTranslator>

#include <memory>

namespace shell {

struct ShellState {
    bool startup = true;  // the about box has not been created yet in this run
    int moduleLocale = 0; // locale of the language module in use; 0 for the built-in French
    std::unique_ptr<QTranslator> module;
    std::unique_ptr<QTranslator> platformTexts; // Qt's own button texts in that language
    QString programPath;                        // set by tests; empty means the running program
};

ShellState& State();
// Back to the start of a run: language module, Qt's texts and the default locale removed,
// start-up flag set.
void ResetState();

} // namespace shell
