#include "history/ConsumedEntries.h"

#include <cmath>

#include "store/Files.h"
#include "store/RecordCache.h"
#include "store/RefBases.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/WineEntry.h"

namespace history {

std::vector<store::ConsumedWine> MatchingEntries() {
    std::vector<store::ConsumedWine> entries;
    if (store::RecordsKeptInMemory()) {
        const store::Listing<store::ConsumedWine> listing = store::ListHistory();
        for (const long position : *listing.positions) entries.push_back(listing.image->at(position));
        listing.image->reachEnd();
        return entries;
    }
    store::LineReader in;
    if (!store::OpenTextForReading(in, store::State().files.consumption)) return entries;
    store::ConsumedWine entry;
    while (!in.eof() && store::ReadConsumedWine(in, entry))
        if (store::ConsumedWineMatches(entry)) entries.push_back(entry);
    return entries;
}

bool MatchingEntryAt(long position, store::ConsumedWine& entry, long* filePosition) {
    if (position < 0) return false;
    if (store::RecordsKeptInMemory()) {
        const store::Listing<store::ConsumedWine> listing = store::ListHistory();
        if (!listing.image->exists()) return false;
        const std::vector<long>& positions = *listing.positions;
        if (position >= static_cast<long>(positions.size())) {
            listing.image->reachEnd();
            return false;
        }
        const long at = positions[static_cast<std::size_t>(position)];
        listing.image->read(at, entry);
        if (filePosition != nullptr) *filePosition = at;
        return true;
    }
    store::LineReader in;
    if (!store::OpenTextForReading(in, store::State().files.consumption)) return false;
    store::ConsumedWine record;
    long matches = 0;
    for (long at = 0; !in.eof() && store::ReadConsumedWine(in, record); ++at) {
        if (!store::ConsumedWineMatches(record)) continue;
        if (matches++ == position) {
            entry = record;
            if (filePosition != nullptr) *filePosition = at;
            return true;
        }
    }
    return false;
}

std::vector<std::string> VintageChartAppellations() {
    std::vector<std::string> names;
    for (const auto& section : store::VintageSections())
        names.push_back(store::RightTrim(section.appellation));
    return names;
}

bool PeriodBound(std::string_view shown, std::string& date) {
    date.clear();
    bool typed = false;
    for (char c : shown)
        typed = typed || (c >= '0' && c <= '9');
    if (!typed) return true;
    const std::string text = store::PadText(store::Trim(shown), 10);
    date = text.substr(0, 2) + "/" + text.substr(3, 2) + "/" + text.substr(6, 4);
    return store::IsValidDate(date);
}

std::string StoredDate(std::string_view shown) {
    return shown == "  /  /    " ? store::Blanks(10) : store::PadText(shown, 10);
}

std::string PriceText(std::string_view shown) {
    // The box shows 12.5 as "12   .5 ": the two sides of the point are read trimmed.
    std::string price = store::Trim(shown).substr(0, 8);
    if (const auto point = price.find('.'); point != std::string::npos)
        price = store::Trim(price.substr(0, point)) + "." + store::Trim(price.substr(point + 1));
    return price == "." ? std::string() : price;
}

int CheckConsumedWine(const store::ConsumedWine& entry, bool checkIdentity) {
    if (checkIdentity) {
        if (entry.colour == store::Blanks(10)) return 3;
        if (entry.region == store::Blanks(20)) return 4;
        if (entry.appellation == store::Blanks(30)) return 5;
        if (entry.vintage != store::Blanks(4) &&
            !(entry.vintage.size() == 4 && store::AllDigits(entry.vintage)))
            return 6;
    }
    long quantity = 0;
    if (!store::ParseWholeNumber(entry.quantity, quantity) || quantity < 1 || quantity > 99)
        return 15;
    double price = 0;
    if (!entry.price.empty() && !store::ParsePrice(entry.price, price)) return 8;
    // The stored price must fit its 8 characters: 99999.99 at most.
    if (!entry.price.empty() && std::round(price * 100) / 100 >= 100000) return 9;
    if (entry.drinkDate != store::Blanks(10) && !store::IsValidDate(entry.drinkDate)) return 12;
    if (entry.purchaseDate != store::Blanks(10) && !store::IsValidDate(entry.purchaseDate))
        return 10;
    return 0;
}

void StoredForms(store::ConsumedWine& entry) {
    entry.quantity = store::StoredQuantity(entry.quantity);
    entry.price = store::StoredPrice(entry.price);
}

} // namespace history
