#include "store/Vocabulary.h"

#include "store/Files.h"
#include "store/State.h"
#include "store/Text.h"

namespace store {

namespace {

bool French(DataLanguage language) { return language == DataLanguage::French; }

std::vector<std::string> Padded(std::initializer_list<const char*> utf8, int width) {
    std::vector<std::string> result;
    for (const char* text : utf8) result.push_back(width > 0 ? PadText(Cp1252(text), width) : Cp1252(text));
    return result;
}

struct TermPair {
    const char* french;
    const char* english;
    int width; // 0: as is
};

constexpr TermPair kTerms[] = {
    {"Blanc", "White", 10},
    {"Rouge", "Red", 10},
    {"Rosé", "Rose", 10},
    {"Passable", "Bad", 0},
    {"Moyen", "Average", 0},
    {"Bon", "Good", 0},
    {"Très Bon", "Very Good", 0},
    {"Aucune", "None", 0},
    {"[Autre Appellation]", "[Other Appellation]", 30},
    {"Autre", "Other", 20},
    {"Espagne", "Spain", 20},
    {"Italie", "Italy", 20},
    {"Afrique du Sud", "South Africa", 20},
    {"Etats-Unis", "United States", 20},
    {"Slovénie", "Slovenia", 20},
    {"Allemagne", "Germany", 20},
    {"Liban", "Lebanon", 20},
    {"Brésil", "Brasil", 20},
    {"Nouvelle-Zélande", "New Zealand", 20},
    {"Hongrie", "Hungary", 20},
    {"Chili", "Chile", 20},
    {"Argentine", "Argentina", 20},
    {"Grèce", "Greece", 20},
    {"Suisse", "Switzerland", 20},
    {"Autriche", "Austria", 20},
    {"Roumanie", "Roumania", 20},
    {"Bulgarie", "Bulgaria", 20},
    {"Israël", "Israel", 20},
    {"Tunisie", "Tunisia", 20},
    {"Mexique", "Mexico", 20},
    {"Australie", "Australia", 20},
    {"Algerie", "Algeria", 20},
    {"Chine", "China", 20},
    {"Chypre", "Cyprus", 20},
    {"Inde", "India", 20},
    {"Maroc", "Marocco", 20},
    {"République tchèque", "Czech Republic", 20},
    {"Turquie", "Turkey", 20},
    {"Slovaquie", "Slovakia", 20},
    {"Royaume Uni", "United Kingdom", 20},
    {"Bourgogne", "Burgundy", 20},
    {"Pays de Loire", "Loire Valley", 20},
    {"Rhône", "Rhone", 20},
    {"Corse", "Corsica", 20},
    {"Bouteille", "Bottle", 10},
    {"1/2 Bout.", "Half B.", 10},
};
static_assert(std::size(kTerms) == 46);

struct StoredTerm {
    std::string french;
    std::string english;
    int fieldWidth; // the width of the fields that hold the term
};

const std::vector<StoredTerm>& Terms() {
    static const std::vector<StoredTerm> terms = [] {
        std::vector<StoredTerm> result;
        for (const TermPair& t : kTerms) {
            std::string fr = Cp1252(t.french);
            std::string en = Cp1252(t.english);
            if (t.width > 0) {
                fr = PadText(fr, t.width);
                en = PadText(en, t.width);
            }
            result.push_back({fr, en, t.width > 0 ? t.width : 10});
        }
        return result;
    }();
    return terms;
}

void LoadList(VocabularyList& list, const std::string& file, std::vector<std::string> defaults) {
    list.entries.clear();
    LineReader in;
    if (OpenTextForReading(in, file)) {
        std::string line;
        while (in.readLine(line)) {
            if (list.entries.size() >= list.capacity) continue;
            std::string entry = RightTrim(line);
            list.entries.push_back(PadText(entry, list.width));
        }
        return;
    }
    list.entries = std::move(defaults);
    WriteAllLines(file, list.entries);
}

} // namespace

DataFileNames FileNamesFor(DataLanguage language) {
    if (French(language))
        return {"Cave.dat", "Stat.dat", "Vins.dat", "Annee.dat", "Domaine.dat",
                "Couleur.dat", "Region.dat", "Note.dat", "Volume.dat", "Apogee.dat"};
    return {"Cellar.dat", "Stat.dat", "Wines.dat", "Year.dat", "Domaine.dat",
            "Colour.dat", "Country.dat", "Mark.dat", "Volum.dat", "Mature.dat"};
}

void SetDataFileNames(DataLanguage language) { State().files = FileNamesFor(language); }

std::vector<std::string> DefaultColours(DataLanguage language) {
    return French(language) ? Padded({"Blanc", "Rouge", "Rosé"}, 10) : Padded({"White", "Red", "Rose"}, 10);
}

std::vector<std::string> DefaultMarks(DataLanguage language) {
    return French(language) ? Padded({"Passable", "Moyen", "Bon", "Très Bon"}, 0)
                            : Padded({"Bad", "Average", "Good", "Very Good"}, 0);
}

std::vector<std::string> DefaultBottleFormats(DataLanguage language) {
    return French(language)
               ? Padded({"Bouteille", "1/2 Bout.", "Magnum", "Db Magnum", "Tonnelix", "Imperial"}, 10)
               : Padded({"Bottle", "Half B.", "Magnum", "Db Magnum", "Tonnelix", "Imperial"}, 10);
}

std::vector<std::string> DefaultRegions(DataLanguage language) {
    if (French(language))
        return Padded({"Alsace", "Beaujolais", "Bordeaux", "Bourgogne", "Champagne", "Corse",
                       "Jura/Savoie", "Languedoc/Roussillon", "Pays de Loire", "Provence", "Rhône",
                       "Sud Ouest", "Afrique du Sud", "Allemagne", "Algerie", "Argentine", "Australie",
                       "Autriche", "Brésil", "Bulgarie", "Canada", "Chili", "Chine", "Chypre", "Espagne",
                       "Etats-Unis", "Grèce", "Hongrie", "Israël", "Inde", "Italie", "Liban",
                       "Luxembourg", "Maroc", "Mexique", "Nouvelle-Zélande", "Portugal",
                       "République tchèque", "Roumanie", "Royaume Uni", "Slovaquie", "Slovénie",
                       "Suisse", "Tunisie", "Turquie", "Uruguay", "Zimbabwe"},
                      20);
    return Padded({"Alsace", "Beaujolais", "Bordeaux", "Burgundy", "Champagne", "Corsica",
                   "Jura/Savoie", "Languedoc/Roussillon", "Loire Valley", "Provence", "Rhone",
                   "Sud Ouest", "Algeria", "Argentina", "Australia", "Austria", "Brasil", "Bulgaria",
                   "Canada", "Chile", "China", "Cyprus", "Czech Republic", "Germany", "Greece",
                   "Hungary", "India", "Italy", "Israel", "Lebanon", "Luxembourg", "Marocco", "Mexico",
                   "New Zealand", "Portugal", "Roumania", "Slovakia", "Slovenia", "Spain",
                   "South Africa", "Switzerland", "Tunisia", "Turkey", "United Kingdom",
                   "United States", "Uruguay", "Zimbabwe"},
                  20);
}

void LoadVocabulary(DataLanguage language) {
    SetDataFileNames(language);
    StoreState& state = State();
    state.language = language;
    Vocabulary& lists = state.lists;
    lists.colours = VocabularyList{{}, 20, 10, true, {}};
    lists.regions = VocabularyList{{}, 150, 20, true, PadText(French(language) ? "Autre" : "Other", 20)};
    lists.marks = VocabularyList{{}, 20, 10, false, French(language) ? "Aucune" : "None"};
    lists.bottleFormats = VocabularyList{{}, 20, 10, true, {}};
    LoadList(lists.colours, state.files.colours, DefaultColours(language));
    LoadList(lists.regions, state.files.regions, DefaultRegions(language));
    LoadList(lists.marks, state.files.marks, DefaultMarks(language));
    LoadList(lists.bottleFormats, state.files.bottleFormats, DefaultBottleFormats(language));
}

std::string TranslateTerm(std::string_view text, bool toEnglish, int fieldWidth) {
    // A list saved by the lists window, or a short record line, holds the term in another
    // padding than the table: the term is known by its text and the kind of field it is in (an
    // appellation named like a region stays as it is); a padded text keeps its width.
    const std::string trimmed = RightTrim(text);
    if (trimmed.empty()) return std::string(text);
    for (const StoredTerm& term : Terms()) {
        if (term.fieldWidth != fieldWidth ||
            RightTrim(toEnglish ? term.french : term.english) != trimmed)
            continue;
        std::string to = RightTrim(toEnglish ? term.english : term.french);
        if (trimmed.size() < text.size() && to.size() < text.size()) to.resize(text.size(), ' ');
        return to;
    }
    return std::string(text);
}

std::string OtherAppellation(DataLanguage language) {
    return French(language) ? "[Autre Appellation]" : "[Other Appellation]";
}

std::string AllEntry(DataLanguage language) { return French(language) ? "[Toutes]" : "[All]"; }

bool IsAllEntry(std::string_view text) {
    const std::string trimmed = RightTrim(text);
    return trimmed == "[Toutes]" || trimmed == "[All]";
}

} // namespace store
