// The four vocabulary lists: loading them from arbitrary bytes keeps within their capacity,
// and what was loaded, written back, loads again the same.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "store/Files.h"
#include "store/State.h"
#include "store/Vocabulary.h"

using namespace store;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::Prepare("Couleur.dat", data, size);
    const std::string bytes = fuzzsupport::Bytes("Couleur.dat");
    for (const char* name : {"Region.dat", "Note.dat", "Volume.dat"})
        WriteAllLines(name, {}); // replaced below with the same bytes
    for (const char* name : {"Region.dat", "Note.dat", "Volume.dat"}) {
        SafeFileWriter out(name);
        out.write(bytes);
        out.commit();
    }
    LoadVocabulary(DataLanguage::French);
    fuzzsupport::CheckNoTemporary();
    FUZZ_CHECK(fuzzsupport::Bytes("Couleur.dat") == bytes); // reading never rewrites
    const Vocabulary first = State().lists;
    for (const VocabularyList* list :
         {&first.colours, &first.regions, &first.marks, &first.bottleFormats})
        FUZZ_CHECK(list->entries.size() <= list->capacity);

    WriteAllLines("Couleur.dat", first.colours.entries);
    WriteAllLines("Region.dat", first.regions.entries);
    WriteAllLines("Note.dat", first.marks.entries);
    WriteAllLines("Volume.dat", first.bottleFormats.entries);
    LoadVocabulary(DataLanguage::French);
    FUZZ_CHECK(State().lists.colours.entries == first.colours.entries);
    FUZZ_CHECK(State().lists.regions.entries == first.regions.entries);
    FUZZ_CHECK(State().lists.marks.entries == first.marks.entries);
    FUZZ_CHECK(State().lists.bottleFormats.entries == first.bottleFormats.entries);
    fuzzsupport::CheckNoTemporary();
    return 0;
}
