// Speed of the record files on generated cellars and histories of 1 000, 10 000 and
// 100 000 records. Rewrites are measured without fsync, which depends on the disk only.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

#include "BenchData.h"
#include "store/Files.h"
#include "store/Records.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/WineEntry.h"

using namespace store;
namespace fs = std::filesystem;

using namespace benchdata;

namespace {

// A data directory per size, generated once, in sorted order, written as a stream.
struct Fixture {
    std::string dir;
    long size = 0;
    long cellarBytes = 0;
    long historyBytes = 0;
};

Fixture& Prepare(long n) {
    static Fixture fixtures[3];
    Fixture& f = fixtures[n == 1000 ? 0 : n == 10000 ? 1 : 2];
    if (f.size != n) {
        f.size = n;
        f.dir = (fs::temp_directory_path() / ("tonnelix-bench-" + std::to_string(::getpid()) + "-" + std::to_string(n))).string();
        fs::create_directories(f.dir);
        fs::current_path(f.dir);
        WriteCellar("Cave.dat", n);
        {
            SafeFileWriter out("Stat.dat");
            for (long i = 0; i < n; ++i) WriteConsumedWine(out, GeneratedEntry(i));
            out.commit();
        }
        f.cellarBytes = static_cast<long>(fs::file_size("Cave.dat"));
        f.historyBytes = static_cast<long>(fs::file_size("Stat.dat"));
    }
    fs::current_path(f.dir);
    ResetState();
    files_testing::SetSyncOnCommit(false);
    return f;
}

void ReportMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["maxRSS_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_ScanCellarWithFilter(benchmark::State& state) {
    const Fixture& f = Prepare(state.range(0));
    State().filter.colour = "Rouge";
    State().filter.search = "introuvable"; // every searched field is looked at
    for (auto _ : state) {
        LineReader in;
        OpenTextForReading(in, "Cave.dat");
        CellarWine w;
        long matches = 0;
        while (!in.eof() && ReadCellarWine(in, w)) matches += CellarWineMatches(w) ? 1 : 0;
        benchmark::DoNotOptimize(matches);
    }
    state.SetBytesProcessed(state.iterations() * f.cellarBytes);
    ReportMemory(state);
}

void BM_ScanHistoryWithFilter(benchmark::State& state) {
    const Fixture& f = Prepare(state.range(0));
    State().filter.dateFrom = "01/01/1850";
    State().filter.search = "introuvable";
    for (auto _ : state) {
        LineReader in;
        OpenTextForReading(in, "Stat.dat");
        ConsumedWine e;
        long matches = 0;
        while (!in.eof() && ReadConsumedWine(in, e)) matches += ConsumedWineMatches(e) ? 1 : 0;
        benchmark::DoNotOptimize(matches);
    }
    state.SetBytesProcessed(state.iterations() * f.historyBytes);
    ReportMemory(state);
}

const CellarWine& MiddleWine() {
    static const CellarWine w = [] {
        CellarWine m = GeneratedWine(0);
        m.vintage = "1950";
        m.appellation = PadText("Appellation 0500 bis", 30);
        return m;
    }();
    return w;
}

void BM_InsertCellarWine(benchmark::State& state) {
    const Fixture& f = Prepare(state.range(0));
    for (auto _ : state) {
        InsertCellarWine(MiddleWine());
        state.PauseTiming();
        DeleteCellarWine(MiddleWine());
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * f.cellarBytes);
    ReportMemory(state);
}

void BM_DeleteCellarWine(benchmark::State& state) {
    const Fixture& f = Prepare(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        InsertCellarWine(MiddleWine());
        state.ResumeTiming();
        DeleteCellarWine(MiddleWine());
    }
    state.SetBytesProcessed(state.iterations() * f.cellarBytes);
    ReportMemory(state);
}

// Editing a wine in place: one read and one rewrite, whatever the wine's place.
void BM_ReplaceCellarWine(benchmark::State& state) {
    const Fixture& f = Prepare(state.range(0));
    long position = f.size / 2;
    CellarWine shown;
    ReadCellarWineAt(position, shown);
    for (auto _ : state) {
        CellarWine edited = shown;
        edited.remarks = PadText(shown.remarks[0] == 'x' ? "y" : "x", 50);
        position = ReplaceCellarWine(position, shown, edited).position;
        shown = edited;
        shown.mark = RightTrim(shown.mark);
    }
    state.SetBytesProcessed(state.iterations() * f.cellarBytes);
    ReportMemory(state);
}

void BM_InsertConsumedWine(benchmark::State& state) {
    const Fixture& f = Prepare(state.range(0));
    ConsumedWine e = GeneratedEntry(state.range(0) / 2);
    e.guests = PadText("Bench", 30);
    for (auto _ : state) {
        InsertConsumedWine(e);
        state.PauseTiming();
        DeleteConsumedWine(e);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * f.historyBytes);
    ReportMemory(state);
}

void BM_PositionOfLastRecord(benchmark::State& state) {
    const Fixture& f = Prepare(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(CellarPositionOfMatch(f.size));
    state.SetBytesProcessed(state.iterations() * f.cellarBytes);
    ReportMemory(state);
}

void Sizes(benchmark::internal::Benchmark* b) { b->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime(); }

BENCHMARK(BM_ScanCellarWithFilter)->Apply(Sizes);
BENCHMARK(BM_ScanHistoryWithFilter)->Apply(Sizes);
BENCHMARK(BM_InsertCellarWine)->Apply(Sizes);
BENCHMARK(BM_DeleteCellarWine)->Apply(Sizes);
BENCHMARK(BM_ReplaceCellarWine)->Apply(Sizes);
BENCHMARK(BM_InsertConsumedWine)->Apply(Sizes);
BENCHMARK(BM_PositionOfLastRecord)->Apply(Sizes);

struct Cleanup {
    ~Cleanup() {
        std::error_code ec;
        fs::current_path(fs::temp_directory_path(), ec);
        for (long n : {1000L, 10000L, 100000L})
            fs::remove_all(fs::temp_directory_path() / ("tonnelix-bench-" + std::to_string(::getpid()) + "-" + std::to_string(n)), ec);
    }
} cleanup;

} // namespace

BENCHMARK_MAIN();
