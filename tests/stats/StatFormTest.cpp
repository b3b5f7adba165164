// The statistics window: its list and pie follow the view chosen, it prints the view shown,
// speaks English, and the cellar book opens it.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "StatsTest.h"
#include "cellar/Ulivre.h"
#include "stats/Ustat.h"
#include "ui/Cp1252.h"
#include "ui/PieChart.h"
#include "ui/Report.h"

using namespace testsupport;
using stats::View;

static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

class StatFormTest : public StatsTest {
protected:
    static QStringList Shown(TStatForm& form) {
        auto* list = form.findChild<QTableView*>("Liste_stat");
        QStringList rows;
        for (int r = 0; r < list->model()->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < 4; ++c)
                cells << list->model()->index(r, c).data().toString();
            rows << cells.join("|");
        }
        return rows;
    }
    static QString Heading(TStatForm& form, int column) {
        return form.findChild<QTableView*>("Liste_stat")
            ->model()
            ->headerData(column, Qt::Horizontal)
            .toString();
    }
    static QStringList Labels(const ui::PieChart& chart) {
        QStringList labels;
        for (const auto& s : chart.slices)
            labels << s.label + " " + QString::number(s.value);
        return labels;
    }
    static const ui::PieChart& Pie(TStatForm& form) {
        return form.findChild<ui::PieChartView*>("Fromage")->chart();
    }
};

TEST_F(StatFormTest, TheViewChosenFillsTheListAndThePie) {
    WriteCellar({Wine("Rouge", "Bordeaux", " 6", "   10.00"),
                 Wine("Rouge", "Bordeaux", "12", "    5.50"),
                 Wine("Rosé", "Provence", " 2", "    8.00")});
    TStatForm form;
    EXPECT_EQ(form.windowTitle(), "Statistiques sur le contenu de la cave");
    EXPECT_EQ(Shown(form),
              (QStringList{"Rouge|  18|   2|   126.00", "   Bordeaux|  18|   2|   126.00",
                           "Rosé|   2|   1|    16.00", "   Provence|   2|   1|    16.00",
                           "|-------|-------|------------", "Total|  20|   3|   142.00"}));
    EXPECT_EQ(Heading(form, 0), "Couleur");
    EXPECT_EQ(Pie(form).title, "Statistiques par couleur");
    EXPECT_EQ(Labels(Pie(form)), (QStringList{"Rouge 18", "Rosé 2"}));
    EXPECT_EQ(form.findChild<QTableView*>("Liste_stat")
                  ->model()
                  ->index(1, 1)
                  .data(Qt::TextAlignmentRole)
                  .toInt(),
              int(Qt::AlignRight | Qt::AlignVCenter));

    form.findChild<QRadioButton*>("byRegion")->click();
    EXPECT_EQ(Heading(form, 0), "Région");
    EXPECT_EQ(Pie(form).title, "Statistiques par région");
    EXPECT_EQ(Labels(Pie(form)), (QStringList{"Bordeaux 18", "Provence 2"}));
    EXPECT_EQ(Shown(form).first(), "Bordeaux|  18|   2|   126.00");

    // The file is read again at each click.
    WriteCellar({});
    form.findChild<QRadioButton*>("byColour")->click();
    EXPECT_EQ(Shown(form),
              (QStringList{"|-------|-------|------------", "Total|   0|   0|     0.00"}));
    EXPECT_TRUE(Pie(form).slices.empty());
}

// Enter in the choice of view leaves the window open on the view chosen.
TEST_F(StatFormTest, EnterInTheChoiceOfViewKeepsTheWindowOpen) {
    WriteCellar({Wine("Rouge", "Bordeaux", " 6", "   10.00")});
    TStatForm form;
    form.show();
    auto* byRegion = form.findChild<QRadioButton*>("byRegion");
    byRegion->click();
    byRegion->setFocus();
    QTest::keyClick(byRegion, Qt::Key_Return);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(byRegion->isChecked());
}

TEST_F(StatFormTest, PrintsTheViewShown) {
    WriteCellar({Wine("Rouge", "Bordeaux", " 6")});
    TStatForm form;
    form.findChild<QRadioButton*>("byRegion")->click();
    ui::testing::ReportCapture capture;
    form.findChild<QPushButton*>("BitBtn4")->click();
    ASSERT_EQ(capture.outputs().size(), 1u);
    const QStringList texts = capture.outputs()[0].pages[0].texts();
    EXPECT_TRUE(texts.contains("Bordeaux"));
    EXPECT_TRUE(texts.contains("Rouge"));
}

TEST_F(StatFormTest, SpeaksEnglish) {
    // An open window takes the new language at once.
    TStatForm open;
    loadEnglish();
    EXPECT_EQ(open.windowTitle(), "Statistics of the cellar");
    EXPECT_EQ(Pie(open).title, "Statistics per colour");
    EXPECT_EQ(Heading(open, 0), "Colour");

    store::LoadVocabulary(store::DataLanguage::English);
    WriteCellar({Wine("Red", "Other", " 6")});
    TStatForm form;
    EXPECT_EQ(Shown(form).mid(0, 2),
              (QStringList{"Red|   6|   1|    60.00", "   Other|   6|   1|    60.00"}));
    EXPECT_EQ(Heading(form, 1), "Btls");
    form.findChild<QRadioButton*>("byRegion")->click();
    EXPECT_EQ(Pie(form).title, "Statistics per country");
    EXPECT_EQ(Heading(form, 0), "Country");
    EXPECT_EQ(Shown(form),
              (QStringList{"|-------|-------|------------", "Total|   0|   0|     0.00"}));
}

TEST_F(StatFormTest, TheCellarBookOpensIt) {
    WriteCellar({Wine("Rouge", "Bordeaux", " 6")});
    TLivre livre;
    QStringList seen;
    recorder->queueModal([&](QDialog& dialog) {
        auto* form = qobject_cast<TStatForm*>(&dialog);
        if (form) seen = Shown(*form);
        return int(QDialog::Accepted);
    });
    livre.findChild<QPushButton*>("BitBtn7")->click();
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.first(), "Rouge|   6|   1|    60.00");
}

} // namespace
