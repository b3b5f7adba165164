// The user's data set in the other language: file names and vocabulary terms of the cellar,
// the history, the vintage chart, the domaine base, the maturity table and the four lists.
#pragma once

#include <functional>
#include <string>

#include "store/Vocabulary.h"

namespace store {

// Converts the data set of the other language into the one of `toEnglish`, as one transaction:
// every file of the new language is staged, `commit` records the new language (the settings file
// it writes is staged with them), and the old files are removed when the transaction commits.
// A failure before the commit point leaves the old set and the old settings as they were; a
// CommittedWithError means the switch happened. A file of the old language that is missing
// leaves its file of the new language as it is. The cellar is rebuilt under the current Sort.
void ConvertDataSet(bool toEnglish, const std::function<void()>& commit);

} // namespace store
