// Hostile inputs of the import, the update from a reference file and the restore: a named pipe,
// /dev/zero and a file of about 200 MB. One run handles one input, so that its peak memory can
// be read from `/usr/bin/time -v`; it prints what the command did. Not a benchmark: nothing is
// asserted, and `make bench` does not run it.
//
//     hostile_inputs import|update|restore pipe|zero|lines|oneline|rejected|base
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "backup/BackupSet.h"
#include "store/Exchange.h"
#include "store/Files.h"
#include "store/RefBases.h"
#include "store/ReferenceUpdate.h"
#include "store/State.h"
#include "store/Text.h"

using namespace store;
namespace fs = std::filesystem;

namespace {

constexpr long kBig = 200L * 1000 * 1000;

// Writes lines made by `line(i)` until the file holds about 200 MB.
template <class Line> void WriteBig(const fs::path& file, Line line, const char* end = "\r\n") {
    std::ofstream out(file, std::ios::binary);
    long size = 0;
    for (long i = 0; size < kBig; ++i) {
        const std::string text = line(i) + end;
        out << text;
        size += static_cast<long>(text.size());
    }
}

// The hostile input at `path`, of the shape asked for.
bool MakeInput(const std::string& shape, const fs::path& path, const std::string& command) {
    if (shape == "pipe") return ::mkfifo(path.c_str(), 0600) == 0;
    if (shape == "zero") {
        fs::create_symlink("/dev/zero", path);
        return true;
    }
    if (shape == "lines") {
        WriteBig(path, [](long i) {
            return "Rouge,Bordeaux,Appellation 0001,Domaine " + std::to_string(i) +
                   ",Owner,1995,6,12.50,01/02/1998,2005,Bon,Magnum,Remarks,A3,Caviste";
        });
        return true;
    }
    if (shape == "rejected") {
        WriteBig(path, [](long i) { return "Mauve,line " + std::to_string(i); });
        return true;
    }
    if (shape == "oneline") {
        std::ofstream out(path, std::ios::binary);
        if (command == "update")
            out << AppellationHeader("Rouge", "Bordeaux", "Big") << "\r\n   Temp =";
        const std::string chunk(1 << 20, 'x');
        for (long size = 0; size < kBig; size += static_cast<long>(chunk.size()))
            out << chunk;
        return true;
    }
    if (shape == "base") {
        WriteBig(path, [](long i) {
            if (i % 4 == 0)
                return AppellationHeader("Rouge", "Bordeaux", "Appellation " + std::to_string(i));
            if (i % 4 == 1) return std::string("   Temp =16");
            if (i % 4 == 2) return std::string("   Garde=10 ans");
            return std::string("   Plats=");
        });
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: hostile_inputs import|update|restore "
                             "pipe|zero|lines|oneline|rejected|base\n");
        return 2;
    }
    const std::string command = argv[1], shape = argv[2];
    const fs::path dir = fs::temp_directory_path() / ("tonnelix-hostile-" + std::to_string(::getpid()));
    fs::create_directories(dir / "medium");
    fs::current_path(dir);
    ResetState();
    LoadVocabulary(DataLanguage::French);
    WriteAllLines(State().files.appellations,
                  {AppellationHeader("Rouge", "Bordeaux", "Appellation 0001"), "   Temp =16",
                   "   Garde=10 ans", "   Plats="});
    const fs::path input = command == "restore" ? dir / "medium" / State().files.cellar
                                                : dir / "medium" / "input.txt";
    if (!MakeInput(shape, input, command)) {
        std::fprintf(stderr, "no such shape\n");
        return 2;
    }
    if (command == "restore") {
        std::ofstream id(dir / "medium" / backup::kIdentityFile);
        id << "[Save]\r\nIdsave=01/01/2020 10:00\r\n";
    }

    const auto start = std::chrono::steady_clock::now();
    std::string outcome;
    try {
        if (command == "import") {
            ImportPlan plan;
            PlanImport(input.string(), CurrentExchangeContext(), plan);
            CommitImport(plan);
            outcome = "imported " + std::to_string(plan.accepted.size()) + ", rejected " +
                      std::to_string(plan.rejectedCount);
        } else if (command == "update") {
            const ReferenceUpdateResult r = UpdateFromReference(input.string());
            outcome = r.outcome == ReferenceOutcome::Updated    ? "updated"
                      : r.outcome == ReferenceOutcome::NotABase ? "refused at line " +
                                                                      std::to_string(r.badLine)
                                                                : "other outcome";
        } else {
            backup::RestoreSet((dir / "medium").string());
            outcome = "restored";
        }
    } catch (const IoError& error) {
        outcome = std::string("input/output error: ") + error.what();
    } catch (const std::exception& error) {
        outcome = std::string("exception: ") + error.what();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s %s: %s in %.1f s\n", command.c_str(), shape.c_str(), outcome.c_str(), seconds);
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(dir);
    return 0;
}
