#include "store/RefBases.h"

#include <algorithm>
#include <cerrno>
#include <memory>

#include "store/Files.h"
#include "store/State.h"
#include "store/Text.h"

namespace store {

namespace {

// Widths of the fields of the reference bases.
constexpr int kColourWidth = 10;
constexpr int kRegionWidth = 20;
constexpr int kAppellationWidth = 30;
constexpr int kCourseWidth = 7;
constexpr int kDishWidth = 30;
constexpr int kYearWidth = 4;
constexpr int kMarkWidth = 2;
constexpr int kNameWidth = 50; // domaine and owner

bool IsHeader(std::string_view line) {
    return !line.empty() && line[0] == '[';
}

// True when the character at column `column` (from 1) is `c`.
bool ColumnIs(std::string_view line, std::size_t column, char c) {
    return line.size() >= column && line[column - 1] == c;
}

bool IsFrench() {
    return State().language == DataLanguage::French;
}

// ------------------------------------------------------------- section keys

// Appellation base header: region 2-21, colour 24-33, appellation 36-65.
bool AppellationHeaderMatches(std::string_view line, const std::string& colour,
                              const std::string& region, const std::string& appellation) {
    return Columns(line, 2, kRegionWidth) == region && Columns(line, 24, kColourWidth) == colour &&
           Columns(line, 36, kAppellationWidth) == appellation;
}

// Vintage chart header: region 2-21, appellation 24-53.
bool VintageHeaderMatches(std::string_view line, const std::string& region,
                          const std::string& appellation) {
    return Columns(line, 2, kRegionWidth) == region &&
           Columns(line, 24, kAppellationWidth) == appellation;
}

// Domaine base header: region 2-21 and appellation 24-53, compared right-trimmed by the
// look-up and the updates alike (the values given already right-trimmed), so a header written
// by hand with fewer blanks is one section for all of them.
bool DomaineHeaderMatchesTrimmed(std::string_view line, const std::string& trimmedRegion,
                                 const std::string& trimmedAppellation) {
    const AppellationKey key = DomaineHeaderKey(line);
    return key.appellation == trimmedAppellation && key.region == trimmedRegion;
}

// --------------------------------------------------------- appellation lines

bool IsTemperatureLine(std::string_view line) {
    return Columns(line, 4, 6) == "Temp =";
}

bool IsKeepingLine(std::string_view line) {
    const std::string_view key = Columns(line, 4, 6);
    return key == "Garde=" || key == "Keep =";
}

bool IsDishLine(std::string_view line) {
    return ColumnIs(line, 14, ':');
}

bool IsVintageLine(std::string_view line) {
    return ColumnIs(line, 11, ',');
}

std::string DishLine(const std::string& course, const std::string& dish) {
    return Blanks(6) + course + ":" + dish;
}

std::string VintageLine(const std::string& year, const std::string& mark) {
    return Blanks(6) + year + "," + mark;
}

std::string DomaineLine(const std::string& domaine, const std::string& owner) {
    return "     -" + domaine + owner;
}

// The four lines of a new appellation section, keys in the current language.
std::vector<std::string> NewAppellationSection(const std::string& colour, const std::string& region,
                                               const std::string& appellation,
                                               const std::string& keeping,
                                               const std::string& temperature) {
    const bool french = IsFrench();
    return {AppellationHeader(colour, region, appellation), "   Temp =" + RightTrim(temperature),
            (french ? "   Garde=" : "   Keep =") + RightTrim(keeping),
            french ? "   Plats=" : "   Dishes="};
}

// --------------------------------------------------------------- rewriting

// Copies a base file line by line into its replacement. Lines passed to keep() are the
// file's own lines, unchanged; lines passed to put() are new or changed, and drop() leaves
// the line read out. The replacement (a SafeFileWriter) is only started at the first change:
// the lines kept until then are copied again from the file at that moment. So an update that
// changes nothing neither writes nor replaces the file, and one that changes something writes
// it whole, every line ended by CR LF.
class Rewrite {
public:
    explicit Rewrite(const std::string& name) : name_(name) {
        opened_ = OpenTextForReading(in_, name_);
    }

    bool opened() const { return opened_; }
    bool next(std::string& line) { return in_.readLine(line, LineReader::kNoLimit); }

    void keep(const std::string& line) {
        if (out_)
            out_->writeLine(line);
        else
            ++pending_;
    }

    void put(const std::string& line) {
        start();
        out_->writeLine(line);
    }

    // The line read is left out.
    void drop() { start(); }

    // The line read is replaced by `line`; a replacement equal to it is no change.
    void replace(const std::string& read, const std::string& line) {
        if (read == line)
            keep(read);
        else
            put(line);
    }

    // Replaces the file when something changed.
    void finish() {
        in_.close();
        if (out_) out_->commit();
    }

private:
    void start() {
        if (out_) return;
        out_ = std::make_unique<SafeFileWriter>(name_);
        LineReader again;
        if (!OpenTextForReading(again, name_)) throw IoError::FromErrno(ENOENT, name_);
        std::string line;
        for (long i = 0; i < pending_; ++i) {
            if (!again.readLine(line, LineReader::kNoLimit))
                throw IoError(IoError::Kind::ReadPastEnd, EIO, name_);
            out_->writeLine(line);
        }
        pending_ = 0;
    }

    std::string name_;
    LineReader in_;
    bool opened_ = false;
    long pending_ = 0;
    std::unique_ptr<SafeFileWriter> out_;
};

// Creates a missing base file with the given lines.
void CreateWithLines(const std::string& name, const std::vector<std::string>& lines) {
    SafeFileWriter out(name);
    for (const auto& line : lines)
        out.writeLine(line);
    out.commit();
}

std::string Copy(std::string_view text) {
    return std::string(text);
}

// The years of columns 36-37 of a maturity line, blanks removed on both sides: one or two
// digits, as the maturity window writes them. A line without them is no entry, for the window
// and the wine entry alike.
std::optional<int> MaturityLineYears(std::string_view line) {
    const std::string years = Trim(Columns(line, 36, 2));
    if (years.empty() || !AllDigits(years)) return std::nullopt;
    return std::stoi(years);
}

} // namespace

// ------------------------------------------------------------------ formats

AppellationKey DomaineHeaderKey(std::string_view line) {
    const bool padded = line.size() >= 54 && Columns(line, 22, 2) == "][";
    if (padded)
        return {RightTrim(Columns(line, 2, kRegionWidth)),
                {},
                RightTrim(Columns(line, 24, kAppellationWidth))};
    const std::string_view inner = line.substr(line.empty() ? 0 : 1);
    const std::size_t split = inner.find("][");
    if (split == std::string_view::npos) return {RightTrim(Columns(line, 2, kRegionWidth)), {}, {}};
    std::string_view appellation = inner.substr(split + 2);
    if (!appellation.empty() && appellation.back() == ']') appellation.remove_suffix(1);
    return {RightTrim(inner.substr(0, std::min<std::size_t>(split, kRegionWidth))),
            {},
            RightTrim(appellation.substr(0, kAppellationWidth))};
}

namespace {

bool Blank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

bool HoldsControlCharacter(std::string_view line) {
    for (const char c : line)
        if (static_cast<unsigned char>(c) < 32) return true;
    return false;
}

bool OneOf(std::string_view line, std::size_t column, std::string_view allowed) {
    return line.size() >= column && allowed.find(line[column - 1]) != std::string_view::npos;
}

} // namespace

bool IsAppellationBaseLine(std::string_view line, bool first) {
    if (line.size() > kLongestBaseLine || HoldsControlCharacter(line)) return false;
    // "[" region "][" colour "](" appellation ")", or "][" appellation "]" as converted.
    if (IsHeader(line))
        return line.size() >= 66 && ColumnIs(line, 22, ']') && ColumnIs(line, 23, '[') &&
               ColumnIs(line, 34, ']') && OneOf(line, 35, "([") && OneOf(line, 66, ")]");
    if (first) return false;
    if (Blank(line)) return true;
    if (Blank(Columns(line, 1, 3)) &&
        (IsTemperatureLine(line) || IsKeepingLine(line) || Columns(line, 4, 6) == "Plats=" ||
         Columns(line, 4, 7) == "Dishes="))
        return true;
    return IsDishLine(line) && Blank(Columns(line, 1, 6));
}

bool IsVintageChartLine(std::string_view line, bool first) {
    if (line.size() > kLongestBaseLine || HoldsControlCharacter(line)) return false;
    // "[" region "](" appellation ")".
    if (IsHeader(line))
        return line.size() >= 54 && ColumnIs(line, 22, ']') && ColumnIs(line, 23, '(') &&
               ColumnIs(line, 54, ')');
    if (first) return false;
    if (Blank(line)) return true;
    // Six blanks, the year, ",", a mark of one or two digits.
    if (!IsVintageLine(line) || !Blank(Columns(line, 1, 6)) || !AllDigits(Columns(line, 7, 4)))
        return false;
    const std::string mark = RightTrim(line.substr(std::min<std::size_t>(line.size(), 11)));
    return mark.size() <= 2 && AllDigits(mark);
}

std::vector<std::string> Courses(DataLanguage language) {
    if (language == DataLanguage::French)
        return {Cp1252("Entrées"), "Plats  ", "Fromage", "Dessert"};
    return {"Starter", "Courses", "Cheeses", "Dessert"};
}

std::string AppellationHeader(const std::string& colour, const std::string& region,
                              const std::string& appellation) {
    return "[" + PadText(region, kRegionWidth) + "][" + PadText(colour, kColourWidth) + "](" +
           PadText(appellation, kAppellationWidth) + ")";
}

std::string VintageHeader(const std::string& region, const std::string& appellation) {
    return "[" + PadText(region, kRegionWidth) + "](" + PadText(appellation, kAppellationWidth) +
           ")";
}

std::string DomaineHeader(const std::string& region, const std::string& appellation) {
    return "[" + PadText(region, kRegionWidth) + "][" + PadText(appellation, kAppellationWidth) +
           "]";
}

std::string MaturityLine(const std::string& colour, const std::string& region, int years) {
    // Two characters hold 0 to 99 (the maturity window's range); others are brought into it.
    const int clamped = std::clamp(years, 0, 99);
    std::string number = std::to_string(clamped);
    if (number.size() < 2) number.insert(0, 2 - number.size(), ' ');
    return "[" + PadText(colour, kColourWidth) + "][" + PadText(region, kRegionWidth) + "][" +
           number + "]";
}

// ------------------------------------------------------------------ look-ups

namespace {

// Passes each line of the first section of the file whose header `matches` to `take`; the
// next header ends it. Returns whether such a header was met.
template <class Matches, class Take>
bool ReadSection(const std::string& file, Matches matches, Take take) {
    LineReader in;
    if (!OpenTextForReading(in, file)) return false;
    bool inSection = false;
    std::string line;
    while (in.readLine(line, LineReader::kNoLimit)) {
        if (IsHeader(line)) {
            if (inSection) break;
            inSection = matches(line);
            continue;
        }
        if (inSection) take(line);
    }
    return inSection;
}

} // namespace

AppellationInfo AppellationDetails(const std::string& colour, const std::string& region,
                                   const std::string& appellation) {
    AppellationInfo info;
    const std::string c = PadText(colour, kColourWidth);
    const std::string r = PadText(region, kRegionWidth);
    const std::string a = PadText(appellation, kAppellationWidth);
    info.found = ReadSection(
        State().files.appellations, [&](std::string_view line) { return AppellationHeaderMatches(line, c, r, a); },
        [&](std::string_view line) {
            if (IsTemperatureLine(line))
                info.temperature = Copy(Columns(line, 10, 50));
            else if (IsKeepingLine(line))
                info.keeping = Copy(Columns(line, 10, 50));
            else if (IsDishLine(line))
                info.dishes.push_back({Copy(Columns(line, 7, kCourseWidth)), Copy(Columns(line, 15, kDishWidth))});
        });
    return info;
}

std::vector<VintageMark> VintageMarks(const std::string& region, const std::string& appellation) {
    std::vector<VintageMark> marks;
    const std::string r = PadText(region, kRegionWidth);
    const std::string a = PadText(appellation, kAppellationWidth);
    ReadSection(
        State().files.vintages, [&](std::string_view line) { return VintageHeaderMatches(line, r, a); },
        [&](std::string_view line) {
            if (IsVintageLine(line))
                marks.push_back({Copy(Columns(line, 7, kYearWidth)), Copy(Columns(line, 12, kMarkWidth))});
        });
    return marks;
}

std::vector<DomaineEntry> DomainesOf(const std::string& region, const std::string& appellation) {
    std::vector<DomaineEntry> domaines;
    const std::string r = RightTrim(region);
    const std::string a = RightTrim(appellation);
    // A domaine line with a blank name is listed with an empty name, so that the domaine window
    // shows it and can remove it; only a wholly blank line names nothing.
    ReadSection(
        State().files.domaines,
        [&](std::string_view line) { return DomaineHeaderMatchesTrimmed(line, r, a); },
        [&](std::string_view line) {
            if (RightTrim(line).empty()) return;
            domaines.push_back(
                {RightTrim(Columns(line, 7, kNameWidth)), Copy(Columns(line, 57, kNameWidth))});
        });
    return domaines;
}

std::optional<int> MaturityYears(const std::string& colour, const std::string& region) {
    LineReader in;
    if (!OpenTextForReading(in, State().files.maturity)) return std::nullopt;
    const std::string c = PadText(colour, kColourWidth);
    const std::string r = PadText(region, kRegionWidth);
    std::string line;
    while (in.readLine(line, LineReader::kNoLimit)) {
        if (Columns(line, 2, kColourWidth) != c || Columns(line, 14, kRegionWidth) != r) continue;
        if (const std::optional<int> years = MaturityLineYears(line)) return years;
    }
    return std::nullopt;
}

std::vector<AppellationKey> AppellationSections() {
    std::vector<AppellationKey> keys;
    LineReader in;
    if (!OpenTextForReading(in, State().files.appellations)) return keys;
    std::string line;
    while (in.readLine(line, LineReader::kNoLimit))
        if (IsHeader(line))
            keys.push_back({Copy(Columns(line, 2, kRegionWidth)),
                            Copy(Columns(line, 24, kColourWidth)),
                            Copy(Columns(line, 36, kAppellationWidth))});
    return keys;
}

std::vector<AppellationKey> VintageSections() {
    std::vector<AppellationKey> keys;
    LineReader in;
    if (!OpenTextForReading(in, State().files.vintages)) return keys;
    std::string line;
    while (in.readLine(line, LineReader::kNoLimit))
        if (IsHeader(line))
            keys.push_back({Copy(Columns(line, 2, kRegionWidth)),
                            {},
                            Copy(Columns(line, 24, kAppellationWidth))});
    return keys;
}

std::vector<MaturityEntry> MaturityEntries() {
    std::vector<MaturityEntry> entries;
    LineReader in;
    if (!OpenTextForReading(in, State().files.maturity)) return entries;
    std::string line;
    while (in.readLine(line, LineReader::kNoLimit)) {
        const std::optional<int> years = MaturityLineYears(line);
        if (!years) continue;
        entries.push_back({Copy(Columns(line, 2, kColourWidth)),
                           Copy(Columns(line, 14, kRegionWidth)), *years,
                           Trim(Columns(line, 36, 2))});
    }
    return entries;
}

// ------------------------------------------------------------------- updates

void AddAppellation(const std::string& colour, const std::string& region,
                    const std::string& appellation, const std::string& keeping,
                    const std::string& temperature) {
    const std::string c = PadText(colour, kColourWidth);
    const std::string r = PadText(region, kRegionWidth);
    const std::string a = PadText(appellation, kAppellationWidth);
    const std::string& file = State().files.appellations;
    Rewrite base(file);
    if (!base.opened()) {
        CreateWithLines(file, NewAppellationSection(c, r, a, keeping, temperature));
        return;
    }
    const std::string temperatureLine = "   Temp =" + RightTrim(temperature);
    const std::string keepingValue = RightTrim(keeping);
    const std::vector<std::string> section = NewAppellationSection(c, r, a, keeping, temperature);
    bool inSection = false;
    bool found = false;
    // The lines of the first matching section, held until its end shows which key lines it has.
    std::vector<std::string> first;
    const auto update = [&](const std::string& line) {
        if (IsTemperatureLine(line))
            base.replace(line, temperatureLine);
        else if (IsKeepingLine(line))
            base.replace(line, "   " + Copy(Columns(line, 4, 6)) + keepingValue);
        else
            base.keep(line);
    };
    const auto endSection = [&] {
        if (!inSection || found) return;
        found = true;
        // A matching header with no line under it gets the lines of a new section in place,
        // rather than a second section of the same name that look-ups would never reach.
        if (first.empty()) {
            for (std::size_t i = 1; i < section.size(); ++i)
                base.put(section[i]);
            return;
        }
        // A value for a section that lacks its key line gets the line rather than being lost:
        // the temperature under the header, the keeping period after the temperature, the
        // order in which the update from a reference file reads them back.
        bool temperatureMet = false, keepingMet = false;
        for (const std::string& line : first) {
            temperatureMet = temperatureMet || IsTemperatureLine(line);
            keepingMet = keepingMet || IsKeepingLine(line);
        }
        const bool addTemperature = !temperatureMet && !RightTrim(temperature).empty();
        const bool addKeeping = !keepingMet && !keepingValue.empty();
        if (addTemperature) base.put(temperatureLine);
        if (addKeeping && !temperatureMet) base.put(section[2]);
        bool keepingPut = !addKeeping || !temperatureMet;
        for (const std::string& line : first) {
            update(line);
            if (!keepingPut && IsTemperatureLine(line)) {
                base.put(section[2]);
                keepingPut = true;
            }
        }
        first.clear();
    };
    std::string line;
    while (base.next(line)) {
        if (IsHeader(line)) {
            endSection();
            inSection = AppellationHeaderMatches(line, c, r, a);
            base.keep(line);
            continue;
        }
        if (!inSection)
            base.keep(line);
        else if (!found)
            first.push_back(line);
        else
            update(line);
    }
    endSection();
    if (!found)
        for (const auto& l : section) base.put(l);
    base.finish();
}

void AddDish(const std::string& colour, const std::string& region, const std::string& appellation,
             const std::string& course, const std::string& dish) {
    const std::string c = PadText(colour, kColourWidth);
    const std::string r = PadText(region, kRegionWidth);
    const std::string a = PadText(appellation, kAppellationWidth);
    const std::string co = PadText(course, kCourseWidth);
    const std::string d = PadText(dish, kDishWidth);
    Rewrite base(State().files.appellations);
    if (!base.opened()) return;
    const std::string dishLine = DishLine(co, d);
    bool inSection = false;
    bool present = false;
    std::string line;
    while (base.next(line)) {
        if (IsHeader(line)) {
            if (inSection && !present) base.put(dishLine);
            inSection = AppellationHeaderMatches(line, c, r, a);
            present = false;
            base.keep(line);
            continue;
        }
        if (inSection && IsDishLine(line) && Columns(line, 15, kDishWidth) == d &&
            Columns(line, 7, kCourseWidth) == co)
            present = true;
        base.keep(line);
    }
    if (inSection && !present) base.put(dishLine);
    // No matching section: nothing was put, and the file stays as it is.
    base.finish();
}

void AddVintageSection(const std::string& region, const std::string& appellation) {
    const std::string r = PadText(region, kRegionWidth);
    const std::string a = PadText(appellation, kAppellationWidth);
    const std::string& file = State().files.vintages;
    Rewrite chart(file);
    if (!chart.opened()) {
        CreateWithLines(file, {VintageHeader(r, a)});
        return;
    }
    bool met = false;
    std::string line;
    while (chart.next(line)) {
        if (IsHeader(line) && VintageHeaderMatches(line, r, a)) met = true;
        chart.keep(line);
    }
    if (!met) chart.put(VintageHeader(r, a));
    chart.finish();
}

void SetVintageMark(const std::string& region, const std::string& appellation,
                    const std::string& year, const std::string& mark) {
    const std::string r = PadText(region, kRegionWidth);
    const std::string a = PadText(appellation, kAppellationWidth);
    const std::string y = PadText(year, kYearWidth);
    const std::string vintageLine = VintageLine(y, PadText(mark, kMarkWidth));
    Rewrite chart(State().files.vintages);
    if (!chart.opened()) return;
    bool inSection = false;
    bool present = false;
    std::string line;
    while (chart.next(line)) {
        if (IsHeader(line)) {
            if (inSection && !present) chart.put(vintageLine);
            inSection = VintageHeaderMatches(line, r, a);
            present = false;
            chart.keep(line);
            continue;
        }
        if (inSection && IsVintageLine(line) && Columns(line, 7, kYearWidth) == y) {
            present = true;
            chart.replace(line, vintageLine);
            continue;
        }
        chart.keep(line);
    }
    if (inSection && !present) chart.put(vintageLine);
    // No matching section: nothing was put, and the file stays as it is.
    chart.finish();
}

void AddDomaine(const std::string& region, const std::string& appellation,
                const std::string& domaine, const std::string& owner) {
    const std::string trimmedAppellation = RightTrim(appellation);
    if (trimmedAppellation == (IsFrench() ? "Autre appellation" : "Other appellation")) return;
    const std::string r = PadText(region, kRegionWidth);
    const std::string a = PadText(appellation, kAppellationWidth);
    const std::string domaineLine =
        DomaineLine(PadText(domaine, kNameWidth), PadText(owner, kNameWidth));
    const std::string& file = State().files.domaines;
    Rewrite base(file);
    if (!base.opened()) {
        CreateWithLines(file, {DomaineHeader(r, a), domaineLine});
        return;
    }
    const std::string trimmedRegion = RightTrim(region);
    const std::string trimmedDomaine = RightTrim(domaine);
    const std::string trimmedOwner = RightTrim(owner);
    bool inSection = false;
    bool sectionMet = false;
    bool present = false;
    std::string line;
    while (base.next(line)) {
        if (IsHeader(line)) {
            if (inSection && !present) base.put(domaineLine);
            inSection = DomaineHeaderMatchesTrimmed(line, trimmedRegion, trimmedAppellation);
            sectionMet = sectionMet || inSection;
            present = false;
            base.keep(line);
            continue;
        }
        if (inSection && RightTrim(Columns(line, 7, kNameWidth)) == trimmedDomaine) {
            present = true;
            if (RightTrim(Columns(line, 57, kNameWidth)) != trimmedOwner) {
                base.put(domaineLine);
                continue;
            }
        }
        base.keep(line);
    }
    if (!sectionMet) {
        base.put(DomaineHeader(r, a));
        base.put(domaineLine);
    } else if (inSection && !present) {
        base.put(domaineLine);
    }
    base.finish();
}

bool RemoveDomaine(const std::string& region, const std::string& appellation,
                   const std::string& domaine) {
    Rewrite base(State().files.domaines);
    if (!base.opened()) return false;
    const std::string trimmedRegion = RightTrim(region);
    const std::string trimmedAppellation = RightTrim(appellation);
    const std::string trimmedDomaine = RightTrim(domaine);
    bool inSection = false;
    bool removed = false;
    std::string line;
    while (base.next(line)) {
        if (IsHeader(line)) {
            inSection = DomaineHeaderMatchesTrimmed(line, trimmedRegion, trimmedAppellation);
        } else if (inSection && RightTrim(Columns(line, 7, kNameWidth)) == trimmedDomaine) {
            base.drop();
            removed = true;
            continue;
        }
        base.keep(line);
    }
    base.finish();
    return removed;
}

} // namespace store
