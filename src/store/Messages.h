// Numbered warnings raised by the data layer (format errors of the record files).
// The shell routes them to its warning box; tests record them.
#pragma once

#include <functional>

namespace store {

using MessageSink = std::function<void(int number)>;

// Replaces the receiver of numbered messages; an empty sink restores the default,
// which writes the number to the standard error.
void SetMessageSink(MessageSink sink);
void ShowMessage(int number);

} // namespace store
