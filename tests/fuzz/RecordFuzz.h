// The checks both record files share: what a rewrite writes is whole records of the fixed line
// widths, an inserted record can be found and deleted again, and a record read can be deleted.
#pragma once

#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "store/Files.h"
#include "store/Records.h"

namespace fuzzsupport {

inline std::vector<std::string> LinesOf(const std::string& file) {
    std::vector<std::string> lines;
    store::LineReader in;
    if (!in.open(file)) return lines;
    std::string line;
    while (in.readLine(line))
        lines.push_back(line);
    return lines;
}

// Read, Lines, Insert, Delete and Same are the record's own functions.
template <class Record, class Ops>
void CheckRecordFile(const std::string& file, const Record& extra) {
    const auto readAll = [&] {
        std::vector<Record> records;
        store::LineReader in;
        if (!in.open(file)) return records;
        Record record;
        while (!in.eof() && Ops::Read(in, record))
            records.push_back(record);
        return records;
    };
    const std::size_t kLines = Ops::Lines(extra).size();
    const std::vector<std::string> oldLines = LinesOf(file);
    const std::vector<Record> old = readAll();
    FUZZ_CHECK(old.size() == oldLines.size() / kLines);

    Ops::Insert(extra);
    CheckNoTemporary();
    const std::vector<std::string> lines = LinesOf(file);
    FUZZ_CHECK(lines.size() == (old.size() + 1) * kLines + oldLines.size() % kLines);
    const std::vector<std::string> widths = Ops::Lines(extra);
    for (std::size_t i = 0; i < (old.size() + 1) * kLines; ++i)
        FUZZ_CHECK(lines[i].size() == widths[i % kLines].size());
    // What the cut record held stays at the end (its lines as the record reader keeps them).
    for (std::size_t i = 0; i < oldLines.size() % kLines; ++i) {
        const std::string& kept = lines[lines.size() - 1 - i];
        FUZZ_CHECK(oldLines[oldLines.size() - 1 - i].compare(0, kept.size(), kept) == 0);
    }

    const std::vector<Record> now = readAll();
    FUZZ_CHECK(now.size() == old.size() + 1);
    const Record* found = nullptr;
    for (const Record& r : now)
        if (Ops::Same(r, extra)) found = &r;
    FUZZ_CHECK(found != nullptr);
    FUZZ_CHECK(Ops::Delete(*found));
    CheckNoTemporary();
    FUZZ_CHECK(readAll().size() == old.size());

    // A record as read can be deleted. Read again: a rewrite writes every record in its fixed
    // widths, so a line of another length in the old file no longer reads the same.
    const std::vector<Record> rewritten = readAll();
    if (!rewritten.empty()) {
        FUZZ_CHECK(Ops::Delete(rewritten.front()));
        CheckNoTemporary();
        FUZZ_CHECK(readAll().size() == old.size() - 1);
    }
}

} // namespace fuzzsupport
