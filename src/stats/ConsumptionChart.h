// The bottles drunk per year, stacked by colour, and the value drunk, from the consumption
// history within a period; per month when the entries cover less than two years.
// Standard C++ only.
#pragma once

#include <string>
#include <vector>

#include "store/Records.h"

namespace stats {

struct DrunkPeriod {
    int year = 0;
    int month = 0;             // 1 to 12 when the chart counts months, else 0
    std::vector<long> bottles; // per colour of the chart
    long total = 0;
    double value = 0; // bottles times their price, unpriced bottles counting nothing

    bool operator==(const DrunkPeriod&) const = default;
};

struct ConsumptionChart {
    bool monthly = false;
    std::vector<std::string> colours; // right-trimmed: the list's in its order, then others
    std::vector<DrunkPeriod> periods; // every year (or month) from the first entry to the last
};

class ConsumptionAccumulator {
public:
    // `from` and `to` are dd/mm/yyyy bounds, empty for none.
    ConsumptionAccumulator(const std::vector<std::string>& colourList, const std::string& from,
                           const std::string& to);

    // An entry outside the period, or whose drinking date is no date, counts nowhere.
    void add(const store::ConsumedWine& entry);
    ConsumptionChart result() const;

private:
    struct Drunk {
        int year;
        int month;
        std::size_t colour; // into colours_
        long bottles;
        double value;
    };
    std::vector<std::string> listed_;
    std::string fromKey_;
    std::string toKey_;
    std::vector<Drunk> drunk_;
    std::vector<std::string> colours_; // right-trimmed, in the order first met
};

// Reads the consumption file once; no periods without a file.
ConsumptionChart ComputeConsumption(const std::string& from, const std::string& to);

} // namespace stats
