// The reference bases shipped in data/fr and data/en, read byte by byte and through the
// store's own readers: what a new data folder starts with must be what the program reads.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "store/RefBases.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/Vocabulary.h"
#include "support/TestDirs.h"

using namespace store;
using namespace testsupport;
namespace fs = std::filesystem;

namespace {

struct Shipped {
    DataLanguage language;
    const char* folder;
    const char* keepKey;
    const char* dishesKey;
};

void PrintTo(const Shipped& s, std::ostream* os) { *os << s.folder; }

const Shipped kFrench{DataLanguage::French, "fr", "   Garde=", "   Plats="};
const Shipped kEnglish{DataLanguage::English, "en", "   Keep =", "   Dishes="};

fs::path SourceFolder(const Shipped& s) { return fs::path(TONNELIX_SOURCE_DIR) / "data" / s.folder; }

std::vector<std::string> BaseNames(DataLanguage language) {
    const DataFileNames names = FileNamesFor(language);
    return {names.appellations, names.vintages, names.maturity};
}

// Lines of a CR LF file, without their ends.
std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    for (std::size_t end; (end = bytes.find("\r\n", begin)) != std::string::npos; begin = end + 2)
        lines.push_back(bytes.substr(begin, end - begin));
    return lines;
}

std::vector<std::string> ShippedLines(const Shipped& s, const std::string& name) {
    return SplitLines(ReadFileBytes((SourceFolder(s) / name).string()));
}

bool Contains(const std::vector<std::string>& list, const std::string& value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

bool IsDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Code page 1252 leaves these five bytes undefined.
bool IsUndefinedInCp1252(unsigned char c) { return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D; }

// Copies the shipped bases into the data directory and loads the language, as a new
// data folder starts: the list files are written with their defaults.
void Install(const Shipped& s) {
    for (const std::string& name : BaseNames(s.language))
        fs::copy_file(SourceFolder(s) / name, name, fs::copy_options::overwrite_existing);
    LoadVocabulary(s.language);
}

using Section = std::pair<std::string, std::string>; // region, appellation

} // namespace

class ShippedBasesTest : public DataDirTest, public ::testing::WithParamInterface<Shipped> {};

TEST_P(ShippedBasesTest, OnlyTheThreeBasesAreShipped) {
    // The lists come from LoadVocabulary and the domaine base is the user's own.
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(SourceFolder(GetParam())))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::vector<std::string> expected = BaseNames(GetParam().language);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
}

TEST_P(ShippedBasesTest, FilesAreCodePage1252TextWithCrLfAndNoBlankLine) {
    for (const std::string& name : BaseNames(GetParam().language)) {
        SCOPED_TRACE(name);
        const std::string bytes = ReadFileBytes((SourceFolder(GetParam()) / name).string());
        ASSERT_GE(bytes.size(), 2u);
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
        EXPECT_NE(bytes.substr(0, 2), "\r\n");
        EXPECT_EQ(bytes.find("\r\n\r\n"), std::string::npos);
        std::size_t firstFault = std::string::npos;
        for (std::size_t i = 0; i < bytes.size() && firstFault == std::string::npos; ++i) {
            const auto c = static_cast<unsigned char>(bytes[i]);
            const bool lineEnd = (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ||
                                 (c == '\n' && i > 0 && bytes[i - 1] == '\r');
            if (lineEnd) continue;
            if (c < 0x20 || c == 0x7F || IsUndefinedInCp1252(c)) firstFault = i;
        }
        EXPECT_EQ(firstFault, std::string::npos) << "bad byte at offset " << firstFault;
    }
}

TEST_P(ShippedBasesTest, AppellationBaseFollowsTheLayoutLineByLine) {
    const Shipped& s = GetParam();
    const std::vector<std::string> courses = Courses(s.language);
    const std::string keepKey = s.keepKey;
    const std::string dishesKey = s.dishesKey;
    const std::vector<std::string> lines = ShippedLines(s, FileNamesFor(s.language).appellations);
    ASSERT_FALSE(lines.empty());

    // Each section: header, temperature, keeping, dishes key, then its dish lines.
    for (std::size_t i = 0; i < lines.size();) {
        const std::string& header = lines[i];
        SCOPED_TRACE("line " + std::to_string(i + 1) + ": " + header);
        ASSERT_EQ(header.size(), 66u);
        EXPECT_EQ(header[0], '[');
        EXPECT_EQ(header.substr(21, 2), "][");
        EXPECT_EQ(header[33], ']'); // column 34, which the upgrade check looks at
        EXPECT_EQ(header[34], '(');
        EXPECT_EQ(header[65], ')');
        ASSERT_LT(i + 3, lines.size());
        const std::string& temperature = lines[i + 1];
        const std::string& keeping = lines[i + 2];
        EXPECT_EQ(temperature.substr(0, 9), "   Temp =");
        EXPECT_TRUE(temperature.size() > 9 && temperature.size() <= 59) << temperature;
        EXPECT_EQ(keeping.substr(0, 9), keepKey);
        EXPECT_TRUE(keeping.size() > 9 && keeping.size() <= 59) << keeping;
        EXPECT_EQ(lines[i + 3], dishesKey);
        i += 4;
        for (; i < lines.size() && lines[i][0] != '['; ++i) {
            const std::string& dish = lines[i];
            ASSERT_EQ(dish.size(), 44u) << dish;
            EXPECT_EQ(dish.substr(0, 6), "      ") << dish;
            EXPECT_TRUE(Contains(courses, dish.substr(6, 7))) << dish;
            EXPECT_EQ(dish[13], ':') << dish;
            EXPECT_FALSE(RightTrim(dish.substr(14)).empty()) << dish;
        }
    }
}

TEST_P(ShippedBasesTest, EveryAppellationReadsCompleteWithTheListsOfItsLanguage) {
    const Shipped& s = GetParam();
    Install(s);
    const std::vector<std::string> regions = DefaultRegions(s.language);
    const std::vector<std::string> colours = DefaultColours(s.language);
    const std::vector<std::string> courses = Courses(s.language);

    const std::vector<AppellationKey> sections = AppellationSections();
    EXPECT_GE(sections.size(), 300u);
    std::set<std::tuple<std::string, std::string, std::string>> seen;
    std::map<std::string, std::string> regionOfAppellation;
    for (const AppellationKey& key : sections) {
        SCOPED_TRACE(key.region + "|" + key.colour + "|" + key.appellation);
        EXPECT_TRUE(Contains(regions, key.region));
        EXPECT_TRUE(Contains(colours, key.colour));
        EXPECT_FALSE(RightTrim(key.appellation).empty());
        EXPECT_TRUE(seen.insert({key.region, key.colour, key.appellation}).second) << "section twice";
        // Choosing an appellation completes its region: a name must belong to one region.
        EXPECT_EQ(regionOfAppellation.emplace(key.appellation, key.region).first->second, key.region);

        const AppellationInfo info = AppellationDetails(key.colour, key.region, key.appellation);
        ASSERT_TRUE(info.found);
        EXPECT_FALSE(RightTrim(info.temperature).empty());
        EXPECT_FALSE(RightTrim(info.keeping).empty());
        EXPECT_GE(info.dishes.size(), 3u);
        EXPECT_LE(info.dishes.size(), 12u);
        std::set<std::string> courseSet;
        for (const Dish& d : info.dishes) {
            EXPECT_TRUE(Contains(courses, d.course)) << d.course;
            courseSet.insert(d.course);
        }
        EXPECT_GE(courseSet.size(), 2u) << "dishes of a single course";
    }
}

TEST_P(ShippedBasesTest, VintageChartHasASectionPerAppellationAndMarksOutOfTwenty) {
    const Shipped& s = GetParam();
    for (const std::string& line : ShippedLines(s, FileNamesFor(s.language).vintages)) {
        SCOPED_TRACE(line);
        if (line[0] == '[') {
            ASSERT_EQ(line.size(), 54u);
            EXPECT_EQ(line.substr(21, 2), "](");
            EXPECT_EQ(line[53], ')');
        } else {
            ASSERT_EQ(line.size(), 13u);
            EXPECT_EQ(line.substr(0, 6), "      ");
            EXPECT_EQ(line[10], ',');
        }
    }

    Install(s);
    std::set<Section> appellations;
    for (const AppellationKey& key : AppellationSections()) appellations.insert({key.region, key.appellation});
    std::set<Section> charted;
    for (const AppellationKey& key : VintageSections()) {
        SCOPED_TRACE(key.region + "|" + key.appellation);
        EXPECT_TRUE(charted.insert({key.region, key.appellation}).second) << "section twice";
        int previousYear = 0;
        for (const VintageMark& v : VintageMarks(key.region, key.appellation)) {
            ASSERT_TRUE(IsDigits(v.year)) << v.year;
            ASSERT_TRUE(IsDigits(v.mark) && v.mark.size() == 2) << v.mark;
            EXPECT_LE(std::stoi(v.mark), 20) << v.year;
            EXPECT_GT(std::stoi(v.year), previousYear) << "years out of order";
            previousYear = std::stoi(v.year);
        }
    }
    EXPECT_EQ(charted, appellations);
}

TEST_P(ShippedBasesTest, MajorAppellationsHaveAtLeastFortyVintages) {
    const Shipped& s = GetParam();
    Install(s);
    const bool fr = s.language == DataLanguage::French;
    const std::string bordeaux = "Bordeaux", burgundy = fr ? "Bourgogne" : "Burgundy",
                      rhone = fr ? Cp1252("Rhône") : "Rhone", loire = fr ? "Pays de Loire" : "Loire Valley",
                      italy = fr ? "Italie" : "Italy", spain = fr ? "Espagne" : "Spain",
                      germany = fr ? "Allemagne" : "Germany", usa = fr ? "Etats-Unis" : "United States";
    const std::vector<Section> major = {
        {bordeaux, "Pauillac"},          {bordeaux, "Margaux"},
        {bordeaux, Cp1252("Pessac-Léognan")}, {bordeaux, "Pomerol"},
        {bordeaux, "Sauternes"},         {burgundy, "Gevrey-Chambertin"},
        {burgundy, "Meursault"},         {burgundy, "Chablis"},
        {rhone, Cp1252("Côte-Rôtie")},   {rhone, Cp1252("Châteauneuf-du-Pape")},
        {loire, "Sancerre"},             {loire, "Vouvray"},
        {loire, "Chinon"},               {"Alsace", "Alsace Riesling"},
        {"Champagne", "Champagne"},      {italy, "Barolo"},
        {italy, "Brunello di Montalcino"}, {italy, "Chianti Classico"},
        {spain, "Rioja"},                {spain, "Ribera del Duero"},
        {"Portugal", "Porto Vintage"},   {germany, "Mosel"},
        {usa, "Napa Valley"},
    };
    for (const auto& [region, appellation] : major)
        EXPECT_GE(VintageMarks(region, appellation).size(), 40u) << appellation;
}

TEST_P(ShippedBasesTest, MaturityTableHasOneLineForEveryColourOfEveryRegion) {
    const Shipped& s = GetParam();
    const std::vector<std::string> lines = ShippedLines(s, FileNamesFor(s.language).maturity);
    for (const std::string& line : lines) {
        ASSERT_EQ(line.size(), 38u) << line;
        EXPECT_EQ(line[0], '[');
        EXPECT_EQ(line.substr(11, 2), "][");
        EXPECT_EQ(line.substr(33, 2), "][");
        EXPECT_EQ(line[37], ']');
    }

    Install(s);
    const std::vector<std::string> regions = DefaultRegions(s.language);
    const std::vector<std::string> colours = DefaultColours(s.language);
    const std::vector<MaturityEntry> entries = MaturityEntries();
    EXPECT_EQ(entries.size(), lines.size()) << "a line the reader skips";
    std::set<std::pair<std::string, std::string>> pairs;
    for (const MaturityEntry& e : entries) {
        EXPECT_TRUE(Contains(colours, e.colour)) << e.colour;
        EXPECT_TRUE(Contains(regions, e.region)) << e.region;
        EXPECT_TRUE(e.years >= 1 && e.years <= 99) << e.region << e.years;
        pairs.insert({e.colour, e.region});
    }
    EXPECT_EQ(pairs.size(), entries.size()) << "a colour and region listed twice";
    EXPECT_EQ(pairs.size(), regions.size() * colours.size());
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedBasesTest, ::testing::Values(kFrench, kEnglish),
                         [](const ::testing::TestParamInfo<Shipped>& info) {
                             return std::string(info.param.folder);
                         });

class ShippedBasesAcrossLanguagesTest : public DataDirTest {
protected:
    // Everything the bases of a language say, with regions and colours put in English.
    struct Contents {
        std::set<std::tuple<std::string, std::string, std::string>> appellations;
        std::map<Section, std::vector<std::pair<std::string, std::string>>> marks;
        std::map<std::pair<std::string, std::string>, int> maturity;
    };

    static Contents Read(const Shipped& s) {
        Install(s);
        const bool toEnglish = s.language == DataLanguage::French;
        auto english = [&](const std::string& term, int width) {
            return toEnglish ? TranslateTerm(term, true, width) : term;
        };
        Contents c;
        for (const AppellationKey& k : AppellationSections())
            c.appellations.insert({english(k.region, 20), english(k.colour, 10), k.appellation});
        for (const AppellationKey& k : VintageSections()) {
            auto& marks = c.marks[{english(k.region, 20), k.appellation}];
            for (const VintageMark& v : VintageMarks(k.region, k.appellation)) marks.push_back({v.year, v.mark});
        }
        for (const MaturityEntry& e : MaturityEntries())
            c.maturity[{english(e.colour, 10), english(e.region, 20)}] = e.years;
        return c;
    }
};

TEST_F(ShippedBasesAcrossLanguagesTest, BothLanguagesHoldTheSameAppellationsMarksAndMaturities) {
    const Contents fr = Read(kFrench);
    const Contents en = Read(kEnglish);
    EXPECT_EQ(fr.appellations, en.appellations);
    EXPECT_EQ(fr.marks, en.marks);
    EXPECT_EQ(fr.maturity, en.maturity);
}
