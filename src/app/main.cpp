// The tonnelix program. It reads no arguments; its data directory is the current directory.
#include <cstdio>
#include <cstdlib>

#include "shell/Startup.h"

namespace {

bool Empty(const char* variable) {
    const char* value = std::getenv(variable);
    return value == nullptr || *value == '\0';
}

} // namespace

int main(int argc, char** argv) {
    // Without a display the platform would abort with a long, obscure report.
    if (Empty("QT_QPA_PLATFORM") && Empty("DISPLAY") && Empty("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "Tonnelix needs a graphical display: DISPLAY is not set.\n");
        return 1;
    }
    return shell::RunTonnelix(argc, argv);
}
