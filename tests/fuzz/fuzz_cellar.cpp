// The cellar file: every reader and writer of it on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "fuzz/RecordFuzz.h"
#include "store/State.h"
#include "store/WineEntry.h"

using namespace store;

namespace {
struct CellarOps {
    static bool Read(LineReader& in, CellarWine& r) { return ReadCellarWine(in, r); }
    static std::vector<std::string> Lines(const CellarWine& r) { return CellarWineLines(r); }
    static void Insert(const CellarWine& r) { InsertCellarWine(r); }
    static bool Delete(const CellarWine& r) { return DeleteCellarWine(r); }
    static bool Same(const CellarWine& a, const CellarWine& b) { return SameCellarRecord(a, b); }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::Prepare("Cave.dat", data, size);
    const int sort = size > 0 ? data[0] % 3 + 1 : 1;
    State().sort = sort;
    State().filter.search = "a";
    CellarPositionOfMatch(1);
    State().filter.toDrink = true;
    CellarPositionOfMatch(1000000);
    CellarHasWine("Rouge", "Bordeaux", "Pauillac");
    CellarWine wine;
    for (long p = 0; p < 3; ++p)
        ReadCellarWineAt(p, wine);

    CellarWine extra;
    extra.colour = "Rouge";
    extra.region = "Bordeaux";
    extra.appellation = "Pauillac";
    extra.vintage = "1990";
    extra.quantity = " 6";
    extra.domaine = "Fuzz";
    extra.purchaseDate = "01/02/2003";
    fuzzsupport::CheckRecordFile<CellarWine, CellarOps>("Cave.dat", PaddedCellarWine(extra));
    return 0;
}
