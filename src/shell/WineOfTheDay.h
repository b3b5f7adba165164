// The wine of the day of the about box: an appellation drawn at random from the appellation
// base, with its best vintages from the vintage chart and the dishes it goes with.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace shell {

// Draws a number from 0 to count - 1.
using Draw = std::function<int(int count)>;

// The text for the appellation base and vintage chart of the current language, in code
// page 1252; empty when no appellation could be chosen.
std::string WineOfTheDay(const Draw& draw);
// The same with a draw seeded from the clock.
std::string WineOfTheDay();

// Vintage entries "yyyy:mm" ordered by mark, greatest first (on equal marks the earlier entry
// is taken first, and the swaps may reorder the rest).
std::vector<std::string> SortByMark(std::vector<std::string> entries);

} // namespace shell
