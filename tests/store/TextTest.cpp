#include <gtest/gtest.h>

#include "store/Text.h"

using namespace store;

TEST(TextTest, PadAndBlanks) {
    EXPECT_EQ(PadText("Rouge", 10), "Rouge     ");
    EXPECT_EQ(PadText("abcdefghijkl", 10), "abcdefghij");
    EXPECT_EQ(PadText("", 3), "   ");
    EXPECT_EQ(Blanks(0), "");
    EXPECT_EQ(Blanks(-2), "");
    EXPECT_EQ(Blanks(4), "    ");
}

TEST(TextTest, UpperCaseTouchesOnlyAsciiLetters) {
    EXPECT_EQ(UpperAZ(Cp1252("château margaux")), Cp1252("CHâTEAU MARGAUX"));
}

TEST(TextTest, DateRules) {
    struct Case {
        const char* text;
        bool valid;
    } cases[] = {
        {"29/02/1996", true},  {"29/02/1997", false}, {"29/02/1900", true},
        {"31/04/1998", false}, {"31-12-1998", true},  {"01/12-1998", true},
        {"1/12/1998", false},  {"01/13/1998", false}, {"01/01/0999", false},
        {"31/02/2001", false}, {"00/00/2000", false}, {"00/05/2000", false}, {"05/00/2000", false},  {"01.12.1998", false},
        {"01/12/199a", false}, {"30/06/2000 ", false}, {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsValidDate(c.text), c.valid) << c.text;
}

TEST(TextTest, DateKeys) {
    EXPECT_EQ(DateKey("05/03/1999"), "19990305");
    EXPECT_EQ(DateKey("          "), "        ");
    EXPECT_EQ(DateKey(""), "        ");
}

TEST(TextTest, WholeNumbers) {
    long v = 0;
    EXPECT_TRUE(ParseWholeNumber("1998", v));
    EXPECT_EQ(v, 1998);
    EXPECT_TRUE(ParseWholeNumber(" 7", v));
    EXPECT_EQ(v, 7);
    EXPECT_FALSE(ParseWholeNumber("    ", v));
    EXPECT_FALSE(ParseWholeNumber("19 8", v));
    EXPECT_FALSE(ParseWholeNumber("12 ", v));
    EXPECT_FALSE(ParseWholeNumber("ab", v));
}

TEST(TextTest, SourceLiteralsBecomeCodePage1252) {
    EXPECT_EQ(Cp1252("Rosé"), "Ros\xe9");
    EXPECT_EQ(Cp1252("œuf €"), "\x9c" "uf \x80");
    EXPECT_EQ(Cp1252("日"), "?");
}
