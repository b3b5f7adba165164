// The options window and the language switch, driven as a person would.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFile>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "shell/LanguageSwitch.h"
#include "shell/Umenu.h"
#include "shell/Uoptions.h"
#include "shell/windows/ShellWindowTest.h"
#include "store/Rebuild.h"
#include "store/Text.h"
#include "store/Transaction.h"

using store::DataLanguage;
using testsupport::Exists;
using testsupport::ReadFileBytes;

namespace {

store::CellarWine Wine(const char* colour, const char* region) {
    store::CellarWine w;
    w.colour = colour;
    w.region = region;
    w.appellation = "Cru";
    w.vintage = "1990";
    return store::PaddedCellarWine(w);
}

std::vector<std::string> ColourRegions() {
    std::vector<std::string> result;
    for (const auto& w : store::ReadCellarFile(store::State().files.cellar).records)
        result.push_back(store::RightTrim(w.colour) + " " + store::RightTrim(w.region));
    return result;
}

class OptionsTest : public testsupport::ShellWindowTest {
protected:
    void SetUp() override {
        ShellWindowTest::SetUp();
        setLanguage(DataLanguage::French);
        shell::SetSystemLanguageCodeForTests(QStringLiteral("fra"));
        shell::ReadSettings(); // a first start in French: every key written
        store::State().sort = 1;
        store::WriteCellarFile(
            "Cave.dat",
            store::CellarAfterInserts(
                {}, {Wine("Rouge", "Alsace"), Wine("Blanc", "Bordeaux"), Wine("Blanc", "Alsace")}));
    }

    static void Click(QWidget& window, const char* name) {
        QAbstractButton* button = window.findChild<QAbstractButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        // On the indicator: a radio button or a check box takes clicks on itself and its text only.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    static QString Setting(const char* key) { return shell::ReadSetting("Options", key, "-"); }
};

TEST_F(OptionsTest, OpensOnTheCurrentChoices) {
    shell::CurrentSettings().welcome = false;
    shell::CurrentSettings().preview = true;
    store::State().sort = 2;
    TOptions options;
    EXPECT_TRUE(options.findChild<QRadioButton*>("Liste_langue0")->isChecked());
    EXPECT_TRUE(options.findChild<QRadioButton*>("Liste_tri1")->isChecked());
    EXPECT_FALSE(options.findChild<QCheckBox*>("Select_debut")->isChecked());
    EXPECT_TRUE(options.findChild<QRadioButton*>("preview_option1")->isChecked());
    EXPECT_EQ(options.windowTitle(), QString::fromUtf8("Options de Tonnelix"));
}

TEST_F(OptionsTest, CancelAfterChangingEverythingWritesNothing) {
    const std::string settings = ReadFileBytes(shell::SettingsFilePath().toStdString());
    const std::string cellar = ReadFileBytes("Cave.dat");
    TOptions options;
    options.show();
    for (const char* name : {"Liste_langue1", "Liste_tri2", "Select_debut", "preview_option1"})
        Click(options, name);
    Click(options, "BitBtn2");
    EXPECT_EQ(options.result(), QDialog::Rejected);
    EXPECT_EQ(ReadFileBytes(shell::SettingsFilePath().toStdString()), settings);
    EXPECT_EQ(ReadFileBytes("Cave.dat"), cellar);
    EXPECT_EQ(store::State().sort, 1);
    EXPECT_FALSE(Exists("Cellar.dat"));
}

TEST_F(OptionsTest, OkReSortsByRegionAndStoresEveryChoice) {
    EXPECT_EQ(ColourRegions(),
              (std::vector<std::string>{"Blanc Alsace", "Blanc Bordeaux", "Rouge Alsace"}));
    TOptions options;
    options.show();
    for (const char* name : {"Liste_tri2", "Select_debut", "preview_option1"})
        Click(options, name);
    Click(options, "BitBtn1");
    EXPECT_EQ(options.result(), QDialog::Accepted);
    EXPECT_EQ(ColourRegions(),
              (std::vector<std::string>{"Blanc Alsace", "Rouge Alsace", "Blanc Bordeaux"}));
    EXPECT_EQ(store::State().sort, 3);
    EXPECT_EQ(Setting("Sort"), "3");
    EXPECT_EQ(Setting("Welcome"), "No");
    EXPECT_EQ(Setting("Preview"), "Yes");
    EXPECT_EQ(Setting("Language"), "Francais");
    EXPECT_FALSE(shell::CurrentSettings().welcome);
    EXPECT_TRUE(ui::State().preview);
    EXPECT_EQ(testsupport::DirectoryListing().size(),
              5u); // Cave.dat and the four lists, no Cave.tmp
}

// The same order leaves the cellar alone; a failed re-sort leaves the order and the file as
// they were, and the window open.
TEST_F(OptionsTest, ReSortOnlyWhenTheOrderChangesAndNotHalfDone) {
    testsupport::WriteFileBytes("Cave.dat", ReadFileBytes("Cave.dat") + "cut\r\n");
    const std::string cellar = ReadFileBytes("Cave.dat");
    {
        TOptions options;
        options.show();
        Click(options, "BitBtn1");
        EXPECT_EQ(ReadFileBytes("Cave.dat"), cellar);
        EXPECT_TRUE(messages.empty()); // not even read
    }
    TOptions options;
    options.show();
    Click(options, "Liste_tri2");
    store::files_testing::FailWritesAfter(100);
    EXPECT_THROW(options.BitBtn1Click(), store::IoError);
    store::files_testing::Reset();
    EXPECT_EQ(ReadFileBytes("Cave.dat"), cellar);
    EXPECT_EQ(store::State().sort, 1);
    EXPECT_EQ(Setting("Sort"), "1");
    EXPECT_TRUE(options.isVisible());
}

TEST_F(OptionsTest, AnglaisSwitchesTheProgramAndTheDataSet) {
    TMenu menu;
    TOptions options(&menu);
    options.show();
    Click(options, "Liste_langue1");
    Click(options, "BitBtn1");
    EXPECT_EQ(store::State().language, DataLanguage::English);
    EXPECT_EQ(shell::CurrentSettings().language, DataLanguage::English);
    EXPECT_EQ(Setting("Language"), "English");
    EXPECT_EQ(shell::State().moduleLocale, shell::kLocaleEnglish);
    EXPECT_FALSE(Exists("Cave.dat"));
    EXPECT_EQ(ColourRegions(),
              (std::vector<std::string>{"Red Alsace", "White Alsace", "White Bordeaux"}));
    EXPECT_EQ(menu.findChild<QAction*>("Options1")->text(), "O&ptions");
    QCoreApplication::processEvents();
    EXPECT_EQ(menu.findChild<QAction*>("Livredecave1Action")->text(), "Cellar &Book");
    EXPECT_EQ(store::RightTrim(store::State().lists.colours.entries[0]), "White");
}

TEST_F(OptionsTest, LanguageMenuSwitchesBackAndForthAndChecksTheLanguageInUse) {
    const std::string cave = ReadFileBytes("Cave.dat");
    TMenu menu;
    QAction* french = menu.findChild<QAction*>("LanguageFrench");
    QAction* english = menu.findChild<QAction*>("LanguageEnglish");
    english->trigger();
    EXPECT_TRUE(english->isChecked());
    EXPECT_FALSE(french->isChecked());
    EXPECT_TRUE(Exists("Cellar.dat"));
    EXPECT_TRUE(Exists("Colour.dat"));

    // A full disk: nothing changes, the check mark included.
    store::files_testing::FailWritesAfter(0);
    EXPECT_THROW(french->trigger(), store::IoError);
    store::files_testing::Reset();
    EXPECT_TRUE(english->isChecked());
    EXPECT_EQ(store::State().language, DataLanguage::English);
    EXPECT_EQ(Setting("Language"), "English");

    french->trigger();
    EXPECT_TRUE(french->isChecked());
    EXPECT_EQ(ReadFileBytes("Cave.dat"), cave);
    EXPECT_FALSE(Exists("Cellar.dat"));
    EXPECT_EQ(shell::State().moduleLocale, shell::kLocaleFrench);
}

TEST_F(OptionsTest, TheLanguageInUseOnlyWritesTheSetting) {
    shell::WriteSetting("Options", "Language", "Francais et plus");
    const auto before = testsupport::DirectoryListing();
    shell::SwitchLanguage(DataLanguage::French);
    EXPECT_EQ(Setting("Language"), "Francais");
    EXPECT_EQ(testsupport::DirectoryListing(), before);
}

// The whole run: a switch whose last rename fails is a switch done; the program goes on in the
// new language, a wine entered goes to the new cellar, and the next start finds it there.
TEST_F(OptionsTest, AWineEnteredAfterASwitchWhoseLastRenameFailedIsThereAtTheNextStart) {
    namespace ft = store::files_testing;
    ft::Reset();
    shell::SwitchLanguage(DataLanguage::English);
    const long renames = ft::CallCount(ft::Call::Rename);
    shell::SwitchLanguage(DataLanguage::French);

    ft::Reset();
    ft::FailNthCall(ft::Call::Rename, renames, EACCES);
    EXPECT_THROW(shell::SwitchLanguage(DataLanguage::English), store::CommittedWithError);
    ft::Reset();
    EXPECT_EQ(store::State().language, DataLanguage::English);
    EXPECT_EQ(shell::CurrentSettings().language, DataLanguage::English);
    EXPECT_EQ(shell::State().moduleLocale, shell::kLocaleEnglish);
    store::InsertCellarWine(Wine("Red", "Burgundy"));

    shell::ResetSettings();
    store::ResetState();
    store::RecoverDataFolder({QFile::encodeName(shell::SettingsFilePath()).toStdString()});
    shell::ReadSettings();
    EXPECT_EQ(store::State().language, DataLanguage::English);
    EXPECT_EQ(ColourRegions(), (std::vector<std::string>{"Red Alsace", "Red Burgundy",
                                                        "White Alsace", "White Bordeaux"}));
    EXPECT_FALSE(Exists("Cave.dat"));
}

} // namespace
