#include "advice/Pairing.h"

#include <QCollator>
#include <QSet>

#include <algorithm>

#include "store/Files.h"
#include "store/Records.h"
#include "store/State.h"
#include "store/Text.h"
#include "ui/Cp1252.h"

namespace advice {

namespace {

bool IsHeader(const std::string& line) {
    return !line.empty() && line[0] == '[';
}

bool IsDishLine(const std::string& line) {
    return store::Columns(line, 14, 1) == ":";
}

bool IsTemperatureLine(const std::string& line) {
    return store::Columns(line, 4, 6) == "Temp =";
}

std::string Field(const std::string& line, std::size_t first, std::size_t count) {
    return store::RightTrim(store::Columns(line, first, count));
}

void SortDishes(QStringList& names) {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(), [&](const QString& a, const QString& b) {
        return collator.compare(a, b) < 0;
    });
}

} // namespace

std::optional<Course> CourseOfType(const std::string& type) {
    static const std::string kTypes[][2] = {{store::Cp1252("Entrées"), "Starter"},
                                            {"Plats  ", "Courses"},
                                            {"Fromage", "Cheeses"},
                                            {"Dessert", "Dessert"}};
    for (int c = 0; c < kCourses; ++c)
        if (type == kTypes[c][0] || type == kTypes[c][1]) return static_cast<Course>(c);
    return std::nullopt;
}

DishLists BuildDishLists() {
    DishLists dishes;
    store::LineReader in;
    if (!store::OpenTextForReading(in, store::State().files.appellations)) return dishes;
    std::array<QSet<QString>, kCourses> seen; // case-folded names already listed
    std::string line;
    while (in.readLine(line)) {
        if (!IsDishLine(line)) continue;
        const std::optional<Course> course = CourseOfType(std::string(store::Columns(line, 7, 7)));
        const std::string name = Field(line, 15, 30);
        // A type with nothing after it names no dish.
        if (!course || name.empty()) continue;
        const QString shown = ui::ToQString(name);
        const QString folded = shown.toCaseFolded();
        if (seen[*course].contains(folded)) continue;
        seen[*course].insert(folded);
        dishes.lists[*course] << shown;
    }
    for (QStringList& list : dishes.lists)
        SortDishes(list);
    return dishes;
}

QStringList ShownDishes(const DishLists& dishes, const std::array<bool, kCourses>& ticked) {
    QStringList shown;
    for (int c = 0; c < kCourses; ++c)
        if (ticked[c]) shown += dishes.lists[c];
    SortDishes(shown);
    return shown;
}

std::optional<std::vector<PairedWine>> WinesForDish(const std::string& dish) {
    store::LineReader in;
    if (!store::OpenTextForReading(in, store::State().files.appellations)) return std::nullopt;
    std::vector<PairedWine> wines;
    PairedWine current;
    bool inBlock = false;
    bool named = false; // the current block is already in the answer
    std::string line;
    while (in.readLine(line)) {
        if (IsHeader(line)) {
            // Each block has its own temperature, even when it lacks its "Temp =" line.
            current = {Field(line, 24, 10), Field(line, 2, 20), Field(line, 36, 30), {}};
            inBlock = true;
            named = false;
        } else if (IsTemperatureLine(line)) {
            current.temperature = Field(line, 10, 50);
        } else if (inBlock && !named && IsDishLine(line) && Field(line, 15, 30) == dish) {
            wines.push_back(current);
            named = true;
        }
    }
    return wines;
}

CellarIdentities ReadCellarIdentities() {
    CellarIdentities identities;
    store::LineReader in;
    if (!store::OpenTextForReading(in, store::State().files.cellar)) return identities;
    store::CellarWine wine;
    while (!in.eof() && store::ReadCellarWine(in, wine))
        identities.emplace(store::RightTrim(wine.colour), store::RightTrim(wine.region),
                           store::RightTrim(wine.appellation));
    return identities;
}

PairingAnswer AnswerForDish(const std::string& dish, bool cellarOnly) {
    PairingAnswer answer;
    const std::string chosen =
        store::RightTrim(dish.substr(0, std::min<std::size_t>(dish.size(), 30)));
    std::optional<std::vector<PairedWine>> wines = WinesForDish(chosen);
    if (!wines) return answer;
    answer.baseOpened = true;
    if (!cellarOnly || wines->empty()) {
        answer.wines = std::move(*wines);
        return answer;
    }
    const CellarIdentities cellar = ReadCellarIdentities();
    for (PairedWine& wine : *wines)
        if (cellar.count({wine.colour, wine.region, wine.appellation}))
            answer.wines.push_back(std::move(wine));
    return answer;
}

std::string BlockTemperature(const std::string& colour, const std::string& region,
                             const std::string& appellation) {
    store::LineReader in;
    if (!store::OpenTextForReading(in, store::State().files.appellations)) return {};
    const std::string wantedColour = store::RightTrim(colour);
    const std::string wantedRegion = store::RightTrim(region);
    const std::string wantedAppellation = store::RightTrim(appellation);
    std::string temperature;
    bool inBlock = false;
    std::string line;
    while (in.readLine(line)) {
        if (IsHeader(line)) {
            if (inBlock) break;
            inBlock = Field(line, 24, 10) == wantedColour && Field(line, 2, 20) == wantedRegion &&
                      Field(line, 36, 30) == wantedAppellation;
        } else if (inBlock && IsTemperatureLine(line)) {
            temperature = Field(line, 10, 50);
        }
    }
    return temperature;
}

} // namespace advice
