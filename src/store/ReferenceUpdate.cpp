#include "store/ReferenceUpdate.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <string_view>
#include <unordered_map>

#include "store/DataSetFiles.h"
#include "store/Files.h"
#include "store/RefBases.h"
#include "store/State.h"
#include "store/Text.h"

namespace store {

namespace {

bool IsHeader(std::string_view line) {
    return !line.empty() && line[0] == '[';
}

bool ColumnIs(std::string_view line, std::size_t column, char c) {
    return line.size() >= column && line[column - 1] == c;
}

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

std::string Copy(std::string_view text) {
    return std::string(text);
}

// A base as sections, each reachable by its key, so that every merged line costs one look-up
// instead of a pass over the file.
class SectionedBase {
public:
    using KeyOf = std::string (*)(std::string_view header);

    SectionedBase(std::vector<std::string> lines, KeyOf keyOf) : keyOf_(keyOf) {
        for (auto& line : lines) {
            if (IsHeader(line))
                addSection(std::move(line));
            else if (sections_.empty())
                preamble_.push_back(std::move(line));
            else
                sections_.back().body.push_back(std::move(line));
        }
    }

    struct Section {
        std::string header;
        std::vector<std::string> body;
    };

    // The sections with this key, in file order.
    const std::vector<std::size_t>& matching(const std::string& key) const {
        static const std::vector<std::size_t> none;
        const auto it = index_.find(key);
        return it == index_.end() ? none : it->second;
    }

    Section& at(std::size_t i) { return sections_[i]; }

    Section& append(std::string header) {
        changed_ = true;
        return addSection(std::move(header));
    }

    void markChanged() { changed_ = true; }

    MergedBase lines() && {
        MergedBase out;
        out.changed = changed_;
        out.lines = std::move(preamble_);
        for (auto& s : sections_) {
            out.lines.push_back(std::move(s.header));
            for (auto& l : s.body)
                out.lines.push_back(std::move(l));
        }
        return out;
    }

private:
    Section& addSection(std::string header) {
        index_[keyOf_(header)].push_back(sections_.size());
        sections_.push_back({std::move(header), {}});
        return sections_.back();
    }

    KeyOf keyOf_;
    std::vector<std::string> preamble_;
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::vector<std::size_t>> index_;
    bool changed_ = false;
};

// The looked-up values are padded to their full widths, so a header matches exactly when the
// concatenation of its columns equals theirs.
std::string AppellationKeyOf(std::string_view header) {
    return Copy(Columns(header, 2, 20)) + Copy(Columns(header, 24, 10)) +
           Copy(Columns(header, 36, 30));
}

std::string VintageKeyOf(std::string_view header) {
    return Copy(Columns(header, 2, 20)) + Copy(Columns(header, 24, 30));
}

void Replace(SectionedBase& base, std::string& line, std::string value) {
    if (line == value) return;
    line = std::move(value);
    base.markChanged();
}

// ----------------------------------------- the base operations, on the sections in memory

void AddAppellationTo(SectionedBase& base, const std::string& c, const std::string& r,
                      const std::string& a, const std::string& keeping,
                      const std::string& temperature) {
    const bool french = State().language == DataLanguage::French;
    const std::string temperatureLine = "   Temp =" + RightTrim(temperature);
    const std::string keepingValue = RightTrim(keeping);
    const std::string keepingLine = (french ? "   Garde=" : "   Keep =") + keepingValue;
    const std::string dishesLine = french ? "   Plats=" : "   Dishes=";
    bool found = false;
    for (const std::size_t i : base.matching(r + c + a)) {
        auto& body = base.at(i).body;
        if (body.empty()) {
            // An empty section gets the lines of a new one, only when none met before had lines.
            if (found) continue;
            body = {temperatureLine, keepingLine, dishesLine};
            base.markChanged();
            found = true;
            continue;
        }
        if (!found) {
            // The first section lacking a key line gets it, as the base operation adds it.
            bool temperatureMet = false, keepingMet = false;
            for (const auto& line : body) {
                temperatureMet = temperatureMet || IsTemperatureLine(line);
                keepingMet = keepingMet || IsKeepingLine(line);
            }
            if (!keepingMet && !keepingValue.empty()) {
                auto at = body.begin();
                if (temperatureMet)
                    at = std::find_if(body.begin(), body.end(),
                                      [](const std::string& l) { return IsTemperatureLine(l); }) +
                         1;
                body.insert(at, keepingLine);
                base.markChanged();
            }
            if (!temperatureMet && !RightTrim(temperature).empty()) {
                body.insert(body.begin(), temperatureLine);
                base.markChanged();
            }
        }
        found = true;
        for (auto& line : body) {
            if (IsTemperatureLine(line))
                Replace(base, line, temperatureLine);
            else if (IsKeepingLine(line))
                Replace(base, line, "   " + Copy(Columns(line, 4, 6)) + keepingValue);
        }
    }
    if (!found)
        base.append(AppellationHeader(c, r, a)).body = {temperatureLine, keepingLine, dishesLine};
}

// A dish already in the section in another padding counts as present, so that a dish line
// written without its trailing blanks is not added a second time.
void AddDishTo(SectionedBase& base, const std::string& c, const std::string& r,
               const std::string& a, const std::string& course, const std::string& dish) {
    const std::string co = PadText(course, 7);
    const std::string d = PadText(dish, 30);
    const std::string trimmedCourse = RightTrim(co);
    const std::string trimmedDish = RightTrim(d);
    for (const std::size_t i : base.matching(r + c + a)) {
        auto& body = base.at(i).body;
        bool present = false;
        for (const auto& line : body)
            if (IsDishLine(line) && RightTrim(Columns(line, 15, 30)) == trimmedDish &&
                RightTrim(Columns(line, 7, 7)) == trimmedCourse) {
                present = true;
                break;
            }
        if (!present) {
            body.push_back(Blanks(6) + co + ":" + d);
            base.markChanged();
        }
    }
}

void AddVintageSectionTo(SectionedBase& base, const std::string& r, const std::string& a) {
    if (base.matching(r + a).empty()) base.append(VintageHeader(r, a));
}

void SetVintageMarkTo(SectionedBase& base, const std::string& r, const std::string& a,
                      const std::string& year, const std::string& mark) {
    const std::string y = PadText(year, 4);
    const std::string vintageLine = Blanks(6) + y + "," + PadText(mark, 2);
    for (const std::size_t i : base.matching(r + a)) {
        auto& body = base.at(i).body;
        bool present = false;
        for (auto& line : body)
            if (IsVintageLine(line) && Columns(line, 7, 4) == y) {
                present = true;
                Replace(base, line, vintageLine);
            }
        if (!present) {
            body.push_back(vintageLine);
            base.markChanged();
        }
    }
}

// The lines as the base operations read them.
std::vector<std::string> LinesOf(const std::string& name) {
    std::vector<std::string> lines;
    LineReader in;
    if (!OpenTextForReading(in, name)) throw IoError::FromErrno(ENOENT, name);
    std::string line;
    while (in.readLine(line, LineReader::kNoLimit))
        lines.push_back(line);
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

// Follows a file claimed to be a base line by line against the grammar its first line claims.
class GrammarCheck {
public:
    // False at the first line that base cannot hold.
    bool take(const std::string& line) {
        ++lines_;
        const bool first = lines_ == 1;
        if (first) {
            if (!IsHeader(line)) return false;
            chart_ = ColumnIs(line, 23, '(');
        }
        if (chart_ ? IsVintageChartLine(line, first) : IsAppellationBaseLine(line, first))
            return true;
        badLine_ = lines_;
        return false;
    }
    std::size_t lines() const { return lines_; }
    ReferenceKind kind() const {
        return chart_ ? ReferenceKind::VintageChart : ReferenceKind::AppellationBase;
    }
    // 0 when the first line is no header or every line was taken.
    std::size_t badLine() const { return badLine_; }

private:
    std::size_t lines_ = 0;
    std::size_t badLine_ = 0;
    bool chart_ = false;
};

} // namespace

ReferenceKind KindOfReference(const std::string& firstLine) {
    return ColumnIs(firstLine, 23, '(') ? ReferenceKind::VintageChart
                                        : ReferenceKind::AppellationBase;
}

MergedBase MergeAppellationBase(std::vector<std::string> reference,
                                const std::vector<std::string>& previous) {
    SectionedBase base(std::move(reference), AppellationKeyOf);
    // Each section of the previous base is merged once it has been read whole: its temperature
    // and keeping period are then known whatever the order of their lines, and its section
    // exists before its dishes are added.
    std::string colour, region, appellation, temperature, keeping;
    bool inSection = false, keepingMet = false, temperatureMet = false;
    std::vector<std::pair<std::string, std::string>> dishes;
    const auto endSection = [&] {
        if (keepingMet)
            AddAppellationTo(base, colour, region, appellation, keeping, temperature);
        else if (inSection && (temperatureMet || !dishes.empty()) &&
                 base.matching(region + colour + appellation).empty())
            // A section the reference lacks is added even without a keeping line, so that its
            // dishes and temperature are not lost.
            AddAppellationTo(base, colour, region, appellation, "", temperature);
        for (const auto& [course, dish] : dishes)
            AddDishTo(base, colour, region, appellation, course, dish);
        dishes.clear();
        temperature.clear();
        keeping.clear();
        keepingMet = temperatureMet = false;
    };
    for (const auto& line : previous) {
        if (IsHeader(line)) {
            endSection();
            inSection = true;
            colour = PadText(Columns(line, 24, 10), 10);
            region = PadText(Columns(line, 2, 20), 20);
            appellation = PadText(Columns(line, 36, 30), 30);
        } else if (IsTemperatureLine(line)) {
            // The last key line of a section is the one the look-ups read.
            temperature = RightTrim(Columns(line, 10, 50));
            temperatureMet = true;
        } else if (IsKeepingLine(line)) {
            keeping = RightTrim(Columns(line, 10, 50));
            keepingMet = true;
        } else if (IsDishLine(line)) {
            dishes.emplace_back(Copy(Columns(line, 7, 7)), Copy(Columns(line, 15, 30)));
        }
    }
    endSection();
    return std::move(base).lines();
}

MergedBase MergeVintageChart(std::vector<std::string> reference,
                             const std::vector<std::string>& previous) {
    SectionedBase chart(std::move(reference), VintageKeyOf);
    std::string region = PadText("", 20), appellation = PadText("", 30);
    for (const auto& line : previous) {
        if (IsHeader(line)) {
            region = PadText(Columns(line, 2, 20), 20);
            appellation = PadText(Columns(line, 24, 30), 30);
            AddVintageSectionTo(chart, region, appellation);
        } else if (IsVintageLine(line)) {
            // A blank or stray line holds no vintage: taken as one it would add a vintage
            // without a year to the new chart.
            SetVintageMarkTo(chart, region, appellation, Copy(Columns(line, 7, 4)),
                             Copy(Columns(line, 12, 10)));
        }
    }
    return std::move(chart).lines();
}

ReferenceUpdateResult UpdateFromReference(const std::string& chosenFile) {
    ReferenceUpdateResult result;
    // A data file would be moved into the base and lost under its own name.
    result.dataSetFile = DataSetFileAt(chosenFile);
    if (!result.dataSetFile.empty()) {
        result.outcome = ReferenceOutcome::DataSetFile;
        return result;
    }
    // The whole file is checked, line by line, before any of it is held or written.
    {
        LineReader in;
        if (!OpenTextForReading(in, chosenFile)) return result;
        GrammarCheck check;
        std::string line;
        bool followed = true;
        while (followed && in.readLine(line, kLongestBaseLine + 1))
            followed = check.take(line);
        if (!followed || check.lines() == 0) {
            result.outcome = ReferenceOutcome::NotABase;
            result.kind = check.kind();
            result.badLine = check.badLine();
            return result;
        }
    }
    std::string reference;
    if (!ReadWholeFile(chosenFile, reference)) return result;
    const std::vector<std::string> referenceLines = LinesOf(chosenFile);
    // The lines merged are the lines checked, even when the file changed in between.
    GrammarCheck again;
    for (const std::string& line : referenceLines)
        if (!again.take(line)) break;
    if (referenceLines.empty() || again.badLine() != 0 || !IsHeader(referenceLines.front())) {
        result.outcome = ReferenceOutcome::NotABase;
        result.kind = again.kind();
        result.badLine = again.badLine();
        return result;
    }
    result.kind = KindOfReference(referenceLines.front());
    const bool chart = result.kind == ReferenceKind::VintageChart;
    const std::string& target = chart ? State().files.vintages : State().files.appellations;
    const std::string kept = chart ? kKeptVintageChart : kKeptAppellationBase;

    std::string previous;
    const bool hadBase = ReadWholeFile(target, previous);
    std::string merged = reference;
    std::unique_ptr<SafeFileWriter> keptWriter;
    if (hadBase) {
        const std::vector<std::string> previousLines = LinesOf(target);
        MergedBase m = chart ? MergeVintageChart(referenceLines, previousLines)
                             : MergeAppellationBase(referenceLines, previousLines);
        if (m.changed) merged = Joined(m.lines);
        keptWriter = std::make_unique<SafeFileWriter>(kept);
        keptWriter->write(previous);
        keptWriter->finish();
    }
    // Both files are whole on disk before either replaces its target; the kept copy goes
    // first, so that a failure between the two still leaves the previous base somewhere.
    SafeFileWriter baseWriter(target);
    baseWriter.write(merged);
    baseWriter.finish();
    if (keptWriter) keptWriter->commit();
    baseWriter.commit();

    result.outcome = ReferenceOutcome::Updated;
    result.sourceLeft = !TryRemoveFile(chosenFile);
    return result;
}

} // namespace store
