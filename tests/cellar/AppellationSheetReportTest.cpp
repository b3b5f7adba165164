// The appellation sheet: the dishes of the appellation's block beside the marks of its
// vintages, row by row, printed only when the bases know one or the other.
#include <gtest/gtest.h>

#include "cellar/AppellationSheet.h"
#include "cellar/CellarWindowTest.h"
#include "store/RefBases.h"
#include "ui/Report.h"

using namespace testsupport;
using ui::BandKind;

static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

class AppellationSheetReportTest : public CellarWindowTest {
protected:
    void SetUp() override {
        CellarWindowTest::SetUp();
        // Margaux has no dish section: the dishes of the block after it are not its own.
        WriteFileBytes("Vins.dat",
                       store::Cp1252(CrLf(
                           {AppellationHeader("Bordeaux", "Rouge", "Pauillac"), "   Temp =17 °C",
                            "   Garde=10 à 30 ans", "   Plats=", "      Entrées:Foie gras",
                            "      Plats  :Agneau de Pauillac", "      Fromage:Comté",
                            AppellationHeader("Bordeaux", "Rouge", "Margaux"), "   Temp =16 °C",
                            AppellationHeader("Bordeaux", "Blanc", "Graves"),
                            "   Plats=", "      Plats  :Huîtres"})));
        WriteFileBytes("Annee.dat", CrLf({store::VintageHeader(store::PadText("Bordeaux", 20),
                                                               store::PadText("Pauillac", 30)),
                                          "      1985,17", "      1986,16", "      1988,15",
                                          "      1989,18", "      1990,19",
                                          store::VintageHeader(store::PadText("Bordeaux", 20),
                                                               store::PadText("Graves", 30)),
                                          "      1995,14"}));
    }

    static void Select(const char* colour, const char* appellation) {
        cellar::State().selectedAppellation = {store::PadText(colour, 10),
                                               store::PadText("Bordeaux", 20),
                                               store::PadText(appellation, 30), ""};
    }
};

TEST_F(AppellationSheetReportTest, DishesBesideVintagesRowByRow) {
    Select("Rouge", "Pauillac");
    const auto report =
        cellar::AppellationSheet(QString::fromUtf8("17 °C"), QString::fromUtf8("10 à 30 ans"));
    ASSERT_TRUE(report);
    const auto pages = report->layOut();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].bandsOf(BandKind::PageHeader).front()->texts(),
              (QStringList{"Pauillac - Rouge", QString::fromUtf8("Température de service :"),
                           QString::fromUtf8("17 °C"), QString::fromUtf8("Période de garde :"),
                           QString::fromUtf8("10 à 30 ans"),
                           "Plats :", QString::fromUtf8("Millésimes :")}));
    std::vector<QStringList> rows;
    for (const ui::ReportBand* band : pages[0].bandsOf(BandKind::Detail))
        rows.push_back(band->texts());
    const std::vector<QStringList> expected = {
        {QString::fromUtf8("Entrées"), ":", "Foie gras", "1985", ":", "17/20"},
        {"Plats", ":", "Agneau de Pauillac", "1986", ":", "16/20"},
        {"Fromage", ":", QString::fromUtf8("Comté"), "1988", ":", "15/20"},
        {"1989", ":", "18/20"},
        {"1990", ":", "19/20"},
    };
    EXPECT_EQ(rows, expected);
}

TEST_F(AppellationSheetReportTest, PrintedOnlyWhenDishesOrVintagesAreKnown) {
    const struct {
        const char* colour;
        const char* appellation;
        bool printed;
        int rows;
    } cases[] = {
        {"Rouge", "Pauillac", true, 5}, {"Blanc", "Graves", true, 1}, // one dish, one vintage
        {"Rouge", "Graves", true, 1}, // no block of its colour, but the vintage chart knows Graves
        {"Rouge", "Margaux", false, 0}, // no dish section, no vintage block
        {"Rouge", "Pomerol", false, 0}, // in neither base
    };
    for (const auto& c : cases) {
        ui::testing::ReportCapture capture;
        Select(c.colour, c.appellation);
        EXPECT_EQ(cellar::PrintAppellationSheet({}, {}), c.printed) << c.appellation;
        ASSERT_EQ(capture.outputs().size(), c.printed ? 1u : 0u) << c.appellation;
        if (!c.printed) continue;
        EXPECT_EQ(capture.outputs()[0].pages[0].bandsOf(BandKind::Detail).size(),
                  std::size_t(c.rows))
            << c.colour << " " << c.appellation;
    }
}

// The longest vintage charts of the shipped bases run to 43 years.
TEST_F(AppellationSheetReportTest, ALongChartLeavesNoRowsAloneOnALastPage) {
    const struct {
        int vintages;
        std::size_t pages;
    } cases[] = {{38, 1}, {43, 1}, {49, 1}, {60, 2}, {80, 2}};
    for (const auto& c : cases) {
        std::vector<std::string> lines{
            store::VintageHeader(store::PadText("Bordeaux", 20), store::PadText("Pauillac", 30))};
        for (int year = 2024; year > 2024 - c.vintages; --year)
            lines.push_back("      " + std::to_string(year) + ",15");
        WriteFileBytes("Annee.dat", CrLf(lines));
        Select("Rouge", "Pauillac");
        const auto pages = cellar::AppellationSheet({}, {})->layOut();
        EXPECT_EQ(pages.size(), c.pages) << c.vintages;
        std::size_t rows = 0;
        for (const auto& page : pages) {
            const std::size_t here = page.bandsOf(BandKind::Detail).size();
            EXPECT_GE(here, 20u) << c.vintages << " vintages, page " << page.number;
            rows += here;
        }
        EXPECT_EQ(rows, std::size_t(c.vintages));
    }
}

TEST_F(AppellationSheetReportTest, EnglishCaptions) {
    loadEnglish();
    Select("Rouge", "Pauillac");
    const auto report = cellar::AppellationSheet({}, {});
    ASSERT_TRUE(report);
    const QStringList header = report->layOut()[0].bandsOf(BandKind::PageHeader).front()->texts();
    EXPECT_EQ(header, (QStringList{"Pauillac - Rouge", "Serving temperature:", "",
                                   "Keeping period:", "", "Dishes:", "Vintages:"}));
}

} // namespace
