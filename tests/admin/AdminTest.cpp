// The appellation administration window, driven as a person would, against small bases.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include "admin/Uadmin.h"
#include "store/Files.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/Vocabulary.h"
#include "ui/support/UiTest.h"

using testsupport::CrLf;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

namespace {

std::string Header(const std::string& region, const std::string& colour,
                   const std::string& appellation) {
    return "[" + store::PadText(region, 20) + "][" + store::PadText(colour, 10) + "](" +
           store::PadText(appellation, 30) + ")";
}
std::string YearHeader(const std::string& region, const std::string& appellation) {
    return "[" + store::PadText(region, 20) + "](" + store::PadText(appellation, 30) + ")";
}

using Kind = ui::testing::BoxKind;

class AdminTest : public testsupport::UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        store::LoadVocabulary(store::DataLanguage::French);
        WriteFileBytes(
            "Vins.dat",
            store::Cp1252(CrLf(
                {Header("Bordeaux", "Rouge", "Pauillac"), "   Temp =17", "   Garde=10 à 30 ans",
                 "   Plats=", "      Plats  :Agneau                        ",
                 Header("Bordeaux", "Blanc", "Graves"), "   Temp =10", "   Garde=3 ans",
                 "   Plats=", "      Fromage:Brie", Header("Bordeaux", "Rouge", "Graves"),
                 "   Temp =16", "   Garde=5 à 10 ans",
                 "   Plats=", Header("Alsace", "Blanc", "Riesling"), "   Temp =9",
                 "   Garde=2 à 8 ans", "   Plats=", "      Entrées:Huîtres"})));
        WriteFileBytes("Annee.dat", CrLf({YearHeader("Bordeaux", "Pauillac"), "      1990,17",
                                          YearHeader("Bordeaux", "Graves"), "      2000,16",
                                          YearHeader("Alsace", "Riesling"), "      2001,14"}));
    }

    void open() {
        window = std::make_unique<Tadminbase>();
        window->show();
    }
    template <class T> T* find(const char* name) {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QComboBox* combo(const char* name) { return find<QComboBox>(name); }
    QLineEdit* edit(const char* name) { return find<QLineEdit>(name); }
    void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }

    // The person picks an entry of a list.
    void choose(const char* name, const QString& text) {
        QComboBox* box = combo(name);
        const int at = box->findText(text);
        ASSERT_GE(at, 0) << text.toStdString();
        box->setCurrentIndex(at);
        emit box->activated(at);
    }
    void typeInto(QLineEdit* e, const QString& text) {
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        e->setCursorPosition(0);
        // One key event per character, accents included (QTest types only plain ASCII).
        for (const QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(e, &press);
        }
    }
    void addDish(int course, const QString& dish) {
        QTest::mouseClick(
            find<QRadioButton>(qPrintable(QStringLiteral("select_plat%1").arg(course))),
            Qt::LeftButton);
        combo("liste_des_plats")->setEditText(dish);
        click("Ajout_plat");
    }
    void addVintage(const QString& year, const QString& mark) {
        typeInto(edit("millesime"), year);
        typeInto(edit("note"), mark);
        click("ajoute_annee");
    }
    QStringList rows(const char* list) {
        QStringList out;
        auto* tree = find<QTreeWidget>(list);
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            out << tree->topLevelItem(i)->text(0) + "|" + tree->topLevelItem(i)->text(1);
        return out;
    }
    // Numbers of the warnings shown, with 0 for a text given at the place.
    std::vector<int> warnings() {
        std::vector<int> out;
        for (const auto& box : recorder->boxesOf(Kind::Warning))
            out.push_back(box.number);
        recorder->clear();
        return out;
    }

    std::unique_ptr<Tadminbase> window;
};

TEST_F(AdminTest, OkSavesTheAppellationAndEmptiesTheWindowForTheNext) {
    open();
    choose("Liste_appel", "Pauillac");
    EXPECT_EQ(combo("Liste_region")->currentText(), "Bordeaux");
    EXPECT_EQ(combo("Liste_coul")->currentText(), "Rouge");
    EXPECT_EQ(edit("Temperature")->text(), "17");
    EXPECT_EQ(edit("Garde")->text(), QString::fromUtf8("10 à 30 ans"));
    EXPECT_EQ(rows("liste_plats"), QStringList{"Plats|Agneau"});
    EXPECT_EQ(rows("liste_annee"), QStringList{"1990|17/20"});

    addDish(3, "Tarte");
    addDish(2, "Comté");
    addDish(0, QString::fromUtf8("Pâté"));
    addDish(1, "Gigot");
    addDish(0, "Melon");
    addVintage("1995", "5");
    addVintage("2005", "20");
    addVintage("1982", "21");
    EXPECT_EQ(warnings(), std::vector<int>{26});
    EXPECT_EQ(rows("liste_plats"),
              (QStringList{"Entrées|Melon", QString::fromUtf8("Entrées|Pâté"), "Plats|Agneau",
                           "Plats|Gigot", "Fromage|Comté", "Dessert|Tarte"}));
    EXPECT_EQ(rows("liste_annee"), (QStringList{"2005|20/20", "1995|05/20", "1990|17/20"}));
    typeInto(edit("Temperature"), "16 à 18");

    click("BitBtn1");
    EXPECT_TRUE(warnings().empty());
    EXPECT_TRUE(window->isVisible());
    const std::string base = ReadFileBytes("Vins.dat");
    EXPECT_NE(base.find(store::Cp1252(CrLf(
                  {Header("Bordeaux", "Rouge", "Pauillac"), "   Temp =16 à 18",
                   "   Garde=10 à 30 ans", "   Plats=", "      Entrées:Melon", "      Entrées:Pâté",
                   "      Plats  :Agneau", "      Plats  :Gigot", "      Fromage:Comté",
                   "      Dessert:Tarte", Header("Bordeaux", "Blanc", "Graves")}))),
              std::string::npos);
    const std::string chart = ReadFileBytes("Annee.dat");
    EXPECT_EQ(chart, CrLf({YearHeader("Bordeaux", "Pauillac"), "      2005,20", "      1995,05",
                           "      1990,17", YearHeader("Bordeaux", "Graves"), "      2000,16",
                           YearHeader("Alsace", "Riesling"), "      2001,14"}));
    for (const char* name : {"Liste_coul", "Liste_region", "Liste_appel", "liste_des_plats"})
        EXPECT_TRUE(combo(name)->currentText().isEmpty()) << name;
    for (const char* name : {"Temperature", "Garde", "millesime", "note"})
        EXPECT_TRUE(edit(name)->text().isEmpty()) << name;
    EXPECT_TRUE(rows("liste_plats").isEmpty());
    EXPECT_TRUE(rows("liste_annee").isEmpty());

    click("BitBtn1");
    EXPECT_EQ(warnings(), std::vector<int>{3});
    EXPECT_EQ(ReadFileBytes("Vins.dat"), base);
    EXPECT_EQ(ReadFileBytes("Annee.dat"), chart);
}

// A mark stored in one digit, or blank, is saved back as a mark, never with the "/" of the list.
TEST_F(AdminTest, MarksOfOtherWidthsAreSavedBackAsMarks) {
    WriteFileBytes("Annee.dat", CrLf({YearHeader("Bordeaux", "Pauillac"), "      1990,7",
                                      "      1985, 9", "      1982,", "      1981,x"}));
    open();
    choose("Liste_appel", "Pauillac");
    EXPECT_EQ(rows("liste_annee"),
              (QStringList{"1990|07/20", "1985|09/20", "1982|/20", "1981|x/20"}));
    find<QTreeWidget>("liste_annee")->setCurrentItem(
        find<QTreeWidget>("liste_annee")->topLevelItem(0));
    emit find<QTreeWidget>("liste_annee")
        ->itemClicked(find<QTreeWidget>("liste_annee")->topLevelItem(0), 0);
    EXPECT_EQ(edit("note")->text(), "07");
    click("BitBtn1");
    EXPECT_EQ(ReadFileBytes("Annee.dat"),
              CrLf({YearHeader("Bordeaux", "Pauillac"), "      1990,07", "      1985,09",
                    "      1982,  ", "      1981,x "}));
}

TEST_F(AdminTest, RefusedEntriesOfDishesAndVintages) {
    open();
    choose("Liste_appel", "Riesling");
    const struct {
        const char* name;
        std::function<void()> act;
        int warning;
    } cases[] = {
        {"no dish", [&] { addDish(0, "   "); }, 0},
        {"dish already listed", [&] { addDish(0, QString::fromUtf8("Huîtres")); }, 22},
        {"no dish selected", [&] { click("supprime_plat"); }, 18},
        {"no year", [&] { addVintage("", "12"); }, 0},
        {"year of three digits", [&] { addVintage("199", "12"); }, 28},
        {"letters are no mark", [&] { addVintage("1999", "ab"); }, 27},
        {"mark 99", [&] { addVintage("1999", "99"); }, 26},
        {"year already listed", [&] { addVintage("2001", "10"); }, 25},
        {"no year selected", [&] { click("supprime_annee"); }, 21},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.act();
        const auto boxes = recorder->boxesOf(Kind::Warning);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].number, c.warning);
        recorder->clear();
    }
    EXPECT_EQ(rows("liste_plats"), QStringList{QString::fromUtf8("Entrées|Huîtres")});
    EXPECT_EQ(rows("liste_annee"), QStringList{"2001|14/20"});

    // The two wordings given with the texts at the places where something is typed.
    addDish(1, "");
    addVintage("", "");
    const auto boxes = recorder->boxesOf(Kind::Warning);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Vous n'avez saisi aucun plat");
    EXPECT_EQ(boxes[1].text, QString::fromUtf8("Vous n'avez saisi aucune année"));
    recorder->clear();

    // A 30-character dish with accents fits; a longer one is cut; a character the files cannot
    // hold is refused as it is typed.
    const QString thirty = QString::fromUtf8("Pâté de canard à l'ancienne éé");
    ASSERT_EQ(thirty.size(), 30);
    addDish(1, thirty + "xyz");
    EXPECT_TRUE(rows("liste_plats").contains("Plats|" + thirty));
    QLineEdit* dishEdit = combo("liste_des_plats")->lineEdit();
    dishEdit->clear();
    for (const QString& key :
         {QString::fromUtf8("B"), QString::fromUtf8("œ"), QString::fromUtf8("✓")}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, key);
        QApplication::sendEvent(dishEdit, &press);
    }
    EXPECT_EQ(dishEdit->text(), QString::fromUtf8("Bœ"));
    EXPECT_FALSE(recorder->boxesOf(Kind::Refusal).empty());

    // A row clicked comes back into the boxes; removing rows works on the selection.
    auto* years = find<QTreeWidget>("liste_annee");
    QTest::mouseClick(years->viewport(), Qt::LeftButton, {},
                      years->visualItemRect(years->topLevelItem(0)).center());
    EXPECT_EQ(edit("millesime")->text(), "2001");
    EXPECT_EQ(edit("note")->text(), "14");
    click("supprime_annee");
    EXPECT_TRUE(rows("liste_annee").isEmpty());
}

TEST_F(AdminTest, AnAppellationInTwoColours) {
    open();
    choose("Liste_appel", "Graves");
    EXPECT_EQ(combo("Liste_coul")->currentText(), "Blanc");
    EXPECT_EQ(edit("Temperature")->text(), "10");
    EXPECT_EQ(rows("liste_plats"), QStringList{"Fromage|Brie"});
    choose("Liste_coul", "Rouge");
    EXPECT_EQ(edit("Temperature")->text(), "16");
    EXPECT_TRUE(rows("liste_plats").isEmpty());
    EXPECT_EQ(rows("liste_annee"), QStringList{"2000|16/20"});

    // The red one goes; the marks stay with the white one, which the list still offers.
    click("BitBtn6");
    EXPECT_TRUE(warnings().empty());
    EXPECT_EQ(ReadFileBytes("Vins.dat").find(Header("Bordeaux", "Rouge", "Graves")),
              std::string::npos);
    EXPECT_NE(ReadFileBytes("Annee.dat").find(YearHeader("Bordeaux", "Graves")), std::string::npos);
    EXPECT_TRUE(combo("Liste_appel")->currentText().isEmpty());
    EXPECT_TRUE(edit("Temperature")->text().isEmpty());
    choose("Liste_appel", "Graves");
    EXPECT_EQ(combo("Liste_coul")->currentText(), "Blanc");
    click("BitBtn6");
    EXPECT_EQ(ReadFileBytes("Vins.dat").find("Graves"), std::string::npos);
    EXPECT_EQ(ReadFileBytes("Annee.dat"),
              CrLf({YearHeader("Bordeaux", "Pauillac"), "      1990,17",
                    YearHeader("Alsace", "Riesling"), "      2001,14"}));
    EXPECT_EQ(combo("Liste_appel")->findText("Graves"), -1);

    // Nothing chosen, then a colour the appellation does not have: nothing is written.
    const std::string base = ReadFileBytes("Vins.dat"), chart = ReadFileBytes("Annee.dat");
    click("BitBtn6");
    EXPECT_EQ(warnings(), std::vector<int>{24});
    choose("Liste_appel", "Pauillac");
    choose("Liste_coul", "Blanc");
    click("BitBtn6");
    EXPECT_EQ(warnings(), std::vector<int>{23});
    EXPECT_EQ(ReadFileBytes("Vins.dat"), base);
    EXPECT_EQ(ReadFileBytes("Annee.dat"), chart);
}

TEST_F(AdminTest, ATypedNameInNoSectionNeverReachesTheFiles) {
    open();
    const std::string base = ReadFileBytes("Vins.dat");
    choose("Liste_coul", "Rouge");
    choose("Liste_region", "Bordeaux");
    QTest::keyClicks(combo("Liste_appel")->lineEdit(), "Chinon");
    EXPECT_EQ(combo("Liste_region")->currentIndex(), -1);
    click("BitBtn1");
    EXPECT_EQ(warnings(), std::vector<int>{4});
    choose("Liste_region", "Bordeaux");
    EXPECT_TRUE(combo("Liste_appel")->currentText().isEmpty());
    click("BitBtn1");
    EXPECT_EQ(warnings(), std::vector<int>{5});
    EXPECT_EQ(ReadFileBytes("Vins.dat"), base);

    // Typing a known name in full loads it; the region box narrows the list.
    QTest::keyClicks(combo("Liste_appel")->lineEdit(), "Riesling");
    EXPECT_EQ(combo("Liste_region")->currentText(), "Alsace");
    EXPECT_EQ(edit("Temperature")->text(), "9");
    QTest::mouseClick(find<QCheckBox>("select_touteappel"), Qt::LeftButton);
    EXPECT_EQ(combo("Liste_appel")->count(), 1);
    EXPECT_EQ(combo("Liste_appel")->currentText(), "Riesling");
    choose("Liste_region", "Bordeaux");
    EXPECT_EQ(combo("Liste_appel")->count(), 2);
    EXPECT_TRUE(combo("Liste_appel")->currentText().isEmpty());
}

TEST_F(AdminTest, AFailedSaveKeepsTheFilesAndTheEntries) {
    open();
    choose("Liste_appel", "Pauillac");
    addVintage("1995", "5");
    const std::string base = ReadFileBytes("Vins.dat"), chart = ReadFileBytes("Annee.dat");
    store::files_testing::FailWritesAfter(0);
    click("BitBtn1");
    store::files_testing::FailWritesAfter(-1);
    EXPECT_EQ(recorder->boxesOf(Kind::Error).size(), 1u);
    EXPECT_EQ(ReadFileBytes("Vins.dat"), base);
    EXPECT_EQ(ReadFileBytes("Annee.dat"), chart);
    EXPECT_EQ(rows("liste_annee"), (QStringList{"1995|05/20", "1990|17/20"}));
    EXPECT_EQ(combo("Liste_appel")->currentText(), "Pauillac");
}

TEST_F(AdminTest, EnglishTextsAndCourses) {
    store::LoadVocabulary(store::DataLanguage::English);
    store::State().language = store::DataLanguage::English;
    WriteFileBytes("Wines.dat",
                   CrLf({Header("Bordeaux", "Red", "Pauillac"), "   Temp =17", "   Keep =10 years",
                         "   Dishes=", "      Cheeses:Brie", "      Courses:Lamb"}));
    loadEnglish();
    open();
    EXPECT_EQ(window->windowTitle(), "Appellation administration");
    EXPECT_EQ(find<QPushButton>("BitBtn2")->text(), "Ca&ncel");
    choose("Liste_appel", "Pauillac");
    EXPECT_EQ(rows("liste_plats"), (QStringList{"Courses|Lamb", "Cheeses|Brie"}));
    addDish(0, "Melon");
    addDish(3, "Tart");
    click("BitBtn1");
    EXPECT_EQ(ReadFileBytes("Wines.dat"),
              CrLf({Header("Bordeaux", "Red", "Pauillac"), "   Temp =17", "   Keep =10 years",
                    "   Dishes=", "      Starter:Melon", "      Courses:Lamb", "      Cheeses:Brie",
                    "      Dessert:Tart"}));
    EXPECT_EQ(ReadFileBytes("Year.dat"), CrLf({YearHeader("Bordeaux", "Pauillac")}));
    click("BitBtn3");
    const auto help = recorder->boxesOf(Kind::Help);
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0].number, 13);
}

// A click anywhere into an empty year or mark box, then typing, fills it from its first digit.
TEST_F(AdminTest, ClickIntoTheMiddleOfTheYearAndMarkThenTypeAddsTheVintage) {
    open();
    choose("Liste_appel", "Pauillac");
    for (const auto& [name, typed] : {std::pair{"millesime", "1995"}, std::pair{"note", "5"}}) {
        QLineEdit* box = edit(name);
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center());
        QTest::keyClicks(box, typed);
    }
    click("ajoute_annee");
    EXPECT_EQ(warnings(), std::vector<int>{});
    EXPECT_EQ(rows("liste_annee"), (QStringList{"1995|05/20", "1990|17/20"}));
}

} // namespace
