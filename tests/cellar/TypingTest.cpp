// Typing as a person types: clicks into masked boxes, Alt+letters, Enter in the criteria.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "cellar/CellarWindowTest.h"
#include "cellar/Ulivre.h"
#include "cellar/Unouveau.h"
#include "cellar/Uzoom.h"
#include "store/Files.h"
#include "ui/MaskedBox.h"

using namespace testsupport;

namespace {

class TypingTest : public CellarWindowTest {
protected:
    void SetUp() override {
        CellarWindowTest::SetUp();
        WriteBases();
    }

    static void Show(QWidget& window) {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    static void ClickMiddle(QWidget* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    }

    static store::CellarWine StoredWine() {
        store::LineReader in;
        store::CellarWine wine;
        EXPECT_TRUE(store::OpenTextForReading(in, store::State().files.cellar));
        EXPECT_TRUE(store::ReadCellarWine(in, wine));
        return wine;
    }

    static std::vector<int> WarningNumbers(const ui::testing::Recorder& recorder) {
        std::vector<int> numbers;
        for (const auto& box : recorder.boxesOf(ui::testing::BoxKind::Warning))
            numbers.push_back(box.number);
        return numbers;
    }
};

TEST_F(TypingTest, AClickAnywhereInAnEmptyMaskedBoxTypesFromItsStart) {
    struct Case {
        const char* box;
        const char* keys;
        std::string store::CellarWine::*field;
        const char* stored;
    } cases[] = {
        {"prix", "65", &store::CellarWine::price, "   65.00"},
        {"prix", "12.5", &store::CellarWine::price, "   12.50"},
        {"millesime", "1995", &store::CellarWine::vintage, "1995"},
        {"Quantite", "12", &store::CellarWine::quantity, "12"},
        {"dateachat", "05031999", &store::CellarWine::purchaseDate, "05/03/1999"},
        {"apogee", "2010", &store::CellarWine::peakYear, "2010"},
    };
    for (const auto& c : cases) {
        store::DeleteFileIfPresent(store::State().files.cellar);
        TNewForm form;
        Show(form);
        Choose(form.findChild<QComboBox*>("Liste_appel"), "Pauillac");
        auto* box = form.findChild<QLineEdit*>(c.box);
        box->clear();
        ClickMiddle(box);
        QTest::keyClicks(box, c.keys);
        QTest::keyClick(box, Qt::Key_Tab); // leaves the box, as a person does
        form.BitBtn1Click();
        EXPECT_TRUE(WarningNumbers(*recorder).empty()) << c.box;
        EXPECT_EQ(StoredWine().*c.field, c.stored) << c.box << " " << c.keys;
    }
}

TEST_F(TypingTest, EndInAPartTypedDateStillLetsTheYearIn) {
    TNewForm form;
    Show(form);
    auto* date = form.findChild<QLineEdit*>("dateachat");
    date->setFocus();
    QTest::keyClicks(date, "0503");
    QTest::keyClick(date, Qt::Key_End);
    QTest::keyClicks(date, "1999");
    EXPECT_EQ(date->text(), "05/03/1999");
}

TEST_F(TypingTest, AStoredPriceIsRetypedOrExtendedWhereverItIsClicked) {
    TNewForm form;
    Show(form);
    auto* price = form.findChild<QLineEdit*>("prix");
    price->setText("   65.00");
    // Reached by the tab key, the whole price is chosen: typing replaces it.
    form.findChild<QComboBox*>("format")->setFocus();
    QTest::keyClick(form.findChild<QComboBox*>("format"), Qt::Key_Tab);
    ASSERT_TRUE(price->hasFocus());
    QTest::keyClicks(price, "8");
    QTest::keyClick(price, Qt::Key_Tab);
    EXPECT_EQ(price->displayText(), "    8.00");
    // Clicked at its end, digits extend the whole-number part and a point reaches the decimals.
    ClickMiddle(price);
    QTest::keyClick(price, Qt::Key_End);
    QTest::keyClicks(price, "5.25");
    QTest::keyClick(price, Qt::Key_Tab);
    EXPECT_EQ(price->displayText(), "   85.25");
}

TEST_F(TypingTest, EmptyDateBoxesShowTheFormatToType) {
    TNewForm french;
    auto* date = qobject_cast<ui::MaskedBox*>(french.findChild<QLineEdit*>("dateachat"));
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->hintText(), "jj/mm/aaaa");
    loadEnglish();
    EXPECT_EQ(date->hintText(), "dd/mm/yyyy");
    TNewForm english;
    EXPECT_EQ(qobject_cast<ui::MaskedBox*>(english.findChild<QLineEdit*>("dateachat"))->hintText(),
              "dd/mm/yyyy");
}

TEST_F(TypingTest, AnUnusedAltLetterTypesNothingAndAnAccentedMnemonicIsReachedByItsPlainLetter) {
    WriteFileBytes("Cave.dat",
                   CrLf(store::CellarWineLines(Wine("Rouge", "Bordeaux", "Pauillac", "1995"))));
    cellar::State().selectedRow = 0;
    cellar::State().currentWinePosition = store::CellarPositionOfMatch(1);
    TZoomForm form;
    Show(form);
    QLineEdit* domaine = form.findChild<QComboBox*>("Liste_domaine")->lineEdit();
    domaine->setFocus();
    domaine->setText("Latour");
    for (Qt::Key key : {Qt::Key_O, Qt::Key_X, Qt::Key_W})
        QTest::keyClick(domaine, key, Qt::AltModifier);
    EXPECT_EQ(domaine->text(), "Latour");
    // AltGr still types: French keyboards need it for @, # and the like.
    QTest::keyClick(domaine, '@', Qt::GroupSwitchModifier);
    EXPECT_EQ(domaine->text(), "Latour@");

    QTest::keyClick(domaine, Qt::Key_E, Qt::AltModifier); // "&Étiquettes"
    EXPECT_EQ(domaine->text(), "Latour@");
    const auto modals = recorder->boxesOf(ui::testing::BoxKind::Modal);
    ASSERT_EQ(modals.size(), 1u);
    EXPECT_EQ(modals.front().text, "TStickerform");
}

// A completer's open list hands the keys to its box without the shortcuts seeing them.
TEST_F(TypingTest, AMnemonicStillLeavesABoxWhoseListIsOpen) {
    TNewForm form;
    Show(form);
    QLineEdit* appellation = form.findChild<QComboBox*>("Liste_appel")->lineEdit();
    appellation->setFocus();
    QTest::keyClicks(appellation, "Pau");
    QWidget* list = QApplication::activePopupWidget();
    QTest::keyClick(list != nullptr ? list : appellation, Qt::Key_M,
                    Qt::AltModifier); // "&Millésime"
    EXPECT_TRUE(form.findChild<QLineEdit*>("millesime")->hasFocus());
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(appellation->text().startsWith("Pau"));
    EXPECT_FALSE(appellation->text().contains('m', Qt::CaseInsensitive));
}

TEST_F(TypingTest, EnterInACriterionOfTheCellarBookChangesNothing) {
    WriteFileBytes("Cave.dat",
                   CrLf(store::CellarWineLines(Wine("Rouge", "Bordeaux", "Pauillac", "1995"))));
    TLivre livre;
    Show(livre);
    auto* ok = livre.findChild<QPushButton*>("BitBtn1");
    EXPECT_TRUE(ok->isDefault());

    auto* colour = livre.findChild<QComboBox*>("Liste_coul");
    Choose(colour, "Rouge");
    auto* search = livre.findChild<QLineEdit*>("Recherche");
    search->setFocus();
    QTest::keyClicks(search, "Pau");
    for (QWidget* criterion : std::initializer_list<QWidget*>{search, colour}) {
        criterion->setFocus();
        QTest::keyClick(criterion, Qt::Key_Return);
        QTest::keyClick(criterion, Qt::Key_Enter);
    }
    EXPECT_TRUE(livre.isVisible());
    EXPECT_EQ(search->text(), "Pau");
    EXPECT_EQ(colour->currentText(), "Rouge");

    // In the list, Enter is the OK button's.
    livre.findChild<QWidget*>("Liste_vins")->setFocus();
    QTest::keyClick(livre.findChild<QWidget*>("Liste_vins"), Qt::Key_Return);
    EXPECT_EQ(livre.result(), QDialog::Accepted);
}

} // namespace
