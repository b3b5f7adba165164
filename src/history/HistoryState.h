// The navigation state of the consumed wines window, for the whole run.
#pragma once

namespace history {

struct Navigation {
    long selectedPosition = -1; // row of the entry shown by the edit window; -1 for none
};

Navigation& State();
void ResetState();

} // namespace history
