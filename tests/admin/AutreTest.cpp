// The window of the four lists: adding with its refusals, removing, moving, sorting, and what
// OK and Cancel do to the files and to the lists every window uses.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QRadioButton>
#include <QToolButton>

#include "admin/AdminListsTest.h"
#include "admin/Uautre.h"
#include "admin/UpDown.h"

using namespace testsupport;

namespace {

class AutreTest : public AdminListsTest {
protected:
    void Open() { form = std::make_unique<TAutre_base>(); }
    QListWidget* List() { return form->findChild<QListWidget*>("liste_item"); }
    QLineEdit* Name() { return form->findChild<QLineEdit*>("nom_item"); }
    admin::UpDown* Arrows() { return form->findChild<admin::UpDown*>("Type_tri"); }
    void Show(int base) {
        form->findChild<QRadioButton*>(QStringLiteral("Select_base%1").arg(base))->click();
    }
    void Sort(bool on) {
        form->findChild<QRadioButton*>(on ? "Select_tri1" : "Select_tri0")->click();
    }
    void Add(const QString& text) {
        Name()->setText(text);
        Click(form.get(), "Ajoute");
    }
    void Select(const QString& text) {
        const auto found = List()->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        List()->setCurrentItem(found[0]);
    }
    QStringList Shown() {
        QStringList texts;
        for (int i = 0; i < List()->count(); ++i)
            texts << List()->item(i)->text();
        return texts;
    }
    static QStringList Entries(const store::VocabularyList& list) {
        QStringList texts;
        for (const auto& e : list.entries)
            texts << QString::fromLatin1(store::RightTrim(e));
        return texts;
    }
    static std::string Lines(const std::vector<std::string>& entries, int width) {
        std::vector<std::string> padded;
        for (const auto& e : entries)
            padded.push_back(store::PadText(store::Cp1252(e), width));
        return CrLf(padded);
    }
    store::Vocabulary& Lists() { return store::State().lists; }

    std::unique_ptr<TAutre_base> form;
};

TEST_F(AutreTest, RemovingEveryColourWritesTheDefaultsAndOkWritesAllFourFiles) {
    WriteFileBytes("Note.dat", "Bon\r\n");
    store::LoadVocabulary(store::DataLanguage::French);
    Open();
    EXPECT_EQ(Shown(), (QStringList{"Blanc", "Rouge", QString::fromUtf8("Rosé")}));
    while (List()->count() > 0) {
        List()->setCurrentRow(0);
        Click(form.get(), "Supprime");
    }
    EXPECT_TRUE(Lists().colours.entries.empty()); // other windows see the change at once
    Click(form.get(), "BitBtn1");
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(ReadFileBytes("Couleur.dat"), Lines({"Blanc", "Rouge", "Rosé"}, 10));
    EXPECT_EQ(Entries(Lists().colours), (QStringList{"Blanc", "Rouge", QString::fromUtf8("Rosé")}));
    EXPECT_EQ(ReadFileBytes("Note.dat"), Lines({"Bon"}, 10)); // padded to the width
    EXPECT_EQ(ReadFileBytes("Region.dat").size(), 47u * 22u);
}

TEST_F(AutreTest, AddingChecksEmptyThenDuplicateThenFull) {
    Open();
    Add("  ");
    Add("ROUGE"); // a duplicate in other letters
    Add(QString::fromUtf8("rosé"));
    Add("Jaune");
    EXPECT_EQ(Warnings(), (std::vector<int>{29, 31, 31}));
    EXPECT_EQ(Shown().last(), "Jaune");
    EXPECT_EQ(Name()->text(), "Jaune"); // the text stays for the next entry
    for (int i = Lists().colours.count(); i < 20; ++i)
        Add(QStringLiteral("Couleur %1").arg(i));
    recorder->clear();
    Add("Blanc"); // a duplicate in a full list is a duplicate
    Add("Vert");
    EXPECT_EQ(Warnings(), (std::vector<int>{31, 30}));
    EXPECT_EQ(Lists().colours.count(), 20);

    // 150 regions; an entry is cut to the width of its list.
    Show(1);
    EXPECT_EQ(Name()->maxLength(), 20);
    Name()->setMaxLength(30); // as text pasted past the limit would be
    Add("Vallee de la Moselle allemande");
    EXPECT_EQ(Shown().last(), "Vallee de la Moselle");
    EXPECT_EQ(Lists().regions.entries.back(), "Vallee de la Moselle");
    while (Lists().regions.count() < 150)
        Add(QStringLiteral("R %1").arg(Lists().regions.count()));
    recorder->clear();
    Add("Atlantide");
    EXPECT_EQ(Warnings(), std::vector<int>{30});
}

TEST_F(AutreTest, TheArrowsMoveTheSelectedEntryAndWrap) {
    Open();
    Arrows()->stepUp();
    EXPECT_EQ(Shown(),
              (QStringList{"Blanc", "Rouge", QString::fromUtf8("Rosé")})); // nothing selected
    Select("Blanc");
    QTest::mouseClick(Arrows()->upArrow(), Qt::LeftButton);
    EXPECT_EQ(Shown(), (QStringList{"Rouge", QString::fromUtf8("Rosé"), "Blanc"}));
    EXPECT_EQ(List()->currentItem()->text(), "Blanc");
    QTest::mouseClick(Arrows()->downArrow(), Qt::LeftButton);
    EXPECT_EQ(Shown(), (QStringList{"Blanc", "Rouge", QString::fromUtf8("Rosé")}));
    Select("Rouge");
    QTest::keyClick(List(), Qt::Key_Down, Qt::ControlModifier); // the keyboard does the same
    EXPECT_EQ(Entries(Lists().colours), (QStringList{"Blanc", QString::fromUtf8("Rosé"), "Rouge"}));
    // While sorted the arrows move nothing.
    Sort(true);
    Select("Blanc");
    QTest::mouseClick(Arrows()->upArrow(), Qt::LeftButton);
    EXPECT_EQ(Shown().first(), "Blanc");
}

TEST_F(AutreTest, SortingWritesTheShownOrderIntoTheListShown) {
    Open();
    Show(3); // bottle formats: Bouteille, 1/2 Bout., Magnum, Db Magnum, Tonnelix, Imperial
    Sort(true);
    EXPECT_EQ(Shown(), (QStringList{"1/2 Bout.", "Bouteille", "Db Magnum", "Imperial", "Magnum",
                                    "Tonnelix"}));
    EXPECT_EQ(Entries(Lists().bottleFormats), Shown());
    Add("Jeroboam"); // in its alphabetical place
    EXPECT_EQ(Shown()[4], "Jeroboam");
    EXPECT_EQ(Entries(Lists().bottleFormats)[4], "Jeroboam");

    // A list shown later is displayed sorted but keeps its order until the next change of order;
    // removing an entry removes exactly that one.
    Show(0);
    EXPECT_EQ(Shown(), (QStringList{"Blanc", QString::fromUtf8("Rosé"), "Rouge"}));
    Select("Rouge");
    Click(form.get(), "Supprime");
    EXPECT_EQ(Entries(Lists().colours), (QStringList{"Blanc", QString::fromUtf8("Rosé")}));
    Sort(false);
    Click(form.get(), "BitBtn1");
    EXPECT_EQ(ReadFileBytes("Couleur.dat"), Lines({"Blanc", "Rosé"}, 10));
    EXPECT_EQ(ReadFileBytes("Volume.dat"), Lines({"1/2 Bout.", "Bouteille", "Db Magnum", "Imperial",
                                                  "Jeroboam", "Magnum", "Tonnelix"},
                                                 10));
}

TEST_F(AutreTest, RemovingNeedsASelection) {
    Open();
    Click(form.get(), "Supprime");
    EXPECT_EQ(Warnings(), std::vector<int>{29});
    EXPECT_EQ(Lists().colours.count(), 3);
}

// Cancel, the close box and Escape put back the lists every window offers.
TEST_F(AutreTest, CancelPutsTheListsBackAndWritesNothing) {
    const std::string colours = ReadFileBytes("Couleur.dat");
    for (const char* how : {"cancel", "close", "escape"}) {
        SCOPED_TRACE(how);
        Open();
        form->show();
        Add("Jaune");
        Show(1);
        List()->setCurrentRow(0);
        Click(form.get(), "Supprime");
        if (std::string(how) == "cancel")
            Click(form.get(), "BitBtn2");
        else if (std::string(how) == "close")
            form->close();
        else
            QTest::keyClick(form.get(), Qt::Key_Escape);
        EXPECT_EQ(form->result(), QDialog::Rejected);
        EXPECT_EQ(Lists().colours.count(), 3);
        EXPECT_EQ(Lists().regions.count(), 47);
        EXPECT_EQ(ReadFileBytes("Couleur.dat"), colours);
    }
}

TEST_F(AutreTest, AFullDiskChangesNoFileAndNoList) {
    Open();
    Add("Jaune");
    const auto before = DirectoryListing();
    const std::string colours = ReadFileBytes("Couleur.dat");
    const std::string regions = ReadFileBytes("Region.dat");
    store::files_testing::FailWritesAfter(500); // the colours and part of the regions
    EXPECT_THROW(form->BitBtn1Click(), store::IoError);
    EXPECT_EQ(ReadFileBytes("Couleur.dat"), colours);
    EXPECT_EQ(ReadFileBytes("Region.dat"), regions);
    EXPECT_EQ(DirectoryListing(), before);
    EXPECT_EQ(Lists().colours.count(), 4);
}

TEST_F(AutreTest, EnglishCaptions) {
    loadEnglish();
    Open();
    EXPECT_EQ(form->windowTitle(), "Other lists");
    EXPECT_EQ(form->findChild<QRadioButton*>("Select_tri1")->text(), "&Alphabetical order");
}

} // namespace
