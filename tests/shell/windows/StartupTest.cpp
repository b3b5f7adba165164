// Start-up before the main window: settings, vocabulary, language module, help.
#include <gtest/gtest.h>

#include <QDir>
#include <QLocalServer>
#include <QMainWindow>
#include <QSettings>
#include <QTest>

#include <filesystem>
#include <map>

#include "shell/FrontWindow.h"
#include "shell/Startup.h"
#include "shell/windows/ShellWindowTest.h"
#include "store/DataFolderLock.h"
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

// ------------------------------------------------------------ one program per data folder

namespace fs = std::filesystem;

// Every file of the data folder and the settings file, with its bytes and time stamp.
struct Snapshot {
    std::map<std::string, std::pair<std::string, fs::file_time_type>> files;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const std::vector<std::string>& folders) {
    Snapshot snapshot;
    for (const auto& folder : folders)
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            if (entry.is_regular_file())
                snapshot.files[entry.path().string()] = {
                    testsupport::ReadFileBytes(entry.path().string()), entry.last_write_time()};
    return snapshot;
}

// The settings of an older version, which a start repairs and converts, and a cellar book.
void OldSettingsAndACellar(const char* language) {
    const std::string ini = shell::SettingsFilePath().toStdString();
    fs::create_directories(fs::path(ini).parent_path());
    testsupport::WriteFileBytes(
        ini, std::string("[Software]\r\nVersion=1\r\n[Options]\r\nLanguage=") + language + "\r\n");
    testsupport::WriteFileBytes("Cave.dat", "not yet converted\r\n");
    const auto past = fs::file_time_type::clock::now() - std::chrono::hours(48);
    fs::last_write_time(ini, past);
    fs::last_write_time("Cave.dat", past);
}

TEST_F(StartupTest, ASecondStartOnAnOpenFolderIsRefusedInTheSettingsLanguageAndWritesNothing) {
    const struct {
        const char* language;
        const char* begins;
    } cases[] = {
        {"Francais", "Tonnelix est déjà ouvert sur ce dossier de données ("},
        {"English", "Tonnelix is already open on this data folder ("},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        shell::ResetState();
        shell::SetProgramPathForTests(QStringLiteral(TONNELIX_BINARY_DIR "/tonnelix"));
        recorder->clear();
        OldSettingsAndACellar(c.language);
        const store::DataFolderLock running = store::DataFolderLock::TryTake();
        ASSERT_TRUE(running.held());
        const Snapshot before = Take({dataDir, configDir});

        EXPECT_FALSE(shell::LockDataFolder());

        const auto warnings = recorder->boxesOf(ui::testing::BoxKind::Warning);
        ASSERT_EQ(warnings.size(), 1u);
        EXPECT_TRUE(warnings[0].text.startsWith(QString::fromUtf8(c.begins)))
            << warnings[0].text.toStdString();
        EXPECT_TRUE(warnings[0].text.contains(QDir::currentPath()));
        EXPECT_TRUE(Take({dataDir, configDir}) == before) << "a file changed";
    }
    // Once the folder is free the same start takes the lock and writes its repairs.
    shell::SetUpgradeHandler([](shell::Upgrade) { return true; });
    const Snapshot before = Take({dataDir, configDir});
    const auto lock = shell::LockDataFolder();
    ASSERT_TRUE(lock && lock->held());
    ASSERT_TRUE(shell::StartUp());
    EXPECT_FALSE(Take({dataDir, configDir}) == before);
    shell::SetUpgradeHandler({});
}

TEST_F(StartupTest, AFolderThatCannotBeLockedIsToldOnceAndTheStartGoesOn) {
    fs::create_directory(store::kLockFileName); // no lock file can be made
    shell::SetSystemLanguageCodeForTests(QStringLiteral("fra"));
    const auto lock = shell::LockDataFolder();
    ASSERT_TRUE(lock);
    EXPECT_EQ(lock->outcome(), store::DataFolderLock::Outcome::Unsupported);
    ASSERT_TRUE(shell::StartUp());
    const auto warnings = recorder->boxesOf(ui::testing::BoxKind::Warning);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].text, shell::NoLockText(EISDIR));
    EXPECT_TRUE(warnings[0].text.startsWith(QString::fromUtf8("Le dossier de données ")));
}

TEST_F(StartupTest, ASecondStartBringsTheOpenWindowToTheFront) {
    EXPECT_FALSE(shell::AskRunningProgramToFront()); // nobody listens

    // A socket that a killed run left under the name is replaced by the folder's owner.
    const QString stale = QDir::temp().filePath(shell::FrontRequestName());
    testsupport::WriteFileBytes(stale.toStdString(), "");
    const shell::FrontRequests requests(true);
    ASSERT_TRUE(requests.listening());

    QMainWindow window;
    window.showMinimized();
    QCoreApplication::processEvents();
    ASSERT_TRUE(window.isMinimized());
    EXPECT_TRUE(shell::AskRunningProgramToFront());
    EXPECT_TRUE(QTest::qWaitFor([&window] { return !window.isMinimized(); }));
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

} // namespace
