// Start-up of the program, in order: the data folder's lock, the data folder made whole,
// settings and vocabulary, language module, help, then the main window and the event loop.
#pragma once

#include <QString>

#include <optional>

#include "store/DataFolderLock.h"

namespace shell {

// The data folder's lock, taken (or taken over from the launcher) before anything reads or
// writes the folder, and held until the program ends. Empty when another program has the folder
// open: the person was told and the running window asked to come to the front, and the start
// ends having written nothing. On a folder that gives no lock the person is told once, and the
// lock returned holds nothing.
std::optional<store::DataFolderLock> LockDataFolder();

// What is said when the folder is open in another program, or cannot be locked at all.
QString AlreadyOpenText();
QString NoLockText(int error);

// Everything before the main window: the settings (with the vocabulary of their language),
// the language module and the help of that language. False when an input/output error,
// already shown, ends the start.
bool StartUp();

// The whole program; returns its exit code.
int RunTonnelix(int& argc, char** argv);

} // namespace shell
