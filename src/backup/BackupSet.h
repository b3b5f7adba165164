// A backup set: the ten data files of the current language and the identity file that dates
// the set, at the root of a removable volume or of a folder.
#pragma once

#include <functional>
#include <stdexcept>
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

// A set the restore refuses: a file of it that does not read whole, or no stamp
// (kIdentityFile) at all. Nothing was written.
class DamagedSet : public std::runtime_error {
public:
    explicit DamagedSet(std::string file);
    const std::string& file() const { return file_; }

private:
    std::string file_;
};

// Copies each data file of the current language to the folder byte for byte, each copy synced
// and put in place whole; a data file that does not exist leaves no copy. The folder's stamp is
// removed before the first copy, and written again only once every copy was read back and
// compared; "Lastsave" of the settings file follows. An IoError stops the copy and leaves the
// folder without a stamp: a set that is not whole is no set.
void WriteSet(const std::string& folder, const std::string& stamp, const std::string& settingsPath,
              const Progress& progress = {});

// Replaces each data file of the current language that the folder's set holds, as one
// transaction; the others stay as they are. Every file of the set is read and checked first: a
// set without a stamp, or with a file that does not read whole (a record file cut inside a
// record, a base that does not begin with a section header), raises DamagedSet and nothing is
// written. The vocabulary lists are then loaded again from the restored files.
void RestoreSet(const std::string& folder, const Progress& progress = {});

} // namespace backup
