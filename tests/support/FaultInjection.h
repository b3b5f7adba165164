// A failing disk at each system call a writer makes: the n-th write, sync, close or rename
// fails, for every n the writer reaches. Each file then holds its old bytes or its new bytes,
// never a mix, no temporary is left, and the caller gets the error of its kind.
//
// A suite lists its writers, each with a name and what it does on the directories as filled;
// InjectFaults runs each without a fault, then once per call it reached, and returns the number of
// faults injected.
#pragma once

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "store/Files.h"
#include "support/TestDirs.h"

namespace testsupport {

struct FaultyWriter {
    const char* name;
    std::function<void()> run;
    // What the next start does after a failed run (an interrupted operation finished); the files
    // are compared after it. Empty when the next start does nothing.
    std::function<void()> recover = {};
    // Every file is made whole before the first replaces its target: a failed write, sync or
    // close changes no file at all.
    bool allOrNone = false;
};

namespace fault_detail {

using Files = std::map<std::string, std::string>;
namespace fs = std::filesystem;

// Every regular file under the directories, by its path.
inline Files Snapshot(const std::vector<std::string>& dirs) {
    Files files;
    for (const std::string& dir : dirs)
        for (const auto& e : fs::recursive_directory_iterator(dir))
            if (e.is_regular_file()) files[e.path().string()] = ReadFileBytes(e.path().string());
    return files;
}

inline void Restore(const std::vector<std::string>& dirs, const Files& files) {
    for (const std::string& dir : dirs)
        for (const auto& e : fs::directory_iterator(dir))
            fs::remove_all(e.path());
    for (const auto& [path, bytes] : files) {
        fs::create_directories(fs::path(path).parent_path());
        WriteFileBytes(path, bytes);
    }
}

struct Fault {
    store::files_testing::Call call;
    const char* name;
    int code;
    store::IoError::Kind kind;
};

using store::files_testing::Call;
inline constexpr Fault kFaults[] = {
    {Call::Write, "write", ENOSPC, store::IoError::Kind::DiskFull},
    {Call::Write, "write", EIO, store::IoError::Kind::Other},
    {Call::Sync, "fsync", EIO, store::IoError::Kind::Other},
    {Call::Sync, "fsync", EDQUOT, store::IoError::Kind::DiskFull},
    {Call::Close, "close", EIO, store::IoError::Kind::Other},
    {Call::Rename, "rename", EACCES, store::IoError::Kind::AccessDenied},
    {Call::Rename, "rename", EROFS, store::IoError::Kind::AccessDenied},
};

} // namespace fault_detail

// `fill` makes the directories' files once; every run starts from them again.
inline long InjectFaults(const std::vector<FaultyWriter>& writers,
                         const std::function<void()>& fill,
                         const std::vector<std::string>& dirs = {"."}) {
    using namespace fault_detail;
    namespace testing_ = store::files_testing;
    store::files_testing::SetSyncOnCommit(false);
    fill();
    store::files_testing::SetSyncOnCommit(true);
    const Files before = Snapshot(dirs);
    long injected = 0;
    for (const FaultyWriter& writer : writers) {
        // The run without a fault gives the new bytes and the number of calls of each kind.
        Restore(dirs, before);
        testing_::Reset();
        writer.run();
        const Files after = Snapshot(dirs);
        EXPECT_TRUE(after != before) << writer.name << " changed nothing";
        std::map<Call, long> reached;
        for (const Fault& fault : kFaults)
            reached[fault.call] = testing_::CallCount(fault.call);
        EXPECT_GT(reached[Call::Write], 0) << writer.name;

        for (const Fault& fault : kFaults) {
            for (long n = 1; n <= reached[fault.call]; ++n) {
                SCOPED_TRACE(std::string(writer.name) + ": " + fault.name + " " +
                             std::to_string(n) + " fails with errno " + std::to_string(fault.code));
                Restore(dirs, before);
                testing_::Reset();
                testing_::FailNthCall(fault.call, n, fault.code);
                ++injected;
                try {
                    writer.run();
                    ADD_FAILURE() << "the failure did not reach the caller";
                } catch (const store::IoError& error) {
                    EXPECT_EQ(error.kind(), fault.kind);
                    EXPECT_EQ(error.code(), fault.code);
                }
                testing_::Reset();
                if (writer.recover) writer.recover();
                const Files now = Snapshot(dirs);
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
                if (writer.allOrNone && fault.call != Call::Rename) {
                    EXPECT_TRUE(now == before) << "a file changed before the last was whole";
                }
            }
        }
    }
    std::cout << "[ faults   ] " << injected << " faults injected into " << writers.size()
              << " writers\n";
    return injected;
}

} // namespace testsupport
