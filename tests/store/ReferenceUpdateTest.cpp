// Updating the appellation base or the vintage chart from a reference file: the merge against
// the same update made as a sequence of whole-file base operations, the user's values winning,
// the files left behind, and what a refused file or a failure leaves.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "store/DataSetFiles.h"
#include "store/Files.h"
#include "store/RefBases.h"
#include "store/ReferenceUpdate.h"
#include "store/State.h"
#include "store/Text.h"
#include "support/TestDirs.h"

using namespace store;
using testsupport::CrLf;
using testsupport::Exists;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;
namespace fs = std::filesystem;

namespace {

void SetLanguage(DataLanguage language) {
    State().language = language;
    SetDataFileNames(language);
}

std::vector<std::string> Lines(const std::string& name) {
    std::vector<std::string> lines;
    LineReader in;
    if (!OpenTextForReading(in, name)) return lines;
    std::string line;
    while (in.readLine(line))
        lines.push_back(line);
    return lines;
}

std::string Str(std::string_view s) {
    return std::string(s);
}

// The update as one base operation per line of the previous base, each rewriting the file.
void UpdateStepByStep(const std::string& chosen) {
    const std::string first = Lines(chosen).at(0);
    const bool chart = first.size() >= 23 && first[22] == '(';
    const std::string target = chart ? State().files.vintages : State().files.appellations;
    const std::string kept = chart ? "Annee.maj" : "Vins.maj";
    if (!Exists(target)) {
        ASSERT_EQ(std::rename(chosen.c_str(), target.c_str()), 0);
        return;
    }
    ASSERT_EQ(std::rename(target.c_str(), kept.c_str()), 0);
    ASSERT_EQ(std::rename(chosen.c_str(), target.c_str()), 0);
    // A section of the previous base is replayed once read whole: its values in one call
    // whatever the order of its key lines, a section the base lacks made before its dishes.
    std::string colour, region, appellation, temperature, keeping;
    bool inSection = false, keepingMet = false, temperatureMet = false;
    std::vector<std::pair<std::string, std::string>> dishes;
    const auto endSection = [&] {
        if (keepingMet)
            AddAppellation(colour, region, appellation, keeping, temperature);
        else if (inSection && (temperatureMet || !dishes.empty()) &&
                 !AppellationDetails(colour, region, appellation).found)
            AddAppellation(colour, region, appellation, "", temperature);
        for (const auto& [course, dish] : dishes)
            AddDish(colour, region, appellation, course, dish);
        dishes.clear();
        temperature.clear();
        keeping.clear();
        keepingMet = temperatureMet = false;
    };
    for (const std::string& line : Lines(kept)) {
        const std::string key = Str(Columns(line, 4, 6));
        if (!line.empty() && line[0] == '[') {
            if (!chart) endSection();
            region = Str(Columns(line, 2, 20));
            if (chart) {
                appellation = Str(Columns(line, 24, 30));
                AddVintageSection(region, appellation);
            } else {
                inSection = true;
                colour = Str(Columns(line, 24, 10));
                appellation = Str(Columns(line, 36, 30));
            }
        } else if (chart) {
            if (line.size() >= 11 && line[10] == ',')
                SetVintageMark(region, appellation, Str(Columns(line, 7, 4)),
                               Str(Columns(line, 12, 10)));
        } else if (key == "Temp =") {
            temperature = RightTrim(Columns(line, 10, 50));
            temperatureMet = true;
        } else if (key == "Garde=" || key == "Keep =") {
            keeping = RightTrim(Columns(line, 10, 50));
            keepingMet = true;
        } else if (line.size() >= 14 && line[13] == ':') {
            dishes.emplace_back(Str(Columns(line, 7, 7)), Str(Columns(line, 15, 30)));
        }
    }
    if (!chart) endSection();
}

// Runs both ways from the same files and compares every byte of the results.
void ExpectSameAsStepByStep(const std::string& previous, const std::string& reference, bool chart,
                            const std::string& what) {
    const std::string target = chart ? State().files.vintages : State().files.appellations;
    const std::string kept = chart ? "Annee.maj" : "Vins.maj";
    std::vector<std::string> results;
    for (int way = 0; way < 2; ++way) {
        DeleteFileIfPresent(kept);
        WriteFileBytes(target, previous);
        WriteFileBytes("new.ref", reference);
        if (way == 0)
            UpdateStepByStep("new.ref");
        else
            EXPECT_EQ(UpdateFromReference("new.ref").outcome, ReferenceOutcome::Updated) << what;
        EXPECT_FALSE(Exists("new.ref")) << what;
        EXPECT_EQ(ReadFileBytes(kept), previous) << what;
        results.push_back(ReadFileBytes(target));
    }
    EXPECT_EQ(results[1], results[0]) << what;
}

std::string Header(const std::string& c, const std::string& r, const std::string& a) {
    return AppellationHeader(PadText(c, 10), PadText(r, 20), PadText(a, 30));
}
std::string YearHeader(const std::string& r, const std::string& a) {
    return VintageHeader(PadText(r, 20), PadText(a, 30));
}
std::string DishLine(const std::string& course, const std::string& dish) {
    return "      " + PadText(course, 7) + ":" + PadText(dish, 30);
}

// Small bases from few names, so that sections meet, repeat, lack lines or come empty.
struct Fixtures {
    std::mt19937 rng;
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    std::string appellationBase(bool preamble = false) {
        static const char* regions[] = {"Bordeaux", "Loire", "Alsace"};
        static const char* colours[] = {"Rouge", "Blanc"};
        static const char* names[] = {"Graves", "Chinon", "Sylvaner"};
        static const char* courses[] = {"Plats", "Fromage", "Dessert"};
        static const char* dishes[] = {"Gigot", "Brie", "Tarte", "Canard"};
        std::vector<std::string> lines;
        if (preamble && pick(3) == 0) lines.push_back("; sans section");
        for (int s = 0, n = 1 + pick(6); s < n; ++s) {
            lines.push_back(Header(colours[pick(2)], regions[pick(3)], names[pick(3)]));
            const int shape = pick(6);
            if (shape == 0) continue; // bare header
            const std::string temp = "   Temp =" + std::to_string(8 + pick(4)) + " C";
            const std::string keep =
                (pick(3) ? "   Garde=" : "   Keep =") + std::to_string(pick(9)) + " ans";
            if (shape == 1) {
                lines.push_back(keep); // keeping before the temperature
                lines.push_back(temp);
            } else if (shape == 2) {
                lines.push_back(temp); // no keeping line
            } else if (shape == 3) {
                lines.push_back(temp); // dishes before the keeping line
                lines.push_back("   Plats=");
                lines.push_back(DishLine(courses[pick(3)], dishes[pick(4)]));
                lines.push_back(keep);
                continue;
            } else {
                lines.push_back(temp);
                lines.push_back(keep);
            }
            lines.push_back("   Plats=");
            for (int d = 0, m = pick(4); d < m; ++d)
                lines.push_back(DishLine(courses[pick(3)], dishes[pick(4)]));
        }
        return CrLf(lines);
    }

    std::string vintageChart() {
        static const char* regions[] = {"Bordeaux", "Loire"};
        static const char* names[] = {"Graves", "Chinon", "Sancerre"};
        std::vector<std::string> lines;
        for (int s = 0, n = 1 + pick(5); s < n; ++s) {
            lines.push_back(YearHeader(regions[pick(2)], names[pick(3)]));
            for (int v = 0, m = pick(5); v < m; ++v)
                lines.push_back("      " + std::to_string(1990 + pick(4)) + "," +
                                std::to_string(10 + pick(10)));
        }
        return CrLf(lines);
    }
};

class ReferenceUpdateTest : public testsupport::DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        SetLanguage(DataLanguage::French);
        files_testing::SetSyncOnCommit(false);
    }
    std::string base() const { return ReadFileBytes(State().files.appellations); }
    std::string chart() const { return ReadFileBytes(State().files.vintages); }
};

TEST_F(ReferenceUpdateTest, RandomBasesGiveTheBytesOfTheOperationsInTurn) {
    Fixtures f{std::mt19937(19)};
    for (int round = 0; round < 300; ++round) {
        SetLanguage(round % 2 ? DataLanguage::English : DataLanguage::French);
        const std::string what = "round " + std::to_string(round);
        ExpectSameAsStepByStep(f.appellationBase(true), f.appellationBase(), false, what);
        ExpectSameAsStepByStep(f.vintageChart(), f.vintageChart(), true, what);
    }
}

// A reference made from a shipped base: some sections gone, some values changed.
std::string Perturbed(const std::string& file, std::mt19937& rng) {
    std::vector<std::string> out;
    bool dropSection = false;
    for (const std::string& line : Lines(file)) {
        const unsigned roll = rng() % 20;
        if (line[0] == '[') dropSection = roll == 0;
        if (dropSection) continue;
        if (line[0] != '[' && roll == 1) continue;
        if (roll == 2 && Columns(line, 4, 6) == "Temp =") {
            out.push_back("   Temp =6 a 8");
            continue;
        }
        if (roll == 3 && line.size() > 11 && line[10] == ',') {
            out.push_back(line.substr(0, 11) + "01");
            continue;
        }
        out.push_back(line);
    }
    return CrLf(out);
}

TEST_F(ReferenceUpdateTest, ShippedBasesGiveTheBytesOfTheOperationsInTurn) {
    const struct {
        const char* folder;
        DataLanguage language;
        const char* base;
        const char* chart;
    } shipped[] = {{"fr", DataLanguage::French, "Vins.dat", "Annee.dat"},
                   {"en", DataLanguage::English, "Wines.dat", "Year.dat"}};
    std::mt19937 rng(7);
    for (const auto& s : shipped) {
        SetLanguage(s.language);
        const fs::path dir = fs::path(TONNELIX_SOURCE_DIR) / "data" / s.folder;
        const std::string shippedBase = ReadFileBytes(dir / s.base);
        const std::string shippedChart = ReadFileBytes(dir / s.chart);
        WriteFileBytes("copy", shippedBase);
        const std::string refBase = Perturbed("copy", rng);
        WriteFileBytes("copy", shippedChart);
        const std::string refChart = Perturbed("copy", rng);
        ExpectSameAsStepByStep(shippedBase, refBase, false, s.base);
        ExpectSameAsStepByStep(refBase, shippedBase, false, s.base);
        ExpectSameAsStepByStep(shippedChart, refChart, true, s.chart);
        ExpectSameAsStepByStep(shippedBase, shippedBase, false, "same base");
    }
}

const std::string kGraves = Header("Rouge", "Bordeaux", "Graves");
const std::string kChinon = Header("Rouge", "Loire", "Chinon");

TEST_F(ReferenceUpdateTest, TheUsersValuesWinAndWhatOnlyOneSideHasStays) {
    WriteFileBytes(State().files.appellations,
                   CrLf({kGraves, "   Temp =17 C", "   Garde=10 ans", "   Plats=",
                         DishLine("Plats", "Gigot"), "      Dessert:Tarte", kChinon, "   Temp =15",
                         "   Garde=5 ans", "   Plats=", DishLine("Fromage", "Brie")}));
    WriteFileBytes("Nouveau.ref", CrLf({kGraves, "   Temp =16 C", "   Garde=8 ans", "   Plats=",
                                        DishLine("Plats", "Canard"), "      Dessert:Tarte"}));
    const ReferenceUpdateResult r = UpdateFromReference("Nouveau.ref");
    EXPECT_EQ(r.outcome, ReferenceOutcome::Updated);
    EXPECT_EQ(r.kind, ReferenceKind::AppellationBase);
    // The short dish line of both sides is one dish, not added again padded.
    EXPECT_EQ(base(), CrLf({kGraves, "   Temp =17 C", "   Garde=10 ans",
                            "   Plats=", DishLine("Plats", "Canard"), "      Dessert:Tarte",
                            DishLine("Plats", "Gigot"), kChinon, "   Temp =15", "   Garde=5 ans",
                            "   Plats=", DishLine("Fromage", "Brie")}));
    EXPECT_FALSE(Exists("Nouveau.ref"));
}

TEST_F(ReferenceUpdateTest, TheUsersMarksWinInTwoColumnsAndReferenceVintagesStay) {
    const std::string graves = YearHeader("Bordeaux", "Graves");
    const std::string chinon = YearHeader("Loire", "Chinon");
    const std::string previous =
        CrLf({graves, "      1990,18", "      1995,7         x", chinon, "      2000,12"});
    WriteFileBytes(State().files.vintages, previous);
    // Named as a base, but "(" in column 23 makes it a chart.
    WriteFileBytes("Vins.ref", CrLf({graves, "      1990,15", "      1985,11"}));
    EXPECT_EQ(UpdateFromReference("Vins.ref").kind, ReferenceKind::VintageChart);
    EXPECT_EQ(chart(), CrLf({graves, "      1990,18", "      1985,11", "      1995,7 ", chinon,
                             "      2000,12"}));
    EXPECT_EQ(ReadFileBytes("Annee.maj"), previous);
    EXPECT_FALSE(Exists("Vins.maj"));
}

// A reference section without a keeping or temperature line still takes the user's values, so
// that they are not lost, and taking the same reference again changes nothing.
TEST_F(ReferenceUpdateTest, TheUsersValuesReachASectionWithoutItsKeyLines) {
    const std::string previous =
        CrLf({kGraves, "   Temp =17 C", "   Garde=10 ans", "   Plats=", kChinon, "   Temp =15",
              "   Garde=5 ans", "   Plats="});
    WriteFileBytes(State().files.appellations, previous);
    const std::string reference = CrLf(
        {kGraves, "   Temp =16", "   Plats=", DishLine("Plats", "Gigot"), kChinon, "   Plats="});
    WriteFileBytes("a.ref", reference);
    WriteFileBytes("b.ref", reference);
    UpdateFromReference("a.ref");
    const std::string once =
        CrLf({kGraves, "   Temp =17 C", "   Garde=10 ans", "   Plats=", DishLine("Plats", "Gigot"),
              kChinon, "   Temp =15", "   Garde=5 ans", "   Plats="});
    EXPECT_EQ(base(), once);
    UpdateFromReference("b.ref");
    EXPECT_EQ(base(), once);
}

// Whatever the order of the lines of the user's section, its temperature and keeping period win
// and its dishes are there afterwards, in a section the reference has or lacks.
TEST_F(ReferenceUpdateTest, TheUsersSectionIsKeptWhateverTheOrderOfItsLines) {
    const std::string sylvaner = Header("Blanc", "Alsace", "Sylvaner");
    WriteFileBytes(State().files.appellations,
                   CrLf({kGraves, "   Garde=10 ans", "   Temp =17 C", "   Plats=",
                         kChinon, "   Temp =15", "   Plats=", DishLine("Fromage", "Brie"),
                         "   Garde=5 ans", sylvaner, "   Temp =9", "   Plats=",
                         DishLine("Plats", "Choucroute")}));
    WriteFileBytes("a.ref", CrLf({kGraves, "   Temp =16 C", "   Garde=8 ans", "   Plats="}));
    UpdateFromReference("a.ref");
    EXPECT_EQ(base(), CrLf({kGraves, "   Temp =17 C", "   Garde=10 ans", "   Plats=", kChinon,
                            "   Temp =15", "   Garde=5 ans", "   Plats=",
                            DishLine("Fromage", "Brie"), sylvaner, "   Temp =9", "   Garde=",
                            "   Plats=", DishLine("Plats", "Choucroute")}));
}

// A blank or stray line of the previous chart is no vintage: it must not add one without a year,
// and taking the same reference twice then gives the same chart.
TEST_F(ReferenceUpdateTest, LinesThatAreNoVintageAddNoVintage) {
    const std::string graves = YearHeader("Bordeaux", "Graves");
    const std::string reference = CrLf({graves, "      1990,15", "", "      1991,12"});
    WriteFileBytes(State().files.vintages, CrLf({graves, "      1990,18", "", "  x"}));
    WriteFileBytes("a.ref", reference);
    WriteFileBytes("b.ref", reference);
    UpdateFromReference("a.ref");
    const std::string once = CrLf({graves, "      1990,18", "", "      1991,12"});
    EXPECT_EQ(chart(), once);
    UpdateFromReference("b.ref");
    EXPECT_EQ(chart(), once);
    EXPECT_EQ(VintageMarks(PadText("Bordeaux", 20), PadText("Graves", 30)).size(), 2u);
}

TEST_F(ReferenceUpdateTest, ALaterUpdateReplacesTheKeptPreviousBase) {
    const std::string first = CrLf({kGraves, "   Temp =17", "   Garde=10 ans"});
    WriteFileBytes(State().files.appellations, first);
    WriteFileBytes("a.ref", CrLf({kChinon, "   Temp =15", "   Garde=5 ans"}));
    UpdateFromReference("a.ref");
    const std::string second = base();
    WriteFileBytes("b.ref", CrLf({kChinon, "   Temp =14", "   Garde=4 ans"}));
    EXPECT_EQ(UpdateFromReference("b.ref").outcome, ReferenceOutcome::Updated);
    EXPECT_EQ(ReadFileBytes("Vins.maj"), second);
    EXPECT_EQ(base(), CrLf({kChinon, "   Temp =15", "   Garde=5 ans", kGraves, "   Temp =17",
                            "   Garde=10 ans", "   Plats="}));
}

TEST_F(ReferenceUpdateTest, WithoutABaseTheReferenceBecomesItAsItIs) {
    const std::string reference =
        "[Loire               ](Chinon                        )\n      2000,12";
    fs::create_directory("sub");
    WriteFileBytes("sub/x.ref", reference);
    EXPECT_EQ(UpdateFromReference("sub/x.ref").outcome, ReferenceOutcome::Updated);
    EXPECT_EQ(chart(), reference);
    EXPECT_FALSE(Exists("sub/x.ref"));
    EXPECT_FALSE(Exists("Annee.maj"));
}

TEST_F(ReferenceUpdateTest, AFileThatIsNoBaseChangesNothing) {
    const std::string previous = CrLf({kGraves, "   Temp =17"});
    WriteFileBytes(State().files.appellations, previous);
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {{"empty", ""},
                 {"text without header", "Bonjour\r\n[Bordeaux]\r\n"},
                 {"binary", std::string("[\0\x89PNG", 5)}};
    for (const auto& c : cases) {
        WriteFileBytes("x.ref", c.bytes);
        EXPECT_EQ(UpdateFromReference("x.ref").outcome, ReferenceOutcome::NotABase) << c.name;
        EXPECT_EQ(ReadFileBytes("x.ref"), c.bytes) << c.name;
    }
    EXPECT_EQ(UpdateFromReference("missing.ref").outcome, ReferenceOutcome::NotFound);
    EXPECT_EQ(base(), previous);
    EXPECT_FALSE(Exists("Vins.maj"));
}

// Every file of the data folder and the settings file, in both languages, with bytes that a
// careless update would move or replace.
std::map<std::string, std::string> FillDataSet(const std::string& settings) {
    std::map<std::string, std::string> files;
    for (const std::string& name : DataSetFileNames())
        files[name] = CrLf({kGraves, "   Temp =17", "   Garde=10 ans", "   Plats=", name});
    // As they are in a real data set: a domaine base and a maturity table that could be taken
    // for the bases they are not.
    files["Domaine.dat"] = CrLf({DomaineHeader(PadText("Bordeaux", 20), PadText("Graves", 30)),
                                 "     -" + PadText("Clos", 50) + PadText("Owner", 50)});
    files["Apogee.dat"] = CrLf({MaturityLine(PadText("Rouge", 10), PadText("Bordeaux", 20), 8)});
    files[settings] = "[Options]\r\nSort=2\r\n";
    for (const auto& [name, bytes] : files)
        WriteFileBytes(name, bytes);
    return files;
}

std::map<std::string, std::string> FilesNow(const std::map<std::string, std::string>& files) {
    std::map<std::string, std::string> now;
    for (const auto& entry : fs::directory_iterator("."))
        if (entry.is_regular_file()) now[entry.path().filename().string()] =
            ReadFileBytes(entry.path().string());
    for (const auto& [name, bytes] : files)
        if (name.find('/') != std::string::npos) now[name] = ReadFileBytes(name);
    return now;
}

// A file of the data set chosen as the reference, by its name, through a symbolic or a hard link
// from another folder, is refused before anything is written, and the box can name it.
TEST_F(ReferenceUpdateTest, EveryFileOfTheDataSetIsRefusedAndNothingChanges) {
    State().settingsFile = configDir + "/Tonnelix.ini";
    const fs::path elsewhere = fs::path(configDir) / "elsewhere";
    fs::create_directories(elsewhere);
    for (const DataLanguage language : {DataLanguage::French, DataLanguage::English}) {
        SetLanguage(language);
        const auto files = FillDataSet(State().settingsFile);
        fs::remove(elsewhere / "soft.ref");
        fs::remove(elsewhere / "hard.ref");
        fs::create_symlink(fs::absolute(State().files.appellations), elsewhere / "soft.ref");
        fs::create_hard_link(State().files.domaines, elsewhere / "hard.ref");
        std::vector<std::pair<std::string, std::string>> chosen;
        for (const std::string& name : DataSetFileNames())
            chosen.emplace_back(name, name);
        chosen.emplace_back("./" + State().files.vintages, State().files.vintages);
        chosen.emplace_back((elsewhere / "soft.ref").string(), State().files.appellations);
        chosen.emplace_back((elsewhere / "hard.ref").string(), State().files.domaines);
        chosen.emplace_back(State().settingsFile, "Tonnelix.ini");
        for (const auto& [path, name] : chosen) {
            const ReferenceUpdateResult r = UpdateFromReference(path);
            EXPECT_EQ(r.outcome, ReferenceOutcome::DataSetFile) << path;
            EXPECT_EQ(r.dataSetFile, name) << path;
            EXPECT_TRUE(FilesNow(files) == files) << path;
        }
    }
}

// A file is taken only when each of its lines is a line of the base its first line claims:
// other data files, or a base with one stray line, change nothing and say which line.
TEST_F(ReferenceUpdateTest, AFileOutsideTheGrammarOfItsBaseChangesNothing) {
    const std::string previous = CrLf({kGraves, "   Temp =17", "   Garde=10 ans", "   Plats="});
    const std::string previousChart = CrLf({YearHeader("Bordeaux", "Graves"), "      1990,18"});
    WriteFileBytes(State().files.appellations, previous);
    WriteFileBytes(State().files.vintages, previousChart);
    const std::string graves = YearHeader("Bordeaux", "Graves");
    const struct {
        const char* name;
        std::string bytes;
        std::size_t badLine;
    } cases[] = {
        {"a domaine base",
         CrLf({DomaineHeader(PadText("Bordeaux", 20), PadText("Graves", 30)),
               "     -" + PadText("Clos", 50) + PadText("Owner", 50)}),
         1},
        {"a maturity table",
         CrLf({MaturityLine(PadText("Rouge", 10), PadText("Bordeaux", 20), 8)}), 1},
        {"a colour list", CrLf({"Rouge", "Blanc"}), 0},
        {"a base with a cellar line",
         CrLf({kGraves, "   Temp =16", "Rouge     Bordeaux            Graves"}), 3},
        {"a base with a vintage line", CrLf({kGraves, "   Plats=", "      1990,15"}), 3},
        {"a base with a lone CR inside a line", CrLf({kGraves, "   Temp =16\r18"}), 2},
        {"a base with a NUL", CrLf({kGraves, std::string("   Temp =1\0", 11)}), 2},
        {"a base with a line longer than any base line",
         CrLf({kGraves, "   Temp =" + std::string(kLongestBaseLine, '1')}), 2},
        {"a chart with a dish line", CrLf({graves, "      1990,15", DishLine("Plats", "Gigot")}),
         3},
        {"a chart with a mark of three digits", CrLf({graves, "      1990,150"}), 2},
        {"a chart with a year of letters", CrLf({graves, "      19x0,15"}), 2},
    };
    for (const auto& c : cases) {
        fs::create_directories("sub");
        WriteFileBytes("sub/x.ref", c.bytes);
        const ReferenceUpdateResult r = UpdateFromReference("sub/x.ref");
        EXPECT_EQ(r.outcome, ReferenceOutcome::NotABase) << c.name;
        EXPECT_EQ(r.badLine, c.badLine) << c.name;
        EXPECT_EQ(ReadFileBytes("sub/x.ref"), c.bytes) << c.name;
        EXPECT_EQ(base(), previous) << c.name;
        EXPECT_EQ(chart(), previousChart) << c.name;
        EXPECT_FALSE(Exists("Vins.maj") || Exists("Annee.maj")) << c.name;
    }
    // Blank lines, both header forms and marks of one digit are lines of their bases.
    WriteFileBytes("sub/x.ref", CrLf({graves, "", "      1990,7", "   "}));
    EXPECT_EQ(UpdateFromReference("sub/x.ref").outcome, ReferenceOutcome::Updated);
    WriteFileBytes("sub/x.ref",
                   CrLf({"[" + PadText("Loire", 20) + "][" + PadText("Rouge", 10) + "][" +
                             PadText("Chinon", 30) + "]",
                         "   Temp =15", "", "   Keep =5", "   Dishes=", DishLine("Plats", "Gigot")}));
    EXPECT_EQ(UpdateFromReference("sub/x.ref").outcome, ReferenceOutcome::Updated);
}

// The update is made; a reference that cannot be removed from its place is said to be there.
TEST_F(ReferenceUpdateTest, AReferenceThatCannotBeRemovedIsReported) {
    WriteFileBytes(State().files.appellations, CrLf({kGraves, "   Temp =17"}));
    WriteFileBytes("x.ref", CrLf({kChinon, "   Temp =15"}));
    files_testing::FailRemovesWith(EACCES, "x.ref");
    const ReferenceUpdateResult r = UpdateFromReference("x.ref");
    files_testing::Reset();
    EXPECT_EQ(r.outcome, ReferenceOutcome::Updated);
    EXPECT_TRUE(r.sourceLeft);
    EXPECT_TRUE(Exists("x.ref"));
    EXPECT_EQ(ReadFileBytes("Vins.maj"), CrLf({kGraves, "   Temp =17"}));
}

// A named pipe or a device chosen as the reference is refused unread.
TEST_F(ReferenceUpdateTest, APipeOrADeviceIsRefusedUnread) {
    alarm(60); // a regression that waits on the pipe fails rather than hangs
    ASSERT_EQ(::mkfifo("pipe.ref", 0600), 0);
    fs::create_symlink("/dev/zero", "zero.ref");
    const std::string previous = CrLf({kGraves, "   Temp =17"});
    WriteFileBytes(State().files.appellations, previous);
    for (const char* name : {"pipe.ref", "zero.ref"}) {
        try {
            UpdateFromReference(name);
            ADD_FAILURE() << name << " was read";
        } catch (const IoError& error) {
            EXPECT_EQ(error.kind(), IoError::Kind::AccessDenied) << name;
        }
        EXPECT_EQ(base(), previous);
        EXPECT_EQ(testsupport::DirectoryListing(),
                  (std::vector<std::string>{"Vins.dat", "pipe.ref", "zero.ref"}));
    }
    alarm(0);
}

TEST_F(ReferenceUpdateTest, AFailureAtAnyWriteLeavesEveryFileAsItWas) {
    const std::string previous =
        CrLf({kGraves, "   Temp =17", "   Garde=10 ans", kChinon, "   Temp =15"});
    const std::string oldKept = CrLf({kChinon});
    const std::string reference = CrLf({kChinon, "   Temp =14", "   Garde=4 ans"});
    for (long after = 0;; ++after) {
        WriteFileBytes(State().files.appellations, previous);
        WriteFileBytes("Vins.maj", oldKept);
        WriteFileBytes("x.ref", reference);
        files_testing::FailWritesAfter(after);
        bool failed = false;
        try {
            UpdateFromReference("x.ref");
        } catch (const IoError&) {
            failed = true;
        }
        files_testing::FailWritesAfter(-1);
        if (!failed) break;
        EXPECT_EQ(base(), previous) << after;
        EXPECT_EQ(ReadFileBytes("Vins.maj"), oldKept) << after;
        EXPECT_EQ(ReadFileBytes("x.ref"), reference) << after;
        EXPECT_EQ(testsupport::DirectoryListing(),
                  (std::vector<std::string>{"Vins.dat", "Vins.maj", "x.ref"}))
            << after;
    }
    EXPECT_FALSE(Exists("x.ref"));
    // An unreadable base stops the update before anything is written.
    WriteFileBytes(State().files.appellations, previous);
    WriteFileBytes("x.ref", reference);
    files_testing::FailOpensWith(EACCES, State().files.appellations);
    EXPECT_THROW(UpdateFromReference("x.ref"), IoError);
    files_testing::FailOpensWith(0);
    EXPECT_EQ(base(), previous);
    EXPECT_TRUE(Exists("x.ref"));
}

} // namespace
