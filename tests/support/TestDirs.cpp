#include "support/TestDirs.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <algorithm>

#include "store/Files.h"
#include "store/Messages.h"
#include "store/State.h"

namespace fs = std::filesystem;

namespace testsupport {

namespace {
fs::path& StartDir() {
    static fs::path dir = fs::current_path();
    return dir;
}
std::string MakeTempDir(const char* pattern) {
    std::string templ = (fs::temp_directory_path() / pattern).string();
    char* made = ::mkdtemp(templ.data());
    if (made == nullptr) throw std::runtime_error("mkdtemp failed");
    return made;
}
} // namespace

void DataDirTest::SetUp() {
    StartDir();
    dataDir = MakeTempDir("tonnelix-data-XXXXXX");
    configDir = MakeTempDir("tonnelix-config-XXXXXX");
    ::setenv("XDG_CONFIG_HOME", configDir.c_str(), 1);
    fs::current_path(dataDir);
    store::ResetState();
    store::files_testing::Reset();
    store::SetMessageSink([this](int n) { messages.push_back(n); });
}

void DataDirTest::TearDown() {
    store::SetMessageSink({});
    store::files_testing::Reset();
    fs::current_path(StartDir());
    std::error_code ec;
    fs::remove_all(dataDir, ec);
    fs::remove_all(configDir, ec);
}

std::string ReadFileBytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFileBytes(const std::string& name, const std::string& bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string CrLf(const std::vector<std::string>& lines) {
    std::string result;
    for (const auto& l : lines) result += l + "\r\n";
    return result;
}

bool Exists(const std::string& name) { return fs::exists(name); }

std::vector<std::string> DirectoryListing() {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(".")) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace testsupport
