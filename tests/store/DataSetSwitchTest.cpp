#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "store/DataSetSwitch.h"
#include "store/Exchange.h"
#include "store/Rebuild.h"
#include "store/RefBases.h"
#include "store/State.h"
#include "store/Text.h"
#include "support/TestDirs.h"

using namespace store;
using namespace testsupport;

namespace {

using Snapshot = std::map<std::string, std::string>;

Snapshot TakeSnapshot() {
    Snapshot files;
    for (const auto& name : DirectoryListing())
        files[name] = ReadFileBytes(name);
    return files;
}

CellarWine Wine(const char* colour, const char* region, const char* mark, const char* format) {
    CellarWine w;
    w.colour = Cp1252(colour);
    w.region = Cp1252(region);
    w.appellation = "Pommard";
    w.vintage = "1990";
    w.mark = Cp1252(mark);
    w.bottleFormat = Cp1252(format);
    w.remarks = "cave du bas";
    return PaddedCellarWine(w);
}

ConsumedWine Entry(const char* region, const char* date) {
    ConsumedWine e;
    e.colour = "Rouge";
    e.region = Cp1252(region);
    e.appellation = "Patrimonio";
    e.drinkDate = date;
    e.mark = Cp1252("Très Bon");
    return PaddedConsumedWine(e);
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

} // namespace

class DataSetSwitchTest : public DataDirTest {
protected:
    // A French data set: every file of the conversion map, and the appellation base.
    void WriteFrenchSet() {
        LoadVocabulary(DataLanguage::French);
        WriteAllLines("Couleur.dat",
                      {PadText("Blanc", 10), PadText("Rouge", 10), PadText(Cp1252("Rosé"), 10),
                       PadText(Cp1252("Pétillant"), 10)});
        State().sort = 1;
        WriteCellarFile("Cave.dat",
                        CellarAfterInserts({}, {Wine("Rouge", "Bourgogne", "Très Bon", "Bouteille"),
                                                Wine("Blanc", "Bourgogne", "Bon", "Magnum"),
                                                Wine("Rosé", "Bourgogne", "Bon", "Magnum"),
                                                Wine("Pétillant", "Corse", "Moyen", "Bouteille")}));
        WriteHistoryFile("Stat.dat",
                         {Entry("Corse", "01/02/1998"), Entry("Bordeaux", "02/02/1998")});
        WriteAllLines("Annee.dat", {VintageHeader(PadText("Corse", 20), PadText("Patrimonio", 30)),
                                    "  1990 17"});
        WriteAllLines("Domaine.dat",
                      {DomaineHeader(PadText("Corse", 20), PadText("[Autre Appellation]", 30)),
                       "      Clos Nicrosi"});
        WriteAllLines("Apogee.dat",
                      {MaturityLine(PadText("Rouge", 10), PadText("Bourgogne", 20), 8)});
        WriteAllLines("Vins.dat", {"base"});
    }
};

TEST_F(DataSetSwitchTest, TranslatesEveryFileAndComesBackToTheSameFrenchSet) {
    WriteFrenchSet();
    const Snapshot french = TakeSnapshot();
    ConvertDataSet(true, {});

    EXPECT_EQ(DirectoryListing(),
              (std::vector<std::string>{"Cellar.dat", "Colour.dat", "Country.dat", "Domaine.dat",
                                        "Mark.dat", "Mature.dat", "Stat.dat", "Vins.dat",
                                        "Volum.dat", "Year.dat"}));
    SetDataFileNames(DataLanguage::English);
    const RecordFile<CellarWine> cellar = ReadCellarFile("Cellar.dat");
    ASSERT_EQ(cellar.records.size(), 4u);
    std::vector<std::string> colours;
    for (const auto& w : cellar.records)
        colours.push_back(RightTrim(w.colour));
    // Sort 1 on the translated colours; a colour of the user's passes unchanged.
    EXPECT_EQ(colours, (std::vector<std::string>{Cp1252("Pétillant"), "Red", "Rose", "White"}));
    EXPECT_EQ(RightTrim(cellar.records[1].region), "Burgundy");
    EXPECT_EQ(cellar.records[1].mark, "Very Good");
    EXPECT_EQ(RightTrim(cellar.records[1].bottleFormat), "Bottle");
    EXPECT_EQ(RightTrim(cellar.records[0].region), "Corsica");

    const RecordFile<ConsumedWine> history = ReadHistoryFile("Stat.dat");
    ASSERT_EQ(history.records.size(), 2u);
    EXPECT_EQ(RightTrim(history.records[0].region), "Corsica");
    EXPECT_EQ(RightTrim(history.records[1].region), "Bordeaux");
    EXPECT_EQ(RightTrim(history.records[0].mark), "Very Good");

    EXPECT_EQ(Lines("Year.dat")[0],
              VintageHeader(PadText("Corsica", 20), PadText("Patrimonio", 30)));
    EXPECT_EQ(Lines("Domaine.dat"),
              (std::vector<std::string>{
                  DomaineHeader(PadText("Corsica", 20), PadText("[Other Appellation]", 30)),
                  "      Clos Nicrosi"}));
    EXPECT_EQ(Lines("Mature.dat")[0], MaturityLine(PadText("Red", 10), PadText("Burgundy", 20), 8));
    EXPECT_EQ(RightTrim(Lines("Colour.dat")[0]), "White");

    ConvertDataSet(false, {});
    EXPECT_EQ(TakeSnapshot(), french);
}

// The lists as the lists window saves them, every entry padded to its width, and a record line
// without its trailing blanks: the terms translate all the same, the lists with the records, so
// that every rating, colour, region and format is still found in its list, and an export then
// an import keeps them. Switching back and forth then gives each language's files byte for byte.
TEST_F(DataSetSwitchTest, ListsAndRecordsInAnyPaddingTranslateTogether) {
    WriteFrenchSet();
    const auto padded = [](std::vector<std::string> entries, int width) {
        for (auto& e : entries)
            e = PadText(RightTrim(e), width);
        return entries;
    };
    WriteAllLines("Note.dat", padded(DefaultMarks(DataLanguage::French), 10));
    WriteAllLines("Couleur.dat", padded({"Blanc", "Rouge", Cp1252("Rosé"), Cp1252("Pétillant")}, 10));
    RecordFile<CellarWine> wines = ReadCellarFile("Cave.dat");
    for (CellarWine& w : wines.records)
        w.quantity = " 2"; // as the import asks
    WriteCellarFile("Cave.dat", wines.records);
    std::string cellar = ReadFileBytes("Cave.dat");
    // The first line of the first wine ends at its bottle format.
    const std::size_t end = cellar.find("\r\n");
    cellar.replace(0, end, RightTrim(cellar.substr(0, end)));
    WriteFileBytes("Cave.dat", cellar);

    const auto expectTermsInLists = [](DataLanguage language) {
        SCOPED_TRACE(language == DataLanguage::French ? "French" : "English");
        LoadVocabulary(language);
        const Vocabulary& lists = State().lists;
        const auto listed = [](const VocabularyList& list, const std::string& term) {
            for (const auto& entry : list.entries)
                if (RightTrim(entry) == RightTrim(term)) return true;
            return RightTrim(term) == RightTrim(list.fixedEntry);
        };
        const RecordFile<CellarWine> wines = ReadCellarFile(State().files.cellar);
        ASSERT_EQ(wines.records.size(), 4u);
        std::vector<std::string> marks;
        for (const CellarWine& w : wines.records) {
            EXPECT_TRUE(listed(lists.marks, w.mark)) << w.mark;
            EXPECT_TRUE(listed(lists.colours, w.colour)) << w.colour;
            EXPECT_TRUE(listed(lists.regions, w.region)) << w.region;
            EXPECT_TRUE(w.bottleFormat.rfind("Magnum", 0) == 0 ||
                        listed(lists.bottleFormats, w.bottleFormat))
                << w.bottleFormat;
            marks.push_back(w.mark);
        }
        for (const ConsumedWine& e : ReadHistoryFile("Stat.dat").records)
            EXPECT_TRUE(listed(lists.marks, e.mark)) << e.mark;
        for (const auto& entry : lists.marks.entries)
            EXPECT_EQ(entry.size(), 10u) << entry; // the padding stays as it was written

        // Export, then import into an empty cellar: the same ratings; every file as it was.
        const std::vector<std::string> before = DirectoryListing();
        const std::string stored = ReadFileBytes(State().files.cellar);
        ASSERT_TRUE(ExportCellar("export.txt"));
        DeleteFileIfPresent(State().files.cellar);
        ImportPlan plan;
        ASSERT_TRUE(PlanImport("export.txt", CurrentExchangeContext(), plan));
        EXPECT_TRUE(plan.rejected.empty()) << plan.rejected.front().error.message;
        CommitImport(plan);
        std::vector<std::string> imported;
        for (const CellarWine& w : ReadCellarFile(State().files.cellar).records)
            imported.push_back(w.mark);
        std::sort(marks.begin(), marks.end());
        std::sort(imported.begin(), imported.end());
        EXPECT_EQ(imported, marks);
        WriteFileBytes(State().files.cellar, stored);
        for (const std::string& name : DirectoryListing())
            if (std::find(before.begin(), before.end(), name) == before.end())
                DeleteFileIfPresent(name);
    };

    ConvertDataSet(true, {});
    expectTermsInLists(DataLanguage::English);
    EXPECT_EQ(RightTrim(Lines("Mark.dat").back()), "Very Good");
    ConvertDataSet(false, {});
    expectTermsInLists(DataLanguage::French);
    const Snapshot french = TakeSnapshot();
    ConvertDataSet(true, {});
    const Snapshot english = TakeSnapshot();
    ConvertDataSet(false, {});
    EXPECT_EQ(TakeSnapshot(), french);
    ConvertDataSet(true, {});
    EXPECT_EQ(TakeSnapshot(), english);
}

// Each write of the switch fails in turn, and so does recording the language: every time the
// French set stays whole, nothing staged remains, and the switch done again succeeds.
TEST_F(DataSetSwitchTest, AFailureAtAnyPointLeavesTheOldSetWhole) {
    WriteFrenchSet();
    const Snapshot french = TakeSnapshot();
    bool done = false;
    for (long bytes = 0; !done; bytes += 97) {
        files_testing::FailWritesAfter(bytes);
        try {
            ConvertDataSet(true, {});
            done = true;
        } catch (const IoError& error) {
            EXPECT_EQ(error.kind(), IoError::Kind::DiskFull);
            files_testing::FailWritesAfter(-1);
            for (const auto& [name, content] : french)
                ASSERT_EQ(ReadFileBytes(name), content) << name << " " << bytes;
            ASSERT_FALSE(Exists("Stat.fr") || Exists("Domaine.fr"));
        }
    }
    files_testing::FailWritesAfter(-1);
    ConvertDataSet(false, {});
    EXPECT_EQ(TakeSnapshot(), french);

    struct NotRecorded {};
    EXPECT_THROW(ConvertDataSet(true, [] { throw NotRecorded{}; }), NotRecorded);
    for (const auto& [name, content] : french)
        EXPECT_EQ(ReadFileBytes(name), content) << name;
    EXPECT_FALSE(Exists("Stat.fr"));
    EXPECT_FALSE(Exists("Domaine.fr"));
}

// Without its French file, an English file already there is kept.
TEST_F(DataSetSwitchTest, AMissingSourceKeepsTheTargetFile) {
    WriteAllLines("Cellar.dat", {"kept"});
    WriteAllLines("Year.dat", {"kept"});
    ConvertDataSet(true, {});
    EXPECT_EQ(Lines("Cellar.dat"), std::vector<std::string>{"kept"});
    EXPECT_EQ(Lines("Year.dat"), std::vector<std::string>{"kept"});
}
