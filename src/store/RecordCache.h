// The cellar and the history held in memory while a list window is open, read again only when
// the file changed. Refilling a list on each keystroke, and stepping a zoom window through it,
// then filter records already read instead of reading the whole file each time.
//
// Typical use: a window keeps a KeepRecordsInMemory for its life; ListCellar() gives the image
// of the file and the positions of the records under the current filter, and
// CellarPositionOfMatch, CellarRowAt and ReadCellarWineAt answer from the same image.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "store/Records.h"

namespace store {

// What tells one version of a file from another. A change made by this process always moves
// `changes`; one made by another program moves the inode (a rewrite renames a new file over
// the old one), the size or the times.
struct FileStamp {
    bool exists = false;
    bool known = false; // false when the file could not be looked at: never equal to a stamp
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long size = 0;
    long long modified = 0; // nanoseconds
    long long changed = 0;  // nanoseconds
    long changes = 0;       // FileChangesMade() when the stamp was taken

    bool sameFile(const FileStamp& other) const;
};
FileStamp StampOf(const std::string& name);

// A record file as read at one moment: its bytes and where each complete record starts.
// Records read from it are those the record reader gives, byte for byte.
template <class Record>
class RecordImage {
public:
    // Reads the file; without a file, an image with no record that does not exist. Any other
    // failure raises an IoError, as every reader does.
    static std::shared_ptr<const RecordImage> Read(const std::string& name);

    bool exists() const { return exists_; }
    const std::string& name() const { return name_; }
    const FileStamp& stamp() const { return stamp_; }
    // The complete records.
    long size() const { return static_cast<long>(starts_.size()); }
    // The record at a position, 0 <= position < size().
    void read(long position, Record& record) const;
    Record at(long position) const;
    // Lines missing from a record cut short at the end of the file; 0 when there is none.
    int missingLines() const { return missing_; }
    // Shows what a reader shows on reaching the end of the file: the format message once per
    // missing line of a record cut short.
    void reachEnd() const;
    // True when the file was changed so shortly before it was read that a change written
    // in place since may carry the same times: its stamp alone does not tell.
    bool racy() const { return racy_; }
    bool sameBytes(const RecordImage& other) const { return bytes_ == other.bytes_; }

    RecordImage(const RecordImage&) = delete;
    RecordImage& operator=(const RecordImage&) = delete;

private:
    RecordImage() = default;

    std::string name_;
    bool exists_ = false;
    FileStamp stamp_;
    std::string bytes_;
    std::vector<std::size_t> starts_;
    int missing_ = 0;
    bool racy_ = false;
};

using CellarImage = RecordImage<CellarWine>;
using HistoryImage = RecordImage<ConsumedWine>;

// While one of these lives, the images read are kept and reused until their file changes.
// Without one, every call reads the file again and keeps nothing.
class KeepRecordsInMemory {
public:
    KeepRecordsInMemory();
    ~KeepRecordsInMemory();
    KeepRecordsInMemory(const KeepRecordsInMemory&) = delete;
    KeepRecordsInMemory& operator=(const KeepRecordsInMemory&) = delete;
};
bool RecordsKeptInMemory();

// The records that pass the current filter (for the cellar, the to-drink flag too), as
// positions (from 0) in the image, in file order. Nothing is shown: a caller that stands for a
// read of the whole file calls image->reachEnd().
template <class Record>
struct Listing {
    std::shared_ptr<const RecordImage<Record>> image;
    std::shared_ptr<const std::vector<long>> positions;
};
Listing<CellarWine> ListCellar();
Listing<ConsumedWine> ListHistory();

// The records of a listing by row, read from the image when asked for; the last one read is
// kept, as a list view asks for a row one column at a time. Copies share that record.
template <class Record>
class ListedRecords {
public:
    explicit ListedRecords(Listing<Record> listing) : listing_(std::move(listing)) {}

    long size() const { return static_cast<long>(listing_.positions->size()); }
    const Record& at(long row) const {
        if (row != last_->row) {
            listing_.image->read((*listing_.positions)[static_cast<std::size_t>(row)], last_->record);
            last_->row = row;
        }
        return last_->record;
    }

private:
    struct Last {
        long row = -1;
        Record record;
    };
    Listing<Record> listing_;
    std::shared_ptr<Last> last_ = std::make_shared<Last>();
};

// The current image of the cellar or history file, reading it when the kept one is not the
// file's any more.
std::shared_ptr<const CellarImage> CurrentCellar();
std::shared_ptr<const HistoryImage> CurrentHistory();

// Drops every kept image (the state's reset does it too).
void ForgetKeptRecords();

} // namespace store
