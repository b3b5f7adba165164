#include "backup/BackupSet.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <sys/stat.h>

#include "store/Files.h"
#include "store/IniFile.h"
#include "store/State.h"
#include "store/Transaction.h"

namespace backup {

namespace {

constexpr const char* kSaveSection = "Save";
constexpr const char* kSettingsSection = "Software";
constexpr const char* kSetVersion = "3.01";

std::string StampOf(const store::IniFile& ini, const char* section, const char* key) {
    const auto value = ini.value(section, key);
    // A blank stamp dates nothing: it reads as no set at all.
    return value && !value->empty() ? *value : kNoStamp;
}

void RefuseDataDirectory(const std::string& folder) {
    // The data files must never be the target of their own copy.
    if (IsDataDirectory(folder)) throw std::logic_error("the data directory holds no backup set");
}

void Report(const Progress& progress, int step) {
    if (progress) progress(step);
}

// Whether a file of a set read whole: a record file ends on a record boundary, a base begins
// with a section header (the vintage chart and the domaine base may be empty).
bool ReadsWhole(const store::DataFileNames& files, const std::string& name,
                const std::string& bytes) {
    const auto records = [&](std::size_t linesPerRecord) {
        if (bytes.empty()) return true;
        const auto lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
        return bytes.back() == '\n' && lines % linesPerRecord == 0;
    };
    if (name == files.cellar) return records(3);
    if (name == files.consumption) return records(2);
    if (name == files.appellations) return !bytes.empty() && bytes.front() == '[';
    if (name == files.vintages || name == files.domaines)
        return bytes.empty() || bytes.front() == '[';
    return true;
}

} // namespace

std::vector<std::string> SetFileNames(const store::DataFileNames& files) {
    return {files.cellar, files.appellations,  files.vintages, files.colours,     files.regions,
            files.marks,  files.bottleFormats, files.maturity, files.consumption, files.domaines};
}

std::string FormatStamp(int day, int month, int year, int hour, int minute) {
    char text[32];
    std::snprintf(text, sizeof text, "%2.2d/%2.2d/%4.4d %2.2d:%2.2d", day, month, year, hour,
                  minute);
    return text;
}

std::string PathIn(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::string SetStamp(const std::string& folder) {
    return StampOf(store::IniFile::Load(PathIn(folder, kIdentityFile)), kSaveSection, "Idsave");
}

std::string LastSave(const std::string& settingsPath) {
    return StampOf(store::IniFile::Load(settingsPath), kSettingsSection, "Lastsave");
}

bool IsDataDirectory(const std::string& folder) {
    std::error_code error;
    return std::filesystem::equivalent(folder, ".", error);
}

DamagedSet::DamagedSet(std::string file)
    : std::runtime_error("damaged backup file: " + file), file_(std::move(file)) {}

void WriteSet(const std::string& folder, const std::string& stamp, const std::string& settingsPath,
              const Progress& progress) {
    RefuseDataDirectory(folder);
    const std::vector<std::string> names = SetFileNames(store::State().files);
    // No stamp while the set is being written: a set that stops half-way is no set.
    const std::string identityPath = PathIn(folder, kIdentityFile);
    store::IniFile identity = store::IniFile::Load(identityPath);
    store::DeleteFileIfPresent(identityPath);
    std::string bytes;
    std::string copied;
    for (std::size_t i = 0; i < names.size(); ++i) {
        Report(progress, static_cast<int>(i) + 1);
        const std::string target = PathIn(folder, names[i]);
        if (!store::ReadWholeFile(names[i], bytes)) {
            store::DeleteFileIfPresent(target);
            continue;
        }
        // A copy takes the permissions of the file it replaces: one that nobody may read would
        // make every later set fail its check, so it gets the usual ones.
        struct stat st {};
        if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & S_IRUSR) == 0)
            ::chmod(target.c_str(), 0644);
        store::SafeFileWriter out(target);
        out.write(bytes);
        out.commit();
    }
    // Every copy read back before the set gets its stamp.
    for (const std::string& name : names) {
        if (!store::ReadWholeFile(name, bytes)) continue;
        const std::string target = PathIn(folder, name);
        if (!store::ReadWholeFile(target, copied) || copied != bytes)
            throw store::IoError::FromErrno(EIO, target);
    }

    identity.set(kSaveSection, "Idsave", stamp);
    identity.set(kSaveSection, "Version", kSetVersion);
    identity.save(identityPath);

    store::IniFile settings = store::IniFile::Load(settingsPath);
    settings.set(kSettingsSection, "Lastsave", stamp);
    if (settings.changed()) {
        std::error_code ignored; // a folder that cannot be made shows when the file is written
        std::filesystem::create_directories(std::filesystem::path(settingsPath).parent_path(),
                                            ignored);
        settings.save(settingsPath);
    }
}

void RestoreSet(const std::string& folder, const Progress& progress) {
    RefuseDataDirectory(folder);
    if (SetStamp(folder) == kNoStamp) throw DamagedSet(kIdentityFile);
    const store::DataFileNames& files = store::State().files;
    const std::vector<std::string> names = SetFileNames(files);
    // Every file is read and checked before the first is written.
    std::vector<std::pair<std::string, std::string>> restored;
    for (std::size_t i = 0; i < names.size(); ++i) {
        Report(progress, static_cast<int>(i) + 1);
        const std::string& name = names[i];
        std::string bytes;
        if (!store::ReadWholeFile(PathIn(folder, name), bytes)) continue;
        if (!ReadsWhole(files, name, bytes)) throw DamagedSet(name);
        restored.emplace_back(name, std::move(bytes));
    }
    try {
        store::Transaction transaction;
        for (const auto& [name, bytes] : restored) {
            store::SafeFileWriter out(name);
            out.write(bytes);
            out.commit();
        }
        transaction.commit();
    } catch (const store::CommittedWithError&) {
        store::LoadVocabulary(store::State().language); // the program follows the restored set
        throw;
    }
    store::LoadVocabulary(store::State().language);
}

} // namespace backup
