// The charts' colours: the wines' own tones for the shipped terms of both languages, a stable
// tone for the user's own, neighbours apart and text readable on each.
#include <gtest/gtest.h>

#include "stats/WinePalette.h"
#include "store/Text.h"
#include "store/Vocabulary.h"

namespace {

using stats::Rgb;
using stats::WineTone;

TEST(WinePaletteTest, ShippedTermsOfBothLanguagesTakeTheWinesTones) {
    for (auto language : {store::DataLanguage::French, store::DataLanguage::English}) {
        const std::vector<std::string> colours = store::DefaultColours(language);
        const stats::WinePalette palette(colours);
        ASSERT_EQ(colours.size(), 3u);
        EXPECT_EQ(palette.colourOf(colours[0]), stats::ToneColour(WineTone::White));
        EXPECT_EQ(palette.colourOf(colours[1]), stats::ToneColour(WineTone::Red));
        EXPECT_EQ(palette.colourOf(colours[2]), stats::ToneColour(WineTone::Rose));
    }
    for (const char* sparkling : {"Effervescent", "Mousseux", "CRÉMANT", "sparkling "})
        EXPECT_EQ(stats::ToneOfTerm(store::Cp1252(sparkling)), WineTone::Sparkling) << sparkling;
    for (const char* sweet : {"Liquoreux", "Moelleux", "Sweet"})
        EXPECT_EQ(stats::ToneOfTerm(store::Cp1252(sweet)), WineTone::Sweet) << sweet;
    EXPECT_EQ(stats::ToneOfTerm("Jaune"), WineTone::None);
}

TEST(WinePaletteTest, OwnColoursFollowTheirPlaceInTheListAndKeepItEveryTime) {
    const std::vector<std::string> list = {"Blanc     ", "Jaune     ", "Rouge     ", "Orange    ", "Gris      "};
    const stats::WinePalette palette(list);
    const auto& own = stats::OwnColourPalette();
    EXPECT_EQ(palette.colourOf("Jaune"), own[0]);
    EXPECT_EQ(palette.colourOf("Orange    "), own[1]);
    EXPECT_EQ(palette.colourOf("Gris"), own[2]);
    // The same list gives the same tones; a term out of the list gets one from its text alone.
    const stats::WinePalette again(list);
    const stats::WinePalette other({"Blanc"});
    for (const char* term : {"Jaune", "Orange", "Gris", "Vert", "Noir"})
        EXPECT_EQ(palette.colourOf(term), again.colourOf(term)) << term;
    EXPECT_EQ(palette.colourOf("Vert"), other.colourOf("Vert      "));
    // Many own colours go round the palette, never standing beside their own tone.
    std::vector<std::string> many;
    for (int i = 0; i < 40; ++i) many.push_back("C" + std::to_string(i));
    const stats::WinePalette crowd(many);
    for (int i = 1; i < 40; ++i)
        EXPECT_NE(crowd.colourOf("C" + std::to_string(i)), crowd.colourOf("C" + std::to_string(i - 1))) << i;
}

TEST(WinePaletteTest, AnyTwoColoursSideBySideStayApartAndTextOnEachReads) {
    std::vector<Rgb> all;
    for (WineTone tone : {WineTone::Red, WineTone::White, WineTone::Rose, WineTone::Sparkling, WineTone::Sweet})
        all.push_back(stats::ToneColour(tone));
    for (const Rgb& c : stats::OwnColourPalette()) all.push_back(c);
    // Slices and bars follow the list, where any two colours may meet once those between
    // them have no wine: every pair is checked, not only those next in the palette.
    for (std::size_t i = 0; i < all.size(); ++i) {
        for (std::size_t j = i + 1; j < all.size(); ++j)
            EXPECT_GE(stats::ColourDistance(all[i], all[j]), 20.0) << i << " and " << j;
        const Rgb text = stats::TextColourOn(all[i]);
        EXPECT_GE(stats::ContrastRatio(all[i], text), 4.5) << i;
    }
    EXPECT_NEAR(stats::ContrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
    EXPECT_NEAR(stats::ColourDistance({10, 20, 30}, {10, 20, 30}), 0.0, 1e-9);
}

} // namespace
