// The consumed wines window and its edit window on generated histories of 1 000, 10 000 and
// 100 000 entries, offscreen. Each figure is printed beside its target (target_ms) and beside
// the path it replaced (readThrough_ms: the list rebuilt by reading the whole file through at
// each change, the edit window stepping by reading the file through to the entry).
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
#include "history/ConsumedEntries.h"
#include "history/HistoryState.h"
#include "history/Uconso.h"
#include "history/Uzoomconso.h"
#include "store/State.h"
#include "store/Vocabulary.h"
#include "ui/Cp1252.h"
#include "ui/Dialogs.h"
#include "ui/TextRowsModel.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void Prepare(long n) {
    static long made = 0;
    const fs::path dir = fs::temp_directory_path() / ("tonnelix-bench-history-" + std::to_string(::getpid()));
    if (made != n) {
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::current_path(dir);
        store::SafeFileWriter out("Stat.dat");
        for (long i = 0; i < n; ++i) store::WriteConsumedWine(out, benchdata::GeneratedEntry(i));
        out.commit();
        made = n;
    }
    fs::current_path(dir);
    store::ResetState();
    store::LoadVocabulary(store::DataLanguage::French);
    history::ResetState();
}

// The rebuild the window made before it kept the history in memory: the whole file read
// through, every listed row made into texts at once.
void RebuildByReadingThrough(ui::TextRowsModel& model) {
    std::vector<ui::TextRowsModel::Row> rows;
    for (const auto& entry : history::MatchingEntries())
        rows.push_back({ui::ShownField(entry.colour), ui::ShownField(entry.appellation), ui::ShownField(entry.vintage),
                        ui::ShownField(entry.drinkDate), ui::ShownField(entry.mark)});
    model.setRows(std::move(rows));
}

// The best of a few runs of the replaced rebuild, on the window's own list; the window's
// records are let go meanwhile, so that the file is read as it was.
double ReadThroughMs(std::optional<TConsovin>& window) {
    auto* view = window->findChild<QTableView*>("Liste_vins");
    ui::TextRowsModel model("TConsovin", {"a", "b", "c", "d", "e"}, 2, nullptr);
    view->setModel(&model);
    const store::RecordFilter filter = store::State().filter;
    window.reset();
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        store::State().filter = filter;
        const auto start = Clock::now();
        RebuildByReadingThrough(model);
        best = std::min(best, Ms(Clock::now() - start));
    }
    return best;
}

void Figures(benchmark::State& state, double target, double replaced) {
    state.counters["target_ms"] = target;
    state.counters["readThrough_ms"] = replaced;
}

void BM_ConsumedWinesOpen(benchmark::State& state) {
    Prepare(state.range(0));
    ui::testing::Recorder recorder;
    for (auto _ : state) {
        TConsovin window;
        window.show();
        QCoreApplication::processEvents();
    }
    std::optional<TConsovin> window(std::in_place);
    Figures(state, 100, ReadThroughMs(window));
}

void BM_ConsumedWinesCriterion(benchmark::State& state) {
    Prepare(state.range(0));
    ui::testing::Recorder recorder;
    std::optional<TConsovin> window(std::in_place);
    window->show();
    auto* colour = window->findChild<QComboBox*>("Liste_coul");
    int at = 0;
    for (auto _ : state) {
        at = at == 0 ? colour->findText("Rouge") : 0;
        colour->setCurrentIndex(at);
        QCoreApplication::processEvents();
    }
    Figures(state, 100, ReadThroughMs(window));
}

// Typing a search one key at a time, and taking it back; worst_ms is the longest a key waited.
void BM_ConsumedWinesKeystroke(benchmark::State& state) {
    Prepare(state.range(0));
    ui::testing::Recorder recorder;
    std::optional<TConsovin> window(std::in_place);
    window->show();
    auto* search = window->findChild<QLineEdit*>("Recherche");
    const QString word = QStringLiteral("teau 00012");
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
    Figures(state, 50, ReadThroughMs(window));
}

void ZoomOpen(benchmark::State& state, bool windowOpen) {
    const long n = state.range(0);
    Prepare(n);
    ui::testing::Recorder recorder;
    std::optional<TConsovin> window;
    if (windowOpen) window.emplace();
    for (auto _ : state) {
        history::State().selectedPosition = n - 1;
        TZoomConsoForm zoom;
        zoom.show();
        QCoreApplication::processEvents();
    }
}

void BM_ZoomConsoOpenAtTheEnd(benchmark::State& state) {
    ZoomOpen(state, true);
    state.counters["target_ms"] = 20;
}

void BM_ZoomConsoOpenAtTheEnd_ReadThrough(benchmark::State& state) { ZoomOpen(state, false); }

void ZoomStep(benchmark::State& state, bool windowOpen) {
    const long n = state.range(0);
    Prepare(n);
    ui::testing::Recorder recorder;
    std::optional<TConsovin> window;
    if (windowOpen) window.emplace();
    history::State().selectedPosition = n / 2;
    TZoomConsoForm zoom;
    zoom.show();
    bool next = true;
    for (auto _ : state) {
        next ? zoom.BitBtn7Click() : zoom.BitBtn6Click();
        next = !next;
        QCoreApplication::processEvents();
    }
}

void BM_ZoomConsoStep(benchmark::State& state) {
    ZoomStep(state, true);
    state.counters["target_ms"] = 20;
}

void BM_ZoomConsoStep_ReadThrough(benchmark::State& state) { ZoomStep(state, false); }

void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_ConsumedWinesOpen)->Apply(Sizes);
BENCHMARK(BM_ConsumedWinesCriterion)->Apply(Sizes);
BENCHMARK(BM_ConsumedWinesKeystroke)->Apply(Sizes);
BENCHMARK(BM_ZoomConsoOpenAtTheEnd)->Apply(Sizes);
BENCHMARK(BM_ZoomConsoOpenAtTheEnd_ReadThrough)->Apply(Sizes);
BENCHMARK(BM_ZoomConsoStep)->Apply(Sizes);
BENCHMARK(BM_ZoomConsoStep_ReadThrough)->Apply(Sizes);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::current_path(fs::temp_directory_path(), ec);
    fs::remove_all(fs::temp_directory_path() / ("tonnelix-bench-history-" + std::to_string(::getpid())), ec);
    return 0;
}
