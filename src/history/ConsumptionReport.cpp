#include "history/ConsumptionReport.h"

#include <QCoreApplication>

#include "history/ConsumedEntries.h"
#include "store/Text.h"
#include "ui/Cp1252.h"

namespace history {

namespace {

struct Column {
    double x;
    double width;
    int flags;
};
// Millimetres under the headings; the price stands right-aligned.
constexpr Column kColumns[9] = {
    {0, 16, ui::ReportBand::kLeft},
    {17, 29, ui::ReportBand::kLeft},
    {47, 41.5, ui::ReportBand::kLeft},
    {89.5, 9.5, ui::ReportBand::kLeft},
    {99.5, 5.5, ui::ReportBand::kRight},
    {107, 17, ui::ReportBand::kLeft},
    {125, 17.5, ui::ReportBand::kLeft},
    {143, 14, ui::ReportBand::kRight},
    {160.5, ui::kReportWidth - 160.5, ui::ReportBand::kLeft},
};
const char* const kHeadings[9] = {
    QT_TRANSLATE_NOOP("TReport_conso", "Couleur"),
    QT_TRANSLATE_NOOP("TReport_conso", "Région"),
    QT_TRANSLATE_NOOP("TReport_conso", "Appellation"),
    QT_TRANSLATE_NOOP("TReport_conso", "Année"),
    QT_TRANSLATE_NOOP("TReport_conso", "Qté"),
    QT_TRANSLATE_NOOP("TReport_conso", "Date conso."),
    QT_TRANSLATE_NOOP("TReport_conso", "Volume"),
    QT_TRANSLATE_NOOP("TReport_conso", "Prix"),
    QT_TRANSLATE_NOOP("TReport_conso", "Appréciation"),
};
constexpr double kLine = 3.8;
constexpr int kRegion = 1;
constexpr int kDrinkDate = 5;

QRectF Cell(int column, double y) {
    return {kColumns[column].x, y, kColumns[column].width, kLine};
}

// Lines 2 to 4 run from their heading to the next wide column.
QRectF Wide(int column, double y) {
    const double right = column == kRegion ? kColumns[kDrinkDate].x - 1.5 : ui::kReportWidth;
    return {kColumns[column].x, y, right - kColumns[column].x, kLine};
}

ui::ReportBand PageHeader() {
    ui::ReportBand band(ui::BandKind::PageHeader, 24);
    band.picture({0, 0, 14, 14}, ui::Picture::Emblem);
    band.picture({ui::kReportWidth - 14, 0, 14, 14}, ui::Picture::Emblem);
    band.text({16, 2, ui::kReportWidth - 32, 9},
              QCoreApplication::translate("TReport_conso", "Inventaire Vins consommés"), {14, true},
              ui::ReportBand::kCentre);
    band.rule(16, 0, ui::kReportWidth);
    for (int i = 0; i < 9; ++i)
        band.text({kColumns[i].x, 17, kColumns[i].width, 5},
                  QCoreApplication::translate("TReport_conso", kHeadings[i]), {8, true},
                  kColumns[i].flags);
    band.rule(22.5, 0, ui::kReportWidth);
    return band;
}

ui::ReportBand DetailBand(const store::ConsumedWine& entry) {
    constexpr ui::ReportFont kFont{8};
    ui::ReportBand band(ui::BandKind::Detail, 4 * kLine + 1.5);
    const std::string* line1[9] = {&entry.colour,       &entry.region,   &entry.appellation,
                                   &entry.vintage,      &entry.quantity, &entry.drinkDate,
                                   &entry.bottleFormat, &entry.price,    &entry.mark};
    for (int i = 0; i < 9; ++i)
        band.text(Cell(i, 0.5), ui::ShownField(*line1[i]), kFont, kColumns[i].flags);
    const std::string* below[3][2] = {{&entry.domaine, &entry.owner},
                                      {&entry.remarks, &entry.purchasePlace},
                                      {&entry.comments, &entry.guests}};
    double y = 0.5 + kLine;
    for (const auto& line : below) {
        band.text(Wide(kRegion, y), ui::ShownField(*line[0]), kFont);
        band.text(Wide(kDrinkDate, y), ui::ShownField(*line[1]), kFont);
        y += kLine;
    }
    return band;
}

} // namespace

ui::Report ConsumptionReport(const std::vector<store::ConsumedWine>& entries) {
    ui::Report report;
    report.title = QCoreApplication::translate(
        "TReport_conso", "Inventaire Vins consommés"); // the printed title, not the window's
    report.pageHeader = PageHeader();
    for (const store::ConsumedWine& entry : entries)
        report.bands.push_back(DetailBand(entry));
    return report;
}

bool PrintConsumptionReport() {
    const std::vector<store::ConsumedWine> entries = MatchingEntries();
    if (entries.empty()) return false;
    return ui::OutputReport(ConsumptionReport(entries));
}

} // namespace history
