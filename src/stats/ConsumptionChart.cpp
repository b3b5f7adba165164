#include "stats/ConsumptionChart.h"

#include <algorithm>
#include <map>

#include "store/Files.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/WineEntry.h"

namespace stats {

ConsumptionAccumulator::ConsumptionAccumulator(const std::vector<std::string>& colourList,
                                               const std::string& from, const std::string& to)
    : fromKey_(from.empty() ? std::string() : store::DateKey(from)),
      toKey_(to.empty() ? std::string() : store::DateKey(to)) {
    for (const std::string& term : colourList) {
        std::string trimmed = store::RightTrim(term);
        if (std::find(listed_.begin(), listed_.end(), trimmed) == listed_.end())
            listed_.push_back(std::move(trimmed));
    }
}

void ConsumptionAccumulator::add(const store::ConsumedWine& entry) {
    const std::string date = store::Trim(entry.drinkDate);
    if (!store::IsValidDate(date)) return;
    const std::string key = store::DateKey(date);
    if (!fromKey_.empty() && key < fromKey_) return;
    if (!toKey_.empty() && key > toKey_) return;
    long bottles = 0;
    if (!store::ParseWholeNumber(store::Trim(entry.quantity), bottles) || bottles < 0) bottles = 0;
    double price = 0;
    if (!store::ParsePrice(store::Trim(entry.price), price)) price = 0;
    drunk_.push_back({std::stoi(key.substr(0, 4)), std::stoi(key.substr(4, 2)),
                      store::RightTrim(entry.colour), bottles, static_cast<double>(bottles) * price});
}

ConsumptionChart ConsumptionAccumulator::result() const {
    ConsumptionChart chart;
    if (drunk_.empty()) return chart;
    std::map<std::string, bool> seen;
    int first = drunk_.front().year * 12 + drunk_.front().month - 1, last = first;
    for (const Drunk& d : drunk_) {
        seen[d.colour] = true;
        first = std::min(first, d.year * 12 + d.month - 1);
        last = std::max(last, d.year * 12 + d.month - 1);
    }
    for (const std::string& term : listed_)
        if (seen.erase(term)) chart.colours.push_back(term);
    for (const auto& [term, unused] : seen) chart.colours.push_back(term);
    std::map<std::string, std::size_t> colourIndex;
    for (std::size_t i = 0; i < chart.colours.size(); ++i) colourIndex[chart.colours[i]] = i;

    chart.monthly = last - first < 24;
    const int start = chart.monthly ? first : first / 12, end = chart.monthly ? last : last / 12;
    for (int p = start; p <= end; ++p) {
        DrunkPeriod period;
        period.year = chart.monthly ? p / 12 : p;
        period.month = chart.monthly ? p % 12 + 1 : 0;
        period.bottles.assign(chart.colours.size(), 0);
        chart.periods.push_back(std::move(period));
    }
    for (const Drunk& d : drunk_) {
        const int p = chart.monthly ? d.year * 12 + d.month - 1 : d.year;
        DrunkPeriod& period = chart.periods[static_cast<std::size_t>(p - start)];
        period.bottles[colourIndex[d.colour]] += d.bottles;
        period.total += d.bottles;
        period.value += d.value;
    }
    return chart;
}

ConsumptionChart ComputeConsumption(const std::string& from, const std::string& to) {
    ConsumptionAccumulator sums(store::State().lists.colours.entries, from, to);
    store::LineReader in;
    if (store::OpenTextForReading(in, store::State().files.consumption)) {
        store::ConsumedWine entry;
        while (!in.eof() && store::ReadConsumedWine(in, entry)) sums.add(entry);
    }
    return sums.result();
}

} // namespace stats
