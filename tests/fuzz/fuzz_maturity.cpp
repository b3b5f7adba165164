// The maturity table: its readers on arbitrary bytes; the first line of a colour and region
// gives its years.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "store/RefBases.h"
#include "store/Text.h"
#include "store/WineEntry.h"

using namespace store;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::Prepare("Apogee.dat", data, size);
    const auto entries = MaturityEntries();
    if (!entries.empty()) {
        const auto years =
            MaturityYears(PadText(entries[0].colour, 10), PadText(entries[0].region, 20));
        FUZZ_CHECK(!years || *years == entries[0].years);
    }
    ProposedPeakYear("1990", "Rouge", "Bordeaux");
    ProposedPeakYear("x", "", "");
    return 0;
}
