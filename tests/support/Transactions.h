// A command that writes several files meets a failing disk at every call it makes, and is
// killed at every call it makes (a child process that ends there). Each time the program then
// starts again, and the whole data folder and the settings folder must hold the old set or the
// new set, byte for byte: nothing else, no staged file, no journal, no temporary.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <string>
#include <vector>

#include "store/Files.h"
#include "store/Transaction.h"
#include "support/FaultInjection.h"

namespace testsupport {

struct TransactionCase {
    const char* name;
    std::function<void()> fill; // the old set, made once
    std::function<void()> run;  // the command, from the program's state as after a start
    // What the start does after the data folder was recovered (a conversion still due).
    std::function<void()> restart = {};
    // The start always ends on the new set (it does the command again when it was not done).
    bool restartFinishes = false;
};

struct TransactionCounts {
    long faults = 0;
    long crashes = 0;
};

namespace transaction_detail {
using store::files_testing::Call;
struct KindOfFault {
    Call call;
    const char* name;
    int code;
};
inline constexpr KindOfFault kKinds[] = {
    {Call::Write, "write", ENOSPC}, {Call::Sync, "fsync", EIO},     {Call::Close, "close", EIO},
    {Call::Rename, "rename", EACCES}, {Call::Unlink, "unlink", EACCES},
};
} // namespace transaction_detail

// `dirs` are every directory the command may touch; `settingsFile` is the file outside the
// data folder whose leftovers the start removes.
inline TransactionCounts CheckTransaction(const TransactionCase& command,
                                          const std::vector<std::string>& dirs,
                                          const std::string& settingsFile) {
    using namespace fault_detail;
    using namespace transaction_detail;
    namespace ft = store::files_testing;
    TransactionCounts counts;
    // A stop is a process ending, not a machine: what was written is read back without syncing,
    // and every sync is still a call that can fail.
    const auto reset = [] {
        ft::Reset();
        ft::SetSyncOnCommit(false);
    };
    reset();
    command.fill();
    reset();
    const Files before = Snapshot(dirs);

    const auto start = [&] {
        reset();
        store::RecoverDataFolder({settingsFile});
        if (command.restart) command.restart();
    };
    const auto judge = [&](const Files& after, const std::string& what) {
        const Files now = Snapshot(dirs);
        if (command.restartFinishes)
            EXPECT_TRUE(now == after) << command.name << ": " << what << " did not end on the new set";
        else
            EXPECT_TRUE(now == before || now == after)
                << command.name << ": " << what << " left neither the old nor the new set";
    };

    Restore(dirs, before);
    reset();
    command.run();
    std::map<Call, long> reached;
    for (const KindOfFault& kind : kKinds)
        reached[kind.call] = ft::CallCount(kind.call);
    const long calls = ft::AllCallCount();
    const Files after = Snapshot(dirs);
    EXPECT_TRUE(after != before) << command.name << " changed nothing";
    EXPECT_GT(reached[Call::Rename], 1) << command.name << " is not a transaction";

    for (const KindOfFault& kind : kKinds) {
        for (long n = 1; n <= reached[kind.call]; ++n) {
            const std::string what = std::string(kind.name) + " " + std::to_string(n) + " failing";
            Restore(dirs, before);
            reset();
            ft::FailNthCall(kind.call, n, kind.code);
            ++counts.faults;
            try {
                command.run();
                ADD_FAILURE() << command.name << ": " << what << " did not reach the caller";
            } catch (const store::IoError& error) {
                EXPECT_EQ(error.code(), kind.code) << command.name << ": " << what;
            }
            start();
            judge(after, what);
        }
    }

    for (long n = 1; n <= calls; ++n) {
        const std::string what = "a stop at call " + std::to_string(n);
        Restore(dirs, before);
        reset();
        const pid_t child = ::fork();
        if (child == 0) {
            ft::CrashAtCall(n);
            try {
                command.run();
            } catch (...) {
                ::_exit(1);
            }
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ++counts.crashes;
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == ft::kCrashExit)
            << command.name << ": " << what << " was not reached";
        start();
        judge(after, what);
    }
    std::cout << "[ commit   ] " << command.name << ": " << counts.faults << " faults, "
              << counts.crashes << " stops\n";
    return counts;
}

} // namespace testsupport
