// What the consumption history windows need besides their controls: the entries that pass
// the shared filter, the period bounds, the checks and the stored forms of an entry.
// Standard C++ only, like the data layer it builds on.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/Records.h"

namespace history {

// The entries of the consumption file that pass the filter, in file order; none without a
// file. A record cut short at the end is reported by the reader and not listed.
std::vector<store::ConsumedWine> MatchingEntries();

// The entry at a position among those that pass the filter (from 0), and its place in the file
// (from 0); false when there is none, `entry` then untouched.
bool MatchingEntryAt(long position, store::ConsumedWine& entry, long* filePosition = nullptr);

// The appellation of every section of the vintage chart, right-trimmed, in file order,
// duplicates kept.
std::vector<std::string> VintageChartAppellations();

// A period bound as shown by its date box ("dd/mm/yyyy", blanks where nothing was typed).
// A box with no digit is no bound (`date` empty); otherwise `date` is the dd/mm/yyyy text,
// and false when it is no valid date (a partly typed date included).
bool PeriodBound(std::string_view shown, std::string& date);

// The date box text as stored: 10 blanks for the empty box.
std::string StoredDate(std::string_view shown);

// The price box text as read before normalising: at most 8 characters, the digits on each
// side of the point without blanks; the empty box (the point alone) is no price.
std::string PriceText(std::string_view shown);

// The first check the entry fails, as its message number, or 0. The identity (colour,
// region, appellation, vintage: messages 3 to 6) is checked only for an entry typed whole;
// then quantity 15, price 8 and 9, drinking date 12, purchase date 10.
int CheckConsumedWine(const store::ConsumedWine& entry, bool checkIdentity);

// Quantity right-aligned in 2, price with two decimals right-aligned in 8 (8 blanks when
// there is none).
void StoredForms(store::ConsumedWine& entry);

} // namespace history
