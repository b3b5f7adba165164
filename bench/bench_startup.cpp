// The start of the program, from the process start to the main window shown (its first paint),
// offscreen, on data folders of 1 000, 10 000 and 100 000 wines and as many history entries.
// Each iteration starts a new process that runs the program's own start-up and ends at that
// paint; the time runs from just before the process is spawned.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "BenchData.h"
#include "shell/Startup.h"
#include "store/Files.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr const char* kChildFlag = "--started-child";

long long MonotonicNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// In the child: the first paint of the main window writes the clock and ends the process.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget != nullptr && widget->window()->objectName() == QLatin1String("TMenu")) {
                std::printf("%lld\n", MonotonicNs());
                std::fflush(stdout);
                std::_Exit(0);
            }
        }
        return false;
    }
};

bool& IsChild() {
    static bool child = false;
    return child;
}

void WatchFirstPaint() {
    if (IsChild()) qApp->installEventFilter(new FirstPaint);
}
Q_COREAPP_STARTUP_FUNCTION(WatchFirstPaint)

fs::path Folder(long n) {
    return fs::temp_directory_path() / ("tonnelix-bench-start-" + std::to_string(::getpid()) + "-" + std::to_string(n));
}

void BM_StartToMainWindow(benchmark::State& state) {
    const long n = state.range(0);
    const fs::path dir = Folder(n);
    fs::create_directories(dir / "config");
    fs::current_path(dir);
    store::files_testing::SetSyncOnCommit(false);
    benchdata::WriteCellar("Cave.dat", n);
    {
        store::SafeFileWriter out("Stat.dat");
        for (long i = 0; i < n; ++i) store::WriteConsumedWine(out, benchdata::GeneratedEntry(i));
        out.commit();
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    const std::string self = fs::read_symlink("/proc/self/exe").string();
    for (auto _ : state) {
        int out[2];
        if (::pipe(out) != 0) {
            state.SkipWithError("no pipe");
            break;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        char* argv[] = {const_cast<char*>(self.c_str()), const_cast<char*>(kChildFlag), nullptr};
        pid_t child = 0;
        const long long start = MonotonicNs();
        const int spawned = posix_spawn(&child, self.c_str(), &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        char text[64] = {};
        const ssize_t got = spawned == 0 ? ::read(out[0], text, sizeof text - 1) : -1;
        ::close(out[0]);
        int status = 0;
        if (spawned == 0) ::waitpid(child, &status, 0);
        if (got <= 0) {
            state.SkipWithError("the program did not show its main window");
            break;
        }
        state.SetIterationTime(static_cast<double>(std::atoll(text) - start) / 1e9);
    }
    state.counters["target_ms"] = 300;
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(dir);
}

BENCHMARK(BM_StartToMainWindow)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], kChildFlag) == 0) {
        IsChild() = true;
        int childArgc = 1;
        return shell::RunTonnelix(childArgc, argv);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
