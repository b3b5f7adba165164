// The maturity table window: reading the table, adding, replacing and removing rows, the
// up-down, writing the whole table.
#include <gtest/gtest.h>

#include <QToolButton>

#include "admin/AdminListsTest.h"
#include "admin/Umaturite.h"
#include "admin/UpDown.h"
#include "store/RefBases.h"

using namespace testsupport;

namespace {

std::string Line(const char* colour, const char* region, const char* years) {
    return "[" + store::PadText(store::Cp1252(colour), 10) + "][" +
           store::PadText(store::Cp1252(region), 20) + "][" + years + "]";
}

class MaturiteTest : public AdminListsTest {
protected:
    QComboBox* Colour() { return form->findChild<QComboBox*>("liste_couleur"); }
    QComboBox* Region() { return form->findChild<QComboBox*>("liste_region"); }
    QLineEdit* Years() { return form->findChild<QLineEdit*>("mature"); }
    QTreeWidget* List() { return form->findChild<QTreeWidget*>("liste_mature"); }
    admin::UpDown* Arrows() { return form->findChild<admin::UpDown*>("UpDown1"); }
    void Open() { form = std::make_unique<TMaturite>(); }
    // Chooses colour and region, steps the years to `years` and presses "Ajoute".
    void Add(const char* colour, const char* region, int years) {
        Choose(Colour(), QString::fromUtf8(colour));
        Choose(Region(), QString::fromUtf8(region));
        while (Arrows()->position() != years)
            Arrows()->stepUp();
        Click(form.get(), "ajoute");
    }

    std::unique_ptr<TMaturite> form;
};

TEST_F(MaturiteTest, NoFileGivesAnEmptyTableAndOkWithNoRowLeavesNoFile) {
    Open();
    EXPECT_EQ(List()->topLevelItemCount(), 0);
    EXPECT_EQ(Years()->text(), "0");
    EXPECT_TRUE(Years()->isReadOnly());
    EXPECT_EQ(Region()->count(), store::State().lists.regions.count()); // without "Autre"
    Click(form.get(), "BitBtn1");
    EXPECT_FALSE(Exists("Apogee.dat"));
    EXPECT_EQ(form->result(), QDialog::Accepted);

    // An emptied table removes the file.
    WriteFileBytes("Apogee.dat", CrLf({Line("Rouge", "Bordeaux", " 8")}));
    Open();
    Add("Rouge", "Bordeaux", 0);
    Click(form.get(), "BitBtn1");
    EXPECT_FALSE(Exists("Apogee.dat"));
}

// Lines whose years are not digits are no entry, for the window and the wine entry alike.
TEST_F(MaturiteTest, ReadsTheTableSortedAndSkipsLinesWithoutANumber) {
    WriteFileBytes("Apogee.dat",
                   CrLf({Line("Rouge", "Bordeaux", "ab"), Line("Rouge", "Bordeaux", " 8"),
                         Line("Blanc", "Alsace", " 1"), Line("Rouge", "Alsace", "12"),
                         Line("Blanc", "Bordeaux", "3 ") + "x", // 39 characters
                         Line("Rouge", "Rhône", "-4"), Line("Rouge", "Loire", "05")}));
    Open();
    // The years text as read: "05" is not shown as 5, and is written back as it was.
    EXPECT_EQ(Rows(List()),
              (QStringList{"Blanc|Alsace|1 An", "Blanc|Bordeaux|3 Ans", "Rouge|Alsace|12 Ans",
                           "Rouge|Bordeaux|8 Ans", "Rouge|Loire|05 Ans"}));
    EXPECT_EQ(store::MaturityYears(Padded("Rouge", 10), Padded("Bordeaux", 20)), 8);
    EXPECT_EQ(store::MaturityYears(Padded("Blanc", 10), Padded("Bordeaux", 20)), 3);
    EXPECT_FALSE(store::MaturityYears(Padded("Rouge", 10), Padded("Rhône", 20)).has_value());

    // OK rewrites every row in list order, in the stored form; the unreadable lines are gone.
    Click(form.get(), "BitBtn1");
    EXPECT_EQ(ReadFileBytes("Apogee.dat"),
              CrLf({Line("Blanc", "Alsace", " 1"), Line("Blanc", "Bordeaux", " 3"),
                    Line("Rouge", "Alsace", "12"), Line("Rouge", "Bordeaux", " 8"),
                    Line("Rouge", "Loire", "05")}));
}

TEST_F(MaturiteTest, AddingReplacesTheRowOfTheSameColourAndRegionAndZeroRemovesIt) {
    Open();
    Add("Rouge", "Bordeaux", 8);
    Add("Rouge", "Bordeaux", 10);
    Add("Blanc", "Bordeaux", 1);
    Add("Rosé", "Provence", 2);
    EXPECT_EQ(Rows(List()),
              (QStringList{"Blanc|Bordeaux|1 An", QString::fromUtf8("Rosé|Provence|2 Ans"),
                           "Rouge|Bordeaux|10 Ans"}));
    Add("Blanc", "Bordeaux", 0);
    EXPECT_EQ(List()->topLevelItemCount(), 2);
    EXPECT_TRUE(Warnings().empty());
    Click(form.get(), "BitBtn1");
    EXPECT_EQ(ReadFileBytes("Apogee.dat"),
              CrLf({Line("Rosé", "Provence", " 2"), Line("Rouge", "Bordeaux", "10")}));
    // The wine entry proposes the new peak year.
    EXPECT_EQ(store::MaturityYears(Padded("Rouge", 10), Padded("Bordeaux", 20)), 10);
}

TEST_F(MaturiteTest, CancelWritesNothing) {
    WriteFileBytes("Apogee.dat", CrLf({Line("Rouge", "Bordeaux", " 8")}));
    Open();
    Add("Rouge", "Bordeaux", 0);
    Click(form.get(), "BitBtn2");
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_EQ(ReadFileBytes("Apogee.dat"), CrLf({Line("Rouge", "Bordeaux", " 8")}));
}

TEST_F(MaturiteTest, ControlsFollowTheChoicesAndTheArrowsWrap) {
    WriteFileBytes("Apogee.dat",
                   CrLf({Line("Rouge", "Bordeaux", " 8"), Line("Blanc", "Alsace", " 3")}));
    Open();
    // A colour alone changes nothing; with a region it shows that row's years, or 0.
    for (int i = 0; i < 5; ++i)
        Arrows()->stepUp();
    Choose(Colour(), "Rouge");
    EXPECT_EQ(Years()->text(), "5");
    Choose(Region(), "Bordeaux");
    EXPECT_EQ(Years()->text(), "8");
    Choose(Region(), "Alsace");
    EXPECT_EQ(Years()->text(), "0");

    // A click on a row fills the three controls.
    QTreeWidgetItem* alsace = List()->topLevelItem(0);
    const QRect cell = List()->visualItemRect(alsace);
    form->show();
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(Colour()->currentText(), "Blanc");
    EXPECT_EQ(Region()->currentText(), "Alsace");
    EXPECT_EQ(Years()->text(), "3");

    // 0 to 99 and back, by the arrows and by the keyboard.
    QTest::mouseClick(Arrows()->upArrow(), Qt::LeftButton);
    EXPECT_EQ(Years()->text(), "4");
    Arrows()->setPosition(0);
    QTest::mouseClick(Arrows()->downArrow(), Qt::LeftButton);
    EXPECT_EQ(Years()->text(), "99");
    QTest::keyClick(Years(), Qt::Key_Up);
    EXPECT_EQ(Years()->text(), "0");
}

TEST_F(MaturiteTest, AddingWithoutColourOrRegionIsRefused) {
    Open();
    Click(form.get(), "ajoute");
    Choose(Region(), "Bordeaux");
    Click(form.get(), "ajoute");
    Colour()->setCurrentIndex(-1);
    Region()->setCurrentIndex(-1);
    Choose(Colour(), "Rouge");
    Click(form.get(), "ajoute");
    EXPECT_EQ(Warnings(), (std::vector<int>{3, 3, 4}));
    EXPECT_EQ(List()->topLevelItemCount(), 0);
}

TEST_F(MaturiteTest, EnglishDataSaysYearsAndTheFileIsMatureDat) {
    store::LoadVocabulary(store::DataLanguage::English);
    WriteFileBytes("Mature.dat",
                   CrLf({Line("Red", "Bordeaux", " 3"), Line("White", "Alsace", " 1")}));
    loadEnglish();
    Open();
    EXPECT_EQ(form->windowTitle(), "Wine maturity");
    EXPECT_EQ(Rows(List()), (QStringList{"Red|Bordeaux|3 Years", "White|Alsace|1 Year"}));
}

TEST_F(MaturiteTest, AFullDiskLeavesTheTableWhole) {
    const std::string table = CrLf({Line("Rouge", "Bordeaux", " 8")});
    WriteFileBytes("Apogee.dat", table);
    Open();
    Add("Blanc", "Alsace", 4);
    store::files_testing::FailWritesAfter(10);
    EXPECT_THROW(form->BitBtn1Click(), store::IoError);
    EXPECT_EQ(ReadFileBytes("Apogee.dat"), table);
    EXPECT_EQ(DirectoryListing(), (std::vector<std::string>{"Apogee.dat", "Couleur.dat", "Note.dat",
                                                            "Region.dat", "Volume.dat"}));
}

} // namespace
