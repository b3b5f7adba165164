// Taking a new edition of the appellation base or of the vintage chart from a reference file:
// the reference becomes the base and the user's previous base is merged back into it, so that
// the user's temperatures, keeping periods, dishes and vintage marks win and what only the user
// had is added. The merge is computed in memory and each file is written once.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace store {

enum class ReferenceKind { AppellationBase, VintageChart };

// The kind a reference file is, from its first line: "(" in column 23 makes it a vintage chart.
ReferenceKind KindOfReference(const std::string& firstLine);

// The merges, on whole files as lines. `changed` tells whether the result differs from the
// reference as a rewrite would see it (a changed file is written back with CR LF line ends).
struct MergedBase {
    std::vector<std::string> lines;
    bool changed = false;
};
// Keys of new sections follow the current data language.
MergedBase MergeAppellationBase(std::vector<std::string> reference,
                                const std::vector<std::string>& previous);
MergedBase MergeVintageChart(std::vector<std::string> reference,
                             const std::vector<std::string>& previous);

// Where the previous base and chart are kept, in both languages.
inline constexpr const char* kKeptAppellationBase = "Vins.maj";
inline constexpr const char* kKeptVintageChart = "Annee.maj";

enum class ReferenceOutcome {
    NotFound,    // the chosen file does not exist: nothing done, nothing said
    DataSetFile, // the chosen file is one of the user's data files: nothing done
    NotABase,    // the chosen file is no base of the kind its first line claims: nothing done
    Updated,
};

struct ReferenceUpdateResult {
    ReferenceOutcome outcome = ReferenceOutcome::NotFound;
    ReferenceKind kind = ReferenceKind::AppellationBase;
    std::string dataSetFile; // DataSetFile: which one
    // NotABase: the first line (from 1) that is no line of the base its first line claims; 0
    // when that first line is no section header at all.
    std::size_t badLine = 0;
    bool sourceLeft = false; // the chosen file could not be removed from its place
};

// Makes the chosen file the base of its kind in the current directory, the previous base kept
// as "Vins.maj" / "Annee.maj" (an earlier one replaced), and removes the chosen file. A file of
// the data set, or one that does not follow the grammar of the base it claims to be, is refused
// before anything is written. Any file error raises an IoError and leaves the bases as they
// were.
ReferenceUpdateResult UpdateFromReference(const std::string& chosenFile);

} // namespace store
