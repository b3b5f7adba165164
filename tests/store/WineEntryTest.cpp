#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

#include "store/State.h"
#include "store/Text.h"
#include "store/WineEntry.h"
#include "support/TestDirs.h"

using namespace store;
using namespace testsupport;

class WineEntryTest : public DataDirTest {};

namespace {
CellarWine ValidWine() {
    CellarWine w;
    w.colour = PadText("Rouge", 10);
    w.region = PadText("Bordeaux", 20);
    w.appellation = PadText("Pauillac", 30);
    w.vintage = "1995";
    w.quantity = "6";
    w.price = ".";
    w.purchaseDate = Blanks(10);
    w.peakYear = Blanks(4);
    return w;
}
} // namespace

TEST(WineChecks, FirstFailingCheckGivesItsMessage) {
    struct Case {
        std::string CellarWine::*field;
        std::string value;
        int message;
    } cases[] = {
        {&CellarWine::colour, Blanks(10), 3},
        {&CellarWine::region, Blanks(20), 4},
        {&CellarWine::appellation, Blanks(30), 5},
        {&CellarWine::vintage, "199 ", 6},
        {&CellarWine::vintage, "19a5", 6},
        {&CellarWine::vintage, Blanks(4), 0},
        {&CellarWine::quantity, "0", 7},
        {&CellarWine::quantity, "", 7},
        {&CellarWine::quantity, "ab", 7},
        {&CellarWine::quantity, "99", 0},
        {&CellarWine::price, "", 0},
        {&CellarWine::price, ".", 0},
        {&CellarWine::price, "12.5", 0},
        {&CellarWine::price, "1 2.50", 8},
        {&CellarWine::price, "12.50.1", 8},
        {&CellarWine::price, "99999.99", 0},
        {&CellarWine::price, "100000", 9},
        {&CellarWine::price, "100000.01", 9},
        {&CellarWine::purchaseDate, "31/02/2001", 10},
        {&CellarWine::purchaseDate, "29/02/2000", 0},
        {&CellarWine::purchaseDate, "  /  /    ", 10},
        {&CellarWine::peakYear, "20a3", 11},
        {&CellarWine::peakYear, "2003", 0},
    };
    EXPECT_EQ(CheckCellarWine(ValidWine()), 0);
    for (const auto& c : cases) {
        CellarWine w = ValidWine();
        w.*c.field = c.value;
        EXPECT_EQ(CheckCellarWine(w), c.message) << "'" << c.value << "'";
    }
    // The order of the checks: the colour before the quantity.
    CellarWine w = ValidWine();
    w.quantity = "0";
    w.colour = Blanks(10);
    EXPECT_EQ(CheckCellarWine(w), 3);
}

TEST(WineChecks, PriceAndQuantityForms) {
    EXPECT_EQ(NormalisedPriceText("12.5"), "   12.50");
    EXPECT_EQ(NormalisedPriceText("   12.5 "), "   12.50");
    EXPECT_EQ(NormalisedPriceText(" 12 . 5"), "   12.50");
    EXPECT_EQ(NormalisedPriceText("99999.99"), "99999.99");
    EXPECT_EQ(NormalisedPriceText("     .  "), std::nullopt);
    EXPECT_EQ(NormalisedPriceText("1 2.5"), std::nullopt);
    EXPECT_EQ(StoredPrice("."), "    0.00");
    EXPECT_EQ(StoredPrice(""), Blanks(8));
    EXPECT_EQ(StoredPrice("12.5"), "   12.50");
    EXPECT_EQ(StoredQuantity("6"), " 6");
    EXPECT_EQ(StoredQuantity("12"), "12");
}

TEST_F(WineEntryTest, IndexDomainesAndPeakYear) {
    WriteFileBytes("Vins.dat", CrLf({
        "[" + PadText("Bordeaux", 20) + "][" + PadText("Rouge", 10) + "](" + PadText("Pauillac", 30) + ")",
        "   Garde=10 ans",
        "[" + PadText("Alsace", 20) + "][" + PadText("Blanc", 10) + "][" + PadText("Riesling", 30) + "]",
        "[x",
    }));
    const auto keys = ReadAppellationIndex();
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0].size(), 60u);
    EXPECT_EQ(KeyRegion(keys[0]), "Bordeaux");
    EXPECT_EQ(KeyColour(keys[0]), "Rouge");
    EXPECT_EQ(KeyAppellation(keys[1]), "Riesling");
    EXPECT_EQ(KeyAppellation(keys[2]), "");

    WriteFileBytes("Domaine.dat", CrLf({
        "[" + PadText("Bordeaux", 20) + "][" + PadText("Pauillac", 30) + "]",
        "     -" + PadText(Cp1252("Château Latour"), 50) + PadText("Pinault", 50),
        "     -" + PadText(Cp1252("CHÂTEAU LATOUR"), 50) + PadText("Autre", 50),
        "     -" + Blanks(50),
        "[" + PadText("Alsace", 20) + "][" + PadText("Riesling", 30) + "]",
        "     -" + PadText("Trimbach", 50) + PadText("Famille", 50),
    }));
    EXPECT_EQ(DomaineNames(), (std::vector<std::string>{Cp1252("Château Latour"), "Trimbach"}));
    const DomaineLookup found = FindDomaine("Trimbach  ");
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.owner, "Famille");
    EXPECT_EQ(found.region, "Alsace");
    EXPECT_EQ(found.appellation, "Riesling");
    EXPECT_FALSE(FindDomaine("trimbach").found);

    EXPECT_EQ(ProposedPeakYear("1995", "Rouge", "Bordeaux"), std::nullopt); // no table yet
    WriteFileBytes("Apogee.dat", CrLf({"[" + PadText("Rouge", 10) + "][" + PadText("Bordeaux", 20) + "][ 8]"}));
    EXPECT_EQ(ProposedPeakYear("1995", "Rouge", "Bordeaux"), "2003");
    EXPECT_EQ(ProposedPeakYear(" 1995 ", "Rouge     ", "Bordeaux"), "2003");
    EXPECT_EQ(ProposedPeakYear("995", "Rouge", "Bordeaux"), std::nullopt);
    EXPECT_EQ(ProposedPeakYear("1995", "", "Bordeaux"), std::nullopt);
    EXPECT_EQ(ProposedPeakYear("1995", "Blanc", "Bordeaux"), std::nullopt);
}

// A locale whose decimal separator is a comma, made for the test when the machine has none.
bool UseCommaLocale() {
    if (std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") != nullptr) return true;
    const std::string dir = testing::TempDir() + "tonnelix-locale";
    const std::string command =
        "mkdir -p '" + dir + "' && localedef -i fr_FR -f UTF-8 '" + dir + "/fr_FR.UTF-8' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return false;
    ::setenv("LOCPATH", dir.c_str(), 1);
    return std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") != nullptr;
}

// Qt sets the C library's locale from the desktop; a French one must not turn 10.50 into 10,00.
TEST(WineChecks, PricesIgnoreTheDesktopLocale) {
    if (!UseCommaLocale()) GTEST_SKIP() << "no locale with a decimal comma can be made here";
    CellarWine w = ValidWine();
    w.price = "99999.99";
    EXPECT_EQ(StoredPrice("10.50"), "   10.50");
    EXPECT_EQ(NormalisedPriceText("12.5"), "   12.50");
    EXPECT_EQ(CheckCellarWine(w), 0);
    std::setlocale(LC_NUMERIC, "C");
}

TEST(WineChecks, CaseFoldingKnowsAccentedLetters) {
    EXPECT_TRUE(EqualIgnoringCase(Cp1252("côte-rôtie"), Cp1252("CÔTE-RÔTIE")));
    EXPECT_FALSE(EqualIgnoringCase(Cp1252("cote"), Cp1252("côte")));
}
