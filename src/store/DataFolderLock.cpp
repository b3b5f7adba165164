#include "store/DataFolderLock.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace store {

namespace {

std::string LockPathOf(const std::string& folder) {
    if (folder.empty() || folder == ".") return kLockFileName;
    return folder.back() == '/' ? folder + kLockFileName : folder + "/" + kLockFileName;
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether the descriptor is open on the file the path names now.
bool OpenOn(int fd, const std::string& path) {
    struct stat open {
    }, named{};
    return ::fstat(fd, &open) == 0 && S_ISREG(open.st_mode) && ::stat(path.c_str(), &named) == 0 &&
           SameFile(open, named);
}

// 0 once locked, else the error: EWOULDBLOCK when another open file holds the lock.
int LockOnce(int fd) {
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return 0;
        if (errno != EINTR) return errno == EAGAIN ? EWOULDBLOCK : errno;
    }
}

// A lock file that cannot be written (another user's) still takes a lock; over NFS only one open
// for writing does, so that comes first.
int OpenLockFile(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0 && (errno == EACCES || errno == EROFS)) {
        const int error = errno;
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) errno = error;
    }
    return fd;
}

} // namespace

DataFolderLock::~DataFolderLock() {
    release();
}

DataFolderLock::DataFolderLock(DataFolderLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), outcome_(other.outcome_), error_(other.error_),
      path_(std::move(other.path_)) {
    other.outcome_ = Outcome::Unsupported;
}

DataFolderLock& DataFolderLock::operator=(DataFolderLock&& other) noexcept {
    if (this != &other) {
        release();
        fd_ = std::exchange(other.fd_, -1);
        outcome_ = std::exchange(other.outcome_, Outcome::Unsupported);
        error_ = other.error_;
        path_ = std::move(other.path_);
    }
    return *this;
}

void DataFolderLock::release() {
    if (fd_ >= 0) ::close(fd_); // closing the only open file of the lock ends it
    fd_ = -1;
    if (outcome_ == Outcome::Held) outcome_ = Outcome::Unsupported;
}

DataFolderLock DataFolderLock::TryTake(const std::string& folder, int handed) {
    DataFolderLock lock;
    lock.path_ = LockPathOf(folder);
    auto settle = [&lock](int fd, int error) {
        if (error == 0) {
            lock.fd_ = fd;
            lock.outcome_ = Outcome::Held;
            return;
        }
        ::close(fd);
        lock.outcome_ = error == EWOULDBLOCK ? Outcome::Busy : Outcome::Unsupported;
        lock.error_ = error == EWOULDBLOCK ? 0 : error;
    };

    // The launcher's descriptor already holds the lock: locking it again only confirms it,
    // whereas a new open file of the same lock would find it taken.
    if (handed >= 0 && OpenOn(handed, lock.path_)) {
        // Programs this one starts must not keep the folder locked after it ends.
        ::fcntl(handed, F_SETFD, FD_CLOEXEC);
        settle(handed, LockOnce(handed));
        return lock;
    }

    // Someone may remove the lock file between its opening and its lock; the lock then guards
    // nothing and is taken again on the file the name gives now.
    for (int attempt = 0;; ++attempt) {
        const int fd = OpenLockFile(lock.path_);
        if (fd < 0) {
            lock.outcome_ = Outcome::Unsupported;
            lock.error_ = errno;
            return lock;
        }
        struct stat st {};
        const int statError = ::fstat(fd, &st) != 0 ? errno : S_ISREG(st.st_mode) ? 0 : EISDIR;
        if (statError != 0) { // a folder of that name, say
            settle(fd, statError);
            return lock;
        }
        const int error = LockOnce(fd);
        if (error != 0 || OpenOn(fd, lock.path_) || attempt == 8) {
            settle(fd, error);
            return lock;
        }
        ::close(fd);
    }
}

int TakeHandedLockDescriptor() {
    const char* value = std::getenv(kHandedLockVariable);
    int fd = -1;
    if (value != nullptr && *value != '\0') {
        char* end = nullptr;
        errno = 0;
        const long number = std::strtol(value, &end, 10);
        if (errno == 0 && *end == '\0' && number >= 0 && number < 1 << 20)
            fd = static_cast<int>(number);
    }
    ::unsetenv(kHandedLockVariable);
    return fd;
}

DataFolderInUse::DataFolderInUse(const std::string& folder)
    : std::runtime_error("the data folder " + folder +
                         " is open in another Tonnelix program; close it and try again"),
      folder_(folder) {}

DataFolderLock LockForWriting(const std::string& folder, std::chrono::milliseconds wait) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + wait;
    std::chrono::milliseconds pause(1);
    for (;;) {
        DataFolderLock lock = DataFolderLock::TryTake(folder);
        if (lock.outcome() != DataFolderLock::Outcome::Busy) return lock;
        const Clock::time_point now = Clock::now();
        if (now >= deadline) throw DataFolderInUse(folder.empty() ? "." : folder);
        std::this_thread::sleep_for(std::min<Clock::duration>(pause, deadline - now));
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
}

} // namespace store
