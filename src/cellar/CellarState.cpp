#include "cellar/CellarState.h"

namespace cellar {

Navigation& State() {
    static Navigation navigation;
    return navigation;
}

void ResetState() { State() = Navigation{}; }

} // namespace cellar
