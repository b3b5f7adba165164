// The settings file: every line keeps its bytes, a value set is the value read, and a save
// loads back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "store/IniFile.h"

using namespace store;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::Prepare("Tonnelix.ini", data, size);
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    IniFile ini = IniFile::Load("Tonnelix.ini");
    FUZZ_CHECK(ini.bytes() == bytes);
    ini.value("Options", "Language");
    ini.value("", "");

    ini.set("Options", "Sort", "2");
    ini.set("Software", "Version", "3.1");
    FUZZ_CHECK(ini.value("Options", "Sort") == "2");
    FUZZ_CHECK(ini.value("software", "VERSION") == "3.1");
    ini.save("Tonnelix.ini");
    fuzzsupport::CheckNoTemporary();
    const IniFile again = IniFile::Load("Tonnelix.ini");
    FUZZ_CHECK(again.bytes() == ini.bytes());
    FUZZ_CHECK(again.value("Options", "Sort") == "2");
    return 0;
}
