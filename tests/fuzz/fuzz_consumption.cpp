// The consumption file: every reader and writer of it on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "fuzz/RecordFuzz.h"
#include "store/State.h"

using namespace store;

namespace {
struct ConsumedOps {
    static bool Read(LineReader& in, ConsumedWine& r) { return ReadConsumedWine(in, r); }
    static std::vector<std::string> Lines(const ConsumedWine& r) { return ConsumedWineLines(r); }
    static void Insert(const ConsumedWine& r) { InsertConsumedWine(r); }
    static bool Delete(const ConsumedWine& r) { return DeleteConsumedWine(r); }
    static bool Same(const ConsumedWine& a, const ConsumedWine& b) {
        return a.guests == b.guests && a.drinkDate == b.drinkDate && a.appellation == b.appellation;
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::Prepare("Stat.dat", data, size);
    ConsumedWine extra;
    extra.colour = "Rouge";
    extra.region = "Bordeaux";
    extra.appellation = "Pauillac";
    extra.vintage = "1990";
    extra.quantity = " 1";
    extra.drinkDate = "05/06/2007";
    extra.guests = "Fuzz";
    fuzzsupport::CheckRecordFile<ConsumedWine, ConsumedOps>("Stat.dat", PaddedConsumedWine(extra));
    return 0;
}
