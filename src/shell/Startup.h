// Start-up of the program, in order: the data folder made whole, settings and vocabulary, language module, help, then
// the main window and the event loop.
#pragma once

namespace shell {

// Everything before the main window: the settings (with the vocabulary of their language),
// the language module and the help of that language. False when an input/output error,
// already shown, ends the start.
bool StartUp();

// The whole program; returns its exit code.
int RunTonnelix(int& argc, char** argv);

} // namespace shell
