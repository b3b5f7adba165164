// The advice windows on the shipped French base: opening each, and answers read against a
// large cellar, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>

#include <filesystem>
#include <unistd.h>

#include "BenchData.h"
#include "advice/AppellationKeys.h"
#include "advice/Pairing.h"
#include "advice/UChoixp.h"
#include "advice/Uchoixv.h"
#include "store/State.h"
#include "store/Vocabulary.h"
#include "ui/Dialogs.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kDish = "Foie gras"; // named by many blocks of the shipped base

// A data folder with the shipped French bases and, when n > 0, a cellar of n wines spread over
// the appellation blocks of the base.
class BenchFolder {
public:
    explicit BenchFolder(long n)
        : dir_(fs::temp_directory_path() /
               ("tonnelix-bench-advice-" + std::to_string(::getpid()) + "-" + std::to_string(n))) {
        fs::create_directories(dir_);
        for (const auto& file :
             fs::directory_iterator(fs::path(TONNELIX_SOURCE_DIR) / "data" / "fr"))
            fs::copy_file(file.path(), dir_ / file.path().filename(),
                          fs::copy_options::overwrite_existing);
        fs::current_path(dir_);
        store::ResetState();
        store::LoadVocabulary(store::DataLanguage::French);
        if (n == 0) return;
        const advice::AppellationKeys keys = advice::BuildAppellationKeys();
        store::SafeFileWriter out(store::State().files.cellar);
        for (long i = 0; i < n; ++i) {
            store::CellarWine wine = benchdata::GeneratedWine(i);
            const std::string& key = keys[static_cast<std::size_t>(i) % keys.size()];
            wine.region = key.substr(0, 20);
            wine.colour = key.substr(20, 10);
            wine.appellation = key.substr(30, 30);
            store::WriteCellarWine(out, wine);
        }
        out.commit();
    }
    ~BenchFolder() {
        fs::current_path(fs::temp_directory_path());
        fs::remove_all(dir_);
    }

private:
    fs::path dir_;
};

void BM_OpenChoixvin(benchmark::State& state) {
    BenchFolder folder(0);
    ui::testing::Recorder recorder; // no box may wait for a person
    for (auto _ : state) {
        TChoixvin form;
        benchmark::DoNotOptimize(form.keys().size());
    }
}

void BM_OpenChoixplat(benchmark::State& state) {
    BenchFolder folder(0);
    ui::testing::Recorder recorder;
    for (auto _ : state) {
        TChoixplat form;
        benchmark::DoNotOptimize(form.dishLists().lists[0].size());
    }
}

// The first click on "Les vins de la cave" of the choose-a-wine window reads the cellar.
void BM_ChoixvinCellarClick(benchmark::State& state) {
    BenchFolder folder(state.range(0));
    ui::testing::Recorder recorder;
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<TChoixvin>();
        auto* cellarOnly =
            form->findChild<QWidget*>("select_cave")->findChildren<QRadioButton*>()[1];
        state.ResumeTiming();
        cellarOnly->click();
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// An answer with "Les vins de la cave": the base and the cellar read once, the list filled.
void BM_ChoixplatCellarAnswer(benchmark::State& state) {
    BenchFolder folder(state.range(0));
    ui::testing::Recorder recorder;
    TChoixplat form;
    for (const char* box : {"select_entree", "select_plat", "select_fromage", "select_dessert"})
        form.findChild<QCheckBox*>(box)->setChecked(true);
    auto* dishes = form.findChild<QListWidget*>("Liste_plats");
    dishes->setCurrentItem(dishes->findItems(QString::fromLatin1(kDish), Qt::MatchExactly).first());
    auto* cellarOnly = form.findChild<QWidget*>("select_cave")->findChildren<QRadioButton*>()[1];
    for (auto _ : state)
        cellarOnly->click();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_AnswerForDishCellarOnly(benchmark::State& state) {
    BenchFolder folder(state.range(0));
    std::size_t wines = 0;
    for (auto _ : state)
        wines = advice::AnswerForDish(kDish, true).wines.size();
    state.counters["wines"] = static_cast<double>(wines);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_OpenChoixvin)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenChoixplat)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ChoixvinCellarClick)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ChoixplatCellarAnswer)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_AnswerForDishCellarOnly)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
