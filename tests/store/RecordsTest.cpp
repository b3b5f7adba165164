#include <gtest/gtest.h>

#include <sys/stat.h>

#include <optional>
#include <random>
#include <type_traits>

#include "store/Records.h"
#include "store/State.h"
#include "store/Text.h"
#include "support/TestDirs.h"

using namespace store;
using namespace testsupport;

namespace {

CellarWine Wine(const std::string& colour, const std::string& region, const std::string& appellation,
                const std::string& vintage, const std::string& domaine = "Dom") {
    CellarWine w;
    w.colour = colour;
    w.region = region;
    w.appellation = appellation;
    w.vintage = vintage;
    w.domaine = domaine;
    w.quantity = " 6";
    w.price = "   12.50";
    w.purchaseDate = "01/02/1998";
    w.peakYear = "2005";
    w.mark = "Bon";
    w.bottleFormat = "Bouteille";
    w.location = "A1";
    w.remarks = "rem";
    w.owner = "own";
    w.purchasePlace = "cave";
    return PaddedCellarWine(w);
}

ConsumedWine Entry(const std::string& date, const std::string& colour, const std::string& appellation,
                   const std::string& domaine = "Dom") {
    ConsumedWine e;
    e.colour = colour;
    e.region = "Bordeaux";
    e.appellation = appellation;
    e.domaine = domaine;
    e.vintage = "1990";
    e.quantity = " 1";
    e.drinkDate = date;
    e.guests = "Paul";
    e.comments = "fin";
    e.mark = "Bon";
    return PaddedConsumedWine(e);
}

std::vector<CellarWine> CellarContents() {
    std::vector<CellarWine> result;
    LineReader in;
    if (!OpenTextForReading(in, State().files.cellar)) return result;
    CellarWine w;
    while (!in.eof() && ReadCellarWine(in, w)) result.push_back(w);
    return result;
}

std::vector<ConsumedWine> HistoryContents() {
    std::vector<ConsumedWine> result;
    LineReader in;
    if (!OpenTextForReading(in, State().files.consumption)) return result;
    ConsumedWine e;
    while (!in.eof() && ReadConsumedWine(in, e)) result.push_back(e);
    return result;
}

std::vector<std::string> Vintages() {
    std::vector<std::string> v;
    for (const auto& w : CellarContents()) v.push_back(RightTrim(w.appellation) + ":" + w.vintage);
    return v;
}

} // namespace

class RecordsTest : public DataDirTest {};

TEST_F(RecordsTest, FirstInsertCreatesTheFileWithExactLines) {
    CellarWine w;
    w.colour = "Rouge";
    w.region = "Bordeaux";
    w.appellation = "Pauillac";
    w.domaine = Cp1252("Château Latour");
    w.vintage = "1990";
    w.quantity = "6";
    w.price = "12.50";
    w.mark = "Bon";
    InsertCellarWine(w);
    const std::string line1 = PadText("Rouge", 10) + PadText("Bordeaux", 20) + "6 " + "12.50   " +
                              Blanks(10) + Blanks(4) + "1990" + PadText("Bon", 10) + Blanks(10) + Blanks(50);
    const std::string line2 = PadText("Pauillac", 30) + PadText(Cp1252("Château Latour"), 50) + Blanks(10);
    const std::string line3 = Blanks(100);
    ASSERT_EQ(line1.size(), 128u);
    EXPECT_EQ(ReadFileBytes("Cave.dat"), CrLf({line1, line2, line3}));

    ConsumedWine e = Entry("05/03/1999", "Rouge", "Pauillac");
    InsertConsumedWine(e);
    const auto lines = ConsumedWineLines(e);
    EXPECT_EQ(lines[0].size(), 216u);
    EXPECT_EQ(lines[1].size(), 178u);
    EXPECT_EQ(ReadFileBytes("Stat.dat"), CrLf(lines));
    EXPECT_EQ(DirectoryListing(), (std::vector<std::string>{"Cave.dat", "Stat.dat"}));
}

TEST_F(RecordsTest, ReadingGivesTheFieldsBackAndTrimsOnlyTheMark) {
    const CellarWine w = Wine("Rouge", "Bordeaux", "Pauillac", "1990");
    InsertCellarWine(w);
    const auto read = CellarContents();
    ASSERT_EQ(read.size(), 1u);
    CellarWine expected = w;
    expected.mark = "Bon";
    EXPECT_EQ(read[0], expected);
}

TEST_F(RecordsTest, CellarSortOrders) {
    struct Case {
        int sort;
        std::vector<CellarWine> existing;
        CellarWine added;
        std::vector<std::string> expected;
    } cases[] = {
        // Sort 1: the vintage decides before the appellation.
        {1,
         {Wine("Rouge", "Bordeaux", "Medoc", "1985"), Wine("Rouge", "Bordeaux", "Graves", "1995")},
         Wine("Rouge", "Bordeaux", "Pauillac", "1990"),
         {"Medoc:1985", "Pauillac:1990", "Graves:1995"}},
        // Sort 2: the appellation decides before the vintage.
        {2,
         {Wine("Rouge", "Bordeaux", "Medoc", "1985"), Wine("Rouge", "Bordeaux", "Graves", "1995")},
         Wine("Rouge", "Bordeaux", "Pauillac", "1990"),
         {"Graves:1995", "Medoc:1985", "Pauillac:1990"}},
        // Sort 3: the region decides before the colour.
        {3,
         {Wine("Blanc", "Alsace", "Riesling", "1990"), Wine("Rouge", "Bordeaux", "Medoc", "1985")},
         Wine("Rouge", "Alsace", "Pinot Noir", "1999"),
         {"Riesling:1990", "Pinot Noir:1999", "Medoc:1985"}},
        // Sort 1: the colour decides first; a blank sorts before letters.
        {1,
         {Wine("Blanc", "Bordeaux", "Graves", "1990"), Wine("Rouge", "Alsace", "Pinot Noir", "1980")},
         Wine("Rouge", "", "Sans", "2000"),
         {"Graves:1990", "Sans:2000", "Pinot Noir:1980"}},
    };
    for (const auto& c : cases) {
        DeleteFileIfPresent("Cave.dat");
        State().sort = c.sort;
        for (const auto& w : c.existing) InsertCellarWine(w);
        InsertCellarWine(c.added);
        EXPECT_EQ(Vintages(), c.expected) << "Sort " << c.sort;
    }
}

TEST_F(RecordsTest, EqualKeysInsertBeforeTheExistingRecord) {
    CellarWine first = Wine("Rouge", "Bordeaux", "Medoc", "1990");
    first.location = PadText("old", 10);
    CellarWine second = first;
    second.location = PadText("new", 10);
    InsertCellarWine(first);
    InsertCellarWine(second);
    const auto read = CellarContents();
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(RightTrim(read[0].location), "new");
}

TEST_F(RecordsTest, DeleteComparesItsFieldSetAndRemovesTheFirstCopyOnly) {
    const CellarWine a = Wine("Rouge", "Bordeaux", "Medoc", "1990");
    InsertCellarWine(a);
    InsertCellarWine(a);
    InsertCellarWine(Wine("Rouge", "Bordeaux", "Medoc", "1991"));

    CellarWine otherLocation = a;
    otherLocation.location = PadText("B7", 10);
    const std::string before = ReadFileBytes("Cave.dat");
    EXPECT_FALSE(DeleteCellarWine(otherLocation));
    EXPECT_EQ(ReadFileBytes("Cave.dat"), before);

    CellarWine otherMarkFormatOwner = a;
    otherMarkFormatOwner.mark = "Moyen";
    otherMarkFormatOwner.bottleFormat = PadText("Magnum", 10);
    otherMarkFormatOwner.owner = PadText("x", 50);
    EXPECT_TRUE(DeleteCellarWine(otherMarkFormatOwner));
    EXPECT_EQ(Vintages(), (std::vector<std::string>{"Medoc:1990", "Medoc:1991"}));
    EXPECT_TRUE(DeleteCellarWine(a));
    EXPECT_FALSE(DeleteCellarWine(a));
    EXPECT_EQ(Vintages(), (std::vector<std::string>{"Medoc:1991"}));
}

TEST_F(RecordsTest, DeleteOnAMissingFileDoesNothing) {
    EXPECT_FALSE(DeleteCellarWine(Wine("Rouge", "Bordeaux", "Medoc", "1990")));
    EXPECT_FALSE(DeleteConsumedWine(Entry("01/01/2000", "Rouge", "Medoc")));
    EXPECT_TRUE(DirectoryListing().empty());
}

TEST_F(RecordsTest, ConsumptionOrderByDateKeyThenIdentity) {
    InsertConsumedWine(Entry("05/03/1999", "Rouge", "Medoc"));
    InsertConsumedWine(Entry("01/01/2000", "Blanc", "Graves"));
    InsertConsumedWine(Entry(Blanks(10), "Rouge", "Sans date"));
    InsertConsumedWine(Entry("05/03/1999", "Blanc", "Graves"));
    InsertConsumedWine(Entry("05/03/1999", "Rouge", "Medoc", "Aaa"));
    // Same date key written otherwise: equal keys with different texts are passed over.
    InsertConsumedWine(Entry("05-03-1999", "Blanc", "Avant"));
    std::vector<std::string> order;
    for (const auto& e : HistoryContents())
        order.push_back(RightTrim(e.drinkDate) + " " + RightTrim(e.appellation) + " " + RightTrim(e.domaine));
    EXPECT_EQ(order, (std::vector<std::string>{" Sans date Dom", "05/03/1999 Graves Dom",
                                               "05/03/1999 Medoc Aaa", "05/03/1999 Medoc Dom",
                                               "05-03-1999 Avant Dom", "01/01/2000 Graves Dom"}));
}

TEST_F(RecordsTest, ConsumptionDeleteFieldSet) {
    ConsumedWine e = Entry("05/03/1999", "Rouge", "Medoc");
    e.price = PadText("10.00", 8);
    InsertConsumedWine(e);
    ConsumedWine otherGuests = e;
    otherGuests.guests = PadText("Marie", 30);
    EXPECT_FALSE(DeleteConsumedWine(otherGuests));
    ConsumedWine otherPrice = e;
    otherPrice.price = PadText("99.00", 8);
    otherPrice.owner = PadText("x", 50);
    EXPECT_TRUE(DeleteConsumedWine(otherPrice));
    EXPECT_TRUE(HistoryContents().empty());
    EXPECT_EQ(ReadFileBytes("Stat.dat"), "");
}

TEST_F(RecordsTest, RecordCutShortAtTheEnd) {
    const CellarWine a = Wine("Rouge", "Bordeaux", "Medoc", "1990");
    InsertCellarWine(a);
    const auto lines = CellarWineLines(Wine("Rouge", "Bordeaux", "Pauillac", "1995"));
    WriteFileBytes("Cave.dat", ReadFileBytes("Cave.dat") + CrLf({lines[0]}));

    // Reading: the message once per missing line, the record variable unchanged.
    LineReader in;
    ASSERT_TRUE(OpenTextForReading(in, "Cave.dat"));
    CellarWine w;
    ASSERT_TRUE(ReadCellarWine(in, w));
    const CellarWine kept = w;
    EXPECT_FALSE(ReadCellarWine(in, w));
    EXPECT_EQ(w, kept);
    EXPECT_EQ(messages, (std::vector<int>{1, 1}));
    in.close();

    // A rewrite neither duplicates the previous record nor drops the partial line.
    messages.clear();
    InsertCellarWine(Wine("Blanc", "Alsace", "Riesling", "2000"));
    EXPECT_EQ(messages, (std::vector<int>{1, 1}));
    EXPECT_EQ(Vintages(), (std::vector<std::string>{"Riesling:2000", "Medoc:1990"}));
    const std::string bytes = ReadFileBytes("Cave.dat");
    EXPECT_EQ(bytes.substr(bytes.size() - lines[0].size() - 2), lines[0] + "\r\n");
    EXPECT_EQ(bytes.size(), 2 * (128 + 90 + 100 + 6) + 130u);

    messages.clear();
    EXPECT_TRUE(DeleteCellarWine(a));
    EXPECT_EQ(messages, (std::vector<int>{1, 1}));
    EXPECT_EQ(Vintages(), (std::vector<std::string>{"Riesling:2000"}));
    EXPECT_EQ(ReadFileBytes("Cave.dat").size(), 128 + 90 + 100 + 6 + 130u);

    // The history: message 2 once for its missing second line.
    InsertConsumedWine(Entry("01/01/2000", "Rouge", "Medoc"));
    WriteFileBytes("Stat.dat", ReadFileBytes("Stat.dat") + ConsumedWineLines(Entry("02/01/2000", "Rouge", "X"))[0] + "\r\n");
    messages.clear();
    EXPECT_EQ(HistoryContents().size(), 1u);
    EXPECT_EQ(messages, (std::vector<int>{2}));
}

TEST_F(RecordsTest, HandWrittenFilesAreReadSafely) {
    // LF only, short lines, a line over 255 characters, bytes 0x80-0xFF.
    std::string high;
    for (int c = 0x80; c <= 0xFF; ++c) high.push_back(static_cast<char>(c));
    const std::string longLine = "Rouge     Bordeaux" + std::string(300, 'z');
    WriteFileBytes("Cave.dat", longLine + "\n" + high + "\n" + "\n");
    const auto read = CellarContents();
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].colour, "Rouge     ");
    EXPECT_EQ(read[0].purchasePlace, std::string(50, 'z'));
    EXPECT_EQ(read[0].appellation, high.substr(0, 30));
    EXPECT_EQ(read[0].remarks, "");

    // A rewrite writes the record in its full layout.
    InsertCellarWine(Wine("Blanc", "Alsace", "Riesling", "2000"));
    const std::string bytes = ReadFileBytes("Cave.dat");
    EXPECT_EQ(bytes.size(), 2 * (128 + 90 + 100 + 6u));
    EXPECT_EQ(bytes.find("\r\n\r\n"), std::string::npos);

    WriteFileBytes("Cave.dat", "");
    EXPECT_TRUE(CellarContents().empty());
    InsertCellarWine(Wine("Blanc", "Alsace", "Riesling", "2000"));
    EXPECT_EQ(CellarContents().size(), 1u);
    EXPECT_TRUE(messages.empty());
}

TEST_F(RecordsTest, AFailedRewriteKeepsTheOldFile) {
    InsertCellarWine(Wine("Rouge", "Bordeaux", "Medoc", "1990"));
    InsertCellarWine(Wine("Rouge", "Bordeaux", "Medoc", "1995"));
    InsertConsumedWine(Entry("01/01/2000", "Rouge", "Medoc"));
    const std::string cellar = ReadFileBytes("Cave.dat");
    const std::string history = ReadFileBytes("Stat.dat");
    const auto listing = DirectoryListing();

    for (long budget : {0L, 100L, 300L}) {
        files_testing::FailWritesAfter(budget);
        try {
            InsertCellarWine(Wine("Rouge", "Bordeaux", "Medoc", "1980"));
            FAIL() << "no error for budget " << budget;
        } catch (const IoError& e) {
            EXPECT_EQ(e.kind(), IoError::Kind::DiskFull);
        }
        files_testing::FailWritesAfter(budget);
        EXPECT_THROW(DeleteCellarWine(Wine("Rouge", "Bordeaux", "Medoc", "1990")), IoError);
        files_testing::FailWritesAfter(budget);
        EXPECT_THROW(InsertConsumedWine(Entry("01/01/1990", "Rouge", "Medoc")), IoError);
        EXPECT_EQ(ReadFileBytes("Cave.dat"), cellar);
        EXPECT_EQ(ReadFileBytes("Stat.dat"), history);
        EXPECT_EQ(DirectoryListing(), listing);
    }
}

TEST_F(RecordsTest, ARewriteKeepsThePermissionsOfTheFile) {
    InsertCellarWine(Wine("Rouge", "Bordeaux", "Medoc", "1990"));
    ASSERT_EQ(::chmod("Cave.dat", 0600), 0);
    InsertCellarWine(Wine("Rouge", "Bordeaux", "Medoc", "1995"));
    struct stat st {};
    ASSERT_EQ(::stat("Cave.dat", &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(RecordsTest, CellarFilter) {
    CellarWine w = Wine("Rouge", "Bordeaux", "Margaux", "1990", Cp1252("Château Margaux"));
    struct Case {
        std::string colour, region, search;
        bool match;
    } cases[] = {
        {"[Toutes]", "[All]", "", true},
        {"Rouge", "Bordeaux", "", true},
        {"Rouge     ", "Bordeaux  ", "", true},
        {"Blanc", "[Toutes]", "", false},
        {"[All]", "Alsace", "", false},
        {"rouge", "[Toutes]", "", false},
        {"[Toutes]", "[Toutes]", "margaux", true},
        {"[Toutes]", "[Toutes]", "chat", false}, // the accented letter is not upper-cased
        {"[Toutes]", "[Toutes]", Cp1252("château"), true},
        {"[Toutes]", "[Toutes]", "1990", true},
        {"[Toutes]", "[Toutes]", "bordeaux", true},
        {"[Toutes]", "[Toutes]", " margaux", true},
        {"[Toutes]", "[Toutes]", "  margaux", false},
        {"[Toutes]", "[Toutes]", "rem", true},
        {"[Toutes]", "[Toutes]", "Bouteille", false}, // the format is not searched
    };
    for (const auto& c : cases) {
        State().filter.colour = c.colour;
        State().filter.second = c.region;
        State().filter.search = c.search;
        EXPECT_EQ(CellarWineMatches(w), c.match) << c.colour << "|" << c.region << "|" << c.search;
    }
}

TEST_F(RecordsTest, ConsumptionFilter) {
    const ConsumedWine dated = Entry("15/06/1999", "Rouge", "Medoc");
    const ConsumedWine blank = Entry(Blanks(10), "Rouge", "Medoc");
    struct Case {
        std::string colour, appellation, from, to, search;
        bool dated, blank;
    } cases[] = {
        {"[Toutes]", "[Toutes]", "", "", "", true, true},
        {"Rouge", "Medoc", "", "", "", true, true},
        {"[Toutes] ", "[Toutes]", "", "", "", false, false}, // "all" only when exact
        {"[Toutes]", "[Toutes]", "15/06/1999", "15/06/1999", "", true, false},
        {"[Toutes]", "[Toutes]", "16/06/1999", "", "", false, false},
        {"[Toutes]", "[Toutes]", "", "14/06/1999", "", false, true},
        {"[Toutes]", "[Toutes]", "01/01/1999", "31/12/1999", "", true, false},
        {"[Toutes]", "[Toutes]", "", "", "paul", true, true},
        {"[Toutes]", "[Toutes]", "", "", "medoc", false, false}, // the appellation is not searched
        {"[Toutes]", "[Toutes]", "", "", "bordeaux", true, true},
    };
    for (const auto& c : cases) {
        RecordFilter& f = State().filter;
        f.colour = c.colour;
        f.second = c.appellation;
        f.dateFrom = c.from;
        f.dateTo = c.to;
        f.search = c.search;
        EXPECT_EQ(ConsumedWineMatches(dated), c.dated) << c.colour << c.from << c.to << c.search;
        EXPECT_EQ(ConsumedWineMatches(blank), c.blank) << c.colour << c.from << c.to << c.search;
    }
}

TEST_F(RecordsTest, PositionOfMatchAndToDrink) {
    State().yearOverride = 2000;
    EXPECT_EQ(CellarPositionOfMatch(1), -1);
    CellarWine late = Wine("Rouge", "Bordeaux", "Medoc", "1990");
    late.peakYear = "2001";
    CellarWine now = Wine("Rouge", "Bordeaux", "Medoc", "1991");
    now.peakYear = "2000";
    CellarWine blank = Wine("Rouge", "Bordeaux", "Medoc", "1992");
    blank.peakYear = "    ";
    CellarWine white = Wine("Blanc", "Bordeaux", "Graves", "1993");
    for (const auto& w : {late, now, blank, white}) InsertCellarWine(w);
    // Order: Graves 1993 (white), Medoc 1990, 1991, 1992.
    State().filter.colour = "Rouge";
    EXPECT_EQ(CellarPositionOfMatch(1), 1);
    EXPECT_EQ(CellarPositionOfMatch(3), 3);
    EXPECT_EQ(CellarPositionOfMatch(9), 3);
    State().filter.toDrink = true;
    EXPECT_EQ(CellarPositionOfMatch(1), 2);
    EXPECT_EQ(CellarPositionOfMatch(2), 3);
    EXPECT_FALSE(PeakYearHasCome(late));
    EXPECT_TRUE(PeakYearHasCome(now));
    EXPECT_TRUE(PeakYearHasCome(blank));

    EXPECT_TRUE(CellarHasWine("Rouge", "Bordeaux  ", "Medoc"));
    EXPECT_FALSE(CellarHasWine("Rouge", "Bordeaux", "Graves"));
}

namespace {

// Records drawn from a few values per field, so that sort keys and delete keys are often equal.
template <class T> const std::string& Pick(std::mt19937& random, const std::vector<T>& values) {
    return values[std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(random)];
}

CellarWine RandomWine(std::mt19937& random) {
    CellarWine w = Wine(Pick(random, std::vector<std::string>{"Rouge", "Blanc"}),
                        Pick(random, std::vector<std::string>{"Bordeaux", "Alsace"}),
                        Pick(random, std::vector<std::string>{"Medoc", "Graves"}),
                        Pick(random, std::vector<std::string>{"1990", "1995"}),
                        Pick(random, std::vector<std::string>{"A", "B"}));
    w.owner = PadText(Pick(random, std::vector<std::string>{"own", "other"}), 50);
    w.mark = Pick(random, std::vector<std::string>{"Bon", ""});
    w.remarks = PadText(Pick(random, std::vector<std::string>{"rem", "lot 2"}), 50);
    return w;
}

ConsumedWine RandomEntry(std::mt19937& random) {
    ConsumedWine e = Entry(Pick(random, std::vector<std::string>{"01/02/1998", "01-02-1998",
                                                                 "          ", "03/01/1998"}),
                           Pick(random, std::vector<std::string>{"Rouge", "Blanc"}),
                           Pick(random, std::vector<std::string>{"Medoc", "Graves"}),
                           Pick(random, std::vector<std::string>{"A", "B"}));
    e.remarks = PadText(Pick(random, std::vector<std::string>{"rem", "lot 2"}), 50);
    e.price = Pick(random, std::vector<std::string>{"   12.50", "100000.0"});
    return e;
}

template <class Record> std::string FileOf(const std::vector<Record>& records) {
    std::vector<std::string> lines;
    for (const auto& r : records) {
        std::vector<std::string> l;
        if constexpr (std::is_same_v<Record, CellarWine>)
            l = CellarWineLines(r);
        else
            l = ConsumedWineLines(r);
        lines.insert(lines.end(), l.begin(), l.end());
    }
    return CrLf(lines);
}

} // namespace

// One rewrite gives the very bytes of the delete then insert it stands for, whatever keys are
// equal, in every Sort and under the history's rule for dates written differently.
TEST_F(RecordsTest, ReplaceGivesTheBytesOfDeleteThenInsert) {
    std::mt19937 random(11);
    files_testing::SetSyncOnCommit(false); // hundreds of rewrites
    auto check = [&](auto makeRecord, auto contents, auto same, auto slowDelete, auto slowInsert,
                     auto replace, const std::string& file) {
        for (int trial = 0; trial < 60; ++trial) {
            std::vector<std::decay_t<decltype(makeRecord(random))>> records;
            const int count = std::uniform_int_distribution<int>(1, 12)(random);
            for (int i = 0; i < count; ++i)
                records.push_back(makeRecord(random));
            WriteFileBytes(file, FileOf(records));
            const auto stored = contents();
            const auto old =
                stored[std::uniform_int_distribution<std::size_t>(0, stored.size() - 1)(random)];
            long position = 0;
            while (!same(stored[static_cast<std::size_t>(position)], old))
                ++position; // where a delete finds it
            std::optional<std::decay_t<decltype(old)>> next;
            if (trial % 5 != 0) next = makeRecord(random);

            ASSERT_TRUE(slowDelete(old));
            if (next) slowInsert(*next);
            const std::string expected = ReadFileBytes(file);
            WriteFileBytes(file, FileOf(records));
            const Replaced result =
                replace(position, stored[static_cast<std::size_t>(position)], next);
            ASSERT_TRUE(result.done);
            ASSERT_EQ(ReadFileBytes(file), expected) << "trial " << trial;
            if (next) {
                ASSERT_GE(result.position, 0);
                auto shown = contents()[static_cast<std::size_t>(result.position)];
                EXPECT_EQ(FileOf(std::vector{shown}), FileOf(std::vector{*next}));
            } else {
                EXPECT_EQ(result.position, -1);
            }
        }
    };
    for (int sort : {1, 2, 3}) {
        State().sort = sort;
        check(RandomWine, CellarContents, SameCellarRecord, DeleteCellarWine, InsertCellarWine,
              ReplaceCellarWine, "Cave.dat");
    }
    auto sameEntry = [](const ConsumedWine& a, const ConsumedWine& b) {
        return a.colour == b.colour && a.region == b.region && a.appellation == b.appellation &&
               a.vintage == b.vintage && a.quantity == b.quantity && a.drinkDate == b.drinkDate &&
               a.domaine == b.domaine && a.guests == b.guests && a.comments == b.comments &&
               a.mark == b.mark;
    };
    check(RandomEntry, HistoryContents, sameEntry, DeleteConsumedWine, InsertConsumedWine,
          ReplaceConsumedWine, "Stat.dat");
}

// The record shown is the one replaced, not a look-alike before it; a record that is no longer
// there leaves the file as it was.
TEST_F(RecordsTest, ReplaceActsOnTheRecordAtItsPlaceOnly) {
    CellarWine first = Wine("Rouge", "Bordeaux", "Medoc", "1990");
    CellarWine second = first;
    second.owner = PadText("other", 50); // a delete does not compare the owner
    second.bottleFormat = PadText("Magnum", 10);
    WriteFileBytes("Cave.dat", FileOf(std::vector{first, second}));
    const auto stored = CellarContents();
    const std::string before = ReadFileBytes("Cave.dat");

    CellarWine edited = stored[1];
    edited.remarks = PadText("corrected", 50);
    EXPECT_FALSE(ReplaceCellarWine(0, stored[1], edited).done);
    EXPECT_FALSE(ReplaceCellarWine(2, stored[1], edited).done);
    CellarWine changed = stored[1];
    changed.mark = "Moyen"; // changed on disk since it was shown
    EXPECT_FALSE(ReplaceCellarWine(1, changed, edited).done);
    EXPECT_EQ(ReadFileBytes("Cave.dat"), before);

    EXPECT_TRUE(ReplaceCellarWine(1, stored[1], edited).done);
    const auto after = CellarContents();
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0].owner, PadText("other", 50)); // the edited one goes before its equal
    EXPECT_EQ(after[0].remarks, PadText("corrected", 50));
    EXPECT_EQ(after[1], stored[0]);

    ConsumedWine entry = Entry("01/02/1998", "Rouge", "Medoc");
    ConsumedWine twin = entry;
    twin.remarks = PadText("lot 2", 50);
    twin.purchaseDate = "03/04/1995";
    WriteFileBytes("Stat.dat", FileOf(std::vector{entry, twin}));
    ConsumedWine corrected = twin;
    corrected.comments = PadText("corrected", 50);
    EXPECT_FALSE(ReplaceConsumedWine(0, twin, corrected).done);
    EXPECT_TRUE(ReplaceConsumedWine(1, twin, std::nullopt).done);
    EXPECT_EQ(HistoryContents(), std::vector{entry});
}

TEST_F(RecordsTest, AFailedReplaceKeepsTheOldFile) {
    const CellarWine a = Wine("Rouge", "Bordeaux", "Medoc", "1990");
    const CellarWine b = Wine("Rouge", "Bordeaux", "Medoc", "1995");
    const CellarWine c = Wine("Rouge", "Bordeaux", "Medoc", "1998");
    WriteFileBytes("Cave.dat", FileOf(std::vector{a, b, c}));
    const auto stored = CellarContents();
    const std::string before = ReadFileBytes("Cave.dat");
    const auto listing = DirectoryListing();
    CellarWine later = stored[0];
    later.vintage = "2000";
    // Failures before, between and after the place of the removed record and of the new one.
    for (long budget : {0L, 200L, 400L, 700L, 900L}) {
        files_testing::FailWritesAfter(budget);
        EXPECT_THROW(ReplaceCellarWine(0, stored[0], later), IoError) << budget;
        EXPECT_EQ(ReadFileBytes("Cave.dat"), before);
        EXPECT_EQ(DirectoryListing(), listing);
    }
}
