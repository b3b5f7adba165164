// The files that hold the user's data: those of the data folder in either language, the files
// the commands keep beside them, and the settings file. A command that takes a file of the
// person's choosing to move, replace or read as another kind of file refuses these.
#pragma once

#include <string>
#include <vector>

namespace store {

// Their names in the data folder (the current directory), both languages.
std::vector<std::string> DataSetFileNames();

// The name of the file of the data set that `path` is, by the path it leads to or by the file
// itself (a hard or symbolic link to one of them is that file); empty when it is none of them.
// The settings file is named by its own name.
std::string DataSetFileAt(const std::string& path);

} // namespace store
