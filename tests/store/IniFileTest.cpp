#include <gtest/gtest.h>

#include <cerrno>

#include "store/Files.h"
#include "store/IniFile.h"
#include "support/TestDirs.h"

using store::IniFile;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

namespace {

const char kText[] = "; comment\r\n"
                     "top=before any section\r\n"
                     "[Options]\r\n"
                     "  Sort  =  2  \r\n"
                     "Path=\"  /a b  \"\r\n"
                     "sort=9\r\n"
                     "noequals\r\n"
                     "\r\n"
                     "[ Other ]\n"
                     "Key=x=y\n"
                     "last=1";

TEST(IniFileTest, ValuesAreFoundByTheirSectionAndKey) {
    const IniFile ini = IniFile::Parse(kText);
    EXPECT_EQ(ini.bytes(), kText);
    const struct {
        const char* section;
        const char* key;
        std::optional<std::string> value;
    } cases[] = {
        {"Options", "Sort", "2"},        // blanks around key and value dropped; first of two wins
        {"OPTIONS", "sORT", "2"},        // case of names ignored
        {"Options", "Path", "  /a b  "}, // enclosing quotes keep the blanks
        {"Other", "Key", "x=y"},
        {"Other", "last", "1"},
        {"Options", "top", std::nullopt}, // before every section
        {"Options", "noequals", std::nullopt},
        {"Options", "Key", std::nullopt},
        {"Missing", "Sort", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.value(c.section, c.key), c.value) << c.key;
}

TEST(IniFileTest, SetChangesOnlyItsLineAndReadsBack) {
    IniFile ini = IniFile::Parse(kText);
    ini.set("Options", "sort", "2");
    EXPECT_FALSE(ini.changed()); // the same value: the line keeps its bytes

    for (const char* value :
         {"", " lead", "trail ", "\"quoted\"", "\"half", "a;b,c=d", "caf\xc3\xa9"}) {
        ini.set("options", "Path", value);
        EXPECT_EQ(ini.value("Options", "Path"), value) << value;
    }
    ini.set("Options", "Sort", "3");
    ini.set("Options", "New", "n");
    ini.set("Other", "More", "m");
    ini.set("Fresh", "K", "v");
    EXPECT_TRUE(ini.changed());
    // A new key follows the last line of its section that is not blank, with the file's line
    // end; a last line without one gets it.
    EXPECT_EQ(ini.bytes(), "; comment\r\n"
                           "top=before any section\r\n"
                           "[Options]\r\n"
                           "Sort=3\r\n"
                           "Path=caf\xc3\xa9\r\n"
                           "sort=9\r\n"
                           "noequals\r\n"
                           "New=n\r\n"
                           "\r\n"
                           "[ Other ]\n"
                           "Key=x=y\n"
                           "last=1\r\n"
                           "More=m\r\n"
                           "[Fresh]\r\n"
                           "K=v\r\n");
    // A line break cannot enter a value: it would start another line.
    ini.set("Fresh", "K", "a\nb]");
    EXPECT_EQ(ini.value("Fresh", "K"), "a");
}

// A CR that ends the last line, its LF lost, is a line end as it is before an LF.
TEST(IniFileTest, ACarriageReturnEndingTheLastLineIsNoPartOfTheValue) {
    IniFile ini = IniFile::Parse("[Options]\r\nSort=2\r");
    EXPECT_EQ(ini.value("Options", "Sort"), "2");
    EXPECT_EQ(ini.bytes(), "[Options]\r\nSort=2\r");
    ini.set("Options", "Scale", "No");
    EXPECT_EQ(ini.bytes(), "[Options]\r\nSort=2\r\nScale=No\r\n");
    ini = IniFile::Parse("[Options]\rSort=2\r");
    ini.set("Other", "K", "v");
    EXPECT_EQ(IniFile::Parse(ini.bytes()).value("Other", "K"), "v");
}

class IniFileFilesTest : public testsupport::DataDirTest {};

TEST_F(IniFileFilesTest, LoadAndSaveGoThroughTheSafeFiles) {
    EXPECT_EQ(IniFile::Load("none.ini").bytes(), "");

    IniFile ini = IniFile::Load("none.ini");
    ini.set("Software", "Version", "3");
    ini.save("a.ini");
    EXPECT_EQ(ReadFileBytes("a.ini"), "[Software]\r\nVersion=3\r\n");

    WriteFileBytes("lf.ini", "[Software]\nVersion=2\n");
    ini = IniFile::Load("lf.ini");
    ini.set("Software", "Release", "01");
    store::files_testing::FailWritesAfter(5);
    EXPECT_THROW(ini.save("lf.ini"), store::IoError);
    store::files_testing::Reset();
    EXPECT_EQ(ReadFileBytes("lf.ini"), "[Software]\nVersion=2\n");
    ini.save("lf.ini");
    EXPECT_EQ(ReadFileBytes("lf.ini"), "[Software]\nVersion=2\nRelease=01\n");

    store::files_testing::FailOpensWith(EACCES, "lf.ini");
    EXPECT_THROW(IniFile::Load("lf.ini"), store::IoError);
}

} // namespace
