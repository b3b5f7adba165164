// The numbers behind the when-to-drink and consumption charts, from small cellars and
// histories.
#include <gtest/gtest.h>

#include "stats/ConsumptionChart.h"
#include "stats/WhenToDrink.h"
#include "store/Records.h"
#include "store/Text.h"

namespace {

const std::vector<std::string> kColours = {"Blanc     ", "Rouge     ", store::Cp1252("Rosé      ")};

store::CellarWine Wine(const std::string& colour, const std::string& peak, const std::string& quantity) {
    store::CellarWine w;
    w.colour = store::PadText(colour, 10);
    w.peakYear = store::PadText(peak, 4);
    w.quantity = quantity;
    w.appellation = "Pauillac";
    return w;
}

// "label:total[per colour]" per bar.
std::vector<std::string> Bars(const stats::DrinkChart& chart) {
    std::vector<std::string> out;
    for (const stats::DrinkBar& bar : chart.bars) {
        std::string text = bar.kind == stats::DrinkBar::Kind::Past     ? "past"
                           : bar.kind == stats::DrinkBar::Kind::NoPeak ? "none"
                                                                       : std::to_string(bar.year);
        text += ":" + std::to_string(bar.total) + "[";
        for (std::size_t i = 0; i < bar.bottles.size(); ++i)
            text += (i ? "," : "") + std::to_string(bar.bottles[i]);
        out.push_back(text + "]");
    }
    return out;
}

TEST(WhenToDrinkTest, BottlesStandByPeakYearAndColour) {
    stats::DrinkAccumulator sums(kColours, 2026);
    sums.add(0, Wine("Rouge", "2020", " 6"));  // past
    sums.add(1, Wine("Blanc", "2025", " 2"));  // past, the year before
    sums.add(2, Wine("Rouge", "2026", " 3"));  // this year
    sums.add(3, Wine("Rouge", "2028", "12"));  // later, 2027 left empty
    sums.add(4, Wine("Blanc", "2028", " 1"));
    sums.add(5, Wine(store::Cp1252("Rosé"), "    ", " 4")); // no peak year
    sums.add(6, Wine("Jaune", "2026", " 2"));  // a colour no longer in the list
    sums.add(7, Wine("Rouge", "abcd", " 5"));  // a peak year that is no year
    const stats::DrinkChart chart = sums.result();
    EXPECT_EQ(chart.colours, (std::vector<std::string>{"Blanc", "Rouge", store::Cp1252("Rosé"), "Jaune"}));
    EXPECT_EQ(Bars(chart), (std::vector<std::string>{"past:8[2,6,0,0]", "2026:5[0,3,0,2]",
                                                     "2027:0[0,0,0,0]", "2028:13[1,12,0,0]",
                                                     "none:9[0,5,4,0]"}));
    // Each bar keeps its wines, in file order, for the list a click shows.
    const stats::DrinkBar& past = chart.bars[static_cast<std::size_t>(chart.barOf(stats::DrinkBar::Kind::Past))];
    EXPECT_EQ(past.wines, (std::vector<std::size_t>{0, 1}));
    const int later = chart.barOf(stats::DrinkBar::Kind::Year, 2028);
    ASSERT_GE(later, 0);
    EXPECT_EQ(chart.wines[chart.bars[static_cast<std::size_t>(later)].wines[1]].position, 4);
}

TEST(WhenToDrinkTest, AnEmptyCellarShowsTheCurrentYearAloneAndFarYearsOnlyWhenFilled) {
    EXPECT_EQ(Bars(stats::DrinkAccumulator(kColours, 2026).result()),
              (std::vector<std::string>{"2026:0[]"}));
    stats::DrinkAccumulator sums(kColours, 2026);
    sums.add(0, Wine("Rouge", "2100", " 1"));
    const std::vector<std::string> bars = Bars(sums.result());
    ASSERT_EQ(bars.size(), static_cast<std::size_t>(stats::kCalendarYears) + 2);
    EXPECT_EQ(bars.back(), "2100:1[1]");
    EXPECT_EQ(bars[bars.size() - 2], "2066:0[0]");
}

store::ConsumedWine Drunk(const std::string& colour, const std::string& date, const std::string& quantity,
                          const std::string& price = "   10.00") {
    store::ConsumedWine e;
    e.colour = store::PadText(colour, 10);
    e.drinkDate = date;
    e.quantity = quantity;
    e.price = price;
    return e;
}

std::vector<std::string> Periods(const stats::ConsumptionChart& chart) {
    std::vector<std::string> out;
    for (const stats::DrunkPeriod& p : chart.periods) {
        std::string text = std::to_string(p.year) + (p.month ? "/" + std::to_string(p.month) : "") + ":" +
                           std::to_string(p.total) + "[";
        for (std::size_t i = 0; i < p.bottles.size(); ++i) text += (i ? "," : "") + std::to_string(p.bottles[i]);
        out.push_back(text + "]" + std::to_string(static_cast<long>(p.value * 100)));
    }
    return out;
}

TEST(ConsumptionChartTest, ThreeYearsCountPerYearThreeMonthsPerMonth) {
    struct Case {
        const char* name;
        std::vector<store::ConsumedWine> entries;
        bool monthly;
        std::vector<std::string> periods;
    } cases[] = {
        {"three years, the middle one empty",
         {Drunk("Rouge", "15/03/2022", " 2"), Drunk("Blanc", "01/12/2022", " 1", "    5.50"),
          Drunk("Vert", "31/12/2024", " 3", "       ."), Drunk("Rouge", "no date   ", " 9")},
         false,
         {"2022:3[1,2,0]2550", "2023:0[0,0,0]0", "2024:3[0,0,3]0"}},
        {"three months",
         {Drunk("Rouge", "10/01/2026", " 1"), Drunk("Rouge", "20/03/2026", " 2"), Drunk("Blanc", "21/03/2026", " 1")},
         true,
         {"2026/1:1[0,1]1000", "2026/2:0[0,0]0", "2026/3:3[1,2]3000"}},
        {"two years less a month still counts months",
         {Drunk("Rouge", "01/01/2024", " 1"), Drunk("Rouge", "31/12/2025", " 1")}, true, {}},
        {"two whole years count years",
         {Drunk("Rouge", "01/01/2024", " 1"), Drunk("Rouge", "01/01/2026", " 1")},
         false,
         {"2024:1[1]1000", "2025:0[0]0", "2026:1[1]1000"}},
    };
    for (const Case& c : cases) {
        stats::ConsumptionAccumulator sums(kColours, "", "");
        for (const auto& e : c.entries) sums.add(e);
        const stats::ConsumptionChart chart = sums.result();
        EXPECT_EQ(chart.monthly, c.monthly) << c.name;
        if (!c.periods.empty()) {
            EXPECT_EQ(Periods(chart), c.periods) << c.name;
        }
    }
}

TEST(ConsumptionChartTest, ThePeriodBoundsKeepTheirDaysIn) {
    stats::ConsumptionAccumulator sums(kColours, "01/02/2026", "28/02/2026");
    for (const char* date : {"31/01/2026", "01/02/2026", "28/02/2026", "01/03/2026"})
        sums.add(Drunk("Rouge", date, " 1"));
    const stats::ConsumptionChart chart = sums.result();
    EXPECT_EQ(Periods(chart), (std::vector<std::string>{"2026/2:2[2]2000"}));
    EXPECT_TRUE(stats::ConsumptionAccumulator(kColours, "01/01/2030", "").result().periods.empty());
}

} // namespace
