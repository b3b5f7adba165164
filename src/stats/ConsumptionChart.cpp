#include "stats/ConsumptionChart.h"
#include "stats/ColourOrder.h"

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
    std::string_view colour = entry.colour;
    while (!colour.empty() && colour.back() == ' ') colour.remove_suffix(1);
    std::size_t c = drunk_.empty() ? 0 : drunk_.back().colour;
    if (c >= colours_.size() || colours_[c] != colour) {
        c = static_cast<std::size_t>(std::find(colours_.begin(), colours_.end(), colour) - colours_.begin());
        if (c == colours_.size()) colours_.emplace_back(colour);
    }
    const int year = (key[0] - '0') * 1000 + (key[1] - '0') * 100 + (key[2] - '0') * 10 + (key[3] - '0');
    const int month = (key[4] - '0') * 10 + (key[5] - '0');
    drunk_.push_back({year, month, c, bottles, static_cast<double>(bottles) * price});
}

ConsumptionChart ConsumptionAccumulator::result() const {
    ConsumptionChart chart;
    if (drunk_.empty()) return chart;
    int first = drunk_.front().year * 12 + drunk_.front().month - 1, last = first;
    for (const Drunk& d : drunk_) {
        first = std::min(first, d.year * 12 + d.month - 1);
        last = std::max(last, d.year * 12 + d.month - 1);
    }
    const std::vector<std::size_t> place = OrderColours(colours_, listed_, chart.colours);

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
        period.bottles[place[d.colour]] += d.bottles;
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
