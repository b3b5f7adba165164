#include "store/RecordCache.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <cstring>
#include <sys/stat.h>
#include <tuple>

#include "store/Files.h"
#include "store/Messages.h"
#include "store/State.h"
#include "store/Text.h"

namespace store {

namespace {

template <class Record>
struct Kind;

template <>
struct Kind<CellarWine> {
    static constexpr int kLines = kCellarWineLines;
    static constexpr int kFormatMessage = 1;
    static void Parse(const std::string_view* lines, CellarWine& w) { ParseCellarWine(lines, w); }
};

template <>
struct Kind<ConsumedWine> {
    static constexpr int kLines = kConsumedWineLines;
    static constexpr int kFormatMessage = 2;
    static void Parse(const std::string_view* lines, ConsumedWine& e) { ParseConsumedWine(lines, e); }
};

// The line that starts at `at`, as a line reader gives it: up to the LF, a CR before it
// dropped, cut to the record line limit. `at` moves past the LF.
std::string_view NextLine(const std::string& bytes, std::size_t& at) {
    const char* start = bytes.data() + at;
    const std::size_t left = bytes.size() - at;
    const auto* nl = static_cast<const char*>(std::memchr(start, '\n', left));
    std::size_t length = nl != nullptr ? static_cast<std::size_t>(nl - start) : left;
    at += length + (nl != nullptr ? 1 : 0);
    if (length > 0 && start[length - 1] == '\r') --length;
    return {start, length < kMaxRecordLine ? length : kMaxRecordLine};
}

// What a list under the filter was computed from; the same key gives the same rows.
struct ListingKey {
    const void* image = nullptr;
    RecordFilter filter;
    int year = 0;
    DataLanguage language = DataLanguage::French;

    bool operator==(const ListingKey& o) const {
        const auto fields = [](const ListingKey& k) {
            const RecordFilter& f = k.filter;
            return std::tie(k.image, f.colour, f.second, f.dateFrom, f.dateTo, f.search, f.toDrink,
                            k.year, k.language);
        };
        return fields(*this) == fields(o);
    }
};

// True when `now` differs from `before` only by a search that holds the earlier one: every
// record it passes, the earlier search passed.
bool Narrows(const ListingKey& now, const ListingKey& before) {
    ListingKey same = before;
    same.filter.search = now.filter.search;
    return same == now && UpperAZ(now.filter.search).find(UpperAZ(before.filter.search)) != std::string::npos;
}

ListingKey CurrentKey(const void* image) {
    return {image, State().filter, CurrentYear(), State().language};
}

template <class Record>
struct Kept {
    std::shared_ptr<const RecordImage<Record>> image;
    ListingKey key;
    std::shared_ptr<const std::vector<long>> positions;
};

struct KeptRecords {
    int keepers = 0;
    Kept<CellarWine> cellar;
    Kept<ConsumedWine> history;
};

KeptRecords& Memory() {
    static KeptRecords kept;
    return kept;
}

template <class Record>
std::shared_ptr<const RecordImage<Record>> Current(Kept<Record>& kept, const std::string& name) {
    if (!RecordsKeptInMemory()) return RecordImage<Record>::Read(name);
    if (kept.image && kept.image->name() == name && kept.image->stamp().sameFile(StampOf(name))) {
        if (!kept.image->racy()) return kept.image;
        // Read again and compared: the same bytes keep the listing worked out on them.
        auto again = RecordImage<Record>::Read(name);
        if (again->sameBytes(*kept.image)) {
            kept.image = again;
            kept.key.image = again.get();
            return kept.image;
        }
    }
    kept = {};
    kept.image = RecordImage<Record>::Read(name);
    return kept.image;
}

bool Passes(const CellarWine& wine, bool toDrink) {
    return CellarWineMatches(wine) && (!toDrink || PeakYearHasCome(wine));
}

bool Passes(const ConsumedWine& entry, bool) { return ConsumedWineMatches(entry); }

template <class Record>
Listing<Record> List(Kept<Record>& kept, const std::string& name) {
    Listing<Record> listing;
    listing.image = Current(kept, name);
    const RecordImage<Record>& image = *listing.image;
    const ListingKey key = CurrentKey(listing.image.get());
    if (kept.positions && kept.key == key) {
        listing.positions = kept.positions;
    } else {
        auto positions = std::make_shared<std::vector<long>>();
        const bool toDrink = State().filter.toDrink;
        Record record;
        if (kept.positions && Narrows(key, kept.key)) {
            // A search typed further finds only records the shorter one found.
            for (const long at : *kept.positions) {
                image.read(at, record);
                if (Passes(record, toDrink)) positions->push_back(at);
            }
        } else {
            for (long at = 0; at < image.size(); ++at) {
                image.read(at, record);
                if (Passes(record, toDrink)) positions->push_back(at);
            }
        }
        listing.positions = positions;
        if (RecordsKeptInMemory() && kept.image == listing.image) {
            kept.key = key;
            kept.positions = listing.positions;
        }
    }
    return listing;
}

long long Nanoseconds(const timespec& t) {
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// File times come from a clock that lags the system's by up to a tick (a few milliseconds).
constexpr long long kFileTimeMargin = 50'000'000;

long long Now() {
    timespec t{};
    ::clock_gettime(CLOCK_REALTIME, &t);
    return Nanoseconds(t);
}

} // namespace

bool FileStamp::sameFile(const FileStamp& o) const {
    return known && o.known &&
           std::tie(exists, device, inode, size, modified, changed, changes) ==
               std::tie(o.exists, o.device, o.inode, o.size, o.modified, o.changed, o.changes);
}

FileStamp StampOf(const std::string& name) {
    FileStamp stamp;
    stamp.changes = FileChangesMade();
    struct stat st {};
    if (::stat(name.c_str(), &st) != 0) {
        stamp.known = errno == ENOENT;
        return stamp;
    }
    stamp.known = true;
    stamp.exists = true;
    stamp.device = static_cast<unsigned long long>(st.st_dev);
    stamp.inode = static_cast<unsigned long long>(st.st_ino);
    stamp.size = static_cast<long long>(st.st_size);
    stamp.modified = Nanoseconds(st.st_mtim);
    stamp.changed = Nanoseconds(st.st_ctim);
    return stamp;
}

template <class Record>
std::shared_ptr<const RecordImage<Record>> RecordImage<Record>::Read(const std::string& name) {
    std::shared_ptr<RecordImage> image(new RecordImage);
    image->name_ = name;
    // The stamp is taken first: a change made while reading then shows at the next look.
    const long long now = Now();
    image->stamp_ = StampOf(name);
    image->racy_ = image->stamp_.exists && std::max(image->stamp_.modified, image->stamp_.changed) >= now - kFileTimeMargin;
    if (image->stamp_.exists) image->bytes_.reserve(static_cast<std::size_t>(image->stamp_.size));
    image->exists_ = ReadWholeFile(name, image->bytes_);
    const std::string& bytes = image->bytes_;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t start = at;
        int lines = 0;
        while (lines < Kind<Record>::kLines && at < bytes.size()) {
            NextLine(bytes, at);
            ++lines;
        }
        if (lines < Kind<Record>::kLines) {
            image->missing_ = Kind<Record>::kLines - lines;
            break;
        }
        image->starts_.push_back(start);
    }
    return image;
}

template <class Record>
void RecordImage<Record>::read(long position, Record& record) const {
    std::string_view lines[Kind<Record>::kLines];
    std::size_t at = starts_[static_cast<std::size_t>(position)];
    for (auto& line : lines) line = NextLine(bytes_, at);
    Kind<Record>::Parse(lines, record);
}

template <class Record>
Record RecordImage<Record>::at(long position) const {
    Record record;
    read(position, record);
    return record;
}

template <class Record>
void RecordImage<Record>::reachEnd() const {
    for (int i = 0; i < missing_; ++i) ShowMessage(Kind<Record>::kFormatMessage);
}

template class RecordImage<CellarWine>;
template class RecordImage<ConsumedWine>;

KeepRecordsInMemory::KeepRecordsInMemory() { ++Memory().keepers; }

KeepRecordsInMemory::~KeepRecordsInMemory() {
    KeptRecords& kept = Memory();
    if (--kept.keepers == 0) ForgetKeptRecords();
}

bool RecordsKeptInMemory() { return Memory().keepers > 0; }

Listing<CellarWine> ListCellar() { return List(Memory().cellar, State().files.cellar); }
Listing<ConsumedWine> ListHistory() { return List(Memory().history, State().files.consumption); }

std::shared_ptr<const CellarImage> CurrentCellar() {
    return Current(Memory().cellar, State().files.cellar);
}

std::shared_ptr<const HistoryImage> CurrentHistory() {
    return Current(Memory().history, State().files.consumption);
}

void ForgetKeptRecords() {
    KeptRecords& kept = Memory();
    kept.cellar = {};
    kept.history = {};
}

} // namespace store
