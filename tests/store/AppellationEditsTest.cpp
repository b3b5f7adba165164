// Saving and deleting an appellation of the administration window: bytes of both files, one
// write each, and what a failure leaves behind.
#include <gtest/gtest.h>

#include <cerrno>
#include <optional>

#include "store/AppellationEdits.h"
#include "store/Files.h"
#include "store/RefBases.h"
#include "store/State.h"
#include "store/Text.h"
#include "support/TestDirs.h"

using namespace store;
using testsupport::CrLf;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

namespace {

const std::string kPauillac = "[Bordeaux            ][Rouge     ](Pauillac                      )";
const std::string kGravesRouge =
    "[Bordeaux            ][Rouge     ](Graves                        )";
const std::string kGravesBlanc =
    "[Bordeaux            ][Blanc     ](Graves                        )";
const std::string kChablis = "[Bourgogne           ][Blanc     ](Chablis                       )";
const std::string kPauillacYear = "[Bordeaux            ](Pauillac                      )";
const std::string kGravesYear = "[Bordeaux            ](Graves                        )";
const std::string kChablisYear = "[Bourgogne           ](Chablis                       )";

void SetLanguage(DataLanguage language) {
    State().language = language;
    SetDataFileNames(language);
}

std::vector<std::string> Lines(const std::string& name) {
    std::vector<std::string> lines;
    LineReader in;
    if (!OpenTextForReading(in, name)) return lines;
    std::string line;
    while (in.readLine(line))
        lines.push_back(line);
    return lines;
}

// The save as a sequence of whole-file rewrites, one after the other: the temperature and
// keeping through AddAppellation, the vintage header through AddVintageSection, then the dish
// lines of every matching section, then the vintage lines.
void SaveStepByStep(const AppellationEdit& e) {
    const std::string c = PadText(e.colour, 10), r = PadText(e.region, 20),
                      a = PadText(e.appellation, 30);
    AddAppellation(c, r, a, PadText(e.keeping.value_or(""), 50),
                   PadText(e.temperature.value_or(""), 50));
    AddVintageSection(r, a);
    std::vector<std::string> out;
    bool in = false;
    for (const std::string& line : Lines(State().files.appellations)) {
        if (line[0] == '[') {
            in = Columns(line, 2, 20) == r && Columns(line, 24, 10) == c &&
                 Columns(line, 36, 30) == a;
        } else if (in && line.size() >= 14 && line[13] == ':') {
            continue;
        }
        out.push_back(line);
        const std::string_view key = Columns(line, 4, 6);
        if (in && (key == "Plats=" || key == "Dishes"))
            for (const Dish& d : e.dishes)
                out.push_back("      " + PadText(d.course, 7) + ":" + RightTrim(d.dish));
    }
    WriteAllLines(State().files.appellations, out);
    out.clear();
    in = false;
    for (const std::string& line : Lines(State().files.vintages)) {
        if (line[0] == '[') {
            in = Columns(line, 2, 20) == r && Columns(line, 24, 30) == a;
            out.push_back(line);
            if (in)
                for (const VintageMark& v : e.vintages)
                    out.push_back("      " + v.year + "," + v.mark);
            continue;
        }
        if (!in) out.push_back(line);
    }
    WriteAllLines(State().files.vintages, out);
}

AppellationEdit Edit(const std::string& colour, const std::string& region,
                     const std::string& appellation) {
    AppellationEdit e;
    e.colour = colour;
    e.region = region;
    e.appellation = appellation;
    e.temperature = "16 a 18";
    e.keeping = "10 ans";
    e.dishes = {
        {Cp1252("Entrées"), Cp1252("Pâté en croûte")}, {"Plats", "Gigot"}, {"Fromage", "Comté"}};
    e.vintages = {{"2000", "18"}, {"1995", "05"}};
    return e;
}

class AppellationEditsTest : public testsupport::DataDirTest {
protected:
    std::string base() const { return ReadFileBytes(State().files.appellations); }
    std::string chart() const { return ReadFileBytes(State().files.vintages); }
};

const std::string kBase =
    CrLf({kPauillac, "   Temp =17", "   Garde=10 a 30 ans",
          "   Plats=", "      Plats  :Agneau                        ", "      Dessert:Tarte",
          kGravesBlanc, "   Temp =10", "   Keep =3 ans", "   Plats=", "      Fromage:Brie",
          kGravesRouge, kChablis, "   Temp =9", "   Garde=5 ans"});
const std::string kChart =
    CrLf({kPauillacYear, "      1990,17", "      1982,19", kChablisYear, "      2001,14"});

TEST_F(AppellationEditsTest, OneWriteEachGivesTheBytesOfTheRewritesInTurn) {
    AppellationEdit emptied = Edit("Rouge", "Bordeaux", "Pauillac");
    emptied.dishes.clear();
    emptied.vintages.clear();
    const struct {
        const char* name;
        DataLanguage language;
        std::optional<std::string> base, chart;
        AppellationEdit edit;
    } cases[] = {
        {"section with dishes and marks", DataLanguage::French, kBase, kChart,
         Edit("Rouge", "Bordeaux", "Pauillac")},
        {"no dish and no vintage left", DataLanguage::French, kBase, kChart, emptied},
        {"keeping key of the other language", DataLanguage::French, kBase, kChart,
         Edit("Blanc", "Bordeaux", "Graves")},
        {"bare header", DataLanguage::English, kBase, kChart, Edit("Rouge", "Bordeaux", "Graves")},
        {"no dishes key, no dish", DataLanguage::French, kBase, kChart,
         [] {
             AppellationEdit e = Edit("Blanc", "Bourgogne", "Chablis");
             e.dishes.clear();
             return e;
         }()},
        {"keeping line missing under a remark and the temperature", DataLanguage::French,
         CrLf({kPauillac, "   ; note", "   Temp =17", "   Plats=", "      Dessert:Tarte"}), kChart,
         Edit("Rouge", "Bordeaux", "Pauillac")},
        {"new appellation, English", DataLanguage::English, kBase, kChart,
         Edit("Rouge", "Loire", "Chinon")},
        {"no files at all", DataLanguage::French, std::nullopt, std::nullopt,
         Edit("Rouge", "Loire", "Chinon")},
        {"chart missing", DataLanguage::French, kBase, std::nullopt,
         Edit("Rouge", "Bordeaux", "Pauillac")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetLanguage(c.language);
        const auto seed = [&] {
            for (const std::string* f : {&State().files.appellations, &State().files.vintages})
                DeleteFileIfPresent(*f);
            if (c.base) WriteFileBytes(State().files.appellations, *c.base);
            if (c.chart) WriteFileBytes(State().files.vintages, *c.chart);
        };
        seed();
        SaveStepByStep(c.edit);
        const std::string wantBase = base(), wantChart = chart();
        seed();
        SaveAppellation(c.edit);
        EXPECT_EQ(base(), wantBase);
        EXPECT_EQ(chart(), wantChart);
    }
}

TEST_F(AppellationEditsTest, WhatTheSaveWrites) {
    WriteFileBytes("Vins.dat", kBase);
    WriteFileBytes("Annee.dat", kChart);
    AppellationEdit e = Edit("Rouge", "Bordeaux", "Pauillac");
    e.dishes = {{"Plats", "Gigot"}, {"Fromage", "Comté"}};
    e.vintages = {{"1995", "05"}};
    SaveAppellation(e);
    EXPECT_EQ(base(), CrLf({kPauillac, "   Temp =16 a 18", "   Garde=10 ans",
                            "   Plats=", "      Plats  :Gigot", "      Fromage:Comté", kGravesBlanc,
                            "   Temp =10", "   Keep =3 ans", "   Plats=", "      Fromage:Brie",
                            kGravesRouge, kChablis, "   Temp =9", "   Garde=5 ans"}));
    EXPECT_EQ(chart(), CrLf({kPauillacYear, "      1995,05", kChablisYear, "      2001,14"}));
}

TEST_F(AppellationEditsTest, ValuesOfASectionWithoutTheirKeyLinesAreKept) {
    const std::string remark = "   ; note";
    for (DataLanguage language : {DataLanguage::French, DataLanguage::English}) {
        SetLanguage(language);
        const bool french = language == DataLanguage::French;
        WriteFileBytes(State().files.appellations, kBase);
        AppellationEdit e = Edit("Blanc", "Bourgogne", "Chablis");
        e.dishes = {{"Dessert", "Sorbet"}};
        SaveAppellation(e);
        EXPECT_EQ(base(), kBase.substr(0, kBase.find(kChablis)) +
                              CrLf({kChablis, "   Temp =16 a 18", "   Garde=10 ans",
                                    french ? "   Plats=" : "   Dishes=", "      Dessert:Sorbet"}));

        // A section with none of the key lines; an empty value adds no line.
        WriteFileBytes(State().files.appellations, CrLf({kChablis, remark}));
        SaveAppellation(e);
        EXPECT_EQ(base(), CrLf({kChablis, "   Temp =16 a 18",
                                french ? "   Garde=10 ans" : "   Keep =10 ans", remark,
                                french ? "   Plats=" : "   Dishes=", "      Dessert:Sorbet"}));
        WriteFileBytes(State().files.appellations, CrLf({kChablis, remark}));
        e.temperature = "";
        e.keeping.reset();
        e.dishes.clear();
        SaveAppellation(e);
        EXPECT_EQ(base(), CrLf({kChablis, remark}));
    }
}

TEST_F(AppellationEditsTest, OnlyTheFirstOfTwoEqualHeadersIsEdited) {
    const std::string second =
        CrLf({kPauillac, "   Temp =99", "   Garde=old", "   Plats=", "      Dessert:Old"});
    WriteFileBytes("Vins.dat",
                   CrLf({kPauillac, "   Temp =17", "   Garde=5", "   Plats="}) + second);
    WriteFileBytes("Annee.dat",
                   CrLf({kPauillacYear, "      1990,17", kPauillacYear, "      1980,10"}));
    AppellationEdit e = Edit("Rouge", "Bordeaux", "Pauillac");
    e.dishes = {{"Plats", "Gigot"}};
    e.vintages = {{"2000", "18"}};
    SaveAppellation(e);
    EXPECT_EQ(base(), CrLf({kPauillac, "   Temp =16 a 18", "   Garde=10 ans",
                            "   Plats=", "      Plats  :Gigot"}) +
                          second);
    EXPECT_EQ(chart(), CrLf({kPauillacYear, "      2000,18", kPauillacYear, "      1980,10"}));
}

TEST_F(AppellationEditsTest, UntouchedTemperatureAndKeepingKeepTheirBytes) {
    const std::string stored =
        CrLf({kPauillac, "   Temp =17   ", "   Garde=" + std::string(60, 'x'), "   Plats="});
    WriteFileBytes("Vins.dat", stored);
    AppellationEdit e = Edit("Rouge", "Bordeaux", "Pauillac");
    e.temperature.reset();
    e.keeping.reset();
    e.dishes.clear();
    SaveAppellation(e);
    EXPECT_EQ(base(), stored);
}

TEST_F(AppellationEditsTest, AFailedSaveLeavesBothFilesOrOnlyTheChartAsTheyWere) {
    WriteFileBytes("Vins.dat", kBase);
    WriteFileBytes("Annee.dat", kChart);
    const AppellationEdit e = Edit("Rouge", "Bordeaux", "Pauillac");
    SaveAppellation(e);
    const std::string savedBase = base();
    WriteFileBytes("Vins.dat", kBase);
    WriteFileBytes("Annee.dat", kChart);
    const auto listing = testsupport::DirectoryListing();
    bool sawBaseOnly = false;
    for (long budget = 0; budget < static_cast<long>(savedBase.size() + kChart.size());
         budget += 37) {
        SCOPED_TRACE(budget);
        files_testing::FailWritesAfter(budget);
        try {
            SaveAppellation(e);
        } catch (const IoError& error) {
            EXPECT_EQ(error.kind(), IoError::Kind::DiskFull);
        }
        files_testing::FailWritesAfter(-1);
        EXPECT_EQ(testsupport::DirectoryListing(), listing);
        if (chart() == kChart) {
            sawBaseOnly = sawBaseOnly || base() == savedBase;
            EXPECT_TRUE(base() == kBase || base() == savedBase);
        }
        WriteFileBytes("Vins.dat", kBase);
        WriteFileBytes("Annee.dat", kChart);
    }
    EXPECT_TRUE(sawBaseOnly);

    files_testing::FailOpensWith(EACCES, "Annee.dat");
    EXPECT_THROW(SaveAppellation(e), IoError);
    files_testing::FailOpensWith(0);
    EXPECT_EQ(base(), kBase);
    EXPECT_EQ(chart(), kChart);
}

TEST_F(AppellationEditsTest, DeleteDropsTheChartSectionWithTheLastColourOnly) {
    const std::string graves =
        CrLf({kGravesBlanc, "   Temp =10", "   Plats=", kGravesRouge, "   Temp =16", kChablis});
    const std::string chart3 = CrLf({kGravesYear, "      1990,17", kChablisYear, "      2001,14"});
    WriteFileBytes("Vins.dat", graves);
    WriteFileBytes("Annee.dat", chart3);

    AppellationRemoval r = DeleteAppellation("Rouge", "Bordeaux", "Graves");
    EXPECT_TRUE(r.removed);
    EXPECT_FALSE(r.chartRemoved);
    EXPECT_EQ(base(), CrLf({kGravesBlanc, "   Temp =10", "   Plats=", kChablis}));
    EXPECT_EQ(chart(), chart3);

    r = DeleteAppellation("Blanc", "Bordeaux", "Graves");
    EXPECT_TRUE(r.removed);
    EXPECT_TRUE(r.chartRemoved);
    EXPECT_EQ(base(), CrLf({kChablis}));
    EXPECT_EQ(chart(), CrLf({kChablisYear, "      2001,14"}));
}

TEST_F(AppellationEditsTest, DeletingAMissingCombinationWritesNothing) {
    // LF endings would become CR LF in any rewrite.
    WriteFileBytes("Vins.dat", kGravesBlanc + "\n   Temp =10\n");
    WriteFileBytes("Annee.dat", kGravesYear + "\n      1990,17\n");
    for (const auto& [colour, region, appellation] : {std::tuple{"Rouge", "Bordeaux", "Graves"},
                                                      {"Blanc", "Bourgogne", "Graves"},
                                                      {"Blanc", "Bordeaux", "graves"}}) {
        EXPECT_FALSE(DeleteAppellation(colour, region, appellation).removed);
    }
    EXPECT_EQ(base(), kGravesBlanc + "\n   Temp =10\n");
    EXPECT_EQ(chart(), kGravesYear + "\n      1990,17\n");
    DeleteFileIfPresent("Vins.dat");
    EXPECT_FALSE(DeleteAppellation("Blanc", "Bordeaux", "Graves").removed);
    EXPECT_EQ(chart(), kGravesYear + "\n      1990,17\n");
}

TEST_F(AppellationEditsTest, IndexHoldsEveryHeaderAndEachDishOnce) {
    WriteFileBytes("Vins.dat",
                   Cp1252(CrLf({kPauillac, "      Plats  :Gigot", "      Courses:Stew",
                                kGravesBlanc, "      Plats  :GIGOT  ", "      Entrées:Huîtres",
                                "      Other  :Nothing", "      Dessert:Tarte", kPauillac})));
    const AppellationBaseIndex index = ReadAppellationBaseIndex();
    ASSERT_EQ(index.keys.size(), 3u);
    EXPECT_EQ(index.keys[1],
              PadText("Bordeaux", 20) + PadText("Blanc", 10) + PadText("Graves", 30));
    EXPECT_EQ(index.dishes[0], std::vector<std::string>{Cp1252("Huîtres")});
    EXPECT_EQ(index.dishes[1], (std::vector<std::string>{"Gigot", "Stew"}));
    EXPECT_TRUE(index.dishes[2].empty());
    EXPECT_EQ(index.dishes[3], std::vector<std::string>{"Tarte"});
}

} // namespace
