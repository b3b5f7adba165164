// What the wine windows need besides their controls: the appellation index, the domaine
// names and look-up, the peak-year computation, the price and quantity forms, and the
// checks a wine passes before it is stored.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/Records.h"

namespace store {

// A key of the appellation index: region (20) + colour (10) + appellation (30), taken from
// a header line of the appellation base.
std::vector<std::string> ReadAppellationIndex();
std::string KeyRegion(std::string_view key);      // right-trimmed
std::string KeyColour(std::string_view key);      // right-trimmed
std::string KeyAppellation(std::string_view key); // right-trimmed

// Upper case in code page 1252 (a-z and the accented letters), for comparisons that
// disregard case.
std::string FoldCase(std::string_view text);
bool EqualIgnoringCase(std::string_view a, std::string_view b);

// Every domaine name of the domaine base, right-trimmed, without empty names and without
// a second copy of a name (case disregarded), in file order.
std::vector<std::string> DomaineNames();

struct DomaineLookup {
    bool baseOpened = false;
    bool found = false;
    std::string owner;       // right-trimmed
    std::string region;      // right-trimmed, of the section that lists the domaine
    std::string appellation; // right-trimmed
};
// The first entry whose name, right-trimmed, equals the given name right-trimmed.
DomaineLookup FindDomaine(std::string_view name);

// The peak year proposed for a vintage of a colour and region: vintage + the years of the
// maturity table. Nothing when the vintage is not four digits, colour or region is empty,
// or the table has no usable line.
std::optional<std::string> ProposedPeakYear(std::string_view vintage, std::string_view colour,
                                            std::string_view region);

// Reads a price as typed: digits with at most one point; "." alone is 0.
bool ParsePrice(std::string_view text, double& value);
// The price box after the user leaves it: the number with two decimals, leading blanks
// kept; nothing when the text is the empty box or not a price below 100000.
std::optional<std::string> NormalisedPriceText(std::string_view text);
// The stored forms: the price with two decimals right-aligned in 8, the quantity
// right-aligned in 2.
std::string StoredPrice(std::string_view price);
std::string StoredQuantity(std::string_view quantity);

// The first check the wine fails, as its message number (3 to 11), or 0 when it passes. A
// wine being edited may have a quantity of 0 (it leaves the cellar); a new one may not.
int CheckCellarWine(const CellarWine& wine, bool zeroQuantityAllowed = false);

// The wine at a position of the cellar file (from 0); false when there is none.
bool ReadCellarWineAt(long position, CellarWine& wine);

// Where the record at a position of the cellar file (from 0) stands in the cellar book's list
// under the current filter and to-drink flag: its row (from 0), -1 when it is not listed, and
// the number of rows.
struct CellarRow {
    long row = -1;
    long rows = 0;
};
CellarRow CellarRowAt(long position);

} // namespace store
