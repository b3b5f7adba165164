// The when-to-drink and consumption charts on generated cellars and histories: the data read
// from the file, and the whole window opened (offscreen), chart built.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <filesystem>
#include <unistd.h>

#include "BenchData.h"
#include "cellar/Uboire.h"
#include "history/Uconsochart.h"
#include "stats/ConsumptionChart.h"
#include "stats/WhenToDrink.h"
#include "store/State.h"
#include "store/Vocabulary.h"

namespace fs = std::filesystem;

namespace {

fs::path BenchDir(long n) {
    return fs::temp_directory_path() /
           ("tonnelix-bench-charts-" + std::to_string(::getpid()) + "-" + std::to_string(n));
}

// Wines over the three colours, peak years from ten years ago to thirty years ahead and some
// without one; a history of one bottle a day or so over many years.
void WriteFiles(long n) {
    const auto& colours = store::State().lists.colours.entries;
    {
        store::SafeFileWriter out(store::State().files.cellar);
        for (long i = 0; i < n; ++i) {
            store::CellarWine w = benchdata::GeneratedWine(i);
            w.colour = colours[static_cast<std::size_t>(i) % colours.size()];
            w.peakYear = i % 17 == 0 ? "    " : benchdata::Number(2016 + i % 41, 4);
            store::WriteCellarWine(out, w);
        }
        out.commit();
    }
    store::SafeFileWriter out(store::State().files.consumption);
    for (long i = 0; i < n; ++i) {
        store::ConsumedWine e = benchdata::GeneratedEntry(i);
        e.colour = colours[static_cast<std::size_t>(i) % colours.size()];
        e.price = "   12.00";
        store::WriteConsumedWine(out, e);
    }
    out.commit();
}

template <class Body> void InDataSet(benchmark::State& state, Body body) {
    const long n = state.range(0);
    fs::create_directories(BenchDir(n));
    fs::current_path(BenchDir(n));
    store::ResetState();
    store::State().yearOverride = 2026;
    store::LoadVocabulary(store::DataLanguage::French);
    WriteFiles(n);
    for (auto _ : state) body();
    state.SetItemsProcessed(state.iterations() * n);
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(BenchDir(n));
}

void BM_WhenToDrinkData(benchmark::State& state) {
    InDataSet(state, [] { benchmark::DoNotOptimize(stats::ComputeWhenToDrink()); });
}

void BM_ConsumptionData(benchmark::State& state) {
    InDataSet(state, [] { benchmark::DoNotOptimize(stats::ComputeConsumption("", "")); });
}

void BM_WhenToDrinkWindow(benchmark::State& state) {
    InDataSet(state, [] {
        TQuandBoire window;
        benchmark::DoNotOptimize(window.chart().bars.size());
    });
}

void BM_ConsumptionWindow(benchmark::State& state) {
    InDataSet(state, [] {
        TConsommation window(nullptr, "", "");
        benchmark::DoNotOptimize(window.chart().periods.size());
    });
}


} // namespace

BENCHMARK(BM_WhenToDrinkData)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ConsumptionData)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WhenToDrinkWindow)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ConsumptionWindow)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
