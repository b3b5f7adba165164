#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "store/Exchange.h"
#include "store/Rebuild.h"
#include "store/RefBases.h"
#include "store/State.h"
#include "store/Text.h"
#include "support/TestDirs.h"

using namespace store;
using namespace testsupport;

namespace {

CellarWine Wine(const char* colour, const char* region, const char* appellation,
                const char* domaine, const char* vintage, const char* quantity) {
    CellarWine w;
    w.colour = colour;
    w.region = region;
    w.appellation = appellation;
    w.domaine = domaine;
    w.owner = "Famille Test";
    w.vintage = vintage;
    w.quantity = quantity;
    w.price = "   12.50";
    w.purchaseDate = "01/02/1998";
    w.peakYear = "2005";
    w.mark = "Bon";
    w.bottleFormat = "Magnum";
    w.remarks = "Cadeau";
    w.location = "A3";
    w.purchasePlace = "Caviste, Bordeaux";
    return PaddedCellarWine(w);
}

} // namespace

class ExchangeTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        LoadVocabulary(DataLanguage::French);
        WriteFileBytes("Vins.dat", CrLf({AppellationHeader("Rouge", "Bordeaux", "Pauillac"),
                                         AppellationHeader("Blanc", "Alsace", "Riesling"),
                                         AppellationHeader("Rouge", "Bordeaux", "Margaux")}));
    }

    std::vector<CellarWine> Cellar() { return ReadCellarFile(State().files.cellar).records; }
};

TEST_F(ExchangeTest, ExportWritesOneLinePerWineInFileOrder) {
    CellarWine first = Wine("Rouge", "Bordeaux", "Pauillac", "Château A, B", "1995", " 6");
    first.remarks = PadText("a,b", 50);
    first.location = PadText("c,d", 10);
    first.owner = PadText("x,y", 50);
    WriteCellarFile("Cave.dat", {first, Wine("Blanc", "Alsace", "Riesling", "D", "2001", "12"),
                                 Wine("Rouge", "Bordeaux", "Margaux", "E", "1990", " 1")});

    ASSERT_TRUE(ExportCellar("out.txt"));
    EXPECT_EQ(ReadFileBytes("out.txt"),
              CrLf({"Rouge,Bordeaux,Pauillac,Château A- B,x-y,1995,6,12.50,01/02/1998,2005,Bon,"
                    "Magnum,a-b,c-d,Caviste, Bordeaux",
                    "Blanc,Alsace,Riesling,D,Famille Test,2001,12,12.50,01/02/1998,2005,Bon,"
                    "Magnum,Cadeau,A3,Caviste, Bordeaux",
                    "Rouge,Bordeaux,Margaux,E,Famille Test,1990,1,12.50,01/02/1998,2005,Bon,"
                    "Magnum,Cadeau,A3,Caviste, Bordeaux"}));
}

// Without a cellar nothing is written, and an older export stays whole; with one, the old
// export is replaced only by complete content.
TEST_F(ExchangeTest, ExportNeverLosesTheFileItReplaces) {
    WriteFileBytes("out.txt", "old\r\n");
    EXPECT_FALSE(ExportCellar("out.txt"));
    EXPECT_EQ(ReadFileBytes("out.txt"), "old\r\n");

    WriteCellarFile("Cave.dat", {Wine("Rouge", "Bordeaux", "Pauillac", "A", "1995", " 6")});
    files_testing::FailWritesAfter(10);
    EXPECT_THROW(ExportCellar("out.txt"), IoError);
    files_testing::Reset();
    EXPECT_EQ(ReadFileBytes("out.txt"), "old\r\n");
    EXPECT_EQ(DirectoryListing(),
              (std::vector<std::string>{"Cave.dat", "Couleur.dat", "Note.dat", "Region.dat",
                                        "Vins.dat", "Volume.dat", "out.txt"}));
}

TEST_F(ExchangeTest, ParseChecksEachFieldAsTheImportDoes) {
    const ExchangeContext context = CurrentExchangeContext();
    const std::string good = "Rouge,Bordeaux,Pauillac,Dom,Own,1995,6,12.5,01/02/1998,2005,Bon,"
                             "Magnum,Rem,Loc,Place";
    struct Case {
        std::string line;
        std::size_t position; // 0: accepted
        std::string field;
        std::string message;
    };
    const Case cases[] = {
        {"", 1, "", "Couleur incorrecte"},
        {"Mauve,Bordeaux,x", 1, "Mauve", "Couleur incorrecte"},
        {"Rouge,Borde,x", 7, "Borde", Cp1252("Région incorrecte")},
        {"Rouge,Bordeaux,Pauillac,Dom", 25, "Dom", Cp1252("Domaine ou château absent")},
        {"Rouge,Bordeaux,Pauillac,Dom,Own", 29, "Own", Cp1252("Propriétaire absent")},
        {"Rouge,Bordeaux,Pauillac,Dom,Own,95,6,", 33, "95", Cp1252("Millésime incorrect")},
        {"Rouge,Bordeaux,Pauillac,Dom,Own,1995,0,", 38, "0", Cp1252("Quantité incorrecte")},
        {"Rouge,Bordeaux,Pauillac,Dom,Own,1995,ab,", 38, "ab", Cp1252("Quantité incorrecte")},
        {"Rouge,Bordeaux,Pauillac,Dom,Own,1995,-1,", 38, "-1", Cp1252("Quantité incorrecte")},
        {"Rouge,Bordeaux,Pauillac,Dom,Own,1995,6,100000,", 40, "100000", "Prix incorrect"},
        {"Rouge,Bordeaux,Pauillac,Dom,Own,1995,6,1.2.3,", 40, "1.2.3", "Prix incorrect"},
        {"Rouge,Bordeaux,Pauillac,Dom,Own,1995,6,,31/02/1998,", 41, "31/02/1998",
         "Date achat incorrecte"},
        {"Rouge,Bordeaux,Pauillac,Dom,Own,1995,6,,,20x5,", 42, "20x5",
         Cp1252("Année apogée incorrecte")},
        {good, 0, "", ""},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseExchangeLine(c.line, context);
        if (c.position == 0) {
            EXPECT_TRUE(std::holds_alternative<CellarWine>(parsed)) << c.line;
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<ExchangeError>(parsed)) << c.line;
        const ExchangeError& error = std::get<ExchangeError>(parsed);
        EXPECT_EQ(error.position, c.position) << c.line;
        EXPECT_EQ(error.field, c.field) << c.line;
        EXPECT_EQ(error.message, c.message) << c.line;
    }
}

TEST_F(ExchangeTest, ParseStoresTheListsSpellingAndFillsTheOptionalFields) {
    const ExchangeContext context = CurrentExchangeContext();
    const auto full = ParseExchangeLine("ROUGE,bordeaux,pauillac,Dom,Own,1995,6,12.5,01/02/"
                                        "1998,2005,bon,MAGNUM,Rem,Loc,Place, town",
                                        context);
    ASSERT_TRUE(std::holds_alternative<CellarWine>(full));
    CellarWine expected = Wine("Rouge", "Bordeaux", "Pauillac", "Dom", "1995", " 6");
    expected.owner = PadText("Own", 50);
    expected.remarks = PadText("Rem", 50);
    expected.location = PadText("Loc", 10);
    expected.purchasePlace = PadText("Place, town", 50);
    EXPECT_EQ(std::get<CellarWine>(full), expected);

    const auto sparse =
        ParseExchangeLine("Rouge,Bordeaux,Saint-Julien,Dom,Own,1995,12,,,,,,,,", context);
    ASSERT_TRUE(std::holds_alternative<CellarWine>(sparse));
    const CellarWine& wine = std::get<CellarWine>(sparse);
    EXPECT_EQ(wine.appellation, PadText("[Autre Appellation]", 30));
    EXPECT_EQ(wine.quantity, "12");
    EXPECT_EQ(wine.price, Blanks(8));
    EXPECT_EQ(wine.purchaseDate, Blanks(10));
    EXPECT_EQ(wine.peakYear, Blanks(4));
    EXPECT_EQ(RightTrim(wine.mark), "Aucune");
    EXPECT_EQ(wine.bottleFormat, Blanks(10));

    // Marks and formats that no list holds are never an error.
    const auto unknown =
        ParseExchangeLine("Rouge,Bordeaux,Margaux,D,O,1995,1,,,,Superbe,Fût,,,", context);
    ASSERT_TRUE(std::holds_alternative<CellarWine>(unknown));
    EXPECT_EQ(RightTrim(std::get<CellarWine>(unknown).mark), "Aucune");
    EXPECT_EQ(std::get<CellarWine>(unknown).bottleFormat, Blanks(10));
}

// Marks, formats, the fixed region and a comma in the purchase place all come back.
TEST_F(ExchangeTest, ExportThenImportGivesTheSameCellar) {
    CellarWine autre = Wine("Rosé", "Autre", "[Autre Appellation]", "F", "2003", "24");
    autre.colour = PadText(Cp1252("Rosé"), 10);
    autre.mark = Cp1252("Très Bon");
    autre.bottleFormat = PadText("1/2 Bout.", 10);
    autre.price = "99999.99";
    autre.purchaseDate = Blanks(10);
    autre.peakYear = Blanks(4);
    std::vector<CellarWine> wines = {Wine("Rouge", "Bordeaux", "Pauillac", "A", "1995", " 6"),
                                     autre, Wine("Blanc", "Alsace", "Riesling", "D", "2001", "12")};
    WriteCellarFile("Cave.dat", CellarAfterInserts({}, wines));
    const std::string before = ReadFileBytes("Cave.dat");
    ASSERT_TRUE(ExportCellar("out.txt"));
    DeleteFileIfPresent("Cave.dat");

    ImportPlan plan;
    ASSERT_TRUE(PlanImport("out.txt", CurrentExchangeContext(), plan));
    EXPECT_TRUE(plan.rejected.empty());
    CommitImport(plan);
    EXPECT_EQ(ReadFileBytes("Cave.dat"), before);
    EXPECT_FALSE(Exists("out.txt"));
    EXPECT_FALSE(Exists("import.err"));

    // The same file again doubles every wine: import makes no duplicate test.
    WriteFileBytes("again.txt", ReadFileBytes("Import.sav"));
    ASSERT_TRUE(PlanImport("again.txt", CurrentExchangeContext(), plan));
    CommitImport(plan);
    EXPECT_EQ(Cellar().size(), 6u);
    const std::vector<CellarWine> sorted = CellarAfterInserts({}, wines);
    WriteCellarFile("Twice.dat", CellarAfterInserts(sorted, sorted));
    EXPECT_EQ(ReadFileBytes("Cave.dat"), ReadFileBytes("Twice.dat"));
}

TEST_F(ExchangeTest, RejectedLinesAreKeptAsReadAndTheFileIsMovedToImportSav) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 10; ++i)
        lines.push_back("Rouge,Bordeaux,Pauillac,D" + std::to_string(i) + ",O,1995,1,,,,,,,,");
    lines[1] = "Rouge,Bordeaux,Pauillac,D2,O,95,1,,,,,,,,  ";
    lines[7] = "";
    const std::string bytes = CrLf(lines);
    WriteFileBytes("in.txt", bytes);
    WriteFileBytes("import.err", "stale\r\n");

    ImportPlan plan;
    ASSERT_TRUE(PlanImport("in.txt", CurrentExchangeContext(), plan));
    ASSERT_EQ(plan.rejected.size(), 2u);
    EXPECT_EQ(plan.rejected[0].number, 2);
    EXPECT_EQ(plan.rejected[1].number, 8);
    const ImportResult result = CommitImport(plan);
    EXPECT_FALSE(result.originalKept);
    EXPECT_EQ(Cellar().size(), 8u);
    EXPECT_EQ(ReadFileBytes("import.err"), CrLf({lines[1], lines[7]}));
    EXPECT_EQ(ReadFileBytes("Import.sav"), bytes);
    EXPECT_FALSE(Exists("in.txt"));
    EXPECT_EQ(ImportSummary(DataLanguage::French, plan, result, "/d/import.err"),
              Cp1252("8 ligne(s) importée(s) avec succès\n\n2 ligne(s) en échec\n\nLes lignes en "
                     "échec sont dans le fichier /d/import.err"));
    EXPECT_EQ(ImportErrorHead(DataLanguage::English, plan.rejected[0]) +
                  plan.rejected[0].error.field + ImportErrorTail(plan.rejected[0]),
              Cp1252("Error line 2 position 30\n\n95 (Millésime incorrect)"));

    // The mended error file read back replaces itself and leaves no stale copy.
    WriteFileBytes("import.err", CrLf({"Rouge,Bordeaux,Pauillac,D2,O,1995,1,,,,,,,,"}));
    ASSERT_TRUE(PlanImport("import.err", CurrentExchangeContext(), plan));
    CommitImport(plan);
    EXPECT_EQ(Cellar().size(), 9u);
    EXPECT_FALSE(Exists("import.err"));
}

TEST_F(ExchangeTest, Utf8FilesAreReadAsUtf8) {
    const std::string accepted = "Rosé,Provence,x,Dom,Own,2003,1,,,,Très Bon,,été,,";
    const std::string refused = "Rouge,Bordeaux,x,Ōmura,Own,2003,1,,,,,,,,";
    const std::string cp1252Line = Cp1252("Rosé,Provence,x,Dom,Own,2003,1,,,,,,,,");
    for (const std::string& mark : {std::string(), std::string("\xEF\xBB\xBF")}) {
        WriteFileBytes("in.txt", mark + accepted + "\r\n" + refused + "\n");
        ImportPlan plan;
        ASSERT_TRUE(PlanImport("in.txt", CurrentExchangeContext(), plan));
        ASSERT_EQ(plan.accepted.size(), 1u);
        EXPECT_EQ(plan.accepted[0].colour, PadText(Cp1252("Rosé"), 10));
        EXPECT_EQ(RightTrim(plan.accepted[0].mark), Cp1252("Très Bon"));
        EXPECT_EQ(plan.accepted[0].remarks, PadText(Cp1252("été"), 50));
        ASSERT_EQ(plan.rejected.size(), 1u);
        EXPECT_EQ(plan.rejected[0].error.position, 18u);
        EXPECT_EQ(plan.rejected[0].refusedUtf8, "Ō");
        CommitImport(plan);
        EXPECT_EQ(ReadFileBytes("import.err"), refused + "\r\n");
    }
    // Code page 1252 bytes are not valid UTF-8 and stay as they are.
    WriteFileBytes("in.txt", cp1252Line + "\r\n");
    ImportPlan plan;
    ASSERT_TRUE(PlanImport("in.txt", CurrentExchangeContext(), plan));
    ASSERT_EQ(plan.accepted.size(), 1u);
    EXPECT_EQ(plan.accepted[0].colour, PadText(Cp1252("Rosé"), 10));
}

// A failure anywhere before the cellar is complete leaves every file as it was.
TEST_F(ExchangeTest, AFailedImportChangesNothing) {
    WriteCellarFile("Cave.dat", {Wine("Rouge", "Bordeaux", "Pauillac", "A", "1995", " 6")});
    std::string input;
    for (int i = 0; i < 200; ++i)
        input += "Blanc,Alsace,Riesling,D" + std::to_string(i) + ",O,2001,2,,,,,,,,\r\n";
    input += "bad\r\n";
    WriteFileBytes("in.txt", input);
    WriteFileBytes("Import.sav", "older\r\n");
    const std::vector<std::string> listing = DirectoryListing();
    const std::string cellar = ReadFileBytes("Cave.dat");
    // The failure falls inside the copy kept as "Import.sav", then past it and the error file
    // inside the cellar's rewrite.
    for (long after : {0L, 5000L, static_cast<long>(input.size()) + 4000L}) {
        {
            files_testing::FailWritesAfter(after);
            EXPECT_THROW(
                {
                    ImportPlan plan;
                    PlanImport("in.txt", CurrentExchangeContext(), plan);
                    CommitImport(plan);
                },
                IoError)
                << after;
            files_testing::FailWritesAfter(-1);
        }
        EXPECT_EQ(ReadFileBytes("Cave.dat"), cellar) << after;
        EXPECT_EQ(ReadFileBytes("Import.sav"), "older\r\n") << after;
        EXPECT_EQ(DirectoryListing(), listing) << after;
    }
}

// The original of a read-only medium stays; its copy is kept all the same.
TEST_F(ExchangeTest, AnOriginalThatCannotBeRemovedStaysAndIsCopied) {
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile("/proc/version", bytes));
    ASSERT_FALSE(bytes.empty());
    ImportPlan plan;
    ASSERT_TRUE(PlanImport("/proc/version", CurrentExchangeContext(), plan));
    const ImportResult result = CommitImport(plan);
    EXPECT_TRUE(result.originalKept);
    EXPECT_EQ(ReadFileBytes("Import.sav"), bytes);
    EXPECT_NE(ImportSummary(DataLanguage::English, plan, result, "import.err")
                  .find("could not be removed"),
              std::string::npos);
}

// CR LF, LF and a lone CR (files of every system) each end a line; no CR is ever stored.
TEST_F(ExchangeTest, EveryKindOfLineEndEndsALine) {
    const std::string a = "Rouge,Bordeaux,Pauillac,D1,O,1995,1,,,,,,,,Cave";
    const std::string b = "Blanc,Alsace,Riesling,D2,O,2001,2,,,,,,,,Foire";
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {{"CR LF", a + "\r\n" + b + "\r\n"},
                 {"LF", a + "\n" + b + "\n"},
                 {"lone CR", a + "\r" + b + "\r"},
                 {"mixed, the last line without an end", a + "\r" + b},
                 {"CR LF, the last line ended by a lone CR", a + "\r\n" + b + "\r"}};
    for (const auto& c : cases) {
        WriteFileBytes("in.txt", c.bytes);
        ImportPlan plan;
        ASSERT_TRUE(PlanImport("in.txt", CurrentExchangeContext(), plan)) << c.name;
        EXPECT_EQ(plan.rejectedCount, 0) << c.name;
        ASSERT_EQ(plan.accepted.size(), 2u) << c.name;
        EXPECT_EQ(plan.accepted[0].purchasePlace, PadText("Cave", 50)) << c.name;
        EXPECT_EQ(plan.accepted[1].purchasePlace, PadText("Foire", 50)) << c.name;
        const std::vector<ImportLine> lines = SplitImportFile(c.bytes);
        ASSERT_EQ(lines.size(), 2u) << c.name;
        EXPECT_EQ(lines[1].raw, b) << c.name;
        CommitImport(plan);
        EXPECT_EQ(ReadFileBytes("Import.sav"), c.bytes) << c.name;
    }
    EXPECT_EQ(ReadFileBytes("Cave.dat").find('\r'), ReadFileBytes("Cave.dat").find("\r\n"));
}

// A control character would be stored and exported again: its line is refused at its column,
// and kept byte for byte among the rejected lines.
TEST_F(ExchangeTest, ALineHoldingAControlCharacterIsRefusedAtItsColumn) {
    const std::string good = "Rouge,Bordeaux,Pauillac,D1,O,1995,1,,,,,,,,";
    const struct {
        std::string line;
        std::size_t column;
        const char* message;
    } cases[] = {
        {"Rouge,Bordeaux,Pauillac,D" + std::string(1, '\0') + "1,O,1995,1,,,,,,,,", 26,
         "caractère de contrôle n° 0"},
        {good + "Caviste\tBeaune", 51, "caractère de contrôle n° 9"},
        {"\x1b" + good, 1, "caractère de contrôle n° 27"},
        {"Rouge,Bordeaux,Pauillac,D1,O,1995,1,,,,,,Cadeau\x1f,,", 48,
         "caractère de contrôle n° 31"},
    };
    std::string bytes = good + "\r\n";
    std::string rejected;
    for (const auto& c : cases) {
        bytes += c.line + "\r\n";
        rejected += c.line + "\r\n";
    }
    WriteFileBytes("in.txt", bytes);
    ImportPlan plan;
    ASSERT_TRUE(PlanImport("in.txt", CurrentExchangeContext(), plan));
    EXPECT_EQ(plan.accepted.size(), 1u);
    ASSERT_EQ(plan.rejected.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(plan.rejected[i].number, static_cast<long>(i) + 2);
        EXPECT_EQ(plan.rejected[i].error.position, cases[i].column) << i;
        EXPECT_EQ(plan.rejected[i].error.message, Cp1252(cases[i].message)) << i;
    }
    CommitImport(plan);
    EXPECT_EQ(ReadFileBytes("import.err"), rejected);
    for (const char c : ReadFileBytes("Cave.dat"))
        EXPECT_TRUE(static_cast<unsigned char>(c) >= 32 || c == '\r' || c == '\n');
}

// A line no wine could fill is refused as a line, without being held whole, and reaches the
// error file whole; a line of the longest length taken is still read.
TEST_F(ExchangeTest, ALineLongerThanAnyWineIsRefusedAsALine) {
    const std::string good = "Rouge,Bordeaux,Pauillac,D1,O,1995,1,,,,,,,,";
    const std::string longest = good + std::string(kLongestImportLine - good.size(), 'x');
    const std::string tooLong = good + std::string(3 * kLongestImportLine, 'y');
    const std::string bytes = CrLf({longest, tooLong, good});
    WriteFileBytes("in.txt", bytes);
    ImportPlan plan;
    ASSERT_TRUE(PlanImport("in.txt", CurrentExchangeContext(), plan));
    EXPECT_EQ(plan.accepted.size(), 2u);
    ASSERT_EQ(plan.rejected.size(), 1u);
    EXPECT_EQ(plan.rejected[0].number, 2);
    EXPECT_EQ(plan.rejected[0].error.position, 1u);
    EXPECT_EQ(plan.rejected[0].error.message, Cp1252("ligne de plus de 8192 caractères"));
    CommitImport(plan);
    EXPECT_EQ(ReadFileBytes("import.err"), tooLong + "\r\n");
    EXPECT_EQ(ReadFileBytes("Import.sav"), bytes);
}

// However many lines are rejected, each is counted and kept; details are held for the boxes of
// the first ones only.
TEST_F(ExchangeTest, EveryRejectedLineIsCountedAndKept) {
    std::string bytes, rejected;
    const long total = static_cast<long>(kShownRejections) + 300;
    for (long i = 1; i <= total; ++i) {
        const std::string bad = "Mauve,x" + std::to_string(i);
        bytes += bad + "\n";
        rejected += bad + "\r\n";
        if (i % 7 == 0) bytes += "Rouge,Bordeaux,Pauillac,D1,O,1995,1,,,,,,,,\n";
    }
    WriteFileBytes("in.txt", bytes);
    ImportPlan plan;
    ASSERT_TRUE(PlanImport("in.txt", CurrentExchangeContext(), plan));
    EXPECT_EQ(plan.rejectedCount, total);
    EXPECT_EQ(plan.rejected.size(), kShownRejections);
    EXPECT_EQ(plan.accepted.size(), static_cast<std::size_t>(total / 7));
    const ImportResult result = CommitImport(plan);
    EXPECT_EQ(ReadFileBytes("import.err"), rejected);
    EXPECT_NE(ImportSummary(DataLanguage::French, plan, result, "import.err")
                  .find("\n\n" + std::to_string(total) + Cp1252(" ligne(s) en échec")),
              std::string::npos);
}

// A named pipe would wait for ever and a device never ends: neither is read, nothing is written.
TEST_F(ExchangeTest, APipeADeviceOrAFolderIsRefusedUnread) {
    alarm(60); // a regression that waits on the pipe fails rather than hangs
    ASSERT_EQ(::mkfifo("pipe.txt", 0600), 0);
    std::filesystem::create_symlink("/dev/zero", "zero.txt");
    std::filesystem::create_directory("folder.txt");
    WriteFileBytes("Import.sav", "older\r\n");
    const std::vector<std::string> listing = DirectoryListing();
    for (const char* name : {"pipe.txt", "zero.txt", "/dev/zero", "folder.txt"}) {
        ImportPlan plan;
        try {
            PlanImport(name, CurrentExchangeContext(), plan);
            ADD_FAILURE() << name << " was read";
        } catch (const IoError& error) {
            EXPECT_EQ(error.kind(), IoError::Kind::AccessDenied) << name;
        }
        EXPECT_EQ(DirectoryListing(), listing) << name;
        EXPECT_EQ(ReadFileBytes("Import.sav"), "older\r\n") << name;
    }
    alarm(0);
}

// One rebuild against the single inserts it replaces, on random cellars and random lines.
TEST_F(ExchangeTest, ImportMatchesInsertingEachLineInTurn) {
    files_testing::SetSyncOnCommit(false);
    std::mt19937 random(18);
    auto pick = [&](std::initializer_list<const char*> values) {
        return std::string(values.begin()[random() % values.size()]);
    };
    const ExchangeContext context = CurrentExchangeContext();
    for (int round = 0; round < 12; ++round) {
        State().sort = 1 + round % 3;
        std::vector<CellarWine> existing;
        for (int i = 0; i < 30; ++i)
            existing.push_back(
                Wine(pick({"Rouge", "Blanc"}).c_str(), pick({"Bordeaux", "Alsace"}).c_str(),
                     pick({"Pauillac", "Riesling", "Margaux"}).c_str(), pick({"A", "B"}).c_str(),
                     pick({"1990", "1995"}).c_str(), " 1"));
        // Half the rounds start from a file not in its order.
        WriteCellarFile("Cave.dat", round % 2 ? existing : CellarAfterInserts({}, existing));
        WriteFileBytes("Slow.dat", ReadFileBytes("Cave.dat"));
        std::string input;
        for (int i = 0; i < 60; ++i)
            input += pick({"Rouge", "rouge", "Blanc", "Mauve"}) + "," +
                     pick({"Bordeaux", "Alsace"}) + "," + pick({"Pauillac", "riesling", "Autre"}) +
                     "," + pick({"A", "B", ""}) + ",O," + pick({"1990", "1995", "95"}) + "," +
                     pick({"1", "2", "0"}) + ",,,,,,line " + std::to_string(i) + ",,\r\n";
        WriteFileBytes("in.txt", input);

        ImportPlan plan;
        ASSERT_TRUE(PlanImport("in.txt", context, plan));
        CommitImport(plan);

        State().files.cellar = "Slow.dat";
        for (const ImportLine& line : SplitImportFile(input)) {
            auto parsed = ParseExchangeLine(line.text, context);
            if (auto* wine = std::get_if<CellarWine>(&parsed)) InsertCellarWine(*wine);
        }
        State().files.cellar = "Cave.dat";
        ASSERT_EQ(ReadFileBytes("Cave.dat"), ReadFileBytes("Slow.dat")) << round;
    }
}
