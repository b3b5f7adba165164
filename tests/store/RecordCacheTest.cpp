// The records kept in memory for the list windows: read as the record reader reads, the same
// answers as a read of the file, and read again once the file changed.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <random>
#include <thread>

#include "store/RecordCache.h"
#include "store/Rebuild.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/WineEntry.h"
#include "support/TestDirs.h"

using namespace store;
using namespace testsupport;

namespace {

class RecordCacheTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        State().yearOverride = 2000;
    }
};

CellarWine GeneratedWine(std::mt19937& random) {
    const auto pick = [&](std::initializer_list<const char*> choices) {
        return std::string(choices.begin()[random() % choices.size()]);
    };
    CellarWine w;
    w.colour = pick({"Rouge", "rouge", "Blanc", "Rosé"});
    w.region = pick({"Bordeaux", "Alsace", "Bourgogne", ""});
    w.appellation = pick({"Pauillac", "Graves", "Riesling", "Côtes de Bordeaux"});
    w.domaine = pick({"Château X", "Dom Y", "", "Clos bord"});
    w.remarks = pick({"en BORDURE", "rien", ""});
    w.owner = pick({"Paul", "Marie"});
    w.vintage = pick({"1990", "1995", "    ", "19x5"});
    w.quantity = pick({" 6", "12", "  ", "x1"});
    w.peakYear = pick({"1999", "2000", "2001", "    ", "abcd"});
    w.location = pick({"A1", "B2", ""});
    w.purchasePlace = pick({"cave", "foire"});
    w.price = "   10.00";
    w.purchaseDate = "01/02/1998";
    w.mark = pick({"Bon", "Très bon", ""});
    w.bottleFormat = "Bouteille";
    return PaddedCellarWine(w);
}

// A cellar of generated wines; `tail` is appended as it stands.
void WriteCellar(int count, unsigned seed, const std::string& tail = {}) {
    std::mt19937 random(seed);
    std::string bytes;
    for (int i = 0; i < count; ++i)
        for (const auto& line : CellarWineLines(GeneratedWine(random))) bytes += line + "\r\n";
    WriteFileBytes(State().files.cellar, bytes + tail);
}

// A file changed a moment ago is compared whole at each look, as its times may not show a
// change made in place since; past that moment its stamp is enough.
void SettleFileTimes() { std::this_thread::sleep_for(std::chrono::milliseconds(60)); }

TEST_F(RecordCacheTest, ImageReadsWhatTheRecordReaderReads) {
    CellarWine red;
    red.colour = "Rouge";
    const std::string wine = CrLf(CellarWineLines(PaddedCellarWine(red)));
    const std::string line128(128, 'a');
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {
        {"empty file", ""},
        {"CR LF", wine + wine},
        {"LF alone and no last line end", "a\nb\nc\nd\r\ne\nf"},
        {"lone CR inside a line, CR CR at the end", "a\rb\r\r\nc\n\nd\ne\nf\r\n"},
        {"lines longer than the limit", std::string(300, 'x') + "\r\n" + std::string(256, 'y') + "\r\r\n" + line128 + "\n"},
        {"empty lines", "\n\n\n\n\n\n"},
        {"cut short by one line", wine + "a\r\nb\r\n"},
        {"cut short by two lines", wine + wine + "a"},
        {"a blank line at the end", wine + "\r\n"},
    };
    for (const auto& f : files) {
        WriteFileBytes("Cave.dat", f.bytes);
        WriteFileBytes("Stat.dat", f.bytes);
        messages.clear();
        const RecordFile<CellarWine> cellar = ReadCellarFile("Cave.dat");
        const RecordFile<ConsumedWine> history = ReadHistoryFile("Stat.dat");
        const std::vector<int> streamed = messages;

        messages.clear();
        const auto cellarImage = CellarImage::Read("Cave.dat");
        const auto historyImage = HistoryImage::Read("Stat.dat");
        EXPECT_TRUE(messages.empty()) << f.name;
        std::vector<CellarWine> wines;
        for (long i = 0; i < cellarImage->size(); ++i) wines.push_back(cellarImage->at(i));
        std::vector<ConsumedWine> entries;
        for (long i = 0; i < historyImage->size(); ++i) entries.push_back(historyImage->at(i));
        cellarImage->reachEnd();
        historyImage->reachEnd();
        EXPECT_EQ(wines, cellar.records) << f.name;
        EXPECT_EQ(entries, history.records) << f.name;
        EXPECT_EQ(messages, streamed) << f.name;
        EXPECT_TRUE(cellarImage->exists());
    }
    DeleteFileIfPresent("Cave.dat");
    const auto none = CellarImage::Read("Cave.dat");
    EXPECT_FALSE(none->exists());
    EXPECT_EQ(none->size(), 0);
}

// Every look-up the zoom window makes answers, and shows, what a read of the file does.
TEST_F(RecordCacheTest, KeptLookUpsAnswerAsReadsOfTheFile) {
    WriteCellar(60, 7, "tail of a wine\r\n");
    struct Filter {
        const char* colour;
        const char* second;
        const char* search;
        bool toDrink;
    } filters[] = {
        {"[Toutes]", "[Toutes]", "", false},
        {"Rouge", "[Toutes]", "bord", true},
        {"[All]", "Alsace", "", true},
        {"Blanc", "[Toutes]", "paul", false},
        {"Vert", "[Toutes]", "", false},
    };
    using Answers = std::vector<long>;
    const auto answers = [&](const Filter& f) {
        State().filter = {f.colour, f.second, "", "", f.search, f.toDrink};
        Answers a;
        for (long n = -1; n <= 62; ++n) {
            a.push_back(CellarPositionOfMatch(n));
            const CellarRow row = CellarRowAt(n);
            a.insert(a.end(), {row.row, row.rows});
            CellarWine wine;
            const bool read = ReadCellarWineAt(n, wine);
            std::string bytes;
            for (const auto& line : CellarWineLines(wine)) bytes += line;
            a.push_back(read ? static_cast<long>(std::hash<std::string>{}(bytes + wine.mark)) : -7);
        }
        a.insert(a.end(), messages.begin(), messages.end());
        messages.clear();
        return a;
    };
    for (const auto& f : filters) {
        const Answers streamed = answers(f);
        KeepRecordsInMemory keep;
        EXPECT_EQ(answers(f), streamed) << f.colour << " " << f.search;
        EXPECT_EQ(answers(f), streamed) << "again, from what was kept";
    }
}

TEST_F(RecordCacheTest, AKeptImageGivesWayToTheChangedFile) {
    KeepRecordsInMemory keep;
    WriteCellar(3, 1);
    SettleFileTimes();
    const auto first = CurrentCellar();
    EXPECT_EQ(CurrentCellar(), first) << "the same file is not read again";

    // Rewrites of the same size in quick succession, too fast for the file times to tell.
    long at = 1;
    CellarWine wine = first->at(at);
    for (const char* mark : {"Un", "Deux"}) {
        const CellarWine old = CurrentCellar()->at(at);
        wine.mark = mark;
        const Replaced replaced = ReplaceCellarWine(at, old, wine);
        ASSERT_TRUE(replaced.done);
        at = replaced.position;
        const auto now = CurrentCellar();
        EXPECT_EQ(now->size(), 3);
        EXPECT_EQ(now->at(at).mark, mark);
    }

    // Another program rewrites it in place at once, the same size: the times may not tell.
    std::string bytes = ReadFileBytes("Cave.dat");
    bytes[7] = bytes[7] == 'Z' ? 'Y' : 'Z';
    WriteFileBytes("Cave.dat", bytes);
    EXPECT_EQ(CurrentCellar()->at(0).colour[7], bytes[7]);
    const auto settled = CurrentCellar();
    EXPECT_EQ(CurrentCellar()->at(0).colour, settled->at(0).colour);

    // Another program renames a new file over it.
    WriteFileBytes("other.tmp", ReadFileBytes("Cave.dat").substr(0, 324));
    ASSERT_EQ(std::rename("other.tmp", "Cave.dat"), 0);
    EXPECT_EQ(CurrentCellar()->size(), 1);

    DeleteFileIfPresent("Cave.dat");
    EXPECT_FALSE(CurrentCellar()->exists());
    EXPECT_EQ(CellarPositionOfMatch(1), -1);

    // The kept listing follows the filter as well as the file.
    WriteCellar(30, 3);
    State().filter.colour = "Rouge";
    const auto reds = ListCellar().positions;
    State().filter.colour = "Blanc";
    EXPECT_NE(*ListCellar().positions, *reds);
    State().filter.colour = "Rouge";
    EXPECT_EQ(*ListCellar().positions, *reds);
}

TEST_F(RecordCacheTest, NothingIsKeptWithoutAKeeper) {
    WriteCellar(2, 1);
    SettleFileTimes();
    const auto first = CurrentCellar();
    EXPECT_NE(CurrentCellar(), first);
    {
        KeepRecordsInMemory keep;
        const auto kept = CurrentCellar();
        {
            KeepRecordsInMemory nested;
        }
        EXPECT_EQ(CurrentCellar(), kept) << "an inner keeper leaves the outer one's images";
    }
    EXPECT_FALSE(RecordsKeptInMemory());
}

} // namespace
