// The consumption report: the entries the consumed wines window lists, four lines each, with
// the title and headings on every page.
#include <gtest/gtest.h>

#include "history/ConsumedEntries.h"
#include "history/ConsumptionReport.h"
#include "history/HistoryWindowTest.h"
#include "ui/Report.h"

using namespace testsupport;
using ui::BandKind;

static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

class ConsumptionReportTest : public HistoryWindowTest {
protected:
    static std::vector<QStringList> Rows(const std::vector<ui::ReportPage>& pages) {
        std::vector<QStringList> rows;
        for (const auto& page : pages)
            for (const ui::ReportBand* band : page.bandsOf(BandKind::Detail))
                rows.push_back(band->texts());
        return rows;
    }
};

TEST_F(ConsumptionReportTest, PrintsTheFilteredEntriesInFileOrderWithEveryField) {
    auto full = Entry("Blanc", "Graves", "02/01/2000");
    full.domaine = store::PadText(store::Cp1252("Château Carbonnieux"), 50);
    full.owner = store::PadText("Perrin", 50);
    full.remarks = store::PadText(store::Cp1252("Très sec"), 50);
    full.purchasePlace = store::PadText("Salon", 50);
    full.comments = store::PadText(store::Cp1252("Parfait avec les huîtres"), 50);
    full.guests = store::PadText("Dupont", 30);
    WriteHistory({Entry("Rouge", "Pauillac", "01/01/2000"), full,
                  Entry("Rouge", "Graves", "03/01/2000"), Entry("Blanc", "Riesling", "")});

    ui::testing::ReportCapture capture;
    store::State().filter.colour = "Blanc";
    ASSERT_TRUE(history::PrintConsumptionReport());
    ASSERT_EQ(capture.outputs().size(), 1u);
    const auto& pages = capture.outputs()[0].pages;
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].bandsOf(BandKind::PageHeader).front()->texts(),
              (QStringList{QString::fromUtf8("Inventaire Vins consommés"), "Couleur",
                           QString::fromUtf8("Région"), "Appellation", QString::fromUtf8("Année"),
                           QString::fromUtf8("Qté"), "Date conso.", "Volume", "Prix",
                           QString::fromUtf8("Appréciation")}));
    const auto rows = Rows(pages);
    ASSERT_EQ(rows.size(), 2u);
    // Line 1 under the nine headings, then domaine / owner, remarks / place, comments / guests.
    EXPECT_EQ(rows[0],
              (QStringList{"Blanc", "Bordeaux", "Graves", "1990", " 1", "02/01/2000", "Bouteille",
                           "   10.00", "Bon", QString::fromUtf8("Château Carbonnieux"), "Perrin",
                           QString::fromUtf8("Très sec"), "Salon",
                           QString::fromUtf8("Parfait avec les huîtres"), "Dupont"}));
    // No drinking date: an empty column.
    EXPECT_EQ(rows[1].mid(0, 7),
              (QStringList{"Blanc", "Bordeaux", "Riesling", "1990", " 1", "", "Bouteille"}));
}

TEST_F(ConsumptionReportTest, FortyEntriesRunOverPagesEachWithTitleAndHeadings) {
    std::vector<store::ConsumedWine> entries;
    for (int day = 1; day <= 40; ++day) {
        char date[11];
        std::snprintf(date, sizeof date, "%02d/%02d/2000", (day - 1) % 28 + 1, (day - 1) / 28 + 1);
        entries.push_back(Entry("Rouge", "Pauillac", date));
    }
    WriteHistory(entries);
    const auto pages = history::ConsumptionReport(history::MatchingEntries()).layOut();
    ASSERT_GT(pages.size(), 1u);
    QStringList dates;
    for (const auto& page : pages) {
        const QStringList texts = page.texts();
        EXPECT_EQ(texts.first(), QString::fromUtf8("Inventaire Vins consommés"));
        EXPECT_EQ(texts[1], "Couleur");
        EXPECT_EQ(texts.last(2).first(), QStringLiteral("Page %1").arg(page.number));
    }
    for (const auto& row : Rows(pages))
        dates << row[5];
    ASSERT_EQ(dates.size(), 40);
    EXPECT_EQ(dates.first(), "01/01/2000");
    EXPECT_EQ(dates.last(), "12/02/2000");
}

TEST_F(ConsumptionReportTest, NothingListedNothingPrinted) {
    ui::testing::ReportCapture capture;
    EXPECT_FALSE(history::PrintConsumptionReport()); // no consumption file
    WriteHistory({Entry("Rouge", "Pauillac", "01/01/2000")});
    store::State().filter.colour = "Blanc";
    EXPECT_FALSE(history::PrintConsumptionReport());
    EXPECT_TRUE(capture.outputs().empty());
}

TEST_F(ConsumptionReportTest, EnglishHeadings) {
    loadEnglish();
    const auto pages = history::ConsumptionReport({}).layOut();
    EXPECT_EQ(pages[0].bandsOf(BandKind::PageHeader).front()->texts(),
              (QStringList{"Wines drunk inventory", "Colour", "Region", "Appellation", "Vintage",
                           "Qty", "Date drunk", "Bottle", "Price", "Rating"}));
}

} // namespace
