// Fixture of backup and restore: the French data set in the data directory, a temporary folder
// standing in for a USB key, and the settings file of the test's configuration directory.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "backup/BackupSet.h"
#include "store/State.h"
#include "store/Vocabulary.h"
#include "ui/Volumes.h"
#include "ui/support/UiTest.h"

namespace testsupport {

class BackupTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        store::LoadVocabulary(store::DataLanguage::French);
        medium = std::filesystem::temp_directory_path() / ("tonnelix-key-" + Unique());
        std::filesystem::create_directory(medium);
        settingsPath = configDir + "/Tonnelix.ini";
        ui::testing::SetRemovableVolumes(std::vector<ui::Volume>{
            {QStringLiteral("KEY"), QString::fromStdString(medium.string())}});
    }
    void TearDown() override {
        ui::testing::SetRemovableVolumes(std::nullopt);
        std::error_code ignored;
        std::filesystem::remove_all(medium, ignored);
        UiTest::TearDown();
    }

    // Every data file of the French set but those named, each with content of its own.
    static void WriteDataSet(const std::vector<std::string>& without = {}) {
        for (const std::string& name : backup::SetFileNames(store::State().files)) {
            if (std::find(without.begin(), without.end(), name) != without.end())
                std::filesystem::remove(name);
            else
                WriteFileBytes(name, Content(name, "local"));
        }
    }
    // Each file reads whole as its kind: the record files end on a record boundary, the others
    // begin as a base does; the lists end without a line end, copied as they are.
    static std::string Content(const std::string& name, const std::string& tag) {
        if (name == "Cave.dat" || name == "Stat.dat")
            return CrLf({"[" + name + " " + tag + "]", "2", "3", "4", "5", "6"});
        return CrLf({"[" + name + " " + tag + "]", "second line"}) + "no line end";
    }
    std::string OnMedium(const std::string& name) const { return (medium / name).string(); }
    std::vector<std::string> MediumListing() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(medium))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::filesystem::path medium;
    std::string settingsPath;

private:
    static std::string Unique() {
        static int counter = 0;
        return std::to_string(::getpid()) + "-" + std::to_string(++counter);
    }
};

} // namespace testsupport
