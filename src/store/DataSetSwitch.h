// The user's data set in the other language: file names and vocabulary terms of the cellar,
// the history, the vintage chart, the domaine base, the maturity table and the four lists.
#pragma once

#include <functional>
#include <string>

#include "store/Vocabulary.h"

namespace store {

// Converts the data set of the other language into the one of `toEnglish`, so that one complete
// data set exists at every moment:
// 1. every file of the new language is built whole, the old set untouched; the files that keep
//    their name ("Stat.dat", "Domaine.dat") are staged as "Stat.fr" / "Domaine.fr" (from
//    French) or "Stat.gb" / "Domaine.gb" (from English);
// 2. `commit` records the new language (the settings file); until it returns the old set is the
//    one the next start uses;
// 3. the staged files replace their originals and the old files are removed.
// A failure before `commit` leaves the old set as it was; the switch can simply be done again.
// A file of the old language that is missing leaves its file of the new language as it is.
// The cellar is rebuilt under the current Sort.
void ConvertDataSet(bool toEnglish, const std::function<void()>& commit);

// At start-up: the staged files of a switch into `language` that was recorded but not finished
// replace their originals.
void FinishInterruptedSwitch(DataLanguage language);

} // namespace store
