// Start-up before the main window: settings, vocabulary, language module, help.
#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>

#include "shell/Startup.h"
#include "shell/windows/ShellWindowTest.h"
#include "store/Messages.h"
#include "ui/Help.h"

using store::DataLanguage;

namespace {

class StartupTest : public testsupport::ShellWindowTest {};

TEST_F(StartupTest, FirstStartWritesEveryKeyWithItsDefault) {
    shell::SetSystemLanguageCodeForTests(QStringLiteral("fra"));
    ASSERT_TRUE(shell::StartUp());

    QSettings ini(shell::SettingsFilePath(), QSettings::IniFormat);
    const struct {
        const char* key;
        QString value;
    } expected[] = {
        {"Software/Version", "3"},
        {"Software/Release", "01"},
        {"Software/Path", QDir::currentPath()},
        {"Options/Language", "Francais"},
        {"Options/Welcome", "Yes"},
        {"Options/Scale", "No"},
        {"Options/Preview", "No"},
        {"Options/Sort", "1"},
    };
    for (const auto& e : expected)
        EXPECT_EQ(ini.value(e.key).toString(), e.value) << e.key;
    EXPECT_FALSE(ini.contains("Software/Lastsave"));
    EXPECT_EQ(ini.allKeys().size(), 8);

    // The vocabulary of the language is in place, French stays built in, help is French.
    EXPECT_TRUE(testsupport::Exists("Couleur.dat"));
    EXPECT_EQ(shell::State().moduleLocale, shell::kLocaleFrench);
    EXPECT_TRUE(ui::HelpDirectory().endsWith("/help/fr"));
    EXPECT_TRUE(shell::State().startup);
}

TEST_F(StartupTest, EnglishStartLoadsTheEnglishModuleAndHelp) {
    shell::SetSystemLanguageCodeForTests(QStringLiteral("eng"));
    ASSERT_TRUE(shell::StartUp());
    EXPECT_EQ(store::State().language, DataLanguage::English);
    EXPECT_TRUE(testsupport::Exists("Colour.dat"));
    EXPECT_EQ(shell::State().moduleLocale, shell::kLocaleEnglish);
    EXPECT_EQ(QCoreApplication::translate("MessageTable", "Avertissement"), "Warning");
    EXPECT_TRUE(ui::HelpDirectory().endsWith("/help/en"));
}

// With no main window to go back to, an input/output error while reading the settings is
// shown and ends the start.
TEST_F(StartupTest, SettingsThatCannotBeWrittenEndTheStartWithTheErrorShown) {
    ASSERT_TRUE(QDir().mkpath(shell::SettingsFilePath())); // a folder where the file should be
    EXPECT_FALSE(shell::StartUp());
    const auto errors = recorder->boxesOf(ui::testing::BoxKind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].text.startsWith(QString::fromUtf8("Accès au fichier refusé")));
}

// Numbered messages of the data layer reach the warning box.
TEST_F(StartupTest, DataLayerMessagesBecomeWarningBoxes) {
    ASSERT_TRUE(shell::StartUp());
    store::ShowMessage(1);
    const auto warnings = recorder->boxesOf(ui::testing::BoxKind::Warning);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].number, 1);
}

TEST_F(StartupTest, ModulesAreFoundBesideTheProgramByTheirAbbreviation) {
    const QString build = QStringLiteral(TONNELIX_BINARY_DIR);
    EXPECT_EQ(shell::LanguageModulePath(shell::kLocaleEnglish), build + "/tonnelix.ENU");
    EXPECT_EQ(shell::LanguageModulePath(shell::kLocaleFrench), build + "/tonnelix.FRA");
    EXPECT_EQ(shell::LanguageModulePath(1031), QString()); // no German module

    // Extension replaced; the two-letter name when the three-letter one is missing.
    const QString dir = QDir::currentPath();
    testsupport::WriteFileBytes("prog.EN", "");
    shell::SetProgramPathForTests(dir + "/prog.exe");
    EXPECT_EQ(shell::LanguageModulePath(shell::kLocaleEnglish), dir + "/prog.EN");
    testsupport::WriteFileBytes("prog.ENU", "");
    EXPECT_EQ(shell::LanguageModulePath(shell::kLocaleEnglish), dir + "/prog.ENU");

    // A module that is missing or unreadable changes nothing.
    EXPECT_FALSE(shell::LoadLanguageModule(shell::kLocaleFrench));
    EXPECT_FALSE(shell::LoadLanguageModule(shell::kLocaleEnglish)); // an empty file is no module
    EXPECT_EQ(shell::State().moduleLocale, 0);
}

} // namespace
