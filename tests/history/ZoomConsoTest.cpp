// Correcting an entry of the history: what is shown, the bytes after a save, the checks,
// stepping through the filtered entries, deleting, and entries changed on disk meanwhile.
#include <gtest/gtest.h>

#include <cstdio>

#include <QApplication>
#include <QPushButton>

#include "history/HistoryWindowTest.h"
#include "history/Uzoomconso.h"

using namespace testsupport;

namespace {

class ZoomConsoTest : public HistoryWindowTest {
protected:
    void SetUp() override {
        HistoryWindowTest::SetUp();
        a = Entry("Rouge", "Pauillac", "01/01/2000");
        b = Entry("Blanc", "Graves", "10/01/2000");
        b.domaine = store::PadText(store::Cp1252("Château Olivier"), 50);
        b.guests = store::PadText("Paul", 30);
        c = Entry("Rouge", "Graves", "20/01/2000");
        d = Entry("Rouge", "Pauillac", "30/01/2000");
        WriteHistory({a, b, c, d});
    }

    // Opens the window on a row of the list the filter gives.
    void OpenAt(long position, const char* colour = "[Toutes]") {
        store::State().filter = store::RecordFilter{};
        store::State().filter.colour = colour;
        history::State().selectedPosition = position;
        form = std::make_unique<TZoomConsoForm>();
    }
    QLineEdit* Edit(const char* name) { return form->findChild<QLineEdit*>(name); }
    QComboBox* Box(const char* name) { return form->findChild<QComboBox*>(name); }
    std::string Shown() { return form->currentEntry().drinkDate; }

    store::ConsumedWine a, b, c, d;
    std::unique_ptr<TZoomConsoForm> form;
};

TEST_F(ZoomConsoTest, ShowsTheIdentityReadOnlyAndTheRestToEdit) {
    OpenAt(1);
    for (const char* name : {"Liste_coul", "Liste_region", "Liste_appel", "Liste_domaine"}) {
        EXPECT_FALSE(Box(name)->isEnabled()) << name;
        EXPECT_EQ(Box(name)->count(), 1) << name;
    }
    EXPECT_EQ(Box("Liste_domaine")->currentText(), QString::fromUtf8("Château Olivier"));
    EXPECT_EQ(Box("Liste_coul")->currentText(), "Blanc");
    EXPECT_TRUE(Edit("millesime")->isReadOnly());
    EXPECT_EQ(Edit("millesime")->text(), "1990");
    EXPECT_EQ(Box("Appreciation")->currentText(), "Bon");
    EXPECT_EQ(Box("formatb")->currentText(), "Bouteille");
    EXPECT_EQ(Edit("qte_conso")->text(), "1");
    EXPECT_EQ(Edit("prix")->text(), "10.00");
    EXPECT_EQ(Edit("date_conso")->text(), "10/01/2000");
    EXPECT_EQ(Edit("invites")->text(), "Paul");
}

TEST_F(ZoomConsoTest, ASaveReplacesTheEntryAtItsSortedPlace) {
    OpenAt(1);
    Edit("qte_conso")->setText("2");
    Edit("prix")->setText("12.5");
    Edit("date_conso")->setText("25/01/2000"); // moves after c
    Edit("dateachat")->setText("05/03/1999");
    Edit("invites")->setText(QString::fromUtf8("Les Dupont, les Martin et les Léger"));
    Edit("comment_conso")->setText("Parfait");
    Box("Appreciation")
        ->setCurrentIndex(Box("Appreciation")->findText(QString::fromUtf8("Très Bon")));
    form->BitBtn1Click();
    EXPECT_TRUE(WarningNumbers().empty());
    EXPECT_EQ(form->result(), QDialog::Accepted);

    store::ConsumedWine edited = b;
    edited.quantity = " 2";
    edited.price = "   12.50";
    edited.drinkDate = "25/01/2000";
    edited.purchaseDate = "05/03/1999";
    edited.guests = store::Cp1252("Les Dupont, les Martin et les "); // the box holds 30
    edited.comments = "Parfait";
    edited.mark = store::Cp1252("Très Bon");
    EXPECT_EQ(ReadFileBytes("Stat.dat"), HistoryBytes({a, c, edited, d}));
    EXPECT_FALSE(Exists("Stat.new"));
}

TEST_F(ZoomConsoTest, LeavingThePriceWritesItWithTwoDecimals) {
    OpenAt(0);
    Edit("prix")->setText("12.5");
    Leave(Edit("prix"));
    EXPECT_EQ(Edit("prix")->text(), "12.50");
}

TEST_F(ZoomConsoTest, EachCheckRefusesWithItsMessageAndWritesNothing) {
    const std::string before = ReadFileBytes("Stat.dat");
    struct Case {
        const char* field;
        const char* value;
        int message;
    } cases[] = {
        {"qte_conso", "0", 15},           {"qte_conso", "", 15},
        {"date_conso", "31/02/2000", 12}, {"date_conso", "12/05/20", 12},
        {"dateachat", "31/02/2001", 10},  {"dateachat", "00/00/0000", 10},
    };
    for (const auto& k : cases) {
        recorder->clear();
        OpenAt(2);
        Edit(k.field)->setText(QString::fromLatin1(k.value));
        form->BitBtn7Click();
        form->BitBtn1Click();
        EXPECT_EQ(WarningNumbers(), (std::vector<int>{k.message, k.message}))
            << k.field << " " << k.value;
        EXPECT_EQ(history::State().selectedPosition, 2);
        EXPECT_EQ(form->result(), 0);
    }
    EXPECT_EQ(ReadFileBytes("Stat.dat"), before);
}

TEST_F(ZoomConsoTest, SteppingStaysOnTheFilteredEntriesAndStopsAtBothEnds) {
    OpenAt(0, "Rouge"); // a, c, d
    form->BitBtn6Click();
    EXPECT_EQ(Shown(), "01/01/2000");
    EXPECT_EQ(history::State().selectedPosition, 0);
    form->BitBtn7Click();
    EXPECT_EQ(Shown(), "20/01/2000"); // b is white
    form->BitBtn7Click();
    EXPECT_EQ(Shown(), "30/01/2000");
    Edit("invites")->setText("Jean");
    form->BitBtn7Click(); // saved; no next entry: the window stays on it
    EXPECT_EQ(Shown(), "30/01/2000");
    EXPECT_EQ(history::State().selectedPosition, 2);
    EXPECT_EQ(Edit("invites")->text(), "Jean");
    form->BitBtn1Click(); // the same entry once, not a second copy
    store::ConsumedWine saved = d;
    saved.guests = store::PadText("Jean", 30);
    EXPECT_EQ(ReadFileBytes("Stat.dat"), HistoryBytes({a, b, c, saved}));
    EXPECT_TRUE(WarningNumbers().empty());
}

TEST_F(ZoomConsoTest, ANewDrinkingDateMovesTheEntryAndNextCountsInTheNewOrder) {
    OpenAt(0);                                 // a b c d
    Edit("date_conso")->setText("15/01/2000"); // b a c d
    form->BitBtn7Click();
    EXPECT_EQ(history::State().selectedPosition, 1);
    EXPECT_EQ(Shown(), "15/01/2000"); // the moved entry itself now follows position 0
}

TEST_F(ZoomConsoTest, BrowsingKeepsMarksAndFormatsTheListsDoNotHold) {
    store::ConsumedWine odd = Entry("Rouge", "Pauillac", "01/01/2000");
    odd.mark = store::Blanks(10);
    odd.bottleFormat = store::PadText("Jeroboam", 10);
    odd.price = store::Blanks(8);
    WriteHistory({odd, b});
    OpenAt(0);
    EXPECT_EQ(Box("Appreciation")->currentIndex(), -1);
    EXPECT_EQ(Box("formatb")->currentText(), "Jeroboam");
    Edit("invites")->setText("Jean"); // a real change, so the entry is written
    form->BitBtn7Click();
    odd.guests = store::PadText("Jean", 30);
    EXPECT_EQ(ReadFileBytes("Stat.dat"), HistoryBytes({odd, b}));
}

TEST_F(ZoomConsoTest, DeleteRemovesTheEntryAtOnce) {
    OpenAt(0, "Blanc");
    form->findChild<QPushButton*>("BitBtn5")->click();
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(ReadFileBytes("Stat.dat"), HistoryBytes({a, c, d}));
    EXPECT_TRUE(WarningNumbers().empty());
}

TEST_F(ZoomConsoTest, AnEntryChangedOnDiskIsNeitherOverwrittenNorDeleted) {
    OpenAt(1);
    store::ConsumedWine changed = b;
    changed.guests = store::PadText("Someone else", 30);
    WriteHistory({a, changed, c, d});
    const std::string onDisk = ReadFileBytes("Stat.dat");

    Edit("invites")->setText("Paul et Marie");
    form->BitBtn1Click();
    EXPECT_EQ(WarningNumbers(), std::vector<int>{0});
    EXPECT_EQ(form->result(), 0);
    EXPECT_EQ(ReadFileBytes("Stat.dat"), onDisk);

    form->BitBtn5Click();
    EXPECT_EQ(WarningNumbers(), (std::vector<int>{0, 0}));
    EXPECT_EQ(ReadFileBytes("Stat.dat"), onDisk);
}

TEST_F(ZoomConsoTest, ASaveInADamagedFileKeepsItsCutRecord) {
    const std::string cut =
        CrLf({store::ConsumedWineLines(Entry("Blanc", "Riesling", "02/02/2000"))[0]});
    WriteFileBytes("Stat.dat", ReadFileBytes("Stat.dat") + cut);
    OpenAt(3);
    Edit("invites")->setText("Jean");
    form->BitBtn1Click();
    store::ConsumedWine saved = d;
    saved.guests = store::PadText("Jean", 30);
    EXPECT_EQ(ReadFileBytes("Stat.dat"), HistoryBytes({a, b, c, saved}) + cut);
    EXPECT_FALSE(messages.empty());
    for (int n : messages)
        EXPECT_EQ(n, 2);
}

TEST_F(ZoomConsoTest, WithoutAnEntryNothingCanBeWritten) {
    std::remove("Stat.dat");
    OpenAt(0);
    EXPECT_FALSE(form->hasEntry());
    Edit("qte_conso")->setText("3");
    form->BitBtn7Click();
    form->BitBtn1Click();
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_FALSE(Exists("Stat.dat"));
}

// Look-alikes equal on every field a delete compares: the entry shown is the one corrected or
// deleted, whichever of the other fields tells them apart.
TEST_F(ZoomConsoTest, TheEntryShownIsTheOneChangedNotALookAlike) {
    using E = store::ConsumedWine;
    const struct {
        std::string E::*field;
        const char* value;
    } differences[] = {
        {&E::price, "   99.00"},          {&E::owner, "Paul"},
        {&E::remarks, "lot 2"},           {&E::purchasePlace, "Foire"},
        {&E::purchaseDate, "03/04/1995"}, {&E::bottleFormat, "Magnum"},
    };
    for (const auto& d : differences) {
        store::ConsumedWine twin = a;
        twin.*d.field = d.value;
        twin = store::PaddedConsumedWine(twin);
        WriteHistory({a, twin, c});
        OpenAt(1);
        Edit("comment_conso")->setText("le second");
        form->BitBtn1Click();
        store::ConsumedWine corrected = twin;
        corrected.comments = store::PadText("le second", 50);
        EXPECT_EQ(ReadFileBytes("Stat.dat"), HistoryBytes({corrected, a, c})) << d.value;

        OpenAt(1); // a, now second
        form->findChild<QPushButton*>("BitBtn5")->click();
        EXPECT_EQ(ReadFileBytes("Stat.dat"), HistoryBytes({corrected, c})) << d.value;
    }
    EXPECT_TRUE(WarningNumbers().empty());
}

// Browsing never rewrites an entry, and a correction keeps the stored bytes of every field the
// user left alone, even those the masks cannot show as stored.
TEST_F(ZoomConsoTest, UntouchedFieldsKeepTheirStoredBytes) {
    store::ConsumedWine odd = a;
    odd.price = "100000.0";
    odd.purchaseDate = "01-02-1998";
    store::ConsumedWine spaced = c;
    spaced.price = "  1234  ";
    spaced.drinkDate = "20-01-2000";
    WriteHistory({odd, b, spaced, d});
    const std::string before = ReadFileBytes("Stat.dat");
    OpenAt(0);
    form->show();
    QApplication::setActiveWindow(form.get());
    Edit("prix")->setFocus(); // passing through the price box changes nothing
    Edit("lieu")->setFocus();
    for (int i = 0; i < 3; ++i)
        form->BitBtn7Click();
    for (int i = 0; i < 3; ++i)
        form->BitBtn6Click();
    EXPECT_EQ(Shown(), odd.drinkDate);
    EXPECT_EQ(ReadFileBytes("Stat.dat"), before);

    Edit("invites")->setText("Jean");
    form->BitBtn7Click();
    form->BitBtn7Click();
    Edit("qte_conso")->setText("3");
    form->BitBtn1Click();
    EXPECT_TRUE(WarningNumbers().empty());
    odd.guests = store::PadText("Jean", 30);
    spaced.quantity = " 3"; // only the edited field is normalised
    EXPECT_EQ(ReadFileBytes("Stat.dat"), HistoryBytes({odd, b, spaced, d}));
}

} // namespace
