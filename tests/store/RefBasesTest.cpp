// The reference text bases: look-ups, updates, byte-exact files.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "store/Files.h"
#include "store/RefBases.h"
#include "store/State.h"
#include "store/Text.h"
#include "support/TestDirs.h"

using namespace store;
using testsupport::CrLf;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

namespace {

const std::string kBordeaux = PadText("Bordeaux", 20);
const std::string kBourgogne = PadText("Bourgogne", 20);
const std::string kRouge = PadText("Rouge", 10);
const std::string kBlanc = PadText("Blanc", 10);
const std::string kPauillac = PadText("Pauillac", 30);
const std::string kMargaux = PadText("Margaux", 30);
const std::string kChablis = PadText("Chablis", 30);

// Headers spelled out, so the tests do not lean on the functions they check.
const std::string kPauillacHeader =
    "[Bordeaux            ][Rouge     ](Pauillac                      )";
const std::string kMargauxHeader =
    "[Bordeaux            ][Rouge     ](Margaux                       )";
const std::string kChablisHeader =
    "[Bourgogne           ][Blanc     ](Chablis                       )";
const std::string kPauillacOldHeader =
    "[Bordeaux            ][Rouge     ][Pauillac                      ]";
const std::string kPauillacYear = "[Bordeaux            ](Pauillac                      )";
const std::string kMargauxYear = "[Bordeaux            ](Margaux                       )";
const std::string kChablisYear = "[Bourgogne           ](Chablis                       )";
const std::string kPauillacDom = "[Bordeaux            ][Pauillac                      ]";
const std::string kMargauxDom = "[Bordeaux            ][Margaux                       ]";

std::string Dom(const std::string& domaine, const std::string& owner) {
    return "     -" + PadText(domaine, 50) + PadText(owner, 50);
}

// Joins lines with LF alone: a file that an update leaves as it is keeps its LF endings,
// which shows that it was not rewritten.
std::string Lf(const std::vector<std::string>& lines) {
    std::string result;
    for (const auto& l : lines)
        result += l + "\n";
    return result;
}

void SetLanguage(DataLanguage language) {
    State().language = language;
    SetDataFileNames(language);
}

const std::string kLong(300, 'x');                                    // longer than 255
const std::string kHigh = Cp1252("   Temp =€ «très» ÿ") + "\x81\x8d"; // bytes 0x80-0xFF

class RefBasesTest : public testsupport::DataDirTest {};

// A case of an update: the file before (nullopt: missing), the call, the file after
// (nullopt: still missing).
struct UpdateCase {
    const char* name;
    DataLanguage language;
    std::optional<std::string> before;
    std::function<void()> update;
    std::optional<std::string> after;
};

// Empties the data directory between the cases of a table.
void ClearDataDirectory() {
    for (const auto& name : testsupport::DirectoryListing())
        DeleteFileIfPresent(name);
}

// `base` selects the file of the case's language among the data file names.
void RunUpdateCases(std::string DataFileNames::*base, const std::vector<UpdateCase>& cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ClearDataDirectory();
        SetLanguage(c.language);
        const std::string file = State().files.*base;
        if (c.before) WriteFileBytes(file, *c.before);
        c.update();
        if (c.after) {
            EXPECT_EQ(ReadFileBytes(file), *c.after);
        } else {
            EXPECT_FALSE(testsupport::Exists(file));
        }
        EXPECT_EQ(testsupport::DirectoryListing().size(), c.after ? 1u : 0u) << "working file left";
    }
}

} // namespace

// ------------------------------------------------------------------ formats

TEST_F(RefBasesTest, LinesHaveTheirExactForms) {
    EXPECT_EQ(AppellationHeader(kRouge, kBordeaux, kPauillac), kPauillacHeader);
    EXPECT_EQ(AppellationHeader(kRouge, kBordeaux, kPauillac).size(), 66u);
    EXPECT_EQ(AppellationHeader(kRouge, kBordeaux, kPauillac)[33], ']'); // column 34
    EXPECT_EQ(VintageHeader(kBordeaux, kPauillac), kPauillacYear);
    EXPECT_EQ(DomaineHeader(kBordeaux, kPauillac), kPauillacDom);
    EXPECT_EQ(MaturityLine(kRouge, kBordeaux, 5), "[Rouge     ][Bordeaux            ][ 5]");
    EXPECT_EQ(MaturityLine(kRouge, kBordeaux, 12), "[Rouge     ][Bordeaux            ][12]");
    EXPECT_EQ(MaturityLine(kRouge, kBordeaux, 12).size(), 38u);
    EXPECT_EQ(Courses(DataLanguage::French),
              (std::vector<std::string>{Cp1252("Entrées"), "Plats  ", "Fromage", "Dessert"}));
    EXPECT_EQ(Courses(DataLanguage::English),
              (std::vector<std::string>{"Starter", "Courses", "Cheeses", "Dessert"}));
}

// ------------------------------------------------------------------ look-ups

TEST_F(RefBasesTest, AppellationDetailsReadsTheMatchingSectionOnly) {
    WriteFileBytes("Vins.dat",
                   CrLf({kMargauxHeader, "   Temp =16", "   Garde=5 ans",
                         "   Plats=", "      Fromage:Brie                          ",
                         // Older header form, English keeping key: both are read.
                         kPauillacOldHeader, "   Temp =17-18", "   Keep =10 to 20 years",
                         "   Plats=", "      Plats  :Agneau                        ",
                         "      Dessert:Chocolat", kPauillacHeader, "   Temp =99"}));
    const AppellationInfo info = AppellationDetails(kRouge, kBordeaux, kPauillac);
    EXPECT_TRUE(info.found);
    EXPECT_EQ(info.temperature, "17-18");
    EXPECT_EQ(info.keeping, "10 to 20 years");
    ASSERT_EQ(info.dishes.size(), 2u);
    EXPECT_EQ(info.dishes[0].course, "Plats  ");
    EXPECT_EQ(info.dishes[0].dish, PadText("Agneau", 30));
    EXPECT_EQ(info.dishes[1].course, "Dessert");
    EXPECT_EQ(info.dishes[1].dish, "Chocolat"); // as read

    EXPECT_FALSE(AppellationDetails(kBlanc, kBordeaux, kPauillac).found);
    EXPECT_FALSE(AppellationDetails(kRouge, kBourgogne, kPauillac).found);
    // Values are compared padded: the caller's blanks do not matter.
    EXPECT_TRUE(AppellationDetails("Rouge", "Bordeaux", "Margaux").found);
}

TEST_F(RefBasesTest, LookUpsOfMissingFilesFindNothing) {
    EXPECT_FALSE(AppellationDetails(kRouge, kBordeaux, kPauillac).found);
    EXPECT_TRUE(VintageMarks(kBordeaux, kPauillac).empty());
    EXPECT_TRUE(DomainesOf(kBordeaux, kPauillac).empty());
    EXPECT_FALSE(MaturityYears(kRouge, kBordeaux).has_value());
    EXPECT_TRUE(AppellationSections().empty());
    EXPECT_TRUE(VintageSections().empty());
    EXPECT_TRUE(MaturityEntries().empty());
}

TEST_F(RefBasesTest, VintageMarksInFileOrder) {
    WriteFileBytes("Annee.dat",
                   Lf({kMargauxYear, "      1990,19", kPauillacYear, "      1995,16",
                       "      1990,20", "", "      19", kChablisYear, "      1996,18"}));
    const auto marks = VintageMarks(kBordeaux, kPauillac);
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[0].year, "1995");
    EXPECT_EQ(marks[0].mark, "16");
    EXPECT_EQ(marks[1].year, "1990");
    EXPECT_EQ(marks[1].mark, "20");
    const auto sections = VintageSections();
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(sections[2].region, kBourgogne);
    EXPECT_EQ(sections[2].appellation, kChablis);
    EXPECT_EQ(sections[2].colour, "");
}

TEST_F(RefBasesTest, DomainesOfGivesTrimmedNamesAndOwnersAsRead) {
    WriteFileBytes(
        "Domaine.dat",
        CrLf({kMargauxDom, Dom("Château Margaux", "SC du Château Margaux"), kPauillacDom,
              Dom("Latour", "F. Pinault"), "", "     -Lynch-Bages", Dom("Pichon", "AXA")}));
    const auto domaines = DomainesOf(kBordeaux, kPauillac);
    ASSERT_EQ(domaines.size(), 3u);
    EXPECT_EQ(domaines[0].domaine, "Latour");
    EXPECT_EQ(domaines[0].owner, PadText("F. Pinault", 50));
    EXPECT_EQ(domaines[1].domaine, "Lynch-Bages");
    EXPECT_EQ(domaines[1].owner, "");
    EXPECT_EQ(domaines[2].domaine, "Pichon");
}

// The look-up finds a section under the same right-trimmed header as the updates, so a domaine
// added under a header cut short by hand is listed; a domaine line with a blank name is listed
// with an empty name, a wholly blank line is not.
TEST_F(RefBasesTest, DomainesOfFindsTheSectionTheUpdatesWrite) {
    const std::string kShortHeader = "[Bordeaux            ][Pauillac";
    WriteFileBytes("Domaine.dat", CrLf({kShortHeader, Dom("", "Inconnu"), "      "}));
    AddDomaine(kBordeaux, kPauillac, PadText("Latour", 50), PadText("Pinault", 50));
    EXPECT_EQ(ReadFileBytes("Domaine.dat"),
              CrLf({kShortHeader, Dom("", "Inconnu"), "      ", Dom("Latour", "Pinault")}));

    const auto domaines = DomainesOf(kBordeaux, kPauillac);
    ASSERT_EQ(domaines.size(), 2u);
    EXPECT_EQ(domaines[0].domaine, "");
    EXPECT_EQ(domaines[0].owner, PadText("Inconnu", 50));
    EXPECT_EQ(domaines[1].domaine, "Latour");
    EXPECT_EQ(DomainesOf("Bordeaux", "Pauillac").size(), 2u);

    EXPECT_TRUE(RemoveDomaine(kBordeaux, kPauillac, PadText("Latour", 50)));
    EXPECT_EQ(DomainesOf(kBordeaux, kPauillac).size(), 1u);
}

TEST_F(RefBasesTest, MaturityYears) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        std::optional<int> years;
    } cases[] = {
        {"right-aligned", {"[Rouge     ][Bordeaux            ][ 8]"}, 8},
        {"two digits",
         {"[Blanc     ][Bordeaux            ][ 3]", "[Rouge     ][Bordeaux            ][12]"},
         12},
        {"left-aligned", {"[Rouge     ][Bordeaux            ][8 ]"}, 8},
        {"no line", {"[Rouge     ][Bourgogne           ][ 8]"}, std::nullopt},
        {"not a number", {"[Rouge     ][Bordeaux            ][x ]"}, std::nullopt},
        {"blank years", {"[Rouge     ][Bordeaux            ][  ]"}, std::nullopt},
        {"a line without a number is no entry",
         {"[Rouge     ][Bordeaux            ][?]", "[Rouge     ][Bordeaux            ][ 9]"},
         9},
        {"first line decides",
         {"[Rouge     ][Bordeaux            ][ 7]", "[Rouge     ][Bordeaux            ][ 9]"},
         7},
        {"a sign is not a number", {"[Rouge     ][Bordeaux            ][-5]"}, std::nullopt},
        {"short line", {"[Rouge     ][Bordeaux            ]"}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFileBytes("Apogee.dat", CrLf(c.lines));
        EXPECT_EQ(MaturityYears(kRouge, kBordeaux), c.years);
    }
    // The peak year of a 1990 Bordeaux red.
    WriteFileBytes("Apogee.dat", CrLf({"[Rouge     ][Bordeaux            ][ 8]"}));
    EXPECT_EQ(1990 + MaturityYears(kRouge, kBordeaux).value_or(0), 1998);
}

TEST_F(RefBasesTest, MaturityEntriesSkipLinesWithoutANumber) {
    WriteFileBytes("Mature.dat", Lf({"[Red       ][Bordeaux            ][ 8]",
                                     "[Red       ][Rhone               ][xx]",
                                     "[White     ][Alsace              ][12]"}));
    SetLanguage(DataLanguage::English);
    const auto entries = MaturityEntries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].colour, PadText("Red", 10));
    EXPECT_EQ(entries[0].region, kBordeaux);
    EXPECT_EQ(entries[0].years, 8);
    EXPECT_EQ(entries[1].years, 12);
}

TEST_F(RefBasesTest, AppellationSectionsInFileOrderBothHeaderForms) {
    WriteFileBytes("Vins.dat",
                   CrLf({kMargauxHeader, "   Temp =16", kPauillacOldHeader, kChablisHeader}));
    const auto keys = AppellationSections();
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0].appellation, kMargaux);
    EXPECT_EQ(keys[1].region, kBordeaux);
    EXPECT_EQ(keys[1].colour, kRouge);
    EXPECT_EQ(keys[1].appellation, kPauillac);
    EXPECT_EQ(keys[2].colour, kBlanc);
}

// Odd lines: a header of one character, lines longer than 255 characters, bytes 0x80-0xFF.
TEST_F(RefBasesTest, OddLinesAreReadAndCopiedWithoutHarm) {
    const std::string longDish = "      Fromage:" + kLong;
    const std::vector<std::string> base = {"[",   kLong,    kHigh,      kPauillacHeader,
                                           kHigh, longDish, "[" + kLong};
    WriteFileBytes("Vins.dat", CrLf(base));
    const AppellationInfo info = AppellationDetails(kRouge, kBordeaux, kPauillac);
    EXPECT_TRUE(info.found);
    EXPECT_EQ(info.temperature, kHigh.substr(9));
    ASSERT_EQ(info.dishes.size(), 1u);
    EXPECT_EQ(info.dishes[0].dish, std::string(30, 'x'));
    EXPECT_EQ(AppellationSections().size(), 3u);

    AddDish(kRouge, kBordeaux, kPauillac, "Dessert", PadText("Tarte", 30));
    std::vector<std::string> expected = base;
    expected.insert(expected.end() - 1, "      Dessert:" + PadText("Tarte", 30));
    EXPECT_EQ(ReadFileBytes("Vins.dat"), CrLf(expected));

    for (const char* file : {"Annee.dat", "Domaine.dat", "Apogee.dat"})
        WriteFileBytes(file, CrLf({"[", kLong, kHigh, "[" + kHigh, "      1990,1"}));
    EXPECT_TRUE(VintageMarks(kBordeaux, kPauillac).empty());
    EXPECT_TRUE(DomainesOf(kBordeaux, kPauillac).empty());
    EXPECT_FALSE(MaturityYears(kRouge, kBordeaux).has_value());
    EXPECT_TRUE(MaturityEntries().empty());
    SetVintageMark(kBordeaux, kPauillac, "1990", "12");
    EXPECT_FALSE(RemoveDomaine(kBordeaux, kPauillac, PadText("x", 50)));
    AddDomaine(kBordeaux, kPauillac, PadText("Latour", 50), PadText("Pinault", 50));
    EXPECT_EQ(ReadFileBytes("Domaine.dat"), CrLf({"[", kLong, kHigh, "[" + kHigh, "      1990,1",
                                                  kPauillacDom, Dom("Latour", "Pinault")}));
}

// ------------------------------------------------------------------- updates

TEST_F(RefBasesTest, AddAppellation) {
    const auto add = [](const char* colour, const char* region, const char* appellation,
                        const char* keeping, const char* temperature) {
        return [=] {
            AddAppellation(PadText(colour, 10), PadText(region, 20), PadText(appellation, 30),
                           PadText(keeping, 50), PadText(temperature, 50));
        };
    };
    const std::vector<std::string> margaux = {kMargauxHeader, "   Temp =16", "   Garde=5 ans",
                                              "   Plats="};
    const std::vector<std::string> pauillac = {kPauillacHeader,
                                               "   Temp =16-18",
                                               "   Garde=10 ans",
                                               "   Plats=",
                                               "      Plats  :Agneau                        ",
                                               "      Fromage:Brie"};
    auto join = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const std::vector<UpdateCase> cases = {
        {"missing file, French", DataLanguage::French, std::nullopt,
         add("Rouge", "Bordeaux", "Pauillac", "10 ans", "17"),
         CrLf({kPauillacHeader, "   Temp =17", "   Garde=10 ans", "   Plats="})},
        {"missing file, English", DataLanguage::English, std::nullopt,
         add("Red", "Bordeaux", "Pauillac", "10 years", "17"),
         CrLf({"[Bordeaux            ][Red       ](Pauillac                      )", "   Temp =17",
               "   Keep =10 years", "   Dishes="})},
        {"new section appended, French", DataLanguage::French, CrLf(margaux),
         add("Rouge", "Bordeaux", "Pauillac", "10 ans", "17"),
         CrLf(join(margaux, {kPauillacHeader, "   Temp =17", "   Garde=10 ans", "   Plats="}))},
        {"new section appended, English", DataLanguage::English, CrLf(margaux),
         add("Rouge", "Bordeaux", "Pauillac", "10 years", "17"),
         CrLf(join(margaux, {kPauillacHeader, "   Temp =17", "   Keep =10 years", "   Dishes="}))},
        {"existing section: temperature and keeping replaced, dishes stay", DataLanguage::French,
         CrLf(join(join(margaux, pauillac), {kChablisHeader, "   Temp =10"})),
         add("Rouge", "Bordeaux", "Pauillac", "15 ans", "18"),
         CrLf(join(join(margaux, {kPauillacHeader, "   Temp =18", "   Garde=15 ans",
                                  "   Plats=", "      Plats  :Agneau                        ",
                                  "      Fromage:Brie"}),
                   {kChablisHeader, "   Temp =10"}))},
        {"English keeping key kept in French", DataLanguage::French,
         CrLf({kPauillacHeader, "   Temp =16", "   Keep =10 years", "   Dishes="}),
         add("Rouge", "Bordeaux", "Pauillac", "12 ans", "17"),
         CrLf({kPauillacHeader, "   Temp =17", "   Keep =12 ans", "   Dishes="})},
        {"French keeping key kept in English", DataLanguage::English,
         CrLf({kPauillacHeader, "   Temp =16", "   Garde=10 ans"}),
         add("Rouge", "Bordeaux", "Pauillac", "12 years", "17"),
         CrLf({kPauillacHeader, "   Temp =17", "   Garde=12 years"})},
        {"older header form matches", DataLanguage::French,
         Lf({kPauillacOldHeader, "   Temp =16", "   Garde=10 ans", "   Plats="}),
         add("Rouge", "Bordeaux", "Pauillac", "10 ans", "18"),
         CrLf({kPauillacOldHeader, "   Temp =18", "   Garde=10 ans", "   Plats="})},
        {"same colour and appellation in another region is another section", DataLanguage::French,
         CrLf({"[Bourgogne           ][Rouge     ](Pauillac                      )", "   Temp =1"}),
         add("Rouge", "Bordeaux", "Pauillac", "10 ans", "18"),
         CrLf({"[Bourgogne           ][Rouge     ](Pauillac                      )", "   Temp =1",
               kPauillacHeader, "   Temp =18", "   Garde=10 ans", "   Plats="})},
        {"same values: the file is not rewritten", DataLanguage::French,
         Lf(join(margaux, pauillac)), add("Rouge", "Bordeaux", "Pauillac", "10 ans", "16-18"),
         Lf(join(margaux, pauillac))},
        {"a header with nothing under it gets its lines in place", DataLanguage::French,
         CrLf({kPauillacHeader, kMargauxHeader, "   Temp =16"}),
         add("Rouge", "Bordeaux", "Pauillac", "10 ans", "17"),
         CrLf({kPauillacHeader, "   Temp =17", "   Garde=10 ans", "   Plats=", kMargauxHeader,
               "   Temp =16"})},
        {"a bare header at the end of the file too", DataLanguage::English,
         CrLf({kMargauxHeader, kPauillacHeader}),
         add("Rouge", "Bordeaux", "Pauillac", "10 years", "17"),
         CrLf({kMargauxHeader, kPauillacHeader, "   Temp =17", "   Keep =10 years", "   Dishes="})},
        {"the first section lacking its key lines gets them, keeping after temperature",
         DataLanguage::French,
         CrLf({kPauillacHeader, "   Plats=", "      Fromage:Brie", kPauillacHeader, "   Plats="}),
         add("Rouge", "Bordeaux", "Pauillac", "10 ans", "17"),
         CrLf({kPauillacHeader, "   Temp =17", "   Garde=10 ans", "   Plats=", "      Fromage:Brie",
               kPauillacHeader, "   Plats="})},
        {"a missing keeping line goes after the temperature line", DataLanguage::English,
         CrLf({kPauillacHeader, "   ; note", "   Temp =16", "   Dishes="}),
         add("Rouge", "Bordeaux", "Pauillac", "10 years", "17"),
         CrLf({kPauillacHeader, "   ; note", "   Temp =17", "   Keep =10 years", "   Dishes="})},
        {"empty values add no key line", DataLanguage::French, Lf({kPauillacHeader, "   Plats="}),
         add("Rouge", "Bordeaux", "Pauillac", "", ""), Lf({kPauillacHeader, "   Plats="})},
        {"odd lines are copied unchanged", DataLanguage::French,
         CrLf({"[", kLong, kHigh, "[" + kLong}),
         add("Rouge", "Bordeaux", "Pauillac", "10 ans", "17"),
         CrLf({"[", kLong, kHigh, "[" + kLong, kPauillacHeader, "   Temp =17", "   Garde=10 ans",
               "   Plats="})},
    };
    RunUpdateCases(&DataFileNames::appellations, cases);
}

TEST_F(RefBasesTest, AddAppellationWritesTheEnglishBaseInEnglish) {
    SetLanguage(DataLanguage::English);
    AddAppellation(kRouge, kBordeaux, kPauillac, PadText("10 years", 50), PadText("17", 50));
    EXPECT_TRUE(testsupport::Exists("Wines.dat"));
    EXPECT_FALSE(testsupport::Exists("Vins.dat"));
}

TEST_F(RefBasesTest, AddDish) {
    const auto add = [](const char* course, const char* dish) {
        return
            [=] { AddDish(kRouge, kBordeaux, kPauillac, PadText(course, 7), PadText(dish, 30)); };
    };
    const std::string agneau = "      Plats  :Agneau                        ";
    const std::string brie = "      Fromage:Brie                          ";
    const std::vector<UpdateCase> cases = {
        {"missing file: nothing", DataLanguage::French, std::nullopt, add("Fromage", "Brie"),
         std::nullopt},
        {"section in the middle: inserted before the next header", DataLanguage::French,
         CrLf({kPauillacHeader, "   Temp =17", "   Plats=", agneau, kMargauxHeader, "   Temp =16"}),
         add("Fromage", "Brie"),
         CrLf({kPauillacHeader, "   Temp =17", "   Plats=", agneau, brie, kMargauxHeader,
               "   Temp =16"})},
        {"last section: appended", DataLanguage::French,
         CrLf({kMargauxHeader, "   Temp =16", kPauillacHeader, "   Plats=", agneau}),
         add("Fromage", "Brie"),
         CrLf({kMargauxHeader, "   Temp =16", kPauillacHeader, "   Plats=", agneau, brie})},
        {"dish already there: unchanged", DataLanguage::French,
         Lf({kPauillacHeader, "   Plats=", agneau, kMargauxHeader}), add("Plats", "Agneau"),
         Lf({kPauillacHeader, "   Plats=", agneau, kMargauxHeader})},
        {"same dish under another course: added", DataLanguage::French,
         CrLf({kPauillacHeader, "   Plats=", agneau}),
         [] { AddDish(kRouge, kBordeaux, kPauillac, Cp1252("Entrées"), PadText("Agneau", 30)); },
         CrLf({kPauillacHeader, "   Plats=", agneau,
               Cp1252("      Entrées:Agneau                        ")})},
        {"same dish in another section does not count", DataLanguage::French,
         CrLf({kMargauxHeader, brie, kPauillacHeader, "   Plats="}), add("Fromage", "Brie"),
         CrLf({kMargauxHeader, brie, kPauillacHeader, "   Plats=", brie})},
        {"no matching section: the file stays as it is", DataLanguage::French,
         Lf({kMargauxHeader, "   Plats=", kChablisHeader, "   Plats="}), add("Fromage", "Brie"),
         Lf({kMargauxHeader, "   Plats=", kChablisHeader, "   Plats="})},
        {"older header form matches", DataLanguage::French, CrLf({kPauillacOldHeader, "   Plats="}),
         add("Fromage", "Brie"), CrLf({kPauillacOldHeader, "   Plats=", brie})},
        {"empty section at the end", DataLanguage::French, CrLf({kMargauxHeader, kPauillacHeader}),
         add("Fromage", "Brie"), CrLf({kMargauxHeader, kPauillacHeader, brie})},
    };
    RunUpdateCases(&DataFileNames::appellations, cases);
}

TEST_F(RefBasesTest, AddVintageSection) {
    const auto add = [](const std::string& region, const std::string& appellation) {
        return [=] { AddVintageSection(region, appellation); };
    };
    const std::vector<UpdateCase> cases = {
        {"missing file: the header alone", DataLanguage::French, std::nullopt,
         add(kBordeaux, kPauillac), CrLf({kPauillacYear})},
        {"new section appended", DataLanguage::French, CrLf({kMargauxYear, "      1990,18"}),
         add(kBordeaux, kPauillac), CrLf({kMargauxYear, "      1990,18", kPauillacYear})},
        {"twice: one header", DataLanguage::French, std::nullopt,
         [] {
             AddVintageSection(kBordeaux, kPauillac);
             AddVintageSection(kBordeaux, kPauillac);
         },
         CrLf({kPauillacYear})},
        {"present: unchanged", DataLanguage::French,
         Lf({kPauillacYear, "      1990,18", kMargauxYear}), add(kBordeaux, kMargaux),
         Lf({kPauillacYear, "      1990,18", kMargauxYear})},
        {"same appellation in another region is another section", DataLanguage::French,
         CrLf({kPauillacYear}), add(kBourgogne, kPauillac),
         CrLf({kPauillacYear, "[Bourgogne           ](Pauillac                      )"})},
        {"odd lines", DataLanguage::French, CrLf({"[", kLong, kHigh}), add(kBordeaux, kPauillac),
         CrLf({"[", kLong, kHigh, kPauillacYear})},
    };
    RunUpdateCases(&DataFileNames::vintages, cases);
}

TEST_F(RefBasesTest, SetVintageMark) {
    const auto set = [](const char* year, const char* mark) {
        return [=] { SetVintageMark(kBordeaux, kPauillac, year, mark); };
    };
    const std::vector<UpdateCase> cases = {
        {"missing file: nothing", DataLanguage::French, std::nullopt, set("1990", "18"),
         std::nullopt},
        {"year listed: replaced in place", DataLanguage::French,
         CrLf({kPauillacYear, "      1989,17", "      1990,15", "      1991,12", kMargauxYear}),
         set("1990", "19"),
         CrLf({kPauillacYear, "      1989,17", "      1990,19", "      1991,12", kMargauxYear})},
        {"new year, last section: appended", DataLanguage::French,
         CrLf({kMargauxYear, "      1990,15", kPauillacYear, "      1989,17"}), set("1990", "19"),
         CrLf({kMargauxYear, "      1990,15", kPauillacYear, "      1989,17", "      1990,19"})},
        {"new year: inserted before the next header", DataLanguage::French,
         CrLf({kPauillacYear, "      1989,17", kMargauxYear, "      1990,15"}), set("1990", "19"),
         CrLf({kPauillacYear, "      1989,17", "      1990,19", kMargauxYear, "      1990,15"})},
        {"same mark: unchanged", DataLanguage::French, Lf({kPauillacYear, "      1990,19"}),
         set("1990", "19"), Lf({kPauillacYear, "      1990,19"})},
        {"no matching section: the file stays as it is", DataLanguage::French,
         Lf({kMargauxYear, "      1990,15", kChablisYear}), set("1990", "19"),
         Lf({kMargauxYear, "      1990,15", kChablisYear})},
        {"empty section", DataLanguage::French, CrLf({kPauillacYear, kMargauxYear}),
         set("2000", "20"), CrLf({kPauillacYear, "      2000,20", kMargauxYear})},
    };
    RunUpdateCases(&DataFileNames::vintages, cases);
}

TEST_F(RefBasesTest, AddDomaine) {
    const auto add = [](const std::string& appellation, const char* domaine, const char* owner) {
        return [=] {
            AddDomaine(kBordeaux, PadText(appellation, 30), PadText(domaine, 50),
                       PadText(owner, 50));
        };
    };
    const std::string autreHeader = "[Bordeaux            ][Autre Appellation             ]";
    const std::vector<UpdateCase> cases = {
        {"missing file: created", DataLanguage::French, std::nullopt,
         add("Pauillac", "Latour", "Pinault"), CrLf({kPauillacDom, Dom("Latour", "Pinault")})},
        {"new owner rewrites the line", DataLanguage::French,
         CrLf({kPauillacDom, Dom("Latour", "Pearson"), Dom("Pichon", "AXA")}),
         add("Pauillac", "Latour", "Pinault"),
         CrLf({kPauillacDom, Dom("Latour", "Pinault"), Dom("Pichon", "AXA")})},
        {"same owner: unchanged, even with other trailing blanks", DataLanguage::French,
         Lf({kPauillacDom, "     -" + PadText("Latour", 50) + "Pinault", kMargauxDom}),
         add("Pauillac", "Latour", "Pinault"),
         Lf({kPauillacDom, "     -" + PadText("Latour", 50) + "Pinault", kMargauxDom})},
        {"new domaine: inserted before the next header", DataLanguage::French,
         CrLf({kPauillacDom, Dom("Pichon", "AXA"), kMargauxDom, Dom("Latour", "x")}),
         add("Pauillac", "Latour", "Pinault"),
         CrLf({kPauillacDom, Dom("Pichon", "AXA"), Dom("Latour", "Pinault"), kMargauxDom,
               Dom("Latour", "x")})},
        {"new domaine, last section: appended", DataLanguage::French,
         CrLf({kMargauxDom, Dom("Palmer", "x"), kPauillacDom, Dom("Pichon", "AXA")}),
         add("Pauillac", "Latour", "Pinault"),
         CrLf({kMargauxDom, Dom("Palmer", "x"), kPauillacDom, Dom("Pichon", "AXA"),
               Dom("Latour", "Pinault")})},
        {"no section: header and line appended", DataLanguage::French,
         CrLf({kMargauxDom, Dom("Palmer", "x")}), add("Pauillac", "Latour", "Pinault"),
         CrLf({kMargauxDom, Dom("Palmer", "x"), kPauillacDom, Dom("Latour", "Pinault")})},
        {"\"Autre appellation\" in French: nothing", DataLanguage::French, Lf({kMargauxDom}),
         add("Autre appellation", "Latour", "Pinault"), Lf({kMargauxDom})},
        {"\"Autre appellation\" in French, missing file: not created", DataLanguage::French,
         std::nullopt, add("Autre appellation", "Latour", "Pinault"), std::nullopt},
        {"\"Autre Appellation\" with a capital A is handled", DataLanguage::French,
         CrLf({kMargauxDom}), add("Autre Appellation", "Latour", "Pinault"),
         CrLf({kMargauxDom, autreHeader, Dom("Latour", "Pinault")})},
        {"\"Other appellation\" in English: nothing", DataLanguage::English, std::nullopt,
         add("Other appellation", "Latour", "Pinault"), std::nullopt},
        {"\"Autre appellation\" in English is handled", DataLanguage::English, std::nullopt,
         add("Autre appellation", "Latour", "Pinault"),
         CrLf(
             {"[Bordeaux            ][Autre appellation             ]", Dom("Latour", "Pinault")})},
        {"header compared right-trimmed", DataLanguage::French,
         CrLf({"[Bordeaux            ][Pauillac", Dom("Pichon", "AXA")}),
         add("Pauillac", "Latour", "Pinault"),
         CrLf({"[Bordeaux            ][Pauillac", Dom("Pichon", "AXA"), Dom("Latour", "Pinault")})},
    };
    RunUpdateCases(&DataFileNames::domaines, cases);
}

TEST_F(RefBasesTest, RemoveDomaine) {
    struct Case {
        const char* name;
        std::optional<std::string> before;
        const char* domaine;
        bool removed;
        std::optional<std::string> after;
    };
    const Case cases[] = {
        {"missing file", std::nullopt, "Latour", false, std::nullopt},
        {"listed twice: both lines go",
         CrLf({kPauillacDom, Dom("Latour", "Pinault"), Dom("Pichon", "AXA"), "     -Latour  ",
               kMargauxDom, Dom("Latour", "other section")}),
         "Latour", true,
         CrLf({kPauillacDom, Dom("Pichon", "AXA"), kMargauxDom, Dom("Latour", "other section")})},
        {"absent: false, file unchanged",
         Lf({kPauillacDom, Dom("Pichon", "AXA"), kMargauxDom, Dom("Latour", "x")}), "Latour", false,
         Lf({kPauillacDom, Dom("Pichon", "AXA"), kMargauxDom, Dom("Latour", "x")})},
        {"first line of the file", CrLf({kPauillacDom, Dom("Latour", "Pinault")}), "Latour", true,
         CrLf({kPauillacDom})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ClearDataDirectory();
        if (c.before) WriteFileBytes("Domaine.dat", *c.before);
        EXPECT_EQ(RemoveDomaine(kBordeaux, kPauillac, PadText(c.domaine, 50)), c.removed);
        if (c.after)
            EXPECT_EQ(ReadFileBytes("Domaine.dat"), *c.after);
        else
            EXPECT_FALSE(testsupport::Exists("Domaine.dat"));
        EXPECT_EQ(testsupport::DirectoryListing().size(), c.after ? 1u : 0u);
    }
}

// --------------------------------------------------------------- failures

// A write failure leaves the old bytes and no temporary file; on a missing file, no file.
TEST_F(RefBasesTest, WriteFailureLeavesTheFileAsItWas) {
    struct Case {
        const char* name;
        const char* file;
        std::optional<std::string> before;
        std::function<void()> update;
    };
    const std::string vins = CrLf({kPauillacHeader, "   Temp =16", "   Garde=5 ans", "   Plats="});
    const std::string annee = CrLf({kPauillacYear, "      1990,12"});
    const std::string domaines = CrLf({kPauillacDom, Dom("Latour", "Pinault")});
    const Case cases[] = {
        {"AddAppellation", "Vins.dat", vins,
         [] { AddAppellation(kRouge, kBordeaux, kPauillac, "10 ans", "18"); }},
        {"AddAppellation, new file", "Vins.dat", std::nullopt,
         [] { AddAppellation(kRouge, kBordeaux, kPauillac, "10 ans", "18"); }},
        {"AddDish", "Vins.dat", vins,
         [] { AddDish(kRouge, kBordeaux, kPauillac, "Fromage", PadText("Brie", 30)); }},
        {"AddVintageSection", "Annee.dat", annee, [] { AddVintageSection(kBordeaux, kMargaux); }},
        {"AddVintageSection, new file", "Annee.dat", std::nullopt,
         [] { AddVintageSection(kBordeaux, kMargaux); }},
        {"SetVintageMark", "Annee.dat", annee,
         [] { SetVintageMark(kBordeaux, kPauillac, "1990", "18"); }},
        {"AddDomaine", "Domaine.dat", domaines,
         [] { AddDomaine(kBordeaux, kPauillac, PadText("Pichon", 50), PadText("AXA", 50)); }},
        {"AddDomaine, new file", "Domaine.dat", std::nullopt,
         [] { AddDomaine(kBordeaux, kPauillac, PadText("Pichon", 50), PadText("AXA", 50)); }},
        {"RemoveDomaine", "Domaine.dat", domaines,
         [] { RemoveDomaine(kBordeaux, kPauillac, PadText("Latour", 50)); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ClearDataDirectory();
        files_testing::Reset();
        if (c.before) WriteFileBytes(c.file, *c.before);
        files_testing::FailWritesAfter(0);
        EXPECT_THROW(c.update(), IoError);
        files_testing::Reset();
        if (c.before) {
            EXPECT_EQ(ReadFileBytes(c.file), *c.before);
            EXPECT_EQ(testsupport::DirectoryListing(), std::vector<std::string>{c.file});
        } else {
            EXPECT_TRUE(testsupport::DirectoryListing().empty());
        }
    }
}

// A failure part way through a large file (several write buffers) also leaves it whole.
TEST_F(RefBasesTest, WriteFailureInALargeFile) {
    std::vector<std::string> lines;
    for (int i = 0; i < 3000; ++i) {
        lines.push_back("[" + PadText("Region " + std::to_string(i), 20) + "](" + kPauillac + ")");
        lines.push_back("      1990,12");
    }
    const std::string before = CrLf(lines);
    WriteFileBytes("Annee.dat", before);
    files_testing::FailWritesAfter(100000);
    EXPECT_THROW(AddVintageSection(kBordeaux, kPauillac), IoError);
    files_testing::Reset();
    EXPECT_EQ(ReadFileBytes("Annee.dat"), before);
    EXPECT_EQ(testsupport::DirectoryListing(), std::vector<std::string>{"Annee.dat"});

    // Without the failure, the same update copies the whole file and appends the header.
    AddVintageSection(kBordeaux, kPauillac);
    lines.push_back(kPauillacYear);
    EXPECT_EQ(ReadFileBytes("Annee.dat"), CrLf(lines));
}
