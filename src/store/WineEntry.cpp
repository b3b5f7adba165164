#include "store/WineEntry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "store/Files.h"
#include "store/RecordCache.h"
#include "store/RefBases.h"
#include "store/State.h"
#include "store/Text.h"

namespace store {

std::vector<std::string> ReadAppellationIndex() {
    std::vector<std::string> keys;
    LineReader in;
    if (!OpenTextForReading(in, State().files.appellations)) return keys;
    std::string line;
    while (in.readLine(line)) {
        if (line.empty() || line[0] != '[') continue;
        keys.push_back(PadText(Columns(line, 2, 20), 20) + PadText(Columns(line, 24, 10), 10) +
                       PadText(Columns(line, 36, 30), 30));
    }
    return keys;
}

std::string KeyRegion(std::string_view key) { return RightTrim(Columns(key, 1, 20)); }
std::string KeyColour(std::string_view key) { return RightTrim(Columns(key, 21, 10)); }
std::string KeyAppellation(std::string_view key) { return RightTrim(Columns(key, 31, 30)); }

std::string FoldCase(std::string_view text) {
    std::string result(text);
    for (char& ch : result) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) ch = static_cast<char>(c - 0x20);
        else if (c == 0x9A || c == 0x9C || c == 0x9E) ch = static_cast<char>(c - 0x10); // š œ ž
        else if (c == 0xFF) ch = static_cast<char>(0x9F);                                // ÿ
    }
    return result;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && FoldCase(a) == FoldCase(b);
}

std::vector<std::string> DomaineNames() {
    std::vector<std::string> names;
    std::vector<std::string> folded;
    LineReader in;
    if (!OpenTextForReading(in, State().files.domaines)) return names;
    std::string line;
    while (in.readLine(line)) {
        if (!line.empty() && line[0] == '[') continue;
        std::string name = RightTrim(Columns(line, 7, 50));
        if (name.empty()) continue;
        std::string key = FoldCase(name);
        bool seen = false;
        for (const auto& f : folded) seen = seen || f == key;
        if (seen) continue;
        folded.push_back(std::move(key));
        names.push_back(std::move(name));
    }
    return names;
}

DomaineLookup FindDomaine(std::string_view name) {
    DomaineLookup result;
    LineReader in;
    if (!OpenTextForReading(in, State().files.domaines)) return result;
    result.baseOpened = true;
    const std::string wanted = RightTrim(name);
    std::string region;
    std::string appellation;
    std::string line;
    while (in.readLine(line)) {
        if (!line.empty() && line[0] == '[') {
            const AppellationKey key = DomaineHeaderKey(line);
            region = key.region;
            appellation = key.appellation;
            continue;
        }
        if (RightTrim(Columns(line, 7, 50)) == wanted) {
            result.found = true;
            result.owner = RightTrim(Columns(line, 57, 50));
            result.region = region;
            result.appellation = appellation;
            break;
        }
    }
    return result;
}

std::optional<std::string> ProposedPeakYear(std::string_view vintage, std::string_view colour,
                                            std::string_view region) {
    const std::string year = store::Trim(vintage);
    long value = 0;
    if (year.size() != 4 || !ParseWholeNumber(year, value)) return std::nullopt;
    if (RightTrim(colour).empty() || RightTrim(region).empty()) return std::nullopt;
    const std::optional<int> years = MaturityYears(PadText(colour, 10), PadText(region, 20));
    if (!years) return std::nullopt;
    return std::to_string(value + *years);
}

bool ParsePrice(std::string_view text, double& value) {
    if (text == ".") {
        value = 0;
        return true;
    }
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view cents = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if ((whole.empty() && cents.empty()) || !AllDigits(whole) || !AllDigits(cents)) return false;
    if (whole.size() > 15 || cents.size() > 15) return false;
    // Read without the C library, whose decimal point follows the desktop's locale.
    const std::string number = "0" + std::string(whole) + "." + std::string(cents) + "0";
    return std::from_chars(number.data(), number.data() + number.size(), value).ec == std::errc();
}

namespace {
// Two decimals with a point whatever the desktop's locale, right-aligned in `width`.
std::string TwoDecimals(double value, int width) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2).ptr;
    std::string text(buffer, end);
    if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}
} // namespace

std::optional<std::string> NormalisedPriceText(std::string_view text) {
    const std::string trimmed = store::Trim(text).substr(0, 8);
    if (trimmed == ".") return std::nullopt;
    const auto point = trimmed.find('.');
    std::string joined = trimmed;
    if (point != std::string::npos)
        joined = store::Trim(trimmed.substr(0, point)) + "." + store::Trim(trimmed.substr(point + 1));
    double value = 0;
    if (!ParsePrice(joined, value) || std::round(value * 100) / 100 >= 100000) return std::nullopt;
    return RightTrim(TwoDecimals(value, 8));
}

std::string StoredPrice(std::string_view price) {
    if (price.empty()) return Blanks(8);
    double value = 0;
    if (!ParsePrice(price, value)) return std::string(price);
    return TwoDecimals(value, 8);
}

std::string StoredQuantity(std::string_view quantity) {
    long value = 0;
    if (!ParseWholeNumber(quantity, value)) return std::string(quantity);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%2ld", value);
    return buffer;
}

int CheckCellarWine(const CellarWine& wine, bool zeroQuantityAllowed) {
    if (wine.colour == Blanks(10)) return 3;
    if (wine.region == Blanks(20)) return 4;
    if (wine.appellation == Blanks(30)) return 5;
    if (wine.vintage != Blanks(4) && !(wine.vintage.size() == 4 && AllDigits(wine.vintage))) return 6;
    long quantity = 0;
    if (!ParseWholeNumber(wine.quantity, quantity) || quantity < (zeroQuantityAllowed ? 0 : 1) || quantity > 99)
        return 7;
    double price = 0;
    if (!wine.price.empty() && !ParsePrice(wine.price, price)) return 8;
    // The stored price must fit its 8 characters: 99999.99 at most.
    if (!wine.price.empty() && std::round(price * 100) / 100 >= 100000) return 9;
    if (wine.purchaseDate != Blanks(10) && !IsValidDate(wine.purchaseDate)) return 10;
    if (wine.peakYear != Blanks(4) && !AllDigits(wine.peakYear)) return 11;
    return 0;
}

bool ReadCellarWineAt(long position, CellarWine& wine) {
    if (position < 0) return false;
    if (RecordsKeptInMemory()) {
        const std::shared_ptr<const CellarImage> image = CurrentCellar();
        if (position < image->size()) {
            image->read(position, wine);
            return true;
        }
        image->reachEnd();
        return false;
    }
    LineReader in;
    if (!OpenTextForReading(in, State().files.cellar)) return false;
    CellarWine record;
    for (long i = 0; i <= position; ++i)
        if (in.eof() || !ReadCellarWine(in, record)) return false;
    wine = record;
    return true;
}

CellarRow CellarRowAt(long position) {
    CellarRow result;
    if (RecordsKeptInMemory()) {
        const Listing<CellarWine> listing = ListCellar();
        const std::vector<long>& positions = *listing.positions;
        const auto found = std::lower_bound(positions.begin(), positions.end(), position);
        if (found != positions.end() && *found == position) result.row = found - positions.begin();
        result.rows = static_cast<long>(positions.size());
        listing.image->reachEnd();
        return result;
    }
    LineReader in;
    if (!OpenTextForReading(in, State().files.cellar)) return result;
    const bool toDrink = State().filter.toDrink;
    CellarWine record;
    for (long at = 0; !in.eof() && ReadCellarWine(in, record); ++at) {
        if (!CellarWineMatches(record) || (toDrink && !PeakYearHasCome(record))) continue;
        if (at == position) result.row = result.rows;
        ++result.rows;
    }
    return result;
}

} // namespace store
