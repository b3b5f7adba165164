// The cellar book and its zoom window on generated cellars of 1 000, 10 000 and 100 000 wines,
// offscreen. Each figure is printed beside its target (target_ms) and beside the path it
// replaced (readThrough_ms: the list filled by reading the whole file through at each change,
// the zoom stepping by reading the file through at each look-up).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>
#include <unistd.h>

#include "BenchData.h"
#include "cellar/CellarState.h"
#include "cellar/Ulivre.h"
#include "cellar/Uzoom.h"
#include "store/State.h"
#include "store/Vocabulary.h"
#include "ui/Cp1252.h"
#include "ui/Dialogs.h"
#include "ui/TextRowsModel.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// A data folder of n wines, made once per size.
void Prepare(long n) {
    static long made = 0;
    const fs::path dir = fs::temp_directory_path() / ("tonnelix-bench-cellar-" + std::to_string(::getpid()));
    if (made != n) {
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::current_path(dir);
        benchdata::WriteCellar("Cave.dat", n);
        made = n;
    }
    fs::current_path(dir);
    store::ResetState();
    store::LoadVocabulary(store::DataLanguage::French);
    cellar::ResetState();
}

// The fill the book made before it kept the cellar in memory: the whole file read through,
// every listed row made into texts at once.
void FillByReadingThrough(ui::TextRowsModel& model) {
    std::vector<ui::TextRowsModel::Row> rows;
    store::LineReader in;
    if (store::OpenTextForReading(in, store::State().files.cellar)) {
        store::CellarWine wine;
        while (!in.eof() && store::ReadCellarWine(in, wine)) {
            if (!store::CellarWineMatches(wine)) continue;
            if (store::State().filter.toDrink && !store::PeakYearHasCome(wine)) continue;
            rows.push_back({ui::ShownField(wine.colour), ui::ShownField(wine.vintage), ui::ShownField(wine.quantity),
                            ui::ShownField(wine.appellation), ui::ShownField(wine.domaine), ui::ShownField(wine.location)});
        }
    }
    model.setRows(std::move(rows));
}

// The best of a few runs of the replaced fill, on the window's own list.
double ReadThroughMs(TLivre& livre) {
    auto* model = static_cast<ui::TextRowsModel*>(livre.findChild<QTableView*>("Liste_vins")->model());
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto start = Clock::now();
        FillByReadingThrough(*model);
        best = std::min(best, Ms(Clock::now() - start));
    }
    livre.Cherch();
    return best;
}

void Figures(benchmark::State& state, double target, double replaced) {
    state.counters["target_ms"] = target;
    if (replaced > 0) state.counters["readThrough_ms"] = replaced;
}

// Opening: the window made, filled and painted.
void BM_CellarBookOpen(benchmark::State& state) {
    Prepare(state.range(0));
    ui::testing::Recorder recorder;
    for (auto _ : state) {
        TLivre livre;
        livre.show();
        QCoreApplication::processEvents();
    }
    TLivre livre;
    Figures(state, 100, ReadThroughMs(livre));
}

// A criterion changed: the colour chosen, then every colour again.
void BM_CellarBookCriterion(benchmark::State& state) {
    Prepare(state.range(0));
    ui::testing::Recorder recorder;
    TLivre livre;
    livre.show();
    auto* colour = livre.findChild<QComboBox*>("Liste_coul");
    int at = 0;
    for (auto _ : state) {
        at = at == 0 ? colour->findText("Rouge") : 0;
        colour->setCurrentIndex(at);
        QCoreApplication::processEvents();
    }
    Figures(state, 100, ReadThroughMs(livre));
}

// Typing a search one key at a time, and taking it back: one refill per key; worst_ms is the
// longest a key waited.
void BM_CellarBookKeystroke(benchmark::State& state) {
    Prepare(state.range(0));
    ui::testing::Recorder recorder;
    TLivre livre;
    livre.show();
    auto* search = livre.findChild<QLineEdit*>("Recherche");
    const QString word = QStringLiteral("appellation 00");
    int typed = 0;
    int direction = 1;
    double worst = 0;
    for (auto _ : state) {
        if (typed == word.size()) direction = -1;
        if (typed == 0) direction = 1;
        typed += direction;
        const auto start = Clock::now();
        search->setText(word.left(typed));
        QCoreApplication::processEvents();
        worst = std::max(worst, Ms(Clock::now() - start));
    }
    state.counters["worst_ms"] = worst;
    Figures(state, 50, ReadThroughMs(livre));
}

// The zoom window opened on the last wine, as the book's zoom button opens it.
void ZoomOpen(benchmark::State& state, bool bookOpen) {
    const long n = state.range(0);
    Prepare(n);
    ui::testing::Recorder recorder;
    std::optional<TLivre> livre;
    if (bookOpen) livre.emplace();
    store::State().filter = {};
    cellar::Navigation& nav = cellar::State();
    nav.lastRow = static_cast<int>(n - 1);
    for (auto _ : state) {
        nav.selectedRow = static_cast<int>(n - 1);
        nav.currentWinePosition = store::CellarPositionOfMatch(n);
        TZoomForm zoom;
        zoom.show();
        QCoreApplication::processEvents();
    }
}

void BM_ZoomOpenAtTheEnd(benchmark::State& state) {
    ZoomOpen(state, true);
    state.counters["target_ms"] = 20;
}

void BM_ZoomOpenAtTheEnd_ReadThrough(benchmark::State& state) { ZoomOpen(state, false); }

// Previous and Next in turn, from the middle of the list.
void ZoomStep(benchmark::State& state, bool bookOpen) {
    const long n = state.range(0);
    Prepare(n);
    ui::testing::Recorder recorder;
    std::optional<TLivre> livre;
    if (bookOpen) livre.emplace();
    store::State().filter = {};
    cellar::Navigation& nav = cellar::State();
    nav.lastRow = static_cast<int>(n - 1);
    nav.selectedRow = static_cast<int>(n / 2);
    nav.currentWinePosition = store::CellarPositionOfMatch(n / 2 + 1);
    TZoomForm zoom;
    zoom.show();
    bool next = true;
    for (auto _ : state) {
        next ? zoom.BitBtn7Click() : zoom.BitBtn6Click();
        next = !next;
        QCoreApplication::processEvents();
    }
}

void BM_ZoomStep(benchmark::State& state) {
    ZoomStep(state, true);
    state.counters["target_ms"] = 20;
}

void BM_ZoomStep_ReadThrough(benchmark::State& state) { ZoomStep(state, false); }

void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_CellarBookOpen)->Apply(Sizes);
BENCHMARK(BM_CellarBookCriterion)->Apply(Sizes);
BENCHMARK(BM_CellarBookKeystroke)->Apply(Sizes);
BENCHMARK(BM_ZoomOpenAtTheEnd)->Apply(Sizes);
BENCHMARK(BM_ZoomOpenAtTheEnd_ReadThrough)->Apply(Sizes);
BENCHMARK(BM_ZoomStep)->Apply(Sizes);
BENCHMARK(BM_ZoomStep_ReadThrough)->Apply(Sizes);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::current_path(fs::temp_directory_path(), ec);
    fs::remove_all(fs::temp_directory_path() / ("tonnelix-bench-cellar-" + std::to_string(::getpid())), ec);
    return 0;
}
