#include <gtest/gtest.h>

#include <QDir>

#include <filesystem>
#include <map>

#include "exchange/Exchange.h"
#include "store/DataSetFiles.h"
#include "store/Exchange.h"
#include "store/Rebuild.h"
#include "store/RefBases.h"
#include "store/State.h"
#include "store/Text.h"
#include "support/TestDirs.h"
#include "ui/Dialogs.h"
#include "ui/State.h"

using namespace testsupport;
using ui::testing::BoxKind;

namespace {

std::string Line(int i, const char* vintage = "1995") {
    return "Rouge,Bordeaux,Pauillac,D" + std::to_string(i) + ",O," + vintage + ",1,,,,,,,,";
}

} // namespace

class ExchangeCommandsTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        ui::ResetState();
        exchange::ResetState();
        store::LoadVocabulary(store::DataLanguage::French);
        WriteFileBytes("Vins.dat",
                       CrLf({store::AppellationHeader("Rouge", "Bordeaux", "Pauillac")}));
        here = QDir::currentPath();
    }
    void TearDown() override {
        exchange::ResetState();
        DataDirTest::TearDown();
    }

    QString here;
};

TEST_F(ExchangeCommandsTest, ExportAsksBeforeReplacingAndSaysNothingAtTheEnd) {
    store::InsertCellarWine(std::get<store::CellarWine>(
        store::ParseExchangeLine(Line(1), store::CurrentExchangeContext())));
    WriteFileBytes("mine.txt", "kept\r\n");
    {
        ui::testing::Recorder recorder;
        recorder.queueFileName(here + "/mine.txt");
        recorder.queueYesNo(false);
        exchange::Export1Click();
        ASSERT_EQ(recorder.boxes().size(), 2u);
        const auto& dialog = recorder.boxes()[0];
        EXPECT_EQ(dialog.kind, BoxKind::SaveFile);
        EXPECT_EQ(dialog.title, "Export de la cave dans un fichier");
        EXPECT_EQ(dialog.text, "Fichier Texte (*.txt);;Tous (*)");
        EXPECT_EQ(dialog.number, 8);
        EXPECT_EQ(dialog.proposed, here + "/export.txt");
        EXPECT_EQ(recorder.boxes()[1].text, "Voulez vous remplacer " + here + "/mine.txt?");
        EXPECT_EQ(ReadFileBytes("mine.txt"), "kept\r\n");
    }
    ui::testing::Recorder recorder;
    recorder.queueFileName(here + "/mine.txt");
    recorder.queueYesNo(true);
    exchange::Export1Click();
    EXPECT_EQ(recorder.boxes().size(), 2u); // the dialog, the question, and no message
    EXPECT_EQ(recorder.boxes()[0].proposed, here + "/mine.txt");
    EXPECT_EQ(ReadFileBytes("mine.txt"), "Rouge,Bordeaux,Pauillac,D1,O,1995,1,,,,Aucune,,,,\r\n");

    // The cellar file itself is never replaced by its export.
    const std::string cellar = ReadFileBytes("Cave.dat");
    recorder.clear();
    recorder.queueFileName(here + "/Cave.dat");
    recorder.queueYesNo(true);
    exchange::Export1Click();
    ASSERT_EQ(recorder.boxesOf(BoxKind::Warning).size(), 1u);
    EXPECT_EQ(ReadFileBytes("Cave.dat"), cellar);
}

// Ten lines, the second and the eighth bad: two boxes, the first offering to skip the rest,
// then the summary naming the error file.
TEST_F(ExchangeCommandsTest, ImportShowsEachRejectedLineAndTheSummary) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 10; ++i)
        lines.push_back(Line(i, i == 2 || i == 8 ? "95" : "1995"));
    WriteFileBytes("in.txt", CrLf(lines));

    ui::testing::Recorder recorder;
    recorder.queueFileName(here + "/in.txt");
    recorder.queueYesNo(false);
    exchange::Import1Click();
    const auto& boxes = recorder.boxes();
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].kind, BoxKind::OpenFile);
    EXPECT_EQ(boxes[0].title, "Import d'un fichier dans la cave");
    EXPECT_EQ(boxes[0].number, 7);
    EXPECT_EQ(boxes[1].kind, BoxKind::Question);
    EXPECT_TRUE(boxes[1].text.startsWith("Erreur ligne 2 position 30\n\n95 (Millésime incorrect)"))
        << boxes[1].text.toStdString();
    EXPECT_EQ(boxes[2].kind, BoxKind::Warning);
    EXPECT_EQ(boxes[2].text, "Erreur ligne 8 position 30\n\n95 (Millésime incorrect)");
    EXPECT_EQ(boxes[3].text, "8 ligne(s) importée(s) avec succès\n\n2 ligne(s) en échec\n\n"
                             "Les lignes en échec sont dans le fichier " +
                                 here + "/import.err");
    EXPECT_EQ(ReadFileBytes("import.err"), CrLf({lines[1], lines[7]}));
    EXPECT_EQ(store::ReadCellarFile("Cave.dat").records.size(), 8u);
    EXPECT_FALSE(Exists("in.txt"));

    // Answering Yes skips the boxes of the lines left; the summary still counts them all.
    lines = {Line(1, "95"), Line(2, "95"), Line(3, "95")};
    WriteFileBytes("in.txt", CrLf(lines));
    recorder.clear();
    recorder.queueFileName(here + "/in.txt");
    recorder.queueYesNo(true);
    exchange::Import1Click();
    ASSERT_EQ(recorder.boxes().size(), 3u);
    EXPECT_TRUE(
        recorder.boxes()[2].text.startsWith("0 ligne(s) importée(s) avec succès\n\n3 ligne"));
}

TEST_F(ExchangeCommandsTest, ImportRefusesAMissingFileAndTheCellarItself) {
    ui::testing::Recorder recorder;
    recorder.queueFileName(here + "/none.txt");
    exchange::Import1Click();
    ASSERT_EQ(recorder.boxesOf(BoxKind::Warning).size(), 1u);
    EXPECT_EQ(recorder.boxesOf(BoxKind::Warning)[0].number, 39);

    store::InsertCellarWine(std::get<store::CellarWine>(
        store::ParseExchangeLine(Line(1), store::CurrentExchangeContext())));
    const std::string cellar = ReadFileBytes("Cave.dat");
    recorder.clear();
    recorder.queueFileName(here + "/Cave.dat");
    exchange::Import1Click();
    ASSERT_EQ(recorder.boxes().size(), 2u);
    EXPECT_EQ(recorder.boxes()[1].kind, BoxKind::Warning);
    EXPECT_EQ(ReadFileBytes("Cave.dat"), cellar);
    EXPECT_FALSE(Exists("Import.sav"));
}

namespace {

// Every file of the data set in both languages and the settings file, each with its own bytes.
std::map<std::string, std::string> FillDataSet(const std::string& settings) {
    std::map<std::string, std::string> files;
    for (const std::string& name : store::DataSetFileNames())
        files[name] = CrLf({Line(1), name});
    files["Vins.dat"] = CrLf({store::AppellationHeader("Rouge", "Bordeaux", "Pauillac")});
    files[settings] = "[Options]\r\nSort=1\r\n";
    for (const auto& [name, bytes] : files)
        WriteFileBytes(name, bytes);
    return files;
}

std::map<std::string, std::string> FilesNow(const std::string& settings) {
    std::map<std::string, std::string> now;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        now[entry.path().filename().string()] =
            entry.is_regular_file() ? ReadFileBytes(entry.path().string()) : "<not a file>";
    now[settings] = ReadFileBytes(settings);
    return now;
}

} // namespace

// A file of the data set, in either language, by its name or through a symbolic or a hard link
// from elsewhere, is neither imported (it would be moved out of the data folder) nor the target
// of an export (it would be replaced): the box names it and no byte of any file changes.
TEST_F(ExchangeCommandsTest, EveryFileOfTheDataSetIsRefusedByImportAndExport) {
    const std::string settings = configDir + "/Tonnelix.ini";
    store::State().settingsFile = settings;
    const auto files = FillDataSet(settings);
    const std::filesystem::path elsewhere = std::filesystem::path(configDir) / "elsewhere";
    std::filesystem::create_directories(elsewhere);
    std::filesystem::create_symlink(std::filesystem::absolute("Wines.dat"), elsewhere / "soft.txt");
    std::filesystem::create_hard_link("Domaine.dat", elsewhere / "hard.txt");
    std::vector<std::pair<QString, QString>> chosen;
    for (const std::string& name : store::DataSetFileNames())
        if (name != store::kImportErrorFile)
            chosen.emplace_back(here + "/" + QString::fromStdString(name), QString::fromStdString(name));
    chosen.emplace_back(QString::fromStdString((elsewhere / "soft.txt").string()), "Wines.dat");
    chosen.emplace_back(QString::fromStdString((elsewhere / "hard.txt").string()), "Domaine.dat");
    chosen.emplace_back(QString::fromStdString(settings), "Tonnelix.ini");
    const auto before = FilesNow(settings);
    for (const auto& [path, name] : chosen) {
        for (const bool import : {true, false}) {
            ui::testing::Recorder recorder;
            recorder.queueFileName(path);
            recorder.queueYesNo(true);
            if (import)
                exchange::Import1Click();
            else
                exchange::Export1Click();
            const auto warnings = recorder.boxesOf(BoxKind::Warning);
            ASSERT_EQ(warnings.size(), 1u) << path.toStdString();
            EXPECT_TRUE(warnings[0].text.contains("« " + name + " »")) << warnings[0].text.toStdString();
            EXPECT_TRUE(recorder.boxesOf(BoxKind::Question).empty()) << path.toStdString();
            EXPECT_TRUE(FilesNow(settings) == before) << path.toStdString();
        }
    }
}

// The error file of an earlier import, mended, is imported again like any exchange file.
TEST_F(ExchangeCommandsTest, TheErrorFileCanBeImportedAgain) {
    WriteFileBytes("import.err", CrLf({Line(1)}));
    ui::testing::Recorder recorder;
    recorder.queueFileName(here + "/import.err");
    exchange::Import1Click();
    EXPECT_EQ(store::ReadCellarFile("Cave.dat").records.size(), 1u);
    EXPECT_EQ(ReadFileBytes("Import.sav"), CrLf({Line(1)}));
    EXPECT_FALSE(Exists("import.err"));
}
