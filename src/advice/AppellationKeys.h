// The appellation blocks that the choose-a-wine window lists, and which of them the cellar
// holds.
#pragma once

#include <string>
#include <vector>

namespace advice {

// One text per appellation block, in the order of the base: region (20), colour (10),
// appellation (30) as the header holds them, then "N", or "O" once the cellar is known to
// hold a wine of exactly that region, colour and appellation.
using AppellationKeys = std::vector<std::string>;

// Empty when the appellation base cannot be opened.
AppellationKeys BuildAppellationKeys();

// Reads the cellar once. The first still unmarked key of each cellar wine's identity moves to
// the end with "O", so keys end in the order their first wine was met. A missing cellar marks
// nothing.
void MarkCellarKeys(AppellationKeys& keys);

struct KeyRow {
    std::string appellation; // right-trimmed, as the row shows them
    std::string colour;
    std::string region;
};

// The keys to show, in key order: of the colour (compared right-trimmed, at most 10
// characters; "[Toutes]" / "[All]" for every colour) and, with cellarOnly, marked "O".
std::vector<KeyRow> ShownKeys(const AppellationKeys& keys, const std::string& colour,
                              bool cellarOnly);

} // namespace advice
