// Food and wine: the dishes of the appellation base by course, and the appellation blocks
// that name a dish.
#pragma once

#include <QStringList>

#include <array>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace advice {

enum Course { Starters, MainCourses, Cheeses, Desserts, kCourses };

// The course of a dish type as the base writes it (7 characters, blanks included), in either
// language; nothing for a type of no course.
std::optional<Course> CourseOfType(const std::string& type);

// One list per course, each sorted without regard to case and holding a name once, in the
// form met first. Empty lists when the base cannot be opened.
struct DishLists {
    std::array<QStringList, kCourses> lists;
};
DishLists BuildDishLists();

// The dishes of the ticked courses sorted together; a name of two ticked courses comes twice.
QStringList ShownDishes(const DishLists& dishes, const std::array<bool, kCourses>& ticked);

// An appellation block that names the dish, right-trimmed, with the block's serving temperature.
struct PairedWine {
    std::string colour;
    std::string region;
    std::string appellation;
    std::string temperature;
};

// Every block naming the dish exactly (case included), once each, in the order of the base;
// nothing when the base cannot be opened.
std::optional<std::vector<PairedWine>> WinesForDish(const std::string& dish);

// Colour, region and appellation, right-trimmed, of every wine of the cellar.
using CellarIdentities = std::set<std::tuple<std::string, std::string, std::string>>;
CellarIdentities ReadCellarIdentities();

struct PairingAnswer {
    bool baseOpened = false;
    std::vector<PairedWine> wines; // in the order of the base
};

// The answer for the dish as the list shows it (right-trimmed, at most 30 characters kept);
// with cellarOnly, only the blocks of which the cellar holds a wine. The cellar is read once.
PairingAnswer AnswerForDish(const std::string& dish, bool cellarOnly);

// The serving temperature of the first block of this colour, region and appellation
// (compared right-trimmed); empty when there is none.
std::string BlockTemperature(const std::string& colour, const std::string& region,
                             const std::string& appellation);

} // namespace advice
