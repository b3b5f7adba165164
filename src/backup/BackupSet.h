// A backup set: the ten data files of the current language and the identity file that dates
// the set, at the root of a removable volume or of a folder.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "store/Vocabulary.h"

namespace backup {

inline constexpr const char* kIdentityFile = "Tonnelix.id";
inline constexpr const char* kNoStamp = "None";

// The data files of a set in the order they are copied.
std::vector<std::string> SetFileNames(const store::DataFileNames& files);

// dd/mm/yyyy hh:mm
std::string FormatStamp(int day, int month, int year, int hour, int minute);

// The path of a file at the root of the folder.
std::string PathIn(const std::string& folder, const std::string& name);

// The "Idsave" of the folder's identity file, kNoStamp when there is no set.
std::string SetStamp(const std::string& folder);

// The "Lastsave" of the settings file, kNoStamp when it was never written.
std::string LastSave(const std::string& settingsPath);

// Whether the folder is the data directory (the current directory), under any name.
bool IsDataDirectory(const std::string& folder);

// Called with the step, 1 to 10, before each data file is handled.
using Progress = std::function<void(int step)>;

// Copies each data file of the current language to the folder byte for byte, each copy synced
// and put in place whole; a data file that does not exist leaves no copy. Every copy is read
// back and compared before the identity file gets the stamp, and "Lastsave" of the settings
// file after it. An IoError stops the copy: the stamps are not written.
void WriteSet(const std::string& folder, const std::string& stamp, const std::string& settingsPath,
              const Progress& progress = {});

// Replaces each data file of the current language that the folder's set holds; the others stay
// as they are. Every file is made whole beside its target before the first one replaces its
// target, so an IoError leaves every data file as it was. The vocabulary lists are then loaded
// again from the restored files.
void RestoreSet(const std::string& folder, const Progress& progress = {});

} // namespace backup
