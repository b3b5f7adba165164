// The sums of the statistics: groups and sub-rows in list order, the total, the slices and
// the 8 % rule, and the wines that count nowhere.
#include <gtest/gtest.h>

#include "StatsTest.h"

using namespace testsupport;
using stats::View;

namespace {

using Rows = std::vector<std::string>;

class StatisticsTest : public StatsTest {
protected:
    static stats::Statistics Sum(const std::vector<store::CellarWine>& wines, View view,
                                 const store::Vocabulary& lists = store::State().lists) {
        stats::Accumulator sums(lists.colours, lists.regions);
        for (const auto& w : wines)
            sums.add(w);
        return sums.result(view);
    }
};

TEST_F(StatisticsTest, TwoRedWinesMakeOneGroupAndOneSlice) {
    const auto s = Sum(
        {Wine("Rouge", "Bordeaux", " 6", "   10.00"), Wine("Rouge", "Bordeaux", "12", "    5.50")},
        View::ByColour);
    EXPECT_EQ(Table(s), (Rows{"Rouge|  18|   2|   126.00", "   Bordeaux|  18|   2|   126.00",
                              "|-------|-------|------------", "Total|  18|   2|   126.00"}));
    EXPECT_EQ(Slices(s), (Rows{"Rouge 18"}));
}

TEST_F(StatisticsTest, BothViewsFollowTheListsWithAutreUnderItsColourOnly) {
    // Written out of list order: the rows take the order of the lists.
    const std::vector<store::CellarWine> wines = {
        Wine("Rouge", "Bourgogne", " 3"), Wine("Rouge", "Autre", " 2"),
        Wine("Blanc", "Alsace", " 1"),    Wine("Rouge", "Alsace", " 4"),
        Wine("Rouge", "Bordeaux", " 5"),
    };
    EXPECT_EQ(Table(Sum(wines, View::ByColour)),
              (Rows{"Blanc|   1|   1|    10.00", "   Alsace|   1|   1|    10.00",
                    "Rouge|  14|   4|   140.00", "   Alsace|   4|   1|    40.00",
                    "   Bordeaux|   5|   1|    50.00", "   Bourgogne|   3|   1|    30.00",
                    "   Autre|   2|   1|    20.00", "|-------|-------|------------",
                    "Total|  15|   5|   150.00"}));
    // "Autre" is no region group: its wine is missing from this view's total.
    EXPECT_EQ(Table(Sum(wines, View::ByRegion)),
              (Rows{"Alsace|   5|   2|    50.00", "   Blanc|   1|   1|    10.00",
                    "   Rouge|   4|   1|    40.00", "Bordeaux|   5|   1|    50.00",
                    "   Rouge|   5|   1|    50.00", "Bourgogne|   3|   1|    30.00",
                    "   Rouge|   3|   1|    30.00", "|-------|-------|------------",
                    "Total|  13|   4|   130.00"}));
}

TEST_F(StatisticsTest, RegionsOfEightPercentOrLessGoToDivers) {
    struct Case {
        std::string alsace; // bottles of Alsace among 1000
        Rows slices;
    } cases[] = {
        {"80", {"Bordeaux 920", "Divers 80"}},
        {"81", {"Alsace 81", "Bordeaux 919"}},
    };
    for (const auto& c : cases) {
        // The quantity field holds two digits: the bottles come as wines of at most 50.
        std::vector<store::CellarWine> wines;
        auto add = [&](const std::string& region, long bottles) {
            for (; bottles > 0; bottles -= 50)
                wines.push_back(Wine("Rouge", region, std::to_string(std::min(bottles, 50L))));
        };
        add("Alsace", std::stol(c.alsace));
        add("Bordeaux", 1000 - std::stol(c.alsace));
        const auto s = Sum(wines, View::ByRegion);
        EXPECT_EQ(Slices(s), c.slices) << c.alsace;
        EXPECT_EQ(s.rows.size(), 6u) << "every region keeps its rows";
    }
}

TEST_F(StatisticsTest, NoBottlesInTheRegionViewShowsRowsWithoutSlices) {
    const auto s = Sum({Wine("Rouge", "Alsace", " 0"), Wine("Blanc", "Corse", " 0", "   12.00")},
                       View::ByRegion);
    EXPECT_EQ(Table(s), (Rows{"Alsace|   0|   1|     0.00", "   Rouge|   0|   1|     0.00",
                              "Corse|   0|   1|     0.00", "   Blanc|   0|   1|     0.00",
                              "|-------|-------|------------", "Total|   0|   2|     0.00"}));
    EXPECT_TRUE(s.slices.empty());
}

TEST_F(StatisticsTest, WinesThatCountNowhere) {
    const std::vector<store::CellarWine> wines = {
        Wine("Rouge", "Alsace", " 6", "   10.00"),
        Wine("Rouge", "Alsace", " x",
             "   99.00"), // a quantity that is no number counts for nothing
        Wine("Rouge", "Alsace", "1.5", "   99.00"), // nor one that is not whole
        Wine("Rouge", "Alsace", " 2", "  abc   "),  // a price that is no number adds no value
        Wine("Jaune", "Alsace", " 5", "   10.00"),  // a colour outside the list
        Wine("rouge", "Alsace", " 5", "   10.00"),  // compared with its case
    };
    EXPECT_EQ(Table(Sum(wines, View::ByColour)),
              (Rows{"Rouge|   8|   2|    60.00", "   Alsace|   8|   2|    60.00",
                    "|-------|-------|------------", "Total|   8|   2|    60.00"}));
    // The region view counts the colours outside the list in its region, not in a sub-row.
    EXPECT_EQ(Table(Sum(wines, View::ByRegion)),
              (Rows{"Alsace|  18|   4|   160.00", "   Rouge|   8|   2|    60.00",
                    "|-------|-------|------------", "Total|  18|   4|   160.00"}));
}

TEST_F(StatisticsTest, TheLaterOfTwoEqualEntriesGetsTheWine) {
    store::Vocabulary lists = store::State().lists;
    lists.colours.entries = {store::PadText("Rouge", 10), store::PadText("Blanc", 10),
                             store::PadText("Rouge", 10)};
    const auto s =
        Sum({Wine("Rouge", "Alsace", " 3"), Wine("Blanc", "Alsace", " 1")}, View::ByColour, lists);
    EXPECT_EQ(Table(s), (Rows{"Blanc|   1|   1|    10.00", "   Alsace|   1|   1|    10.00",
                              "Rouge|   3|   1|    30.00", "   Alsace|   3|   1|    30.00",
                              "|-------|-------|------------", "Total|   4|   2|    40.00"}));
}

TEST_F(StatisticsTest, ComputeReadsTheCellarFileOnce) {
    EXPECT_FALSE(stats::Compute(View::ByColour).cellarRead);
    EXPECT_TRUE(stats::Compute(View::ByColour).rows.empty()) << "no cellar file, nothing to show";
    WriteCellar({});
    EXPECT_EQ(Table(stats::Compute(View::ByRegion)),
              (Rows{"|-------|-------|------------", "Total|   0|   0|     0.00"}));
    const std::vector<store::CellarWine> wines = {Wine("Rosé", "Provence", " 6", "    7.25"),
                                                  Wine("Rouge", "Bordeaux", "12", "   15.00")};
    WriteCellar(wines);
    for (View view : {View::ByColour, View::ByRegion}) {
        const auto read = stats::Compute(view);
        EXPECT_EQ(Table(read), Table(Sum(wines, view)));
        EXPECT_EQ(Slices(read), Slices(Sum(wines, view)));
    }
}

TEST_F(StatisticsTest, FiguresKeepEveryDigit) {
    EXPECT_EQ(stats::CountText(12345), "12345");
    EXPECT_EQ(stats::AmountText(123456789.5), "123456789.50");
}

} // namespace
