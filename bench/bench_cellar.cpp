// The cellar book's refill of its list (each keystroke in the search box refills it) on
// generated cellars, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include <filesystem>
#include <unistd.h>

#include "BenchData.h"
#include "cellar/Ulivre.h"
#include "store/State.h"
#include "store/Vocabulary.h"
#include "ui/Dialogs.h"

namespace fs = std::filesystem;

namespace {

fs::path BenchDir(long n) {
    return fs::temp_directory_path() / ("tonnelix-bench-cellar-" + std::to_string(::getpid()) + "-" + std::to_string(n));
}

void BM_CherchFullList(benchmark::State& state) {
    const long n = state.range(0);
    fs::create_directories(BenchDir(n));
    fs::current_path(BenchDir(n));
    store::ResetState();
    store::LoadVocabulary(store::DataLanguage::French);
    benchdata::WriteCellar("Cave.dat", n);
    ui::testing::Recorder recorder; // no box may wait for a person
    TLivre livre;
    for (auto _ : state) livre.Cherch();
    state.SetItemsProcessed(state.iterations() * n);
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(BenchDir(n));
}

void BM_CherchTypingSearch(benchmark::State& state) {
    const long n = state.range(0);
    fs::create_directories(BenchDir(n));
    fs::current_path(BenchDir(n));
    store::ResetState();
    store::LoadVocabulary(store::DataLanguage::French);
    benchdata::WriteCellar("Cave.dat", n);
    ui::testing::Recorder recorder;
    TLivre livre;
    auto* search = livre.findChild<QLineEdit*>("Recherche");
    for (auto _ : state) {
        search->setText("appellation 00"); // one wine in ten
        search->setText("");
    }
    state.SetItemsProcessed(state.iterations() * n * 2);
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(BenchDir(n));
}

BENCHMARK(BM_CherchFullList)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CherchTypingSearch)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
