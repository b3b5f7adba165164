#include "stats/WinePalette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "store/Text.h"

namespace stats {

namespace {

// Capitals for ASCII and the accented letters of code page 1252, accents dropped, so that
// "Rosé", "ROSE" and "rose" are one term.
std::string Folded(std::string_view term) {
    std::string out;
    for (unsigned char c : store::RightTrim(std::string(term))) {
        if (c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 'a' + 'A');
        else if ((c >= 0xE8 && c <= 0xEB) || (c >= 0xC8 && c <= 0xCB)) c = 'E';
        else if ((c >= 0xE0 && c <= 0xE5) || (c >= 0xC0 && c <= 0xC5)) c = 'A';
        else if ((c >= 0xEC && c <= 0xEF) || (c >= 0xCC && c <= 0xCF)) c = 'I';
        else if ((c >= 0xF2 && c <= 0xF6) || (c >= 0xD2 && c <= 0xD6)) c = 'O';
        else if ((c >= 0xF9 && c <= 0xFC) || (c >= 0xD9 && c <= 0xDC)) c = 'U';
        out += static_cast<char>(c);
    }
    return out;
}

struct KnownTerm {
    const char* folded;
    WineTone tone;
};

// The shipped terms of both languages first, then the words people add for sparkling and
// sweet wines.
constexpr KnownTerm kKnown[] = {
    {"ROUGE", WineTone::Red},          {"RED", WineTone::Red},
    {"BLANC", WineTone::White},        {"WHITE", WineTone::White},
    {"ROSE", WineTone::Rose},
    {"EFFERVESCENT", WineTone::Sparkling}, {"MOUSSEUX", WineTone::Sparkling},
    {"PETILLANT", WineTone::Sparkling},    {"CREMANT", WineTone::Sparkling},
    {"CHAMPAGNE", WineTone::Sparkling},    {"BULLES", WineTone::Sparkling},
    {"SPARKLING", WineTone::Sparkling},
    {"LIQUOREUX", WineTone::Sweet},    {"MOELLEUX", WineTone::Sweet},
    {"DOUX", WineTone::Sweet},         {"VIN DOUX", WineTone::Sweet},
    {"SWEET", WineTone::Sweet},        {"DESSERT", WineTone::Sweet},
};

double Linear(int channel) {
    const double v = channel / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb c) {
    return 0.2126 * Linear(c.red) + 0.7152 * Linear(c.green) + 0.0722 * Linear(c.blue);
}

std::array<double, 3> Lab(Rgb c) {
    const double r = Linear(c.red), g = Linear(c.green), b = Linear(c.blue);
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

} // namespace

WineTone ToneOfTerm(std::string_view term) {
    const std::string folded = Folded(term);
    for (const KnownTerm& known : kKnown)
        if (folded == known.folded) return known.tone;
    return WineTone::None;
}

Rgb ToneColour(WineTone tone) {
    switch (tone) {
    case WineTone::Red: return {128, 20, 40};
    case WineTone::White: return {236, 214, 120};
    case WineTone::Rose: return {242, 150, 172};
    case WineTone::Sparkling: return {196, 222, 176};
    case WineTone::Sweet: return {196, 116, 28};
    case WineTone::None: break;
    }
    return {128, 128, 128};
}

const std::vector<Rgb>& OwnColourPalette() {
    // Blues, greens, purples, browns and greys, away from every wine tone and from one
    // another, so that any two slices or bars side by side stay apart.
    static const std::vector<Rgb> palette = {
        {40, 90, 170},   {20, 140, 140}, {110, 60, 150}, {60, 140, 60},   {130, 180, 230},
        {90, 30, 80},    {120, 120, 40}, {180, 160, 220}, {30, 40, 100},  {0, 160, 110},
        {110, 70, 40},   {80, 200, 210}, {100, 110, 130}, {20, 80, 50},   {200, 200, 200},
    };
    return palette;
}

WinePalette::WinePalette(const std::vector<std::string>& colourList) {
    for (const std::string& term : colourList) {
        if (ToneOfTerm(term) != WineTone::None) continue;
        std::string trimmed = store::RightTrim(term);
        if (std::find(own_.begin(), own_.end(), trimmed) == own_.end())
            own_.push_back(std::move(trimmed));
    }
}

Rgb WinePalette::colourOf(std::string_view term) const {
    const WineTone tone = ToneOfTerm(term);
    if (tone != WineTone::None) return ToneColour(tone);
    const std::vector<Rgb>& palette = OwnColourPalette();
    const std::string trimmed = store::RightTrim(std::string(term));
    const auto at = std::find(own_.begin(), own_.end(), trimmed);
    if (at != own_.end()) return palette[static_cast<std::size_t>(at - own_.begin()) % palette.size()];
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (unsigned char c : trimmed) hash = (hash ^ c) * 16777619u;
    return palette[hash % palette.size()];
}

Rgb TextColourOn(Rgb background) {
    const Rgb black{0, 0, 0}, white{255, 255, 255};
    return ContrastRatio(background, black) >= ContrastRatio(background, white) ? black : white;
}

double ContrastRatio(Rgb a, Rgb b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double ColourDistance(Rgb a, Rgb b) {
    const auto p = Lab(a), q = Lab(b);
    return std::sqrt((p[0] - q[0]) * (p[0] - q[0]) + (p[1] - q[1]) * (p[1] - q[1]) +
                     (p[2] - q[2]) * (p[2] - q[2]));
}

} // namespace stats
