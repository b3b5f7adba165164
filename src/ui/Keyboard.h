// Keyboard rules every window follows, installed once on the application.
#pragma once

class QApplication;
class QChar;
class QString;
class QWidget;

namespace ui {

// An Alt+letter that no mnemonic of the window takes never types its letter; one whose
// mnemonic stands on an accented capital ("&Étiquettes") reaches it by the plain letter.
// AltGr combinations still type.
void InstallKeyboardRules(QApplication& application);

// Return and Enter in this control do nothing: no default button answers them.
void IgnoreEnter(QWidget* widget);

// Labels of fields the person cannot reach here (disabled or shown only) drop their mnemonic,
// which would otherwise take the letter from a control that can use it.
void DropUnreachableMnemonics(QWidget* window);

// The letter of a caption's mnemonic, upper case and without accent; null when there is none.
QChar MnemonicLetter(const QString& caption);

} // namespace ui
