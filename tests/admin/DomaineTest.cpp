// The domaine window: adding and removing domaines, the name list, the look-up of a chosen
// domaine and the appellation list.
#include <gtest/gtest.h>

#include <QCheckBox>

#include "admin/AdminListsTest.h"
#include "admin/Udomaine.h"

using namespace testsupport;

namespace {

std::string AppellationHeader(const char* region, const char* colour, const char* appellation) {
    return "[" + store::PadText(region, 20) + "][" + store::PadText(colour, 10) + "](" +
           store::PadText(appellation, 30) + ")";
}
std::string Header(const char* region, const char* appellation) {
    return "[" + store::PadText(region, 20) + "][" + store::PadText(appellation, 30) + "]";
}
std::string Dom(const char* domaine, const char* owner) {
    return "     -" + store::PadText(domaine, 50) + store::PadText(owner, 50);
}

class DomaineTest : public AdminListsTest {
protected:
    void SetUp() override {
        AdminListsTest::SetUp();
        WriteFileBytes("Vins.dat",
                       CrLf({AppellationHeader("Bordeaux", "Rouge", "Pauillac"), "   Temp =17",
                             AppellationHeader("Bordeaux", "Rouge", "Margaux"),
                             AppellationHeader("Alsace", "Blanc", "Riesling"),
                             AppellationHeader("Alsace", "Rouge", "Pauillac")}));
    }
    QComboBox* Domaine() { return form->findChild<QComboBox*>("Liste_domaine"); }
    QLineEdit* Owner() { return form->findChild<QLineEdit*>("Prop"); }
    QComboBox* Region() { return form->findChild<QComboBox*>("Liste_region"); }
    QComboBox* Appellation() { return form->findChild<QComboBox*>("Liste_appel"); }
    QCheckBox* RegionOnly() { return form->findChild<QCheckBox*>("select_touteappel"); }
    static QStringList Entries(const QComboBox* box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    }
    void Open() { form = std::make_unique<Tdomaine_form>(); }
    // Types the domaine and owner, chooses the appellation (which chooses its region) and
    // then the region, and presses the button.
    void Press(const char* button, const char* domaine, const char* owner, const char* appellation,
               const char* region = nullptr) {
        Domaine()->setEditText(QString::fromUtf8(domaine));
        Owner()->setText(QString::fromUtf8(owner));
        if (*appellation) Choose(Appellation(), QString::fromUtf8(appellation));
        if (region) Choose(Region(), QString::fromUtf8(region));
        Click(form.get(), button);
    }

    std::unique_ptr<Tdomaine_form> form;
};

TEST_F(DomaineTest, TheSameDomaineWithANewOwnerReplacesTheOwner) {
    Open();
    EXPECT_EQ(Domaine()->count(), 0);
    Press("BitBtn4", "Latour", "Pinault", "Pauillac");
    Press("BitBtn4", "Latour", "Artemis", "Pauillac");
    EXPECT_EQ(ReadFileBytes("Domaine.dat"),
              CrLf({Header("Bordeaux", "Pauillac"), Dom("Latour", "Artemis")}));
    EXPECT_EQ(Entries(Domaine()), QStringList{"Latour"});
    // Adding keeps the fields for the next domaine.
    EXPECT_EQ(Owner()->text(), "Artemis");
    EXPECT_EQ(Region()->currentText(), "Bordeaux");
    EXPECT_TRUE(Warnings().empty());
}

TEST_F(DomaineTest, ANameUnderTwoAppellationsLeavesTheListWithItsLastLine) {
    Open();
    Press("BitBtn4", "Clos", "A", "Pauillac");
    Press("BitBtn4", "Clos", "B", "Margaux");
    EXPECT_EQ(ReadFileBytes("Domaine.dat"),
              CrLf({Header("Bordeaux", "Pauillac"), Dom("Clos", "A"), Header("Bordeaux", "Margaux"),
                    Dom("Clos", "B")}));
    Press("BitBtn2", "Clos", "", "Pauillac");
    EXPECT_EQ(Entries(Domaine()), QStringList{"Clos"});
    // Removing empties the fields.
    EXPECT_TRUE(Owner()->text().isEmpty());
    EXPECT_TRUE(Domaine()->currentText().isEmpty());
    EXPECT_EQ(Region()->currentIndex(), -1);
    Press("BitBtn2", "Clos", "", "Margaux");
    EXPECT_TRUE(Entries(Domaine()).isEmpty());
    EXPECT_EQ(ReadFileBytes("Domaine.dat"),
              CrLf({Header("Bordeaux", "Pauillac"), Header("Bordeaux", "Margaux")}));
    EXPECT_TRUE(Warnings().empty());
}

TEST_F(DomaineTest, RefusalsComeInOrderAndChangeNothing) {
    const std::string base = CrLf({Header("Bordeaux", "Pauillac"), Dom("Latour", "Pinault")});
    WriteFileBytes("Domaine.dat", base);
    const struct {
        const char* name;
        const char* button;
        const char* domaine;
        const char* owner;
        const char* appellation;
        const char* region;
        int warning;
    } cases[] = {
        {"no name", "BitBtn4", "   ", "X", "Pauillac", nullptr, 36},
        {"no region", "BitBtn4", "Latour", "X", "", nullptr, 4},
        {"no appellation", "BitBtn2", "Latour", "", "", "Bordeaux", 5},
        {"no owner", "BitBtn4", "Latour", " ", "Pauillac", nullptr, 37},
        {"wrong region", "BitBtn2", "Latour", "", "Pauillac", "Alsace", 38},
        {"not in that section", "BitBtn2", "Latour", "", "Margaux", nullptr, 38},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Open();
        Press(c.button, c.domaine, c.owner, c.appellation, c.region);
        EXPECT_EQ(Warnings(), std::vector<int>{c.warning});
        EXPECT_EQ(ReadFileBytes("Domaine.dat"), base);
        recorder->clear();
    }
}

TEST_F(DomaineTest, ChoosingADomaineShowsItsFirstSection) {
    WriteFileBytes("Domaine.dat",
                   CrLf({Header("Bordeaux", "Margaux"), Dom("Clos", "A"), Dom("latour", "x"),
                         Header("Alsace", "Riesling"), Dom("Clos", "B"), Dom("Latour", "y")}));
    Open();
    EXPECT_EQ(Entries(Domaine()), (QStringList{"Clos", "latour"})); // one entry whatever the case
    Choose(Domaine(), "Clos");
    EXPECT_EQ(Owner()->text(), "A");
    EXPECT_EQ(Region()->currentText(), "Bordeaux");
    EXPECT_EQ(Appellation()->currentText(), "Margaux");
    // With the box ticked the list holds the region's appellations only.
    RegionOnly()->click();
    EXPECT_EQ(Entries(Appellation()), (QStringList{"Margaux", "Pauillac"}));
    EXPECT_EQ(Appellation()->currentText(), "Margaux");
    Choose(Region(), "Alsace");
    EXPECT_EQ(Entries(Appellation()), (QStringList{"Pauillac", "Riesling"}));
}

TEST_F(DomaineTest, TheOtherAppellationEntryComesOnlyWhenTheBoxIsUnticked) {
    Open();
    EXPECT_EQ(Entries(Appellation()), (QStringList{"Margaux", "Pauillac", "Riesling"}));
    RegionOnly()->click();
    EXPECT_TRUE(Entries(Appellation()).isEmpty()); // no region chosen
    RegionOnly()->click();
    EXPECT_EQ(Entries(Appellation()),
              (QStringList{"[Autre Appellation]", "Margaux", "Pauillac", "Riesling"}));
    // Choosing an appellation chooses its region; a region without it clears the choice.
    Choose(Appellation(), "Riesling");
    EXPECT_EQ(Region()->currentText(), "Alsace");
    Choose(Region(), "Bordeaux");
    EXPECT_TRUE(Appellation()->currentText().isEmpty());
}

// A header written by hand without the blanks after the appellation is the same section.
TEST_F(DomaineTest, HeadersNotPaddedToTheirWidthAreTheSameSection) {
    WriteFileBytes("Domaine.dat",
                   CrLf({"[Bordeaux            ][Pauillac]", Dom("Latour", "Pinault")}));
    Open();
    Choose(Domaine(), "Latour");
    EXPECT_EQ(Appellation()->currentText(), "Pauillac");
    Press("BitBtn4", "Latour", "Artemis", "Pauillac");
    EXPECT_EQ(ReadFileBytes("Domaine.dat"),
              CrLf({"[Bordeaux            ][Pauillac]", Dom("Latour", "Artemis")}));
    Press("BitBtn2", "Latour", "", "Pauillac");
    EXPECT_EQ(ReadFileBytes("Domaine.dat"), CrLf({"[Bordeaux            ][Pauillac]"}));
    EXPECT_TRUE(Warnings().empty());
}

TEST_F(DomaineTest, ACharacterOutsideTheCodePageIsRefused) {
    Open();
    Press("BitBtn4", "Latour", "Pinault \u20AC\u4E00", "Pauillac");
    EXPECT_EQ(recorder->boxesOf(ui::testing::BoxKind::Warning).size(), 1u);
    EXPECT_FALSE(Exists("Domaine.dat"));
}

} // namespace
