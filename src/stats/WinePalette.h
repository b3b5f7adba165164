// The colours of the charts: each wine colour in its own tone, the same on screen and paper.
// Red wines take a wine red, whites a pale gold, rosés a pink, sparkling and sweet wines
// their own tones; a colour the user added to the list takes the next tone of a fixed palette
// by its place among the list's own additions, so it keeps its tone from chart to chart and
// from run to run, whatever wines a chart happens to show. Standard C++ only.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace stats {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const Rgb&) const = default;
};

enum class WineTone { None, Red, White, Rose, Sparkling, Sweet };

// The tone of a colour term (code page 1252, padding ignored, capitals or not), in either
// language; None for a term of the user's own.
WineTone ToneOfTerm(std::string_view term);
Rgb ToneColour(WineTone tone); // tone must not be None

// The fixed palette of the user's own colours, in the order they are handed out.
const std::vector<Rgb>& OwnColourPalette();

class WinePalette {
public:
    // The colour list in its order (as stored: padded, code page 1252).
    explicit WinePalette(const std::vector<std::string>& colourList);

    // A term of the list or a known tone keeps its colour; a term that is in neither (a wine
    // whose colour was later taken out of the list) takes a tone from a hash of its text,
    // which depends on nothing else.
    Rgb colourOf(std::string_view term) const;

private:
    std::vector<std::string> own_; // right-trimmed user terms, in list order
};

// Black or white, whichever reads better on the colour.
Rgb TextColourOn(Rgb background);
// Contrast ratio of two colours' relative luminances, from 1 to 21.
double ContrastRatio(Rgb a, Rgb b);
// Distance of two colours as the eye sees it (CIE 1976 Delta E in L*a*b*).
double ColourDistance(Rgb a, Rgb b);

} // namespace stats
