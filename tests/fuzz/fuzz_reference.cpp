// The reference file of an update of the appellation base or the vintage chart: a file refused
// (any line outside the grammar of the base its first line claims) changes nothing; a file taken becomes the base, with every section, dish and vintage of it
// found by the look-ups, the user's own sections kept, the previous base kept aside, and the
// same reference taken a second time changes nothing.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "fuzz/RecordFuzz.h"
#include "store/Files.h"
#include "store/RefBases.h"
#include "store/ReferenceUpdate.h"
#include "store/State.h"
#include "store/Text.h"

using namespace store;

namespace {

constexpr const char* kChosen = "reference.dat";
constexpr const char* kChosenAgain = "reference-again.dat";

// The user's bases: a section of the shipped base with the user's keeping period, temperature,
// dish and vintage mark, and a section only the user has.
const std::vector<std::string> kUserBase = {
    "[Alsace              ][Blanc     ](Alsace Gewurztraminer         )",
    "   Temp =9 \xe0 11 \xb0"
    "C",
    "   Garde=3 \xe0 12 ans",
    "   Plats=",
    "      Entr\xe9"
    "es:Foie gras                     ",
    "      Plats  :Canard laqu\xe9                 ",
    "[Savoie              ][Blanc     ](Apremont                      )",
    "   Temp =8 \xe0 10 \xb0"
    "C",
    "   Garde=\xc0 boire dans les 3 ans",
    "   Plats=",
    "      Fromage:Reblochon                     ",
    // Key lines in another order, and dishes before the keeping period.
    "[Savoie              ][Rouge     ](Mondeuse                      )",
    "   Garde=5 ans",
    "   Plats=",
    "      Plats  :Diots                         ",
    "   Temp =14 \xb0"
    "C",
    // No keeping period: its dishes are the user's all the same.
    "[Jura                ][Blanc     ](Arbois                        )",
    "   Temp =12",
    "   Plats=",
    "      Fromage:Comt\xe9"
    "                         ",
};
const std::vector<std::string> kUserChart = {
    "[Alsace              ](Alsace Gewurztraminer         )", "      1982,14", "      2021,15",
    "[Savoie              ](Apremont                      )", "      2018,16",
};

struct Section {
    std::string header;
    std::vector<std::string> body;
};

bool IsHeader(const std::string& line) {
    return !line.empty() && line[0] == '[';
}

std::vector<Section> SectionsOf(const std::vector<std::string>& lines) {
    std::vector<Section> sections;
    for (const std::string& line : lines)
        if (IsHeader(line))
            sections.push_back({line, {}});
        else if (!sections.empty())
            sections.back().body.push_back(line);
    return sections;
}

using Key = std::tuple<std::string, std::string, std::string>;

Key AppellationKeyOf(const std::string& header) {
    return {std::string(Columns(header, 2, 20)), std::string(Columns(header, 24, 10)),
            std::string(Columns(header, 36, 30))};
}

Key VintageKeyOf(const std::string& header) {
    return {std::string(Columns(header, 2, 20)), std::string(),
            std::string(Columns(header, 24, 30))};
}

std::set<Key> KeysOf(const std::vector<AppellationKey>& keys) {
    std::set<Key> out;
    for (const AppellationKey& k : keys)
        out.insert({k.region, k.colour, k.appellation});
    return out;
}

bool IsTemperature(const std::string& line) {
    return Columns(line, 4, 6) == "Temp =";
}
bool IsKeeping(const std::string& line) {
    return Columns(line, 4, 6) == "Garde=" || Columns(line, 4, 6) == "Keep =";
}
// A dish line the look-up lists as a dish (not read as a temperature or keeping line).
bool IsDish(const std::string& line) {
    return line.size() >= 14 && line[13] == ':' && !IsTemperature(line) && !IsKeeping(line);
}
bool IsVintage(const std::string& line) {
    return line.size() >= 11 && line[10] == ',';
}

bool HasDish(const AppellationInfo& info, std::string_view course, std::string_view dish) {
    for (const Dish& d : info.dishes)
        if (PadText(d.course, 7) == PadText(course, 7) && PadText(d.dish, 30) == PadText(dish, 30))
            return true;
    return false;
}

void CheckAppellationBase(const std::vector<std::string>& reference) {
    const std::set<Key> found = KeysOf(AppellationSections());
    std::set<Key> seen;
    for (const Section& s : SectionsOf(reference)) {
        const Key key = AppellationKeyOf(s.header);
        FUZZ_CHECK(found.count(key) == 1);
        // The look-ups take padded values: only a header of full width can be looked up, and
        // only its first section is read.
        if (s.header.size() < 65 || !seen.insert(key).second) continue;
        const auto& [region, colour, appellation] = key;
        const AppellationInfo info = AppellationDetails(colour, region, appellation);
        FUZZ_CHECK(info.found);
        for (const std::string& line : s.body)
            if (IsDish(line)) FUZZ_CHECK(HasDish(info, Columns(line, 7, 7), Columns(line, 15, 30)));
    }
    for (const Section& s : SectionsOf(kUserBase)) {
        const Key key = AppellationKeyOf(s.header);
        FUZZ_CHECK(found.count(key) == 1);
        const auto& [region, colour, appellation] = key;
        const AppellationInfo info = AppellationDetails(colour, region, appellation);
        FUZZ_CHECK(info.found);
        const bool keepingMet = std::any_of(s.body.begin(), s.body.end(), IsKeeping);
        for (const std::string& line : s.body) {
            if (IsDish(line)) FUZZ_CHECK(HasDish(info, Columns(line, 7, 7), Columns(line, 15, 30)));
            // The user's values win, in a section the reference has too, with or without its
            // key lines, in whatever order the user's section holds them. Without a keeping
            // period the section is the reference's, when it has one.
            else if (!keepingMet)
                continue;
            else if (IsKeeping(line))
                FUZZ_CHECK(RightTrim(info.keeping) == RightTrim(Columns(line, 10, 50)));
            else if (IsTemperature(line))
                FUZZ_CHECK(RightTrim(info.temperature) == RightTrim(Columns(line, 10, 50)));
        }
    }
}

void CheckVintageChart(const std::vector<std::string>& reference) {
    const std::set<Key> found = KeysOf(VintageSections());
    // The user's marks win over the reference's.
    std::map<std::pair<Key, std::string>, std::string> userMarks;
    for (const Section& s : SectionsOf(kUserChart))
        for (const std::string& line : s.body)
            userMarks[{VintageKeyOf(s.header), std::string(Columns(line, 7, 4))}] =
                std::string(Columns(line, 12, 2));

    const auto hasMark = [](const std::vector<VintageMark>& marks, std::string_view year,
                            std::string_view mark) {
        for (const VintageMark& m : marks)
            if (m.year == year && m.mark == mark) return true;
        return false;
    };
    std::set<Key> seen;
    for (const Section& s : SectionsOf(reference)) {
        const Key key = VintageKeyOf(s.header);
        FUZZ_CHECK(found.count(key) == 1);
        if (s.header.size() < 53 || !seen.insert(key).second) continue;
        const auto& [region, colour, appellation] = key;
        const std::vector<VintageMark> marks = VintageMarks(region, appellation);
        for (const std::string& line : s.body) {
            if (!IsVintage(line)) continue;
            const std::string year(Columns(line, 7, 4));
            const auto user = userMarks.find({key, year});
            FUZZ_CHECK(hasMark(marks, year,
                               user != userMarks.end() ? user->second : Columns(line, 12, 2)));
        }
    }
    for (const auto& [where, mark] : userMarks) {
        const auto& [region, colour, appellation] = where.first;
        FUZZ_CHECK(found.count(where.first) == 1);
        FUZZ_CHECK(hasMark(VintageMarks(region, appellation), where.second, mark));
    }
}

// Whether each section of the user's appellations appears at most once in the reference: a
// second one is replayed over the first with its own temperature and keeping period, blank ones
// included, so taking the reference again would change it.
bool UserSectionsOnce(const std::vector<std::string>& reference) {
    std::set<Key> userKeys;
    for (const Section& s : SectionsOf(kUserBase))
        userKeys.insert(AppellationKeyOf(s.header));
    std::set<Key> met;
    for (const Section& s : SectionsOf(reference))
        if (userKeys.count(AppellationKeyOf(s.header)) != 0 &&
            !met.insert(AppellationKeyOf(s.header)).second)
            return false;
    return true;
}

void WriteBytes(const std::string& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::Prepare(kChosen, data, size);
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    WriteBytes(kChosenAgain, bytes);
    WriteAllLines(State().files.appellations, kUserBase);
    WriteAllLines(State().files.vintages, kUserChart);
    const std::string oldBase = fuzzsupport::Bytes(State().files.appellations);
    const std::string oldChart = fuzzsupport::Bytes(State().files.vintages);
    const std::vector<std::string> reference = fuzzsupport::LinesOf(kChosen);

    const ReferenceUpdateResult result = UpdateFromReference(kChosen);
    fuzzsupport::CheckNoTemporary();
    // Taken only when every line is a line of the base its first line claims.
    bool isBase = !reference.empty() && IsHeader(reference.front());
    const bool claimsChart = isBase && KindOfReference(reference.front()) == ReferenceKind::VintageChart;
    for (std::size_t i = 0; isBase && i < reference.size(); ++i)
        isBase = claimsChart ? IsVintageChartLine(reference[i], i == 0)
                             : IsAppellationBaseLine(reference[i], i == 0);
    if (!isBase) {
        FUZZ_CHECK(result.outcome == ReferenceOutcome::NotABase);
        FUZZ_CHECK(fuzzsupport::Bytes(State().files.appellations) == oldBase);
        FUZZ_CHECK(fuzzsupport::Bytes(State().files.vintages) == oldChart);
        FUZZ_CHECK(fuzzsupport::Bytes(kChosen) == bytes);
        FUZZ_CHECK(!FileExists("Vins.maj") && !FileExists("Annee.maj"));
        return 0;
    }

    FUZZ_CHECK(result.outcome == ReferenceOutcome::Updated);
    FUZZ_CHECK(result.kind == KindOfReference(reference.front()));
    FUZZ_CHECK(!result.sourceLeft && !FileExists(kChosen));
    const bool chart = result.kind == ReferenceKind::VintageChart;
    const std::string& target = chart ? State().files.vintages : State().files.appellations;
    const std::string kept = chart ? "Annee.maj" : "Vins.maj";
    FUZZ_CHECK(fuzzsupport::Bytes(kept) == (chart ? oldChart : oldBase));
    FUZZ_CHECK(fuzzsupport::Bytes(chart ? State().files.appellations : State().files.vintages) ==
               (chart ? oldBase : oldChart));
    if (chart)
        CheckVintageChart(reference);
    else
        CheckAppellationBase(reference);

    // Taking the same reference again changes nothing. The merge replays the previous base
    // section by section, so this holds for a reference the merge leaves as it is when merged
    // into itself (conflicting duplicate sections are replayed too) and which holds each of the
    // user's sections once.
    const std::string merged = fuzzsupport::Bytes(target);
    const ReferenceUpdateResult again = UpdateFromReference(kChosenAgain);
    fuzzsupport::CheckNoTemporary();
    FUZZ_CHECK(again.outcome == ReferenceOutcome::Updated && again.kind == result.kind);
    FUZZ_CHECK(fuzzsupport::Bytes(kept) == merged);
    const bool settled =
        chart ? !MergeVintageChart(reference, reference).changed
              : !MergeAppellationBase(reference, reference).changed && UserSectionsOnce(reference);
    if (settled) FUZZ_CHECK(fuzzsupport::Bytes(target) == merged);
    return 0;
}
