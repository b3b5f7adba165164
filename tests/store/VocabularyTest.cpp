#include <gtest/gtest.h>

#include "store/State.h"
#include "store/Text.h"
#include "store/Vocabulary.h"
#include "support/TestDirs.h"

using namespace store;
using namespace testsupport;

class VocabularyTest : public DataDirTest {};

TEST_F(VocabularyTest, MissingListsAreWrittenWithTheDefaultsOfTheLanguage) {
    LoadVocabulary(DataLanguage::French);
    const Vocabulary& v = State().lists;
    EXPECT_EQ(v.colours.count(), 3);
    EXPECT_EQ(v.regions.count(), 47);
    EXPECT_EQ(v.marks.count(), 4);
    EXPECT_EQ(v.bottleFormats.count(), 6);
    EXPECT_EQ(ReadFileBytes("Couleur.dat"), CrLf({"Blanc     ", "Rouge     ", Cp1252("Rosé      ")}));
    EXPECT_EQ(ReadFileBytes("Note.dat"), CrLf({"Passable", "Moyen", "Bon", Cp1252("Très Bon")}));
    EXPECT_EQ(v.regions.entries[10], PadText(Cp1252("Rhône"), 20));
    EXPECT_EQ(v.regions.fixedEntry, PadText("Autre", 20));
    EXPECT_EQ(v.marks.fixedEntry, "Aucune");
    EXPECT_EQ(State().files.cellar, "Cave.dat");

    LoadVocabulary(DataLanguage::English);
    EXPECT_EQ(State().files.cellar, "Cellar.dat");
    EXPECT_EQ(ReadFileBytes("Volum.dat").substr(0, 12), "Bottle    \r\n");
    EXPECT_EQ(State().lists.regions.entries[12], PadText("Algeria", 20));
    EXPECT_EQ(State().lists.marks.fixedEntry, "None");
    EXPECT_EQ(State().lists.regions.fixedEntry, PadText("Other", 20));
}

TEST_F(VocabularyTest, ListFilesAreReadWithCapacityTrimAndPadding) {
    std::vector<std::string> colours;
    for (int i = 1; i <= 25; ++i) colours.push_back("C" + std::to_string(i) + "   ");
    colours[1] = "";
    colours[2] = Cp1252("Rosé");
    WriteFileBytes("Couleur.dat", CrLf(colours));
    WriteFileBytes("Region.dat", std::string(27, 'x') + "\n" + "Alsace\n"); // LF only
    WriteFileBytes("Note.dat", "");
    const std::string before = ReadFileBytes("Couleur.dat");

    LoadVocabulary(DataLanguage::French);
    const Vocabulary& v = State().lists;
    ASSERT_EQ(v.colours.count(), 20);
    EXPECT_EQ(v.colours.entries[0], "C1        ");
    EXPECT_EQ(v.colours.entries[1], Blanks(10));
    EXPECT_EQ(v.colours.entries[2], Cp1252("Rosé      "));
    EXPECT_EQ(ReadFileBytes("Couleur.dat"), before); // extra lines stay in the file
    ASSERT_EQ(v.regions.count(), 2);
    EXPECT_EQ(v.regions.entries[0], std::string(20, 'x'));
    EXPECT_EQ(v.marks.count(), 0); // an empty file is an empty list, not the defaults
    EXPECT_EQ(ReadFileBytes("Note.dat"), "");
    EXPECT_EQ(v.marks.fixedEntry, "Aucune");
}

// Terms are known right-trimmed, in the fields of their kind; a padded term keeps its width.
TEST(TranslateTermTest, TermsMatchRightTrimmedInFieldsOfTheirKind) {
    struct Case {
        std::string in;
        bool toEnglish;
        int width;
        std::string out;
    } cases[] = {
        {"Blanc", true, 10, "White"},
        {PadText("Blanc", 10), true, 10, PadText("White", 10)},
        {Cp1252("Très Bon"), true, 10, "Very Good"},
        {PadText(Cp1252("Très Bon"), 10), true, 10, PadText("Very Good", 10)},
        {PadText("Good", 10), false, 10, PadText("Bon", 10)},
        {"Very Good", false, 10, Cp1252("Très Bon")},
        {PadText("Bordeaux", 20), true, 20, PadText("Bordeaux", 20)},
        {PadText("Bordeaux", 20), false, 20, PadText("Bordeaux", 20)},
        {"Bourgogne", true, 20, "Burgundy"},
        {PadText("Bourgogne", 12), true, 20, PadText("Burgundy", 12)},
        {PadText("[Other Appellation]", 30), false, 30, PadText("[Autre Appellation]", 30)},
        {"[Other Appellation]", false, 30, "[Autre Appellation]"},
        {PadText(Cp1252("République tchèque"), 20), true, 20, PadText("Czech Republic", 20)},
        {PadText("Half B.", 10), false, 10, PadText("1/2 Bout.", 10)},
        {PadText("rouge", 10), true, 10, PadText("rouge", 10)},
        {"Aucune", true, 10, "None"},
        {PadText("Aucune", 10), true, 10, PadText("None", 10)},
        {PadText("", 10), true, 10, PadText("", 10)},
        // A term of another kind is no term here: an appellation named like a region.
        {PadText("Bourgogne", 30), true, 30, PadText("Bourgogne", 30)},
        {PadText("Rouge", 20), true, 20, PadText("Rouge", 20)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TranslateTerm(c.in, c.toEnglish, c.width), c.out) << c.in;
}

TEST(TranslateTermTest, EveryDefaultTermOfOneLanguageHasItsCounterpart) {
    // Each default region, colour and bottle format translates into the other language's list.
    for (bool toEnglish : {true, false}) {
        const DataLanguage from = toEnglish ? DataLanguage::French : DataLanguage::English;
        const DataLanguage to = toEnglish ? DataLanguage::English : DataLanguage::French;
        for (auto [lists, width] :
             {std::pair{std::pair{DefaultRegions(from), DefaultRegions(to)}, 20},
              std::pair{std::pair{DefaultColours(from), DefaultColours(to)}, 10},
              std::pair{std::pair{DefaultBottleFormats(from), DefaultBottleFormats(to)}, 10},
              std::pair{std::pair{DefaultMarks(from), DefaultMarks(to)}, 10}}) {
            for (const auto& term : lists.first) {
                const std::string other = TranslateTerm(term, toEnglish, width);
                EXPECT_NE(std::find(lists.second.begin(), lists.second.end(), other), lists.second.end())
                    << term;
            }
        }
    }
}

TEST(PlaceholderTest, OtherAndAllEntries) {
    EXPECT_EQ(OtherAppellation(DataLanguage::French), "[Autre Appellation]");
    EXPECT_EQ(OtherAppellation(DataLanguage::English).size(), 19u);
    EXPECT_TRUE(IsAllEntry("[Toutes]   "));
    EXPECT_TRUE(IsAllEntry("[All]"));
    EXPECT_FALSE(IsAllEntry(" [All]"));
}
