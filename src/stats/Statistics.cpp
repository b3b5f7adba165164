#include "stats/Statistics.h"

#include <charconv>
#include <functional>
#include <string_view>
#include <unordered_map>

#include "store/Files.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/WineEntry.h"

namespace stats {

namespace {

std::string RightAligned(std::string text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

// Looked up by a view of the wine's field, without copying it, once per wine.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        return std::hash<std::string_view>()(text);
    }
};

// Right-trimmed entry text to its index; a later equal entry overwrites an earlier one, so
// it is the one that gets the wine.
using EntryIndex = std::unordered_map<std::string, int, TextHash, std::equal_to<>>;

std::string_view RightTrimmed(std::string_view text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

void AddEntries(EntryIndex& index, const std::vector<std::string>& entries, int first = 0) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        index[store::RightTrim(entries[i])] = first + static_cast<int>(i);
}

int Find(const EntryIndex& index, std::string_view key) {
    const auto found = index.find(key);
    return found == index.end() ? -1 : found->second;
}

} // namespace

void Sums::add(long quantity, double price, bool priced) {
    bottles += quantity;
    wines += 1;
    if (priced) amount += static_cast<double>(quantity) * price;
}

std::string CountText(long count) {
    return RightAligned(std::to_string(count), 4);
}

std::string AmountText(double amount) {
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, amount, std::chars_format::fixed, 2).ptr;
    return RightAligned(std::string(buffer, end), 9);
}

std::string Row::bottlesText() const {
    return kind == Kind::Separator ? "-------" : CountText(sums.bottles);
}
std::string Row::winesText() const {
    return kind == Kind::Separator ? "-------" : CountText(sums.wines);
}
std::string Row::amountText() const {
    return kind == Kind::Separator ? "------------" : AmountText(sums.amount);
}

struct Accumulator::Data {
    std::vector<std::string> colourNames; // right-trimmed, in list order
    std::vector<std::string> regionNames; // the list, then its fixed last entry
    int regionCount = 0;                  // of the list alone
    EntryIndex colourIndex;
    EntryIndex regionGroupIndex; // the list alone: the groups of the region view
    EntryIndex regionSubIndex;   // the list and its fixed entry: the sub-rows of the colour view

    std::vector<Sums> colourGroups;
    std::vector<Sums> colourSubs; // [colour][region or fixed entry]
    Sums colourTotal;
    std::vector<Sums> regionGroups;
    std::vector<Sums> regionSubs; // [region][colour]
    Sums regionTotal;
};

Accumulator::Accumulator(const store::VocabularyList& colours, const store::VocabularyList& regions)
    : data_(std::make_unique<Data>()) {
    Data& d = *data_;
    for (const auto& entry : colours.entries)
        d.colourNames.push_back(store::RightTrim(entry));
    for (const auto& entry : regions.entries)
        d.regionNames.push_back(store::RightTrim(entry));
    d.regionCount = static_cast<int>(d.regionNames.size());
    AddEntries(d.colourIndex, colours.entries);
    AddEntries(d.regionGroupIndex, regions.entries);
    d.regionSubIndex = d.regionGroupIndex;
    if (!regions.fixedEntry.empty()) {
        d.regionNames.push_back(store::RightTrim(regions.fixedEntry));
        AddEntries(d.regionSubIndex, {regions.fixedEntry}, d.regionCount);
    }
    const std::size_t c = d.colourNames.size(), r = d.regionNames.size();
    d.colourGroups.resize(c);
    d.colourSubs.resize(c * r);
    d.regionGroups.resize(static_cast<std::size_t>(d.regionCount));
    d.regionSubs.resize(static_cast<std::size_t>(d.regionCount) * c);
}

Accumulator::~Accumulator() = default;

void Accumulator::add(const store::CellarWine& wine) {
    long quantity = 0;
    if (!store::ParseWholeNumber(store::Trim(wine.quantity), quantity)) return;
    double price = 0;
    const bool priced = store::ParsePrice(store::Trim(wine.price), price);

    Data& d = *data_;
    const std::string_view colourKey = RightTrimmed(wine.colour);
    const std::string_view regionKey = RightTrimmed(wine.region);
    const int colour = Find(d.colourIndex, colourKey);
    const int group = Find(d.regionGroupIndex, regionKey);
    const std::size_t colours = d.colourNames.size();
    if (colour >= 0) {
        const auto c = static_cast<std::size_t>(colour);
        d.colourGroups[c].add(quantity, price, priced);
        d.colourTotal.add(quantity, price, priced);
        const int sub = Find(d.regionSubIndex, regionKey);
        if (sub >= 0)
            d.colourSubs[c * d.regionNames.size() + static_cast<std::size_t>(sub)].add(
                quantity, price, priced);
    }
    if (group >= 0) {
        const auto r = static_cast<std::size_t>(group);
        d.regionGroups[r].add(quantity, price, priced);
        d.regionTotal.add(quantity, price, priced);
        if (colour >= 0)
            d.regionSubs[r * colours + static_cast<std::size_t>(colour)].add(quantity, price,
                                                                             priced);
    }
}

Statistics Accumulator::result(View view) const {
    const Data& d = *data_;
    const bool byColour = view == View::ByColour;
    const std::vector<std::string>& groupNames = byColour ? d.colourNames : d.regionNames;
    const std::vector<std::string>& subNames = byColour ? d.regionNames : d.colourNames;
    const std::vector<Sums>& groups = byColour ? d.colourGroups : d.regionGroups;
    const std::vector<Sums>& subs = byColour ? d.colourSubs : d.regionSubs;

    Statistics s;
    s.cellarRead = true;
    s.total = byColour ? d.colourTotal : d.regionTotal;
    long miscellaneous = 0;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const Sums& sums = groups[g];
        if (sums.wines == 0) continue;
        s.rows.push_back({Row::Kind::Group, groupNames[g], sums});
        if (byColour) {
            s.slices.push_back({groupNames[g], sums.bottles});
        } else if (s.total.bottles > 0) {
            // More than 8 % of the bottles, compared in whole numbers so that 8 % exactly
            // never passes through a rounding.
            if (sums.bottles * 25 > s.total.bottles * 2)
                s.slices.push_back({groupNames[g], sums.bottles});
            else
                miscellaneous += sums.bottles;
        }
        for (std::size_t i = 0; i < subNames.size(); ++i) {
            const Sums& sub = subs[g * subNames.size() + i];
            if (sub.wines != 0) s.rows.push_back({Row::Kind::Sub, "   " + subNames[i], sub});
        }
    }
    s.rows.push_back({Row::Kind::Separator, "", {}});
    s.rows.push_back({Row::Kind::Total, "Total", s.total});
    if (miscellaneous != 0) s.slices.push_back({kMiscellaneous, miscellaneous});
    return s;
}

Statistics Compute(View view) {
    const store::Vocabulary& lists = store::State().lists;
    Accumulator sums(lists.colours, lists.regions);
    store::LineReader in;
    if (!store::OpenTextForReading(in, store::State().files.cellar)) return {};
    store::CellarWine wine;
    while (!in.eof() && store::ReadCellarWine(in, wine))
        sums.add(wine);
    return sums.result(view);
}

} // namespace stats
