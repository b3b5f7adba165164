// Commands that write several files, each one transaction: a failure or a stop at any call,
// then a start, leaves the old set or the new set, byte for byte.
#include <gtest/gtest.h>

#include <filesystem>

#include "store/DataSetSwitch.h"
#include "store/Exchange.h"
#include "store/Files.h"
#include "store/IniFile.h"
#include "store/OldVersions.h"
#include "store/Rebuild.h"
#include "store/RefBases.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/Transaction.h"
#include "support/TestDirs.h"
#include "support/Transactions.h"

using namespace store;
using namespace testsupport;

namespace {

CellarWine Wine(const char* colour, const char* region, const char* appellation) {
    CellarWine w;
    w.colour = Cp1252(colour);
    w.region = Cp1252(region);
    w.appellation = appellation;
    w.vintage = "1990";
    w.mark = Cp1252("Très Bon");
    w.bottleFormat = "Bouteille";
    return PaddedCellarWine(w);
}

ConsumedWine Entry(const char* region, const char* date) {
    ConsumedWine e;
    e.colour = "Rouge";
    e.region = Cp1252(region);
    e.appellation = "Patrimonio";
    e.drinkDate = date;
    e.mark = "Bon";
    return PaddedConsumedWine(e);
}

// Files of version 1 (narrow layouts, English regions).
std::vector<std::string> Version1Wine(const std::string& appellation) {
    return {PadText("Rouge", 5) + PadText("Spain", 20) + " 6" + "   12.50" + "01/02/1998" + "2005" +
                "1990" + PadText("Bon", 9),
            PadText(appellation, 30) + PadText("Bodega", 30) + "A1    ",
            PadText("belle robe", 30)};
}
const std::string kOldBaseHeader =
    "[" + PadText("Spain", 20) + "][Blanc][" + PadText("Rueda", 30) + "]";

} // namespace

class TransactionTest : public DataDirTest {
protected:
    std::string settings() const { return configDir + "/Tonnelix.ini"; }
    std::vector<std::string> dirs() const { return {dataDir, configDir}; }

    void Record(const char* key, const char* value) const {
        IniFile ini = IniFile::Load(settings());
        ini.set("Options", key, value);
        ini.save(settings());
    }

    // A French data set with the program's state as a start leaves it.
    void FillFrench() {
        LoadVocabulary(DataLanguage::French);
        State().sort = 1;
        WriteCellarFile("Cave.dat",
                        CellarAfterInserts({}, {Wine("Rouge", "Bourgogne", "Pommard"),
                                                Wine("Blanc", "Corse", "Patrimonio"),
                                                Wine("Rouge", "Alsace", "Riesling")}));
        WriteHistoryFile("Stat.dat", {Entry("Corse", "01/02/1998"), Entry("Bordeaux", "02/02/1998")});
        WriteAllLines("Annee.dat",
                      {VintageHeader(PadText("Corse", 20), PadText("Patrimonio", 30)), "  1990 17"});
        WriteAllLines("Domaine.dat",
                      {DomaineHeader(PadText("Corse", 20), PadText("[Autre Appellation]", 30)),
                       "      Clos Nicrosi"});
        WriteAllLines("Apogee.dat", {MaturityLine(PadText("Rouge", 10), PadText("Bourgogne", 20), 8)});
        WriteAllLines("Vins.dat", {AppellationHeader("Rouge", "Bourgogne", "Pommard"), "Temp = 16"});
        WriteFileBytes(settings(), "; mine\r\n[Options]\r\nLanguage=Francais\r\nSort=1\r\n");
    }

    static void French() {
        ResetState();
        LoadVocabulary(DataLanguage::French);
    }

    void FillVersion1() {
        ResetState();
        WriteAllLines("Cave.dat", Version1Wine("Rioja"));
        WriteAllLines("Stat.dat", {PadText("Rouge", 5) + PadText("Spain", 20) + PadText("Rioja", 30)});
        WriteAllLines("Vins.dat", {kOldBaseHeader, "Temp = 8"});
        WriteAllLines("Couleur.dat", {"Blanc", "Rouge"});
        // Left by an earlier conversion: a base copy equal to the base, and a cellar copy
        // from long ago.
        WriteAllLines("Vins.13", {kOldBaseHeader, "Temp = 8"});
        WriteAllLines("Cave.13", Version1Wine("Stale"));
        WriteFileBytes(settings(), "[Software]\r\nVersion=1\r\n");
    }

    void ConvertVersion1() const {
        ResetState();
        ConvertVersion1Files([this] {
            IniFile ini = IniFile::Load(settings());
            ini.set("Software", "Version", "3");
            ini.save(settings());
        });
    }
};

// One table: the facility itself and every multi-file command of the data layer.
TEST_F(TransactionTest, EveryCommandEndsOnTheOldOrTheNewSetAtEveryFailureAndEveryStop) {
    const std::vector<TransactionCase> cases{
        {"three files in two folders and a removal",
         [this] {
             FillFrench();
             WriteAllLines("Volume.dat", {"Magnum"});
         },
         [this] {
             Transaction transaction;
             WriteAllLines("Note.dat", {"Bon", "Moyen"});
             WriteAllLines("Mark.dat", {"Good"});
             DeleteFileIfPresent("Volume.dat");
             Record("Sort", "3");
             transaction.commit();
         }},
        {"switch to English with the language",
         [this] { FillFrench(); },
         [this] {
             French();
             ConvertDataSet(true, [this] { Record("Language", "English"); });
         }},
        {"switch back to French with the language",
         [this] {
             FillFrench();
             ConvertDataSet(true, [this] { Record("Language", "English"); });
         },
         [this] {
             ResetState();
             LoadVocabulary(DataLanguage::English);
             ConvertDataSet(false, [this] { Record("Language", "Francais"); });
         }},
        {"re-sort with the Sort",
         [this] { FillFrench(); },
         [this] {
             French();
             State().sort = 2;
             ResortCellar([this] { Record("Sort", "2"); });
         }},
        {"the four lists",
         [this] { FillFrench(); },
         [] {
             WriteAllLinesOfFiles({{"Couleur.dat", {PadText("Rouge", 10)}},
                                   {"Region.dat", {PadText("Alsace", 20)}},
                                   {"Note.dat", {"Bon"}},
                                   {"Volume.dat", {PadText("Magnum", 10)}}});
         }},
        {"import with its error file, its saved copy and its source",
         [this] {
             FillFrench();
             WriteFileBytes("import.err", "old errors\r\n");
             WriteFileBytes(configDir + "/in.txt",
                            CrLf({"Rouge,Bordeaux,Pauillac,D1,O,1995,1,,,,,,,,",
                                  "Rouge,Bordeaux,Pauillac,D2,O,95,1,,,,,,,,"}));
         },
         [this] {
             French();
             ImportPlan plan;
             ASSERT_TRUE(PlanImport(configDir + "/in.txt", CurrentExchangeContext(), plan));
             ASSERT_EQ(plan.rejected.size(), 1u);
             EXPECT_FALSE(CommitImport(plan).originalKept);
         }},
        {"conversion of version 1 files over an earlier conversion's copies",
         [this] { FillVersion1(); },
         [this] { ConvertVersion1(); },
         [this] {
             if (IniFile::Load(settings()).value("Software", "Version") != "3") ConvertVersion1();
         },
         true},
    };
    for (const TransactionCase& c : cases) {
        std::filesystem::remove_all(dataDir);
        std::filesystem::create_directory(dataDir);
        std::filesystem::current_path(dataDir);
        const TransactionCounts counts = CheckTransaction(c, dirs(), settings());
        EXPECT_GT(counts.faults, 0);
        EXPECT_GT(counts.crashes, 0);
    }
}

// Copies left by an earlier conversion are no sign of an unfinished one: the cellar converted is
// the current one, and the copies are made again from the current files.
TEST_F(TransactionTest, AConversionOverAnEarlierOnesCopiesConvertsTheCurrentFiles) {
    FillVersion1();
    const std::string cellar = ReadFileBytes("Cave.dat");
    ConvertVersion1();
    const RecordFile<CellarWine> converted = ReadCellarFile("Cave.dat");
    ASSERT_EQ(converted.records.size(), 1u);
    EXPECT_EQ(RightTrim(converted.records[0].appellation), "Rioja");
    EXPECT_EQ(ReadFileBytes("Cave.13"), cellar);
    EXPECT_EQ(ReadFileBytes("Vins.dat")[33], ']');
    EXPECT_EQ(IniFile::Load(settings()).value("Software", "Version"), "3");
}

// A rename failing after the journal is in place: the command is done at once when the retry
// works, and otherwise before anything else is written.
TEST_F(TransactionTest, AFailureAfterTheCommitPointIsFinishedBeforeTheNextWrite) {
    FillFrench();
    French();
    files_testing::FailNthCall(files_testing::Call::Rename, 3, EIO);
    try {
        ConvertDataSet(true, [this] { Record("Language", "English"); });
        ADD_FAILURE() << "the failure was not reported";
    } catch (const CommittedWithError& error) {
        EXPECT_TRUE(error.finished());
    }
    EXPECT_FALSE(Exists(kJournalFile));
    EXPECT_FALSE(Exists("Cave.dat"));
    EXPECT_EQ(IniFile::Load(settings()).value("Options", "Language"), "English");

    // The target of a staged file cannot be replaced (a folder stands in its way) until the user
    // mends it: the journal waits, and no other file is written meanwhile.
    const std::string notes = ReadFileBytes("Mark.dat");
    {
        Transaction transaction;
        WriteAllLines("Mark.dat", {"Good"});
        WriteAllLines("Year.dat", {"[x]"});
        std::filesystem::remove("Mark.dat");
        std::filesystem::create_directory("Mark.dat");
        try {
            transaction.commit();
            ADD_FAILURE() << "the failure was not reported";
        } catch (const CommittedWithError& error) {
            EXPECT_FALSE(error.finished());
        }
    }
    EXPECT_TRUE(Exists(kJournalFile));
    EXPECT_THROW(WriteAllLines("Colour.dat", {"Red"}), IoError);
    std::filesystem::remove("Mark.dat");
    WriteAllLines("Colour.dat", {"Red"});
    EXPECT_FALSE(Exists(kJournalFile));
    EXPECT_EQ(ReadFileBytes("Mark.dat"), "Good\r\n");
    EXPECT_EQ(ReadFileBytes("Year.dat"), "[x]\r\n");
    EXPECT_EQ(ReadFileBytes("Colour.dat"), "Red\r\n");
    (void)notes;
}

// The whole run: a switch whose last rename fails, a wine entered, a new start: the wine is in
// the cellar of the new language.
TEST_F(TransactionTest, AWineEnteredAfterASwitchThatFailedLateIsThereAtTheNextStart) {
    FillFrench();
    French();
    files_testing::Reset();
    ConvertDataSet(true, [this] { Record("Language", "English"); });
    const long renames = files_testing::CallCount(files_testing::Call::Rename);
    std::filesystem::remove_all(dataDir);
    std::filesystem::create_directory(dataDir);
    std::filesystem::current_path(dataDir);
    FillFrench();
    French();
    files_testing::Reset();
    files_testing::FailNthCall(files_testing::Call::Rename, renames, EACCES);
    EXPECT_THROW(ConvertDataSet(true, [this] { Record("Language", "English"); }),
                 CommittedWithError);
    files_testing::Reset();
    // The program follows the data: English from now on.
    LoadVocabulary(DataLanguage::English);
    InsertCellarWine(Wine("Red", "Burgundy", "Volnay"));

    RecoverDataFolder({settings()});
    ResetState();
    LoadVocabulary(DataLanguage::English);
    const RecordFile<CellarWine> cellar = ReadCellarFile("Cellar.dat");
    bool found = false;
    for (const CellarWine& w : cellar.records)
        found = found || RightTrim(w.appellation) == "Volnay";
    EXPECT_TRUE(found);
    EXPECT_EQ(cellar.records.size(), 4u);
}

// At a start only the program's own leftovers go: a temporary of a running program and the
// user's own files stay.
TEST_F(TransactionTest, AStartRemovesTheProgramsLeftoversOnly) {
    WriteFileBytes("Cave.dat", "wines\r\n");
    const std::string dead = "Cave.dat.999999999.tmp"; // no such process
    const std::string live = "Stat.dat." + std::to_string(::getppid()) + ".tmp";
    for (const std::string& name : {dead, live, std::string("Import.sav.999999999.tmp"),
                                    std::string("Stat.fr"), std::string("Domaine.gb"),
                                    std::string("notes.999999999.tmp"), std::string("Cave.dat.x.tmp")})
        WriteFileBytes(name, "x");
    WriteFileBytes(settings() + ".999999999.tmp", "x");
    RecoverDataFolder({settings()});
    EXPECT_EQ(DirectoryListing(),
              (std::vector<std::string>{"Cave.dat", "Cave.dat.x.tmp", live, "notes.999999999.tmp"}));
    EXPECT_FALSE(Exists(settings() + ".999999999.tmp"));
}
