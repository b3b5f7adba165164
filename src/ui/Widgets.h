// Small touches every window gives its controls the same way.
#pragma once

#include "ui/Icons.h"

class QAbstractItemView;
class QPushButton;
class QLineEdit;
class QString;
class QWidget;

namespace ui {

// The selected row stays highlighted when the list loses the focus.
void KeepSelectionVisible(QAbstractItemView* view);

// A box that shows a value the person cannot change here: read-only, skipped by the tab key,
// in the window's colour.
void MakeShownOnly(QLineEdit* edit);

// A button showing one of the program's pictures, named for tests and readers.
QPushButton* PictureButton(QWidget* parent, const char* name, Picture picture);

// The box is as wide as `chars` characters of its font, and stays so when the font changes.
void FitToChars(QLineEdit* edit, int chars);

// The hint of a control: its tool tip and the status-bar text.
void SetHint(QWidget* widget, const QString& hint);

} // namespace ui
