// The current data language, the data file names and the four vocabulary lists.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace store {

enum class DataLanguage { French, English };

struct DataFileNames {
    std::string cellar;        // Cave.dat / Cellar.dat
    std::string consumption;   // Stat.dat
    std::string appellations;  // Vins.dat / Wines.dat
    std::string vintages;      // Annee.dat / Year.dat
    std::string domaines;      // Domaine.dat
    std::string colours;       // Couleur.dat / Colour.dat
    std::string regions;       // Region.dat / Country.dat
    std::string marks;         // Note.dat / Mark.dat
    std::string bottleFormats; // Volume.dat / Volum.dat
    std::string maturity;      // Apogee.dat / Mature.dat
};

// One vocabulary list: entries 1..count (held as entries[0..count-1]) and the fixed entry
// that follows the capacity for regions and marks (empty for the others). Entries read from
// a file are padded to `width`; the default marks are kept and written unpadded (`padded`).
struct VocabularyList {
    std::vector<std::string> entries;
    std::size_t capacity = 20;
    int width = 10;
    bool padded = true;
    std::string fixedEntry;

    int count() const { return static_cast<int>(entries.size()); }
};

struct Vocabulary {
    VocabularyList colours;
    VocabularyList regions;
    VocabularyList marks;
    VocabularyList bottleFormats;
};

DataFileNames FileNamesFor(DataLanguage language);
void SetDataFileNames(DataLanguage language);

// Sets the file names of the language, then reads the four list files, writing any that is
// missing with the defaults of the language.
void LoadVocabulary(DataLanguage language);

// The defaults of a list in a language, as stored (padded where the list is padded).
std::vector<std::string> DefaultColours(DataLanguage language);
std::vector<std::string> DefaultRegions(DataLanguage language);
std::vector<std::string> DefaultMarks(DataLanguage language);
std::vector<std::string> DefaultBottleFormats(DataLanguage language);

// The term of the other language, or the text unchanged, for a field of this width: 10 for
// colours, marks and bottle formats, 20 for regions, 30 for appellations. Terms are matched
// right-trimmed; the translation of a padded text is padded with blanks to its length.
std::string TranslateTerm(std::string_view text, bool toEnglish, int fieldWidth);

// "[Autre Appellation]" / "[Other Appellation]" (19 characters).
std::string OtherAppellation(DataLanguage language);
// "[Toutes]" / "[All]".
std::string AllEntry(DataLanguage language);
// True when the text, right-trimmed, is "[Toutes]" or "[All]".
bool IsAllEntry(std::string_view text);

} // namespace store
