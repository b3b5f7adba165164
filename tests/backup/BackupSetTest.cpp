// Copying the data set to a folder and back, byte for byte, and what a failure leaves.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "BackupTest.h"
#include "store/Files.h"
#include "store/IniFile.h"

using namespace testsupport;

namespace {

class BackupSetTest : public BackupTest {};

TEST_F(BackupSetTest, ABackupCopiesTheDataFilesThenDatesTheSet) {
    WriteDataSet({"Apogee.dat", "Stat.dat"});
    WriteFileBytes(OnMedium("Stat.dat"), "an older history"); // the set must not keep it
    std::vector<int> steps;
    backup::WriteSet(medium.string(), "05/03/1999 09:05", settingsPath,
                     [&steps](int step) { steps.push_back(step); });

    EXPECT_EQ(steps, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(MediumListing(), (std::vector<std::string>{"Annee.dat", "Cave.dat", "Couleur.dat",
                                                         "Domaine.dat", "Note.dat", "Region.dat",
                                                         "Tonnelix.id", "Vins.dat", "Volume.dat"}));
    for (const char* name : {"Cave.dat", "Vins.dat", "Domaine.dat", "Couleur.dat"})
        EXPECT_EQ(ReadFileBytes(OnMedium(name)), Content(name, "local")) << name;
    EXPECT_EQ(ReadFileBytes(OnMedium("Tonnelix.id")),
              "[Save]\r\nIdsave=05/03/1999 09:05\r\nVersion=3.01\r\n");
    EXPECT_EQ(backup::SetStamp(medium.string()), "05/03/1999 09:05");
    EXPECT_EQ(backup::LastSave(settingsPath), "05/03/1999 09:05");
}

// A set that stops half-way is no set: the earlier stamp goes before the first copy.
TEST_F(BackupSetTest, ABackupThatFailsLeavesNoSet) {
    WriteDataSet();
    backup::WriteSet(medium.string(), "01/01/2020 10:00", settingsPath);
    WriteDataSet({"Cave.dat"});
    WriteFileBytes("Vins.dat", std::string(200000, 'x')); // fails half-way through its copy

    for (long after : {0L, 100000L, 200010L}) {
        store::files_testing::FailWritesAfter(after);
        EXPECT_THROW(backup::WriteSet(medium.string(), "02/02/2021 11:00", settingsPath),
                     store::IoError)
            << after;
        store::files_testing::FailWritesAfter(-1);
        EXPECT_EQ(backup::SetStamp(medium.string()), backup::kNoStamp) << after;
        EXPECT_THROW(backup::RestoreSet(medium.string()), backup::DamagedSet) << after;
        EXPECT_EQ(backup::LastSave(settingsPath), "01/01/2020 10:00") << after;
        for (const std::string& name : MediumListing())
            EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
    }
}

// A file of the medium that nobody may read does not hand its permissions to the copy.
TEST_F(BackupSetTest, AnUnreadableFileOnTheMediumIsReplaced) {
    WriteDataSet();
    WriteFileBytes(OnMedium("Cave.dat"), "old");
    std::filesystem::permissions(OnMedium("Cave.dat"), std::filesystem::perms::none);
    backup::WriteSet(medium.string(), "02/02/2021 11:00", settingsPath);
    const auto perms = std::filesystem::status(OnMedium("Cave.dat")).permissions();
    EXPECT_NE(perms & std::filesystem::perms::owner_read, std::filesystem::perms::none);
    EXPECT_EQ(ReadFileBytes(OnMedium("Cave.dat")), Content("Cave.dat", "local"));
    EXPECT_EQ(backup::SetStamp(medium.string()), "02/02/2021 11:00");
}

// A set with a file that does not read whole is refused before anything is written, naming it.
TEST_F(BackupSetTest, ADamagedSetIsRefusedWholeNamingTheFile) {
    const struct {
        const char* file;
        std::string bytes;
    } damaged[] = {
        {"Cave.dat", CrLf({"a", "b", "c", "d"})},         // cut inside a record
        {"Cave.dat", CrLf({"a", "b"}) + "c"},             // cut inside its last line
        {"Stat.dat", CrLf({"a", "b", "c"})},
        {"Vins.dat", ""},                                 // a base is never empty
        {"Vins.dat", CrLf({"Temp = 8"})},                 // nor without its first header
        {"Annee.dat", CrLf({"  1990 17"})},
        {"Domaine.dat", std::string(40, '\0')},
        {backup::kIdentityFile, "[Save]\r\nIdsave=\r\n"}, // no stamp
    };
    WriteDataSet();
    const std::vector<std::string> before = DirectoryListing();
    for (const auto& d : damaged) {
        for (const std::string& name : backup::SetFileNames(store::State().files))
            WriteFileBytes(OnMedium(name), Content(name, "saved"));
        WriteFileBytes(OnMedium(backup::kIdentityFile), "[Save]\r\nIdsave=05/03/1999 09:05\r\n");
        WriteFileBytes(OnMedium(d.file), d.bytes);
        try {
            backup::RestoreSet(medium.string());
            ADD_FAILURE() << d.file << " was restored";
        } catch (const backup::DamagedSet& error) {
            EXPECT_EQ(error.file(), d.file);
        }
        EXPECT_EQ(DirectoryListing(), before) << d.file;
        for (const std::string& name : backup::SetFileNames(store::State().files))
            EXPECT_EQ(ReadFileBytes(name), Content(name, "local")) << d.file << " " << name;
    }
    // Empty record files, an empty chart and an empty domaine base are whole.
    for (const char* name : {"Cave.dat", "Stat.dat", "Annee.dat", "Domaine.dat"})
        WriteFileBytes(OnMedium(name), "");
    WriteFileBytes(OnMedium(backup::kIdentityFile), "[Save]\r\nIdsave=05/03/1999 09:05\r\n");
    backup::RestoreSet(medium.string());
    EXPECT_EQ(ReadFileBytes("Cave.dat"), "");
}

TEST_F(BackupSetTest, ACopyThatDoesNotReadBackTheSameIsNotDated) {
    WriteDataSet();
    // The medium cannot give back the copy it took.
    store::files_testing::FailOpensWith(EIO, OnMedium("Note.dat"));
    EXPECT_THROW(backup::WriteSet(medium.string(), "02/02/2021 11:00", settingsPath),
                 store::IoError);
    store::files_testing::FailOpensWith(0);
    EXPECT_EQ(backup::SetStamp(medium.string()), backup::kNoStamp);
    EXPECT_EQ(backup::LastSave(settingsPath), backup::kNoStamp);
}

TEST_F(BackupSetTest, ARestoreReplacesWhatTheSetHoldsAndReloadsTheLists) {
    WriteDataSet();
    for (const std::string& name : backup::SetFileNames(store::State().files))
        if (name != "Apogee.dat") WriteFileBytes(OnMedium(name), Content(name, "saved"));
    WriteFileBytes(OnMedium("Couleur.dat"), CrLf({"Jaune", "Vert"}));
    WriteFileBytes(OnMedium("Tonnelix.id"), "[Save]\r\nIdsave=05/03/1999 09:05\r\n");

    std::vector<int> steps;
    backup::RestoreSet(medium.string(), [&steps](int step) { steps.push_back(step); });

    EXPECT_EQ(steps.size(), 10u);
    EXPECT_EQ(ReadFileBytes("Cave.dat"), Content("Cave.dat", "saved"));
    EXPECT_EQ(ReadFileBytes("Domaine.dat"), Content("Domaine.dat", "saved"));
    EXPECT_EQ(ReadFileBytes("Apogee.dat"), Content("Apogee.dat", "local"));
    EXPECT_EQ(ReadFileBytes("Couleur.dat"), CrLf({"Jaune", "Vert"}));
    ASSERT_EQ(store::State().lists.colours.count(), 2);
    EXPECT_EQ(store::State().lists.colours.entries[0].substr(0, 5), "Jaune");
    EXPECT_FALSE(Exists("Tonnelix.id"));
}

TEST_F(BackupSetTest, ARestoreThatFailsLeavesEveryDataFileAsItWas) {
    WriteDataSet();
    for (const std::string& name : backup::SetFileNames(store::State().files))
        WriteFileBytes(OnMedium(name), Content(name, "saved"));
    WriteFileBytes(OnMedium(backup::kIdentityFile), "[Save]\r\nIdsave=05/03/1999 09:05\r\n");
    const std::vector<std::string> before = DirectoryListing();

    const auto expectUntouched = [&](const char* fault) {
        EXPECT_EQ(DirectoryListing(), before) << fault;
        for (const std::string& name : backup::SetFileNames(store::State().files))
            EXPECT_EQ(ReadFileBytes(name), Content(name, "local")) << fault << " " << name;
    };
    // The ninth file of the set cannot be read from the medium.
    store::files_testing::FailOpensWith(EIO, OnMedium("Stat.dat"));
    EXPECT_THROW(backup::RestoreSet(medium.string()), store::IoError);
    store::files_testing::FailOpensWith(0);
    expectUntouched("unreadable medium");
    // The disk of the data fills up half-way through the set.
    long setBytes = 0;
    for (const std::string& name : backup::SetFileNames(store::State().files))
        setBytes += static_cast<long>(Content(name, "saved").size());
    store::files_testing::FailWritesAfter(setBytes / 2);
    EXPECT_THROW(backup::RestoreSet(medium.string()), store::IoError);
    store::files_testing::FailWritesAfter(-1);
    expectUntouched("full disk");
}

TEST_F(BackupSetTest, TheDataDirectoryIsKnownUnderAnyName) {
    const std::string absolute = std::filesystem::current_path().string();
    std::filesystem::create_symlink(absolute, medium / "link");
    for (const std::string& folder : {std::string("."), absolute, absolute + "/", OnMedium("link")})
        EXPECT_TRUE(backup::IsDataDirectory(folder)) << folder;
    for (const std::string& folder : {medium.string(), OnMedium("missing"), std::string()})
        EXPECT_FALSE(backup::IsDataDirectory(folder)) << folder;
}

} // namespace
