// The printed statistics: the same lines as the window, groups in bold and sub lines
// indented, the total, the page header, and the pie under the total.
#include <gtest/gtest.h>

#include <algorithm>

#include "StatsTest.h"
#include "stats/StatReport.h"
#include "ui/Cp1252.h"

using namespace testsupport;
using stats::View;
using ui::BandKind;

static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

class StatReportTest : public StatsTest {
protected:
    // Each detail line as "name|bottles|wines|amount", with "*" before a bold name and ">"
    // before an indented one.
    static QStringList Lines(const std::vector<ui::ReportPage>& pages,
                             std::vector<BandKind> kinds) {
        QStringList lines;
        for (const auto& page : pages)
            for (const auto& placed : page.bands) {
                if (std::find(kinds.begin(), kinds.end(), placed.band.kind) == kinds.end())
                    continue;
                if (placed.band.texts().isEmpty()) continue;
                const ui::ReportItem* name = nullptr;
                for (const auto& item : placed.band.items)
                    if (item.kind == ui::ReportItem::Kind::Text) {
                        name = &item;
                        break;
                    }
                const QString mark = name->font.bold ? "*" : name->rect.left() > 0 ? ">" : "";
                lines << mark + placed.band.texts().join("|");
            }
        return lines;
    }

    static QStringList WindowLines(const stats::Statistics& s) {
        QStringList lines;
        for (const auto& row : s.rows) {
            if (row.kind != stats::Row::Kind::Group && row.kind != stats::Row::Kind::Sub) continue;
            const QString mark = row.kind == stats::Row::Kind::Group ? "*" : ">";
            lines << mark + QStringList{ui::ToQString(store::Trim(row.name)),
                                        ui::ToQString(store::Trim(row.bottlesText())),
                                        ui::ToQString(store::Trim(row.winesText())),
                                        ui::ToQString(store::Trim(row.amountText()))}
                                .join("|");
        }
        return lines;
    }
};

TEST_F(StatReportTest, TheReportListsTheWindowsRows) {
    // Forty regions of two colours, and an "Autre" that only the colour view lists: two pages.
    const auto& regions = store::State().lists.regions.entries;
    std::vector<store::CellarWine> wines;
    for (int i = 0; i < 82; ++i)
        wines.push_back(Wine(i < 41 ? "Rouge" : "Blanc",
                             i % 41 == 40 ? "Autre" : Utf8(store::RightTrim(regions[i % 41])),
                             std::to_string(1 + i % 7)));
    WriteCellar(wines);
    for (View view : {View::ByColour, View::ByRegion}) {
        const stats::Statistics s = stats::Compute(view);
        const auto pages = stats::StatReport(s, view).layOut();
        ASSERT_GE(pages.size(), 2u);
        EXPECT_EQ(Lines(pages, {BandKind::Group, BandKind::Detail}), WindowLines(s));
        for (const auto& page : pages)
            EXPECT_NE(page.bands[page.bands.size() - 2].band.kind, BandKind::Group)
                << "a group alone at the foot of page " << page.number;
        const QString total =
            "*" + QStringList{"Total :", QString::number(s.total.bottles),
                              QString::number(s.total.wines),
                              ui::ToQString(store::Trim(stats::AmountText(s.total.amount)))}
                      .join("|");
        EXPECT_EQ(Lines(pages, {BandKind::Summary}), QStringList{total});
        // The pie stands after the total, with the window's slices.
        std::vector<const ui::ReportBand*> summaries;
        for (const auto& page : pages)
            for (const auto* band : page.bandsOf(BandKind::Summary))
                summaries.push_back(band);
        ASSERT_EQ(summaries.size(), 2u);
        const auto& pie = summaries.back()->items.front();
        ASSERT_EQ(pie.kind, ui::ReportItem::Kind::Pie);
        EXPECT_EQ(pie.chart->slices.size(), s.slices.size());
    }
}

TEST_F(StatReportTest, WithoutACellarTheReportPrintsItsHeaderAndZeros) {
    const auto pages = stats::StatReport(stats::Compute(View::ByColour), View::ByColour).layOut();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].bandsOf(BandKind::PageHeader).front()->texts(),
              (QStringList{"Statistiques Livre de Cave", "Bouteilles", "Vins", "Valeur"}));
    EXPECT_TRUE(Lines(pages, {BandKind::Group, BandKind::Detail}).isEmpty());
    EXPECT_EQ(Lines(pages, {BandKind::Summary}), QStringList{"*Total :|0|0|0.00"});
}

TEST_F(StatReportTest, EnglishHeadings) {
    loadEnglish();
    const auto pages = stats::StatReport(stats::Compute(View::ByColour), View::ByColour).layOut();
    EXPECT_EQ(pages[0].bandsOf(BandKind::PageHeader).front()->texts(),
              (QStringList{"Cellar Book Statistics", "Bottles", "Wines", "Value"}));
}

TEST_F(StatReportTest, PrintsToAPdfWithThePie) {
    WriteCellar({Wine("Rouge", "Bordeaux", "12"), Wine("Blanc", "Alsace", " 6")});
    const std::string pdf = dataDir + "/stats.pdf";
    ASSERT_TRUE(
        ui::WriteReportPdf(stats::StatReport(stats::Compute(View::ByColour), View::ByColour),
                           QString::fromStdString(pdf)));
    EXPECT_GT(ReadFileBytes(pdf).size(), 1000u);
}

} // namespace
