#include "shell/ShellState.h"

#include <QCoreApplication>
#include <QLocale>

namespace shell {

ShellState& State() {
    static ShellState state;
    return state;
}

void ResetState() {
    ShellState& state = State();
    if (state.module) QCoreApplication::removeTranslator(state.module.get());
    if (state.platformTexts) QCoreApplication::removeTranslator(state.platformTexts.get());
    state = ShellState{};
    QLocale::setDefault(QLocale::system());
}

} // namespace shell
