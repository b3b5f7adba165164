// A data file that exists but cannot be read is never taken for an empty base, and the
// rewrites clear the temporaries a killed run left behind.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "store/Files.h"
#include "store/Records.h"
#include "store/RefBases.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/Vocabulary.h"
#include "store/WineEntry.h"
#include "support/TestDirs.h"

using namespace store;
using testsupport::CrLf;
using testsupport::DirectoryListing;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

namespace fs = std::filesystem;

namespace {

CellarWine Wine(const std::string& appellation, const std::string& vintage) {
    CellarWine w;
    w.colour = "Rouge";
    w.region = "Bordeaux";
    w.appellation = appellation;
    w.vintage = vintage;
    w.quantity = " 6";
    w.domaine = "Dom";
    return PaddedCellarWine(w);
}

ConsumedWine Entry(const std::string& appellation) {
    ConsumedWine e;
    e.colour = "Rouge";
    e.region = "Bordeaux";
    e.appellation = appellation;
    e.quantity = " 1";
    e.drinkDate = "01/01/2000";
    return PaddedConsumedWine(e);
}

const std::string kBordeaux = PadText("Bordeaux", 20);
const std::string kRouge = PadText("Rouge", 10);
const std::string kPauillac = PadText("Pauillac", 30);
const std::string kLatour = PadText("Latour", 50);

// Every data file of the French set, filled, so that each writer has something to lose.
void FillDataDirectory() {
    files_testing::SetSyncOnCommit(false);
    for (const char* vintage : {"1990", "1995", "2000"})
        InsertCellarWine(Wine("Pauillac", vintage));
    InsertConsumedWine(Entry("Pauillac"));
    AddAppellation(kRouge, kBordeaux, kPauillac, PadText("10 ans", 50), PadText("17", 50));
    AddVintageSection(kBordeaux, kPauillac);
    SetVintageMark(kBordeaux, kPauillac, "1990", "18");
    AddDomaine(kBordeaux, kPauillac, kLatour, PadText("Pinault", 50));
    WriteFileBytes("Couleur.dat", CrLf({"Rouge", "Blanc", "Rose", "Jaune", "Paille"}));
    files_testing::SetSyncOnCommit(true);
}

std::vector<std::pair<std::string, std::string>> Snapshot() {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& name : DirectoryListing())
        files.emplace_back(name, ReadFileBytes(name));
    return files;
}

class FilesTest : public testsupport::DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        SetDataFileNames(DataLanguage::French);
    }
};

struct Writer {
    const char* name;
    const char* file; // the file it reads before writing
    std::function<void()> run;
};

const std::vector<Writer>& Writers() {
    static const std::vector<Writer> writers{
        {"InsertCellarWine", "Cave.dat", [] { InsertCellarWine(Wine("Margaux", "1990")); }},
        {"InsertConsumedWine", "Stat.dat", [] { InsertConsumedWine(Entry("Margaux")); }},
        {"DeleteCellarWine", "Cave.dat", [] { DeleteCellarWine(Wine("Pauillac", "1995")); }},
        {"DeleteConsumedWine", "Stat.dat", [] { DeleteConsumedWine(Entry("Pauillac")); }},
        {"AddAppellation", "Vins.dat",
         [] { AddAppellation(kRouge, kBordeaux, PadText("Margaux", 30), {}, {}); }},
        {"AddVintageSection", "Annee.dat",
         [] { AddVintageSection(kBordeaux, PadText("Margaux", 30)); }},
        {"AddDomaine", "Domaine.dat",
         [] { AddDomaine(kBordeaux, kPauillac, PadText("Lynch", 50), PadText("Cazes", 50)); }},
        {"RemoveDomaine", "Domaine.dat", [] { RemoveDomaine(kBordeaux, kPauillac, kLatour); }},
        {"AddDish", "Vins.dat",
         [] { AddDish(kRouge, kBordeaux, kPauillac, "Fromage", PadText("Brie", 30)); }},
        {"SetVintageMark", "Annee.dat", [] { SetVintageMark(kBordeaux, kPauillac, "1995", "16"); }},
        {"LoadVocabulary", "Couleur.dat", [] { LoadVocabulary(DataLanguage::French); }},
    };
    return writers;
}

// Each failure to open a file that is there abandons the writer with an error of its kind, and
// every file of the directory keeps its bytes.
TEST_F(FilesTest, AFileThatCannotBeOpenedIsAnErrorAndNothingIsWritten) {
    FillDataDirectory();
    const auto before = Snapshot();
    const std::pair<int, IoError::Kind> failures[] = {
        {EACCES, IoError::Kind::AccessDenied},     {EPERM, IoError::Kind::AccessDenied},
        {EMFILE, IoError::Kind::TooManyOpenFiles}, {ENFILE, IoError::Kind::TooManyOpenFiles},
        {EISDIR, IoError::Kind::AccessDenied},     {EIO, IoError::Kind::Other},
    };
    for (const Writer& writer : Writers()) {
        for (const auto& [code, kind] : failures) {
            SCOPED_TRACE(std::string(writer.name) + ", errno " + std::to_string(code));
            files_testing::FailOpensWith(code, writer.file);
            try {
                writer.run();
                ADD_FAILURE() << "no error";
            } catch (const IoError& error) {
                EXPECT_EQ(error.kind(), kind);
                EXPECT_EQ(error.code(), code);
                EXPECT_EQ(error.file(), writer.file);
            }
            files_testing::Reset();
            EXPECT_TRUE(Snapshot() == before);
        }
    }
}

// The same holds for a real directory in the place of the file, and for the look-ups that only
// fill windows: an unreadable base shows its error rather than an empty list.
TEST_F(FilesTest, ADirectoryInPlaceOfTheFileAndTheLookUps) {
    fs::create_directory("Cave.dat");
    EXPECT_THROW(InsertCellarWine(Wine("Margaux", "1990")), IoError);
    EXPECT_TRUE(fs::is_directory("Cave.dat"));
    EXPECT_THROW(CellarPositionOfMatch(1), IoError);
    fs::remove("Cave.dat");

    FillDataDirectory();
    const std::vector<std::pair<const char*, std::function<void()>>> lookUps{
        {"Vins.dat", [] { ReadAppellationIndex(); }},
        {"Vins.dat", [] { AppellationDetails(kRouge, kBordeaux, kPauillac); }},
        {"Annee.dat", [] { VintageMarks(kBordeaux, kPauillac); }},
        {"Domaine.dat", [] { DomainesOf(kBordeaux, kPauillac); }},
        {"Domaine.dat", [] { DomaineNames(); }},
    };
    for (const auto& [file, lookUp] : lookUps) {
        files_testing::FailOpensWith(EACCES, file);
        EXPECT_THROW(lookUp(), IoError) << file;
    }
}

// Run as an ordinary user (a root test drops to "nobody"): a 100-wine cellar without read
// permission survives an insert, and a list without it is not replaced by the defaults.
TEST_F(FilesTest, UnreadableFilesOfARealUserStayWhole) {
    files_testing::SetSyncOnCommit(false);
    for (int i = 0; i < 100; ++i)
        InsertCellarWine(Wine("Pauillac", std::to_string(1900 + i)));
    WriteFileBytes("Couleur.dat", CrLf({"Rouge", "Blanc", "Rose", "Jaune", "Paille"}));
    const auto before = Snapshot();
    uid_t uid = ::geteuid();
    if (uid == 0) {
        const passwd* nobody = ::getpwnam("nobody");
        if (nobody == nullptr) GTEST_SKIP() << "no user nobody";
        uid = nobody->pw_uid;
        ASSERT_EQ(::chmod(dataDir.c_str(), 0777), 0);
        ASSERT_EQ(::chown("Cave.dat", uid, static_cast<gid_t>(-1)), 0);
        ASSERT_EQ(::chown("Couleur.dat", uid, static_cast<gid_t>(-1)), 0);
    }
    ASSERT_EQ(::chmod("Cave.dat", 0), 0);
    ASSERT_EQ(::chmod("Couleur.dat", 0), 0);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // 1: could not drop privileges, 2: the insert passed, 3: the list load passed.
        if (::geteuid() == 0 && ::setuid(uid) != 0) ::_exit(1);
        try {
            InsertCellarWine(Wine("Margaux", "1990"));
            ::_exit(2);
        } catch (const IoError& error) {
            if (error.kind() != IoError::Kind::AccessDenied) ::_exit(2);
        }
        try {
            LoadVocabulary(DataLanguage::French);
            ::_exit(3);
        } catch (const IoError&) {
        }
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::chmod("Cave.dat", 0644);
    ::chmod("Couleur.dat", 0644);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 1) GTEST_SKIP() << "this system lets no process drop to nobody";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(Snapshot() == before) << "a file changed";
}

// The number of a process that has ended.
std::string EndedProcessNumber() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return std::to_string(child);
}

// Only the exact temporaries of the file rewritten go: never a look-alike, another file's, or
// one that a running program is writing (the process number in its name is alive).
TEST_F(FilesTest, ARewriteRemovesTheLeftoverTemporariesOfItsFile) {
    InsertCellarWine(Wine("Pauillac", "1990"));
    const std::string ended = EndedProcessNumber();
    const std::vector<std::string> leftovers{"Cave.dat." + ended + ".tmp", "Cave.dat.0.tmp",
                                             "Cave.dat.99999999999999999999.tmp"};
    const std::vector<std::string> kept{
        "Cave.dat.12a.tmp", "Cave.dat..tmp",    "Cave.dat.123.tmp.bak",
        "Cave.dat.tmp",     "Cave.dat.123.TMP", "xCave.dat.123.tmp",
        "Stat.dat.123.tmp", "Cave.dat.old",     "Cave.dat." + std::to_string(::getppid()) + ".tmp",
    };
    for (const auto& name : leftovers)
        WriteFileBytes(name, std::string(1000, 'x'));
    for (const auto& name : kept)
        WriteFileBytes(name, "mine");
    fs::create_directory("Cave.dat.99.tmp");

    InsertCellarWine(Wine("Pauillac", "1995"));

    std::vector<std::string> expected = kept;
    expected.push_back("Cave.dat");
    expected.push_back("Cave.dat.99.tmp");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(DirectoryListing(), expected);
    for (const auto& name : kept)
        EXPECT_EQ(ReadFileBytes(name), "mine") << name;

    // A target in another directory clears its own directory.
    fs::create_directory("sub");
    WriteFileBytes("sub/Cave.dat." + ended + ".tmp", "x");
    WriteAllLines("sub/Cave.dat", {"a"});
    EXPECT_FALSE(fs::exists("sub/Cave.dat." + ended + ".tmp"));
    EXPECT_TRUE(fs::exists("Cave.dat.12a.tmp"));
}

TEST(IoErrorTest, EachErrnoHasOneKind) {
    using K = IoError::Kind;
    const std::pair<int, K> cases[] = {
        {ENOENT, K::FileNotFound},
        {ENOTDIR, K::BadFileName},
        {ENAMETOOLONG, K::BadFileName},
        {EMFILE, K::TooManyOpenFiles},
        {ENFILE, K::TooManyOpenFiles},
        {EACCES, K::AccessDenied},
        {EPERM, K::AccessDenied},
        {EROFS, K::AccessDenied},
        {EISDIR, K::AccessDenied},
        {ENOSPC, K::DiskFull},
        {EDQUOT, K::DiskFull},
        {EFBIG, K::DiskFull},
        {EIO, K::Other},
        {EINVAL, K::BadFileName},
    };
    for (const auto& [code, kind] : cases) {
        EXPECT_EQ(IoError::KindOf(code), kind) << code;
        EXPECT_EQ(IoError::FromErrno(code, "f").kind(), kind) << code;
    }
}

} // namespace
