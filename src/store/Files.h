// Reading and safely rewriting the text files of the data directory.
#pragma once

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace store {

// An input/output failure that abandons the current command. The shell shows it
// with the text of its kind; `code` is the system error number.
class IoError : public std::runtime_error {
public:
    enum class Kind { FileNotFound, BadFileName, TooManyOpenFiles, AccessDenied, ReadPastEnd, DiskFull, Other };
    IoError(Kind kind, int code, const std::string& file);
    // The one mapping of a system error number to its kind, for every reader and writer.
    static Kind KindOf(int code);
    static IoError FromErrno(int code, const std::string& file);
    Kind kind() const { return kind_; }
    int code() const { return code_; }
    const std::string& file() const { return file_; }

private:
    Kind kind_;
    int code_;
    std::string file_;
};

// Reads a text file line by line through a buffer: lines end with LF, a CR before it is
// dropped, so CR LF and LF files read alike. Nothing but the buffer is held in memory.
class LineReader {
public:
    static constexpr std::size_t kNoLimit = static_cast<std::size_t>(-1);

    LineReader() = default;
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // False only when the file does not exist; any other failure raises an IoError.
    bool open(const std::string& name);
    void close();
    bool isOpen() const { return fd_ >= 0; }
    bool eof();
    // Reads the next line; at most maxLength characters are kept, the rest of the line is
    // skipped. Returns false at the end of the file.
    bool readLine(std::string& line, std::size_t maxLength = kNoLimit);

private:
    bool fill();

    int fd_ = -1;
    std::string name_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
};

// Reads a text file whose lines may end with CR LF, LF or a lone CR (files from any system), as
// the import takes them: a line never holds a CR or an LF. However long a line is, at most
// `limit` of its bytes are held; the rest is handed over piece by piece or skipped, so memory
// does not grow with the file.
class TextLines {
public:
    TextLines() = default;
    ~TextLines();
    TextLines(const TextLines&) = delete;
    TextLines& operator=(const TextLines&) = delete;

    // As LineReader::open.
    bool open(const std::string& name);
    // The next line without its end; false at the end of the file. `line` holds its first
    // `limit` bytes and `whole` tells whether that is all of it; the bytes beyond go to `rest`
    // when one is given.
    bool next(std::string& line, std::size_t limit, bool& whole,
              const std::function<void(std::string_view)>& rest = {});

private:
    bool fill();

    int fd_ = -1;
    std::string name_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool crEnded_ = false; // the last line ended with a CR: an LF right after it belongs to it
};

// Writes the complete new content of a file beside it, then replaces the file in one
// rename once the content is on disk. A target that is a symbolic link keeps its link: the file
// it points to is the one replaced, through a temporary in that file's own folder. Until commit() the old file is untouched; a writer
// destroyed without commit() removes its temporary file. Temporaries of the same target left
// by a run that was killed are removed before the new one is made. Inside a Transaction,
// commit() leaves the file staged for the transaction to put in place.
class SafeFileWriter {
public:
    explicit SafeFileWriter(std::string target);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // Writes the text and CR LF.
    void writeLine(std::string_view line);
    void write(std::string_view bytes);
    // Puts the whole content on disk without replacing the target yet, so that several files
    // can each be made whole before any of them replaces its target; commit() then only
    // renames.
    void finish();
    void commit();
    // The file the content is written to until commit(), readable once finish() has returned.
    const std::string& temporary() const { return temp_; }
    // The file commit() replaces: the target, or the file its symbolic link points to.
    const std::string& target() const { return target_; }

private:
    void flushBuffer();

    std::string target_;
    std::string temp_;
    int fd_ = -1;
    std::string buffer_;
    bool committed_ = false;
};

// Opens a text file for reading. False, without any message, only when the file does not
// exist: that is an empty base. A file that exists but cannot be read (permission, too many open
// files, a directory, a device error) raises an IoError, so that no writer ever replaces it.
// Only regular files are read: a named pipe would wait for ever and a device such as /dev/zero
// never ends, so both are refused as access denied without a byte read.
bool OpenTextForReading(LineReader& reader, const std::string& name);

// The whole content of a file, under the same rule as OpenTextForReading.
bool ReadWholeFile(const std::string& name, std::string& bytes);

// Hands the content of a file over in pieces, under the same rule as OpenTextForReading, so
// that memory does not grow with the file.
bool ReadInPieces(const std::string& name, const std::function<void(std::string_view)>& piece);

// The file a path names once its symbolic links are followed (the path itself when it is none);
// the last one may name a file that does not exist yet.
std::string LinkTarget(const std::string& path);

// Whether two paths name one file: the same path once resolved, or the same file by its device
// and number (a hard link, or a symbolic link to it).
bool SameFileOrPath(const std::string& a, const std::string& b);

// Removes the file; false, with nothing raised, when it is there and could not be removed.
bool TryRemoveFile(const std::string& name);

// Whether `entry` (a bare file name) is a temporary that a SafeFileWriter of `target` makes:
// the target's file name, a dot, digits, ".tmp".
bool IsTemporaryOf(const std::string& target, const std::string& entry);

// Erases the file when it exists; inside a Transaction, when the transaction commits.
void DeleteFileIfPresent(const std::string& name);

bool FileExists(const std::string& name);

// Replaces a whole file with the given lines (each written with CR LF).
void WriteAllLines(const std::string& name, const std::vector<std::string>& lines);

// Replaces several files with their lines as one transaction: all of them or none.
void WriteAllLinesOfFiles(
    const std::vector<std::pair<std::string, std::vector<std::string>>>& files);

// Gives the file its new name (an existing file of that name is replaced), on disk when it
// returns. A new name that is a symbolic link stays one: the file it points to gets the content.
// A failure raises an IoError.
void RenameFile(const std::string& from, const std::string& to);

namespace files_detail {
// Puts the directory's entries on disk (the names of files just made or renamed).
void SyncDirectory(const std::string& dir);
} // namespace files_detail

// How many files this process has replaced, renamed or erased so far: a copy of a file kept in
// memory is stale once this moves, even where the file system's times are too coarse to tell.
long FileChangesMade();

namespace files_testing {
// Makes every write fail with "disk full" once this many more bytes have been written;
// a negative value switches the failure off.
void FailWritesAfter(long bytes);
// Makes opening `name` for reading (every file when `name` is empty) fail with the system
// error `code`, as a file that exists but cannot be read; 0 switches the failure off.
void FailOpensWith(int code, const std::string& name = {});
// Makes removing `name` with TryRemoveFile (every file when `name` is empty) fail with the system
// error `code`; 0 switches the failure off.
void FailRemovesWith(int code, const std::string& name = {});
// Whether commit() flushes the data to the disk (benchmarks measure without it).
void SetSyncOnCommit(bool sync);

// The system calls of the safe writer and the file removal that a fault can hit.
enum class Call { Write, Sync, Close, Rename, Unlink };
// Makes the n-th call (from 1, counted from now) of this kind fail with the system error `code`;
// n <= 0 switches it off. Each kind has its own count and its own failure.
void FailNthCall(Call call, long n, int code);
// How many calls of this kind the safe writer made since the last Reset (or the last
// FailNthCall of the kind), so a test knows every n an operation reaches.
long CallCount(Call call);
// Ends the process with kCrashExit at the n-th call of any kind (from 1, counted from now),
// before the call is made: the program killed at that moment. n <= 0 switches it off.
inline constexpr int kCrashExit = 86;
void CrashAtCall(long n);
// How many calls of every kind were made since the last Reset.
long AllCallCount();
void Reset();
} // namespace files_testing

} // namespace store
