// The cellar report: the wines the cellar book lists, grouped by colour and region in the
// order of the Sort setting, four lines per wine, and the wines, bottles and value per colour.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "store/Records.h"
#include "ui/Report.h"

namespace cellar {

// Indexed by the position of a colour in the colour list (1 to its count); 0 holds the totals
// of all colours.
struct ColourTotals {
    static constexpr int kSize = 21;
    std::array<long, kSize> bottles{};
    std::array<long, kSize> wines{};
    std::array<double, kSize> value{};

    // Counts the wine under its colour; a colour outside the list counts nowhere. A quantity or
    // price that is not a number adds nothing to the bottles or the value.
    void add(const store::CellarWine& wine);
};

// The summary lines in the data language, as code page 1252 bytes: one per colour of the list
// that has bottles, in list order, then the total line.
std::vector<std::string> SummaryLines(const ColourTotals& totals);

// The wines the cellar book lists: the cellar file under the record filter and its to-drink flag.
std::vector<store::CellarWine> ListedWines();

ui::Report CellarReport(const std::vector<store::CellarWine>& wines);

// The print button of the cellar book: the report of the listed wines, previewed or printed as
// the Preview setting says. Nothing happens, and false comes back, when no wine is listed.
bool PrintCellarReport();

} // namespace cellar
