#include "store/Rebuild.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <numeric>
#include <set>

#include "store/State.h"
#include "store/Text.h"
#include "store/Transaction.h"

namespace store {

namespace {

constexpr std::size_t kRecordLineLimit = 255;

using CellarKey = std::string CellarWine::*;

const CellarKey* CellarKeys() {
    static constexpr CellarKey kOrders[3][5] = {
        {&CellarWine::colour, &CellarWine::region, &CellarWine::vintage, &CellarWine::appellation,
         &CellarWine::domaine},
        {&CellarWine::colour, &CellarWine::region, &CellarWine::appellation, &CellarWine::vintage,
         &CellarWine::domaine},
        {&CellarWine::region, &CellarWine::colour, &CellarWine::vintage, &CellarWine::appellation,
         &CellarWine::domaine},
    };
    const int sort = State().sort;
    return kOrders[(sort >= 1 && sort <= 3) ? sort - 1 : 0];
}

int CompareCellar(const CellarWine& a, const CellarWine& b, const CellarKey* keys) {
    for (int k = 0; k < 5; ++k)
        if (const int c = (a.*keys[k]).compare(b.*keys[k]); c != 0) return c;
    return 0;
}

constexpr std::string ConsumedWine::*kHistoryKeys[] = {&ConsumedWine::colour, &ConsumedWine::region,
                                                       &ConsumedWine::appellation,
                                                       &ConsumedWine::domaine};

int CompareHistoryKeys(const ConsumedWine& a, const ConsumedWine& b) {
    for (auto key : kHistoryKeys)
        if (const int c = (a.*key).compare(b.*key); c != 0) return c;
    return 0;
}

// The single insert's rule: the new entry goes before `existing`.
bool HistoryInsertsBefore(const ConsumedWine& existing, const ConsumedWine& entry) {
    const int dates = DateKey(existing.drinkDate).compare(DateKey(entry.drinkDate));
    if (dates > 0) return true;
    if (existing.drinkDate != entry.drinkDate) return false;
    return CompareHistoryKeys(existing, entry) >= 0;
}

// The single inserts replayed in memory, for a file whose records are not in their order
// (edited by hand, or restored from another Sort): quadratic, but without any file rewrite.
template <class Record, class Before>
std::vector<Record> Replay(std::vector<Record> existing, const std::vector<Record>& added,
                           Before before) {
    for (const Record& record : added) {
        auto at = std::find_if(existing.begin(), existing.end(),
                               [&](const Record& e) { return before(e, record); });
        existing.insert(at, record);
    }
    return existing;
}

void PadAll(std::vector<CellarWine>& records) {
    for (auto& r : records)
        r = PaddedCellarWine(r);
}

void PadAll(std::vector<ConsumedWine>& records) {
    for (auto& r : records)
        r = PaddedConsumedWine(r);
}

// The first insert meets the records as the file holds them, a short line giving short fields;
// it rewrites every record padded, so only the inserts after it compare padded values. When a
// record is stored short, that first insert is made here, on the records as read.
template <class Record, class Padded, class Before>
void InsertFirstAsStored(std::vector<Record>& existing, std::vector<Record>& added, Padded padded,
                         Before before) {
    if (existing.empty() || added.empty()) return;
    if (std::all_of(existing.begin(), existing.end(),
                    [&](const Record& r) { return r == padded(r); }))
        return;
    Record first = padded(added.front());
    added.erase(added.begin());
    const auto at = std::find_if(existing.begin(), existing.end(),
                                 [&](const Record& e) { return before(e, first); });
    existing.insert(at, std::move(first));
}

// The existing records then the added ones, in one vector.
template <class Record>
std::vector<Record> Joined(std::vector<Record>&& existing, std::vector<Record>&& added) {
    if (existing.empty()) return std::move(added);
    existing.reserve(existing.size() + added.size());
    for (Record& r : added)
        existing.push_back(std::move(r));
    added = {};
    return std::move(existing);
}

// Puts records[order[k]] at place k, in place: memory stays at one copy of the file.
template <class Record>
void Permute(std::vector<Record>& records, std::vector<std::size_t>& order) {
    constexpr std::size_t kDone = static_cast<std::size_t>(-1);
    for (std::size_t k = 0; k < records.size(); ++k) {
        if (order[k] == kDone) continue;
        Record held = std::move(records[k]);
        std::size_t at = k;
        while (true) {
            const std::size_t from = order[at];
            order[at] = kDone;
            if (from == k) {
                records[at] = std::move(held);
                break;
            }
            records[at] = std::move(records[from]);
            at = from;
        }
    }
}

template <class Record, class ReadOne>
RecordFile<Record> ReadRecordFile(const std::string& name, int linesPerRecord, ReadOne readOne) {
    RecordFile<Record> file;
    LineReader in;
    if (!OpenTextForReading(in, name)) return file;
    file.exists = true;
    Record record;
    bool cut = false;
    while (!in.eof()) {
        if (!readOne(in, record)) {
            cut = true;
            break;
        }
        file.records.push_back(record);
    }
    in.close();
    if (!cut) return file;
    // Rare: keep the lines of the record cut short, as every rewrite of the file does.
    LineReader again;
    if (!OpenTextForReading(again, name)) return file;
    std::string line;
    const std::size_t skip = file.records.size() * static_cast<std::size_t>(linesPerRecord);
    for (std::size_t i = 0; i < skip && again.readLine(line, kRecordLineLimit); ++i) {
    }
    while (again.readLine(line, kRecordLineLimit))
        file.partial.push_back(line);
    return file;
}

template <class Record, class WriteOne>
void WriteRecordFile(const std::string& name, const std::vector<Record>& records,
                     const std::vector<std::string>& trailing, WriteOne writeOne) {
    SafeFileWriter out(name);
    for (const Record& r : records)
        writeOne(out, r);
    for (const std::string& line : trailing)
        out.writeLine(line);
    out.commit();
}

bool CellarInOrder(const std::vector<CellarWine>& records, const CellarKey* keys) {
    for (std::size_t i = 1; i < records.size(); ++i)
        if (CompareCellar(records[i - 1], records[i], keys) > 0) return false;
    return true;
}

// In order when the date keys never go down and, within one date key, the entries written with
// the same date text are in key order: then an insert's place is found by a look-up.
bool HistoryInOrder(const std::vector<ConsumedWine>& records) {
    std::map<std::string, const ConsumedWine*> lastOfText;
    std::string groupKey;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::string key = DateKey(records[i].drinkDate);
        if (i > 0 && key < groupKey) return false;
        if (i == 0 || key != groupKey) {
            groupKey = key;
            lastOfText.clear();
        }
        auto [it, fresh] = lastOfText.try_emplace(records[i].drinkDate, &records[i]);
        if (!fresh) {
            if (CompareHistoryKeys(*it->second, records[i]) > 0) return false;
            it->second = &records[i];
        }
    }
    return true;
}

} // namespace

RecordFile<CellarWine> ReadCellarFile(const std::string& name) {
    return ReadRecordFile<CellarWine>(name, 3, ReadCellarWine);
}

RecordFile<ConsumedWine> ReadHistoryFile(const std::string& name) {
    return ReadRecordFile<ConsumedWine>(name, 2, ReadConsumedWine);
}

// In an ordered file an insert goes before the first record not smaller than it, so every record
// ends up in key order, and among equals the records inserted later come first, then the ones
// the file already held, in their order.
std::vector<CellarWine> CellarAfterInserts(std::vector<CellarWine> existing,
                                           std::vector<CellarWine> added) {
    const CellarKey* keys = CellarKeys();
    const auto before = [keys](const CellarWine& e, const CellarWine& w) {
        return CompareCellar(e, w, keys) >= 0;
    };
    InsertFirstAsStored(existing, added, PaddedCellarWine, before);
    // Each insert after the first compares with the records as the previous one wrote them.
    PadAll(existing);
    PadAll(added);
    if (!CellarInOrder(existing, keys))
        return Replay(std::move(existing), added, before);
    const std::size_t m = existing.size();
    std::vector<CellarWine> all = Joined(std::move(existing), std::move(added));
    // Rank among equals: added records latest first (negative ranks), then existing ones.
    auto rank = [m](std::size_t i) {
        return i < m ? static_cast<std::int64_t>(i) : -1 - static_cast<std::int64_t>(i - m);
    };
    std::vector<std::size_t> order(all.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int c = CompareCellar(all[a], all[b], keys);
        return c != 0 ? c < 0 : rank(a) < rank(b);
    });
    Permute(all, order);
    return all;
}

// An insert into the history passes over every entry of a smaller date key, and over the
// entries of its own date key written differently; among those written alike it goes before the
// first not smaller than itself, and after all of its date key when there is none. So each date
// key keeps its own list, in which an entry is either appended or put just before another one.
// The final list expands every entry into the entries put before it (in the order they came,
// each expanded in turn), then the entry itself.
std::vector<ConsumedWine> HistoryAfterInserts(std::vector<ConsumedWine> existing,
                                              std::vector<ConsumedWine> added) {
    InsertFirstAsStored(existing, added, PaddedConsumedWine, HistoryInsertsBefore);
    PadAll(existing);
    PadAll(added);
    if (!HistoryInOrder(existing)) return Replay(std::move(existing), added, HistoryInsertsBefore);
    const std::size_t m = existing.size();
    std::vector<ConsumedWine> all = Joined(std::move(existing), std::move(added));
    const std::size_t n = all.size();
    auto at = [&](std::size_t i) -> const ConsumedWine& { return all[i]; };
    auto rank = [m](std::size_t i) {
        return i < m ? static_cast<std::int64_t>(i) : -1 - static_cast<std::int64_t>(i - m);
    };
    // Within one date text: key order, then position among equals.
    auto less = [&](std::size_t a, std::size_t b) {
        const int c = CompareHistoryKeys(at(a), at(b));
        return c != 0 ? c < 0 : rank(a) < rank(b);
    };
    using TextSet = std::set<std::size_t, decltype(less)>;
    struct Group {
        std::vector<std::size_t> top;
        std::map<std::string, TextSet> texts;
    };
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::vector<std::size_t> firstBefore(n, kNone), lastBefore(n, kNone), nextSibling(n, kNone);
    std::map<std::string, Group> groups;
    auto place = [&](std::size_t i) {
        Group& group = groups[DateKey(at(i).drinkDate)];
        TextSet& set = group.texts.try_emplace(at(i).drinkDate, less).first->second;
        // Existing entries are appended in file order; an added one ranks before every equal.
        const auto next = i < m ? set.end() : set.lower_bound(i);
        if (next == set.end()) {
            group.top.push_back(i);
        } else {
            const std::size_t target = *next;
            if (firstBefore[target] == kNone)
                firstBefore[target] = i;
            else
                nextSibling[lastBefore[target]] = i;
            lastBefore[target] = i;
        }
        set.insert(i);
    };
    for (std::size_t i = 0; i < n; ++i)
        place(i);

    std::vector<std::size_t> order;
    order.reserve(n);
    // Depth-first: an entry is written after everything put before it.
    struct Frame {
        std::size_t node;
        std::size_t child;
    };
    std::vector<Frame> stack;
    for (auto& [key, group] : groups) {
        for (std::size_t top : group.top) {
            stack.push_back({top, firstBefore[top]});
            while (!stack.empty()) {
                Frame& f = stack.back();
                if (f.child != kNone) {
                    const std::size_t child = f.child;
                    f.child = nextSibling[child];
                    stack.push_back({child, firstBefore[child]});
                } else {
                    const std::size_t done = f.node;
                    stack.pop_back();
                    order.push_back(done);
                }
            }
        }
    }
    groups.clear();
    Permute(all, order);
    return all;
}

void WriteCellarFile(const std::string& name, const std::vector<CellarWine>& records,
                     const std::vector<std::string>& trailing) {
    WriteRecordFile(name, records, trailing, WriteCellarWine);
}

void WriteHistoryFile(const std::string& name, const std::vector<ConsumedWine>& records,
                      const std::vector<std::string>& trailing) {
    WriteRecordFile(name, records, trailing, WriteConsumedWine);
}

void InsertCellarWines(const std::vector<CellarWine>& wines) {
    if (wines.empty()) return;
    const std::string& name = State().files.cellar;
    RecordFile<CellarWine> file = ReadCellarFile(name);
    WriteCellarFile(name, CellarAfterInserts(std::move(file.records), wines), file.partial);
}

void InsertConsumedWines(const std::vector<ConsumedWine>& entries) {
    if (entries.empty()) return;
    const std::string& name = State().files.consumption;
    RecordFile<ConsumedWine> file = ReadHistoryFile(name);
    WriteHistoryFile(name, HistoryAfterInserts(std::move(file.records), entries), file.partial);
}

void ResortCellar(const std::function<void()>& record) {
    Transaction transaction;
    const std::string& name = State().files.cellar;
    RecordFile<CellarWine> file = ReadCellarFile(name);
    if (file.exists)
        WriteCellarFile(name, CellarAfterInserts({}, std::move(file.records)), file.partial);
    if (record) record();
    transaction.commit();
}

} // namespace store
