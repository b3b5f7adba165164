// The cellar exchange text file: one wine per line, 15 comma-separated fields, no quoting.
// Export writes it from the cellar; import parses its lines and adds the accepted wines to the
// cellar in one atomic rebuild.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <variant>
#include <vector>

#include "store/Records.h"
#include "store/Vocabulary.h"

namespace store {

// The exchange line of a wine, without its line end.
std::string ExchangeLine(const CellarWine& wine);

// Writes the cellar file to `target` through a temporary file, so that an existing target is
// replaced only once the new content is complete. False, and nothing written, without a cellar
// file.
bool ExportCellar(const std::string& target);

// What a line is checked against: the lists and the appellation base of the data language.
struct ExchangeContext {
    DataLanguage language = DataLanguage::French;
    std::vector<std::string> colours;
    std::vector<std::string> regions; // the fixed entry included
    std::vector<std::string> marks;   // likewise
    std::string noMark;               // "Aucune" / "None"
    std::vector<std::string> bottleFormats;
    // Colour (padded to 10), region (padded to 20), upper-cased trimmed appellation -> the
    // header's 30 characters.
    std::map<std::tuple<std::string, std::string, std::string>, std::string> appellations;
};

// The context of the current data language, lists and appellation base.
ExchangeContext CurrentExchangeContext();

struct ExchangeError {
    std::size_t position = 1; // column (from 1) where the failing field starts
    std::string field;        // its text as the error box shows it
    std::string message;      // in the data language
};

// Parses one line (code page 1252 bytes, without its line end). The wine comes back padded.
std::variant<CellarWine, ExchangeError> ParseExchangeLine(std::string_view line,
                                                          const ExchangeContext& context);

// The lines of an import file as code page 1252 text. A file with a UTF-8 byte-order mark, or
// valid UTF-8 holding non-ASCII characters, is read as UTF-8.
struct ImportLine {
    std::string raw;    // as read, for the error file
    std::string text;   // code page 1252
    bool stored = true; // false: a character the code page cannot hold, at `refusedAt`
    std::size_t refusedAt = 0;
    std::string refused; // that character in UTF-8
};
std::vector<ImportLine> SplitImportFile(std::string_view bytes);

struct RejectedLine {
    long number = 0; // from 1
    ExchangeError error;
    std::string refusedUtf8; // the character the code page cannot hold, when that is the error
};

struct ImportPlan {
    std::string source;
    std::string bytes;
    std::vector<CellarWine> accepted;
    std::vector<RejectedLine> rejected;
    std::vector<std::string> rejectedRaw;
};

// Reads and parses the file. False when it does not exist; other failures raise an IoError.
bool PlanImport(const std::string& source, const ExchangeContext& context, ImportPlan& plan);

// True when the file is the cellar file of the data directory, which an import must not take
// and an export must not overwrite.
bool IsCellarFile(const std::string& source);

struct ImportResult {
    bool originalKept = false; // the imported file could not be removed from its place
};

// Adds the accepted wines to the cellar as inserting them one by one in line order would; keeps
// the rejected lines in "import.err" (removed when there are none) and moves the imported file
// to "Import.sav" (a copy, and the source removed when it can be). All of it is one transaction:
// a failure before its commit point leaves every file as it was, a CommittedWithError means the
// import happened.
ImportResult CommitImport(const ImportPlan& plan);

// "Erreur ligne n position p" and the rest of the error box, in the data language (code page
// 1252 but for a refused character, which is added by the caller).
std::string ImportErrorHead(DataLanguage language, const RejectedLine& line);
std::string ImportErrorTail(const RejectedLine& line);

// The summary: accepted and rejected counts, where the rejected lines are, and whether the
// imported file stayed in place.
std::string ImportSummary(DataLanguage language, const ImportPlan& plan, const ImportResult& result,
                          const std::string& errorFilePath);

inline constexpr const char* kImportErrorFile = "import.err";
inline constexpr const char* kImportSaveFile = "Import.sav";

} // namespace store
