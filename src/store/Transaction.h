// Commands that write several files commit them as one: the data set on disk is the old one
// or the new one, whatever fails and whenever the program is stopped.
//
// While a Transaction is open, every SafeFileWriter::commit() stages its file (whole and synced
// beside its target) instead of replacing the target, and DeleteFileIfPresent() notes the file
// for removal. Transaction::commit() then writes and syncs a journal naming every staged file,
// its target and the files to remove: once the journal is in place the command has happened.
// The renames and removals follow, then the journal goes. A failure before the journal leaves
// every file as it was and removes what was staged; a failure after it is finished at once
// when it can be, and otherwise before anything else is written, or at the next start.
//
// A file is staged once per transaction, and reading it before commit() gives its old bytes.
// The journal lives in the data folder (the current directory); the targets may lie elsewhere
// (the settings file), named by the path given.
#pragma once

#include <string>
#include <vector>

#include "store/Files.h"

namespace store {

inline constexpr const char* kJournalFile = "Tonnelix.jnl";

// The command reached its commit point, then a rename or removal failed. The new set is the one
// on disk (finished()) or the one the next write or the next start completes; the caller goes on
// as if the command had succeeded, then reports the error.
class CommittedWithError : public IoError {
public:
    CommittedWithError(const IoError& error, bool finished) : IoError(error), finished_(finished) {}
    bool finished() const { return finished_; }

private:
    bool finished_;
};

class Transaction {
public:
    Transaction();
    // Without commit(): every staged file is removed, no target changed.
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

    // Called by the safe writer and the file removal while the transaction is open.
    void adopt(const std::string& target, const std::string& staged);
    void remove(const std::string& path);
    // A file removed when it can be; a failure to remove it is no error of the command.
    void removeIfPossible(const std::string& path);
    // Whether removeIfPossible() failed for the path at commit().
    bool kept(const std::string& path) const;

    // The open transaction, or null.
    static Transaction* Active();

private:
    struct Staged {
        std::string target;
        std::string staged;
    };
    Transaction* outer_;
    std::vector<Staged> staged_;
    std::vector<std::string> removed_;
    std::vector<std::string> optional_;
    std::vector<std::string> kept_;
    bool done_ = false;
};

// At start-up, before any data file or the settings file is read: a command whose journal is
// in place is finished; then the staged files and temporaries the program left in the data folder
// (and beside each of `outsideFiles`) are removed, save those of a program still running. An
// IoError means the data set cannot be trusted yet: the program must not go on.
void RecoverDataFolder(const std::vector<std::string>& outsideFiles);

namespace transaction_detail {
// Finishes a journal that a failure left in place during this run; raises when it still fails,
// so that nothing else is written over a set that is not whole.
void FinishPendingJournal();
} // namespace transaction_detail

} // namespace store
