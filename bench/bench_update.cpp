// Update of the shipped French appellation base by a reference base of the same size: the
// in-memory merge written once, beside one base operation per keeping and dish line.
// Measured without fsync, which depends on the disk only.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "store/Files.h"
#include "store/RefBases.h"
#include "store/ReferenceUpdate.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/Vocabulary.h"

using namespace store;
namespace fs = std::filesystem;

namespace {

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void Put(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
}

struct Fixture {
    std::string previous, reference;
};

// The reference: the shipped base with other temperatures, so that every section changes.
const Fixture& Prepare() {
    static Fixture f;
    if (f.previous.empty()) {
        const fs::path dir =
            fs::temp_directory_path() / ("tonnelix-bench-update-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        fs::current_path(dir);
        State().language = DataLanguage::French;
        SetDataFileNames(DataLanguage::French);
        files_testing::SetSyncOnCommit(false);
        f.previous = Bytes(fs::path(TONNELIX_SOURCE_DIR) / "data/fr/Vins.dat");
        std::istringstream in(f.previous);
        std::string line;
        while (std::getline(in, line)) {
            if (line.rfind("   Temp =", 0) == 0) line = "   Temp =12 C\r";
            f.reference += line + "\n";
        }
    }
    return f;
}

void BM_UpdateMerged(benchmark::State& state) {
    const Fixture& f = Prepare();
    for (auto _ : state) {
        state.PauseTiming();
        Put("Vins.dat", f.previous);
        Put("new.ref", f.reference);
        DeleteFileIfPresent("Vins.maj");
        state.ResumeTiming();
        UpdateFromReference("new.ref");
    }
}
BENCHMARK(BM_UpdateMerged)->Unit(benchmark::kMillisecond);

void BM_UpdateOperationByOperation(benchmark::State& state) {
    const Fixture& f = Prepare();
    for (auto _ : state) {
        state.PauseTiming();
        Put("Vins.dat", f.previous);
        Put("new.ref", f.reference);
        DeleteFileIfPresent("Vins.maj");
        state.ResumeTiming();
        std::rename("Vins.dat", "Vins.maj");
        std::rename("new.ref", "Vins.dat");
        LineReader in;
        OpenTextForReading(in, "Vins.maj");
        std::string line, colour, region, appellation, temperature;
        while (in.readLine(line)) {
            const std::string key(Columns(line, 4, 6));
            if (!line.empty() && line[0] == '[') {
                colour = Columns(line, 24, 10);
                region = Columns(line, 2, 20);
                appellation = Columns(line, 36, 30);
                temperature.clear();
            } else if (key == "Temp =") {
                temperature = RightTrim(Columns(line, 10, 50));
            } else if (key == "Garde=" || key == "Keep =") {
                AddAppellation(colour, region, appellation, RightTrim(Columns(line, 10, 50)),
                               temperature);
            } else if (line.size() >= 14 && line[13] == ':') {
                AddDish(colour, region, appellation, std::string(Columns(line, 7, 7)),
                        std::string(Columns(line, 15, 30)));
            }
        }
    }
}
BENCHMARK(BM_UpdateOperationByOperation)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
