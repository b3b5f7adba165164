// The cellar book: filters, count, to-drink test, reselection.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QRadioButton>
#include <QGroupBox>
#include <QTableView>
#include <QPushButton>
#include <QTest>

#include "cellar/CellarWindowTest.h"
#include "cellar/Ulivre.h"
#include "ui/Report.h"

using namespace testsupport;

namespace {

class LivreTest : public CellarWindowTest {
protected:
    void SetUp() override {
        CellarWindowTest::SetUp();
        store::State().yearOverride = 2000;
        auto bordeaux = Wine("Rouge", "Bordeaux", "Bordeaux", "1990");
        bordeaux.peakYear = "2000";
        auto superieur = Wine("Rouge", "Bordeaux", store::Cp1252("Bordeaux Supérieur"), "1991");
        superieur.peakYear = "2001";
        auto cotes = Wine("Rouge", "Bordeaux", store::Cp1252("Côtes de Bordeaux"), "1992", "  ");
        auto lower = Wine("rouge", "Bordeaux", "Graves", "1993");
        auto chateau = Wine("Blanc", "Alsace", "Riesling", "1994");
        chateau.domaine = store::PadText(store::Cp1252("Château X"), 50);
        chateau.remarks = store::PadText("en BORDURE de route", 50);
        for (const auto& w : {bordeaux, superieur, cotes, lower, chateau}) store::InsertCellarWine(w);
    }

    QStringList Appellations(TLivre& livre) {
        auto* view = livre.findChild<QTableView*>("Liste_vins");
        QStringList result;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            result << view->model()->index(row, 3).data().toString();
        return result;
    }
    QString Count(TLivre& livre) { return livre.findChild<QLineEdit*>("Nb")->text(); }
};

TEST_F(LivreTest, FiltersNarrowTheListAndTheCount) {
    TLivre livre;
    EXPECT_EQ(Appellations(livre).size(), 5);
    EXPECT_EQ(Count(livre), "24"); // the blank quantity counts nothing
    EXPECT_EQ(cellar::State().lastRow, 4);

    auto* colour = livre.findChild<QComboBox*>("Liste_coul");
    auto* region = livre.findChild<QComboBox*>("Liste_region");
    auto* search = livre.findChild<QLineEdit*>("Recherche");
    EXPECT_EQ(colour->itemText(0), "[Toutes]");
    EXPECT_EQ(region->itemText(region->count() - 1), "Autre");

    colour->setCurrentIndex(colour->findText("Rouge"));
    EXPECT_EQ(Appellations(livre), (QStringList{"Bordeaux", QString::fromUtf8("Bordeaux Supérieur"),
                                                QString::fromUtf8("Côtes de Bordeaux")}));
    EXPECT_EQ(Count(livre), "12");
    colour->setCurrentIndex(0);

    struct Case {
        const char* search;
        QStringList appellations;
    } cases[] = {
        {"bord", {"Riesling", "Bordeaux", QString::fromUtf8("Bordeaux Supérieur"),
                  QString::fromUtf8("Côtes de Bordeaux"), "Graves"}}, // Riesling: BORDURE in the remarks
        {"chateau", {}},
        {"1993", {"Graves"}},
    };
    for (const auto& c : cases) {
        search->setText(QString::fromUtf8(c.search));
        EXPECT_EQ(Appellations(livre), c.appellations) << c.search;
    }
    // A leading blank takes part: only "Côtes de Bordeaux" holds " bordeaux" in a searched field.
    region->setCurrentIndex(0);
    search->setText(QString::fromUtf8(" supérieur"));
    EXPECT_EQ(Appellations(livre), QStringList{QString::fromUtf8("Bordeaux Supérieur")});
    search->setText(" bordeaux");
    EXPECT_TRUE(Appellations(livre).contains(QString::fromUtf8("Côtes de Bordeaux")));
    EXPECT_FALSE(Appellations(livre).contains(QString::fromUtf8("Bordeaux Supérieur")));
}

TEST_F(LivreTest, ToDrinkThisYearAndReset) {
    TLivre livre;
    auto* toDrink = livre.findChild<QGroupBox*>("select_cave")->findChildren<QRadioButton*>().at(1);
    auto* colour = livre.findChild<QComboBox*>("Liste_coul");
    colour->setCurrentIndex(colour->findText("Rouge"));
    toDrink->click();
    // Peak 2000 (this year) and a blank peak year stay; 2001 goes.
    EXPECT_EQ(Appellations(livre), (QStringList{"Bordeaux", QString::fromUtf8("Côtes de Bordeaux")}));
    EXPECT_EQ(store::CellarPositionOfMatch(2), 3); // Riesling (white) comes first in the file

    livre.findChild<QPushButton*>("BitBtn2")->click();
    EXPECT_EQ(colour->currentIndex(), 0);
    EXPECT_TRUE(toDrink->isChecked());
    EXPECT_EQ(Appellations(livre).size(), 4);
}

TEST_F(LivreTest, ZoomWithoutARowSaysSoAndReselectsTheRememberedRow) {
    TLivre livre;
    livre.BitBtn5Click();
    livre.BitBtn6Click();
    const auto warnings = recorder->boxesOf(ui::testing::BoxKind::Warning);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0].number, 17);

    auto* view = livre.findChild<QTableView*>("Liste_vins");
    view->selectRow(3);
    livre.BitBtn5Click();
    EXPECT_EQ(cellar::State().selectedRow, 3);
    EXPECT_EQ(cellar::State().currentWinePosition, 3);
    EXPECT_EQ(livre.selectedRow(), 3);
}

TEST_F(LivreTest, MissingCellarIsAnEmptyList) {
    store::DeleteFileIfPresent("Cave.dat");
    TLivre livre;
    EXPECT_TRUE(Appellations(livre).isEmpty());
    EXPECT_EQ(Count(livre), "0");
    EXPECT_EQ(cellar::State().lastRow, -1);
}

} // namespace

namespace {

TEST_F(LivreTest, EnglishTexts) {
    loadEnglish();
    TLivre livre;
    EXPECT_EQ(livre.windowTitle(), "Cellar book");
    auto* view = livre.findChild<QTableView*>("Liste_vins");
    EXPECT_EQ(view->model()->headerData(0, Qt::Horizontal).toString(), "Colour");
    EXPECT_EQ(livre.findChild<QPushButton*>("BitBtn2")->text(), "&Reset");
    EXPECT_EQ(livre.findChild<QLineEdit*>("Recherche")->toolTip(), "Text to look for");
}

} // namespace

namespace {

// The print button prints exactly the rows listed, and nothing for an empty list.
TEST_F(LivreTest, PrintButtonPrintsTheListedWines) {
    ui::testing::ReportCapture capture;
    TLivre livre;
    auto* colour = livre.findChild<QComboBox*>("Liste_coul");
    colour->setCurrentIndex(colour->findText("Blanc"));
    livre.findChild<QPushButton*>("BitBtn4")->click();
    ASSERT_EQ(capture.outputs().size(), 1u);
    const QString text = capture.outputs()[0].pages[0].texts().join('|');
    EXPECT_TRUE(text.contains("Riesling"));
    EXPECT_FALSE(text.contains("Graves"));

    livre.findChild<QLineEdit*>("Recherche")->setText("introuvable");
    livre.findChild<QPushButton*>("BitBtn4")->click();
    EXPECT_EQ(capture.outputs().size(), 1u);
}

} // namespace
