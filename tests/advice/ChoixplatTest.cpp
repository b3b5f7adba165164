// Food and wine pairing: the dish lists by course, the answer for a dish with its temperature,
// narrowed to the cellar, and the printed answer.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "advice/AdviceWindowTest.h"
#include "advice/Pairing.h"
#include "advice/PairingReport.h"
#include "advice/UChoixp.h"
#include "store/Records.h"
#include "ui/Cp1252.h"
#include "ui/Report.h"

using namespace testsupport;

static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class ChoixplatTest : public AdviceWindowTest {
protected:
    void SetUp() override {
        AdviceWindowTest::SetUp();
        WriteBase({Header("Alsace", "Blanc", "Riesling"),
                   store::Cp1252("   Temp =8 à 10 °C"),
                   "   Plats=",
                   Dish("Entrées", "Choucroute"),
                   Dish("Plats", "Choucroute"),
                   Dish("Dessert", "tarte aux pommes"),
                   Dish("Fromage", "Munster"),
                   Dish("Plats", "Choucroute"),
                   Header("Bordeaux", "Rouge", "Graves"),
                   "   Temp =16",
                   "   Plats=",
                   Dish("Plats", "Choucroute"),
                   Dish("Fromage", "Comté"),
                   Dish("Dessert", "Tarte aux Pommes"),
                   Header("Loire", "Blanc", "Vouvray"),
                   "   Temp =",
                   "   Plats=",
                   Dish("Dessert", "tarte aux pommes"),
                   Dish("Fromage", "chèvre"),
                   Dish("Fromage", "Comté"),
                   Dish("Apéro", "Olives"),
                   "      Fromage:",
                   Header("Bordeaux", "Liquoreux", "Sauternes"),
                   store::Cp1252("   Temp =6 à 8 °C"),
                   "   Dishes=",
                   Dish("Starter", "Foie gras"),
                   Dish("Cheeses", "Roquefort"),
                   Dish("Dessert", "tarte aux pommes"),
                   std::string(300, 'y'),
                   Header("Alsace", "Rouge", "Pinot Noir"),
                   Dish("Plats", "Choucroute"),
                   "[Jura"});
    }

    static QStringList Items(const QListWidget* list) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        return items;
    }

    static void Tick(TChoixplat& form, std::initializer_list<const char*> courses) {
        for (const char* name :
             {"select_entree", "select_plat", "select_fromage", "select_dessert"}) {
            bool on = false;
            for (const char* c : courses)
                on = on || QString::fromLatin1(c) == QString::fromLatin1(name);
            form.findChild<QCheckBox*>(name)->setChecked(on);
        }
    }

    static void ChooseDish(TChoixplat& form, const QString& dish) {
        auto* list = form.findChild<QListWidget*>("Liste_plats");
        const auto found = list->findItems(dish, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << dish.toStdString();
        list->setCurrentItem(found.first());
    }

    static void ClickCellar(TChoixplat& form, bool cellarOnly) {
        form.findChild<QWidget*>("select_cave")
            ->findChildren<QRadioButton*>()[cellarOnly ? 1 : 0]
            ->click();
    }

    static QString Temperature(TChoixplat& form) {
        return form.findChild<QLineEdit*>("temperature")->text();
    }
};

TEST_F(ChoixplatTest, DishListsByCourseInEitherLanguageEachNameOnce) {
    const advice::DishLists dishes = advice::BuildDishLists();
    EXPECT_EQ(dishes.lists[advice::Starters], (QStringList{"Choucroute", "Foie gras"}));
    EXPECT_EQ(dishes.lists[advice::MainCourses], QStringList{"Choucroute"});
    EXPECT_EQ(dishes.lists[advice::Cheeses],
              (QStringList{U("chèvre"), U("Comté"), "Munster", "Roquefort"}));
    EXPECT_EQ(dishes.lists[advice::Desserts],
              QStringList{"tarte aux pommes"}); // the form met first

    TChoixplat form;
    EXPECT_EQ(form.windowTitle(), "Mariage Mets / Vins");
    auto* list = form.findChild<QListWidget*>("Liste_plats");
    EXPECT_EQ(list->count(), 0); // nothing ticked at opening
    Tick(form, {"select_fromage"});
    EXPECT_EQ(Items(list), dishes.lists[advice::Cheeses]);
    Tick(form, {"select_entree", "select_plat"});
    EXPECT_EQ(Items(list), (QStringList{"Choucroute", "Choucroute", "Foie gras"}));
    Tick(form, {});
    EXPECT_EQ(list->count(), 0);
}

TEST_F(ChoixplatTest, AnswerByColourWithTheFirstWineMetsTemperature) {
    TChoixplat form;
    Tick(form, {"select_plat", "select_fromage", "select_dessert"});
    auto* wines = form.findChild<QTreeWidget*>("liste_vins");

    ChooseDish(form, "tarte aux pommes"); // not the block that writes it with capitals
    EXPECT_EQ(Rows(wines), (std::vector<QStringList>{{"Blanc", "Alsace", "Riesling"},
                                                     {"Blanc", "Loire", "Vouvray"},
                                                     {"Liquoreux", "Bordeaux", "Sauternes"}}));
    EXPECT_EQ(Temperature(form), U("8 à 10 °C"));

    ChooseDish(form, "Choucroute"); // named three times by Riesling: one row
    EXPECT_EQ(Rows(wines), (std::vector<QStringList>{{"Blanc", "Alsace", "Riesling"},
                                                     {"Rouge", "Bordeaux", "Graves"},
                                                     {"Rouge", "Alsace", "Pinot Noir"}}));

    // The first wine met comes second by colour: it is the one selected, beside its temperature.
    ChooseDish(form, U("Comté"));
    EXPECT_EQ(Rows(wines), (std::vector<QStringList>{{"Blanc", "Loire", "Vouvray"},
                                                     {"Rouge", "Bordeaux", "Graves"}}));
    EXPECT_EQ(Temperature(form), "16");
    EXPECT_EQ(wines->currentItem(), wines->topLevelItem(1));
    EXPECT_TRUE(wines->topLevelItem(1)->isSelected());

    const struct {
        const char* dish;
        int row;
        const char* temperature;
    } clicks[] = {
        {"Comté", 0, ""}, // an empty "Temp =" line
        {"Comté", 1, "16"},
        {"Choucroute", 2, ""}, // no "Temp =" line: not the block before's
        {"tarte aux pommes", 2, "6 à 8 °C"},
    };
    for (const auto& c : clicks) {
        ChooseDish(form, U(c.dish));
        wines->setCurrentItem(wines->topLevelItem(c.row));
        EXPECT_EQ(Temperature(form), U(c.temperature)) << c.dish << " " << c.row;
    }

    // A course unticked takes its dish and the answer away; one still listed keeps both.
    Tick(form, {"select_plat", "select_dessert"});
    EXPECT_EQ(form.findChild<QListWidget*>("Liste_plats")->currentItem()->text(),
              "tarte aux pommes");
    EXPECT_EQ(wines->topLevelItemCount(), 3);
    Tick(form, {"select_plat"});
    EXPECT_EQ(wines->topLevelItemCount(), 0);
    EXPECT_TRUE(Temperature(form).isEmpty());
}

TEST_F(ChoixplatTest, CellarWinesOnlyAsEachBlocksCellarLookUpSays) {
    WriteCellar({Wine("Blanc", "Alsace", "Riesling", "2010"),
                 Wine("Rouge", "Bordeaux", "Graves", "2000"),
                 Wine("Rouge", "Alsace", "pinot noir", "2012"), // case differs: not this block
                 Wine("Liquoreux", "Bordeaux", "Sauternes", "2001")});
    const advice::DishLists dishes = advice::BuildDishLists();
    for (const QStringList& list : dishes.lists)
        for (const QString& dish : list) {
            const std::string name = ui::StoredBytes(dish);
            std::vector<std::string> expected, got;
            const auto all = advice::WinesForDish(name);
            ASSERT_TRUE(all);
            for (const advice::PairedWine& w : *all)
                if (store::CellarHasWine(w.colour, w.region, w.appellation))
                    expected.push_back(w.appellation);
            for (const advice::PairedWine& w : advice::AnswerForDish(name, true).wines)
                got.push_back(w.appellation);
            EXPECT_EQ(got, expected) << name;
        }

    TChoixplat form;
    Tick(form, {"select_plat"});
    ClickCellar(form, true);
    ChooseDish(form, "Choucroute");
    auto* wines = form.findChild<QTreeWidget*>("liste_vins");
    EXPECT_EQ(Rows(wines), (std::vector<QStringList>{{"Blanc", "Alsace", "Riesling"},
                                                     {"Rouge", "Bordeaux", "Graves"}}));

    // The Riesling's wines leave the cellar: it leaves the answer at the next click.
    WriteCellar({Wine("Rouge", "Bordeaux", "Graves", "2000")});
    ClickCellar(form, true);
    EXPECT_EQ(Rows(wines), (std::vector<QStringList>{{"Rouge", "Bordeaux", "Graves"}}));
    EXPECT_EQ(Temperature(form), "16");
    store::DeleteFileIfPresent("Cave.dat");
    ClickCellar(form, true);
    EXPECT_EQ(wines->topLevelItemCount(), 0);
    EXPECT_TRUE(Temperature(form).isEmpty());
    ClickCellar(form, false);
    EXPECT_EQ(wines->topLevelItemCount(), 3);
}

TEST_F(ChoixplatTest, PrintedAnswerIsEveryBlockInFileOrder) {
    TChoixplat form;
    form.BitBtn2Click();
    ASSERT_EQ(recorder->boxesOf(ui::testing::BoxKind::Warning).size(), 1u);
    EXPECT_EQ(recorder->boxesOf(ui::testing::BoxKind::Warning)[0].number, 18);

    WriteCellar({Wine("Blanc", "Loire", "Vouvray", "2010")});
    Tick(form, {"select_dessert"});
    ClickCellar(form, true);
    ChooseDish(form, "tarte aux pommes");
    ASSERT_EQ(form.findChild<QTreeWidget*>("liste_vins")->topLevelItemCount(), 1);
    ui::State().preview = true;
    ui::testing::ReportCapture capture;
    form.findChild<QPushButton*>("BitBtn2")->click();
    ASSERT_EQ(capture.outputs().size(), 1u);
    const auto& output = capture.outputs()[0];
    EXPECT_TRUE(output.preview);
    EXPECT_EQ(output.report.title, "Association Mets/Vins");
    ASSERT_EQ(output.pages.size(), 1u);
    EXPECT_EQ(output.pages[0].bandsOf(ui::BandKind::PageHeader).front()->texts(),
              QStringList{"Plat : tarte aux pommes"});
    std::vector<QStringList> rows;
    for (const ui::ReportBand* band : output.pages[0].bandsOf(ui::BandKind::Detail)) {
        rows.push_back(band->texts());
        EXPECT_TRUE(band->items.back().font.italic);
        EXPECT_FALSE(band->items.front().font.italic);
    }
    EXPECT_EQ(rows,
              (std::vector<QStringList>{{"Blanc", "Alsace", "Riesling", U("8 à 10 °C")},
                                        {"Blanc", "Loire", "Vouvray", ""},
                                        {"Liquoreux", "Bordeaux", "Sauternes", U("6 à 8 °C")}}));
}

TEST_F(ChoixplatTest, WithoutABaseEverythingStaysEmpty) {
    store::DeleteFileIfPresent("Vins.dat");
    TChoixplat form;
    Tick(form, {"select_entree", "select_plat", "select_fromage", "select_dessert"});
    EXPECT_EQ(form.findChild<QListWidget*>("Liste_plats")->count(), 0);
    ui::testing::ReportCapture capture;
    form.BitBtn2Click();
    EXPECT_TRUE(capture.outputs().empty());
    EXPECT_EQ(advice::WinesForDish("Choucroute"), std::nullopt);
    EXPECT_FALSE(advice::AnswerForDish("Choucroute", true).baseOpened);
    EXPECT_TRUE(advice::BlockTemperature("Rouge", "Bordeaux", "Graves").empty());
}

TEST_F(ChoixplatTest, EnglishTexts) {
    loadEnglish();
    TChoixplat form;
    EXPECT_EQ(form.windowTitle(), "Food and wine pairing");
    EXPECT_EQ(form.findChild<QCheckBox*>("select_entree")->text(), "&Starters");
    EXPECT_EQ(form.findChild<QCheckBox*>("select_plat")->text(), "&Main courses");
    const QTreeWidgetItem* header = form.findChild<QTreeWidget*>("liste_vins")->headerItem();
    EXPECT_EQ(header->text(0), "Colour");
    EXPECT_EQ(form.findChild<QPushButton*>("BitBtn2")->toolTip(), "Prints the selection");
    ui::testing::ReportCapture capture;
    EXPECT_EQ(advice::PairingReport(U("Comté"), {}).pageHeader->texts(),
              QStringList{U("Dish: Comté")});
}

} // namespace
