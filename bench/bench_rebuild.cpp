// Whole-file work on generated data sets of 1 000, 10 000 and 100 000 wines: the re-sort of the
// cellar and the switch of the data set to the other language, each in one rewrite per file,
// beside the same work done by one insert per record (1 000 and 10 000 only: it grows with the
// square). Rewrites are measured without fsync.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

#include "BenchData.h"
#include "store/DataSetSwitch.h"
#include "store/Files.h"
#include "store/Rebuild.h"
#include "store/State.h"
#include "store/Vocabulary.h"

using namespace store;
using namespace benchdata;
namespace fs = std::filesystem;

namespace {

// A French data set of n wines and n consumption entries, the wines in an order of their own so
// that a re-sort moves them.
void PrepareSet(long n) {
    const std::string dir =
        (fs::temp_directory_path() /
         ("tonnelix-bench-rebuild-" + std::to_string(::getpid()) + "-" + std::to_string(n)))
            .string();
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::current_path(dir);
    ResetState();
    files_testing::SetSyncOnCommit(false);
    LoadVocabulary(DataLanguage::French);
    {
        SafeFileWriter out("Cave.dat");
        for (long i = 0; i < n; ++i) {
            CellarWine w = GeneratedWine((i * 7919) % n);
            w.colour = PadText(i % 3 == 0 ? "Blanc" : "Rouge", 10);
            w.region = PadText(i % 2 ? "Bourgogne" : "Bordeaux", 20);
            WriteCellarWine(out, w);
        }
        out.commit();
    }
    {
        SafeFileWriter out("Stat.dat");
        for (long i = 0; i < n; ++i)
            WriteConsumedWine(out, GeneratedEntry(i));
        out.commit();
    }
}

void ReportSize(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["maxRSS_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.counters["wines"] = static_cast<double>(state.range(0));
}

double Megabytes(const std::string& name) {
    std::error_code ec;
    const auto size = fs::file_size(name, ec);
    return ec ? 0 : static_cast<double>(size) / (1024.0 * 1024.0);
}

// The peak memory of one more run, beside the size of the files it rewrites; the target is
// twice that size.
void ReportPeak(benchmark::State& state, double filesMB, const std::function<void()>& operation) {
    state.counters["peak_MB"] = PeakMegabytes(operation);
    state.counters["files_MB"] = filesMB;
    state.counters["target_MB"] = 2 * filesMB;
}

void BM_ResortRebuild(benchmark::State& state) {
    PrepareSet(state.range(0));
    int sort = 1;
    for (auto _ : state) {
        sort = sort % 3 + 1;
        State().sort = sort;
        ResortCellar();
    }
    ReportSize(state);
    State().sort = sort % 3 + 1;
    ReportPeak(state, Megabytes("Cave.dat"), [] { ResortCellar(); });
}

void BM_ResortRepeatedInserts(benchmark::State& state) {
    PrepareSet(state.range(0));
    int sort = 1;
    for (auto _ : state) {
        sort = sort % 3 + 1;
        State().sort = sort;
        const RecordFile<CellarWine> source = ReadCellarFile("Cave.dat");
        DeleteFileIfPresent("Cave.dat");
        for (const CellarWine& w : source.records)
            InsertCellarWine(w);
    }
    ReportSize(state);
}

// French to English and back, one way per iteration.
void BM_SwitchRebuild(benchmark::State& state) {
    PrepareSet(state.range(0));
    bool toEnglish = true;
    for (auto _ : state) {
        ConvertDataSet(toEnglish, {});
        toEnglish = !toEnglish;
    }
    ReportSize(state);
    const DataFileNames from = FileNamesFor(toEnglish ? DataLanguage::French : DataLanguage::English);
    ReportPeak(state, Megabytes(from.cellar) + Megabytes(from.consumption),
               [toEnglish] { ConvertDataSet(toEnglish, {}); });
}

// The cellar and the history of a switch, one insert per record.
void BM_SwitchRepeatedInserts(benchmark::State& state) {
    PrepareSet(state.range(0));
    bool toEnglish = true;
    for (auto _ : state) {
        const DataFileNames from =
            FileNamesFor(toEnglish ? DataLanguage::French : DataLanguage::English);
        SetDataFileNames(toEnglish ? DataLanguage::English : DataLanguage::French);
        const RecordFile<CellarWine> cellar = ReadCellarFile(from.cellar);
        DeleteFileIfPresent(from.cellar);
        for (CellarWine w : cellar.records) {
            w.colour = TranslateTerm(w.colour, toEnglish, 10);
            w.region = TranslateTerm(w.region, toEnglish, 20);
            InsertCellarWine(w);
        }
        const RecordFile<ConsumedWine> history = ReadHistoryFile("Stat.dat");
        DeleteFileIfPresent("Stat.dat");
        for (ConsumedWine e : history.records) {
            e.colour = TranslateTerm(e.colour, toEnglish, 10);
            InsertConsumedWine(e);
        }
        toEnglish = !toEnglish;
    }
    ReportSize(state);
}

} // namespace

BENCHMARK(BM_ResortRebuild)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResortRepeatedInserts)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchRebuild)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchRepeatedInserts)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
