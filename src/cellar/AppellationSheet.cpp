#include "cellar/AppellationSheet.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "cellar/CellarState.h"
#include "store/Files.h"
#include "store/State.h"
#include "store/Text.h"
#include "ui/Cp1252.h"

namespace cellar {

namespace {

bool IsHeader(const std::string& line) {
    return !line.empty() && line[0] == '[';
}

std::string Field(const std::string& line, std::size_t first, std::size_t count) {
    return store::RightTrim(store::Columns(line, first, count));
}

// Leaves the reader on the first dish line of the block; false when the block or its dish
// section is missing.
bool FindDishes(store::LineReader& in, const SelectedAppellation& wanted) {
    const std::string colour = store::PadText(wanted.colour, 10);
    const std::string region = store::PadText(wanted.region, 20);
    const std::string appellation = store::PadText(wanted.appellation, 30);
    std::string line;
    bool inBlock = false;
    while (in.readLine(line)) {
        if (IsHeader(line)) {
            // A block without a dish section must not lend the next block's dishes.
            if (inBlock) return false;
            inBlock = store::Columns(line, 36, 30) == appellation &&
                      store::Columns(line, 2, 20) == region &&
                      store::Columns(line, 24, 10) == colour;
            continue;
        }
        const std::string_view key = store::Columns(line, 4, 6);
        if (inBlock && (key == "Plats=" || key == "Dishes")) return true;
    }
    return false;
}

bool FindVintages(store::LineReader& in, const SelectedAppellation& wanted) {
    const std::string region = store::PadText(wanted.region, 20);
    const std::string appellation = store::PadText(wanted.appellation, 30);
    std::string line;
    while (in.readLine(line))
        if (IsHeader(line) && store::Columns(line, 2, 20) == region &&
            store::Columns(line, 24, 30) == appellation)
            return true;
    return false;
}

constexpr double kLine = 5.5;
constexpr double kHeaderHeight = 35;
constexpr double kHalf = ui::kReportWidth / 2;

ui::ReportBand PageHeader(const QString& title, const QString& temperature,
                          const QString& keeping) {
    ui::ReportBand band(ui::BandKind::PageHeader, kHeaderHeight);
    band.picture({0, 0, 14, 14}, ui::Picture::Emblem);
    band.picture({ui::kReportWidth - 14, 0, 14, 14}, ui::Picture::Emblem);
    band.text({16, 1, ui::kReportWidth - 32, 8}, title, {14, true}, ui::ReportBand::kCentre);
    const QString captions[2] = {
        QCoreApplication::translate("TChoixv_report", "Température de service :"),
        QCoreApplication::translate("TChoixv_report", "Période de garde :")};
    const QString values[2] = {temperature, keeping};
    for (int i = 0; i < 2; ++i) {
        const double y = 11 + i * kLine;
        band.text({20, y, 52, kLine}, captions[i], {10, true});
        band.text({73, y, ui::kReportWidth - 73 - 16, kLine}, values[i]);
    }
    band.rule(24, 0, ui::kReportWidth);
    band.text({2, 25.5, kHalf - 4, kLine}, QCoreApplication::translate("TChoixv_report", "Plats :"),
              {10, true});
    band.text({kHalf + 2, 25.5, kHalf - 4, kLine},
              QCoreApplication::translate("TChoixv_report", "Millésimes :"), {10, true});
    band.rule(32, 0, ui::kReportWidth);
    return band;
}

constexpr double kRow = kLine + 0.5;
constexpr double kTightestRow = 4.6; // still clear of the next line at 10 points

// The height of a row: the natural one, or a tighter one when that saves a page, so that a long
// vintage chart never leaves a few rows alone on a last page.
double RowHeight(std::size_t rows) {
    const double room = ui::kReportHeight - kHeaderHeight - ui::kFooterHeight;
    const auto perPage = [&](double height) { return static_cast<std::size_t>((room + 1e-6) / height); };
    const std::size_t natural = (rows + perPage(kRow) - 1) / perPage(kRow);
    if (natural <= 1) return kRow;
    const std::size_t fewer = natural - 1;
    if (rows > fewer * perPage(kTightestRow)) return kRow;
    const std::size_t rowsPerPage = (rows + fewer - 1) / fewer;
    return std::floor(room / static_cast<double>(rowsPerPage) * 100) / 100;
}

ui::ReportBand DetailBand(const SheetRow& row, double height) {
    ui::ReportBand band(ui::BandKind::Detail, height);
    const double line = height - 0.5;
    if (!row.course.empty() || !row.dish.empty()) {
        band.text({2, 0.25, 22, line}, ui::ToQString(row.course));
        band.text({24, 0.25, 3, line}, QStringLiteral(":"));
        band.text({27, 0.25, kHalf - 29, line}, ui::ToQString(row.dish));
    }
    if (!row.year.empty()) {
        band.text({kHalf + 2, 0.25, 12, line}, ui::ToQString(row.year));
        band.text({kHalf + 14, 0.25, 3, line}, QStringLiteral(":"));
        band.text({kHalf + 17, 0.25, 25, line}, ui::ToQString(row.mark) + QStringLiteral("/20"));
    }
    return band;
}

} // namespace

SheetContent ReadSheet() {
    const SelectedAppellation& wanted = State().selectedAppellation;
    SheetContent sheet;
    std::vector<std::pair<std::string, std::string>> dishes, vintages;
    std::string line;

    store::LineReader base;
    if (store::OpenTextForReading(base, store::State().files.appellations) &&
        FindDishes(base, wanted)) {
        sheet.dishesFound = true;
        while (base.readLine(line) && store::Columns(line, 14, 1) == ":")
            dishes.emplace_back(Field(line, 7, 7), Field(line, 15, 30));
    }
    store::LineReader chart;
    if (store::OpenTextForReading(chart, store::State().files.vintages) &&
        FindVintages(chart, wanted)) {
        sheet.vintagesFound = true;
        while (chart.readLine(line) && store::Columns(line, 11, 1) == ",")
            vintages.emplace_back(std::string(store::Columns(line, 7, 4)),
                                  std::string(store::Columns(line, 12, 2)));
    }
    for (std::size_t i = 0; i < std::max(dishes.size(), vintages.size()); ++i) {
        SheetRow row;
        if (i < dishes.size()) std::tie(row.course, row.dish) = dishes[i];
        if (i < vintages.size()) std::tie(row.year, row.mark) = vintages[i];
        sheet.rows.push_back(std::move(row));
    }
    return sheet;
}

std::optional<ui::Report> AppellationSheet(const QString& temperature, const QString& keeping) {
    const SheetContent sheet = ReadSheet();
    if (!sheet.dishesFound && !sheet.vintagesFound) return std::nullopt;
    const SelectedAppellation& wanted = State().selectedAppellation;
    ui::Report report;
    report.title = ui::ToQString(store::RightTrim(wanted.appellation)) + QStringLiteral(" - ") +
                   ui::ToQString(store::RightTrim(wanted.colour));
    report.pageHeader = PageHeader(report.title, temperature, keeping);
    const double height = RowHeight(sheet.rows.size());
    for (const SheetRow& row : sheet.rows)
        report.bands.push_back(DetailBand(row, height));
    return report;
}

bool PrintAppellationSheet(const QString& temperature, const QString& keeping) {
    const std::optional<ui::Report> report = AppellationSheet(temperature, keeping);
    return report && ui::OutputReport(*report);
}

} // namespace cellar
