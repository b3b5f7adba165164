// Editing wines in place: the bytes of the cellar file after each kind of save, stepping.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>

#include "cellar/CellarWindowTest.h"
#include "cellar/Ucaract.h"
#include "cellar/Uzoom.h"
#include "store/RefBases.h"
#include "store/WineEntry.h"

using namespace testsupport;

namespace {

class ZoomTest : public CellarWindowTest {
protected:
    void SetUp() override {
        CellarWindowTest::SetUp();
        WriteBases();
        for (const char* vintage : {"1990", "1995", "2000"})
            store::InsertCellarWine(Wine("Rouge", "Bordeaux", "Pauillac", vintage));
        cellar::State().lastRow = 2;
    }

    // Opens the window on a row of the (unfiltered) list, as the cellar book does.
    void OpenAt(int row) {
        cellar::State().selectedRow = row;
        cellar::State().currentWinePosition = store::CellarPositionOfMatch(row + 1);
        form = std::make_unique<TZoomForm>();
    }
    QLineEdit* Edit(const char* name) { return form->findChild<QLineEdit*>(name); }
    QComboBox* Box(const char* name) { return form->findChild<QComboBox*>(name); }
    std::vector<std::string> Vintages() {
        std::vector<std::string> result;
        store::LineReader in;
        if (!store::OpenTextForReading(in, "Cave.dat")) return result;
        store::CellarWine w;
        while (!in.eof() && store::ReadCellarWine(in, w)) result.push_back(w.vintage + "x" + w.quantity);
        return result;
    }

    std::unique_ptr<TZoomForm> form;
};

TEST_F(ZoomTest, LoadsTheWineWithoutRunningTheCascade) {
    store::CellarWine odd = Wine("Rouge", "Bordeaux", "Autre Appellation", "1980");
    odd.peakYear = "2100";
    odd.mark = "Exquis";
    odd.bottleFormat = store::PadText("Jeroboam", 10);
    store::InsertCellarWine(odd);
    OpenAt(0);
    EXPECT_EQ(Box("Liste_appel")->currentText(), "[Autre Appellation]");
    EXPECT_EQ(Edit("apogee")->text(), "2100"); // the stored peak year, not a proposal
    EXPECT_EQ(Box("Appreciation")->currentText(), "Aucune");
    EXPECT_EQ(Box("format")->currentText(), "Bouteille");
    EXPECT_EQ(Edit("Quantite")->text(), "6");
    EXPECT_EQ(Edit("prix")->text(), "10.00");

    // A mark and a bottle format the lists do not hold are kept while the user leaves them alone.
    Edit("Remarques")->setText("Superbe");
    form->BitBtn1Click();
    EXPECT_TRUE(recorder->boxes().empty());
    odd.remarks = store::PadText("Superbe", 50);
    const std::string record = CrLf(store::CellarWineLines(store::PaddedCellarWine(odd)));
    EXPECT_EQ(ReadFileBytes("Cave.dat").substr(0, record.size()), record); // 1980 comes first
}

// Fields the user did not touch keep their stored bytes, and a wine left alone is not rewritten.
TEST_F(ZoomTest, UntouchedFieldsKeepTheirStoredBytes) {
    store::CellarWine odd = Wine("Rouge", "Bordeaux", "Pauillac", "1980");
    odd.price = "  1234  "; // the price mask cannot show this as stored
    odd.purchaseDate = "01-02-1998";
    store::InsertCellarWine(odd);
    const std::string before = ReadFileBytes("Cave.dat");
    OpenAt(0);
    form->show();
    QApplication::setActiveWindow(form.get());
    Edit("prix")->setFocus(); // passing through the box changes nothing
    Edit("Emplacement")->setFocus();
    form->BitBtn7Click();
    form->BitBtn6Click();
    EXPECT_EQ(form->loadedWine().vintage, "1980");
    EXPECT_EQ(ReadFileBytes("Cave.dat"), before);

    Edit("Emplacement")->setText("B2");
    Edit("prix")->setText("15.5");
    form->BitBtn1Click();
    EXPECT_TRUE(recorder->boxes().empty());
    odd.location = store::PadText("B2", 10);
    odd.price = "   15.50"; // only an edited field is normalised
    EXPECT_EQ(ReadFileBytes("Cave.dat").substr(0, 324), CrLf(store::CellarWineLines(odd)));
}

// Two lots of one wine, equal on every field a delete compares: the one shown is the one saved.
TEST_F(ZoomTest, TheWineShownIsTheOneSavedNotALookAlike) {
    store::CellarWine first = Wine("Rouge", "Bordeaux", "Pauillac", "1980");
    store::CellarWine second = first;
    second.owner = store::PadText("Paul", 50);
    second.bottleFormat = store::PadText("Magnum", 10);
    store::InsertCellarWine(first);
    store::InsertCellarWine(second); // goes before its equal: row 0
    cellar::State().lastRow = 4;
    OpenAt(1);
    ASSERT_EQ(form->loadedWine().owner, first.owner);
    Edit("Remarques")->setText("Le mien");
    form->BitBtn1Click();
    EXPECT_TRUE(recorder->boxes().empty());
    EXPECT_EQ(store::ReadCellarWineAt(1, second) ? second.owner : "", store::PadText("Paul", 50));
    EXPECT_EQ(second.remarks, store::Blanks(50));
    store::CellarWine mine;
    ASSERT_TRUE(store::ReadCellarWineAt(0, mine)); // the edited one goes before its equal
    EXPECT_EQ(mine.remarks, store::PadText("Le mien", 50));
    EXPECT_EQ(mine.owner, first.owner);
}

// With equal keys and after a save that moves the wine, each wine of the list is shown once.
TEST_F(ZoomTest, SteppingVisitsEachWineOnceWhateverKeysAreEqual) {
    store::CellarWine lot = Wine("Rouge", "Bordeaux", "Pauillac", "1990");
    lot.remarks = store::PadText("lot 2", 50);
    store::InsertCellarWine(lot); // 1990 lot 2, 1990, 1995, 2000
    cellar::State().lastRow = 3;
    auto remarks = [this] {
        return store::RightTrim(form->loadedWine().remarks) + form->loadedWine().vintage;
    };
    OpenAt(0);
    std::vector<std::string> seen{remarks()};
    for (int i = 0; i < 4; ++i) {
        form->BitBtn7Click();
        seen.push_back(remarks());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"lot 21990", "1990", "1995", "2000", "2000"}));
    for (int i = 0; i < 3; ++i)
        form->BitBtn6Click();
    EXPECT_EQ(remarks(), "lot 21990");

    // The second lot, once edited, goes before its equal: next is still the wine after it.
    form->BitBtn7Click();
    Edit("Remarques")->setText("bu vite");
    form->BitBtn7Click();
    EXPECT_EQ(remarks(), "1995");
    EXPECT_EQ(cellar::State().selectedRow, 2);
    form->BitBtn6Click();
    EXPECT_EQ(remarks(), "lot 21990");
    EXPECT_EQ(cellar::State().selectedRow, 1);
}

// A failed rewrite loses no wine.
TEST_F(ZoomTest, AFailedSaveKeepsTheCellar) {
    const std::string before = ReadFileBytes("Cave.dat");
    OpenAt(0);
    Edit("millesime")->setText("1999");
    for (long budget : {0L, 400L, 700L}) {
        store::files_testing::FailWritesAfter(budget);
        form->BitBtn1Click();
        EXPECT_EQ(ReadFileBytes("Cave.dat"), before) << budget;
        EXPECT_EQ(form->result(), 0);
    }
    store::files_testing::FailWritesAfter(-1);
    form->BitBtn1Click();
    EXPECT_EQ(Vintages(), (std::vector<std::string>{"1995x 6", "1999x 6", "2000x 6"}));
}

TEST_F(ZoomTest, SavesInPlaceMovesAndRemoves) {
    OpenAt(1);
    Edit("Remarques")->setText("Superbe");
    form->BitBtn1Click();
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(Vintages(), (std::vector<std::string>{"1990x 6", "1995x 6", "2000x 6"}));
    EXPECT_NE(ReadFileBytes("Cave.dat").find(store::PadText("Superbe", 50)), std::string::npos);

    OpenAt(0);
    Edit("millesime")->setText("1998"); // the vintage orders the file: the wine moves
    form->BitBtn1Click();
    EXPECT_EQ(Vintages(), (std::vector<std::string>{"1995x 6", "1998x 6", "2000x 6"}));
    EXPECT_EQ(cellar::State().selectedRow, 1); // the cellar book reselects the moved wine

    OpenAt(2);
    Edit("Quantite")->setText("99");
    form->BitBtn1Click();
    OpenAt(2);
    Edit("Quantite")->setText("0");
    form->BitBtn1Click();
    EXPECT_TRUE(recorder->boxes().empty());
    EXPECT_EQ(Vintages(), (std::vector<std::string>{"1995x 6", "1998x 6"}));
    EXPECT_FALSE(Exists("Stat.dat")); // leaving through the zoom window is not drinking

    OpenAt(0);
    Edit("Quantite")->setText("");
    form->BitBtn1Click();
    ASSERT_EQ(recorder->boxes().size(), 1u);
    EXPECT_EQ(recorder->boxes()[0].number, 7);
    EXPECT_EQ(form->result(), 0);
}

TEST_F(ZoomTest, SteppingSavesFirstAndNeverShowsAWrongWine) {
    OpenAt(0);
    form->BitBtn6Click(); // previous at the first row: saved, stays
    EXPECT_EQ(cellar::State().selectedRow, 0);
    EXPECT_EQ(form->loadedWine().vintage, "1990");
    form->BitBtn7Click();
    EXPECT_EQ(form->loadedWine().vintage, "1995");

    // Moving the wine shown past the next one: the next wine is still the one that followed it.
    Edit("millesime")->setText("2005");
    form->BitBtn7Click();
    EXPECT_EQ(form->loadedWine().vintage, "2000");
    EXPECT_EQ(cellar::State().selectedRow, 1);
    form->BitBtn7Click();
    EXPECT_EQ(form->loadedWine().vintage, "2005");
    Edit("millesime")->setText("1997");
    form->BitBtn6Click();
    EXPECT_EQ(form->loadedWine().vintage, "2000");
    form->BitBtn7Click();
    form->BitBtn7Click(); // next at the last row: saved, stays
    EXPECT_EQ(form->loadedWine().vintage, "2000");

    // Removing the wine shown: previous shows the wine before it; the list is one row shorter.
    Edit("Quantite")->setText("0");
    form->BitBtn6Click();
    EXPECT_EQ(form->loadedWine().vintage, "1997");
    EXPECT_EQ(cellar::State().lastRow, 1);
    Edit("Quantite")->setText("0");
    form->BitBtn7Click(); // no wine after it: the window closes
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(Vintages(), (std::vector<std::string>{"1990x 6"}));
}

TEST_F(ZoomTest, AWineChangedOnDiskMeanwhileIsNotSavedOver) {
    OpenAt(1);
    const std::string changed = ReadFileBytes("Cave.dat");
    std::string edited = changed;
    edited.replace(edited.find("1995"), 4, "1996"); // another program changed the record
    WriteFileBytes("Cave.dat", edited);
    Edit("Remarques")->setText("Mine");
    form->BitBtn1Click();
    EXPECT_EQ(ReadFileBytes("Cave.dat"), edited);
    ASSERT_EQ(recorder->boxes().size(), 1u);
    EXPECT_EQ(form->result(), 0);

    // Nor are the bases told of a new appellation or domaine, nor is a look-alike saved over:
    // the owner differs, which a delete would not see.
    WriteFileBytes("Cave.dat", changed);
    OpenAt(1);
    store::CellarWine other = form->loadedWine();
    other.owner = store::PadText("Quelqu'un", 50);
    std::vector<std::string> lines;
    for (long i = 0; i < 3; ++i) {
        store::CellarWine w;
        ASSERT_TRUE(store::ReadCellarWineAt(i, w));
        for (const auto& line : store::CellarWineLines(i == 1 ? other : w))
            lines.push_back(line);
    }
    WriteFileBytes("Cave.dat", CrLf(lines));
    const std::string lookAlike = ReadFileBytes("Cave.dat");
    const std::string bases = ReadFileBytes("Vins.dat") + ReadFileBytes("Domaine.dat");
    Box("Liste_appel")->setEditText("Moulis");
    Box("Liste_domaine")->setEditText("Chasse-Spleen");
    Choose(Box("Liste_region"), "Bordeaux");
    form->BitBtn1Click();
    EXPECT_EQ(recorder->boxes().size(), 2u);
    EXPECT_EQ(ReadFileBytes("Cave.dat"), lookAlike);
    EXPECT_EQ(ReadFileBytes("Vins.dat") + ReadFileBytes("Domaine.dat"), bases);
    EXPECT_FALSE(Exists("Annee.dat"));
}

TEST_F(ZoomTest, AnAppellationOutsideTheNarrowedListIsKeptAndItsBlockUntouched) {
    store::InsertCellarWine(Wine("Blanc", "Alsace", "Riesling", "1990")); // row 0
    cellar::State().lastRow = 3;
    OpenAt(0);
    form->findChild<QCheckBox*>("select_touteappel")->click(); // appellations of Alsace only
    const std::string bases = ReadFileBytes("Vins.dat");
    form->BitBtn7Click(); // the next wine is a Pauillac, which the narrowed list does not hold
    EXPECT_EQ(form->loadedWine().appellation, store::PadText("Pauillac", 30));
    EXPECT_EQ(Box("Liste_appel")->currentText(), "Pauillac");
    form->BitBtn1Click();
    EXPECT_TRUE(recorder->boxes().empty());
    EXPECT_EQ(ReadFileBytes("Vins.dat"), bases); // its temperature and keeping period stay
    EXPECT_EQ(Vintages().size(), 4u);
}

TEST_F(ZoomTest, CharacteristicsShowTheLoadedWineNotTheScreen) {
    OpenAt(0);
    Edit("millesime")->setText("2010");
    recorder->queueModal([](QDialog& dialog) {
        EXPECT_STREQ(dialog.metaObject()->className(), "TVinForm");
        return 0;
    });
    form->BitBtn5Click();
    const auto& selected = cellar::State().selectedAppellation;
    EXPECT_EQ(selected.vintage, "1990");
    EXPECT_EQ(selected.appellation, store::PadText("Pauillac", 30));
}

} // namespace

namespace {

TEST_F(ZoomTest, LabelsOpenTheLabelCountWithTheWineOnTheScreen) {
    OpenAt(0);
    Edit("Remarques")->setText("Cadeau");
    form->BitBtn4Click();
    const auto modals = recorder->boxesOf(ui::testing::BoxKind::Modal);
    ASSERT_EQ(modals.size(), 1u);
    EXPECT_EQ(modals[0].text, "TStickerform");
    EXPECT_EQ(store::RightTrim(cellar::State().labelWine.remarks), "Cadeau");
    EXPECT_EQ(ReadFileBytes("Cave.dat").find("Cadeau"), std::string::npos); // nothing saved
}

} // namespace
