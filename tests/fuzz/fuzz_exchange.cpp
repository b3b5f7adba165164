// The exchange file: each line that parses gives a wine whose own line parses back to it, and
// no line taken holds a line end or a control character; an import adds exactly the accepted
// wines, as inserting them one by one would, keeps the rejected lines and the imported bytes;
// an export of the cellar imports back to the same wines.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "store/DataSetFiles.h"
#include "store/Exchange.h"
#include "store/Files.h"
#include "store/Rebuild.h"
#include "store/RefBases.h"
#include "store/State.h"
#include "store/Text.h"

using namespace store;

namespace {

constexpr const char* kSource = "import.txt";

// Beyond this many accepted wines the one-by-one inserts are too slow for a fuzz run.
constexpr std::size_t kSlowPathLimit = 32;

CellarWine Wine(const char* colour, const char* region, const char* appellation,
                const char* domaine, const char* vintage, const char* quantity) {
    CellarWine w;
    w.colour = colour;
    w.region = region;
    w.appellation = appellation;
    w.domaine = domaine;
    w.owner = "Famille Martel";
    w.vintage = vintage;
    w.quantity = quantity;
    w.price = "   18.40";
    w.purchaseDate = "12/03/2001";
    w.peakYear = "2010";
    w.mark = "Bon";
    w.bottleFormat = "Magnum";
    w.remarks = "Cadeau";
    w.location = "B2";
    w.purchasePlace = "Caviste, Beaune";
    return PaddedCellarWine(w);
}

// The data directory as the program has it: the lists, a small appellation base, a cellar.
void WriteFixture() {
    LoadVocabulary(DataLanguage::French);
    WriteAllLines(State().files.appellations,
                  {AppellationHeader("Rouge", "Bordeaux", "Pauillac"), "   Temp =16",
                   "   Garde=10 ans", "   Plats=", AppellationHeader("Blanc", "Alsace", "Riesling"),
                   "   Temp =8", "   Garde=5 ans",
                   "   Plats=", AppellationHeader("Rouge", "Bourgogne", "Pommard"), "   Temp =15",
                   "   Garde=8 ans", "   Plats="});
    WriteCellarFile(State().files.cellar,
                    {Wine("Rouge", "Bordeaux", "Pauillac", "Clos Vernet", "1995", " 6"),
                     Wine("Blanc", "Alsace", "Riesling", "Domaine Haller", "2004", "12"),
                     Wine("Rouge", "Bourgogne", "Pommard", "Maison Doret", "1999", " 1")});
}

std::vector<CellarWine> Cellar() {
    std::vector<CellarWine> wines;
    for (const CellarWine& w : ReadCellarFile(State().files.cellar).records)
        wines.push_back(PaddedCellarWine(w));
    return wines;
}

// Whether the import would read these bytes as the code page text they are.
bool ReadAsWritten(const std::string& bytes) {
    std::string joined;
    for (const ImportLine& line : SplitImportFile(bytes))
        joined += line.text + "\r\n";
    return joined == bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::Prepare(kSource, data, size);
    WriteFixture();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const ExchangeContext context = CurrentExchangeContext();
    FUZZ_CHECK(DataSetFileAt(kSource).empty());
    FUZZ_CHECK(DataSetFileAt(State().files.cellar) == State().files.cellar);

    // A wine's own line parses back to the same wine; a line taken holds no control character.
    const std::vector<ImportLine> lines = SplitImportFile(bytes);
    std::vector<CellarWine> parsed;
    std::vector<std::size_t> refusedLines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ImportLine& line = lines[i];
        FUZZ_CHECK(line.raw.find_first_of("\r\n") == std::string::npos);
        if (!line.stored) {
            FUZZ_CHECK(line.refusal != LineRefusal::None && line.refusedAt >= 1);
            refusedLines.push_back(i);
            continue;
        }
        FUZZ_CHECK(line.raw.size() <= kLongestImportLine);
        for (const char c : line.text)
            FUZZ_CHECK(static_cast<unsigned char>(c) >= 32);
        const auto result = ParseExchangeLine(line.text, context);
        const auto* wine = std::get_if<CellarWine>(&result);
        if (!wine) {
            const ExchangeError& error = std::get<ExchangeError>(result);
            FUZZ_CHECK(error.position >= 1 && !error.message.empty());
            refusedLines.push_back(i);
            continue;
        }
        FUZZ_CHECK(*wine == PaddedCellarWine(*wine));
        const std::string again = ExchangeLine(*wine);
        FUZZ_CHECK(again.find('\n') == std::string::npos);
        const auto reparsed = ParseExchangeLine(again, context);
        FUZZ_CHECK(std::holds_alternative<CellarWine>(reparsed));
        FUZZ_CHECK(std::get<CellarWine>(reparsed) == *wine);
        parsed.push_back(*wine);
    }

    // The import read line by line from its copy finds the same lines as the split in memory.
    ImportPlan plan;
    FUZZ_CHECK(PlanImport(kSource, context, plan));
    FUZZ_CHECK(plan.accepted == parsed);
    FUZZ_CHECK(plan.rejectedCount == static_cast<long>(refusedLines.size()));
    FUZZ_CHECK(plan.rejected.size() == std::min(refusedLines.size(), kShownRejections));
    for (std::size_t i = 0; i < plan.rejected.size(); ++i)
        FUZZ_CHECK(plan.rejected[i].number == static_cast<long>(refusedLines[i]) + 1);

    const std::vector<CellarWine> old = Cellar();
    const std::string oldBytes = fuzzsupport::Bytes(State().files.cellar);
    CommitImport(plan);
    fuzzsupport::CheckNoTemporary();
    const std::vector<CellarWine> now = Cellar();
    const std::string importedBytes = fuzzsupport::Bytes(State().files.cellar);
    FUZZ_CHECK(ReadCellarFile(State().files.cellar).partial.empty());
    FUZZ_CHECK(now.size() == old.size() + plan.accepted.size());
    for (const CellarWine& w : old)
        FUZZ_CHECK(std::find(now.begin(), now.end(), w) != now.end());
    for (const CellarWine& w : plan.accepted)
        FUZZ_CHECK(std::find(now.begin(), now.end(), w) != now.end());
    FUZZ_CHECK(!FileExists(kSource));
    FUZZ_CHECK(fuzzsupport::Bytes(kImportSaveFile) == bytes);
    std::string errors;
    for (const std::size_t i : refusedLines)
        errors += lines[i].raw + "\r\n";
    FUZZ_CHECK(FileExists(kImportErrorFile) == !refusedLines.empty());
    FUZZ_CHECK(fuzzsupport::Bytes(kImportErrorFile) == errors);

    // The one rewrite holds the bytes of the inserts one by one.
    if (plan.accepted.size() <= kSlowPathLimit) {
        {
            SafeFileWriter restore(State().files.cellar);
            restore.write(oldBytes);
            restore.commit();
        }
        for (const CellarWine& w : plan.accepted)
            InsertCellarWine(w);
        FUZZ_CHECK(fuzzsupport::Bytes(State().files.cellar) == importedBytes);
        fuzzsupport::CheckNoTemporary();
    }

    // An export imports back to the wines of the cellar, unless its code page bytes happen to
    // read as UTF-8 (which the import takes them for).
    FUZZ_CHECK(ExportCellar("export.txt"));
    fuzzsupport::CheckNoTemporary();
    const std::string exported = fuzzsupport::Bytes("export.txt");
    if (ReadAsWritten(exported)) {
        ImportPlan back;
        FUZZ_CHECK(PlanImport("export.txt", context, back));
        FUZZ_CHECK(back.rejectedCount == 0);
        FUZZ_CHECK(back.accepted == now);
    }
    return 0;
}
