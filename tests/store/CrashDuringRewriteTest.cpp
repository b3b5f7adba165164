// A run killed in the middle of rewriting a large cellar leaves the cellar whole, and the next
// rewrite clears the temporary the killed run left.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "store/Files.h"
#include "store/Records.h"
#include "store/Vocabulary.h"
#include "support/TestDirs.h"

using namespace store;

namespace fs = std::filesystem;

namespace {

constexpr long kRecords = 100000;

CellarWine Wine(long i) {
    CellarWine w;
    w.colour = "Rouge";
    w.region = "Bordeaux";
    w.appellation = "Appellation " + std::to_string(i % 997);
    w.vintage = std::to_string(1900 + i % 120);
    w.quantity = " 6";
    w.domaine = "Domaine " + std::to_string(i);
    return PaddedCellarWine(w);
}

std::size_t RecordBytes() {
    std::size_t bytes = 0;
    for (const auto& line : CellarWineLines(Wine(0)))
        bytes += line.size() + 2;
    return bytes;
}

int Temporaries() {
    int count = 0;
    for (const auto& e : fs::directory_iterator("."))
        if (IsTemporaryOf("Cave.dat", e.path().filename().string())) ++count;
    return count;
}

class CrashDuringRewriteTest : public testsupport::DataDirTest {};

TEST_F(CrashDuringRewriteTest, AKilledRewriteLeavesTheCellarWhole) {
    SetDataFileNames(DataLanguage::French);
    {
        std::string cellar;
        cellar.reserve(kRecords * RecordBytes());
        for (long i = 0; i < kRecords; ++i)
            for (const auto& line : CellarWineLines(Wine(i)))
                cellar += line + "\r\n";
        testsupport::WriteFileBytes("Cave.dat", cellar);
    }
    const std::size_t record = RecordBytes();

    // Kill moments spread over a whole rewrite, which is timed first.
    files_testing::SetSyncOnCommit(false);
    const auto start = std::chrono::steady_clock::now();
    InsertCellarWine(Wine(kRecords));
    const auto rewrite = std::chrono::duration_cast<std::chrono::microseconds>(
                             std::chrono::steady_clock::now() - start)
                             .count();
    std::mt19937 random(20261210);
    std::uniform_int_distribution<long> moment(0, rewrite * 3 / 2);

    long inserted = 1;
    int killedMidway = 0;
    for (int round = 0; round < 30; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Rewrites one after the other until killed; none may leave a second temporary.
            try {
                for (long i = 0;; ++i)
                    InsertCellarWine(Wine(i));
            } catch (...) {
            }
            ::_exit(1);
        }
        ::usleep(static_cast<useconds_t>(moment(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the rewriting child stopped on its own";

        const auto size = fs::file_size("Cave.dat");
        ASSERT_EQ(size % record, 0u) << "round " << round << ": the cellar is cut";
        ASSERT_GE(size / record, static_cast<std::uintmax_t>(kRecords + inserted));
        inserted = static_cast<long>(size / record) - kRecords;
        const int left = Temporaries();
        EXPECT_LE(left, 1) << "round " << round;
        killedMidway += left;
    }
    EXPECT_GT(killedMidway, 0) << "no kill came in the middle of a rewrite";

    InsertCellarWine(Wine(0));
    EXPECT_EQ(Temporaries(), 0);
    EXPECT_EQ(fs::file_size("Cave.dat"),
              static_cast<std::uintmax_t>(kRecords + inserted + 1) * record);
    LineReader in;
    ASSERT_TRUE(in.open("Cave.dat"));
    CellarWine wine;
    long read = 0;
    while (!in.eof() && ReadCellarWine(in, wine))
        ++read;
    EXPECT_EQ(read, kRecords + inserted + 1);
    EXPECT_TRUE(messages.empty());
}

} // namespace
