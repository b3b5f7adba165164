// The two records of the cellar book and the consumption history, their file layouts,
// the sorted inserts and deletes, and the shared record filter.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/Files.h"

namespace store {

// One wine of the cellar book. Fields keep the blanks read from the file; `mark` is
// right-trimmed when read.
struct CellarWine {
    std::string colour;        // 10
    std::string region;        // 20
    std::string appellation;   // 30
    std::string remarks;       // 50
    std::string domaine;       // 50
    std::string owner;         // 50
    std::string purchaseDate;  // 10
    std::string peakYear;      // 4
    std::string vintage;       // 4
    std::string quantity;      // 2
    std::string price;         // 8
    std::string mark;          // 10
    std::string location;      // 10
    std::string bottleFormat;  // 10
    std::string purchasePlace; // 50

    bool operator==(const CellarWine&) const = default;
};

// One entry of the consumption history.
struct ConsumedWine {
    std::string colour;        // 10
    std::string region;        // 20
    std::string appellation;   // 30
    std::string domaine;       // 50
    std::string vintage;       // 4
    std::string quantity;      // 2
    std::string drinkDate;     // 10
    std::string guests;        // 30
    std::string comments;      // 50
    std::string mark;          // 10
    std::string owner;         // 50
    std::string remarks;       // 50
    std::string purchasePlace; // 50
    std::string bottleFormat;  // 10
    std::string price;         // 8
    std::string purchaseDate;  // 10

    bool operator==(const ConsumedWine&) const = default;
};

// The filter shared by the cellar book and the consumed wines window.
struct RecordFilter {
    std::string colour = "[Toutes]";
    std::string second = "[Toutes]"; // region (cellar book) or appellation (consumed wines)
    std::string dateFrom;
    std::string dateTo;
    std::string search;
    bool toDrink = false;
};

// Every field padded to its width, as the record is written.
CellarWine PaddedCellarWine(const CellarWine& wine);
ConsumedWine PaddedConsumedWine(const ConsumedWine& entry);

// Reads one record. At the end of the file a record cut short shows its format message
// once per missing line (1 for the cellar, 2 for the history), leaves `record` unchanged
// and returns false.
bool ReadCellarWine(LineReader& in, CellarWine& record);
bool ReadConsumedWine(LineReader& in, ConsumedWine& record);

// The longest line a record reader keeps; the rest of a longer line is skipped.
inline constexpr std::size_t kMaxRecordLine = 255;

// A record from its lines as a reader gives them (line end removed, at most kMaxRecordLine
// characters): 3 lines for a wine, 2 for an entry.
void ParseCellarWine(const std::string_view* lines, CellarWine& record);
void ParseConsumedWine(const std::string_view* lines, ConsumedWine& record);
inline constexpr int kCellarWineLines = 3;
inline constexpr int kConsumedWineLines = 2;
void WriteCellarWine(SafeFileWriter& out, const CellarWine& record);
void WriteConsumedWine(SafeFileWriter& out, const ConsumedWine& record);

// The lines of a record as written (128, 90 and 100 characters; 216 and 178).
std::vector<std::string> CellarWineLines(const CellarWine& record);
std::vector<std::string> ConsumedWineLines(const ConsumedWine& record);

// Sorted insert under the current Sort (cellar) or by drinking date (history). A record cut
// short at the end of the file keeps its lines, unchanged, at the end of the new file.
void InsertCellarWine(const CellarWine& wine);
void InsertConsumedWine(const ConsumedWine& entry);

// Removes the first record equal to the given one on the fields that identify it; the
// record must carry its fields as read. Returns false, and leaves the file as it was, when
// no record matches.
bool DeleteCellarWine(const CellarWine& wine);
bool DeleteConsumedWine(const ConsumedWine& entry);

// Replaces the record at `position` (from 0), which must still be `old` on every field as
// read, by `wine` at its sorted place, in one rewrite: the bytes that deleting `old` and then
// inserting `wine` give. Without `wine` the record is only removed. `done` is false, and the
// file untouched, when the file no longer holds `old` at that place.
struct Replaced {
    bool done = false;
    long position = -1; // where the new record stands; -1 when there is none
};
Replaced ReplaceCellarWine(long position, const CellarWine& old,
                           const std::optional<CellarWine>& wine);
Replaced ReplaceConsumedWine(long position, const ConsumedWine& old,
                             const std::optional<ConsumedWine>& entry);

// Where the record that stood at `position` stands after a replace that removed the record at
// `removed` and put one at `inserted` (-1 for none).
long PositionAfterReplace(long position, long removed, long inserted);

// Equal on the fields a delete compares (all but mark, bottle format and owner).
bool SameCellarRecord(const CellarWine& a, const CellarWine& b);

bool CellarWineMatches(const CellarWine& wine);
bool ConsumedWineMatches(const ConsumedWine& entry);

// False when the peak year is a whole number later than the current year.
bool PeakYearHasCome(const CellarWine& wine);

// Position (from 0) of the n-th record (from 1) that passes the filter and the to-drink
// flag; the last record's position when there are fewer; -1 without a cellar file.
long CellarPositionOfMatch(long n);

// True when a record has these colour, region and appellation, each right-trimmed.
bool CellarHasWine(const std::string& colour, const std::string& region, const std::string& appellation);

} // namespace store
