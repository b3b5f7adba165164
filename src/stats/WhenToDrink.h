// The bottles of the cellar by peak year, by colour: one bar for the years gone by, one per
// year from the current one on, one for the wines without a peak year. Each bar keeps the
// wines it counts, so that a click on it can list them. Standard C++ only.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "store/Records.h"

namespace stats {

struct DrinkBar {
    enum class Kind { Past, Year, NoPeak };
    Kind kind = Kind::Year;
    int year = 0;                  // of a Year bar
    std::vector<long> bottles;     // per colour of the chart
    long total = 0;
    std::vector<std::size_t> wines; // indices into DrinkChart::wines, in file order

    bool operator==(const DrinkBar&) const = default;
};

// What the list of a bar shows of a wine, as stored (padded, code page 1252).
struct DrinkWine {
    long position = 0; // in the cellar file, from 0
    std::string colour;
    std::string appellation;
    std::string domaine;
    std::string vintage;
    std::string peakYear;
    std::string location;
    long bottles = 0;
};

struct DrinkChart {
    int currentYear = 0;
    std::vector<std::string> colours; // right-trimmed: the list's in its order, then others
    std::vector<DrinkBar> bars;       // Past (when it has wines), the current year, later
                                      // years, No peak (when it has wines)
    std::vector<DrinkWine> wines;

    // The bar of this kind and year, or -1.
    int barOf(DrinkBar::Kind kind, int year = 0) const;
};

// Years after the current one stand side by side up to this far, an empty one included, so
// the chart reads as a calendar; further years appear only when they hold wines.
inline constexpr int kCalendarYears = 40;

class DrinkAccumulator {
public:
    DrinkAccumulator(const std::vector<std::string>& colourList, int currentYear);

    void add(long position, const store::CellarWine& wine);
    // The chart of the wines added; the accumulator is spent afterwards.
    DrinkChart result();

private:
    std::vector<std::string> listed_;
    int currentYear_;
    std::vector<DrinkWine> wines_;
    std::vector<std::string> colours_; // right-trimmed, in the order first met
    std::vector<std::size_t> colourOf_; // per wine, into colours_
    std::vector<int> peak_;             // per wine, 0 for none
};

// Reads the cellar file once, under the current colour list and year; an empty chart (the
// current year alone) when there is no cellar file.
DrinkChart ComputeWhenToDrink();

} // namespace stats
