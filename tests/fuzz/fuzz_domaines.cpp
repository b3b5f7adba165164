// The domaine base: its look-ups on arbitrary bytes, then a domaine added is found and removed.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "store/RefBases.h"
#include "store/Text.h"
#include "store/WineEntry.h"

using namespace store;

namespace {
int Count(const std::string& region, const std::string& appellation, const std::string& name) {
    int n = 0;
    for (const DomaineEntry& d : DomainesOf(region, appellation))
        n += d.domaine == name ? 1 : 0;
    return n;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::Prepare("Domaine.dat", data, size);
    DomaineNames();
    FindDomaine("Latour");
    const auto sections = VintageSections(); // the same section form in the other base
    (void)sections;

    const std::string region = PadText("Zfuzz", 20), appellation = PadText("Zfuzz appellation", 30);
    const int before = Count(region, appellation, "Fuzz domaine");
    AddDomaine(region, appellation, PadText("Fuzz domaine", 50), PadText("Owner", 50));
    fuzzsupport::CheckNoTemporary();
    FUZZ_CHECK(Count(region, appellation, "Fuzz domaine") == before + 1);
    FUZZ_CHECK(RemoveDomaine(region, appellation, PadText("Fuzz domaine", 50)));
    fuzzsupport::CheckNoTemporary();
    FUZZ_CHECK(Count(region, appellation, "Fuzz domaine") == before);
    return 0;
}
