// The vintage chart: its look-ups on arbitrary bytes, then a mark that was set is found.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "store/RefBases.h"
#include "store/Text.h"

using namespace store;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::Prepare("Annee.dat", data, size);
    const auto sections = VintageSections();
    for (std::size_t i = 0; i < sections.size() && i < 4; ++i)
        VintageMarks(PadText(sections[i].region, 20), PadText(sections[i].appellation, 30));
    if (!sections.empty()) {
        const std::string region = PadText(sections[0].region, 20);
        const std::string appellation = PadText(sections[0].appellation, 30);
        SetVintageMark(region, appellation, "2019", "17");
        fuzzsupport::CheckNoTemporary();
    }

    const std::string region = PadText("Zfuzz", 20), appellation = PadText("Zfuzz appellation", 30);
    AddVintageSection(region, appellation);
    fuzzsupport::CheckNoTemporary();
    SetVintageMark(region, appellation, "1990", "18");
    SetVintageMark(region, appellation, "1990", "15");
    fuzzsupport::CheckNoTemporary();
    int found = 0;
    for (const VintageMark& m : VintageMarks(region, appellation))
        if (m.year == "1990") found += m.mark == "15" ? 1 : 100;
    FUZZ_CHECK(found == 1);
    return 0;
}
