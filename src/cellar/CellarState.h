// The state the cellar book shares with the windows it opens, for the whole run.
#pragma once

#include <string>

#include "store/Records.h"

namespace cellar {

// The appellation whose characteristics are shown: colour (10), region (20), appellation (30)
// padded, and the vintage of the wine in hand as stored (empty when there is no wine).
struct SelectedAppellation {
    std::string colour;
    std::string region;
    std::string appellation;
    std::string vintage;
};

struct Navigation {
    int selectedRow = -1;          // row selected when a child window opened; -1 for none
    int lastRow = -1;              // last row of the list after its latest fill
    long currentWinePosition = 0;  // position in the cellar file of the wine shown
    SelectedAppellation selectedAppellation;
    store::CellarWine labelWine;   // the wine whose labels are printed, as on the zoom screen
};

Navigation& State();
void ResetState();

} // namespace cellar
