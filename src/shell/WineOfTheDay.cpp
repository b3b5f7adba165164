#include "shell/WineOfTheDay.h"

#include <chrono>
#include <random>

#include "store/Files.h"
#include "store/State.h"
#include "store/Text.h"

namespace shell {

namespace {

using store::Columns;
using store::PadText;
using store::RightTrim;

bool IsHeader(const std::string& line) {
    return !line.empty() && line[0] == '[';
}

bool IsDishesKey(const std::string& line) {
    return Columns(line, 4, 6) == "Plats=" || Columns(line, 4, 7) == "Dishes=";
}

struct Section {
    std::string region;      // 20 characters
    std::string colour;      // 10
    std::string appellation; // 30
    std::vector<std::string> dishes;
    bool hasDishesKey = false;
};

int CountHeaders(const std::string& base) {
    store::LineReader reader;
    if (!store::OpenTextForReading(reader, base)) return -1;
    int count = 0;
    std::string line;
    while (reader.readLine(line))
        if (IsHeader(line)) ++count;
    return count;
}

// Reads section `index` of the appellation base: its header fields and its dishes.
bool ReadSection(const std::string& base, int index, Section& section) {
    store::LineReader reader;
    if (!store::OpenTextForReading(reader, base)) return false;
    std::string line;
    int headers = -1;
    while (headers < index && reader.readLine(line))
        if (IsHeader(line)) ++headers;
    if (headers != index) return false;
    section.region = PadText(Columns(line, 2, 20), 20);
    section.colour = PadText(Columns(line, 24, 10), 10);
    section.appellation = PadText(Columns(line, 36, 30), 30);

    // A header before the dishes key means the section has none.
    while (reader.readLine(line)) {
        if (IsHeader(line)) return true;
        if (IsDishesKey(line)) {
            section.hasDishesKey = true;
            break;
        }
    }
    if (!section.hasDishesKey) return true;
    // Only dish lines (":" in column 14) name dishes; a blank line is no dish.
    while (reader.readLine(line) && !IsHeader(line))
        if (Columns(line, 14, 1) == ":") section.dishes.push_back(RightTrim(Columns(line, 15, 30)));
    return true;
}

// The "yyyy:mm" entries of the appellation's section of the vintage chart.
std::vector<std::string> VintageEntries(const std::string& chart, const Section& section) {
    std::vector<std::string> entries;
    store::LineReader reader;
    if (!store::OpenTextForReading(reader, chart)) return entries;
    std::string line;
    bool inSection = false;
    while (reader.readLine(line)) {
        if (IsHeader(line)) {
            if (inSection) break;
            inSection = PadText(Columns(line, 2, 20), 20) == section.region &&
                        PadText(Columns(line, 24, 30), 30) == section.appellation;
        } else if (inSection && Columns(line, 11, 1) == ",") {
            entries.push_back(std::string(Columns(line, 7, 4)) + ":" +
                              std::string(Columns(line, 12, 2)));
        }
    }
    return entries;
}

std::string MarkOf(const std::string& entry) {
    const auto colon = entry.find(':');
    return colon == std::string::npos ? std::string() : entry.substr(colon + 1);
}

} // namespace

std::vector<std::string> SortByMark(std::vector<std::string> entries) {
    for (std::size_t i = 0; i + 1 < entries.size(); ++i) {
        std::size_t best = i;
        for (std::size_t j = i + 1; j < entries.size(); ++j)
            if (MarkOf(entries[j]) > MarkOf(entries[best])) best = j;
        std::swap(entries[i], entries[best]);
    }
    return entries;
}

std::string WineOfTheDay(const Draw& draw) {
    const auto& files = store::State().files;
    const bool french = store::State().language == store::DataLanguage::French;

    const int count = CountHeaders(files.appellations);
    if (count <= 0) return {};
    const int chosen = draw(count);
    Section section;
    if (chosen < 0 || chosen >= count || !ReadSection(files.appellations, chosen, section))
        return {};

    std::string text =
        RightTrim(section.appellation) + " (" + RightTrim(section.region) + ")" + " : ";

    const std::vector<std::string> vintages = SortByMark(VintageEntries(files.vintages, section));
    if (!vintages.empty()) {
        text += french ? store::Cp1252(" Ses meilleures années : ")
                       : std::string(" Its best vintages : ");
        for (std::size_t i = 0; i < vintages.size() && i < 3; ++i) {
            if (i > 0) text += ", ";
            text += vintages[i].substr(0, 4);
        }
        text += ".";
    }

    if (!section.dishes.empty()) {
        const std::string colour = RightTrim(section.colour);
        text += french ? " Ce vin " + colour + " peut se boire avec les plats suivants : "
                       : " This " + colour + " wine can be drunk with the following dishes : ";
        for (std::size_t i = 0; i < section.dishes.size(); ++i) {
            if (i > 0) text += ", ";
            text += section.dishes[i];
        }
        text += ".";
    }
    return text;
}

std::string WineOfTheDay() {
    std::mt19937 generator(
        static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
    return WineOfTheDay([&generator](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(generator);
    });
}

} // namespace shell
