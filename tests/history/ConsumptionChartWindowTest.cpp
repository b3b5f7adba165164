// The consumption chart opened from the consumed wines window: the period typed there
// applies, a wrong date stops it with its message; the chart and its page in both languages.
#include <gtest/gtest.h>

#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedBarSeries>

#include "history/HistoryWindowTest.h"
#include "history/Uconso.h"
#include "history/Uconsochart.h"
#include "ui/Report.h"

namespace {

class ConsumptionChartWindowTest : public testsupport::HistoryWindowTest {
protected:
    void SetUp() override {
        HistoryWindowTest::SetUp();
        for (const auto& [colour, date] : std::vector<std::pair<std::string, std::string>>{
                 {"Rouge", "10/01/2025"}, {"Blanc", "15/03/2026"}, {"Rouge", "20/03/2026"}, {"Rouge", "01/06/2026"}})
            store::InsertConsumedWine(store::PaddedConsumedWine(Entry(colour, "Pauillac", date)));
    }

    static QStringList Sets(TConsommation& window) {
        QStringList sets;
        auto* view = window.findChild<QChartView*>("Graphique");
        for (QBarSet* set : static_cast<QStackedBarSeries*>(view->chart()->series().at(0))->barSets()) {
            QStringList values;
            for (int i = 0; i < set->count(); ++i) values << QString::number(set->at(i));
            sets << set->label() + ":" + values.join(",");
        }
        return sets;
    }
};

TEST_F(ConsumptionChartWindowTest, ThePeriodOfTheConsumedWinesWindowApplies) {
    TConsovin consovin;
    consovin.findChild<QLineEdit*>("Date_deb")->setText("01/03/2026");
    consovin.findChild<QLineEdit*>("date_fin")->setText("31/05/2026");
    QStringList seen;
    QString period;
    recorder->queueModal([&](QDialog& dialog) {
        auto& window = dynamic_cast<TConsommation&>(dialog);
        seen = Sets(window);
        period = window.findChild<QLabel*>("periode")->text();
        EXPECT_TRUE(window.chart().monthly);
        return 1;
    });
    consovin.findChild<QPushButton*>("BitBtn6")->click();
    EXPECT_EQ(seen, (QStringList{"Blanc:1", "Rouge:1"})); // March 2026 alone
    EXPECT_EQ(period, "Du 01/03/2026 au 31/05/2026");

    consovin.findChild<QLineEdit*>("date_fin")->setText("31/02/2026");
    consovin.findChild<QPushButton*>("BitBtn6")->click();
    EXPECT_EQ(recorder->boxesOf(ui::testing::BoxKind::Modal).size(), 1u); // no second window
    ASSERT_EQ(recorder->boxesOf(ui::testing::BoxKind::Warning).size(), 1u);
    EXPECT_EQ(recorder->boxesOf(ui::testing::BoxKind::Warning)[0].number, 20);
}

TEST_F(ConsumptionChartWindowTest, TheWholeHistoryInEnglishAndOnPaper) {
    loadEnglish();
    TConsommation window(nullptr, "", "");
    EXPECT_EQ(window.windowTitle(), "Consumption");
    EXPECT_EQ(window.findChild<QLabel*>("periode")->text(), "The whole history");
    // January 2025 to June 2026: less than two years, so months, the empty ones included.
    EXPECT_EQ(window.chart().periods.size(), 18u);
    EXPECT_EQ(Sets(window)[1], "Rouge:1,0,0,0,0,0,0,0,0,0,0,0,0,0,1,0,0,1");
    ui::testing::ReportCapture capture;
    window.findChild<QPushButton*>("BitBtn4")->click();
    ASSERT_EQ(capture.outputs().size(), 1u);
    const QString text = capture.outputs()[0].pages.at(0).texts().join("|");
    for (const char* expected : {"Consumption", "The whole history", "Colours", "Rouge", "3 bottles", "03/2026",
                                 "2 bottles, 20.00"})
        EXPECT_TRUE(text.contains(expected)) << expected << " in " << text.toStdString();
}

} // namespace
