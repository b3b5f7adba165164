#include "store/OldVersions.h"

#include <functional>
#include <string>
#include <vector>

#include "store/Files.h"
#include "store/Messages.h"
#include "store/Rebuild.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/Transaction.h"

namespace store {

namespace {

constexpr std::size_t kLineLimit = 255;

enum class Version { V1, V20 };

struct Backups {
    std::string cellar, consumption, appellations, vintages, colours, regions;
};

Backups BackupNames(Version version) {
    const bool french = State().language == DataLanguage::French;
    const std::string cellar = french ? "Cave" : "Cellar";
    const std::string base = french ? "Vins" : "Wines";
    const std::string old = version == Version::V1 ? ".13" : ".20";
    return {cellar + old,
            "Stat" + old,
            base + old,
            (french ? "Annee" : "Year") + std::string(".20"),
            (french ? "Couleur" : "Colour") + std::string(".20"),
            (french ? "Region" : "Country") + std::string(".20")};
}

std::string Field(std::string_view line, std::size_t first, std::size_t count) {
    return std::string(Columns(line, first, count));
}

// English region names of the old files become French ones when the program is in French.
std::string Region(std::string_view text) {
    if (State().language != DataLanguage::French) return std::string(text);
    std::string region = TranslateTerm(text, false, 20);
    if (region.size() > 20) region.resize(20);
    return region;
}

std::vector<std::string> ReadLines(const std::string& name, bool& exists) {
    std::vector<std::string> lines;
    LineReader in;
    exists = OpenTextForReading(in, name);
    if (!exists) return lines;
    std::string line;
    while (in.readLine(line, kLineLimit))
        lines.push_back(line);
    return lines;
}

void ConvertCellar(Version version, const std::string& source, const std::string& target) {
    bool exists = false;
    const std::vector<std::string> lines = ReadLines(source, exists);
    if (!exists) return;
    std::vector<CellarWine> wines;
    for (std::size_t i = 0; i < lines.size(); i += 3) {
        if (i + 3 > lines.size()) {
            for (std::size_t missing = lines.size(); missing < i + 3; ++missing)
                ShowMessage(1);
            break;
        }
        const std::string_view l1 = lines[i], l2 = lines[i + 1], l3 = lines[i + 2];
        CellarWine w;
        w.colour = Field(l1, 1, 5);
        w.region = Region(Field(l1, 6, 20));
        w.quantity = Field(l1, 26, 2);
        w.price = Field(l1, 28, 8);
        w.purchaseDate = Field(l1, 36, 10);
        w.peakYear = Field(l1, 46, 4);
        w.vintage = Field(l1, 50, 4);
        w.appellation = Field(l2, 1, 30);
        if (version == Version::V1) {
            w.mark = RightTrim(Columns(l1, 54, 9));
            w.domaine = Field(l2, 31, 30);
            w.location = Field(l2, 61, 6);
            w.remarks = Field(l3, 1, 30);
        } else {
            w.mark = Field(l1, 54, 10);
            w.bottleFormat = Field(l1, 64, 10);
            w.domaine = Field(l2, 31, 50);
            w.location = Field(l2, 81, 10);
            w.remarks = Field(l3, 1, 50);
            w.owner = Field(l3, 51, 50);
        }
        wines.push_back(std::move(w));
    }
    WriteCellarFile(target, CellarAfterInserts({}, std::move(wines)));
}

void ConvertHistory(Version version, const std::string& source, const std::string& target) {
    bool exists = false;
    const std::vector<std::string> lines = ReadLines(source, exists);
    if (!exists) return;
    const bool v1 = version == Version::V1;
    const std::size_t domaineWidth = v1 ? 30 : 50;
    std::vector<ConsumedWine> entries;
    for (const std::string& line : lines) {
        ConsumedWine e;
        std::size_t column = 1;
        const auto next = [&](std::size_t width) {
            std::string text = Field(line, column, width);
            column += width;
            return text;
        };
        e.colour = next(5);
        e.region = Region(next(20));
        e.appellation = next(30);
        e.domaine = next(domaineWidth);
        e.vintage = next(4);
        e.quantity = next(2);
        e.drinkDate = next(10);
        e.guests = next(30);
        e.comments = next(50);
        e.mark = RightTrim(next(v1 ? 9 : 10));
        entries.push_back(std::move(e));
    }
    WriteHistoryFile(target, HistoryAfterInserts({}, std::move(entries)));
}

template <class Convert>
void ConvertLines(const std::string& source, const std::string& target, Convert convert) {
    bool exists = false;
    const std::vector<std::string> lines = ReadLines(source, exists);
    if (!exists) return;
    SafeFileWriter out(target);
    for (const std::string& line : lines)
        out.writeLine(convert(line));
    out.commit();
}

bool IsHeader(std::string_view line) {
    return !line.empty() && line[0] == '[';
}

bool CopyFile(const std::string& from, const std::string& to) {
    std::string bytes;
    if (!ReadWholeFile(from, bytes)) return false;
    SafeFileWriter out(to);
    out.write(bytes);
    out.commit();
    return true;
}

void Convert(Version version, const std::function<void()>& record) {
    const DataFileNames& files = State().files;
    const Backups backups = BackupNames(version);
    const std::pair<const std::string*, const std::string*> pairs[] = {
        {&files.cellar, &backups.cellar},     {&files.consumption, &backups.consumption},
        {&files.vintages, &backups.vintages}, {&files.colours, &backups.colours},
        {&files.regions, &backups.regions},   {&files.appellations, &backups.appellations},
    };
    // One transaction: the copies, the converted files and the recorded version appear together,
    // so a conversion is never half done and never resumed from copies left by another run.
    // Until it commits every file read below is still the old one.
    Transaction transaction;
    for (const auto& [current, backup] : pairs)
        if (!CopyFile(*current, *backup)) DeleteFileIfPresent(*backup);

    ConvertCellar(version, files.cellar, files.cellar);
    ConvertHistory(version, files.consumption, files.consumption);
    ConvertLines(files.vintages, files.vintages, [](const std::string& line) {
        if (!IsHeader(line)) return line;
        return "[" + Region(Columns(line, 2, 20)) + "](" + Field(line, 24, 30) + ")";
    });
    ConvertLines(files.colours, files.colours,
                 [](const std::string& line) { return PadText(line, 10); });
    ConvertLines(files.regions, files.regions,
                 [](const std::string& line) { return PadText(line, 20); });
    ConvertLines(files.appellations, files.appellations, [](const std::string& line) {
        if (!IsHeader(line)) return line;
        return "[" + Region(Columns(line, 2, 20)) + "][" + PadText(Columns(line, 24, 5), 10) +
               "][" + Field(line, 31, 30) + "]";
    });
    if (record) record();
    transaction.commit();
}

} // namespace

void ConvertVersion1Files(const std::function<void()>& record) {
    Convert(Version::V1, record);
}
void ConvertVersion2Files(const std::function<void()>& record) {
    Convert(Version::V20, record);
}

} // namespace store
