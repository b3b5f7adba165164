// Every test runs in a fresh data directory (its current directory) and with a fresh
// configuration directory, so no test touches the user's own files.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testsupport {

class DataDirTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Numbered messages shown since the test started.
    std::vector<int> messages;
    std::string dataDir;
    std::string configDir;
};

std::string ReadFileBytes(const std::string& name);
void WriteFileBytes(const std::string& name, const std::string& bytes);
// Joins lines with CR LF after each.
std::string CrLf(const std::vector<std::string>& lines);
bool Exists(const std::string& name);
// Names of the files of the current directory, sorted.
std::vector<std::string> DirectoryListing();

} // namespace testsupport
