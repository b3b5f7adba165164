// The identity file of a backup set and the settings file that remembers the last backup, both
// from the same bytes: their stamps read as one line or as none; a set written over them copies
// every data file and reads back its stamp in both while their other values stay; a restore,
// with a write failing or not, leaves every data file old or every one new.
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "backup/BackupSet.h"
#include "fuzz/FuzzSupport.h"
#include "store/Files.h"
#include "store/IniFile.h"
#include "store/State.h"

using namespace store;
namespace fs = std::filesystem;

namespace {

constexpr const char* kSettings = "Tonnelix.ini";
constexpr const char* kSet = "set";
constexpr const char* kStamp = "10/12/2026 04:45";

// A stamp as a key of a profile file gives it: text of one line (a carriage return alone ends
// none; blanks around stay when quoted), or none.
bool WellFormed(const std::string& stamp) {
    return stamp == backup::kNoStamp || (!stamp.empty() && stamp.find('\n') == std::string::npos);
}

void WriteBytes(const std::string& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

void CheckNoTemporaryIn(const std::string& folder) {
    for (const auto& e : fs::directory_iterator(folder))
        FUZZ_CHECK(e.path().extension() != ".tmp");
}

// Values of the settings file the backup does not write, which it must leave as they were.
const std::pair<const char*, const char*> kOtherKeys[] = {{"Options", "Language"},
                                                          {"Options", "Sort"},
                                                          {"Software", "Version"},
                                                          {"Save", "Idsave"},
                                                          {"Software", "Lastsav"}};

std::vector<std::optional<std::string>> OtherValues(const IniFile& ini) {
    std::vector<std::optional<std::string>> values;
    for (const auto& [section, key] : kOtherKeys)
        values.push_back(ini.value(section, key));
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::Prepare(kSettings, data, size);
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    fs::create_directory(kSet);
    const std::string identity = backup::PathIn(kSet, backup::kIdentityFile);
    WriteBytes(identity, bytes);

    // The data files: the lists, two bases and a cellar; the others are missing.
    LoadVocabulary(DataLanguage::French);
    const DataFileNames& files = State().files;
    WriteBytes(files.cellar, std::string(128, 'c') + "\r\n" + std::string(90, 'd') + "\r\n" +
                                 std::string(100, 'e') + "\r\n");
    WriteBytes(files.appellations,
               "[Alsace              ][Blanc     ](Riesling                      )\r\n"
               "   Temp =8\r\n   Garde=5 ans\r\n   Plats=\r\n");
    WriteBytes(files.vintages, "[Alsace              ](Riesling                      )\r\n"
                               "      2001,16\r\n");

    FUZZ_CHECK(WellFormed(backup::SetStamp(kSet)));
    FUZZ_CHECK(WellFormed(backup::LastSave(kSettings)));
    const auto otherValues = OtherValues(IniFile::Load(kSettings));

    backup::WriteSet(kSet, kStamp, kSettings);
    fuzzsupport::CheckNoTemporary();
    CheckNoTemporaryIn(kSet);
    const std::vector<std::string> names = backup::SetFileNames(files);
    for (const std::string& name : names)
        FUZZ_CHECK(fuzzsupport::Bytes(backup::PathIn(kSet, name)) == fuzzsupport::Bytes(name) &&
                   FileExists(backup::PathIn(kSet, name)) == FileExists(name));
    FUZZ_CHECK(backup::SetStamp(kSet) == kStamp);
    FUZZ_CHECK(backup::LastSave(kSettings) == kStamp);
    FUZZ_CHECK(IniFile::Load(identity).value("Save", "Version") == "3.01");
    FUZZ_CHECK(OtherValues(IniFile::Load(kSettings)) == otherValues);

    // A restore over changed data files, the n-th write failing (n from the first byte).
    std::vector<std::string> saved, changed;
    for (const std::string& name : names) {
        saved.push_back(fuzzsupport::Bytes(backup::PathIn(kSet, name)));
        if (FileExists(name)) WriteBytes(name, "changed " + name + "\r\n");
        changed.push_back(fuzzsupport::Bytes(name));
    }
    const long failAt = size > 0 ? data[0] % 16 : 0;
    files_testing::FailNthCall(files_testing::Call::Write, failAt, ENOSPC);
    bool failed = false;
    try {
        backup::RestoreSet(kSet);
    } catch (const IoError& e) {
        failed = true;
        FUZZ_CHECK(e.kind() == IoError::Kind::DiskFull);
    }
    files_testing::Reset();
    files_testing::SetSyncOnCommit(false);
    fuzzsupport::CheckNoTemporary();
    for (std::size_t i = 0; i < names.size(); ++i)
        FUZZ_CHECK(fuzzsupport::Bytes(names[i]) == (failed ? changed[i] : saved[i]));
    return 0;
}
