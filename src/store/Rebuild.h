// Whole-file rebuilds of the cellar and the history: the content a file would have after
// inserting many records one after the other (InsertCellarWine / InsertConsumedWine), computed
// in memory in O(n log n) and written once, atomically. The bytes are those of the repeated
// inserts, equal keys and the history's rule for equal date keys written differently included,
// for records whose lines have their full width (every record the program writes). A record
// with short lines is compared here padded, where a single insert compares it as read, so its
// place can differ; no record is lost either way.
//
// Typical use (re-sort, language switch, conversion, import):
//     RecordFile<CellarWine> source = ReadCellarFile("Cave.dat");
//     ...transform source.records...
//     WriteCellarFile(State().files.cellar, CellarAfterInserts({}, source.records),
//     source.partial);
// or, to add records to the current file: InsertCellarWines(records).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "store/Records.h"

namespace store {

// The complete records of a file in file order, and the lines of a record cut short at its end
// (its format message shown once per missing line). `exists` is false only without a file.
template <class Record> struct RecordFile {
    bool exists = false;
    std::vector<Record> records;
    std::vector<std::string> partial;
};

RecordFile<CellarWine> ReadCellarFile(const std::string& name);
RecordFile<ConsumedWine> ReadHistoryFile(const std::string& name);

// The records, in file order, of a file holding `existing` after `added` have been
// inserted one after the other; the cellar under the current Sort. Every record comes
// back padded, as written.
// Both are taken by value: moved in, memory stays at one copy of the records.
std::vector<CellarWine> CellarAfterInserts(std::vector<CellarWine> existing,
                                           std::vector<CellarWine> added);
std::vector<ConsumedWine> HistoryAfterInserts(std::vector<ConsumedWine> existing,
                                              std::vector<ConsumedWine> added);

// Replaces the file with the records and then the trailing lines, in one atomic rewrite.
void WriteCellarFile(const std::string& name, const std::vector<CellarWine>& records,
                     const std::vector<std::string>& trailing = {});
void WriteHistoryFile(const std::string& name, const std::vector<ConsumedWine>& records,
                      const std::vector<std::string>& trailing = {});

// Inserts the records into the current cellar / history file, as that many single inserts
// would, in one rewrite. A record cut short at the end of the file stays at its end.
void InsertCellarWines(const std::vector<CellarWine>& wines);
void InsertConsumedWines(const std::vector<ConsumedWine>& entries);

// Re-orders the current cellar file under the current Sort, as re-inserting every record into
// an empty file would, and calls `record` to record the Sort: both are one transaction, so the
// file's order and the recorded Sort never differ. A missing file stays missing.
void ResortCellar(const std::function<void()>& record = {});

} // namespace store
