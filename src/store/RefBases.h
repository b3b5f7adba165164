// The reference text bases: appellation base, vintage chart, domaine base, maturity table.
// Each look-up opens, scans and closes its file; each update rewrites its file safely.
// Values passed in are padded to their widths by the caller (colour 10, region 20,
// appellation 30, domaine and owner 50, course 7, dish 30).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/Vocabulary.h"

namespace store {

struct Dish {
    std::string course; // columns 7-13 as read
    std::string dish;   // columns 15-44 as read
};

struct AppellationInfo {
    bool found = false;      // a matching section was met
    std::string temperature; // columns 10-59 of the "Temp =" line, as read
    std::string keeping;     // columns 10-59 of the "Garde=" / "Keep =" line, as read
    std::vector<Dish> dishes;
};

struct VintageMark {
    std::string year; // columns 7-10
    std::string mark; // columns 12-13
};

struct DomaineEntry {
    std::string domaine; // columns 7-56, right-trimmed
    std::string owner;   // columns 57-106
};

// Header of a section as its readers take it (fields with their blanks).
struct AppellationKey {
    std::string region;      // columns 2-21
    std::string colour;      // columns 24-33 (empty for vintage chart and domaine sections)
    std::string appellation; // columns 36-65 (24-53 in the vintage chart and domaine base)
};

struct MaturityEntry {
    std::string colour; // columns 2-11
    std::string region; // columns 14-33
    int years = 0;      // columns 36-37, trimmed
    std::string yearsText; // the same, as written ("05" stays "05")
};

// The four courses of a language, 7 characters each:
// "Entrées", "Plats  ", "Fromage", "Dessert" / "Starter", "Courses", "Cheeses", "Dessert".
std::vector<std::string> Courses(DataLanguage language);

// The region and appellation of a domaine base header, right-trimmed: columns 2-21 and 24-53,
// or, in a header written by hand without the blanks, the texts between its brackets.
AppellationKey DomaineHeaderKey(std::string_view line);

// Lines in the forms the updates write.
std::string AppellationHeader(const std::string& colour, const std::string& region,
                              const std::string& appellation); // 66 characters
std::string VintageHeader(const std::string& region, const std::string& appellation); // 54
std::string DomaineHeader(const std::string& region, const std::string& appellation); // 54
std::string MaturityLine(const std::string& colour, const std::string& region, int years); // 38

// The grammar of a file that claims to be an appellation base or a vintage chart, line by line:
// the first line is a section header of that base, every other line a header or a line its
// sections hold (blank lines allowed), none holds a control character or is longer than
// kLongestBaseLine. A file of another kind (a domaine base, a list, a cellar) fails at a line.
inline constexpr std::size_t kLongestBaseLine = 4096;
bool IsAppellationBaseLine(std::string_view line, bool first);
bool IsVintageChartLine(std::string_view line, bool first);

// Look-ups.
AppellationInfo AppellationDetails(const std::string& colour, const std::string& region,
                                   const std::string& appellation);
std::vector<VintageMark> VintageMarks(const std::string& region, const std::string& appellation);
std::vector<DomaineEntry> DomainesOf(const std::string& region, const std::string& appellation);
// The years of the first line for this colour and region whose years are a number; nothing
// when there is none. MaturityEntries leaves out the same lines.
std::optional<int> MaturityYears(const std::string& colour, const std::string& region);

// Every section header of a base, in file order.
std::vector<AppellationKey> AppellationSections();
std::vector<AppellationKey> VintageSections();
std::vector<MaturityEntry> MaturityEntries();

// Updates.
void AddAppellation(const std::string& colour, const std::string& region, const std::string& appellation,
                    const std::string& keeping, const std::string& temperature);
void AddDish(const std::string& colour, const std::string& region, const std::string& appellation,
             const std::string& course, const std::string& dish);
void AddVintageSection(const std::string& region, const std::string& appellation);
void SetVintageMark(const std::string& region, const std::string& appellation, const std::string& year,
                    const std::string& mark);
void AddDomaine(const std::string& region, const std::string& appellation, const std::string& domaine,
                const std::string& owner);
bool RemoveDomaine(const std::string& region, const std::string& appellation, const std::string& domaine);

} // namespace store
