// The cellar exchange text file: one wine per line, 15 comma-separated fields, no quoting.
// Export writes it from the cellar; import parses its lines and adds the accepted wines to the
// cellar in one atomic rebuild.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <variant>
#include <vector>

#include "store/Files.h"
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

// The lines of an import file as code page 1252 text. CR LF, LF and a lone CR each end a line.
// A file with a UTF-8 byte-order mark, or valid UTF-8 holding non-ASCII characters, is read as
// UTF-8. A line is refused before its fields are read when it is longer than any line the
// import could take, when it holds a control character, or when it holds a character the code
// page cannot hold.
inline constexpr std::size_t kLongestImportLine = 8192; // bytes; 15 fields need far fewer
enum class LineRefusal { None, TooLong, ControlCharacter, Unstorable };
struct ImportLine {
    std::string raw;    // as read, for the error file
    std::string text;   // code page 1252
    bool stored = true; // false: refused as `refusal` says, at column `refusedAt`
    LineRefusal refusal = LineRefusal::None;
    std::size_t refusedAt = 0;
    std::string refused; // the character the code page cannot hold, in UTF-8
    unsigned char control = 0; // the control character
};
std::vector<ImportLine> SplitImportFile(std::string_view bytes);

struct RejectedLine {
    long number = 0; // from 1
    ExchangeError error;
    std::string refusedUtf8; // the character the code page cannot hold, when that is the error
};

// Details are kept for the boxes of this many rejected lines; the count and the error file
// cover every one.
inline constexpr std::size_t kShownRejections = 1000;

struct ImportPlan {
    std::string source;
    std::vector<CellarWine> accepted;
    std::vector<RejectedLine> rejected; // the first kShownRejections, in line order
    long rejectedCount = 0;
    // The numbers of every rejected line, as runs of consecutive numbers (first, last).
    std::vector<std::pair<long, long>> rejectedRuns;
    bool byteOrderMark = false;
    // The copy of the imported file, whole on disk, that becomes "Import.sav"; the lines above
    // were read from it.
    std::unique_ptr<SafeFileWriter> saved;
};

// Reads and parses the file line by line, holding no more of it than a line at a time besides
// the accepted wines, and makes its copy beside "Import.sav". False when it does not exist;
// other failures (a file that is not a regular file included) raise an IoError.
bool PlanImport(const std::string& source, const ExchangeContext& context, ImportPlan& plan);

struct ImportResult {
    bool originalKept = false; // the imported file could not be removed from its place
};

// Adds the accepted wines to the cellar as inserting them one by one in line order would; keeps
// the rejected lines in "import.err" (removed when there are none), puts the imported file's copy
// in place as "Import.sav" and removes the imported file when it can. All of it is one
// transaction: a failure before its commit point leaves every file as it was, a
// CommittedWithError means the import happened.
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
