#include "backup/BackupSet.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "store/Files.h"
#include "store/IniFile.h"
#include "store/State.h"

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

void WriteSet(const std::string& folder, const std::string& stamp, const std::string& settingsPath,
              const Progress& progress) {
    RefuseDataDirectory(folder);
    const std::vector<std::string> names = SetFileNames(store::State().files);
    std::string bytes;
    std::string copied;
    for (std::size_t i = 0; i < names.size(); ++i) {
        Report(progress, static_cast<int>(i) + 1);
        const std::string target = PathIn(folder, names[i]);
        if (!store::ReadWholeFile(names[i], bytes)) {
            store::DeleteFileIfPresent(target);
            continue;
        }
        store::SafeFileWriter out(target);
        out.write(bytes);
        out.commit();
        if (!store::ReadWholeFile(target, copied) || copied != bytes)
            throw store::IoError::FromErrno(EIO, target);
    }

    // The stamp comes last, so that a set that stopped half-way never looks complete.
    const std::string identityPath = PathIn(folder, kIdentityFile);
    store::IniFile identity = store::IniFile::Load(identityPath);
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
    const std::vector<std::string> names = SetFileNames(store::State().files);
    std::vector<std::unique_ptr<store::SafeFileWriter>> restored;
    std::string bytes;
    for (std::size_t i = 0; i < names.size(); ++i) {
        Report(progress, static_cast<int>(i) + 1);
        if (!store::ReadWholeFile(PathIn(folder, names[i]), bytes)) continue;
        auto out = std::make_unique<store::SafeFileWriter>(names[i]);
        out->write(bytes);
        out->finish();
        restored.push_back(std::move(out));
    }
    for (auto& out : restored)
        out->commit();
    store::LoadVocabulary(store::State().language);
}

} // namespace backup
