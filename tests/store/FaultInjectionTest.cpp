// Every writer meets a failing disk at each system call it makes: the n-th write, sync, close or
// rename fails, for every n the writer reaches. Each file then holds its old bytes or its new
// bytes, never a mix, no temporary is left, and the caller gets the error of its kind.
//
// A new writer joins by one row of Writers(): its name and what it does on the filled directory.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "store/Files.h"
#include "store/IniFile.h"
#include "store/Records.h"
#include "store/RefBases.h"
#include "store/Text.h"
#include "store/Vocabulary.h"
#include "support/TestDirs.h"

using namespace store;
using files_testing::Call;
using testsupport::CrLf;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

namespace fs = std::filesystem;

namespace {

using Files = std::map<std::string, std::string>;

Files Snapshot() {
    Files files;
    for (const auto& e : fs::directory_iterator("."))
        files[e.path().filename().string()] = ReadFileBytes(e.path().filename().string());
    return files;
}

void Restore(const Files& files) {
    for (const auto& e : fs::directory_iterator("."))
        fs::remove_all(e.path());
    for (const auto& [name, bytes] : files)
        WriteFileBytes(name, bytes);
}

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

ConsumedWine Entry(const std::string& appellation, const std::string& date) {
    ConsumedWine e;
    e.colour = "Rouge";
    e.region = "Bordeaux";
    e.appellation = appellation;
    e.quantity = " 1";
    e.drinkDate = date;
    return PaddedConsumedWine(e);
}

const std::string kBordeaux = PadText("Bordeaux", 20);
const std::string kRouge = PadText("Rouge", 10);
const std::string kPauillac = PadText("Pauillac", 30);
const std::string kLatour = PadText("Latour", 50);

// Enough records that a rewrite needs several writes of the writer's buffer.
void FillDataDirectory() {
    files_testing::SetSyncOnCommit(false);
    std::string cellar;
    for (int i = 0; i < 400; ++i)
        for (const auto& line : CellarWineLines(Wine("Pauillac", std::to_string(1600 + i))))
            cellar += line + "\r\n";
    WriteFileBytes("Cave.dat", cellar);
    for (const char* date : {"01/01/2000", "02/02/2001"})
        InsertConsumedWine(Entry("Pauillac", date));
    AddAppellation(kRouge, kBordeaux, kPauillac, PadText("10 ans", 50), PadText("17", 50));
    AddVintageSection(kBordeaux, kPauillac);
    SetVintageMark(kBordeaux, kPauillac, "1990", "18");
    AddDomaine(kBordeaux, kPauillac, kLatour, PadText("Pinault", 50));
    WriteFileBytes("Couleur.dat", CrLf({"Rouge", "Blanc", "Rose", "Jaune", "Paille"}));
    WriteFileBytes("Tonnelix.ini", "; mine\r\n[Options]\r\nSort=1\r\n");
    files_testing::SetSyncOnCommit(true);
}

struct Writer {
    const char* name;
    std::function<void()> run;
};

const std::vector<Writer>& Writers() {
    static const std::vector<Writer> writers{
        {"InsertCellarWine", [] { InsertCellarWine(Wine("Margaux", "1990")); }},
        {"DeleteCellarWine", [] { DeleteCellarWine(Wine("Pauillac", "1650")); }},
        {"InsertConsumedWine", [] { InsertConsumedWine(Entry("Margaux", "03/03/2002")); }},
        {"DeleteConsumedWine", [] { DeleteConsumedWine(Entry("Pauillac", "01/01/2000")); }},
        {"AddAppellation",
         [] { AddAppellation(kRouge, kBordeaux, PadText("Margaux", 30), {}, {}); }},
        {"AddDish", [] { AddDish(kRouge, kBordeaux, kPauillac, "Fromage", PadText("Brie", 30)); }},
        {"AddVintageSection", [] { AddVintageSection(kBordeaux, PadText("Margaux", 30)); }},
        {"SetVintageMark", [] { SetVintageMark(kBordeaux, kPauillac, "1995", "16"); }},
        {"AddDomaine",
         [] { AddDomaine(kBordeaux, kPauillac, PadText("Lynch", 50), PadText("Cazes", 50)); }},
        {"RemoveDomaine", [] { RemoveDomaine(kBordeaux, kPauillac, kLatour); }},
        // Writes the three lists that are missing, one file after the other.
        {"LoadVocabulary", [] { LoadVocabulary(DataLanguage::French); }},
        {"IniFile::save",
         [] {
             IniFile ini = IniFile::Load("Tonnelix.ini");
             ini.set("Options", "Sort", "2");
             ini.set("Options", "Scale", "Oui");
             ini.save("Tonnelix.ini");
         }},
        {"WriteAllLines",
         [] {
             WriteAllLines("Region.dat", {"Alsace", "Bordeaux"});
         }},
    };
    return writers;
}

struct Fault {
    Call call;
    const char* name;
    int code;
    IoError::Kind kind;
};

constexpr Fault kFaults[] = {
    {Call::Write, "write", ENOSPC, IoError::Kind::DiskFull},
    {Call::Write, "write", EIO, IoError::Kind::Other},
    {Call::Sync, "fsync", EIO, IoError::Kind::Other},
    {Call::Sync, "fsync", EDQUOT, IoError::Kind::DiskFull},
    {Call::Close, "close", EIO, IoError::Kind::Other},
    {Call::Rename, "rename", EACCES, IoError::Kind::AccessDenied},
    {Call::Rename, "rename", EROFS, IoError::Kind::AccessDenied},
};

class FaultInjectionTest : public testsupport::DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        SetDataFileNames(DataLanguage::French);
    }
};

TEST_F(FaultInjectionTest, EveryWriterKeepsOldOrNewBytesAtEveryFailingCall) {
    FillDataDirectory();
    const Files before = Snapshot();
    long injected = 0;
    for (const Writer& writer : Writers()) {
        // The run without a fault gives the new bytes and the number of calls of each kind.
        Restore(before);
        files_testing::Reset();
        writer.run();
        const Files after = Snapshot();
        ASSERT_NE(after, before) << writer.name << " changed nothing";
        std::map<Call, long> reached;
        for (const Fault& fault : kFaults)
            reached[fault.call] = files_testing::CallCount(fault.call);
        EXPECT_GT(reached[Call::Write], 0) << writer.name;

        for (const Fault& fault : kFaults) {
            for (long n = 1; n <= reached[fault.call]; ++n) {
                SCOPED_TRACE(std::string(writer.name) + ": " + fault.name + " " +
                             std::to_string(n) + " fails with errno " + std::to_string(fault.code));
                Restore(before);
                files_testing::Reset();
                files_testing::FailNthCall(fault.call, n, fault.code);
                ++injected;
                try {
                    writer.run();
                    ADD_FAILURE() << "the failure did not reach the caller";
                } catch (const IoError& error) {
                    EXPECT_EQ(error.kind(), fault.kind);
                    EXPECT_EQ(error.code(), fault.code);
                }
                files_testing::Reset();
                const Files now = Snapshot();
                for (const auto& [name, bytes] : now) {
                    const auto old = before.find(name);
                    const auto fresh = after.find(name);
                    const bool isOld = old != before.end() && old->second == bytes;
                    const bool isNew = fresh != after.end() && fresh->second == bytes;
                    EXPECT_TRUE(isOld || isNew)
                        << name << " holds neither its old nor its new bytes";
                }
                for (const auto& [name, bytes] : before)
                    EXPECT_TRUE(after.count(name) == 0 || now.count(name) == 1) << name << " lost";
            }
        }
    }
    std::cout << "[ faults   ] " << injected << " faults injected into " << Writers().size()
              << " writers\n";
    EXPECT_GT(injected, 0);
}

} // namespace
