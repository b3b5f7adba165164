// Taking bottles out: the cellar and consumption files after each kind of exit, the checks.
#include <gtest/gtest.h>

#include <QDate>

#include "cellar/CellarWindowTest.h"
#include "cellar/Usortie.h"

using namespace testsupport;

namespace {

class ExitTest : public CellarWindowTest {
protected:
    void SetUp() override {
        CellarWindowTest::SetUp();
        store::InsertCellarWine(Wine("Rouge", "Bordeaux", "Pauillac", "1990"));
        store::InsertCellarWine(Wine("Rouge", "Bordeaux", "Pauillac", "1995"));
        cellar::State().lastRow = 1;
    }
    void OpenAt(int row) {
        cellar::State().selectedRow = row;
        cellar::State().currentWinePosition = store::CellarPositionOfMatch(row + 1);
        form = std::make_unique<TExitForm>();
    }
    QLineEdit* Edit(const char* name) { return form->findChild<QLineEdit*>(name); }
    QComboBox* Box(const char* name) { return form->findChild<QComboBox*>(name); }
    static std::string Today() {
        const QDate d = QDate::currentDate();
        return QString::asprintf("%2.2d/%2.2d/%4.4d", d.day(), d.month(), d.year()).toStdString();
    }

    std::unique_ptr<TExitForm> form;
};

TEST_F(ExitTest, TwoOfSixWithANewMarkAndPlace) {
    OpenAt(0);
    EXPECT_EQ(Edit("qte_conso")->text(), "1");
    EXPECT_EQ(Edit("date_conso")->text().toStdString(), Today());
    EXPECT_EQ(Box("Appreciation")->currentText(), "Bon");
    EXPECT_FALSE(Box("Liste_coul")->isEnabled());
    Edit("qte_conso")->setText("2");
    Choose(Box("Appreciation"), QString::fromUtf8("Très Bon"));
    Edit("Emplacement")->setText("B12");
    Edit("invites")->setText(QString(45, QChar('g')));
    Edit("comment_conso")->setText(QString::fromUtf8("Épanoui"));
    form->BitBtn1Click();
    EXPECT_TRUE(recorder->boxes().empty());
    EXPECT_EQ(form->result(), QDialog::Accepted);

    store::CellarWine remaining = Wine("Rouge", "Bordeaux", "Pauillac", "1990", " 4");
    remaining.mark = store::Cp1252("Très Bon");
    remaining.location = "B12";
    const std::string other = CrLf(store::CellarWineLines(Wine("Rouge", "Bordeaux", "Pauillac", "1995")));
    EXPECT_EQ(ReadFileBytes("Cave.dat"), CrLf(store::CellarWineLines(store::PaddedCellarWine(remaining))) + other);

    store::ConsumedWine entry;
    entry.colour = "Rouge";
    entry.region = "Bordeaux";
    entry.appellation = "Pauillac";
    entry.vintage = "1990";
    entry.quantity = " 2";
    entry.drinkDate = Today();
    entry.guests = std::string(30, 'g');
    entry.comments = store::Cp1252("Épanoui");
    entry.mark = store::Cp1252("Très Bon");
    entry.bottleFormat = "Bouteille";
    entry.price = "   10.00";
    EXPECT_EQ(ReadFileBytes("Stat.dat"), CrLf(store::ConsumedWineLines(store::PaddedConsumedWine(entry))));
}

TEST_F(ExitTest, TakingEveryBottleRemovesTheWineAndABlankDateIsKept) {
    OpenAt(1);
    Edit("qte_conso")->setText("6");
    Edit("date_conso")->setText("");
    form->BitBtn1Click();
    EXPECT_TRUE(recorder->boxes().empty());
    EXPECT_EQ(ReadFileBytes("Cave.dat"), CrLf(store::CellarWineLines(Wine("Rouge", "Bordeaux", "Pauillac", "1990"))));
    const std::string history = ReadFileBytes("Stat.dat");
    EXPECT_EQ(history.substr(110, 16), "1995 6          ");
}

TEST_F(ExitTest, ChecksInOrder) {
    struct Case {
        const char* quantity;
        const char* date;
        int message;
    } cases[] = {{"0", "01/01/2001", 15}, {"", "01/01/2001", 15}, {"7", "01/01/2001", 13},
                 {"6", "30/02/2001", 12}, {"0", "30/02/2001", 15}};
    for (const auto& c : cases) {
        recorder->clear();
        OpenAt(0);
        Edit("qte_conso")->setText(c.quantity);
        Edit("date_conso")->setText(c.date);
        form->BitBtn1Click();
        ASSERT_EQ(recorder->boxes().size(), 1u) << c.quantity << " " << c.date;
        EXPECT_EQ(recorder->boxes()[0].number, c.message) << c.quantity << " " << c.date;
        EXPECT_EQ(form->result(), 0);
    }
    // A stored quantity that is no number cannot be taken out.
    store::InsertCellarWine(Wine("Blanc", "Alsace", "Riesling", "2000", "ab")); // row 0
    cellar::State().lastRow = 2;
    recorder->clear();
    OpenAt(0);
    form->BitBtn1Click();
    ASSERT_EQ(recorder->boxes().size(), 1u);
    EXPECT_EQ(recorder->boxes()[0].number, 14);
    EXPECT_FALSE(Exists("Stat.dat"));
}

TEST_F(ExitTest, SteppingKeepsTheExitFieldsAndRecordsNothing) {
    const std::string cellar = ReadFileBytes("Cave.dat");
    OpenAt(0);
    Edit("qte_conso")->setText("3");
    Edit("invites")->setText("Paul");
    Edit("Emplacement")->setText("lost");
    form->BitBtn6Click(); // at the first row: nothing moves
    EXPECT_EQ(form->loadedWine().vintage, "1990");
    form->BitBtn7Click();
    EXPECT_EQ(form->loadedWine().vintage, "1995");
    EXPECT_EQ(Edit("Emplacement")->text(), "");
    EXPECT_EQ(Edit("qte_conso")->text(), "3");
    EXPECT_EQ(Edit("invites")->text(), "Paul");
    form->BitBtn7Click(); // at the last row: stays
    EXPECT_EQ(form->loadedWine().vintage, "1995");
    EXPECT_EQ(cellar::State().selectedRow, 1);
    EXPECT_EQ(ReadFileBytes("Cave.dat"), cellar);
    EXPECT_FALSE(Exists("Stat.dat"));
}

// The lot shown is the one taken out, not a look-alike before it, and a mark the list does not
// hold stays on the bottles that remain.
TEST_F(ExitTest, TheLotShownIsTheOneTakenOut) {
    const store::CellarWine plain = Wine("Rouge", "Bordeaux", "Pauillac", "1990");
    store::CellarWine mine = plain;
    mine.owner = store::PadText("Paul", 50); // a delete does not compare the owner
    mine.mark = store::PadText("Exquis", 10);
    store::InsertCellarWine(mine); // before its equal: mine, plain, 1995
    cellar::State().lastRow = 2;
    auto record = [](const store::CellarWine& w, const char* quantity) {
        store::CellarWine copy = w;
        copy.quantity = quantity;
        return CrLf(store::CellarWineLines(copy));
    };
    OpenAt(1);
    ASSERT_EQ(form->loadedWine().owner, plain.owner);
    form->BitBtn1Click();
    EXPECT_TRUE(recorder->boxes().empty());
    // The lot taken out goes before its equal.
    EXPECT_EQ(ReadFileBytes("Cave.dat").substr(0, 648), record(plain, " 5") + record(mine, " 6"));

    OpenAt(1);
    ASSERT_EQ(form->loadedWine().owner, mine.owner);
    form->BitBtn7Click();
    form->BitBtn6Click();
    form->BitBtn1Click();
    EXPECT_TRUE(recorder->boxes().empty());
    EXPECT_EQ(ReadFileBytes("Cave.dat").substr(0, 648), record(mine, " 5") + record(plain, " 5"));
}

// History first, cellar second: a failure loses no bottle, at worst counts one twice; a wine
// changed on disk since it was shown records nothing.
TEST_F(ExitTest, AFailureNeverLosesABottle) {
    const std::string cellar = ReadFileBytes("Cave.dat");
    OpenAt(0);
    Edit("date_conso")->setText("02/03/2004");
    store::files_testing::FailWritesAfter(0);
    form->BitBtn1Click();
    EXPECT_EQ(ReadFileBytes("Cave.dat"), cellar);
    EXPECT_FALSE(Exists("Stat.dat"));

    store::files_testing::FailWritesAfter(398 + 100); // the history entry, then part of the cellar
    form->BitBtn1Click();
    EXPECT_EQ(form->result(), 0);
    EXPECT_EQ(ReadFileBytes("Cave.dat"), cellar);
    EXPECT_EQ(ReadFileBytes("Stat.dat").size(), 398u);

    store::files_testing::FailWritesAfter(-1);
    std::string changed = cellar;
    changed.replace(changed.find(store::PadText("Bon", 10)), 10, store::PadText("Moyen", 10));
    WriteFileBytes("Cave.dat", changed);
    form->BitBtn1Click();
    EXPECT_EQ(ReadFileBytes("Cave.dat"), changed);
    EXPECT_EQ(ReadFileBytes("Stat.dat").size(), 398u);
    EXPECT_EQ(form->result(), 0);
}

} // namespace
