// The navigation state of the consumed wines window, shared with its edit window for the run.
#pragma once

namespace history {

struct Navigation {
    // The row of the entry being edited among the rows shown, counted from 0; it also
    // designates the entry: the n-th entry of the file that passes the filter. -1 for none.
    long selectedPosition = -1;
};

Navigation& State();
void ResetState();

} // namespace history
