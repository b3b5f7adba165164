// Adding wines: the cascade, the checks and their messages, the bytes stored, the bases.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QPushButton>
#include <QTest>

#include "cellar/CellarWindowTest.h"
#include "cellar/Unouveau.h"

using namespace testsupport;

namespace {

class NewWineTest : public CellarWindowTest {
protected:
    void SetUp() override {
        CellarWindowTest::SetUp();
        WriteBases();
    }

    template <class T>
    T* Field(TNewForm& form, const char* name) {
        T* field = form.findChild<T*>(name);
        EXPECT_NE(field, nullptr) << name;
        return field;
    }
    QComboBox* Box(TNewForm& form, const char* name) { return Field<QComboBox>(form, name); }
    QLineEdit* Edit(TNewForm& form, const char* name) { return Field<QLineEdit>(form, name); }

    static void Leave(QWidget* field) {
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(field, &out);
    }

    // A red Pauillac 1995 of six bottles, chosen as a person would.
    void FillPauillac(TNewForm& form) {
        Choose(Box(form, "Liste_appel"), "Pauillac");
        Edit(form, "millesime")->setText("1995");
        Leave(Edit(form, "millesime"));
        Edit(form, "Quantite")->setText("6");
    }

    std::vector<int> WarningNumbers() {
        std::vector<int> numbers;
        for (const auto& box : recorder->boxesOf(ui::testing::BoxKind::Warning)) numbers.push_back(box.number);
        return numbers;
    }
};

TEST_F(NewWineTest, TheCascadeCompletesTheIdentity) {
    TNewForm form;
    // Choosing an appellation chooses the region and colour of its first block, shows the
    // keeping period, and leaving the vintage box proposes the peak year.
    FillPauillac(form);
    EXPECT_EQ(Box(form, "Liste_region")->currentText(), "Bordeaux");
    EXPECT_EQ(Box(form, "Liste_coul")->currentText(), "Rouge");
    EXPECT_EQ(Edit(form, "garde")->text(), QString::fromUtf8("10 à 30 ans"));
    EXPECT_EQ(Edit(form, "apogee")->text(), "2003");

    // A typed name that is no appellation of the base clears the region and keeping period.
    auto* appellation = Box(form, "Liste_appel");
    appellation->lineEdit()->clear();
    QTest::keyClicks(appellation->lineEdit(), "Nouvelle");
    EXPECT_EQ(Box(form, "Liste_region")->currentIndex(), -1);
    EXPECT_TRUE(Edit(form, "garde")->text().isEmpty());

    // A domaine of the domaine base brings its owner, region and appellation.
    Choose(Box(form, "Liste_coul"), "Blanc");
    Choose(Box(form, "Liste_domaine"), "Latour");
    EXPECT_EQ(Edit(form, "Prop")->text(), "Pinault");
    EXPECT_EQ(Box(form, "Liste_region")->currentText(), "Bordeaux");
    EXPECT_EQ(appellation->currentText(), "Pauillac");
    EXPECT_EQ(Box(form, "Liste_coul")->currentText(), "Blanc"); // a chosen colour stays

    // Narrowing to the region: with no region chosen the list is empty, without the
    // other-appellation entry; with Alsace it holds Riesling and that entry.
    auto* regionOnly = Field<QCheckBox>(form, "select_touteappel");
    Box(form, "Liste_region")->setCurrentIndex(-1);
    regionOnly->click();
    EXPECT_EQ(appellation->count(), 0);
    Choose(Box(form, "Liste_region"), "Alsace");
    EXPECT_EQ(appellation->count(), 2);
    EXPECT_GE(appellation->findText("Riesling"), 0);
    regionOnly->click();
    EXPECT_EQ(appellation->count(), 4); // Graves, Pauillac, Riesling, [Autre Appellation]
}

TEST_F(NewWineTest, AnAcceptedWineIsStoredAndTheWindowStaysOpenForTheNext) {
    TNewForm form;
    Edit(form, "dateachat")->setText("05/03/1999");
    Edit(form, "Lieu")->setText("Foire aux vins");
    FillPauillac(form);
    form.findChild<QPushButton*>("BitBtn1")->click();
    EXPECT_TRUE(WarningNumbers().empty());

    store::CellarWine expected = Wine("Rouge", "Bordeaux", "Pauillac", "1995");
    expected.price = "    0.00";
    expected.purchaseDate = "05/03/1999";
    expected.peakYear = "2003";
    expected.mark = "Aucune";
    expected.purchasePlace = "Foire aux vins";
    EXPECT_EQ(ReadFileBytes("Cave.dat"), CrLf(store::CellarWineLines(store::PaddedCellarWine(expected))));

    // Cleared for the next wine, keeping format, date and place.
    EXPECT_EQ(form.result(), 0);
    EXPECT_EQ(Box(form, "Liste_appel")->currentText(), "");
    EXPECT_EQ(Box(form, "Liste_coul")->currentIndex(), -1);
    EXPECT_EQ(Edit(form, "Quantite")->text(), "1");
    EXPECT_EQ(Box(form, "Appreciation")->currentText(), "Aucune");
    EXPECT_EQ(Edit(form, "dateachat")->text(), "05/03/1999");
    EXPECT_EQ(Edit(form, "Lieu")->text(), "Foire aux vins");
    EXPECT_EQ(Edit(form, "millesime")->text(), "");
}

TEST_F(NewWineTest, EachCheckRefusesWithItsMessageAndWritesNothing) {
    struct Case {
        const char* field;
        const char* value;
        int message;
    } cases[] = {
        {"Quantite", "0", 7},         {"Quantite", "", 7},          {"millesime", "199", 6},
        {"dateachat", "31/02/2001", 10}, {"dateachat", "00/00/0000", 10}, {"apogee", "20", 11},
    };
    for (const auto& c : cases) {
        recorder->clear();
        TNewForm form;
        FillPauillac(form);
        Edit(form, c.field)->setText(c.value);
        form.BitBtn1Click();
        EXPECT_EQ(WarningNumbers(), std::vector<int>{c.message}) << c.field << " " << c.value;
        EXPECT_EQ(Edit(form, c.field)->text(), QString::fromLatin1(c.value).remove(' ')) << "kept as typed";
    }
    {
        recorder->clear();
        TNewForm form;
        form.BitBtn1Click();
        EXPECT_EQ(WarningNumbers(), std::vector<int>{3});
    }
    {
        recorder->clear();
        TNewForm form;
        Choose(Box(form, "Liste_coul"), "Rouge");
        form.BitBtn1Click();
        Choose(Box(form, "Liste_region"), "Bordeaux");
        form.BitBtn1Click();
        EXPECT_EQ(WarningNumbers(), (std::vector<int>{4, 5}));
    }
    EXPECT_FALSE(Exists("Cave.dat"));
}

TEST_F(NewWineTest, TextsOutsideTheCodePageAreRefused) {
    TNewForm form;
    FillPauillac(form);
    Edit(form, "Remarques")->setText(QString::fromUtf8("Très bon 日本"));
    form.BitBtn1Click();
    EXPECT_FALSE(recorder->boxes().empty());
    EXPECT_FALSE(Exists("Cave.dat"));
    EXPECT_EQ(Edit(form, "Remarques")->text(), QString::fromUtf8("Très bon 日本"));

    // 50 accented characters fit exactly.
    const QString accents(50, QChar(0xE9));
    Edit(form, "Remarques")->setText(accents);
    recorder->clear();
    form.BitBtn1Click();
    EXPECT_TRUE(recorder->boxes().empty());
    EXPECT_NE(ReadFileBytes("Cave.dat").find(std::string(50, '\xe9')), std::string::npos);
}

TEST_F(NewWineTest, NewAppellationAndDomaineEnterTheBasesButNotTheOtherAppellation) {
    const std::string vintages = ReadFileBytes("Domaine.dat");
    {
        TNewForm form;
        Choose(Box(form, "Liste_appel"), "[Autre Appellation]");
        Choose(Box(form, "Liste_coul"), "Rouge");
        Choose(Box(form, "Liste_region"), "Bordeaux");
        Box(form, "Liste_domaine")->setEditText("Clos Inconnu");
        form.BitBtn1Click();
        EXPECT_TRUE(recorder->boxes().empty());
        EXPECT_NE(ReadFileBytes("Cave.dat").find(store::PadText("Autre Appellation", 30)), std::string::npos);
        EXPECT_EQ(ReadFileBytes("Domaine.dat"), vintages);
        EXPECT_FALSE(Exists("Annee.dat"));
    }
    TNewForm form;
    auto* appellation = Box(form, "Liste_appel");
    QTest::keyClicks(appellation->lineEdit(), "Moulis");
    Choose(Box(form, "Liste_coul"), "Rouge");
    Choose(Box(form, "Liste_region"), "Bordeaux");
    EXPECT_EQ(appellation->currentText(), "Moulis"); // a typed name survives the region choice
    Box(form, "Liste_domaine")->setEditText(QString::fromUtf8("Château Chasse-Spleen"));
    Edit(form, "Prop")->setText("Villars");
    form.BitBtn1Click();
    EXPECT_TRUE(recorder->boxes().empty());
    const std::string bases = ReadFileBytes("Vins.dat");
    EXPECT_NE(bases.find(AppellationHeader("Bordeaux", "Rouge", "Moulis") + "\r\n   Temp =\r\n   Garde=\r\n   Plats=\r\n"),
              std::string::npos);
    EXPECT_EQ(ReadFileBytes("Annee.dat"),
              CrLf({"[" + store::PadText("Bordeaux", 20) + "](" + store::PadText("Moulis", 30) + ")"}));
    EXPECT_NE(ReadFileBytes("Domaine.dat").find(store::PadText(store::Cp1252("Château Chasse-Spleen"), 50) +
                                                store::PadText("Villars", 50)),
              std::string::npos);
    EXPECT_GE(appellation->findText("Moulis"), 0);
    EXPECT_GE(Box(form, "Liste_domaine")->findText(QString::fromUtf8("Château Chasse-Spleen")), 0);
}

} // namespace

namespace {

TEST_F(NewWineTest, EnglishTexts) {
    loadEnglish();
    TNewForm form;
    EXPECT_EQ(form.windowTitle(), "Adding a wine to the cellar");
    EXPECT_EQ(Box(form, "Liste_domaine")->toolTip(), QString::fromUtf8("Name of the estate or château"));
    EXPECT_EQ(Field<QCheckBox>(form, "select_touteappel")->text(), "Show only the appellations of the re&gion");
}

} // namespace

namespace {

// Enter in the price box presses OK without leaving the box: the price as typed still reads.
TEST_F(NewWineTest, APriceTypedButNotLeftIsRead) {
    TNewForm form;
    FillPauillac(form);
    Edit(form, "prix")->setText("12   .5");
    EXPECT_EQ(Edit(form, "prix")->displayText(), "12   .5 ");
    form.BitBtn1Click();
    EXPECT_TRUE(recorder->boxes().empty());
    EXPECT_EQ(ReadFileBytes("Cave.dat").substr(32, 8), "   12.50");
}

// A refused entry leaves the price box as typed, not normalised behind the user's back.
TEST_F(NewWineTest, ARefusedEntryLeavesThePriceBoxAsTyped) {
    TNewForm form;
    Edit(form, "millesime")->setText("1995");
    Edit(form, "prix")->setText("12   .5");
    form.BitBtn1Click();
    EXPECT_EQ(WarningNumbers(), std::vector<int>{3}); // no colour
    EXPECT_EQ(Edit(form, "prix")->displayText(), "12   .5 ");
    EXPECT_FALSE(Exists("Cave.dat"));
}

// The identity fields are reached in the order the user describes a wine.
TEST_F(NewWineTest, TabOrderFollowsTheIdentity) {
    TNewForm form;
    form.show();
    QApplication::setActiveWindow(&form);
    Box(form, "Liste_domaine")->setFocus();
    QStringList visited;
    for (int i = 0; i < 8; ++i) {
        QWidget* at = QApplication::focusWidget();
        while (at != nullptr && at->objectName().isEmpty())
            at = at->parentWidget();
        visited << (at != nullptr ? at->objectName() : QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, (QStringList{"Liste_domaine", "Liste_coul", "Liste_region", "Liste_appel",
                                    "Quantite", "millesime", "Prop", "Remarques"}));
}

} // namespace
