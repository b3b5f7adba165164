// The cellar report: group bands by Sort, the four-line detail, the filters of the cellar
// book, and the totals per colour in both languages.
#include <gtest/gtest.h>

#include "cellar/CellarReport.h"
#include "cellar/CellarWindowTest.h"
#include "ui/Report.h"

using namespace testsupport;
using ui::BandKind;

static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

class CellarReportTest : public CellarWindowTest {
protected:
    // "1:" and "2:" for the group bands, "D:" and the appellation for a wine, "S" for the summary.
    static QStringList Outline(const std::vector<ui::ReportPage>& pages) {
        QStringList outline;
        for (const auto& page : pages)
            for (const auto& placed : page.bands) {
                const QStringList texts = placed.band.texts();
                switch (placed.band.kind) {
                case BandKind::Group:
                    outline << QString::number(placed.band.level) + ":" + texts.value(0);
                    break;
                case BandKind::Detail:
                    outline << "D:" + texts.value(1);
                    break;
                case BandKind::Summary:
                    outline << "S";
                    break;
                default:
                    break;
                }
            }
        return outline;
    }

    static std::vector<std::string> Lines(const std::vector<std::string>& lines) {
        std::vector<std::string> result;
        for (const auto& line : lines)
            result.push_back(store::Cp1252(line));
        return result;
    }

    // The lines of the summary band as printed, their pieces side by side.
    static QStringList PrintedSummary(const ui::ReportPage& page) {
        const auto bands = page.bandsOf(BandKind::Summary);
        return bands.empty() ? QStringList() : bands.front()->lines(QString());
    }
};

TEST_F(CellarReportTest, GroupBandsFollowTheSortOrder) {
    struct Case {
        int sort;
        QStringList outline;
    } cases[] = {
        {1,
         {"1:Blanc", "2:Alsace", "D:Riesling", "2:Bordeaux", "D:Graves", "1:Rouge", "2:Bordeaux",
          "D:Pauillac", "D:Graves", "2:Bourgogne", "D:Pommard", "S"}},
        // Region first: a change of colour within Bordeaux prints the inner band only.
        {3,
         {"1:Alsace", "2:Blanc", "D:Riesling", "1:Bordeaux", "2:Blanc", "D:Graves", "2:Rouge",
          "D:Pauillac", "D:Graves", "1:Bourgogne", "2:Rouge", "D:Pommard", "S"}},
    };
    for (const auto& c : cases) {
        store::DeleteFileIfPresent(store::State().files.cellar);
        store::State().sort = c.sort;
        for (const auto& w : {Wine("Rouge", "Bourgogne", "Pommard", "1992"),
                              Wine("Rouge", "Bordeaux", "Graves", "1991"),
                              Wine("Blanc", "Bordeaux", "Graves", "1995"),
                              Wine("Rouge", "Bordeaux", "Pauillac", "1990"),
                              Wine("Blanc", "Alsace", "Riesling", "1994")})
            store::InsertCellarWine(w);
        EXPECT_EQ(Outline(cellar::CellarReport(cellar::ListedWines()).layOut()), c.outline)
            << "Sort " << c.sort;
    }
}

TEST_F(CellarReportTest, HeaderAndFourLineDetailUnderTheHeadings) {
    auto wine = Wine("Rouge", "Bordeaux", "Pauillac", "1990");
    wine.domaine = store::PadText(store::Cp1252("Château Latour"), 50);
    wine.owner = store::PadText("Pinault", 50);
    wine.remarks = store::PadText(store::Cp1252("Très fruité"), 50);
    wine.purchaseDate = "01/02/1999";
    wine.peakYear = "2005";
    wine.location = store::PadText("A3", 10);
    wine.purchasePlace = store::PadText("Chez le producteur", 50);
    store::InsertCellarWine(wine);

    const auto pages = cellar::CellarReport(cellar::ListedWines()).layOut();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(
        pages[0].bandsOf(BandKind::PageHeader).front()->texts(),
        (QStringList{"Inventaire Livre de Cave", QString::fromUtf8("Année"),
                     QString::fromUtf8("Qté"), "Prix", "Date d'achat", QString::fromUtf8("Apogée"),
                     "Volume", "Place", QString::fromUtf8("Appréciation")}));
    // Line 1, line 2 under the headings (the stored quantity and price keep their leading blanks),
    // lines 3 and 4.
    EXPECT_EQ(pages[0].bandsOf(BandKind::Detail).front()->texts(),
              (QStringList{"1990", "Pauillac", QString::fromUtf8("Château Latour"), " 6",
                           "   10.00", "01/02/1999", "2005", "Bouteille", "A3", "Bon", "Pinault",
                           QString::fromUtf8("Très fruité"), "Chez le producteur"}));
}

// The report prints what the cellar book lists: the same colour filter and to-drink flag.
TEST_F(CellarReportTest, PrintsTheWinesTheCellarBookLists) {
    store::State().yearOverride = 2000;
    auto ready = Wine("Rouge", "Bordeaux", "Pauillac", "1990");
    ready.peakYear = "2000";
    auto later = Wine("Rouge", "Bordeaux", "Graves", "1991");
    later.peakYear = "2001";
    auto unknown = Wine("Rouge", "Bourgogne", "Pommard", "1992"); // no peak year: always to drink
    for (const auto& w : {ready, later, unknown, Wine("Blanc", "Alsace", "Riesling", "1994")})
        store::InsertCellarWine(w);

    ui::testing::ReportCapture capture;
    store::RecordFilter& filter = store::State().filter;
    filter.colour = "Rouge";
    ASSERT_TRUE(cellar::PrintCellarReport());
    filter.toDrink = true;
    ASSERT_TRUE(cellar::PrintCellarReport());
    filter.colour = "Rosé";
    EXPECT_FALSE(cellar::PrintCellarReport()); // nothing listed, nothing printed

    ASSERT_EQ(capture.outputs().size(), 2u);
    EXPECT_EQ(Outline(capture.outputs()[0].pages),
              (QStringList{"1:Rouge", "2:Bordeaux", "D:Pauillac", "D:Graves", "2:Bourgogne",
                           "D:Pommard", "S"}));
    EXPECT_EQ(
        Outline(capture.outputs()[1].pages),
        (QStringList{"1:Rouge", "2:Bordeaux", "D:Pauillac", "2:Bourgogne", "D:Pommard", "S"}));
    EXPECT_EQ(capture.outputs()[0].report.title, "Inventaire Livre de Cave");
}

TEST_F(CellarReportTest, SummaryLinesPerColourAndTotal) {
    auto priced = [](const char* colour, const char* quantity, const char* price) {
        auto w = Wine(store::Cp1252(colour), "Bordeaux", "Graves", "1990", quantity);
        w.price = price;
        return w;
    };
    struct Case {
        const char* what;
        std::vector<store::CellarWine> wines;
        std::vector<std::string> lines;
    } cases[] = {
        {"two red wines",
         {priced("Rouge", " 6", "   10.00"), priced("Rouge", " 2", "   25.50")},
         {"Vins Rouges :      2 (Vins)    8 (Bouteilles)     111.00 (Montant)",
          "Total :      2 (Vins)    8 (Bouteilles)     111.00 (Montant)"}},
        {"colours in list order, wider figures",
         {priced("Rouge", "12", "   12.50"), priced("Blanc", " 1", "12345.67"),
          priced("Rosé", " 3", "    5.00")},
         {"Vins Blancs :      1 (Vins)    1 (Bouteilles)   12345.67 (Montant)",
          "Vins Rouges :      1 (Vins)   12 (Bouteilles)     150.00 (Montant)",
          "Vins Rosés :      1 (Vins)    3 (Bouteilles)      15.00 (Montant)",
          "Total :      3 (Vins)   16 (Bouteilles)   12510.67 (Montant)"}},
        // No bottles, no colour line; the wine still counts. A colour outside the list counts
        // nowhere.
        {"nothing counted but wines",
         {priced("Rouge", " 0", "   10.00"), priced("Jaune", " 3", "    9.00")},
         {"Total :      1 (Vins)    0 (Bouteilles)       0.00 (Montant)"}},
        {"nothing at all", {}, {"Total :      0 (Vins)    0 (Bouteilles)       0.00 (Montant)"}},
        // A price or quantity that is not a number adds nothing; the wine still counts.
        {"not numbers",
         {priced("Blanc", "  ", "   10.00"), priced("Blanc", " 4", "     abc"),
          priced("Blanc", " 1", "     nan")},
         {"Vins Blancs :      3 (Vins)    5 (Bouteilles)       0.00 (Montant)",
          "Total :      3 (Vins)    5 (Bouteilles)       0.00 (Montant)"}},
    };
    for (const auto& c : cases) {
        cellar::ColourTotals totals;
        for (const auto& w : c.wines)
            totals.add(w);
        EXPECT_EQ(cellar::SummaryLines(totals), Lines(c.lines)) << c.what;
    }
}

// A colour entered twice in the colour list counts its wines once, under its first entry.
TEST_F(CellarReportTest, ColourListedTwiceCountsOnce) {
    store::State().lists.colours.entries.push_back(store::PadText("Rouge", 10));
    cellar::ColourTotals totals;
    totals.add(Wine("Rouge", "Bordeaux", "Graves", "1990", " 6"));
    EXPECT_EQ(cellar::SummaryLines(totals),
              Lines({"Vins Rouges :      1 (Vins)    6 (Bouteilles)      60.00 (Montant)",
                     "Total :      1 (Vins)    6 (Bouteilles)      60.00 (Montant)"}));
}

TEST_F(CellarReportTest, EnglishReportHasEnglishHeadingsAndTotals) {
    loadEnglish();
    store::State().language = store::DataLanguage::English;
    store::LoadVocabulary(store::DataLanguage::English);
    auto first = Wine("Red", "Bordeaux", "Graves", "1990", " 6");
    auto second = Wine("Red", "Bordeaux", "Graves", "1991", " 2");
    second.price = "   25.50";
    store::InsertCellarWine(first);
    store::InsertCellarWine(second);

    const auto pages = cellar::CellarReport(cellar::ListedWines()).layOut();
    ASSERT_EQ(pages.size(), 1u);
    const QStringList header = pages[0].bandsOf(BandKind::PageHeader).front()->texts();
    EXPECT_EQ(header.first(), "Cellar book inventory");
    EXPECT_EQ(header.mid(1), (QStringList{"Vintage", "Qty", "Price", "Purchase date", "Peak",
                                          "Bottle", "Location", "Rating"}));
    EXPECT_EQ(PrintedSummary(pages[0]),
              (QStringList{"Red Wines  :      2 (Wines)    8 (Bottles)     111.00 (Value)",
                           "Total :      2 (Wines)    8 (Bottles)     111.00 (Value)"}));
}

// Many wines run over several pages, each with the title and headings; the totals close the last.
TEST_F(CellarReportTest, LongCellarRunsOverPagesWithTotalsAtTheEnd) {
    for (int year = 1960; year < 1990; ++year)
        store::InsertCellarWine(Wine("Rouge", "Bordeaux", "Pauillac", std::to_string(year)));
    const auto pages = cellar::CellarReport(cellar::ListedWines()).layOut();
    ASSERT_GT(pages.size(), 2u);
    int wines = 0;
    for (const auto& page : pages) {
        EXPECT_EQ(page.texts().first(), "Inventaire Livre de Cave");
        wines += static_cast<int>(page.bandsOf(BandKind::Detail).size());
    }
    EXPECT_EQ(wines, 30);
    EXPECT_EQ(PrintedSummary(pages.back()),
              (QStringList{"Vins Rouges :     30 (Vins)  180 (Bouteilles)    1800.00 (Montant)",
                           "Total :     30 (Vins)  180 (Bouteilles)    1800.00 (Montant)"}));
}

} // namespace
