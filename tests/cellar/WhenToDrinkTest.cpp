// The when-to-drink window: its bars from the cellar, a click listing a bar's wines, the zoom
// opened from the list and the chart that follows what the zoom changed; its printed page.
#include <gtest/gtest.h>

#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTableView>

#include "cellar/CellarWindowTest.h"
#include "cellar/ColourCharts.h"
#include "cellar/Uboire.h"
#include "cellar/Uzoom.h"
#include "stats/StatChart.h"
#include "ui/Report.h"

namespace {

class WhenToDrinkTest : public testsupport::CellarWindowTest {
protected:
    void SetUp() override {
        CellarWindowTest::SetUp();
        store::State().yearOverride = 2026;
        store::InsertCellarWine(Peak(Wine("Rouge", "Bordeaux", "Pauillac", "2015", " 6"), "2030"));
        store::InsertCellarWine(Peak(Wine("Blanc", "Bordeaux", "Graves", "2018", " 2"), "2020"));
        store::InsertCellarWine(Wine("Blanc", "Alsace", "Riesling", "2022", " 3")); // no peak year
    }

    static store::CellarWine Peak(store::CellarWine wine, const std::string& year) {
        wine.peakYear = year;
        return wine;
    }

    static QStackedBarSeries* Bars(TQuandBoire& window) {
        auto* view = window.findChild<QChartView*>("Graphique");
        return static_cast<QStackedBarSeries*>(view->chart()->series().at(0));
    }

    static QStringList Column(TQuandBoire& window, int column) {
        QStringList texts;
        auto* model = window.findChild<QTableView*>("Liste_vins")->model();
        for (int row = 0; row < model->rowCount(); ++row) texts << model->index(row, column).data().toString();
        return texts;
    }

    // What each colour's bar set holds, bar after bar.
    static QStringList Sets(TQuandBoire& window) {
        QStringList sets;
        for (QBarSet* set : Bars(window)->barSets()) {
            QStringList values;
            for (int i = 0; i < set->count(); ++i) values << QString::number(set->at(i));
            sets << set->label() + ":" + values.join(",");
        }
        return sets;
    }
};

TEST_F(WhenToDrinkTest, ABarClickedListsItsWinesAndTheZoomsChangesShowOnReturn) {
    store::State().filter.colour = "Rouge"; // as the cellar book left it
    TQuandBoire window;
    auto* bars = window.findChild<QComboBox*>("Liste_barre");
    ASSERT_EQ(bars->count(), 7); // past, 2026 to 2030, no peak year
    EXPECT_EQ(bars->itemText(0), "Passé : 2 bouteilles");
    EXPECT_EQ(bars->itemText(1), QString::fromUtf8("2026 \u25C4 : 0 bouteilles"));
    EXPECT_EQ(bars->itemText(6), "Sans apogée : 3 bouteilles");
    EXPECT_EQ(Sets(window), (QStringList{"Blanc:2,0,0,0,0,0,3", "Rouge:0,0,0,0,0,6,0"}));
    EXPECT_EQ(window.shownBar(), 1); // the current year first

    QStackedBarSeries* series = Bars(window);
    emit series->clicked(5, series->barSets().at(1));
    EXPECT_EQ(window.shownBar(), 5);
    EXPECT_EQ(Column(window, 1), QStringList{"Pauillac"});
    EXPECT_EQ(Column(window, 4), QStringList{"2030"});
    EXPECT_EQ(window.segmentTip(1, 5), "Rouge, 2030 : 6 bouteilles");

    // The zoom brings the peak year forward to this year.
    recorder->queueModal([](QDialog& dialog) {
        auto& zoom = dynamic_cast<TZoomForm&>(dialog);
        EXPECT_EQ(store::RightTrim(zoom.loadedWine().appellation), "Pauillac");
        zoom.findChild<QLineEdit*>("apogee")->setText("2026");
        zoom.BitBtn1Click();
        return 1;
    });
    window.openWine(0);
    EXPECT_TRUE(recorder->boxesOf(ui::testing::BoxKind::Warning).empty());
    // The 2030 bar is gone with its only wine; the list shows the current year, which holds it.
    EXPECT_EQ(bars->count(), 3);
    EXPECT_EQ(window.shownBar(), 1);
    EXPECT_EQ(Column(window, 4), QStringList{"2026"});
    EXPECT_EQ(Sets(window), (QStringList{"Blanc:2,0,3", "Rouge:0,6,0"}));
    EXPECT_EQ(store::State().filter.colour, "Rouge");

    window.openWine(-1);
    ASSERT_EQ(recorder->boxesOf(ui::testing::BoxKind::Warning).size(), 1u);
    EXPECT_EQ(recorder->boxesOf(ui::testing::BoxKind::Warning)[0].number, 17);
}

TEST_F(WhenToDrinkTest, TheBarsAndTipsSpeakEnglishAndTheSetsWearTheWinesColours) {
    loadEnglish();
    TQuandBoire window;
    auto* bars = window.findChild<QComboBox*>("Liste_barre");
    EXPECT_EQ(bars->itemText(0), "Past: 2 bottles");
    EXPECT_EQ(bars->itemText(6), "No peak year: 3 bottles");
    EXPECT_EQ(window.segmentTip(0, 6), "Blanc, No peak year: 3 bottles");
    EXPECT_EQ(window.windowTitle(), "When to drink");
    const QList<QBarSet*> sets = Bars(window)->barSets();
    EXPECT_EQ(sets.at(0)->color(), stats::ToQColor(stats::ToneColour(stats::WineTone::White)));
    EXPECT_EQ(sets.at(1)->color(), stats::ToQColor(stats::ToneColour(stats::WineTone::Red)));
}

TEST_F(WhenToDrinkTest, ThePrintedPageHasItsHeaderLegendAndTheChartInItsColours) {
    ui::testing::ReportCapture capture;
    TQuandBoire window;
    window.findChild<QPushButton*>("BitBtn4")->click();
    ASSERT_EQ(capture.outputs().size(), 1u);
    const auto& pages = capture.outputs()[0].pages;
    ASSERT_EQ(pages.size(), 1u);
    const QString text = pages[0].texts().join("|");
    for (const char* expected : {"Quand boire ?", "Bouteilles de la cave par année d'apogée", "Couleurs",
                                 "Blanc", "5 bouteilles", "Rouge", "6 bouteilles", "Passé", "Sans apogée"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << " in " << text.toStdString();

    // The chart the page paints is the window's, in the wine red of the red wines.
    QImage image(800, 500, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        cellar::RenderChart(painter, QRectF(0, 0, 800, 500),
                            [&window] { return cellar::MakeWhenToDrinkChart(window.chart()); });
    }
    const QColor red = stats::ToQColor(stats::ToneColour(stats::WineTone::Red));
    int reds = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) reds += image.pixelColor(x, y) == red;
    EXPECT_GT(reds, 100);
}

} // namespace
