// The state the data layer keeps for the whole run, in one place.
#pragma once

#include <string>

#include "store/Records.h"
#include "store/Vocabulary.h"

namespace store {

struct StoreState {
    DataLanguage language = DataLanguage::French;
    DataFileNames files;
    Vocabulary lists;
    RecordFilter filter;
    int sort = 1;          // order of the cellar file: 1, 2 or 3
    int yearOverride = 0;  // the current year for tests; 0 reads the clock
    std::string settingsFile; // the settings file, which is the user's as the data files are
};

StoreState& State();
void ResetState();

int CurrentYear();

} // namespace store
