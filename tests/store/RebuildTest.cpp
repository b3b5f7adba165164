#include <gtest/gtest.h>

#include <random>

#include "store/Rebuild.h"
#include "store/State.h"
#include "store/Text.h"
#include "support/TestDirs.h"

using namespace store;
using namespace testsupport;

namespace {

// Few values per key, so that equal keys are common; the remarks tell the records apart.
template <class Engine>
const char* Pick(Engine& random, std::initializer_list<const char*> values) {
    std::uniform_int_distribution<std::size_t> d(0, values.size() - 1);
    return values.begin()[d(random)];
}

CellarWine RandomWine(std::mt19937& random, int id) {
    CellarWine w;
    w.colour = Pick(random, {"Rouge", "Blanc", "Rouge     "});
    w.region = Pick(random, {"Alsace", "Bordeaux", "Alsace    x"});
    w.vintage = Pick(random, {"1990", "1985", ""});
    w.appellation = Pick(random, {"Pauillac", "Margaux"});
    w.domaine = Pick(random, {"A", "B", ""});
    w.remarks = "wine " + std::to_string(id);
    w.mark = Pick(random, {"Bon", "Très Bon   "});
    return w;
}

ConsumedWine RandomEntry(std::mt19937& random, int id) {
    ConsumedWine e;
    e.drinkDate = Pick(random, {"01/02/1998", "01-02-1998", "01.02.1998", "", "02/02/1998",
                                "31/12/1997", "1/2/1998"});
    e.colour = Pick(random, {"Rouge", "Blanc"});
    e.region = Pick(random, {"Alsace", "Bordeaux"});
    e.appellation = Pick(random, {"Pauillac", "Margaux", ""});
    e.domaine = Pick(random, {"A", "B"});
    // Told apart on the second line, so that the first may end at the date.
    if (id % 2) e.comments = "entry " + std::to_string(id);
    e.remarks = "entry " + std::to_string(id);
    return e;
}

// The same records as a hand-edited file may hold them: some lines without their trailing
// blanks, some cut in the middle of a field.
std::string WithShortLines(const std::string& bytes, std::mt19937& random) {
    std::string out;
    std::size_t from = 0;
    for (std::size_t end; (end = bytes.find("\r\n", from)) != std::string::npos; from = end + 2) {
        std::string line = bytes.substr(from, end - from);
        const unsigned roll = random() % 6;
        if (roll < 2)
            line = RightTrim(line);
        else if (roll == 2)
            line.resize(random() % (line.size() + 1));
        out += line + "\r\n";
    }
    return out;
}

} // namespace

class RebuildTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        files_testing::SetSyncOnCommit(false); // thousands of rewrites on the slow path
    }
};

// The rebuild against the single inserts it replaces, on files already holding records, in order
// (written by inserts) or not (written as they come), with full or short lines, under every Sort.
TEST_F(RebuildTest, CellarMatchesRepeatedInsertsByteForByte) {
    std::mt19937 random(17);
    std::string& cellar = State().files.cellar;
    for (int sort = 1; sort <= 3; ++sort) {
        State().sort = sort;
        for (int round = 0; round < 12; ++round) {
            const bool ordered = round % 3 != 2;
            const int before = round % 4 == 0 ? 0 : 1 + static_cast<int>(random() % 30);
            std::vector<CellarWine> first, added;
            for (int i = 0; i < before; ++i)
                first.push_back(RandomWine(random, i));
            for (int i = 0; i < 60; ++i)
                added.push_back(RandomWine(random, 100 + i));

            cellar = "Slow.dat";
            DeleteFileIfPresent(cellar);
            if (ordered)
                for (const auto& w : first)
                    InsertCellarWine(w);
            else if (!first.empty())
                WriteCellarFile(cellar, first);
            if (round % 2 == 1 && !first.empty()) {
                WriteFileBytes(cellar, WithShortLines(ReadFileBytes(cellar), random));
                // The first insert then meets a record equal to it once padded.
                added.front() = first[random() % first.size()];
                added.front().remarks = "copy";
            }
            const std::string start = ReadFileBytes(cellar);
            for (const auto& w : added)
                InsertCellarWine(w);

            cellar = "Fast.dat";
            DeleteFileIfPresent(cellar);
            if (!first.empty()) WriteFileBytes(cellar, start);
            InsertCellarWines(added);
            ASSERT_EQ(ReadFileBytes("Fast.dat"), ReadFileBytes("Slow.dat"))
                << "sort " << sort << " round " << round;
        }
    }
}

TEST_F(RebuildTest, HistoryMatchesRepeatedInsertsByteForByte) {
    std::mt19937 random(1998);
    std::string& history = State().files.consumption;
    for (int round = 0; round < 30; ++round) {
        const bool ordered = round % 3 != 2;
        const int before = round % 4 == 0 ? 0 : 1 + static_cast<int>(random() % 30);
        std::vector<ConsumedWine> first, added;
        for (int i = 0; i < before; ++i)
            first.push_back(RandomEntry(random, i));
        for (int i = 0; i < 80; ++i)
            added.push_back(RandomEntry(random, 100 + i));

        history = "Slow.dat";
        DeleteFileIfPresent(history);
        if (ordered)
            for (const auto& e : first)
                InsertConsumedWine(e);
        else if (!first.empty())
            WriteHistoryFile(history, first);
        if (round % 2 == 1 && !first.empty()) {
            WriteFileBytes(history, WithShortLines(ReadFileBytes(history), random));
            added.front() = first[random() % first.size()];
            added.front().remarks = "copy";
        }
        const std::string start = ReadFileBytes(history);
        for (const auto& e : added)
            InsertConsumedWine(e);

        history = "Fast.dat";
        DeleteFileIfPresent(history);
        if (!first.empty()) WriteFileBytes(history, start);
        InsertConsumedWines(added);
        ASSERT_EQ(ReadFileBytes("Fast.dat"), ReadFileBytes("Slow.dat")) << "round " << round;
    }
}

// A re-sort is the records of the file inserted one by one into an empty file; a record cut
// short at the end keeps its lines there rather than being lost.
TEST_F(RebuildTest, ResortKeepsARecordCutShortAndLeavesNoOtherFile) {
    std::mt19937 random(3);
    std::vector<CellarWine> wines;
    for (int i = 0; i < 20; ++i)
        wines.push_back(RandomWine(random, i));
    State().sort = 1;
    WriteCellarFile(State().files.cellar, wines, {"Rouge     cut short"});
    State().sort = 3;
    ResortCellar();
    EXPECT_EQ(messages, (std::vector<int>{1, 1}));

    State().files.cellar = "Slow.dat";
    for (const auto& w : wines)
        InsertCellarWine(w);
    EXPECT_EQ(ReadFileBytes("Cave.dat"), ReadFileBytes("Slow.dat") + CrLf({"Rouge     cut short"}));
    EXPECT_EQ(DirectoryListing(), (std::vector<std::string>{"Cave.dat", "Slow.dat"}));
}

TEST_F(RebuildTest, NothingToDoLeavesFilesAsTheyWere) {
    ResortCellar();
    InsertCellarWines({});
    InsertConsumedWines({});
    EXPECT_TRUE(DirectoryListing().empty());
}

// A failure while writing leaves the old file whole.
TEST_F(RebuildTest, AFullDiskLeavesTheCellarAsItWas) {
    std::mt19937 random(5);
    std::vector<CellarWine> wines;
    for (int i = 0; i < 50; ++i)
        wines.push_back(RandomWine(random, i));
    WriteCellarFile(State().files.cellar, wines);
    const std::string before = ReadFileBytes("Cave.dat");
    State().sort = 3;
    files_testing::FailWritesAfter(1000);
    EXPECT_THROW(ResortCellar(), IoError);
    files_testing::Reset();
    EXPECT_EQ(ReadFileBytes("Cave.dat"), before);
    EXPECT_EQ(DirectoryListing(), (std::vector<std::string>{"Cave.dat"}));
}

