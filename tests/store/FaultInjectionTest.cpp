// Every writer of the data layer meets a failing disk at each system call it makes.
//
// A new writer joins by one row of Writers(): its name and what it does on the filled directory.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "store/AppellationEdits.h"
#include "store/DataSetSwitch.h"
#include "store/Exchange.h"
#include "store/Files.h"
#include "store/IniFile.h"
#include "store/OldVersions.h"
#include "store/Rebuild.h"
#include "store/Records.h"
#include "store/RefBases.h"
#include "store/ReferenceUpdate.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/Transaction.h"
#include "store/Vocabulary.h"
#include "support/FaultInjection.h"
#include "support/TestDirs.h"

using namespace store;
using testsupport::CrLf;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

namespace {

CellarWine Wine(const std::string& appellation, const std::string& vintage) {
    CellarWine w;
    w.colour = "Rouge";
    w.region = "Bordeaux";
    w.appellation = appellation;
    w.vintage = vintage;
    w.quantity = " 6";
    w.domaine = "Dom";
    return PaddedCellarWine(w);
}

ConsumedWine Entry(const std::string& appellation, const std::string& date) {
    ConsumedWine e;
    e.colour = "Rouge";
    e.region = "Bordeaux";
    e.appellation = appellation;
    e.quantity = " 1";
    e.drinkDate = date;
    return PaddedConsumedWine(e);
}

const std::string kBordeaux = PadText("Bordeaux", 20);
const std::string kRouge = PadText("Rouge", 10);
const std::string kPauillac = PadText("Pauillac", 30);
const std::string kLatour = PadText("Latour", 50);

// Enough records that a rewrite needs several writes of the writer's buffer.
void FillDataDirectory() {
    files_testing::SetSyncOnCommit(false);
    std::string cellar;
    for (int i = 0; i < 400; ++i)
        for (const auto& line :
             CellarWineLines(Wine(i % 2 ? "Margaux" : "Pauillac", std::to_string(1600 + i))))
            cellar += line + "\r\n";
    WriteFileBytes("Cave.dat", cellar);
    for (const char* date : {"01/01/2000", "02/02/2001"})
        InsertConsumedWine(Entry("Pauillac", date));
    AddAppellation(kRouge, kBordeaux, kPauillac, PadText("10 ans", 50), PadText("17", 50));
    AddAppellation(kRouge, kBordeaux, PadText("Listrac", 30), PadText("8 ans", 50), {});
    AddVintageSection(kBordeaux, PadText("Listrac", 30));
    AddVintageSection(kBordeaux, kPauillac);
    SetVintageMark(kBordeaux, kPauillac, "1990", "18");
    AddDomaine(kBordeaux, kPauillac, kLatour, PadText("Pinault", 50));
    WriteFileBytes("Couleur.dat", CrLf({"Rouge", "Blanc", "Rose", "Jaune", "Paille"}));
    WriteFileBytes("Tonnelix.ini", "; mine\r\n[Options]\r\nSort=1\r\n");
    WriteFileBytes("in.txt", CrLf({"Rouge,Bordeaux,Pauillac,D1,O,1995,1,,,,,,,,",
                                   "Rouge,Bordeaux,Pauillac,D2,O,95,1,,,,,,,,",
                                   "Rouge,Bordeaux,Pauillac,D3,O,2001,3,,,,,,,,"}));
    std::string reference = ReadFileBytes("Vins.dat");
    reference += CrLf({AppellationHeader("Blanc", "Alsace", "Sylvaner"), "   Temp =10"});
    WriteFileBytes("Nouveau.ref", reference);
    LoadVocabulary(DataLanguage::French);
}

const std::vector<testsupport::FaultyWriter>& Writers() {
    static const std::vector<testsupport::FaultyWriter> writers{
        {"InsertCellarWine", [] { InsertCellarWine(Wine("Margaux", "1990")); }},
        {"DeleteCellarWine", [] { DeleteCellarWine(Wine("Pauillac", "1650")); }},
        {"ReplaceCellarWine",
         [] {
             const CellarWine old = ReadCellarFile("Cave.dat").records.at(50);
             CellarWine wine = old;
             wine.vintage = "2001";
             ASSERT_TRUE(ReplaceCellarWine(50, old, wine).done);
         }},
        {"InsertCellarWines",
         [] {
             InsertCellarWines({Wine("Margaux", "1990"), Wine("Latour", "1700")});
         }},
        {"ResortCellar",
         [] {
             State().sort = 2;
             ResortCellar();
             State().sort = 1;
         }},
        {"InsertConsumedWine", [] { InsertConsumedWine(Entry("Margaux", "03/03/2002")); }},
        {"DeleteConsumedWine", [] { DeleteConsumedWine(Entry("Pauillac", "01/01/2000")); }},
        {"ReplaceConsumedWine",
         [] {
             const ConsumedWine old = ReadHistoryFile("Stat.dat").records.at(0);
             ConsumedWine entry = old;
             entry.drinkDate = "04/04/2004";
             ASSERT_TRUE(ReplaceConsumedWine(0, old, entry).done);
         }},
        {"InsertConsumedWines",
         [] {
             InsertConsumedWines({Entry("Margaux", "03/03/2002"), Entry("Latour", "01/01/1999")});
         }},
        {"AddAppellation",
         [] { AddAppellation(kRouge, kBordeaux, PadText("Margaux", 30), {}, {}); }},
        {"AddDish", [] { AddDish(kRouge, kBordeaux, kPauillac, "Fromage", PadText("Brie", 30)); }},
        {"AddVintageSection", [] { AddVintageSection(kBordeaux, PadText("Margaux", 30)); }},
        {"SetVintageMark", [] { SetVintageMark(kBordeaux, kPauillac, "1995", "16"); }},
        {"SaveAppellation",
         [] {
             AppellationEdit edit;
             edit.colour = kRouge;
             edit.region = kBordeaux;
             edit.appellation = kPauillac;
             edit.temperature = PadText("18", 50);
             edit.dishes = {{"Plat", PadText("Agneau", 30)}};
             edit.vintages = {{"1990", "19"}, {"2000", "17"}};
             SaveAppellation(edit);
         }},
        {"DeleteAppellation",
         [] { ASSERT_TRUE(DeleteAppellation(kRouge, kBordeaux, kPauillac).removed); }},
        {"AddDomaine",
         [] { AddDomaine(kBordeaux, kPauillac, PadText("Lynch", 50), PadText("Cazes", 50)); }},
        {"RemoveDomaine", [] { RemoveDomaine(kBordeaux, kPauillac, kLatour); }},
        {"UpdateFromReference",
         [] { ASSERT_EQ(UpdateFromReference("Nouveau.ref").outcome, ReferenceOutcome::Updated); },
         {},
         true},
        {"ExportCellar", [] { ASSERT_TRUE(ExportCellar("export.txt")); }},
        {"Import",
         [] {
             ImportPlan plan;
             ASSERT_TRUE(PlanImport("in.txt", CurrentExchangeContext(), plan));
             ASSERT_EQ(plan.rejected.size(), 1u);
             CommitImport(plan);
         },
         {},
         true},
        // The new language is recorded in the settings file, in the same transaction; a switch
        // stopped after its commit point is finished by the next start.
        {"ConvertDataSet",
         [] {
             ConvertDataSet(true, [] {
                 IniFile ini = IniFile::Load("Tonnelix.ini");
                 ini.set("Options", "Language", "English");
                 ini.save("Tonnelix.ini");
             });
         },
         [] { RecoverDataFolder({}); }},
        {"IniFile::save",
         [] {
             IniFile ini = IniFile::Load("Tonnelix.ini");
             ini.set("Options", "Sort", "2");
             ini.set("Options", "Scale", "Oui");
             ini.save("Tonnelix.ini");
         }},
        {"WriteAllLines",
         [] {
             WriteAllLines("Region.dat", {"Alsace", "Bordeaux"});
         }},
        {"WriteAllLinesOfFiles",
         [] {
             WriteAllLinesOfFiles({{"Couleur.dat", {"Rouge"}},
                                   {"Region.dat", {"Alsace"}},
                                   {"Note.dat", {"Bon"}},
                                   {"Volume.dat", {"Magnum"}}});
         },
         {},
         true},
    };
    return writers;
}

class FaultInjectionTest : public testsupport::DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        SetDataFileNames(DataLanguage::French);
    }
};

TEST_F(FaultInjectionTest, EveryWriterKeepsOldOrNewBytesAtEveryFailingCall) {
    EXPECT_GT(testsupport::InjectFaults(Writers(), FillDataDirectory), 0);
}

TEST_F(FaultInjectionTest, ListsMissingAtStartAreWrittenWhole) {
    const auto withoutLists = [] {
        FillDataDirectory();
        for (const char* name : {"Region.dat", "Note.dat", "Volume.dat"})
            DeleteFileIfPresent(name);
    };
    // Writes the three lists that are missing, one file after the other.
    EXPECT_GT(testsupport::InjectFaults(
                  {{"LoadVocabulary", [] { LoadVocabulary(DataLanguage::French); }}}, withoutLists),
              0);
}

// Files of version 1; the conversion is done again at the next start until the appellation base
// has its current headers.
void FillVersion1Directory() {
    WriteAllLines("Cave.dat", {PadText("Rouge", 5) + PadText("Spain", 20) + " 6" + "   12.50" +
                                   "01/02/1998" + "2005" + "1990" + PadText("Bon", 9),
                               PadText("Rioja", 30) + PadText("Bodega", 30) + "A1    ",
                               PadText("belle robe", 30)});
    WriteAllLines(
        "Vins.dat",
        {"[" + PadText("Spain", 20) + "][Blanc][" + PadText("Rueda", 30) + "]", "Temp = 8"});
    WriteAllLines("Couleur.dat", {"Blanc", "Rouge"});
}

TEST_F(FaultInjectionTest, AnInterruptedConversionOfVersion1FilesEndsWholeAtTheNextStart) {
    const auto dueAgain = [] {
        if (ReadFileBytes("Vins.dat")[33] != ']') ConvertVersion1Files();
    };
    EXPECT_GT(testsupport::InjectFaults({{"ConvertVersion1Files", [] { ConvertVersion1Files(); }, dueAgain}},
                                        FillVersion1Directory),
              0);
}

} // namespace
