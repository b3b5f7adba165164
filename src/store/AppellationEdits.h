// What the appellation administration writes: one appellation saved with its temperature,
// keeping period, dishes and vintage marks, or deleted in one colour. Each operation writes the
// appellation base once and the vintage chart once, the chart after the base, so that a failure
// leaves both files as they were, or only the chart unchanged.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "store/RefBases.h"

namespace store {

// The headers of the appellation base and the dish names of its four courses, read in one pass.
struct AppellationBaseIndex {
    std::vector<std::string> keys; // region (20) + colour (10) + appellation (30), file order
    // Per course (starters, main courses, cheeses, desserts): names right-trimmed, each once
    // whatever its case, in file order.
    std::array<std::vector<std::string>, 4> dishes;
};
AppellationBaseIndex ReadAppellationBaseIndex();

struct AppellationEdit {
    std::string colour;
    std::string region;
    std::string appellation;
    // Nothing: the value was not touched and its stored line stays as it is.
    std::optional<std::string> temperature;
    std::optional<std::string> keeping;
    std::vector<Dish> dishes;          // course (up to 7) and dish (up to 30), in list order
    std::vector<VintageMark> vintages; // year (4) and mark (2), in list order
};

// The first section of the appellation with the new temperature and keeping lines (a new section
// when there is none) and the dish lines after its dishes key line; the first vintage section of
// the region and appellation (made when missing) with exactly the given vintage lines. A section
// with no dishes key line gets one in the current language before its dishes, when there are some.
void SaveAppellation(const AppellationEdit& edit);

struct AppellationRemoval {
    bool removed = false;      // a section of the appellation in that colour was dropped
    bool chartRemoved = false; // no other colour remained, so the vintage section went too
};
// Drops the sections of the appellation in that colour and, when no other colour of it remains
// in the region, its vintage sections. Nothing is written when the base has no such section.
AppellationRemoval DeleteAppellation(const std::string& colour, const std::string& region,
                                     const std::string& appellation);

} // namespace store
