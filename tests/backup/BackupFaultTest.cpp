// A backup or a restore that meets a failing disk at any of its system calls: every file, on
// the medium, in the data directory and in the configuration directory, holds its old bytes or
// its new bytes, and a failed restore changes no data file at all.
#include <gtest/gtest.h>

#include "BackupTest.h"
#include "support/FaultInjection.h"
#include "support/Transactions.h"

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
    const std::vector<std::string> dirs{".", medium.string(), configDir};
    // A backup is not one transaction: each copy is whole, and the set has a stamp only when
    // every copy is the new one.
    {
        using namespace fault_detail;
        using store::files_testing::Call;
        namespace ft = store::files_testing;
        fill();
        const Files before = Snapshot(dirs);
        const auto run = [this] {
            backup::WriteSet(medium.string(), "05/03/1999 09:05", settingsPath);
        };
        ft::Reset();
        run();
        const Files after = Snapshot(dirs);
        const long calls[] = {ft::CallCount(Call::Write), ft::CallCount(Call::Sync),
                              ft::CallCount(Call::Close), ft::CallCount(Call::Rename),
                              ft::CallCount(Call::Unlink)};
        long injected = 0;
        for (int kind = 0; kind < 5; ++kind) {
            for (long n = 1; n <= calls[kind]; ++n) {
                Restore(dirs, before);
                ft::Reset();
                ft::FailNthCall(static_cast<Call>(kind), n, EIO);
                ++injected;
                EXPECT_THROW(run(), store::IoError);
                ft::Reset();
                const Files now = Snapshot(dirs);
                const std::string stamp = backup::SetStamp(medium.string());
                // A stamp only on a whole new set (the settings' Lastsave may still fail).
                bool wholeNewSet = stamp == "05/03/1999 09:05";
                for (const auto& [name, bytes] : after)
                    if (name.rfind(medium.string(), 0) == 0)
                        wholeNewSet = wholeNewSet && now.count(name) && now.at(name) == bytes;
                EXPECT_TRUE(stamp == backup::kNoStamp || now == before || wholeNewSet)
                    << "call " << n << " of kind " << kind;
                for (const auto& [name, bytes] : now) {
                    const bool isOld = before.count(name) && before.at(name) == bytes;
                    const bool isNew = after.count(name) && after.at(name) == bytes;
                    EXPECT_TRUE(isOld || isNew) << name;
                }
            }
        }
        EXPECT_GT(injected, 0);
    }
    const auto restore = [this] { backup::RestoreSet(medium.string()); };
    EXPECT_GT(InjectFaults({{"RestoreSet", restore, {}, true}}, fill, dirs), 0);
    const TransactionCounts counts = CheckTransaction(
        {"restore", fill, [this, restore] {
             store::LoadVocabulary(store::DataLanguage::French);
             restore();
         }},
        dirs, settingsPath);
    EXPECT_GT(counts.crashes, 0);
}

} // namespace
