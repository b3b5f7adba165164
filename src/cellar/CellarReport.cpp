#include "cellar/CellarReport.h"

#include <QCoreApplication>

#include <charconv>
#include <cmath>

#include "store/State.h"
#include "store/Text.h"
#include "ui/Cp1252.h"

namespace cellar {

namespace {

bool ReadDecimal(const std::string& text, double& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end && std::isfinite(value);
}

// Right-aligned in `width` characters, never cut.
std::string RightAligned(std::string text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

// Two decimals whatever the locale of the process.
std::string TwoDecimals(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    return std::string(buffer, result.ptr);
}

// Millimetres of the columns under the headings: left edge, width, alignment.
struct Column {
    double x;
    double width;
    int flags;
};
constexpr Column kColumns[8] = {
    {0, 14, ui::ReportBand::kLeft},   {15, 8, ui::ReportBand::kRight},
    {26, 20, ui::ReportBand::kRight}, {50, 30, ui::ReportBand::kLeft},
    {82, 16, ui::ReportBand::kLeft},  {100, 28, ui::ReportBand::kLeft},
    {130, 26, ui::ReportBand::kLeft}, {158, ui::kReportWidth - 158, ui::ReportBand::kLeft},
};
const char* const kHeadings[8] = {
    QT_TRANSLATE_NOOP("TReport_Livre", "Année"),
    QT_TRANSLATE_NOOP("TReport_Livre", "Qté"),
    QT_TRANSLATE_NOOP("TReport_Livre", "Prix"),
    QT_TRANSLATE_NOOP("TReport_Livre", "Date d'achat"),
    QT_TRANSLATE_NOOP("TReport_Livre", "Apogée"),
    QT_TRANSLATE_NOOP("TReport_Livre", "Volume"),
    QT_TRANSLATE_NOOP("TReport_Livre", "Place"),
    QT_TRANSLATE_NOOP("TReport_Livre", "Appréciation"),
};
constexpr double kLine = 17 * ui::kDesignPixel; // the height of one printed line
constexpr double kWideLeft = 15;                // appellation, owner, purchase place
constexpr double kWideRight = 82;               // domaine, remarks, under the peak year

QRectF Cell(const Column& column, double y) {
    return {column.x, y, column.width, kLine};
}

ui::ReportBand PageHeader() {
    ui::ReportBand band(ui::BandKind::PageHeader, 25);
    band.picture({0, 0, 14, 14}, ui::Picture::Emblem);
    band.picture({ui::kReportWidth - 14, 0, 14, 14}, ui::Picture::Bottle);
    band.text({16, 2, ui::kReportWidth - 32, 9},
              QCoreApplication::translate("TReport_Livre", "Inventaire Livre de Cave"), {14, true},
              ui::ReportBand::kCentre);
    band.rule(16, 0, ui::kReportWidth);
    for (int i = 0; i < 8; ++i)
        band.text(Cell(kColumns[i], 17.5),
                  QCoreApplication::translate("TReport_Livre", kHeadings[i]), {10, true},
                  kColumns[i].flags);
    band.rule(23, 0, ui::kReportWidth);
    return band;
}

ui::ReportBand GroupBand(int level, const std::string& value) {
    if (level == 1) {
        ui::ReportBand band(ui::BandKind::Group, 7.5, 1);
        band.text({0, 1.5, ui::kReportWidth, 5.5}, ui::ShownField(value), {11, true});
        return band;
    }
    ui::ReportBand band(ui::BandKind::Group, 6, 2);
    band.text({8, 0.5, ui::kReportWidth - 8, 5}, ui::ShownField(value),
              {10, true}); // indented under the outer group
    return band;
}

ui::ReportBand DetailBand(const store::CellarWine& wine) {
    ui::ReportBand band(ui::BandKind::Detail, 4 * kLine + 2);
    const double y1 = 0.5, y2 = y1 + kLine, y3 = y2 + kLine, y4 = y3 + kLine;
    band.text(Cell(kColumns[0], y1), ui::ShownField(wine.vintage), {10, true});
    band.text({kWideLeft, y1, kWideRight - kWideLeft - 2, kLine}, ui::ShownField(wine.appellation),
              {10, true});
    band.text({kWideRight, y1, ui::kReportWidth - kWideRight, kLine}, ui::ShownField(wine.domaine));
    const std::string* line2[7] = {&wine.quantity, &wine.price,        &wine.purchaseDate,
                                   &wine.peakYear, &wine.bottleFormat, &wine.location,
                                   &wine.mark};
    for (int i = 0; i < 7; ++i)
        band.text(Cell(kColumns[i + 1], y2), ui::ShownField(*line2[i]), {}, kColumns[i + 1].flags);
    band.text({kWideLeft, y3, kWideRight - kWideLeft - 2, kLine}, ui::ShownField(wine.owner));
    band.text({kWideRight, y3, ui::kReportWidth - kWideRight, kLine}, ui::ShownField(wine.remarks));
    band.text({kWideLeft, y4, ui::kReportWidth - kWideLeft, kLine},
              ui::ShownField(wine.purchasePlace));
    return band;
}

// A summary line cut into its caption (up to the colon), then each number with its leading
// blanks and the word that follows it, so the numbers of every line stand right-aligned under
// each other whatever the width of the blanks.
std::vector<std::string> Segments(const std::string& line) {
    std::vector<std::string> segments;
    std::size_t pos = line.find(':') + 1;
    segments.push_back(line.substr(0, pos));
    while (pos < line.size()) {
        std::size_t start = pos;
        while (pos < line.size() && line[pos] == ' ')
            ++pos;
        while (pos < line.size() && line[pos] != ' ')
            ++pos;
        segments.push_back(line.substr(start, pos - start));
        start = pos;
        const std::size_t close = line.find(')', pos);
        pos = close == std::string::npos ? line.size() : close + 1;
        while (pos < line.size() && line[pos] == ' ')
            ++pos;
        segments.push_back(line.substr(start, pos - start));
    }
    return segments;
}

ui::ReportBand SummaryBand(const std::vector<std::string>& lines) {
    // Millimetres: the caption, then each number right-aligned and the word after it.
    constexpr double kCaptionEnd = 48;
    constexpr double kNumbers[3][2] = {{kCaptionEnd, 58}, {78, 92}, {120, 142}};
    constexpr ui::ReportFont kBold{10, true};
    ui::ReportBand band(ui::BandKind::Summary, 4 + kLine * static_cast<double>(lines.size()));
    double y = 2.5;
    for (const std::string& line : lines) {
        const std::vector<std::string> segments = Segments(line);
        band.text({0, y, kCaptionEnd, kLine}, ui::ToQString(segments[0]), kBold);
        for (std::size_t i = 1; i < segments.size() && i <= 6; ++i) {
            const std::size_t figure = (i - 1) / 2;
            const double left = i % 2 ? kNumbers[figure][0] : kNumbers[figure][1];
            const double right = i % 2        ? kNumbers[figure][1]
                                 : figure < 2 ? kNumbers[figure + 1][0]
                                              : ui::kReportWidth;
            band.text({left, y, right - left, kLine}, ui::ToQString(segments[i]), kBold,
                      i % 2 ? ui::ReportBand::kRight : ui::ReportBand::kLeft);
        }
        y += kLine;
    }
    return band;
}

} // namespace

void ColourTotals::add(const store::CellarWine& wine) {
    const auto& colours = store::State().lists.colours.entries;
    const std::string colour = store::RightTrim(wine.colour);
    long quantity = 0;
    double price = 0;
    if (!store::ParseWholeNumber(store::Trim(wine.quantity), quantity)) quantity = 0;
    if (!ReadDecimal(store::Trim(wine.price), price)) price = 0;
    const int count = std::min<int>(static_cast<int>(colours.size()), kSize - 1);
    for (int i = 1; i <= count; ++i) {
        if (store::RightTrim(colours[static_cast<std::size_t>(i - 1)]) != colour) continue;
        for (int at : {i, 0}) {
            bottles[at] += quantity;
            wines[at] += 1;
            value[at] += static_cast<double>(quantity) * price;
        }
        // A colour listed twice would otherwise count its wines twice in the total.
        break;
    }
}

std::vector<std::string> SummaryLines(const ColourTotals& totals) {
    const bool english = store::State().language == store::DataLanguage::English;
    const auto& colours = store::State().lists.colours.entries;
    auto figures = [&](int at) {
        return RightAligned(std::to_string(totals.wines[at]), 3) +
               (english ? " (Wines)  " : " (Vins)  ") +
               RightAligned(std::to_string(totals.bottles[at]), 3) +
               (english ? " (Bottles)  " : " (Bouteilles)  ") +
               RightAligned(TwoDecimals(totals.value[at]), 9) +
               (english ? " (Value)" : " (Montant)");
    };
    std::vector<std::string> lines;
    const int count = std::min<int>(static_cast<int>(colours.size()), ColourTotals::kSize - 1);
    for (int i = 1; i <= count; ++i) {
        if (totals.bottles[i] <= 0) continue;
        const std::string colour = store::RightTrim(colours[static_cast<std::size_t>(i - 1)]);
        lines.push_back((english ? colour + " Wines " : "Vins " + colour + "s") + " :    " +
                        figures(i));
    }
    lines.push_back("Total :    " + figures(0));
    return lines;
}

std::vector<store::CellarWine> ListedWines() {
    std::vector<store::CellarWine> wines;
    store::LineReader in;
    if (!store::OpenTextForReading(in, store::State().files.cellar)) return wines;
    const bool toDrink = store::State().filter.toDrink;
    store::CellarWine wine;
    while (!in.eof() && store::ReadCellarWine(in, wine)) {
        if (!store::CellarWineMatches(wine)) continue;
        if (toDrink && !store::PeakYearHasCome(wine)) continue;
        wines.push_back(wine);
    }
    return wines;
}

ui::Report CellarReport(const std::vector<store::CellarWine>& wines) {
    ui::Report report;
    report.title = QCoreApplication::translate(
        "TReport_Livre", "Inventaire Livre de Cave"); // the printed title, not the window's
    report.pageHeader = PageHeader();

    const bool regionFirst = store::State().sort == 3;
    std::string outer, inner; // the captions of the two group bands, empty before the first wine
    bool first = true;
    ColourTotals totals;
    for (const store::CellarWine& wine : wines) {
        const std::string& level1 = regionFirst ? wine.region : wine.colour;
        const std::string& level2 = regionFirst ? wine.colour : wine.region;
        if (first || level1 != outer) {
            report.bands.push_back(GroupBand(1, level1));
            report.bands.push_back(GroupBand(2, level2));
        } else if (level2 != inner) {
            report.bands.push_back(GroupBand(2, level2));
        }
        first = false;
        outer = level1;
        inner = level2;
        report.bands.push_back(DetailBand(wine));
        totals.add(wine);
    }
    report.bands.push_back(SummaryBand(SummaryLines(totals)));
    return report;
}

bool PrintCellarReport() {
    const std::vector<store::CellarWine> wines = ListedWines();
    if (wines.empty()) return false;
    return ui::OutputReport(CellarReport(wines));
}

} // namespace cellar
