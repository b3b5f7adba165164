// The appellation base: its look-ups on arbitrary bytes, then an added appellation and dish are
// found by the look-up.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "store/RefBases.h"
#include "store/Text.h"
#include "store/WineEntry.h"

using namespace store;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::Prepare("Vins.dat", data, size);
    ReadAppellationIndex();
    const auto sections = AppellationSections();
    for (std::size_t i = 0; i < sections.size() && i < 4; ++i)
        AppellationDetails(PadText(sections[i].colour, 10), PadText(sections[i].region, 20),
                           PadText(sections[i].appellation, 30));

    const std::string colour = PadText("Rouge", 10), region = PadText("Zfuzz", 20),
                      appellation = PadText("Zfuzz appellation", 30);
    AddAppellation(colour, region, appellation, PadText("8 ans", 50), PadText("16", 50));
    fuzzsupport::CheckNoTemporary();
    FUZZ_CHECK(AppellationSections().size() == sections.size() + 1);
    AddDish(colour, region, appellation, "Fromage", PadText("Comte", 30));
    fuzzsupport::CheckNoTemporary();
    const AppellationInfo info = AppellationDetails(colour, region, appellation);
    FUZZ_CHECK(info.found);
    FUZZ_CHECK(RightTrim(info.keeping) == "8 ans");
    bool dish = false;
    for (const Dish& d : info.dishes)
        dish = dish || RightTrim(d.dish) == "Comte";
    FUZZ_CHECK(dish);
    return 0;
}
