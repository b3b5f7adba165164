// The wine of the day of the about box, on small appellation bases and vintage charts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/WineOfTheDay.h"
#include "store/State.h"
#include "store/Text.h"
#include "support/TestDirs.h"

using store::Cp1252;
using store::DataLanguage;
using store::PadText;
using testsupport::CrLf;
using testsupport::WriteFileBytes;

namespace {

std::string Header(const std::string& region, const std::string& colour,
                   const std::string& appellation) {
    return "[" + PadText(region, 20) + "][" + PadText(colour, 10) + "](" +
           PadText(appellation, 30) + ")";
}
std::string VintageHeader(const std::string& region, const std::string& appellation) {
    return "[" + PadText(region, 20) + "](" + PadText(appellation, 30) + ")";
}
std::string Dish(const std::string& course, const std::string& dish) {
    return "      " + PadText(course, 7) + ":" + PadText(dish, 30);
}
std::string Vintage(const std::string& year, const std::string& mark) {
    return "      " + year + "," + mark;
}

class WineOfTheDayTest : public testsupport::DataDirTest {
protected:
    void useLanguage(DataLanguage language) {
        store::State().language = language;
        store::SetDataFileNames(language);
    }
    // Draws `pick` and remembers how many sections there were to draw from.
    std::string wine(int pick = 0) {
        return shell::WineOfTheDay([this, pick](int count) {
            counts.push_back(count);
            return pick;
        });
    }
    std::vector<int> counts;
};

TEST_F(WineOfTheDayTest, SingleSectionGivesItsBestVintagesAndDishes) {
    useLanguage(DataLanguage::French);
    WriteFileBytes("Vins.dat",
                   CrLf({Header("Bourgogne", "Rouge", "Pommard"), "   Temp =16", "   Garde=10 ans",
                         "   Plats=", Dish("Plats", Cp1252("Bœuf bourguignon")), "",
                         Dish("Fromage", Cp1252("Époisses"))}));
    WriteFileBytes(
        "Annee.dat",
        CrLf({VintageHeader("Alsace", "Pommard"), Vintage("2001", "20"),
              VintageHeader("Bourgogne", "Pommard"), Vintage("1985", "18"), Vintage("1987", "09"),
              Vintage("1990", "20"), VintageHeader("Bourgogne", "Volnay"), Vintage("2005", "19")}));
    EXPECT_EQ(
        wine(),
        Cp1252(
            "Pommard (Bourgogne) :  Ses meilleures années : 1990, 1985, 1987."
            " Ce vin Rouge peut se boire avec les plats suivants : Bœuf bourguignon, Époisses."));
    EXPECT_EQ(counts, std::vector<int>{1});
}

// The drawn section stands alone: no dishes or vintages of its neighbours.
TEST_F(WineOfTheDayTest, DrawnSectionWithoutDishesKeyOrVintagesGivesItsNameOnly) {
    useLanguage(DataLanguage::French);
    WriteFileBytes(
        "Vins.dat",
        CrLf({Header("Bourgogne", "Rouge", "Pommard"), "   Plats=", Dish("Plats", "Coq au vin"),
              Header("Bourgogne", "Blanc", "Chablis"), "   Temp =10",
              Header("Bourgogne", "Blanc", "Meursault"), "   Plats=", Dish("Plats", "Homard")}));
    WriteFileBytes("Annee.dat",
                   CrLf({VintageHeader("Bourgogne", "Chablis"),
                         VintageHeader("Bourgogne", "Meursault"), Vintage("1996", "18")}));
    EXPECT_EQ(wine(1), "Chablis (Bourgogne) : ");
    EXPECT_EQ(counts, std::vector<int>{3});
    // A dishes key followed by no dish names nothing.
    WriteFileBytes("Vins.dat", CrLf({Header("Bourgogne", "Blanc", "Chablis"), "   Plats=", ""}));
    EXPECT_EQ(wine(), "Chablis (Bourgogne) : ");
}

TEST_F(WineOfTheDayTest, NothingIsChosenWithoutSections) {
    useLanguage(DataLanguage::French);
    EXPECT_EQ(wine(), ""); // no base at all
    WriteFileBytes("Vins.dat", CrLf({"   Temp =16", "   Plats=", Dish("Plats", "Coq au vin")}));
    EXPECT_EQ(wine(), "");
    EXPECT_TRUE(counts.empty());
}

TEST_F(WineOfTheDayTest, EnglishBaseSpeaksEnglish) {
    useLanguage(DataLanguage::English);
    WriteFileBytes("Wines.dat",
                   CrLf({Header("Alsace", "White", "Riesling"), "   Keep =5 years",
                         "   Dishes=", Dish("Courses", "Sauerkraut"), Dish("Cheeses", "Munster")}));
    WriteFileBytes("Year.dat", CrLf({VintageHeader("Alsace", "Riesling"), Vintage("1990", "17")}));
    EXPECT_EQ(wine(),
              "Riesling (Alsace) :  Its best vintages : 1990."
              " This White wine can be drunk with the following dishes : Sauerkraut, Munster.");
}

TEST_F(WineOfTheDayTest, VintagesSortByMarkGreatestFirstAsTheSelectionSortSwaps) {
    const struct {
        std::vector<std::string> entries;
        std::vector<std::string> sorted;
    } cases[] = {
        {{"1985:18", "1987:09", "1990:20"}, {"1990:20", "1985:18", "1987:09"}},
        {{"AAAA:10", "BBBB:10", "CCCC:20"}, {"CCCC:20", "BBBB:10", "AAAA:10"}},
        {{"2000:15"}, {"2000:15"}},
        {{}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shell::SortByMark(c.entries), c.sorted);
}

} // namespace
