#include "history/HistoryState.h"

namespace history {

Navigation& State() {
    static Navigation navigation;
    return navigation;
}

void ResetState() {
    State() = Navigation{};
}

} // namespace history
