#include "store/State.h"

#include <ctime>

#include "store/RecordCache.h"

namespace store {

StoreState& State() {
    static StoreState state = [] {
        StoreState s;
        s.files = FileNamesFor(s.language);
        return s;
    }();
    return state;
}

void ResetState() {
    State() = StoreState{};
    State().files = FileNamesFor(DataLanguage::French);
    ForgetKeptRecords();
}

int CurrentYear() {
    if (State().yearOverride != 0) return State().yearOverride;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

} // namespace store
