#include "store/DataSetSwitch.h"

#include <cerrno>
#include <cstdio>
#include <unordered_map>
#include <vector>

#include "store/Files.h"
#include "store/Rebuild.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/Transaction.h"

namespace store {

namespace {

// TranslateTerm scans its table; a whole cellar asks for the same few terms again and again.
class Translator {
public:
    explicit Translator(bool toEnglish) : toEnglish_(toEnglish) {}

    // The translation of a text held in a field of this width.
    const std::string& operator()(const std::string& text, std::size_t width) {
        auto& cache = caches_[width];
        auto it = cache.find(text);
        if (it == cache.end())
            it = cache.emplace(text, TranslateTerm(text, toEnglish_, static_cast<int>(width)))
                     .first;
        return it->second;
    }

    // The translation of a field, kept to its width.
    void Field(std::string& field, std::size_t width) {
        field = (*this)(field, width);
        if (field.size() > width) field.resize(width);
    }

    std::string Columns(std::string_view line, std::size_t first, std::size_t count) {
        return (*this)(std::string(store::Columns(line, first, count)), count);
    }

private:
    bool toEnglish_;
    std::unordered_map<std::size_t, std::unordered_map<std::string, std::string>> caches_;
};

bool IsHeader(std::string_view line) {
    return !line.empty() && line[0] == '[';
}

// Copies a text file line by line through `convert`; false when the source does not exist.
template <class Convert>
bool ConvertLines(const std::string& source, const std::string& target, Convert convert) {
    LineReader in;
    if (!OpenTextForReading(in, source)) return false;
    SafeFileWriter out(target);
    std::string line;
    while (in.readLine(line))
        out.writeLine(convert(line));
    out.commit();
    return true;
}

// Builds every file of the new language; returns the old files to remove once it is recorded.
std::vector<std::string> BuildNewSet(bool toEnglish) {
    const DataFileNames source =
        FileNamesFor(toEnglish ? DataLanguage::French : DataLanguage::English);
    const DataFileNames target =
        FileNamesFor(toEnglish ? DataLanguage::English : DataLanguage::French);
    Translator tr(toEnglish);
    std::vector<std::string> oldFiles;

    // Cellar: rebuilt from scratch, sorted on the translated terms.
    RecordFile<CellarWine> cellar = ReadCellarFile(source.cellar);
    if (cellar.exists) {
        for (CellarWine& w : cellar.records) {
            tr.Field(w.colour, 10);
            tr.Field(w.mark, 10);
            tr.Field(w.region, 20);
            tr.Field(w.appellation, 30);
            tr.Field(w.bottleFormat, 10);
        }
        WriteCellarFile(target.cellar, CellarAfterInserts({}, std::move(cellar.records)),
                        cellar.partial);
        oldFiles.push_back(source.cellar);
    }
    cellar = {};

    // History: same name in both languages, read whole before it is written.
    RecordFile<ConsumedWine> history = ReadHistoryFile(source.consumption);
    if (history.exists) {
        for (ConsumedWine& e : history.records) {
            tr.Field(e.colour, 10);
            tr.Field(e.region, 20);
            tr.Field(e.appellation, 30);
            e.mark = RightTrim(e.mark);
            tr.Field(e.mark, 10);
            tr.Field(e.bottleFormat, 10);
        }
        WriteHistoryFile(target.consumption,
                         HistoryAfterInserts({}, std::move(history.records)), history.partial);
    }
    history = {};

    // Vintage chart: the region of each header.
    if (ConvertLines(source.vintages, target.vintages, [&](const std::string& line) {
            if (!IsHeader(line)) return line;
            std::string header = "[" + tr.Columns(line, 2, 20).substr(0, 20) + "]";
            header += store::Columns(line, 23, 32);
            return header;
        }))
        oldFiles.push_back(source.vintages);

    // Domaine base: region and appellation of each header; same name in both languages.
    ConvertLines(source.domaines, target.domaines, [&](const std::string& line) {
        if (!IsHeader(line)) return line;
        return "[" + tr.Columns(line, 2, 20).substr(0, 20) + "][" +
               tr.Columns(line, 24, 30).substr(0, 30) + "]";
    });

    // The four lists: each line translated whole, with the terms of its kind.
    for (const auto& [file, width] : {std::pair{&DataFileNames::colours, std::size_t{10}},
                                      std::pair{&DataFileNames::regions, std::size_t{20}},
                                      std::pair{&DataFileNames::marks, std::size_t{10}},
                                      std::pair{&DataFileNames::bottleFormats, std::size_t{10}}}) {
        const std::size_t termWidth = width; // a lambda cannot capture a structured binding
        if (ConvertLines(source.*file, target.*file,
                         [&](const std::string& line) { return tr(line, termWidth); }))
            oldFiles.push_back(source.*file);
    }

    // Maturity table: colour and region of every line.
    if (ConvertLines(source.maturity, target.maturity, [&](const std::string& line) {
            return "[" + tr.Columns(line, 2, 10).substr(0, 10) + "][" +
                   tr.Columns(line, 14, 20).substr(0, 20) + "]" +
                   std::string(store::Columns(line, 35, 4));
        }))
        oldFiles.push_back(source.maturity);
    return oldFiles;
}

} // namespace

void ConvertDataSet(bool toEnglish, const std::function<void()>& commit) {
    Transaction transaction;
    const std::vector<std::string> oldFiles = BuildNewSet(toEnglish);
    if (commit) commit();
    for (const std::string& file : oldFiles)
        DeleteFileIfPresent(file);
    transaction.commit();
}

} // namespace store
