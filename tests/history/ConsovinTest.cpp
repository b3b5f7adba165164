// The consumed wines window: its criteria and the rows they leave, the period checks, the
// edit and drunk-elsewhere windows it opens and the row it selects afterwards.
#include <gtest/gtest.h>

#include <cstdio>

#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "history/HistoryWindowTest.h"
#include "history/Uconso.h"
#include "history/Uresto.h"
#include "history/Uzoomconso.h"
#include "ui/Cp1252.h"

using namespace testsupport;

namespace {

class ConsovinTest : public HistoryWindowTest {
protected:
    void SetUp() override {
        HistoryWindowTest::SetUp();
        store::ConsumedWine undated = Entry("Rouge", "Pauillac", "");
        undated.guests = store::PadText("Martin", 30);
        store::ConsumedWine first = Entry("Rouge", "Pauillac", "01/01/2000");
        first.guests = store::PadText("Dupont et Durand", 30);
        store::ConsumedWine white = Entry("Blanc", "Graves", "15/01/2000");
        white.comments = store::PadText(store::Cp1252("ÉTÉ CHAUD"), 50);
        store::ConsumedWine rose =
            Entry(store::Cp1252("Rosé"), store::Cp1252("Côtes de Provence"), "31/01/2000");
        rose.region = store::PadText("Provence", 20);
        rose.guests = store::PadText(store::Cp1252("René"), 30);
        store::ConsumedWine february = Entry("Rouge", "Graves", "01/02/2000", "1995");
        WriteHistory({undated, first, white, rose, february});
    }

    QComboBox* Box(const char* name) { return window->findChild<QComboBox*>(name); }
    QLineEdit* Edit(const char* name) { return window->findChild<QLineEdit*>(name); }
    QTableView* List() { return window->findChild<QTableView*>("Liste_vins"); }

    // The rows as "appellation date", in list order.
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        const QAbstractItemModel* model = List()->model();
        for (int r = 0; r < model->rowCount(); ++r)
            rows.push_back(
                (model->index(r, 1).data().toString() + " " + model->index(r, 3).data().toString())
                    .trimmed()
                    .toStdString());
        return rows;
    }

    void SetDate(const char* name, const QString& date) {
        Edit(name)->setText(date);
        Leave(Edit(name));
    }

    std::unique_ptr<TConsovin> window;
};

TEST_F(ConsovinTest, EachCriterionNarrowsTheHistory) {
    const std::string rose = store::Cp1252("Côtes de Provence 31/01/2000");
    struct Case {
        const char* colour;
        const char* appellation;
        const char* from;
        const char* to;
        const char* search;
        std::vector<std::string> rows;
    } cases[] = {
        // clang-format off
        {"[Toutes]", "[Toutes]", "", "", "",
         {"Pauillac", "Pauillac 01/01/2000", "Graves 15/01/2000", rose, "Graves 01/02/2000"}},
        {"Rouge", "[Toutes]", "", "", "", {"Pauillac", "Pauillac 01/01/2000", "Graves 01/02/2000"}},
        {"Rosé", "[Toutes]", "", "", "", {rose}},
        {"[Toutes]", "Graves", "", "", "", {"Graves 15/01/2000", "Graves 01/02/2000"}},
        {"Rouge", "Graves", "", "", "", {"Graves 01/02/2000"}},
        {"[Toutes]", "Riesling", "", "", "", {}},
        // Both bounds count; an entry without a date fails a start and passes an end.
        {"[Toutes]", "[Toutes]", "01/01/2000", "31/01/2000", "", {"Pauillac 01/01/2000", "Graves 15/01/2000", rose}},
        {"[Toutes]", "[Toutes]", "15/01/2000", "", "", {"Graves 15/01/2000", rose, "Graves 01/02/2000"}},
        {"[Toutes]", "[Toutes]", "", "15/01/2000", "", {"Pauillac", "Pauillac 01/01/2000", "Graves 15/01/2000"}},
        {"[Toutes]", "[Toutes]", "01/02/2000", "01/01/2000", "", {}},
        // Guests, comments, domaine, owner, vintage and region are searched, upper case
        // for a-z only; the appellation is not.
        {"[Toutes]", "[Toutes]", "", "", "dupont", {"Pauillac 01/01/2000"}},
        {"[Toutes]", "[Toutes]", "", "", "1995", {"Graves 01/02/2000"}},
        {"[Toutes]", "[Toutes]", "", "", "provence", {rose}},
        {"[Toutes]", "[Toutes]", "", "", "Pauillac", {}},
        {"[Toutes]", "[Toutes]", "", "", "é", {rose}},
        {"Rouge", "Pauillac", "", "31/12/1999", "martin", {"Pauillac"}},
        // clang-format on
    };
    window = std::make_unique<TConsovin>();
    for (const auto& c : cases) {
        window->BitBtn2Click();
        Choose(Box("Liste_coul"), QString::fromUtf8(c.colour));
        Choose(Box("Liste_appellation"), QString::fromUtf8(c.appellation));
        SetDate("Date_deb", QString::fromLatin1(c.from));
        SetDate("date_fin", QString::fromLatin1(c.to));
        Edit("Recherche")->setText(QString::fromUtf8(c.search));
        std::vector<std::string> expected;
        for (const auto& row : c.rows)
            expected.push_back(ui::ToQString(row).toStdString());
        EXPECT_EQ(Rows(), expected)
            << c.colour << " " << c.appellation << " " << c.from << "-" << c.to << " " << c.search;
    }
    EXPECT_TRUE(WarningNumbers().empty());
    // The shared filter describes the rows on show, for the edit window and the report.
    const store::RecordFilter& filter = store::State().filter;
    EXPECT_EQ(filter.colour, "Rouge");
    EXPECT_EQ(filter.second, "Pauillac");
    EXPECT_EQ(filter.dateFrom, "");
    EXPECT_EQ(filter.dateTo, "31/12/1999");
    EXPECT_EQ(filter.search, "martin");
}

TEST_F(ConsovinTest, AWrongPeriodDateLeavesRowsAndFilterAsTheyWere) {
    window = std::make_unique<TConsovin>();
    SetDate("Date_deb", "01/01/2000");
    const auto rows = Rows();
    ASSERT_EQ(rows.size(), 4u);
    struct Case {
        const char* from;
        const char* to;
        std::vector<int> messages;
    } cases[] = {
        {"31/02/2000", "", {19}},
        {"01/01/2000", "12/05/20", {20}}, // partly typed
        {"12/0", "31/02/2000", {19}},     // the end is not looked at once the start fails
    };
    for (const auto& c : cases) {
        Edit("Date_deb")->setText(QString::fromLatin1(c.from));
        Edit("date_fin")->setText(QString::fromLatin1(c.to));
        recorder->clear();
        Leave(Edit("date_fin"));
        EXPECT_EQ(WarningNumbers(), c.messages) << c.from << " " << c.to;
        EXPECT_EQ(Rows(), rows);
        EXPECT_EQ(store::State().filter.dateFrom, "01/01/2000");
        EXPECT_EQ(store::State().filter.dateTo, "");
    }
    // Another criterion changed meanwhile is not applied either, until the dates are right.
    recorder->clear();
    Choose(Box("Liste_coul"), "Blanc");
    EXPECT_EQ(WarningNumbers(), std::vector<int>{19});
    EXPECT_EQ(Rows(), rows);
    SetDate("Date_deb", "");
    SetDate("date_fin", "");
    EXPECT_EQ(Rows(), std::vector<std::string>{"Graves 15/01/2000"});
}

TEST_F(ConsovinTest, SearchAppliesAtEachKeyDatesWhenTheBoxIsLeftAndResetClearsAll) {
    window = std::make_unique<TConsovin>();
    QTest::keyClicks(Edit("Recherche"), "du");
    EXPECT_EQ(Rows(), std::vector<std::string>{"Pauillac 01/01/2000"});
    QTest::keyClick(Edit("Recherche"), Qt::Key_Backspace);
    EXPECT_EQ(Rows().size(), 4u); // "d": the Bordeaux region, the guests, CHAUD
    Edit("Recherche")->clear();

    Edit("date_fin")->setText("31/12/1999");
    EXPECT_EQ(Rows().size(), 5u);
    QTest::keyClick(Edit("date_fin"), Qt::Key_Return);
    EXPECT_EQ(Rows(), std::vector<std::string>{"Pauillac"});
    EXPECT_EQ(window->result(), 0) << "Enter in a criterion does not close the window";

    Choose(Box("Liste_coul"), "Rouge");
    Edit("Recherche")->setText("x");
    window->findChild<QPushButton*>("BitBtn2")->click();
    EXPECT_EQ(Rows().size(), 5u);
    EXPECT_EQ(Box("Liste_coul")->currentIndex(), 0);
    EXPECT_EQ(Edit("Recherche")->text(), "");
    EXPECT_EQ(Edit("date_fin")->displayText(), "  /  /    ");
}

TEST_F(ConsovinTest, AppellationsComeFromTheVintageChartSortedWithDuplicates) {
    window = std::make_unique<TConsovin>();
    QStringList items;
    for (int i = 0; i < Box("Liste_appellation")->count(); ++i)
        items << Box("Liste_appellation")->itemText(i);
    EXPECT_EQ(items, (QStringList{"[Toutes]", "Graves", "Graves", "Pauillac", "Riesling"}));
    EXPECT_EQ(Box("Liste_coul")->itemText(0), "[Toutes]");
    EXPECT_EQ(Box("Liste_coul")->itemText(3), QString::fromUtf8("Rosé"));

    std::remove("Annee.dat");
    std::remove("Stat.dat");
    window = std::make_unique<TConsovin>();
    EXPECT_EQ(Box("Liste_appellation")->count(), 1);
    EXPECT_EQ(List()->model()->rowCount(), 0);
    EXPECT_TRUE(WarningNumbers().empty());
}

TEST_F(ConsovinTest, ADamagedHistoryIsReportedWithoutDuplicatingAnEntry) {
    std::string bytes = ReadFileBytes("Stat.dat");
    bytes += CrLf({store::ConsumedWineLines(Entry("Blanc", "Riesling", "02/02/2000"))[0]});
    WriteFileBytes("Stat.dat", bytes);
    window = std::make_unique<TConsovin>();
    EXPECT_EQ(messages, std::vector<int>{2});
    EXPECT_EQ(Rows().size(), 5u);
    EXPECT_EQ(Rows().back(), "Graves 01/02/2000");
}

TEST_F(ConsovinTest, EditingNeedsARowAndReselectsItsPositionAfterwards) {
    window = std::make_unique<TConsovin>();
    window->BitBtn5Click();
    EXPECT_EQ(WarningNumbers(), std::vector<int>{17});
    EXPECT_TRUE(recorder->boxesOf(ui::testing::BoxKind::Modal).empty());

    // The edit window sees the filter and the position of the row among the rows shown.
    Choose(Box("Liste_appellation"), "Graves");
    List()->selectRow(1);
    recorder->queueModal([](QDialog& dialog) {
        auto& form = static_cast<TZoomConsoForm&>(dialog);
        EXPECT_EQ(history::State().selectedPosition, 1);
        EXPECT_EQ(form.currentEntry().drinkDate, "01/02/2000");
        form.findChild<QLineEdit*>("invites")->setText("Les voisins");
        form.BitBtn1Click();
        return form.result();
    });
    window->BitBtn5Click();
    EXPECT_EQ(recorder->boxesOf(ui::testing::BoxKind::Modal).back().text, "TZoomConsoForm");
    EXPECT_EQ(window->selectedRow(), 1);
    EXPECT_EQ(store::RightTrim(History()[4].guests), "Les voisins");

    // Deleting the last row leaves the list one row shorter and nothing selected.
    recorder->queueModal([](QDialog& dialog) {
        static_cast<TZoomConsoForm&>(dialog).BitBtn5Click();
        return dialog.result();
    });
    window->BitBtn5Click();
    EXPECT_EQ(Rows(), std::vector<std::string>{"Graves 15/01/2000"});
    EXPECT_EQ(window->selectedRow(), -1);
    EXPECT_EQ(History().size(), 4u);
}

TEST_F(ConsovinTest, AWineDrunkElsewhereJoinsTheList) {
    window = std::make_unique<TConsovin>();
    recorder->queueModal([this](QDialog& dialog) {
        Choose(dialog.findChild<QComboBox*>("Liste_appel"), "Riesling");
        dialog.findChild<QLineEdit*>("qte_conso")->setText("1");
        dialog.findChild<QLineEdit*>("date_conso")->setText("20/01/2000");
        static_cast<TRestoForm&>(dialog).BitBtn1Click();
        return dialog.result();
    });
    window->BitBtn3Click();
    EXPECT_EQ(recorder->boxesOf(ui::testing::BoxKind::Modal).back().text, "TRestoForm");
    EXPECT_EQ(Rows()[3], "Riesling 20/01/2000");
}

TEST_F(ConsovinTest, EachWindowOpensItsHelpTopic) {
    window = std::make_unique<TConsovin>();
    TZoomConsoForm zoom;
    TRestoForm resto;
    window->findChild<QPushButton*>("BitBtn8")->click();
    zoom.findChild<QPushButton*>("BitBtn3")->click();
    resto.findChild<QPushButton*>("BitBtn3")->click();
    std::vector<int> topics;
    for (const auto& box : recorder->boxesOf(ui::testing::BoxKind::Help))
        topics.push_back(box.number);
    EXPECT_EQ(topics, (std::vector<int>{24, 25, 26}));
}

TEST_F(ConsovinTest, TextsAreEnglishWithTheEnglishModule) {
    loadEnglish();
    window = std::make_unique<TConsovin>();
    EXPECT_EQ(window->windowTitle(), "Wines drunk");
    EXPECT_EQ(List()->model()->headerData(3, Qt::Horizontal).toString(), "Drunk on");
    EXPECT_EQ(window->findChild<QPushButton*>("BitBtn2")->text(), "&Reset");
    TZoomConsoForm zoom;
    EXPECT_EQ(zoom.windowTitle(), "Characteristics of a wine drunk");
    TRestoForm resto;
    EXPECT_EQ(resto.windowTitle(), "Wine drunk elsewhere");
    EXPECT_EQ(resto.findChild<QPushButton*>("BitBtn2")->text(), "&Cancel");
}

} // namespace
