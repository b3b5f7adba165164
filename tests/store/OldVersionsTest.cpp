#include <gtest/gtest.h>

#include <map>

#include "store/OldVersions.h"
#include "store/Rebuild.h"
#include "store/State.h"
#include "store/Text.h"
#include "support/TestDirs.h"

using namespace store;
using namespace testsupport;

namespace {

// Version 1 cellar record: three lines of the narrow layout.
std::vector<std::string> Version1Wine(const std::string& colour, const std::string& region,
                                      const std::string& mark, const std::string& vintage) {
    return {PadText(colour, 5) + PadText(region, 20) + " 6" + "   12.50" + "01/02/1998" + "2005" +
                vintage + PadText(mark, 9),
            PadText("Pauillac", 30) + PadText("Latour", 30) + "A1    ", PadText("belle robe", 30)};
}

std::vector<std::string> Version20Wine(const std::string& region) {
    return {"Rouge" + PadText(region, 20) + " 6" + "   12.50" + "01/02/1998" + "2005" + "1990" +
                PadText("Bon", 10) + PadText("Magnum", 10),
            PadText("Rioja", 30) + PadText("Bodega", 50) + PadText("B2", 10),
            PadText("rem", 50) + PadText("Pedro", 50)};
}

std::string Version20Entry(const std::string& region, const std::string& date) {
    return "Rouge" + PadText(region, 20) + PadText("Rioja", 30) + PadText("Bodega", 50) + "1990" +
           " 1" + date + PadText("Paul", 30) + PadText("fin", 50) + PadText("Bon", 10);
}

const std::string kOldBaseHeader =
    "[" + PadText("Spain", 20) + "][Blanc][" + PadText("Rueda", 30) + "]";

std::map<std::string, std::string> Snapshot() {
    std::map<std::string, std::string> files;
    for (const auto& name : DirectoryListing())
        files[name] = ReadFileBytes(name);
    return files;
}

} // namespace

class OldVersionsTest : public DataDirTest {
protected:
    void Use(DataLanguage language) {
        State().language = language;
        SetDataFileNames(language);
    }
};

TEST_F(OldVersionsTest, Version1CellarComesInTheCurrentLayoutSortedAndKeepsItsBackup) {
    Use(DataLanguage::French);
    std::vector<std::string> old = Version1Wine("Rouge", "Bordeaux", "Bon", "1995");
    for (const auto& line : Version1Wine("Blanc", "Alsace", "Moyen", "1990"))
        old.push_back(line);
    old.push_back("Rouge"); // a record cut short
    WriteAllLines("Cave.dat", old);
    const std::string oldBytes = ReadFileBytes("Cave.dat");
    ConvertVersion1Files();

    EXPECT_EQ(ReadFileBytes("Cave.13"), oldBytes);
    EXPECT_EQ(messages, (std::vector<int>{1, 1}));
    const RecordFile<CellarWine> cellar = ReadCellarFile("Cave.dat");
    ASSERT_EQ(cellar.records.size(), 2u);
    const CellarWine& red = cellar.records[1];
    EXPECT_EQ(red.colour, PadText("Rouge", 10));
    EXPECT_EQ(red.mark, "Bon");
    EXPECT_EQ(red.bottleFormat, Blanks(10));
    EXPECT_EQ(red.owner, Blanks(50));
    EXPECT_EQ(red.purchasePlace, Blanks(50));
    EXPECT_EQ(RightTrim(red.domaine), "Latour");
    EXPECT_EQ(RightTrim(red.location), "A1");
    EXPECT_EQ(RightTrim(red.remarks), "belle robe");
    EXPECT_EQ(RightTrim(cellar.records[0].colour), "Blanc");
}

// Regions of the old files are English: French takes its own names, English keeps them.
TEST_F(OldVersionsTest, Version20RegionsTranslatedInFrenchOnlyAndHeadersInTheCurrentForm) {
    for (const DataLanguage language : {DataLanguage::French, DataLanguage::English}) {
        const bool french = language == DataLanguage::French;
        Use(language);
        WriteAllLines(State().files.cellar, Version20Wine("Spain"));
        WriteAllLines("Stat.dat", {Version20Entry("Spain", "02/02/1998"),
                                   Version20Entry("Italy", "01/02/1998")});
        WriteAllLines(State().files.appellations, {kOldBaseHeader, "Temp = 8"});
        WriteAllLines(
            State().files.vintages,
            {"[" + PadText("Spain", 20) + "](" + PadText("Rueda", 30) + ")", "  1990 15"});
        WriteAllLines(State().files.colours, {"Blanc", "Rouge tres long"});
        WriteAllLines(State().files.regions, {"Spain"});
        ConvertVersion2Files();

        const std::string spain = PadText(french ? "Espagne" : "Spain", 20);
        const RecordFile<CellarWine> cellar = ReadCellarFile(State().files.cellar);
        ASSERT_EQ(cellar.records.size(), 1u);
        EXPECT_EQ(cellar.records[0].region, spain);
        EXPECT_EQ(RightTrim(cellar.records[0].bottleFormat), "Magnum");
        EXPECT_EQ(RightTrim(cellar.records[0].owner), "Pedro");
        EXPECT_EQ(cellar.records[0].purchasePlace, Blanks(50));
        const RecordFile<ConsumedWine> history = ReadHistoryFile("Stat.dat");
        ASSERT_EQ(history.records.size(), 2u);
        EXPECT_EQ(history.records[0].region,
                  PadText(french ? "Italie" : "Italy", 20)); // date order
        EXPECT_EQ(history.records[1].region, spain);
        EXPECT_EQ(history.records[1].domaine, PadText("Bodega", 50));
        EXPECT_EQ(history.records[1].owner, Blanks(50));

        const std::string base = ReadFileBytes(State().files.appellations);
        EXPECT_EQ(base,
                  CrLf({"[" + spain + "][Blanc     ][" + PadText("Rueda", 30) + "]", "Temp = 8"}));
        EXPECT_EQ(base[33], ']');
        EXPECT_EQ(ReadFileBytes(State().files.vintages),
                  CrLf({"[" + spain + "](" + PadText("Rueda", 30) + ")", "  1990 15"}));
        EXPECT_EQ(ReadFileBytes(State().files.colours), CrLf({"Blanc     ", "Rouge tres"}));
        EXPECT_EQ(ReadFileBytes(State().files.regions), CrLf({PadText("Spain", 20)}));
        const std::string backup = french ? "Vins.20" : "Wines.20";
        EXPECT_EQ(ReadFileBytes(backup), CrLf({kOldBaseHeader, "Temp = 8"}));
        EXPECT_TRUE(Exists(french ? "Cave.20" : "Cellar.20"));
        EXPECT_TRUE(Exists("Stat.20"));
    }
}

// Stopped anywhere, the conversion run again gives what one uninterrupted run gives.
TEST_F(OldVersionsTest, AnInterruptedConversionDoneAgainEndsAsAWholeOne) {
    Use(DataLanguage::French);
    const auto writeOldSet = [] {
        WriteAllLines("Cave.dat", Version1Wine("Rouge", "Spain", "Bon", "1990"));
        WriteAllLines("Vins.dat", {kOldBaseHeader});
        WriteAllLines("Couleur.dat", {"Blanc"});
        WriteAllLines("Cave.13", {"stale backup"});
    };
    writeOldSet();
    ConvertVersion1Files();
    const auto whole = Snapshot();

    for (long bytes = 0; bytes < 800; bytes += 60) {
        for (const auto& name : DirectoryListing())
            DeleteFileIfPresent(name);
        writeOldSet();
        files_testing::FailWritesAfter(bytes);
        try {
            ConvertVersion1Files();
        } catch (const IoError&) {
        }
        files_testing::Reset();
        // As at start-up: due while the base has not taken the current form.
        if (ReadFileBytes("Vins.dat")[33] != ']') ConvertVersion1Files();
        ASSERT_EQ(Snapshot(), whole) << "stopped after " << bytes << " bytes";
    }
}
