// The statistics of generated cellars: each view reads the cellar file once.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

#include "BenchData.h"
#include "stats/Statistics.h"
#include "store/State.h"
#include "store/Vocabulary.h"

namespace fs = std::filesystem;

namespace {

fs::path BenchDir(long n) {
    return fs::temp_directory_path() /
           ("tonnelix-bench-stats-" + std::to_string(::getpid()) + "-" + std::to_string(n));
}

// Wines spread over the three colours and every region of the list, "Autre" included.
void WriteSpreadCellar(long n) {
    const auto& colours = store::State().lists.colours.entries;
    auto regions = store::State().lists.regions.entries;
    regions.push_back(store::State().lists.regions.fixedEntry);
    store::SafeFileWriter out(store::State().files.cellar);
    for (long i = 0; i < n; ++i) {
        store::CellarWine w = benchdata::GeneratedWine(i);
        w.colour = colours[static_cast<std::size_t>(i) % colours.size()];
        w.region = regions[static_cast<std::size_t>(i / 3) % regions.size()];
        store::WriteCellarWine(out, w);
    }
    out.commit();
}

void BM_Statistics(benchmark::State& state) {
    const long n = state.range(0);
    const long views = state.range(1); // 0: by colour, 1: by region, 2: one then the other
    fs::create_directories(BenchDir(n));
    fs::current_path(BenchDir(n));
    store::ResetState();
    store::LoadVocabulary(store::DataLanguage::French);
    WriteSpreadCellar(n);
    for (auto _ : state) {
        if (views != 1) benchmark::DoNotOptimize(stats::Compute(stats::View::ByColour));
        if (views != 0) benchmark::DoNotOptimize(stats::Compute(stats::View::ByRegion));
    }
    state.SetItemsProcessed(state.iterations() * n);
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(BenchDir(n));
}

BENCHMARK(BM_Statistics)
    ->ArgNames({"wines", "views"})
    ->ArgsProduct({{1000, 10000, 100000}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
