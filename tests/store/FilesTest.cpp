// A data file that exists but cannot be read is never taken for an empty base, and the
// rewrites clear the temporaries a killed run left behind.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <map>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "store/Files.h"
#include "store/IniFile.h"
#include "store/Rebuild.h"
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

// A named pipe would wait for a writer for ever and a device never ends: every reader refuses
// both, and a folder, at once and without reading a byte.
TEST_F(FilesTest, OnlyRegularFilesAreRead) {
    alarm(60); // a regression that waits on the pipe fails rather than hangs
    ASSERT_EQ(::mkfifo("Cave.dat", 0600), 0);
    fs::create_symlink("/dev/zero", "Vins.dat");
    fs::create_directory("Annee.dat");
    const std::vector<std::pair<const char*, std::function<void(const std::string&)>>> readers{
        {"OpenTextForReading",
         [](const std::string& name) {
             LineReader in;
             OpenTextForReading(in, name);
         }},
        {"ReadWholeFile",
         [](const std::string& name) {
             std::string bytes;
             ReadWholeFile(name, bytes);
         }},
        {"ReadInPieces", [](const std::string& name) { ReadInPieces(name, [](std::string_view) {}); }},
        {"TextLines",
         [](const std::string& name) {
             TextLines in;
             in.open(name);
         }},
    };
    for (const auto& [reader, read] : readers)
        for (const char* name : {"Cave.dat", "Vins.dat", "/dev/zero", "Annee.dat"}) {
            try {
                read(name);
                ADD_FAILURE() << reader << " read " << name;
            } catch (const IoError& error) {
                EXPECT_EQ(error.kind(), IoError::Kind::AccessDenied) << reader << " " << name;
            }
        }
    EXPECT_THROW(InsertCellarWine(Wine("Margaux", "1990")), IoError);
    EXPECT_THROW(AppellationDetails(kRouge, kBordeaux, kPauillac), IoError);
    EXPECT_TRUE(fs::is_fifo("Cave.dat"));
    EXPECT_TRUE(fs::is_symlink("Vins.dat"));
    alarm(0);
}

// CR LF, LF and a lone CR each end a line; a long line comes in its head and the rest.
TEST_F(FilesTest, TextLinesEndAtEveryKindOfLineEnd) {
    WriteFileBytes("in.txt", "a\r\nb\nc\rd\r\r\ne\n\rf" + std::string(10, 'x') + "\r");
    TextLines in;
    ASSERT_TRUE(in.open("in.txt"));
    std::vector<std::string> lines;
    std::string line, rest;
    bool whole = true;
    while (in.next(line, 4, whole, [&rest](std::string_view piece) { rest += piece; }))
        lines.push_back(line + (whole ? "" : "+"));
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d", "", "e", "", "fxxx+"}));
    EXPECT_EQ(rest, std::string(7, 'x'));
    TextLines none;
    EXPECT_FALSE(none.open("none.txt"));
}

// A data file or the settings file that is a symbolic link (a cellar kept in a synced folder)
// stays a link, in both languages: the file it points to gets the bytes a regular file would,
// through a temporary beside that file, and no temporary is left anywhere.
TEST_F(FilesTest, ALinkedDataFileStaysALinkAndItsFileIsRewritten) {
    files_testing::SetSyncOnCommit(false);
    const std::string settings = configDir + "/Tonnelix.ini";
    const fs::path synced = fs::path(configDir) / "synced";
    for (const DataLanguage language : {DataLanguage::French, DataLanguage::English}) {
        SetDataFileNames(language);
        const DataFileNames f = State().files;
        const auto writeAll = [&] {
            InsertCellarWine(Wine("Pauillac", "1990"));
            InsertCellarWines({Wine("Margaux", "1995"), Wine("Latour", "2000")});
            InsertConsumedWine(Entry("Pauillac"));
            AddAppellation(kRouge, kBordeaux, kPauillac, PadText("10 ans", 50), PadText("17", 50));
            AddVintageSection(kBordeaux, kPauillac);
            SetVintageMark(kBordeaux, kPauillac, "1990", "18");
            AddDomaine(kBordeaux, kPauillac, kLatour, PadText("Pinault", 50));
            WriteAllLines(f.colours, {"Rouge", "Blanc"});
            WriteAllLines(f.maturity, {MaturityLine(kRouge, kBordeaux, 8)});
            IniFile ini = IniFile::Load(settings);
            ini.set("Options", "Sort", std::to_string(ini.bytes().size()));
            ini.save(settings);
        };
        const std::vector<std::string> names{f.cellar,   f.consumption, f.appellations,
                                             f.vintages, f.domaines,    f.colours,
                                             f.maturity, settings};
        // With regular files: the bytes before and after.
        writeAll();
        std::map<std::string, std::string> before, after;
        for (const std::string& name : names)
            before[name] = ReadFileBytes(name);
        writeAll();
        for (const std::string& name : names)
            after[name] = ReadFileBytes(name);

        // Each file moved away and linked: absolute, relative, and through a second link.
        fs::remove_all(synced);
        fs::create_directories(synced);
        fs::create_directories("sub");
        std::map<std::string, fs::path> targets;
        for (const std::string& name : names) {
            const std::string base = fs::path(name).filename().string();
            const fs::path target = name == f.cellar ? fs::path("sub") / base : synced / base;
            WriteFileBytes(target.string(), before[name]);
            fs::remove(name);
            if (name == f.cellar) {
                fs::create_symlink(target, name);
            } else if (name == f.consumption) {
                fs::create_symlink(target, synced / "hop");
                fs::create_symlink(synced / "hop", name);
            } else {
                fs::create_symlink(target, name);
            }
            targets[name] = target;
        }
        writeAll();
        for (const std::string& name : names) {
            EXPECT_TRUE(fs::is_symlink(name)) << name;
            EXPECT_EQ(ReadFileBytes(targets[name].string()), after[name]) << name;
        }
        for (const fs::path& dir : {fs::path("."), fs::path("sub"), synced, fs::path(configDir)})
            for (const auto& entry : fs::directory_iterator(dir))
                EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();

        // A staged file put in place under a linked name fills the linked file.
        WriteFileBytes("Stat.fr", "staged\r\n");
        RenameFile("Stat.fr", f.consumption);
        EXPECT_TRUE(fs::is_symlink(f.consumption));
        EXPECT_EQ(ReadFileBytes(targets[f.consumption].string()), "staged\r\n");
        EXPECT_FALSE(fs::exists("Stat.fr"));

        for (const std::string& name : names)
            fs::remove(name);
        fs::remove_all("sub");
    }
}

// Two names of one file are one file: a hard link, a symbolic link, another spelling of a path.
TEST_F(FilesTest, SameFileOrPathKnowsAFileByItsIdentity) {
    WriteFileBytes("a.dat", "a");
    WriteFileBytes("b.dat", "a");
    fs::create_directory("sub");
    fs::create_hard_link("a.dat", "sub/hard");
    fs::create_symlink(fs::absolute("a.dat"), "sub/soft");
    EXPECT_TRUE(SameFileOrPath("a.dat", "sub/hard"));
    EXPECT_TRUE(SameFileOrPath("sub/soft", "a.dat"));
    EXPECT_TRUE(SameFileOrPath("sub/../a.dat", "./a.dat"));
    EXPECT_FALSE(SameFileOrPath("a.dat", "b.dat"));
    EXPECT_TRUE(SameFileOrPath("none.dat", "sub/../none.dat"));
    EXPECT_FALSE(SameFileOrPath("none.dat", "b.dat"));
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
