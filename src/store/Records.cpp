#include "store/Records.h"

#include <array>
#include <cstring>

#include "store/Messages.h"
#include "store/RecordCache.h"
#include "store/State.h"
#include "store/Text.h"

namespace store {

namespace {

constexpr std::size_t kRecordLineLimit = kMaxRecordLine;

template <class Record>
struct Field {
    std::string Record::*member;
    int line; // 0-based line of the record
    int width;
};

// Fields in column order within each line.
constexpr Field<CellarWine> kCellarLayout[] = {
    {&CellarWine::colour, 0, 10},       {&CellarWine::region, 0, 20},
    {&CellarWine::quantity, 0, 2},      {&CellarWine::price, 0, 8},
    {&CellarWine::purchaseDate, 0, 10}, {&CellarWine::peakYear, 0, 4},
    {&CellarWine::vintage, 0, 4},       {&CellarWine::mark, 0, 10},
    {&CellarWine::bottleFormat, 0, 10}, {&CellarWine::purchasePlace, 0, 50},
    {&CellarWine::appellation, 1, 30},  {&CellarWine::domaine, 1, 50},
    {&CellarWine::location, 1, 10},     {&CellarWine::remarks, 2, 50},
    {&CellarWine::owner, 2, 50},
};

constexpr Field<ConsumedWine> kConsumedLayout[] = {
    {&ConsumedWine::colour, 0, 10},        {&ConsumedWine::region, 0, 20},
    {&ConsumedWine::appellation, 0, 30},   {&ConsumedWine::domaine, 0, 50},
    {&ConsumedWine::vintage, 0, 4},        {&ConsumedWine::quantity, 0, 2},
    {&ConsumedWine::drinkDate, 0, 10},     {&ConsumedWine::guests, 0, 30},
    {&ConsumedWine::comments, 0, 50},      {&ConsumedWine::mark, 0, 10},
    {&ConsumedWine::owner, 1, 50},         {&ConsumedWine::remarks, 1, 50},
    {&ConsumedWine::purchasePlace, 1, 50}, {&ConsumedWine::bottleFormat, 1, 10},
    {&ConsumedWine::price, 1, 8},          {&ConsumedWine::purchaseDate, 1, 10},
};

template <class Record>
struct Traits;

template <>
struct Traits<CellarWine> {
    static constexpr int kLines = kCellarWineLines;
    static constexpr int kFormatMessage = 1;
    static constexpr const auto& kLayout = kCellarLayout;
    static const std::string& File() { return State().files.cellar; }
    static void AfterRead(CellarWine& w) {
        std::size_t end = w.mark.size();
        while (end > 0 && w.mark[end - 1] == ' ') --end;
        w.mark.resize(end);
    }
};

template <>
struct Traits<ConsumedWine> {
    static constexpr int kLines = kConsumedWineLines;
    static constexpr int kFormatMessage = 2;
    static constexpr const auto& kLayout = kConsumedLayout;
    static const std::string& File() { return State().files.consumption; }
    static void AfterRead(ConsumedWine&) {}
};

using RecordLines = std::array<std::string, 3>;

// Reads the lines of one record; returns how many could be read before the end.
template <class Record>
int ReadRecordLines(LineReader& in, RecordLines& lines) {
    for (int i = 0; i < Traits<Record>::kLines; ++i)
        if (!in.readLine(lines[static_cast<std::size_t>(i)], kRecordLineLimit)) return i;
    return Traits<Record>::kLines;
}

template <class Record, class Lines>
void ParseRecord(const Lines& lines, Record& record) {
    int line = -1;
    std::size_t column = 1;
    for (const auto& f : Traits<Record>::kLayout) {
        if (f.line != line) {
            line = f.line;
            column = 1;
        }
        const std::string_view text = Columns(lines[static_cast<std::size_t>(f.line)], column,
                                              static_cast<std::size_t>(f.width));
        (record.*f.member).assign(text.data(), text.size());
        column += static_cast<std::size_t>(f.width);
    }
    Traits<Record>::AfterRead(record);
}

template <class Record>
void FormatRecord(const Record& record, RecordLines& lines) {
    for (auto& l : lines) l.clear();
    for (const auto& f : Traits<Record>::kLayout) {
        std::string& out = lines[static_cast<std::size_t>(f.line)];
        const std::string& value = record.*f.member;
        const std::size_t width = static_cast<std::size_t>(f.width);
        out.append(value, 0, width);
        if (value.size() < width) out.append(width - value.size(), ' ');
    }
}

template <class Record>
Record Padded(const Record& record) {
    Record result = record;
    for (const auto& f : Traits<Record>::kLayout) result.*f.member = PadText(record.*f.member, f.width);
    return result;
}

template <class Record>
bool ReadRecord(LineReader& in, Record& record) {
    RecordLines lines;
    const int got = ReadRecordLines<Record>(in, lines);
    if (got < Traits<Record>::kLines) {
        for (int i = got; i < Traits<Record>::kLines; ++i) ShowMessage(Traits<Record>::kFormatMessage);
        return false;
    }
    ParseRecord(lines, record);
    return true;
}

template <class Record>
void WriteRecord(SafeFileWriter& out, const Record& record) {
    thread_local RecordLines lines;
    FormatRecord(record, lines);
    for (int i = 0; i < Traits<Record>::kLines; ++i) out.writeLine(lines[static_cast<std::size_t>(i)]);
}

// Copies a record file into its replacement, one record at a time. A record cut short at
// the end shows its format message once per missing line; its lines are kept and written
// at the end, so a rewrite neither duplicates a record nor loses what the file held.
template <class Record>
class RecordCopy {
public:
    RecordCopy(LineReader& in, SafeFileWriter& out) : in_(in), out_(out) {}

    bool next(Record& record) {
        if (in_.eof()) return false;
        const int got = ReadRecordLines<Record>(in_, lines_);
        if (got < Traits<Record>::kLines) {
            for (int i = 0; i < got; ++i) partial_.push_back(lines_[static_cast<std::size_t>(i)]);
            for (int i = got; i < Traits<Record>::kLines; ++i) ShowMessage(Traits<Record>::kFormatMessage);
            return false;
        }
        ParseRecord(lines_, record);
        return true;
    }

    void write(const Record& record) { WriteRecord(out_, record); }

    bool hasPartial() const { return !partial_.empty(); }

    void finish() {
        for (const auto& line : partial_) out_.writeLine(line);
        out_.commit();
    }

private:
    LineReader& in_;
    SafeFileWriter& out_;
    RecordLines lines_;
    std::vector<std::string> partial_;
};

int Compare(const std::string& a, const std::string& b) { return a.compare(b); }

// True when the new wine goes before the existing one under the current Sort.
bool CellarInsertsBefore(const CellarWine& existing, const CellarWine& wine) {
    using M = std::string CellarWine::*;
    static constexpr M kOrders[3][5] = {
        {&CellarWine::colour, &CellarWine::region, &CellarWine::vintage, &CellarWine::appellation, &CellarWine::domaine},
        {&CellarWine::colour, &CellarWine::region, &CellarWine::appellation, &CellarWine::vintage, &CellarWine::domaine},
        {&CellarWine::region, &CellarWine::colour, &CellarWine::vintage, &CellarWine::appellation, &CellarWine::domaine},
    };
    const int sort = State().sort;
    const auto& keys = kOrders[(sort >= 1 && sort <= 3) ? sort - 1 : 0];
    for (M key : keys) {
        const int c = Compare(existing.*key, wine.*key);
        if (c != 0) return c > 0;
    }
    return true; // equal on every key: before the existing record
}

bool ConsumedInsertsBefore(const ConsumedWine& existing, const ConsumedWine& entry) {
    const int dates = Compare(DateKey(existing.drinkDate), DateKey(entry.drinkDate));
    if (dates > 0) return true;
    if (existing.drinkDate != entry.drinkDate) return false;
    for (auto key : {&ConsumedWine::colour, &ConsumedWine::region, &ConsumedWine::appellation,
                     &ConsumedWine::domaine}) {
        const int c = Compare(existing.*key, entry.*key);
        if (c != 0) return c > 0;
    }
    return true;
}

bool SameCellarWineFields(const CellarWine& a, const CellarWine& b) {
    return a.colour == b.colour && a.region == b.region && a.appellation == b.appellation &&
           a.vintage == b.vintage && a.quantity == b.quantity && a.price == b.price &&
           a.domaine == b.domaine && a.peakYear == b.peakYear && a.purchaseDate == b.purchaseDate &&
           a.purchasePlace == b.purchasePlace && a.remarks == b.remarks && a.location == b.location;
}

bool SameConsumedWine(const ConsumedWine& a, const ConsumedWine& b) {
    return a.colour == b.colour && a.region == b.region && a.appellation == b.appellation &&
           a.vintage == b.vintage && a.quantity == b.quantity && a.drinkDate == b.drinkDate &&
           a.domaine == b.domaine && a.guests == b.guests && a.comments == b.comments &&
           a.mark == b.mark;
}

template <class Record, class Before>
void InsertRecord(const Record& given, Before before) {
    const std::string& file = Traits<Record>::File();
    const Record record = Padded(given);
    LineReader in;
    // Read first: a file that exists but cannot be read raises before anything is written.
    const bool exists = OpenTextForReading(in, file);
    SafeFileWriter out(file);
    if (!exists) {
        WriteRecord(out, record);
        out.commit();
        return;
    }
    RecordCopy<Record> copy(in, out);
    Record existing;
    bool placed = false;
    while (copy.next(existing)) {
        if (!placed && before(existing, record)) {
            copy.write(record);
            placed = true;
        }
        copy.write(existing);
    }
    if (!placed) copy.write(record);
    copy.finish();
}

template <class Record, class Same>
bool DeleteRecord(const Record& record, Same same) {
    const std::string& file = Traits<Record>::File();
    LineReader in;
    if (!OpenTextForReading(in, file)) return false;
    SafeFileWriter out(file);
    RecordCopy<Record> copy(in, out);
    Record existing;
    bool removed = false;
    while (copy.next(existing)) {
        if (!removed && same(existing, record)) {
            removed = true;
            continue;
        }
        copy.write(existing);
    }
    // Nothing removed: the file stays as it was, byte for byte.
    if (removed) copy.finish();
    return removed;
}

template <class Record, class Before>
Replaced ReplaceRecord(long position, const Record& old, const std::optional<Record>& given,
                       Before before) {
    Replaced result;
    const std::string& file = Traits<Record>::File();
    LineReader in;
    if (position < 0 || !OpenTextForReading(in, file)) return result;
    std::optional<Record> record;
    if (given) record = Padded(*given);
    SafeFileWriter out(file);
    RecordCopy<Record> copy(in, out);
    Record existing;
    long read = 0;
    long written = 0;
    bool found = false;
    auto place = [&] {
        copy.write(*record);
        result.position = written++;
        record.reset();
    };
    while (copy.next(existing)) {
        if (read++ == position) {
            // Another record there, even one equal on the keys, is not the one shown.
            if (!(existing == old)) return result;
            found = true;
            continue;
        }
        if (record && before(existing, *record)) place();
        copy.write(existing);
        ++written;
    }
    if (!found) return result;
    if (record) place();
    copy.finish();
    result.done = true;
    return result;
}

// Whether `upperNeedle` (already upper-cased a-z) occurs in the text upper-cased a-z.
bool ContainsUpperAZ(std::string_view text, std::string_view upperNeedle) {
    if (upperNeedle.empty()) return true;
    if (text.size() < upperNeedle.size()) return false;
    auto up = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; };
    const std::size_t last = text.size() - upperNeedle.size();
    for (std::size_t i = 0; i <= last; ++i) {
        std::size_t k = 0;
        while (k < upperNeedle.size() && up(text[i + k]) == upperNeedle[k]) ++k;
        if (k == upperNeedle.size()) return true;
    }
    return false;
}

const std::string& UpperSearch() {
    thread_local std::string source;
    thread_local std::string upper;
    const std::string& search = State().filter.search;
    if (search != source) {
        source = search;
        upper = UpperAZ(search);
    }
    return upper;
}

bool TrimmedEquals(std::string_view a, std::string_view b) {
    while (!a.empty() && a.back() == ' ') a.remove_suffix(1);
    while (!b.empty() && b.back() == ' ') b.remove_suffix(1);
    return a == b;
}

bool IsAllExact(const std::string& text) { return text == "[Toutes]" || text == "[All]"; }

bool TrimmedFieldEquals(std::string_view field, std::string_view value) {
    while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
    return field == value;
}

} // namespace

CellarWine PaddedCellarWine(const CellarWine& wine) { return Padded(wine); }
ConsumedWine PaddedConsumedWine(const ConsumedWine& entry) { return Padded(entry); }

bool ReadCellarWine(LineReader& in, CellarWine& record) { return ReadRecord(in, record); }
bool ReadConsumedWine(LineReader& in, ConsumedWine& record) { return ReadRecord(in, record); }
void ParseCellarWine(const std::string_view* lines, CellarWine& record) { ParseRecord(lines, record); }
void ParseConsumedWine(const std::string_view* lines, ConsumedWine& record) { ParseRecord(lines, record); }
void WriteCellarWine(SafeFileWriter& out, const CellarWine& record) { WriteRecord(out, record); }
void WriteConsumedWine(SafeFileWriter& out, const ConsumedWine& record) { WriteRecord(out, record); }

std::vector<std::string> CellarWineLines(const CellarWine& record) {
    RecordLines lines;
    FormatRecord(record, lines);
    return {lines[0], lines[1], lines[2]};
}

std::vector<std::string> ConsumedWineLines(const ConsumedWine& record) {
    RecordLines lines;
    FormatRecord(record, lines);
    return {lines[0], lines[1]};
}

void InsertCellarWine(const CellarWine& wine) { InsertRecord(wine, CellarInsertsBefore); }
void InsertConsumedWine(const ConsumedWine& entry) { InsertRecord(entry, ConsumedInsertsBefore); }
bool DeleteCellarWine(const CellarWine& wine) { return DeleteRecord(wine, SameCellarWineFields); }
bool SameCellarRecord(const CellarWine& a, const CellarWine& b) { return SameCellarWineFields(a, b); }
bool DeleteConsumedWine(const ConsumedWine& entry) { return DeleteRecord(entry, SameConsumedWine); }

Replaced ReplaceCellarWine(long position, const CellarWine& old,
                           const std::optional<CellarWine>& wine) {
    return ReplaceRecord(position, old, wine, CellarInsertsBefore);
}

Replaced ReplaceConsumedWine(long position, const ConsumedWine& old,
                             const std::optional<ConsumedWine>& entry) {
    return ReplaceRecord(position, old, entry, ConsumedInsertsBefore);
}

long PositionAfterReplace(long position, long removed, long inserted) {
    if (position > removed) --position;
    if (inserted >= 0 && position >= inserted) ++position;
    return position;
}

bool CellarWineMatches(const CellarWine& wine) {
    const RecordFilter& filter = State().filter;
    if (!IsAllEntry(filter.colour) && !TrimmedEquals(wine.colour, filter.colour)) return false;
    if (!IsAllEntry(filter.second) && !TrimmedEquals(wine.region, filter.second)) return false;
    if (filter.search.empty()) return true;
    const std::string& s = UpperSearch();
    for (const std::string* field : {&wine.remarks, &wine.domaine, &wine.owner, &wine.vintage,
                                     &wine.appellation, &wine.location, &wine.purchasePlace, &wine.region})
        if (ContainsUpperAZ(*field, s)) return true;
    return false;
}

bool ConsumedWineMatches(const ConsumedWine& entry) {
    const RecordFilter& filter = State().filter;
    if (!IsAllExact(filter.colour) && !TrimmedFieldEquals(entry.colour, filter.colour)) return false;
    if (!IsAllExact(filter.second) && !TrimmedFieldEquals(entry.appellation, filter.second)) return false;
    if (!filter.dateFrom.empty() || !filter.dateTo.empty()) {
        const std::string key = DateKey(entry.drinkDate);
        if (!filter.dateFrom.empty() && key < DateKey(filter.dateFrom)) return false;
        if (!filter.dateTo.empty() && key > DateKey(filter.dateTo)) return false;
    }
    if (filter.search.empty()) return true;
    const std::string& s = UpperSearch();
    for (const std::string* field : {&entry.guests, &entry.comments, &entry.domaine, &entry.owner,
                                     &entry.vintage, &entry.region})
        if (ContainsUpperAZ(*field, s)) return true;
    return false;
}

bool PeakYearHasCome(const CellarWine& wine) {
    long year = 0;
    return !(ParseWholeNumber(wine.peakYear, year) && year > CurrentYear());
}

long CellarPositionOfMatch(long n) {
    if (RecordsKeptInMemory()) {
        const Listing<CellarWine> listing = ListCellar();
        if (!listing.image->exists()) return -1;
        const std::vector<long>& positions = *listing.positions;
        if (n >= 1 && n <= static_cast<long>(positions.size()))
            return positions[static_cast<std::size_t>(n - 1)];
        listing.image->reachEnd();
        return listing.image->size() - 1;
    }
    LineReader in;
    if (!OpenTextForReading(in, State().files.cellar)) return -1;
    const bool toDrink = State().filter.toDrink;
    CellarWine wine;
    long read = 0;
    long matches = 0;
    while (!in.eof() && ReadCellarWine(in, wine)) {
        ++read;
        if (!CellarWineMatches(wine)) continue;
        if (toDrink && !PeakYearHasCome(wine)) continue;
        if (++matches == n) break;
    }
    return read - 1;
}

bool CellarHasWine(const std::string& colour, const std::string& region, const std::string& appellation) {
    LineReader in;
    if (!OpenTextForReading(in, State().files.cellar)) return false;
    CellarWine wine;
    while (!in.eof() && ReadCellarWine(in, wine))
        if (TrimmedEquals(wine.colour, colour) && TrimmedEquals(wine.region, region) &&
            TrimmedEquals(wine.appellation, appellation))
            return true;
    return false;
}

} // namespace store
