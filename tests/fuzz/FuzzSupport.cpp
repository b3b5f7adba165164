#include "fuzz/FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "store/Files.h"
#include "store/Messages.h"
#include "store/State.h"
#include "store/Vocabulary.h"

namespace fs = std::filesystem;

namespace fuzzsupport {

namespace {
const fs::path& DataDir() {
    static const fs::path dir = [] {
        std::string templ = (fs::temp_directory_path() / "tonnelix-fuzz-XXXXXX").string();
        if (::mkdtemp(templ.data()) == nullptr) std::abort();
        fs::current_path(templ);
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(fs::current_path(), ec);
        });
        return fs::path(templ);
    }();
    return dir;
}
} // namespace

void Prepare(const std::string& file, const std::uint8_t* data, std::size_t size) {
    DataDir();
    for (const auto& e : fs::directory_iterator("."))
        fs::remove_all(e.path());
    store::ResetState();
    store::files_testing::Reset();
    store::files_testing::SetSyncOnCommit(false);
    store::SetMessageSink([](int) {});
    store::SetDataFileNames(store::DataLanguage::French);
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void Check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void CheckNoTemporary() {
    for (const auto& e : fs::directory_iterator("."))
        Check(e.path().extension() != ".tmp", "no temporary is left");
}

std::string Bytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace fuzzsupport
