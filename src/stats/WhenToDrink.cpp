#include "stats/WhenToDrink.h"
#include "stats/ColourOrder.h"

#include <algorithm>
#include <map>

#include "store/Files.h"
#include "store/State.h"
#include "store/Text.h"

namespace stats {

namespace {

long Whole(const std::string& field) {
    long value = 0;
    return store::ParseWholeNumber(store::RightTrim(field), value) ? value : 0;
}

// The peak year, or 0 when the field holds none.
int PeakYear(const store::CellarWine& wine) {
    long year = 0;
    if (!store::ParseWholeNumber(store::Trim(wine.peakYear), year) || year <= 0 || year > 9999)
        return 0;
    return static_cast<int>(year);
}

} // namespace

int DrinkChart::barOf(DrinkBar::Kind kind, int year) const {
    for (std::size_t i = 0; i < bars.size(); ++i)
        if (bars[i].kind == kind && (kind != DrinkBar::Kind::Year || bars[i].year == year))
            return static_cast<int>(i);
    return -1;
}

DrinkAccumulator::DrinkAccumulator(const std::vector<std::string>& colourList, int currentYear)
    : currentYear_(currentYear) {
    for (const std::string& term : colourList) {
        std::string trimmed = store::RightTrim(term);
        if (std::find(listed_.begin(), listed_.end(), trimmed) == listed_.end())
            listed_.push_back(std::move(trimmed));
    }
}

void DrinkAccumulator::add(long position, const store::CellarWine& wine) {
    std::string_view colour = wine.colour;
    while (!colour.empty() && colour.back() == ' ') colour.remove_suffix(1);
    // A cellar holds a handful of colours, most often the same one as the wine before.
    std::size_t c = colourOf_.empty() ? 0 : colourOf_.back();
    if (c >= colours_.size() || colours_[c] != colour) {
        c = static_cast<std::size_t>(std::find(colours_.begin(), colours_.end(), colour) - colours_.begin());
        if (c == colours_.size()) colours_.emplace_back(colour);
    }
    colourOf_.push_back(c);
    peak_.push_back(PeakYear(wine));
    wines_.push_back({position, wine.colour, wine.appellation, wine.domaine, wine.vintage, wine.peakYear,
                      wine.location, std::max(0L, Whole(wine.quantity))});
}

DrinkChart DrinkAccumulator::result() {
    DrinkChart chart;
    chart.currentYear = currentYear_;

    const std::vector<std::size_t> place = OrderColours(colours_, listed_, chart.colours);

    DrinkBar past{DrinkBar::Kind::Past, 0, {}, 0, {}};
    DrinkBar none{DrinkBar::Kind::NoPeak, 0, {}, 0, {}};
    std::map<int, DrinkBar> years;
    years[currentYear_] = {DrinkBar::Kind::Year, currentYear_, {}, 0, {}};
    int last = currentYear_;
    for (std::size_t i = 0; i < wines_.size(); ++i) {
        const int peak = peak_[i];
        DrinkBar* bar = &none;
        if (peak > 0 && peak < currentYear_) {
            bar = &past;
        } else if (peak > 0) {
            bar = &years[peak];
            bar->year = peak;
            last = std::max(last, peak);
        }
        if (bar->bottles.empty()) bar->bottles.assign(chart.colours.size(), 0);
        bar->bottles[place[colourOf_[i]]] += wines_[i].bottles;
        bar->total += wines_[i].bottles;
        bar->wines.push_back(i);
    }
    const auto finish = [&](DrinkBar bar) {
        bar.bottles.resize(chart.colours.size(), 0);
        chart.bars.push_back(std::move(bar));
    };
    if (!past.wines.empty()) finish(past);
    const int calendarEnd = std::min(last, currentYear_ + kCalendarYears);
    for (int year = currentYear_; year <= calendarEnd; ++year) {
        const auto at = years.find(year);
        finish(at != years.end() ? at->second : DrinkBar{DrinkBar::Kind::Year, year, {}, 0, {}});
    }
    for (auto at = years.upper_bound(calendarEnd); at != years.end(); ++at) finish(at->second);
    if (!none.wines.empty()) finish(none);
    chart.wines = std::move(wines_);
    return chart;
}

DrinkChart ComputeWhenToDrink() {
    DrinkAccumulator sums(store::State().lists.colours.entries, store::CurrentYear());
    store::LineReader in;
    if (store::OpenTextForReading(in, store::State().files.cellar)) {
        store::CellarWine wine;
        long position = 0;
        while (!in.eof() && store::ReadCellarWine(in, wine)) sums.add(position++, wine);
    }
    return sums.result();
}

} // namespace stats
