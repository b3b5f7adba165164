// One writer per data folder: the lock of another program refuses, ends with that program, and
// keeps two programs that write at once from losing each other's changes.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <thread>
#include <utility>

#include "store/DataFolderLock.h"
#include "store/Files.h"
#include "store/Records.h"
#include "store/State.h"
#include "store/Text.h"
#include "support/TestDirs.h"

extern char** environ;

using namespace store;
using Outcome = DataFolderLock::Outcome;

namespace {

class DataFolderLockTest : public testsupport::DataDirTest {};

// Another program holding the folder: a process of this test that took the lock through the data
// layer, or flock(1) as the launcher uses it. Killed with SIGKILL when the test is done with it.
class Holder {
public:
    static Holder DataLayer() {
        int ready[2];
        if (::pipe(ready) != 0) return Holder(-1, false);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(ready[0]);
            DataFolderLock lock = DataFolderLock::TryTake();
            const char held = lock.held() ? 'y' : 'n';
            if (::write(ready[1], &held, 1) != 1) ::_exit(2);
            for (;;)
                ::pause();
        }
        ::close(ready[1]);
        char held = 'n';
        const bool told = ::read(ready[0], &held, 1) == 1 && held == 'y';
        ::close(ready[0]);
        return Holder(child, told);
    }

    // As the launcher does it: a shell locks the file with flock(1) and execs a program that
    // keeps the descriptor. Empty when flock(1) is not installed.
    static Holder FlockTool() {
        const std::string script =
            std::string("exec 9>>") + kLockFileName + " && flock 9 && exec sleep 600";
        const char* argv[] = {"sh", "-c", script.c_str(), nullptr};
        pid_t child = -1;
        if (::posix_spawnp(&child, "sh", nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
            return Holder(-1, false);
        // Held once a lock of our own is refused.
        for (int i = 0; i < 1000; ++i) {
            if (DataFolderLock::TryTake().outcome() == Outcome::Busy) return Holder(child, true);
            if (::waitpid(child, nullptr, WNOHANG) == child) return Holder(-1, false); // no flock
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return Holder(child, false);
    }

    Holder(Holder&& other) noexcept
        : pid_(std::exchange(other.pid_, -1)), holding_(other.holding_) {}
    ~Holder() { kill(); }

    bool holding() const { return holding_; }
    void kill() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        pid_ = -1;
        holding_ = false;
    }

private:
    Holder(pid_t pid, bool holding) : pid_(pid), holding_(holding) {}
    pid_t pid_;
    bool holding_;
};

TEST_F(DataFolderLockTest, AnotherProgramsLockRefusesUntilThatProgramIsKilled) {
    const struct {
        const char* holder;
        std::function<Holder()> start;
    } cases[] = {{"the data layer", &Holder::DataLayer}, {"flock(1)", &Holder::FlockTool}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.holder);
        Holder holder = c.start();
        if (!holder.holding()) {
            std::cout << "no holder from " << c.holder << ": case skipped\n";
            continue;
        }
        EXPECT_EQ(DataFolderLock::TryTake().outcome(), Outcome::Busy);
        EXPECT_EQ(DataFolderLock::TryTake(dataDir).outcome(), Outcome::Busy);
        EXPECT_THROW(LockForWriting(".", std::chrono::milliseconds(30)), DataFolderInUse);

        holder.kill(); // no chance to clean up: the lock must end with the process
        const DataFolderLock lock = DataFolderLock::TryTake();
        EXPECT_TRUE(lock.held());
        EXPECT_EQ(DataFolderLock::TryTake().outcome(), Outcome::Busy); // now this program's
    }
}

TEST_F(DataFolderLockTest, ReleasedLockIsFreeAndTheLockFileStays) {
    {
        DataFolderLock lock = LockForWriting();
        ASSERT_TRUE(lock.held());
        DataFolderLock moved = std::move(lock);
        EXPECT_FALSE(lock.held());
        EXPECT_TRUE(moved.held());
        EXPECT_EQ(DataFolderLock::TryTake().outcome(), Outcome::Busy);
    }
    EXPECT_TRUE(DataFolderLock::TryTake().held());
    EXPECT_EQ(testsupport::DirectoryListing(), std::vector<std::string>{kLockFileName});
}

// The launcher locks the file with flock(1) and execs the program with the descriptor open.
TEST_F(DataFolderLockTest, TheLaunchersDescriptorIsTakenOverAndNotPassedOn) {
    const int handed = ::open(kLockFileName, O_WRONLY | O_CREAT | O_APPEND, 0666);
    ASSERT_GE(handed, 0);
    ASSERT_EQ(::flock(handed, LOCK_EX | LOCK_NB), 0);
    ::setenv(kHandedLockVariable, std::to_string(handed).c_str(), 1);

    const int fd = TakeHandedLockDescriptor();
    EXPECT_EQ(fd, handed);
    EXPECT_EQ(std::getenv(kHandedLockVariable), nullptr);
    {
        DataFolderLock lock = DataFolderLock::TryTake(".", fd);
        EXPECT_TRUE(lock.held());
        EXPECT_TRUE(::fcntl(handed, F_GETFD) & FD_CLOEXEC);
        EXPECT_EQ(DataFolderLock::TryTake().outcome(), Outcome::Busy);
    }
    EXPECT_TRUE(DataFolderLock::TryTake().held()); // released with the lock

    // A descriptor that is open on something else is not the lock: it is left open.
    const int other = ::open("other", O_WRONLY | O_CREAT, 0666);
    ASSERT_GE(other, 0);
    EXPECT_TRUE(DataFolderLock::TryTake(".", other).held());
    EXPECT_EQ(::fcntl(other, F_GETFD), 0);
    ::close(other);

    for (const char* value : {"", "nine", "9x", "-1"}) {
        ::setenv(kHandedLockVariable, value, 1);
        EXPECT_EQ(TakeHandedLockDescriptor(), -1) << value;
    }
}

TEST_F(DataFolderLockTest, NoLockFileMeansNoLockAndSaysWhy) {
    std::filesystem::create_directory(kLockFileName);
    const DataFolderLock lock = DataFolderLock::TryTake();
    EXPECT_EQ(lock.outcome(), Outcome::Unsupported);
    EXPECT_EQ(lock.error(), EISDIR);
    // A writer goes on without it.
    EXPECT_EQ(LockForWriting().outcome(), Outcome::Unsupported);

    const DataFolderLock missing = DataFolderLock::TryTake("no/such/folder");
    EXPECT_EQ(missing.outcome(), Outcome::Unsupported);
    EXPECT_EQ(missing.error(), ENOENT);
}

// ------------------------------------------------------------ two writers at once

CellarWine NumberedWine(int writer, int n) {
    CellarWine w;
    w.colour = "Rouge";
    w.region = "Bordeaux";
    w.appellation = "Medoc";
    w.domaine = "Writer " + std::to_string(writer) + " wine " + std::to_string(n);
    w.vintage = std::to_string(1900 + n % 100);
    w.quantity = " 6";
    w.price = "   12.50";
    w.purchaseDate = "01/02/1998";
    return PaddedCellarWine(w);
}

long CellarCount() {
    LineReader in;
    if (!OpenTextForReading(in, State().files.cellar)) return 0;
    long count = 0;
    CellarWine w;
    while (ReadCellarWine(in, w))
        ++count;
    return count;
}

struct Tally {
    long done = 0;
    long failed = 0;
};

// Two processes started together, each inserting `perWriter` wines into the cellar book, with
// or without taking the folder's lock for each insert.
Tally InsertAtOnce(int perWriter, bool lock) {
    int go[2], report[2];
    if (::pipe(go) != 0 || ::pipe(report) != 0) return {};
    pid_t writers[2];
    for (int writer = 0; writer < 2; ++writer) {
        writers[writer] = ::fork();
        if (writers[writer] != 0) continue;
        ::close(go[1]);
        char start;
        // Both begin when the pipe closes.
        if (::read(go[0], &start, 1) < 0) start = 0;
        Tally tally;
        for (int n = 0; n < perWriter; ++n) {
            try {
                DataFolderLock held;
                if (lock) held = LockForWriting(".", std::chrono::seconds(120));
                InsertCellarWine(NumberedWine(writer, n));
                ++tally.done;
            } catch (const std::exception&) {
                ++tally.failed;
            }
        }
        ::_exit(::write(report[1], &tally, sizeof tally) == sizeof tally ? 0 : 1);
    }
    ::close(go[0]);
    ::close(go[1]);
    ::close(report[1]);
    Tally total;
    for (int writer = 0; writer < 2; ++writer) {
        Tally tally;
        if (::read(report[0], &tally, sizeof tally) == sizeof tally) {
            total.done += tally.done;
            total.failed += tally.failed;
        }
    }
    ::close(report[0]);
    for (pid_t writer : writers)
        ::waitpid(writer, nullptr, 0);
    return total;
}

TEST_F(DataFolderLockTest, TwoWritersTakingTheLockLoseNothing) {
    files_testing::SetSyncOnCommit(false); // the disk's speed is not what is shown here
    const Tally tally = InsertAtOnce(500, true);
    EXPECT_EQ(tally.done, 1000);
    EXPECT_EQ(tally.failed, 0);
    EXPECT_EQ(CellarCount(), 1000);
}

// What the lock prevents, measured and reported: two writers without it lose inserts without a
// word. Nothing is asserted about the loss, which depends on the machine's timing.
TEST_F(DataFolderLockTest, TwoWritersWithoutTheLockAreMeasured) {
    files_testing::SetSyncOnCommit(false);
    const Tally tally = InsertAtOnce(500, false);
    const long onDisk = CellarCount();
    std::cout << "without the lock: " << tally.done << " inserts done, " << tally.failed
              << " failed, " << onDisk << " wines on disk, " << tally.done - onDisk
              << " lost without a word\n";
    RecordProperty("done", static_cast<int>(tally.done));
    RecordProperty("failed", static_cast<int>(tally.failed));
    RecordProperty("on_disk", static_cast<int>(onDisk));
    EXPECT_LE(onDisk, tally.done);
}

} // namespace
