// The sums behind the statistics window and its report: bottles, wines and value of the
// cellar per colour or per region, each group broken down by the other criterion, the total
// and the slices of the pie. Both callers take their rows from here, so they cannot disagree.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "store/Records.h"
#include "store/Vocabulary.h"

namespace stats {

enum class View { ByColour, ByRegion };

struct Sums {
    long bottles = 0;
    long wines = 0;
    double amount = 0;

    void add(long quantity, double price, bool priced);
};

struct Row {
    enum class Kind { Group, Sub, Separator, Total };
    Kind kind = Kind::Group;
    std::string name; // code page 1252; a sub-row's name starts with three blanks
    Sums sums;

    // The number columns as the list and the report show them.
    std::string bottlesText() const;
    std::string winesText() const;
    std::string amountText() const;
};

struct Slice {
    std::string label; // code page 1252
    long value = 0;
};

struct Statistics {
    bool cellarRead = false; // false when the cellar file could not be opened: nothing to show
    std::vector<Row> rows;   // groups with their sub-rows, then the separator and the total
    std::vector<Slice> slices;
    Sums total;
};

// The miscellaneous slice of the region view, the same in both languages.
inline constexpr const char* kMiscellaneous = "Divers";

// Sums wines one at a time against the vocabulary lists given at construction, so that a
// test can feed it without a file.
class Accumulator {
public:
    Accumulator(const store::VocabularyList& colours, const store::VocabularyList& regions);
    ~Accumulator();
    Accumulator(const Accumulator&) = delete;
    Accumulator& operator=(const Accumulator&) = delete;

    void add(const store::CellarWine& wine);
    Statistics result(View view) const;

private:
    struct Data;
    std::unique_ptr<Data> data_;
};

// Reads the cellar file once and sums it under the current vocabulary lists.
Statistics Compute(View view);

// Amounts with two decimals, right-aligned in 9 characters; counts right-aligned in 4.
std::string AmountText(double amount);
std::string CountText(long count);

} // namespace stats
