// The characteristics of an appellation: the order of dishes and vintages, the vintage shown.
#include <gtest/gtest.h>

#include <QTreeWidget>

#include "cellar/CellarWindowTest.h"
#include "cellar/Ucaract.h"

using namespace testsupport;

namespace {

class CaractTest : public CellarWindowTest {
protected:
    void SetUp() override {
        CellarWindowTest::SetUp();
        const std::string rouge = AppellationHeader("Bordeaux", "Rouge", "Graves");
        const std::string blanc = AppellationHeader("Bordeaux", "Blanc", "Graves");
        auto dish = [](const char* course, const char* name) {
            return "      " + store::PadText(store::Cp1252(course), 7) + ":" + store::PadText(store::Cp1252(name), 30);
        };
        WriteFileBytes("Vins.dat", CrLf({blanc, "   Temp =10", "   Garde=3 ans", "   Plats=", dish("Plats", "Sole"),
                                         rouge, "   Temp =16", store::Cp1252("   Garde=5 à 10 ans"), "   Plats=",
                                         dish("Dessert", "Tarte"), dish("Plats", "Agneau"), dish("Fromage", "Comté"),
                                         dish("Entrées", "Terrine"), dish("Apéro", "Olives"), dish("Entrées", "Asperges")}));
        std::vector<std::string> chart = {"[" + store::PadText("Bordeaux", 20) + "](" + store::PadText("Graves", 30) + ")"};
        for (const char* line : {"1985,17", "2000,18", "1990,15", "1995,14", "1996,13", "1997,12", "1998,11"})
            chart.push_back("      " + std::string(line));
        WriteFileBytes("Annee.dat", CrLf(chart));
    }
    std::unique_ptr<TVinForm> Open(const char* colour, const std::string& vintage) {
        cellar::State().selectedAppellation = {store::PadText(colour, 10), store::PadText("Bordeaux", 20),
                                               store::PadText("Graves", 30), vintage};
        return std::make_unique<TVinForm>();
    }
    static QStringList Column(QTreeWidget* list, int column) {
        QStringList texts;
        for (int i = 0; i < list->topLevelItemCount(); ++i) texts << list->topLevelItem(i)->text(column);
        return texts;
    }
};

TEST_F(CaractTest, DishesByCourseThenNameAndVintagesNewestFirst) {
    auto form = Open("Rouge", "1990");
    EXPECT_EQ(form->findChild<QLineEdit*>("Temperature")->text(), "16");
    EXPECT_EQ(form->findChild<QLineEdit*>("Garde")->text(), QString::fromUtf8("5 à 10 ans"));
    auto* dishes = form->findChild<QTreeWidget*>("liste_plats");
    EXPECT_EQ(Column(dishes, 1), (QStringList{"Asperges", "Olives", "Terrine", "Agneau", QString::fromUtf8("Comté"), "Tarte"}));
    EXPECT_EQ(Column(dishes, 0)[1], QString::fromUtf8("Apéro")); // an unknown course goes with the starters
    auto* vintages = form->findChild<QTreeWidget*>("liste_annee");
    EXPECT_EQ(Column(vintages, 0), (QStringList{"2000", "1998", "1997", "1996", "1995", "1990", "1985"}));
    EXPECT_EQ(Column(vintages, 1)[5], "15/20");
    ASSERT_NE(vintages->currentItem(), nullptr);
    EXPECT_EQ(vintages->currentItem()->text(0), "1990");
}

TEST_F(CaractTest, EachColourHasItsBlockAndBothShareTheVintages) {
    auto white = Open("Blanc", "");
    EXPECT_EQ(white->findChild<QLineEdit*>("Temperature")->text(), "10");
    EXPECT_EQ(Column(white->findChild<QTreeWidget*>("liste_plats"), 1), QStringList{"Sole"});
    EXPECT_EQ(white->findChild<QTreeWidget*>("liste_annee")->topLevelItemCount(), 7);
    EXPECT_EQ(white->findChild<QTreeWidget*>("liste_annee")->currentItem(), nullptr);
    auto missing = Open("Rouge", "1970");
    EXPECT_EQ(missing->findChild<QTreeWidget*>("liste_annee")->currentItem(), nullptr);
}

} // namespace
