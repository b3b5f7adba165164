// A wine drunk elsewhere: the entry written, its checks, the bases it teaches, and the
// cellar it never touches.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include "history/HistoryWindowTest.h"
#include "history/Uresto.h"

using namespace testsupport;

namespace {

class RestoTest : public HistoryWindowTest {
protected:
    void SetUp() override {
        HistoryWindowTest::SetUp();
        store::InsertCellarWine(Wine("Rouge", "Bordeaux", "Pauillac", "1990"));
        cellarBefore = ReadFileBytes("Cave.dat");
        dated = Entry("Rouge", "Pauillac", "01/01/2000");
        WriteHistory({dated});
        form = std::make_unique<TRestoForm>();
    }
    void TearDown() override {
        EXPECT_EQ(ReadFileBytes("Cave.dat"), cellarBefore) << "the cellar never changes";
        form.reset();
        HistoryWindowTest::TearDown();
    }

    QLineEdit* Edit(const char* name) { return form->findChild<QLineEdit*>(name); }
    QComboBox* Box(const char* name) { return form->findChild<QComboBox*>(name); }

    // A red Pauillac 1995, two bottles drunk on 14/07/2001.
    void FillPauillac() {
        Choose(Box("Liste_appel"), "Pauillac");
        Edit("millesime")->setText("1995");
        Edit("qte_conso")->setText("2");
        Edit("date_conso")->setText("14/07/2001");
    }

    std::string cellarBefore;
    store::ConsumedWine dated;
    std::unique_ptr<TRestoForm> form;
};

TEST_F(RestoTest, StartsEmptyAndWritesOneEntryAtItsPlace) {
    for (const char* name : {"Liste_coul", "Liste_region", "Appreciation", "formatb"})
        EXPECT_EQ(Box(name)->currentIndex(), -1) << name;
    EXPECT_EQ(Box("Liste_appel")->currentText(), "");
    EXPECT_FALSE(form->findChild<QCheckBox*>("select_touteappel")->isChecked());

    FillPauillac();
    EXPECT_EQ(Box("Liste_region")->currentText(), "Bordeaux"); // the cascade of the wine entry
    EXPECT_EQ(Box("Liste_coul")->currentText(), "Rouge");
    Choose(Box("formatb"), "Magnum");
    Choose(Box("Appreciation"), "Bon");
    Edit("prix")->setText("45");
    Edit("lieu")->setText("Chez Paul");
    Edit("Rem_vin")->setText("Carafé");
    Edit("comment_conso")->setText(QString::fromUtf8("Superbe"));
    Edit("invites")->setText("Les Martin");
    form->findChild<QPushButton*>("BitBtn1")->click();
    EXPECT_TRUE(WarningNumbers().empty());
    EXPECT_EQ(form->result(), QDialog::Accepted);

    store::ConsumedWine expected = Entry("Rouge", "Pauillac", "14/07/2001", "1995");
    expected.quantity = " 2";
    expected.bottleFormat = "Magnum";
    expected.price = "   45.00";
    expected.purchasePlace = "Chez Paul";
    expected.remarks = store::Cp1252("Carafé");
    expected.comments = "Superbe";
    expected.guests = "Les Martin";
    EXPECT_EQ(ReadFileBytes("Stat.dat"), HistoryBytes({dated, expected}));
}

TEST_F(RestoTest, AnEntryWithoutDatesOrVintageGoesFirst) {
    Choose(Box("Liste_appel"), "Riesling");
    Edit("qte_conso")->setText("1");
    form->BitBtn1Click();
    store::ConsumedWine undated = Entry("Blanc", "Riesling", "", "");
    undated.region = store::PadText("Alsace", 20);
    undated.mark = store::Blanks(10);
    undated.bottleFormat = store::Blanks(10);
    undated.price = store::Blanks(8);
    EXPECT_EQ(ReadFileBytes("Stat.dat"), HistoryBytes({undated, dated}));
}

TEST_F(RestoTest, EachCheckRefusesWithItsMessageAndWritesNothing) {
    const std::string before = ReadFileBytes("Stat.dat");
    struct Case {
        const char* field;
        const char* value;
        int message;
    } cases[] = {
        {"millesime", "199", 6},          {"qte_conso", "0", 15},          {"qte_conso", "", 15},
        {"date_conso", "31/02/2000", 12}, {"dateachat", "31/02/2001", 10},
    };
    for (const auto& k : cases) {
        recorder->clear();
        form = std::make_unique<TRestoForm>();
        FillPauillac();
        Edit(k.field)->setText(QString::fromLatin1(k.value));
        form->BitBtn1Click();
        EXPECT_EQ(WarningNumbers(), std::vector<int>{k.message}) << k.field << " " << k.value;
        EXPECT_EQ(form->result(), 0);
    }
    // The identity in its order: colour, region, appellation.
    recorder->clear();
    form = std::make_unique<TRestoForm>();
    form->BitBtn1Click();
    Choose(Box("Liste_coul"), "Rouge");
    form->BitBtn1Click();
    Choose(Box("Liste_region"), "Bordeaux");
    form->BitBtn1Click();
    EXPECT_EQ(WarningNumbers(), (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(ReadFileBytes("Stat.dat"), before);
}

TEST_F(RestoTest, TheOtherAppellationTeachesTheBasesNothing) {
    const std::string appellations = ReadFileBytes("Vins.dat");
    const std::string vintages = ReadFileBytes("Annee.dat");
    const std::string domaines = ReadFileBytes("Domaine.dat");
    Choose(Box("Liste_coul"), "Rouge");
    Choose(Box("Liste_region"), "Bordeaux");
    Choose(Box("Liste_appel"), "[Autre Appellation]");
    Box("Liste_domaine")->setEditText("Clos Inconnu");
    Edit("qte_conso")->setText("1");
    form->BitBtn1Click();
    ASSERT_EQ(History().size(), 2u);
    EXPECT_EQ(History()[0].appellation, store::PadText("Autre Appellation", 30));
    EXPECT_EQ(ReadFileBytes("Vins.dat"), appellations);
    EXPECT_EQ(ReadFileBytes("Annee.dat"), vintages);
    EXPECT_EQ(ReadFileBytes("Domaine.dat"), domaines);
}

TEST_F(RestoTest, ATypedAppellationAndDomaineEnterTheBases) {
    Choose(Box("Liste_coul"), "Rouge");
    Box("Liste_appel")->lineEdit()->clear();
    QTest::keyClicks(Box("Liste_appel")->lineEdit(), "Moulis");
    Choose(Box("Liste_region"), "Bordeaux");
    Box("Liste_domaine")->setEditText("Chasse-Spleen");
    Edit("Prop")->setText("Villars");
    Edit("qte_conso")->setText("1");
    form->BitBtn1Click();
    ASSERT_TRUE(WarningNumbers().empty());

    EXPECT_TRUE(store::AppellationDetails(store::PadText("Rouge", 10),
                                          store::PadText("Bordeaux", 20),
                                          store::PadText("Moulis", 30))
                    .found);
    EXPECT_EQ(store::VintageSections().back().appellation, store::PadText("Moulis", 30));
    const auto domaines =
        store::DomainesOf(store::PadText("Bordeaux", 20), store::PadText("Moulis", 30));
    ASSERT_EQ(domaines.size(), 1u);
    EXPECT_EQ(domaines[0].domaine, "Chasse-Spleen");
    EXPECT_EQ(store::RightTrim(domaines[0].owner), "Villars");

    TRestoForm next;
    EXPECT_GE(next.findChild<QComboBox*>("Liste_appel")->findText("Moulis"), 0);
    EXPECT_GE(next.findChild<QComboBox*>("Liste_domaine")->findText("Chasse-Spleen"), 0);
}

} // namespace
