// Speed of the text export and import on generated cellars: importing 10 000 lines into a
// 10 000-wine cellar, exporting 100 000 wines. Rewrites are measured without fsync.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "BenchData.h"
#include "store/Exchange.h"
#include "store/Files.h"
#include "store/RefBases.h"
#include "store/State.h"

using namespace store;
namespace fs = std::filesystem;

using namespace benchdata;

namespace {

std::string Prepare(const std::string& name, long wines) {
    const fs::path dir =
        fs::temp_directory_path() / ("tonnelix-bench-" + std::to_string(::getpid()) + "-" + name);
    fs::create_directories(dir);
    fs::current_path(dir);
    ResetState();
    files_testing::SetSyncOnCommit(false);
    LoadVocabulary(DataLanguage::French);
    std::vector<std::string> headers;
    for (long i = 0; i < 1000; ++i)
        headers.push_back(AppellationHeader("Rouge", "Bordeaux", "Appellation " + Number(i, 4)));
    WriteAllLines(State().files.appellations, headers);
    WriteCellar(State().files.cellar, wines);
    return dir.string();
}

void BM_ImportIntoCellar(benchmark::State& state) {
    const long lines = state.range(0);
    const std::string dir = Prepare("import", lines);
    std::string cellar;
    ReadWholeFile(State().files.cellar, cellar);
    std::string input;
    for (long i = 0; i < lines; ++i)
        input += ExchangeLine(GeneratedWine(i * 7 % lines)) + "\r\n";
    for (auto _ : state) {
        state.PauseTiming();
        SafeFileWriter restore(State().files.cellar);
        restore.write(cellar);
        restore.commit();
        SafeFileWriter source("in.txt");
        source.write(input);
        source.commit();
        state.ResumeTiming();
        ImportPlan plan;
        PlanImport("in.txt", CurrentExchangeContext(), plan);
        CommitImport(plan);
        benchmark::DoNotOptimize(plan.accepted.size());
    }
    state.SetItemsProcessed(state.iterations() * lines);
    // The peak memory of one more import, beside the size of the cellar it rewrites (its size
    // before the import; the target is twice the cellar written).
    {
        SafeFileWriter restore(State().files.cellar);
        restore.write(cellar);
        restore.commit();
    }
    state.counters["peak_MB"] = PeakMegabytes([] {
        ImportPlan plan;
        PlanImport("in.txt", CurrentExchangeContext(), plan);
        CommitImport(plan);
    });
    const double written = static_cast<double>(fs::file_size(State().files.cellar)) / (1024.0 * 1024.0);
    state.counters["cellarBefore_MB"] = static_cast<double>(cellar.size()) / (1024.0 * 1024.0);
    state.counters["target_MB"] = 2 * written;
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(dir);
}

void BM_ExportCellar(benchmark::State& state) {
    const long wines = state.range(0);
    const std::string dir = Prepare("export", wines);
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportCellar("export.txt"));
    state.SetItemsProcessed(state.iterations() * wines);
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(dir);
}

} // namespace

BENCHMARK(BM_ImportIntoCellar)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportCellar)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
