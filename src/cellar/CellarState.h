// The navigation state the cellar book shares with the windows it opens, for the whole run.
#pragma once

namespace cellar {

struct Navigation {
    int selectedRow = -1;          // row selected when a child window opened; -1 for none
    int lastRow = -1;              // last row of the list after its latest fill
    long currentWinePosition = 0;  // position in the cellar file of the wine shown
};

Navigation& State();
void ResetState();

} // namespace cellar
