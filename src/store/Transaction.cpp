#include "store/Transaction.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

#include "store/Exchange.h"
#include "store/Vocabulary.h"

namespace store {

namespace {

constexpr std::string_view kJournalHead = "TONNELIX JOURNAL 1";
constexpr std::string_view kJournalEnd = "END";

Transaction*& ActiveSlot() {
    static Transaction* active = nullptr;
    return active;
}

// A journal this run could not finish: it is finished before anything else is written.
bool& PendingJournal() {
    static bool pending = false;
    return pending;
}

// Takes the open transaction out of the way while the journal itself is written.
class Suspended {
public:
    Suspended() : saved_(ActiveSlot()) { ActiveSlot() = nullptr; }
    ~Suspended() { ActiveSlot() = saved_; }

private:
    Transaction* saved_;
};

struct Journal {
    struct Move {
        std::string staged, target;
    };
    std::vector<Move> moves;
    std::vector<std::string> removed;
    std::vector<std::string> optional;
};

void CheckName(const std::string& path) {
    // One name a line: a name with a line end in it could not be read back.
    if (path.empty() || path.find_first_of("\r\n") != std::string::npos)
        throw IoError::FromErrno(EINVAL, path);
}

Journal ReadJournal(const std::string& bytes) {
    Journal journal;
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t end = bytes.find('\n', at);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        at = end + 1;
    }
    // Only a journal written whole is ever put in place; anything else is not ours to follow.
    const auto bad = [] { return IoError::FromErrno(EILSEQ, kJournalFile); };
    if (lines.size() < 2 || lines.front() != kJournalHead || lines.back() != kJournalEnd) throw bad();
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.size() < 3 || line[1] != ' ') throw bad();
        const std::string path = line.substr(2);
        switch (line[0]) {
        case 'S':
            if (i + 2 >= lines.size() || lines[i + 1].compare(0, 2, "T ") != 0) throw bad();
            journal.moves.push_back({path, lines[i + 1].substr(2)});
            ++i;
            break;
        case 'D':
            journal.removed.push_back(path);
            break;
        case 'O':
            journal.optional.push_back(path);
            break;
        default:
            throw bad();
        }
    }
    return journal;
}

bool IsRegularFile(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Every step can be done again: a staged file already moved is gone, a removed file absent.
// The removals come first: where case is ignored, an older spelling of a target is the target.
// Returns the optional removals that failed.
std::vector<std::string> RollForward(const Journal& journal) {
    for (const std::string& path : journal.removed)
        DeleteFileIfPresent(path);
    std::vector<std::string> kept;
    for (const std::string& path : journal.optional)
        if (::unlink(path.c_str()) != 0 && errno != ENOENT) kept.push_back(path);
    for (const Journal::Move& move : journal.moves)
        if (IsRegularFile(move.staged)) RenameFile(move.staged, move.target);
    DeleteFileIfPresent(kJournalFile);
    return kept;
}

// The journal in place, finished; false when there is none.
bool FinishJournal(std::vector<std::string>* kept = nullptr) {
    std::string bytes;
    if (!ReadWholeFile(kJournalFile, bytes)) return false;
    std::vector<std::string> left = RollForward(ReadJournal(bytes));
    if (kept) *kept = std::move(left);
    return true;
}

// The process that made a temporary ("name.<pid>.tmp") is still running, and it is not us.
bool MadeByLiveProgram(const std::string& entry) {
    const std::size_t end = entry.size() - 4; // ".tmp"
    const std::size_t dot = entry.rfind('.', end - 1);
    if (dot == std::string::npos) return false;
    const long pid = std::strtol(entry.substr(dot + 1, end - dot - 1).c_str(), nullptr, 10);
    if (pid <= 0 || pid == static_cast<long>(::getpid())) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string JoinPath(const std::string& dir, const std::string& name) {
    if (dir == ".") return name;
    return dir.back() == '/' ? dir + name : dir + "/" + name;
}

// Removes from `dir` the temporaries of the writers of `targets` that no running program owns.
void RemoveTemporaries(const std::string& dir, const std::vector<std::string>& targets) {
    DIR* listing = ::opendir(dir.c_str());
    if (listing == nullptr) return;
    std::vector<std::string> leftovers;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        for (const std::string& target : targets)
            if (IsTemporaryOf(target, name) && !MadeByLiveProgram(name)) {
                leftovers.push_back(JoinPath(dir, name));
                break;
            }
    }
    ::closedir(listing);
    for (const std::string& path : leftovers)
        if (IsRegularFile(path)) ::unlink(path.c_str());
}

// Every file the program writes in the data folder.
std::vector<std::string> OwnDataFolderFiles() {
    std::vector<std::string> names{kJournalFile, kImportSaveFile, "Import.Sav", kImportErrorFile};
    for (const DataLanguage language : {DataLanguage::French, DataLanguage::English}) {
        const DataFileNames f = FileNamesFor(language);
        for (const std::string* name :
             {&f.cellar, &f.consumption, &f.appellations, &f.vintages, &f.domaines, &f.colours,
              &f.regions, &f.marks, &f.bottleFormats, &f.maturity})
            if (std::find(names.begin(), names.end(), *name) == names.end()) names.push_back(*name);
    }
    // The copies an old-version conversion keeps.
    for (const char* name : {"Cave", "Cellar", "Stat", "Vins", "Wines"})
        for (const char* suffix : {".13", ".20"})
            names.push_back(std::string(name) + suffix);
    for (const char* name : {"Annee.20", "Year.20", "Couleur.20", "Colour.20", "Region.20",
                             "Country.20"})
        names.push_back(name);
    return names;
}

} // namespace

Transaction* Transaction::Active() {
    return ActiveSlot();
}

Transaction::Transaction() : outer_(ActiveSlot()) {
    // Inside another transaction this one is part of it.
    if (outer_ != nullptr) return;
    transaction_detail::FinishPendingJournal();
    ActiveSlot() = this;
}

Transaction::~Transaction() {
    if (outer_ != nullptr) return;
    ActiveSlot() = nullptr;
    if (done_) return;
    for (const Staged& s : staged_)
        ::unlink(s.staged.c_str());
}

void Transaction::adopt(const std::string& target, const std::string& staged) {
    const auto same = [&](const Staged& s) { return s.target == target; };
    if (std::any_of(staged_.begin(), staged_.end(), same)) {
        ::unlink(staged.c_str());
        throw std::logic_error("a file is staged twice in one transaction: " + target);
    }
    staged_.push_back({target, staged});
    std::erase(removed_, target);
    std::erase(optional_, target);
}

void Transaction::remove(const std::string& path) {
    for (const Staged& s : staged_)
        if (s.target == path) throw std::logic_error("a staged file is removed: " + path);
    if (std::find(removed_.begin(), removed_.end(), path) == removed_.end())
        removed_.push_back(path);
}

void Transaction::removeIfPossible(const std::string& path) {
    for (const Staged& s : staged_)
        if (s.target == path) throw std::logic_error("a staged file is removed: " + path);
    if (std::find(optional_.begin(), optional_.end(), path) == optional_.end())
        optional_.push_back(path);
}

bool Transaction::kept(const std::string& path) const {
    return std::find(kept_.begin(), kept_.end(), path) != kept_.end();
}

void Transaction::commit() {
    if (outer_ != nullptr) return;
    ActiveSlot() = nullptr; // what follows writes for itself
    if (staged_.empty() && removed_.empty() && optional_.empty()) {
        done_ = true;
        return;
    }
    // The staged files' names must be on disk before the journal that points at them.
    std::vector<std::string> dirs;
    for (const Staged& s : staged_) {
        CheckName(s.staged);
        CheckName(s.target);
        const std::string dir = DirectoryOf(s.target);
        if (std::find(dirs.begin(), dirs.end(), dir) == dirs.end()) dirs.push_back(dir);
    }
    for (const std::string& path : removed_)
        CheckName(path);
    for (const std::string& path : optional_)
        CheckName(path);
    for (const std::string& dir : dirs)
        files_detail::SyncDirectory(dir);

    {
        Suspended none;
        SafeFileWriter journal(kJournalFile);
        journal.writeLine(kJournalHead);
        for (const Staged& s : staged_) {
            journal.writeLine("S " + s.staged);
            journal.writeLine("T " + s.target);
        }
        for (const std::string& path : removed_)
            journal.writeLine("D " + path);
        for (const std::string& path : optional_)
            journal.writeLine("O " + path);
        journal.writeLine(kJournalEnd);
        journal.commit(); // the commit point
    }
    done_ = true; // the staged files now belong to the journal

    try {
        FinishJournal(&kept_);
    } catch (const IoError& error) {
        try {
            FinishJournal(&kept_);
        } catch (const IoError&) {
            PendingJournal() = true;
            throw CommittedWithError(error, false);
        }
        throw CommittedWithError(error, true);
    }
}

namespace transaction_detail {
void FinishPendingJournal() {
    if (!PendingJournal()) return;
    FinishJournal();
    PendingJournal() = false;
}
} // namespace transaction_detail

void RecoverDataFolder(const std::vector<std::string>& outsideFiles) {
    PendingJournal() = false;
    FinishJournal();
    RemoveTemporaries(".", OwnDataFolderFiles());
    // The staging names of switches made by earlier releases.
    for (const char* name : {"Stat.fr", "Stat.gb", "Domaine.fr", "Domaine.gb"})
        if (IsRegularFile(name)) ::unlink(name);
    for (const std::string& file : outsideFiles)
        RemoveTemporaries(DirectoryOf(file), {file});
}

} // namespace store
