// One program writes a data folder at a time. The lock is an operating-system lock (flock) on
// the file ".tonnelix.lock" of the folder: it belongs to the open file, so a program that is
// killed or crashes leaves no lock behind, and the lock file itself is never removed.
//
// The window program holds the lock for its whole run; a program that writes only for the time
// of a command takes it with LockForWriting. The launcher takes the same lock with flock(1)
// before it seeds a new folder and hands the still-locked descriptor to the program it starts,
// naming it in TONNELIX_LOCK_FD.
#pragma once

#include <chrono>
#include <stdexcept>
#include <string>

namespace store {

inline constexpr char kLockFileName[] = ".tonnelix.lock";
inline constexpr char kHandedLockVariable[] = "TONNELIX_LOCK_FD";

class DataFolderLock {
public:
    enum class Outcome {
        Held,        // this program is the folder's one writer until the lock is released
        Busy,        // another program holds the lock
        Unsupported, // no lock could be taken here (a file system without locks, no lock file)
    };

    DataFolderLock() = default; // holds nothing
    ~DataFolderLock();
    DataFolderLock(DataFolderLock&& other) noexcept;
    DataFolderLock& operator=(DataFolderLock&& other) noexcept;
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    // Tries once, without waiting. `handed` is a descriptor a launcher opened on the lock file
    // and locked, or -1; a descriptor that is not open on this folder's lock file is left alone.
    static DataFolderLock TryTake(const std::string& folder = ".", int handed = -1);

    Outcome outcome() const { return outcome_; }
    bool held() const { return outcome_ == Outcome::Held; }
    // Unsupported: the system error that prevented the lock.
    int error() const { return error_; }
    const std::string& path() const { return path_; }

    void release();

private:
    int fd_ = -1;
    Outcome outcome_ = Outcome::Unsupported;
    int error_ = 0;
    std::string path_;
};

// The descriptor a launcher named in TONNELIX_LOCK_FD, or -1. The variable is removed, so that
// no program started later takes the descriptor for its own.
int TakeHandedLockDescriptor();

// Another program holds the lock of the data folder.
class DataFolderInUse : public std::runtime_error {
public:
    explicit DataFolderInUse(const std::string& folder);
    const std::string& folder() const { return folder_; }

private:
    std::string folder_;
};

// Takes the lock for the time of one write, waiting at most `wait` for another program's write
// to end; raises DataFolderInUse when the lock is still held then (the window program holds it
// for as long as it is open). On a file system without locks the lock returned holds nothing
// (outcome Unsupported, with its error) and the write may go on.
DataFolderLock LockForWriting(const std::string& folder = ".",
                              std::chrono::milliseconds wait = std::chrono::milliseconds(0));

} // namespace store
