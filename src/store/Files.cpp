#include "store/Files.h"

#include "store/Transaction.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {
constexpr std::size_t kBufferSize = 1 << 16;

struct CountedFault {
    long calls = 0;
    long failAt = 0; // 0: never
    int code = 0;
};

struct FaultState {
    CountedFault counted[5];
    long allCalls = 0;
    long crashAt = 0; // 0: never
    long failAfter = -1;
    bool sync = true;
    int openError = 0;
    std::string openName; // empty: every file
    int removeError = 0;
    std::string removeName; // empty: every file
};
FaultState& Faults() {
    static FaultState state;
    return state;
}

long& ChangesMade() {
    static long changes = 0;
    return changes;
}

// Counts a call of the safe writer; true, with errno set, when this one is to fail.
bool InjectedFault(files_testing::Call call) {
    if (++Faults().allCalls == Faults().crashAt) ::_exit(files_testing::kCrashExit);
    CountedFault& fault = Faults().counted[static_cast<int>(call)];
    ++fault.calls;
    if (fault.failAt <= 0 || fault.calls != fault.failAt) return false;
    errno = fault.code;
    return true;
}

std::string DirectoryOf(const std::string& path);

// A rename is on disk once its directory is.
void SyncDirectoryOf(const std::string& path) {
    if (!Faults().sync) return;
    const int dir = ::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A descriptor open for reading; -1 only when the file does not exist.
int OpenForReading(const std::string& name) {
    const FaultState& faults = Faults();
    if (faults.openError != 0 && (faults.openName.empty() || faults.openName == name))
        throw IoError::FromErrno(faults.openError, name);
    // Without O_NONBLOCK opening a named pipe would wait for a writer before the check below.
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT) return -1;
        throw IoError::FromErrno(errno, name);
    }
    struct stat st {};
    int error = 0;
    if (::fstat(fd, &st) != 0)
        error = errno;
    else if (S_ISDIR(st.st_mode))
        error = EISDIR;
    else if (!S_ISREG(st.st_mode))
        error = EPERM;
    if (error != 0) {
        ::close(fd);
        throw IoError::FromErrno(error, name);
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

// Whether the process that made a temporary (its number is in the name) has ended. Another
// program may be writing that temporary right now: it is not a leftover while its writer lives.
bool WriterHasEnded(const std::string& temporary) {
    const auto end = temporary.size() - 4; // before ".tmp"
    const auto dot = temporary.rfind('.', end - 1);
    long pid = 0;
    for (std::size_t i = dot + 1; i < end; ++i) {
        pid = pid * 10 + (temporary[i] - '0');
        if (pid > 1 << 30) return true; // no process has such a number
    }
    if (pid <= 0) return true;
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// A killed rewrite leaves its temporary behind; the next rewrite of the same file clears it.
void RemoveLeftoverTemporaries(const std::string& target, const std::string& own) {
    const std::string dir = DirectoryOf(target);
    DIR* listing = ::opendir(dir.c_str());
    if (listing == nullptr) return;
    const std::string prefix = target.find('/') == std::string::npos ? "" : dir + "/";
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (!IsTemporaryOf(target, name)) continue;
        const std::string path = prefix + name;
        if (path == own || !WriterHasEnded(name)) continue;
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(path.c_str());
    }
    ::closedir(listing);
}
} // namespace

namespace files_testing {
void FailWritesAfter(long bytes) { Faults().failAfter = bytes; }
void FailOpensWith(int code, const std::string& name) {
    Faults().openError = code;
    Faults().openName = name;
}
void FailRemovesWith(int code, const std::string& name) {
    Faults().removeError = code;
    Faults().removeName = name;
}
void SetSyncOnCommit(bool sync) { Faults().sync = sync; }
void FailNthCall(Call call, long n, int code) {
    Faults().counted[static_cast<int>(call)] = CountedFault{0, n, code};
}
long CallCount(Call call) { return Faults().counted[static_cast<int>(call)].calls; }
void CrashAtCall(long n) {
    Faults().allCalls = 0;
    Faults().crashAt = n;
}
long AllCallCount() { return Faults().allCalls; }
void Reset() { Faults() = FaultState{}; }
} // namespace files_testing

IoError::IoError(Kind kind, int code, const std::string& file)
    : std::runtime_error(file + ": " + std::strerror(code)), kind_(kind), code_(code), file_(file) {}

IoError::Kind IoError::KindOf(int code) {
    switch (code) {
    case ENOENT:
        return Kind::FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:                  // a character the file system refuses in a name
        return Kind::BadFileName; // the name or its path is wrong, not the file
    case EMFILE:
    case ENFILE:
        return Kind::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
    case EISDIR:
        return Kind::AccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return Kind::DiskFull;
    default:
        return Kind::Other;
    }
}

IoError IoError::FromErrno(int code, const std::string& file) {
    return IoError(KindOf(code), code, file);
}

// ---------------------------------------------------------------- LineReader

LineReader::~LineReader() { close(); }

bool LineReader::open(const std::string& name) {
    close();
    const int fd = OpenForReading(name);
    if (fd < 0) return false;
    fd_ = fd;
    name_ = name;
    buffer_.resize(kBufferSize);
    begin_ = end_ = 0;
    atEnd_ = false;
    return true;
}

void LineReader::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

bool LineReader::fill() {
    if (atEnd_ || fd_ < 0) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw IoError::FromErrno(errno, name_);
        if (got == 0) {
            atEnd_ = true;
            return false;
        }
        end_ += static_cast<std::size_t>(got);
        return true;
    }
}

bool LineReader::eof() {
    if (begin_ < end_) return false;
    return !fill();
}

bool LineReader::readLine(std::string& line, std::size_t maxLength) {
    line.clear();
    if (eof()) return false;
    for (;;) {
        const char* start = buffer_.data() + begin_;
        const auto* nl = static_cast<const char*>(std::memchr(start, '\n', end_ - begin_));
        if (nl != nullptr || atEnd_) {
            std::size_t length = nl != nullptr ? static_cast<std::size_t>(nl - start) : end_ - begin_;
            begin_ += length + (nl != nullptr ? 1 : 0);
            if (length > 0 && start[length - 1] == '\r') --length;
            line.assign(start, length < maxLength ? length : maxLength);
            return true;
        }
        // A line longer than the limit: keep its head, drop the rest without buffering it.
        if (maxLength != kNoLimit && end_ - begin_ > maxLength + 1 && line.empty()) {
            line.assign(start, maxLength);
            for (;;) {
                begin_ = end_;
                if (!fill()) return true;
                const char* s = buffer_.data() + begin_;
                const auto* n = static_cast<const char*>(std::memchr(s, '\n', end_ - begin_));
                if (n != nullptr) {
                    begin_ += static_cast<std::size_t>(n - s) + 1;
                    return true;
                }
            }
        }
        if (!fill()) continue; // at the end: the loop takes what is left as the last line
    }
}

// ----------------------------------------------------------------- TextLines

TextLines::~TextLines() {
    if (fd_ >= 0) ::close(fd_);
}

bool TextLines::open(const std::string& name) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = OpenForReading(name);
    if (fd_ < 0) return false;
    name_ = name;
    buffer_.resize(kBufferSize);
    begin_ = end_ = 0;
    crEnded_ = false;
    return true;
}

bool TextLines::fill() {
    if (fd_ < 0) return false;
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_.data(), buffer_.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw IoError::FromErrno(errno, name_);
        begin_ = 0;
        end_ = static_cast<std::size_t>(got);
        return got > 0;
    }
}

bool TextLines::next(std::string& line, std::size_t limit, bool& whole,
                     const std::function<void(std::string_view)>& rest) {
    line.clear();
    whole = true;
    bool started = false;
    for (;;) {
        if (begin_ == end_ && !fill()) return started;
        if (crEnded_) {
            crEnded_ = false;
            if (buffer_[begin_] == '\n') {
                ++begin_;
                continue;
            }
        }
        started = true;
        const char* from = buffer_.data() + begin_;
        const char* to = buffer_.data() + end_;
        const char* stop = from;
        while (stop != to && *stop != '\n' && *stop != '\r')
            ++stop;
        const std::string_view piece(from, static_cast<std::size_t>(stop - from));
        const std::size_t room = limit - std::min(limit, line.size());
        line.append(piece.substr(0, std::min(room, piece.size())));
        if (piece.size() > room) {
            whole = false;
            if (rest) rest(piece.substr(room));
        }
        if (stop == to) {
            begin_ = end_;
            continue;
        }
        crEnded_ = *stop == '\r';
        begin_ = static_cast<std::size_t>(stop - buffer_.data()) + 1;
        return true;
    }
}

// ------------------------------------------------------------ SafeFileWriter

SafeFileWriter::SafeFileWriter(std::string target) : target_(LinkTarget(target)) {
    transaction_detail::FinishPendingJournal();
    temp_ = target_ + "." + std::to_string(::getpid()) + ".tmp";
    RemoveLeftoverTemporaries(target_, temp_);
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd_ < 0) throw IoError::FromErrno(errno, target_);
    // The new content replaces the file: it keeps the permissions the user gave the old one.
    struct stat old {};
    if (::stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd_, old.st_mode & 07777);
    buffer_.reserve(kBufferSize);
}

SafeFileWriter::~SafeFileWriter() {
    if (!committed_) {
        if (fd_ >= 0) ::close(fd_);
        ::unlink(temp_.c_str());
    }
}

void SafeFileWriter::write(std::string_view bytes) {
    buffer_.append(bytes);
    if (buffer_.size() >= kBufferSize) flushBuffer();
}

void SafeFileWriter::writeLine(std::string_view line) {
    buffer_.append(line);
    buffer_.append("\r\n", 2);
    if (buffer_.size() >= kBufferSize) flushBuffer();
}

void SafeFileWriter::flushBuffer() {
    std::size_t done = 0;
    while (done < buffer_.size()) {
        std::size_t chunk = buffer_.size() - done;
        FaultState& faults = Faults();
        if (faults.failAfter >= 0 && static_cast<long>(chunk) > faults.failAfter) {
            chunk = static_cast<std::size_t>(faults.failAfter);
            if (chunk == 0) throw IoError::FromErrno(ENOSPC, target_);
        }
        const ssize_t put = InjectedFault(files_testing::Call::Write)
                                ? -1
                                : ::write(fd_, buffer_.data() + done, chunk);
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) throw IoError::FromErrno(errno, target_);
        if (faults.failAfter >= 0) faults.failAfter -= put;
        done += static_cast<std::size_t>(put);
    }
    buffer_.clear();
}

void SafeFileWriter::finish() {
    if (fd_ < 0) return;
    flushBuffer();
    using files_testing::Call;
    // The call is counted even when syncing is off, so a test without real syncs meets the same
    // faults.
    if (InjectedFault(Call::Sync) || (Faults().sync && ::fsync(fd_) != 0))
        throw IoError::FromErrno(errno, target_);
    const int fd = fd_;
    fd_ = -1;
    // The descriptor is gone even when close reports an error: a failed close is not retried.
    const bool closeFailed = ::close(fd) != 0;
    if (closeFailed || InjectedFault(Call::Close)) throw IoError::FromErrno(errno, target_);
}

void SafeFileWriter::commit() {
    finish();
    if (Transaction* transaction = Transaction::Active()) {
        committed_ = true; // the transaction owns the staged file now
        transaction->adopt(target_, temp_);
        return;
    }
    if (InjectedFault(files_testing::Call::Rename) || ::rename(temp_.c_str(), target_.c_str()) != 0)
        throw IoError::FromErrno(errno, target_);
    committed_ = true;
    ++ChangesMade();
    SyncDirectoryOf(target_);
}

// ------------------------------------------------------------------- helpers

bool OpenTextForReading(LineReader& reader, const std::string& name) { return reader.open(name); }

bool ReadWholeFile(const std::string& name, std::string& bytes) {
    bytes.clear();
    const int fd = OpenForReading(name);
    if (fd < 0) return false;
    char chunk[1 << 14];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            throw IoError::FromErrno(error, name);
        }
        if (got == 0) break;
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return true;
}

bool ReadInPieces(const std::string& name, const std::function<void(std::string_view)>& piece) {
    const int fd = OpenForReading(name);
    if (fd < 0) return false;
    std::vector<char> chunk(kBufferSize);
    for (;;) {
        const ssize_t got = ::read(fd, chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            throw IoError::FromErrno(error, name);
        }
        if (got == 0) break;
        try {
            piece(std::string_view(chunk.data(), static_cast<std::size_t>(got)));
        } catch (...) {
            ::close(fd);
            throw;
        }
    }
    ::close(fd);
    return true;
}

std::string LinkTarget(const std::string& path) {
    std::string current = path;
    // As many links as the system itself follows before it gives up.
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        std::vector<char> text(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
        const ssize_t length = ::readlink(current.c_str(), text.data(), text.size());
        if (length < 0) throw IoError::FromErrno(errno, path);
        if (static_cast<std::size_t>(length) >= text.size()) continue; // it changed: read it again
        const std::string link(text.data(), static_cast<std::size_t>(length));
        if (!link.empty() && link[0] == '/')
            current = link;
        else if (current.find('/') == std::string::npos)
            current = link;
        else
            current = DirectoryOf(current) + "/" + link;
    }
    throw IoError::FromErrno(ELOOP, path);
}

bool SameFileOrPath(const std::string& a, const std::string& b) {
    struct stat sa {}, sb {};
    if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    // A file that does not exist yet is known by where its path leads.
    std::error_code error;
    const auto ra = std::filesystem::weakly_canonical(std::filesystem::absolute(LinkTarget(a)), error);
    if (error) return false;
    const auto rb = std::filesystem::weakly_canonical(std::filesystem::absolute(LinkTarget(b)), error);
    return !error && ra == rb;
}

bool TryRemoveFile(const std::string& name) {
    const FaultState& faults = Faults();
    if (faults.removeError != 0 && (faults.removeName.empty() || faults.removeName == name)) {
        errno = faults.removeError;
        return false;
    }
    return ::unlink(name.c_str()) == 0 || errno == ENOENT;
}

bool IsTemporaryOf(const std::string& target, const std::string& entry) {
    const std::string base = BaseNameOf(target);
    constexpr std::string_view kSuffix = ".tmp";
    if (entry.size() <= base.size() + 1 + kSuffix.size()) return false;
    if (entry.compare(0, base.size(), base) != 0 || entry[base.size()] != '.') return false;
    if (entry.compare(entry.size() - kSuffix.size(), kSuffix.size(), kSuffix) != 0) return false;
    for (std::size_t i = base.size() + 1; i < entry.size() - kSuffix.size(); ++i)
        if (entry[i] < '0' || entry[i] > '9') return false;
    return true;
}

void DeleteFileIfPresent(const std::string& name) {
    if (Transaction* transaction = Transaction::Active()) return transaction->remove(name);
    if (InjectedFault(files_testing::Call::Unlink)) throw IoError::FromErrno(errno, name);
    if (::unlink(name.c_str()) != 0 && errno != ENOENT) throw IoError::FromErrno(errno, name);
    ++ChangesMade();
}

bool FileExists(const std::string& name) {
    struct stat st {};
    return ::stat(name.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void WriteAllLines(const std::string& name, const std::vector<std::string>& lines) {
    SafeFileWriter out(name);
    for (const auto& line : lines) out.writeLine(line);
    out.commit();
}

void WriteAllLinesOfFiles(
    const std::vector<std::pair<std::string, std::vector<std::string>>>& files) {
    Transaction transaction;
    for (const auto& [name, lines] : files)
        WriteAllLines(name, lines);
    transaction.commit();
}

void RenameFile(const std::string& from, const std::string& to) {
    if (LinkTarget(to) != to) {
        // The link stays: the file it points to, perhaps on another disk, takes the content.
        SafeFileWriter out(to);
        ReadInPieces(from, [&out](std::string_view piece) { out.write(piece); });
        out.commit();
        DeleteFileIfPresent(from);
        return;
    }
    if (InjectedFault(files_testing::Call::Rename) || ::rename(from.c_str(), to.c_str()) != 0)
        throw IoError::FromErrno(errno, from);
    ++ChangesMade();
    SyncDirectoryOf(to);
}

namespace files_detail {
void SyncDirectory(const std::string& dir) {
    if (!Faults().sync) return;
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
} // namespace files_detail

long FileChangesMade() { return ChangesMade(); }

} // namespace store
