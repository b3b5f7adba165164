// Reading and repairing Tonnelix.ini at start-up, and writing single keys.
#include <gtest/gtest.h>

#include <QDir>
#include <QString>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

#include "shell/Settings.h"
#include "store/Files.h"
#include "store/State.h"
#include "store/Text.h"
#include "support/FaultInjection.h"
#include "support/TestDirs.h"

using shell::CurrentSettings;
using shell::ReadSetting;
using shell::ReadSettings;
using shell::Upgrade;
using shell::WriteSetting;
using store::DataLanguage;
using testsupport::CrLf;
using testsupport::DirectoryListing;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

namespace fs = std::filesystem;

namespace {

std::string Cwd() {
    return QDir::currentPath().toStdString();
}

std::string IniPath() {
    return shell::SettingsFilePath().toStdString();
}

std::string Value(const char* section, const char* key) {
    return ReadSetting(section, key, "<missing>").toStdString();
}

// First lines of appellation bases: the current header has "]" in column 34, older
// versions wrote a narrower colour there.
std::string CurrentHeader() {
    return "[" + store::PadText("Bourgogne", 20) + "][" + store::PadText("Rouge", 10) + "](" +
           store::PadText("Chablis", 30) + ")";
}
std::string Version20Header() {
    return "[" + store::PadText("Bourgogne", 20) + "][Rouge](" + store::PadText("Chablis", 30) +
           ")";
}
const char kVersion1Header[] = "[Bourgogne][Rouge][Chablis]";

// A complete settings file of the current version, as a user's editor might have left it.
struct Key {
    std::string name;  // "Section/Key"
    std::string value; // "<none>": the key is left out
};
std::vector<Key> CurrentKeys(const std::string& path) {
    return {{"Software/Version", "3"},        {"Software/Release", "01"}, {"Software/Path", path},
            {"Options/Language", "Francais"}, {"Options/Welcome", "Yes"}, {"Options/Scale", "No"},
            {"Options/Preview", "No"},        {"Options/Sort", "1"}};
}
std::string IniText(const std::vector<Key>& keys) {
    std::vector<std::string> lines;
    for (const char* section : {"Software", "Options"}) {
        lines.push_back(std::string("[") + section + "]");
        for (const Key& k : keys)
            if (k.name.rfind(std::string(section) + "/", 0) == 0)
                if (k.value != "<none>")
                    lines.push_back(k.name.substr(k.name.find('/') + 1) + "=" + k.value);
    }
    return CrLf(lines);
}

class SettingsTest : public testsupport::DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        shell::ResetSettings();
        shell::SetSystemLanguageCodeForTests(QStringLiteral("eng"));
        shell::SetUpgradeHandler([this](Upgrade u) {
            upgrades.push_back(u);
            return true;
        });
    }
    void TearDown() override {
        shell::ResetSettings();
        DataDirTest::TearDown();
    }

    std::vector<Upgrade> upgrades;
};

// ------------------------------------------------------------------ first start

struct FirstStartCase {
    const char* code;
    DataLanguage language;
};

void PrintTo(const FirstStartCase& c, std::ostream* os) {
    *os << '"' << c.code << '"';
}

class FirstStartTest : public SettingsTest, public ::testing::WithParamInterface<FirstStartCase> {};

TEST_P(FirstStartTest, WritesEveryKeyWithItsDefault) {
    const FirstStartCase& c = GetParam();
    shell::SetSystemLanguageCodeForTests(QString::fromLatin1(c.code));
    const bool french = c.language == DataLanguage::French;
    // An appellation base of an older layout is not converted on a first start.
    WriteFileBytes(french ? "Vins.dat" : "Wines.dat", CrLf({kVersion1Header}));

    ReadSettings();

    EXPECT_EQ(IniPath(), configDir + "/Tonnelix.ini");
    // The keys in the order the start writes them, each line ended by CR LF.
    EXPECT_EQ(ReadFileBytes(IniPath()),
              CrLf({"[Software]", "Version=3", "Release=01", "Path=" + Cwd(), "[Options]",
                    std::string("Language=") + (french ? "Francais" : "English"), "Welcome=Yes",
                    "Scale=No", "Preview=No", "Sort=1"}));
    const shell::Settings& s = CurrentSettings();
    EXPECT_EQ(s.version, "-");
    EXPECT_EQ(s.release, "-");
    EXPECT_EQ(s.language, c.language);
    EXPECT_TRUE(s.welcome);
    EXPECT_FALSE(s.scale);
    EXPECT_FALSE(s.preview);
    EXPECT_EQ(s.sort, 1);
    EXPECT_EQ(store::State().language, c.language);
    EXPECT_EQ(store::State().sort, 1);
    EXPECT_EQ(store::State().files.cellar, french ? "Cave.dat" : "Cellar.dat");
    const std::vector<std::string> frenchFiles{"Couleur.dat", "Note.dat", "Region.dat", "Vins.dat",
                                               "Volume.dat"};
    const std::vector<std::string> englishFiles{"Colour.dat", "Country.dat", "Mark.dat",
                                                "Volum.dat", "Wines.dat"};
    EXPECT_EQ(DirectoryListing(), french ? frenchFiles : englishFiles);
    EXPECT_EQ(ReadFileBytes(french ? "Couleur.dat" : "Colour.dat"),
              CrLf(store::DefaultColours(c.language)));
    EXPECT_TRUE(upgrades.empty());
}

INSTANTIATE_TEST_SUITE_P(SystemLanguage, FirstStartTest,
                         ::testing::Values(FirstStartCase{"fra", DataLanguage::French},
                                           FirstStartCase{"fraX", DataLanguage::French},
                                           FirstStartCase{"frc", DataLanguage::English},
                                           FirstStartCase{"FRA", DataLanguage::English},
                                           FirstStartCase{"deu", DataLanguage::English},
                                           FirstStartCase{"", DataLanguage::English}),
                         [](const auto& info) { return "Code_" + std::string(info.param.code); });

// The locale gives the platform's code: only French of France is "fra".
TEST(LanguageCodeTest, LocalesGiveThePlatformsThreeLetterCodes) {
    const std::pair<const char*, const char*> cases[] = {
        {"fr_FR", "fra"}, {"fr", "fra"},    {"fr_BE", "frb"}, {"fr_CA", "frc"}, {"fr_CH", "frs"},
        {"fr_LU", "frl"}, {"fr_MC", "frm"}, {"fr_SN", "frz"}, {"en_US", "enu"}, {"en_GB", "eng"},
        {"en_CA", "enc"}, {"en_IN", "enz"}, {"de_DE", "deu"}, {"de_AT", "dea"}, {"C", "eng"},
    };
    for (const auto& [locale, code] : cases)
        EXPECT_EQ(shell::LanguageCodeOf(QLocale(QString::fromLatin1(locale))), code) << locale;
}

// ------------------------------------------------------------------ repairs

TEST_F(SettingsTest, HalfFilledFileIsRepairedAndKeepsItsValues) {
    WriteFileBytes(IniPath(), CrLf({"[Options]", "Language=English", "Sort=3", "Preview=Yes",
                                    "[Software]", "Lastsave=05/03/1999 09:05"}));
    WriteFileBytes("Wines.dat", CrLf({Version20Header()}));

    ReadSettings();

    // Version was missing: it and Release are written, and the check finds "-": no conversion.
    EXPECT_TRUE(upgrades.empty());
    EXPECT_EQ(CurrentSettings().version, "-");
    EXPECT_EQ(CurrentSettings().language, DataLanguage::English);
    EXPECT_TRUE(CurrentSettings().preview);
    EXPECT_EQ(CurrentSettings().sort, 3);
    EXPECT_EQ(store::State().sort, 3);
    // The keys that were there keep their lines and order; the missing ones join their section.
    EXPECT_EQ(ReadFileBytes(IniPath()),
              CrLf({"[Options]", "Language=English", "Sort=3", "Preview=Yes", "Welcome=Yes",
                    "Scale=No", "[Software]", "Lastsave=05/03/1999 09:05", "Version=3",
                    "Release=01", "Path=" + Cwd()}));
}

// ------------------------------------------------------------------ edge cases

struct EdgeCase {
    const char* name;
    std::vector<Key> changes = {};        // applied to a complete current file
    std::optional<std::string> base = {}; // the appellation base's bytes; none: no file
    DataLanguage language = DataLanguage::French;
    bool welcome = true;
    bool scale = false;
    bool preview = false;
    int sort = 1;
    std::vector<Upgrade> upgrades = {};
    std::vector<Key> after = {}; // values in the file afterwards; "<cwd>" is the current directory
};

void PrintTo(const EdgeCase& c, std::ostream* os) {
    *os << c.name;
}

class SettingsEdgeTest : public SettingsTest, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(SettingsEdgeTest, ReadsAndRepairs) {
    const EdgeCase& c = GetParam();
    std::vector<Key> keys = CurrentKeys(Cwd());
    for (const Key& change : c.changes)
        for (Key& k : keys)
            if (k.name == change.name)
                k.value = change.value == "<cwd>/" ? Cwd() + "/" : change.value;
    WriteFileBytes(IniPath(), IniText(keys));
    if (c.base) WriteFileBytes(store::FileNamesFor(c.language).appellations, *c.base);

    ReadSettings();

    const shell::Settings& s = CurrentSettings();
    EXPECT_EQ(s.language, c.language);
    EXPECT_EQ(s.welcome, c.welcome);
    EXPECT_EQ(s.scale, c.scale);
    EXPECT_EQ(s.preview, c.preview);
    EXPECT_EQ(s.sort, c.sort);
    EXPECT_EQ(store::State().sort, c.sort);
    EXPECT_EQ(store::State().language, c.language);
    EXPECT_EQ(upgrades, c.upgrades);
    for (const Key& k : c.after) {
        const auto slash = k.name.find('/');
        EXPECT_EQ(Value(k.name.substr(0, slash).c_str(), k.name.substr(slash + 1).c_str()),
                  k.value == "<cwd>" ? Cwd() : k.value)
            << k.name;
    }
}

const std::string kOldBase = CrLf({Version20Header(), "   Temp =12"});
const std::string kCurrentBase = CrLf({CurrentHeader(), "   Temp =12"});

using U = Upgrade;
const std::vector<Key> kRewritten{{"Software/Version", "3"}, {"Software/Release", "01"}};

// clang-format off
const std::vector<EdgeCase> kEdgeCases{
    {.name = "Unchanged", .after = {{"Software/Version", "3"}, {"Software/Release", "01"}, {"Software/Path", "<cwd>"}}},
    // Language: English when the value begins with "English", French otherwise.
    {.name = "LanguageEnglishUK", .changes = {{"Options/Language", "English UK"}}, .language = DataLanguage::English, .after = {{"Options/Language", "English UK"}}},
    {.name = "LanguageAnglais", .changes = {{"Options/Language", "Anglais"}}, .after = {{"Options/Language", "Anglais"}}},
    {.name = "LanguageListWrittenByHand", .changes = {{"Options/Language", "English, UK"}}, .language = DataLanguage::English},
    {.name = "LanguageEmpty", .changes = {{"Options/Language", ""}}, .after = {{"Options/Language", ""}}},
    // Welcome: cleared only by the first two characters "No".
    {.name = "WelcomeNon", .changes = {{"Options/Welcome", "Non"}}, .welcome = false, .after = {{"Options/Welcome", "Non"}}},
    {.name = "WelcomeLowerNo", .changes = {{"Options/Welcome", "no"}}, .after = {{"Options/Welcome", "no"}}},
    // Scale and Preview: set only by exactly "Yes".
    {.name = "ScaleLowerYes", .changes = {{"Options/Scale", "yes"}, {"Options/Preview", "yes"}}, .after = {{"Options/Scale", "yes"}, {"Options/Preview", "yes"}}},
    {.name = "ScaleAndPreviewYes", .changes = {{"Options/Scale", "Yes"}, {"Options/Preview", "Yes"}}, .scale = true, .preview = true},
    // Sort: 1 to 3, anything else rewritten "1".
    {.name = "Sort7", .changes = {{"Options/Sort", "7"}}, .after = {{"Options/Sort", "1"}}},
    {.name = "Sort0", .changes = {{"Options/Sort", "0"}}, .after = {{"Options/Sort", "1"}}},
    {.name = "SortText", .changes = {{"Options/Sort", "abc"}}, .after = {{"Options/Sort", "1"}}},
    {.name = "Sort2", .changes = {{"Options/Sort", "2"}}, .sort = 2, .after = {{"Options/Sort", "2"}}},
    // Version and Release: the upgrade check, and the keys rewritten "3" and "01".
    {.name = "Version2Release05OldBase", .changes = {{"Software/Version", "2"}, {"Software/Release", "05"}}, .base = kOldBase, .upgrades = {U::FromVersion20}, .after = kRewritten},
    {.name = "Version2Release05CurrentBase", .changes = {{"Software/Version", "2"}, {"Software/Release", "05"}}, .base = kCurrentBase, .after = kRewritten},
    {.name = "Version2Release10", .changes = {{"Software/Version", "2"}, {"Software/Release", "10"}}, .base = kOldBase, .after = kRewritten},
    {.name = "Version1OldBase", .changes = {{"Software/Version", "1"}}, .base = CrLf({kVersion1Header}), .upgrades = {U::FromVersion1}, .after = kRewritten},
    {.name = "Version1EmptyBase", .changes = {{"Software/Version", "1"}}, .base = std::string(), .upgrades = {U::FromVersion1}},
    {.name = "Version1CurrentBase", .changes = {{"Software/Version", "1"}}, .base = kCurrentBase, .after = kRewritten},
    {.name = "Version1MissingBase", .changes = {{"Software/Version", "1"}}, .after = kRewritten},
    {.name = "Version4", .changes = {{"Software/Version", "4"}}, .base = kOldBase, .after = kRewritten},
    {.name = "ReleaseMissing", .changes = {{"Software/Release", "<none>"}}, .base = kOldBase, .after = kRewritten},
    {.name = "Version3Release00", .changes = {{"Software/Release", "00"}}, .base = kOldBase, .after = {{"Software/Version", "3"}, {"Software/Release", "00"}}},
    // Path: rewritten whenever it differs from the current directory.
    {.name = "PathOfAnotherDirectory", .changes = {{"Software/Path", "/somewhere/else"}}, .after = {{"Software/Path", "<cwd>"}}},
    {.name = "PathWithTrailingSlash", .changes = {{"Software/Path", "<cwd>/"}}, .after = {{"Software/Path", "<cwd>"}}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Part12, SettingsEdgeTest, ::testing::ValuesIn(kEdgeCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The check looks at the base of the language read, once the vocabulary of that language is
// loaded; the conversion then finds the data file names and lists in place.
TEST_F(SettingsTest, ConversionRunsAfterTheVocabularyOfTheLanguage) {
    std::vector<Key> keys = CurrentKeys(Cwd());
    keys[0].value = "1";
    keys[3].value = "English";
    WriteFileBytes(IniPath(), IniText(keys));
    WriteFileBytes("Vins.dat", CrLf({kVersion1Header})); // the French base is not looked at
    WriteFileBytes("Wines.dat", CrLf({kVersion1Header}));
    std::string appellations;
    bool listsWritten = false;
    shell::SetUpgradeHandler([&](Upgrade u) {
        upgrades.push_back(u);
        appellations = store::State().files.appellations;
        listsWritten = store::FileExists("Colour.dat") && store::State().lists.colours.count() == 3;
        return true;
    });

    ReadSettings();

    EXPECT_EQ(upgrades, std::vector<Upgrade>{Upgrade::FromVersion1});
    EXPECT_EQ(appellations, "Wines.dat");
    EXPECT_TRUE(listsWritten);

    // "Version" is now "3": the next start checks nothing.
    upgrades.clear();
    ReadSettings();
    EXPECT_TRUE(upgrades.empty());
}

// Until a conversion has completed, the settings keep the version of the data: a start that
// cannot convert leaves "Version" and "Release" alone, and the next start tries again.
TEST_F(SettingsTest, VersionIsWrittenOnlyAfterACompletedConversion) {
    std::vector<Key> keys = CurrentKeys(Cwd());
    keys[0].value = "2";
    keys[1].value = "05";
    WriteFileBytes(IniPath(), IniText(keys));
    WriteFileBytes("Vins.dat", kOldBase);

    // The program's own conversion, failing at its last step: the journal that would commit it
    // cannot be put in place (every file before it is only staged).
    shell::SetUpgradeHandler({});
    store::files_testing::FailNthCall(store::files_testing::Call::Rename, 1, EACCES);
    EXPECT_THROW(ReadSettings(), store::IoError);
    store::files_testing::Reset();
    EXPECT_EQ(ReadFileBytes("Vins.dat"), kOldBase);
    EXPECT_FALSE(store::FileExists("Vins.20"));
    EXPECT_EQ(Value("Software", "Version"), "2");
    EXPECT_EQ(Value("Software", "Release"), "05");

    shell::SetUpgradeHandler([this](Upgrade u) {
        upgrades.push_back(u);
        return false; // failed half-way
    });
    ReadSettings();
    ReadSettings();
    EXPECT_EQ(upgrades, (std::vector<Upgrade>{Upgrade::FromVersion20, Upgrade::FromVersion20}));
    EXPECT_EQ(Value("Software", "Version"), "2");

    shell::SetUpgradeHandler([](Upgrade) { return true; });
    ReadSettings();
    EXPECT_EQ(Value("Software", "Version"), "3");
    EXPECT_EQ(Value("Software", "Release"), "01");
}

// ------------------------------------------------------------------ single keys

// A file whose very last line lost its LF, as an editor of another system may leave it, still
// holds its values: nothing is reset and nothing rewritten.
TEST_F(SettingsTest, ALastLineEndedByACarriageReturnKeepsItsValue) {
    std::vector<Key> keys = CurrentKeys(Cwd());
    keys.back() = {"Options/Sort", "2"};
    std::string text = IniText(keys);
    text.resize(text.size() - 1); // "Sort=2" then CR alone
    WriteFileBytes(IniPath(), text);
    ReadSettings();
    EXPECT_EQ(CurrentSettings().sort, 2);
    EXPECT_EQ(ReadFileBytes(IniPath()), text);
    // A key added after it starts a line of its own.
    WriteSetting("Options", "Colours", "a");
    EXPECT_EQ(Value("Options", "Sort"), "2");
    EXPECT_EQ(Value("Options", "Colours"), "a");
}

TEST_F(SettingsTest, WriteReachesTheFileAtOnce) {
    WriteSetting("Software", "Lastsave", "05/03/1999 09:05");
    EXPECT_EQ(ReadFileBytes(IniPath()), CrLf({"[Software]", "Lastsave=05/03/1999 09:05"}));

    WriteSetting("Options", "Language", "English UK");
    WriteSetting("Software", "Lastsave", "06/03/1999 10:15");
    EXPECT_EQ(ReadFileBytes(IniPath()), CrLf({"[Software]", "Lastsave=06/03/1999 10:15",
                                              "[Options]", "Language=English UK"}));

    EXPECT_EQ(Value("Software", "Lastsave"), "06/03/1999 10:15");
    EXPECT_EQ(Value("Options", "Language"), "English UK");
    EXPECT_EQ(Value("Options", "Sort"), "<missing>");
    EXPECT_EQ(ReadSetting("Software", "Lastsave-x", "None"), "None");
}

// A file written by another tool (LF lines, comments, blank lines, quoting, keys of other
// programs) is read by its keys, and a write changes only the line of its key.
TEST_F(SettingsTest, AFileWrittenElsewhereKeepsWhatItHolds) {
    const std::string before = "; kept\n[Options]\nlanguage = English\nSort=\"2\"\nColours=a,b\n\n"
                               "[Other]\nx=1\n\n[Software]\nVersion=3\nRelease=01\nPath=" +
                               Cwd() + "\nWelcome=Yes\n";
    WriteFileBytes(IniPath(), before);
    WriteFileBytes("Wines.dat", kOldBase);

    ReadSettings();

    EXPECT_EQ(CurrentSettings().language, DataLanguage::English);
    EXPECT_EQ(CurrentSettings().sort, 2);
    // Welcome lies in another section: Options gets its own, with Scale and Preview.
    EXPECT_EQ(
        ReadFileBytes(IniPath()),
        "; kept\n[Options]\nlanguage = English\nSort=\"2\"\nColours=a,b\nWelcome=Yes\nScale=No\n"
        "Preview=No\n\n[Other]\nx=1\n\n[Software]\nVersion=3\nRelease=01\nPath=" +
            Cwd() + "\nWelcome=Yes\n");
    WriteSetting("Options", "Sort", "3");
    EXPECT_NE(ReadFileBytes(IniPath()).find("\nColours=a,b\nWelcome=Yes\n"), std::string::npos);
    EXPECT_NE(ReadFileBytes(IniPath()).find("\nSort=3\n"), std::string::npos);
}

// A full disk: the write raises "disk full" and the file keeps every byte it had.
TEST_F(SettingsTest, AFailedWriteRaisesItsKindAndKeepsTheFile) {
    WriteFileBytes(IniPath(), IniText(CurrentKeys(Cwd())));
    const std::string before = ReadFileBytes(IniPath());
    for (long budget : {0L, 51L}) {
        store::files_testing::FailWritesAfter(budget);
        try {
            WriteSetting("Options", "Language", "English");
            ADD_FAILURE() << "no error with " << budget << " bytes of room";
        } catch (const store::IoError& error) {
            EXPECT_EQ(error.kind(), store::IoError::Kind::DiskFull);
        }
        store::files_testing::Reset();
        EXPECT_EQ(ReadFileBytes(IniPath()), before);
        EXPECT_EQ(std::distance(fs::directory_iterator(configDir), fs::directory_iterator()), 1);
    }
}

// A key written, and a half-filled file repaired at start-up, meet a failing disk at every call.
TEST_F(SettingsTest, WritesKeepOldOrNewBytesAtEveryFailingCall) {
    const std::vector<testsupport::FaultyWriter> writers{
        {"WriteSetting", [] { WriteSetting("Options", "Language", "English"); }},
        {"ReadSettings",
         [] {
             shell::ResetSettings();
             ReadSettings();
         }},
    };
    const auto fill = [] {
        std::vector<Key> keys = CurrentKeys(Cwd());
        keys[4].value = "<none>"; // Welcome, repaired at start-up
        fs::create_directories(fs::path(IniPath()).parent_path());
        WriteFileBytes(IniPath(), "; mine\r\n" + IniText(keys));
    };
    EXPECT_GT(testsupport::InjectFaults(writers, fill, {".", configDir}), 0);
}

// Directory names with blanks, commas and accents come back exactly, so an unchanged data
// directory is never taken for another one.
TEST_F(SettingsTest, PathsRoundTrip) {
    for (const char* name : {"Ma cave", "cave,2", "caf\xc3\xa9 ; 1", "trail "}) {
        fs::create_directory(dataDir + "/" + name);
        fs::current_path(dataDir + "/" + name);
        ReadSettings();
        EXPECT_EQ(Value("Software", "Path"), Cwd()) << name;
        const std::string before = ReadFileBytes(IniPath());
        struct stat st {};
        ::stat(IniPath().c_str(), &st);
        const auto inode = st.st_ino;
        ReadSettings(); // nothing to repair: the file is not rewritten
        ::stat(IniPath().c_str(), &st);
        EXPECT_EQ(st.st_ino, inode) << name;
        EXPECT_EQ(ReadFileBytes(IniPath()), before) << name;
    }
    // A blank inside a value is written as it is.
    fs::current_path(dataDir + "/Ma cave");
    ReadSettings();
    EXPECT_NE(ReadFileBytes(IniPath()).find("\nPath=" + Cwd() + "\r\n"), std::string::npos);
}

TEST_F(SettingsTest, UnwritableSettingsFileIsAnInputOutputError) {
    const std::string blocker = configDir + "/not-a-directory";
    WriteFileBytes(blocker, "x");
    ::setenv("XDG_CONFIG_HOME", blocker.c_str(), 1);
    EXPECT_THROW(WriteSetting("Options", "Sort", "2"), store::IoError);
    EXPECT_THROW(ReadSettings(), store::IoError);
}

} // namespace
