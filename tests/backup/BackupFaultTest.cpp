// A backup or a restore that meets a failing disk at any of its system calls: every file, on
// the medium, in the data directory and in the configuration directory, holds its old bytes or
// its new bytes, and a failed restore changes no data file at all.
#include <gtest/gtest.h>

#include "BackupTest.h"
#include "support/FaultInjection.h"

using namespace testsupport;

namespace {

class BackupFaultTest : public BackupTest {};

TEST_F(BackupFaultTest, BackupAndRestoreKeepOldOrNewBytesAtEveryFailingCall) {
    const auto fill = [this] {
        WriteDataSet();
        for (const std::string& name : backup::SetFileNames(store::State().files))
            WriteFileBytes(OnMedium(name), Content(name, "medium"));
        WriteFileBytes(OnMedium(backup::kIdentityFile), "[Save]\r\nIdsave=01/01/2020 10:00\r\n");
        WriteFileBytes(settingsPath, "[Software]\r\nLastsave=01/01/2020 10:00\r\n");
    };
    const std::vector<FaultyWriter> writers{
        {"WriteSet",
         [this] { backup::WriteSet(medium.string(), "05/03/1999 09:05", settingsPath); }},
        {"RestoreSet", [this] { backup::RestoreSet(medium.string()); }, {}, true},
    };
    EXPECT_GT(InjectFaults(writers, fill, {".", medium.string(), configDir}), 0);
}

} // namespace
