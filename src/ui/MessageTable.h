// The numbered messages of the program. French texts are the source; the English texts come
// from the language module (context "MessageTable", the number as disambiguation).
#pragma once

#include <QString>

namespace ui {

// Message `number` in the language of the module in use; empty when the number has no text.
QString MessageText(int number);

// "Avertissement" in the language in use.
QString WarningTitle();

} // namespace ui
