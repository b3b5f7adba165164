// Choosing a wine: the appellations of the base in locale order, by colour, narrowed to what
// the cellar held at the first click, and the characteristics of the chosen row.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "advice/AdviceWindowTest.h"
#include "advice/AppellationKeys.h"
#include "advice/Uchoixv.h"
#include "cellar/Ucaract.h"
#include "ui/Report.h"
#include "ui/Screen.h"

using namespace testsupport;

static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

class ChoixvinTest : public AdviceWindowTest {
protected:
    void SetUp() override {
        AdviceWindowTest::SetUp();
        // Out of order on purpose; Graves in two colours; a header cut short; a long line.
        WriteBase({Header("Rhône", "Rouge", "Crozes-Hermitage"), "   Temp =16",
                   "   Plats=", Dish("Plats", "Gibier"), Header("Bordeaux", "Rouge", "Graves"),
                   "   Temp =16", Header("Rhône", "Rouge", "Côtes du Rhône"), std::string(300, 'x'),
                   Header("Bordeaux", "Blanc", "Graves"), "   Temp =10",
                   Header("Rhône", "Rouge", "Châteauneuf-du-Pape"),
                   "[" + store::PadText("Loire", 20) + "][Blanc"});
    }

    static QStringList Appellations(const TChoixvin& form) {
        QStringList names;
        for (const QStringList& row : Rows(form.findChild<QTreeWidget*>("liste_vins")))
            names << row[0];
        return names;
    }

    static void ClickCellar(TChoixvin& form, bool cellarOnly) {
        form.findChild<QWidget*>("select_cave")
            ->findChildren<QRadioButton*>()[cellarOnly ? 1 : 0]
            ->click();
    }
};

TEST_F(ChoixvinTest, RowsInLocaleOrderWithEveryBlockOnce) {
    TChoixvin form;
    EXPECT_EQ(form.windowTitle(), "Choisir un vin...");
    EXPECT_EQ(Appellations(form), (QStringList{"", QString::fromUtf8("Châteauneuf-du-Pape"),
                                               QString::fromUtf8("Côtes du Rhône"),
                                               "Crozes-Hermitage", "Graves", "Graves"}));
    const auto rows = Rows(form.findChild<QTreeWidget*>("liste_vins"));
    EXPECT_EQ(rows[4], (QStringList{"Graves", "Rouge", "Bordeaux"})); // in the order of the base
    EXPECT_EQ(rows[0], (QStringList{"", "Blanc", "Loire"}));
    for (const std::string& key : form.keys())
        EXPECT_EQ(key.size(), 61u);

    auto* colours = form.findChild<QComboBox*>("Liste_coul");
    EXPECT_EQ(colours->itemText(0), "[Toutes]");
    EXPECT_EQ(colours->currentIndex(), 0);
    EXPECT_EQ(colours->count(), 1 + store::State().lists.colours.count());
}

TEST_F(ChoixvinTest, ColourFilterThenEveryColourAgain) {
    TChoixvin form;
    auto* colours = form.findChild<QComboBox*>("Liste_coul");
    Choose(colours, "Blanc");
    EXPECT_EQ(Rows(form.findChild<QTreeWidget*>("liste_vins")),
              (std::vector<QStringList>{{"", "Blanc", "Loire"}, {"Graves", "Blanc", "Bordeaux"}}));
    Choose(colours, QString::fromUtf8("Rosé"));
    EXPECT_TRUE(Appellations(form).isEmpty());
    Choose(colours, "[Toutes]");
    EXPECT_EQ(Appellations(form).size(), 6);
}

// Enter in a criterion neither closes the window nor changes the choice.
TEST_F(ChoixvinTest, EnterInACriterionKeepsTheWindowOpen) {
    TChoixvin form;
    form.show();
    auto* colours = form.findChild<QComboBox*>("Liste_coul");
    Choose(colours, "Blanc");
    for (QWidget* criterion : {static_cast<QWidget*>(colours),
                               static_cast<QWidget*>(form.findChildren<QRadioButton*>().first())}) {
        criterion->setFocus();
        QTest::keyClick(criterion, Qt::Key_Return);
        EXPECT_TRUE(form.isVisible()) << criterion->metaObject()->className();
    }
    EXPECT_EQ(colours->currentText(), "Blanc");
    EXPECT_EQ(Appellations(form).size(), 2);
}

TEST_F(ChoixvinTest, CellarReadOnceAtTheFirstClick) {
    WriteCellar({Wine("Rouge", "Bordeaux", "Graves", "2000"),
                 Wine("Rouge", "Bordeaux", "Graves", "2005"),
                 Wine("Rouge", "Bordeaux", "Pauillac", "2000"), // no block: marks nothing
                 Wine("Rouge", "Bordeaux", store::Cp1252("[Autre Appellation]"), "2001"),
                 Wine("Rouge", store::Cp1252("Rhône"), "crozes-hermitage", "2001"), // case differs
                 Wine("Rouge", store::Cp1252("Rhône"), "Crozes-Hermitage", "2003")});
    TChoixvin form;
    ClickCellar(form, true);
    EXPECT_EQ(Appellations(form), (QStringList{"Crozes-Hermitage", "Graves"}));
    EXPECT_EQ(Rows(form.findChild<QTreeWidget*>("liste_vins"))[1][1],
              "Rouge"); // not the white Graves

    // Later clicks keep what the first one read.
    store::DeleteFileIfPresent("Cave.dat");
    ClickCellar(form, false);
    EXPECT_EQ(Appellations(form).size(), 6);
    ClickCellar(form, true);
    EXPECT_EQ(Appellations(form).size(), 2);
    Choose(form.findChild<QComboBox*>("Liste_coul"), "Blanc");
    EXPECT_TRUE(Appellations(form).isEmpty());
}

TEST_F(ChoixvinTest, MarkingMovesEachKeyOnceInTheOrderItsWineWasMet) {
    WriteBase({Header("Bordeaux", "Rouge", "Graves"), Header("Bordeaux", "Blanc", "Graves"),
               Header("Bordeaux", "Rouge", "Graves"), Header("Alsace", "Blanc", "Riesling")});
    WriteCellar({Wine("Blanc", "Bordeaux", "Graves", "2000"),
                 Wine("Rouge", "Bordeaux", "Graves", "2000"),
                 Wine("Blanc", "Bordeaux", "Graves", "2001")});
    advice::AppellationKeys keys = advice::BuildAppellationKeys();
    advice::MarkCellarKeys(keys);
    auto key = [](const char* region, const char* colour, const char* appellation,
                  const char* flag) {
        return store::PadText(region, 20) + store::PadText(colour, 10) +
               store::PadText(appellation, 30) + flag;
    };
    EXPECT_EQ(keys, (advice::AppellationKeys{key("Bordeaux", "Rouge", "Graves", "N"),
                                             key("Alsace", "Blanc", "Riesling", "N"),
                                             key("Bordeaux", "Blanc", "Graves", "O"),
                                             key("Bordeaux", "Rouge", "Graves", "O")}));

    store::DeleteFileIfPresent("Cave.dat");
    store::DeleteFileIfPresent("Vins.dat");
    keys = advice::BuildAppellationKeys();
    EXPECT_TRUE(keys.empty());
    advice::MarkCellarKeys(keys);
    TChoixvin form; // nothing to list, nothing said
    ClickCellar(form, true);
    EXPECT_TRUE(Appellations(form).isEmpty());
    EXPECT_TRUE(recorder->boxesOf(ui::testing::BoxKind::Warning).empty());
}

TEST_F(ChoixvinTest, CharacteristicsOfTheSelectedRowAndItsSheet) {
    TChoixvin form;
    form.show();
    form.BitBtn2Click();
    ASSERT_EQ(recorder->boxesOf(ui::testing::BoxKind::Warning).size(), 1u);
    EXPECT_EQ(recorder->boxesOf(ui::testing::BoxKind::Warning)[0].number, 17);
    EXPECT_TRUE(recorder->boxesOf(ui::testing::BoxKind::Modal).empty());

    auto* list = form.findChild<QTreeWidget*>("liste_vins");
    QString temperature;
    ui::testing::ReportCapture capture;
    recorder->queueModal([&](QDialog& dialog) {
        temperature = dialog.findChild<QLineEdit*>("Temperature")->text();
        dialog.findChild<QPushButton*>("BitBtn4")->click();
        return int(QDialog::Accepted);
    });
    const QTreeWidgetItem* white = list->topLevelItem(5);
    const QRect cell = list->visualItemRect(white);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    const auto modals = recorder->boxesOf(ui::testing::BoxKind::Modal);
    ASSERT_EQ(modals.size(), 1u);
    EXPECT_EQ(modals[0].text, "TVinForm");
    const cellar::SelectedAppellation& selected = cellar::State().selectedAppellation;
    EXPECT_EQ(selected.colour, store::PadText("Blanc", 10));
    EXPECT_EQ(selected.region, store::PadText("Bordeaux", 20));
    EXPECT_EQ(selected.appellation, store::PadText("Graves", 30));
    EXPECT_TRUE(selected.vintage.empty());
    EXPECT_EQ(temperature, "10");
    ASSERT_EQ(capture.outputs().size(), 0u); // neither dishes nor vintages of the white Graves

    // The Rhône's Crozes-Hermitage has its dish: its sheet prints, by the button as well.
    list->setCurrentItem(list->topLevelItem(3));
    recorder->queueModal([&](QDialog& dialog) {
        dialog.findChild<QPushButton*>("BitBtn4")->click();
        return int(QDialog::Accepted);
    });
    form.findChild<QPushButton*>("BitBtn2")->click();
    ASSERT_EQ(capture.outputs().size(), 1u);
    EXPECT_EQ(capture.outputs()[0].pages[0].bandsOf(ui::BandKind::Detail).front()->texts(),
              (QStringList{"Plats", ":", "Gibier"}));

    // Enter on a row opens it too, and leaves the window open.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(recorder->boxesOf(ui::testing::BoxKind::Modal).size(), 3u);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(ChoixvinTest, DesignWidthsScaledAndEnglishTexts) {
    ui::testing::SetScreen(1280);
    ui::State().scaleWindows = true;
    {
        TChoixvin form;
        auto* list = form.findChild<QTreeWidget*>("liste_vins");
        EXPECT_GE(list->columnWidth(0), 320);
        EXPECT_GE(list->columnWidth(1), 160);
    }
    ui::State().scaleWindows = false;
    ui::testing::SetScreen(0);

    loadEnglish();
    store::LoadVocabulary(store::DataLanguage::English);
    TChoixvin form;
    EXPECT_EQ(form.windowTitle(), "Choose a wine...");
    EXPECT_EQ(form.findChild<QComboBox*>("Liste_coul")->itemText(0), "[All]");
    const QTreeWidgetItem* header = form.findChild<QTreeWidget*>("liste_vins")->headerItem();
    EXPECT_EQ(header->text(0), "Appellation");
    EXPECT_EQ(header->text(1), "Colour");
    EXPECT_EQ(header->text(2), "Region");
    auto radios = form.findChild<QWidget*>("select_cave")->findChildren<QRadioButton*>();
    EXPECT_EQ(radios[1]->text(), "&Wines in the cellar");
}

} // namespace
