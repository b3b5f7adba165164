#include "store/AppellationEdits.h"

#include <set>

#include "store/Files.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/WineEntry.h"

namespace store {

namespace {

bool IsHeader(std::string_view line) {
    return !line.empty() && line[0] == '[';
}

bool IsTemperatureLine(std::string_view line) {
    return Columns(line, 4, 6) == "Temp =";
}

bool IsKeepingLine(std::string_view line) {
    const std::string_view key = Columns(line, 4, 6);
    return key == "Garde=" || key == "Keep =";
}

bool IsDishesKeyLine(std::string_view line) {
    const std::string_view key = Columns(line, 4, 6);
    return key == "Plats=" || key == "Dishes";
}

bool IsDishLine(std::string_view line) {
    return line.size() >= 14 && line[13] == ':';
}

bool BaseHeaderMatches(std::string_view line, const std::string& c, const std::string& r,
                       const std::string& a) {
    return IsHeader(line) && Columns(line, 2, 20) == r && Columns(line, 24, 10) == c &&
           Columns(line, 36, 30) == a;
}

bool ChartHeaderMatches(std::string_view line, const std::string& r, const std::string& a) {
    return IsHeader(line) && Columns(line, 2, 20) == r && Columns(line, 24, 30) == a;
}

// The lines of a file; false when it does not exist.
bool ReadLines(const std::string& name, std::vector<std::string>& lines) {
    LineReader in;
    if (!OpenTextForReading(in, name)) return false;
    std::string line;
    while (in.readLine(line))
        lines.push_back(line);
    return true;
}

std::size_t NextHeader(const std::vector<std::string>& lines, std::size_t from) {
    while (from < lines.size() && !IsHeader(lines[from]))
        ++from;
    return from;
}

void AppendDishes(std::vector<std::string>& out, const std::vector<Dish>& dishes) {
    for (const Dish& d : dishes)
        out.push_back(Blanks(6) + PadText(d.course, 7) + ":" + RightTrim(d.dish));
}

std::string DishesKeyLine() {
    return State().language == DataLanguage::French ? "   Plats=" : "   Dishes=";
}

std::string KeepingKeyLine() {
    return State().language == DataLanguage::French ? "   Garde=" : "   Keep =";
}

// The appellation base once the edit is saved into it.
std::vector<std::string> SavedBase(const std::vector<std::string>& lines, const AppellationEdit& e,
                                   const std::string& c, const std::string& r,
                                   const std::string& a) {
    const std::string temperature = RightTrim(e.temperature.value_or(std::string()));
    const std::string keeping = RightTrim(e.keeping.value_or(std::string()));
    std::vector<std::string> out;
    out.reserve(lines.size() + e.dishes.size() + 4);
    std::size_t header = 0;
    while (header < lines.size() && !BaseHeaderMatches(lines[header], c, r, a))
        ++header;
    if (header == lines.size()) {
        out = lines;
        out.push_back(AppellationHeader(c, r, a));
        out.push_back("   Temp =" + temperature);
        out.push_back(KeepingKeyLine() + keeping);
        out.push_back(DishesKeyLine());
        AppendDishes(out, e.dishes);
        return out;
    }
    out.assign(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(header) + 1);
    const std::size_t end = NextHeader(lines, header + 1);
    if (end == header + 1) {
        // A bare header gets the lines of a new section in place.
        out.push_back("   Temp =" + temperature);
        out.push_back(KeepingKeyLine() + keeping);
        out.push_back(DishesKeyLine());
        AppendDishes(out, e.dishes);
    } else {
        // A value typed for a section that lacks its key line gets the line rather than being
        // lost: the temperature under the header, the keeping period after the temperature, the
        // order in which the update from a reference file reads them back.
        bool temperatureMet = false, keepingMet = false;
        for (std::size_t i = header + 1; i < end; ++i) {
            temperatureMet = temperatureMet || IsTemperatureLine(lines[i]);
            keepingMet = keepingMet || (!IsTemperatureLine(lines[i]) && IsKeepingLine(lines[i]));
        }
        bool keepingToPut = !keepingMet && !keeping.empty();
        if (!temperatureMet && !temperature.empty()) out.push_back("   Temp =" + temperature);
        if (keepingToPut && !temperatureMet) {
            out.push_back(KeepingKeyLine() + keeping);
            keepingToPut = false;
        }
        bool keyMet = false;
        for (std::size_t i = header + 1; i < end; ++i) {
            const std::string& line = lines[i];
            if (IsTemperatureLine(line)) {
                out.push_back(e.temperature ? "   Temp =" + temperature : line);
                if (keepingToPut) {
                    out.push_back(KeepingKeyLine() + keeping);
                    keepingToPut = false;
                }
            } else if (IsKeepingLine(line)) {
                out.push_back(e.keeping ? "   " + std::string(Columns(line, 4, 6)) + keeping
                                        : line);
            } else if (IsDishesKeyLine(line)) {
                out.push_back(line);
                AppendDishes(out, e.dishes);
                keyMet = true;
            } else if (!IsDishLine(line)) {
                out.push_back(line);
            }
        }
        // Likewise the dishes.
        if (!keyMet && !e.dishes.empty()) {
            out.push_back(DishesKeyLine());
            AppendDishes(out, e.dishes);
        }
    }
    out.insert(out.end(), lines.begin() + static_cast<std::ptrdiff_t>(end), lines.end());
    return out;
}

std::vector<std::string> SavedChart(const std::vector<std::string>& lines, const AppellationEdit& e,
                                    const std::string& r, const std::string& a) {
    std::vector<std::string> out;
    out.reserve(lines.size() + e.vintages.size() + 1);
    std::size_t header = 0;
    while (header < lines.size() && !ChartHeaderMatches(lines[header], r, a))
        ++header;
    const std::size_t end = header == lines.size() ? header : NextHeader(lines, header + 1);
    out.assign(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(header));
    out.push_back(header == lines.size() ? VintageHeader(r, a) : lines[header]);
    for (const VintageMark& v : e.vintages)
        out.push_back(Blanks(6) + PadText(v.year, 4) + "," + PadText(v.mark, 2));
    out.insert(out.end(), lines.begin() + static_cast<std::ptrdiff_t>(end), lines.end());
    return out;
}

} // namespace

AppellationBaseIndex ReadAppellationBaseIndex() {
    AppellationBaseIndex index;
    LineReader in;
    if (!OpenTextForReading(in, State().files.appellations)) return index;
    const std::string courses[4][2] = {{Cp1252("Entrées"), "Starter"},
                                       {"Plats  ", "Courses"},
                                       {"Fromage", "Cheeses"},
                                       {"Dessert", "Dessert"}};
    std::array<std::set<std::string>, 4> seen;
    std::string line;
    while (in.readLine(line)) {
        if (IsHeader(line)) {
            index.keys.push_back(PadText(Columns(line, 2, 20), 20) +
                                 PadText(Columns(line, 24, 10), 10) +
                                 PadText(Columns(line, 36, 30), 30));
            continue;
        }
        if (!IsDishLine(line)) continue;
        const std::string_view course = Columns(line, 7, 7);
        for (int k = 0; k < 4; ++k) {
            if (course != courses[k][0] && course != courses[k][1]) continue;
            std::string name = RightTrim(Columns(line, 15, 30));
            if (seen[k].insert(FoldCase(name)).second) index.dishes[k].push_back(std::move(name));
            break;
        }
    }
    return index;
}

void SaveAppellation(const AppellationEdit& edit) {
    const std::string c = PadText(edit.colour, 10);
    const std::string r = PadText(edit.region, 20);
    const std::string a = PadText(edit.appellation, 30);
    const DataFileNames& files = State().files;
    // Both files are read before either is written: one that cannot be read changes nothing.
    std::vector<std::string> base;
    std::vector<std::string> chart;
    ReadLines(files.appellations, base);
    ReadLines(files.vintages, chart);
    WriteAllLines(files.appellations, SavedBase(base, edit, c, r, a));
    WriteAllLines(files.vintages, SavedChart(chart, edit, r, a));
}

AppellationRemoval DeleteAppellation(const std::string& colour, const std::string& region,
                                     const std::string& appellation) {
    const std::string c = PadText(colour, 10);
    const std::string r = PadText(region, 20);
    const std::string a = PadText(appellation, 30);
    const DataFileNames& files = State().files;
    AppellationRemoval result;
    std::vector<std::string> base;
    if (!ReadLines(files.appellations, base)) return result;
    std::vector<std::string> chart;
    const bool chartExists = ReadLines(files.vintages, chart);

    std::vector<std::string> keptBase;
    keptBase.reserve(base.size());
    bool otherColour = false;
    bool dropping = false;
    for (const std::string& line : base) {
        if (IsHeader(line)) {
            dropping = BaseHeaderMatches(line, c, r, a);
            result.removed = result.removed || dropping;
            if (!dropping && Columns(line, 2, 20) == r && Columns(line, 36, 30) == a)
                otherColour = true;
        }
        if (!dropping) keptBase.push_back(line);
    }
    if (!result.removed) return result;
    WriteAllLines(files.appellations, keptBase);
    if (otherColour) return result;
    result.chartRemoved = true;
    if (!chartExists) return result;
    std::vector<std::string> keptChart;
    keptChart.reserve(chart.size());
    dropping = false;
    for (const std::string& line : chart) {
        if (IsHeader(line)) dropping = ChartHeaderMatches(line, r, a);
        if (!dropping) keptChart.push_back(line);
    }
    if (keptChart.size() != chart.size()) WriteAllLines(files.vintages, keptChart);
    return result;
}

} // namespace store
