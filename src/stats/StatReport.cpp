#include "stats/StatReport.h"

#include <QCoreApplication>

#include "stats/StatChart.h"
#include "store/Text.h"
#include "ui/Cp1252.h"

namespace stats {

namespace {

constexpr double kLine = 17 * ui::kDesignPixel;
constexpr double kIndent = 6;
// Millimetres: the name, then the right edges of the three number columns.
constexpr double kNameWidth = 95;
constexpr double kNumberWidth = 28;
constexpr double kNumberRight[3] = {125, 150, 180};
constexpr double kChartHeight = 100;

QRectF NumberCell(int column, double y) {
    return {kNumberRight[column] - kNumberWidth, y, kNumberWidth, kLine};
}

QString Figure(const std::string& text) {
    return ui::ToQString(store::Trim(text));
}

ui::ReportBand PageHeader() {
    ui::ReportBand band(ui::BandKind::PageHeader, 25);
    band.picture({0, 0, 14, 14}, ui::Picture::Emblem);
    band.picture({ui::kReportWidth - 14, 0, 14, 14}, ui::Picture::Emblem);
    band.text({16, 2, ui::kReportWidth - 32, 9},
              QCoreApplication::translate("TReport_stat", "Statistiques Livre de Cave"), {14, true},
              ui::ReportBand::kCentre);
    band.rule(16, 0, ui::kReportWidth);
    const char* const headings[3] = {QT_TRANSLATE_NOOP("TReport_stat", "Bouteilles"),
                                     QT_TRANSLATE_NOOP("TReport_stat", "Vins"),
                                     QT_TRANSLATE_NOOP("TReport_stat", "Valeur")};
    for (int i = 0; i < 3; ++i)
        band.text(NumberCell(i, 17.5), QCoreApplication::translate("TReport_stat", headings[i]),
                  {10, true}, ui::ReportBand::kRight);
    band.rule(23, 0, ui::kReportWidth);
    return band;
}

ui::ReportBand LineBand(const Row& row) {
    const bool group = row.kind == Row::Kind::Group;
    // A group line is a group band, so that it never stands alone at the foot of a page.
    ui::ReportBand band(group ? ui::BandKind::Group : ui::BandKind::Detail,
                        kLine + (group ? 1.5 : 0.5), group ? 1 : 0);
    const double y = group ? 1.5 : 0.25;
    const double x = group ? 0 : kIndent;
    const ui::ReportFont font{10, group};
    band.text({x, y, kNameWidth - x, kLine}, ui::ToQString(store::Trim(row.name)), font);
    band.text(NumberCell(0, y), Figure(row.bottlesText()), font, ui::ReportBand::kRight);
    band.text(NumberCell(1, y), Figure(row.winesText()), font, ui::ReportBand::kRight);
    band.text(NumberCell(2, y), Figure(row.amountText()), font, ui::ReportBand::kRight);
    return band;
}

ui::ReportBand TotalBand(const Sums& total) {
    ui::ReportBand band(ui::BandKind::Summary, kLine + 4);
    band.rule(1.5, 0, ui::kReportWidth);
    const ui::ReportFont bold{10, true};
    const double y = 2.5;
    band.text({0, y, kNameWidth, kLine}, QCoreApplication::translate("TReport_stat", "Total :"),
              bold);
    band.text(NumberCell(0, y), Figure(CountText(total.bottles)), bold, ui::ReportBand::kRight);
    band.text(NumberCell(1, y), Figure(CountText(total.wines)), bold, ui::ReportBand::kRight);
    band.text(NumberCell(2, y), Figure(AmountText(total.amount)), bold, ui::ReportBand::kRight);
    return band;
}

} // namespace

ui::Report StatReport(const Statistics& statistics, View view) {
    ui::Report report;
    report.title = QCoreApplication::translate("TReport_stat", "Statistiques Livre de Cave");
    report.pageHeader = PageHeader();
    for (const Row& row : statistics.rows)
        if (row.kind == Row::Kind::Group || row.kind == Row::Kind::Sub)
            report.bands.push_back(LineBand(row));
    report.bands.push_back(TotalBand(statistics.total));
    const ui::PieChart chart = StatChart(statistics, view);
    if (!chart.slices.empty()) {
        ui::ReportBand band(ui::BandKind::Summary, kChartHeight + 6);
        band.pieChart({0, 6, ui::kReportWidth, kChartHeight}, chart, {9, false});
        report.bands.push_back(std::move(band));
    }
    return report;
}

bool PrintStatReport(View view) {
    return ui::OutputReport(StatReport(Compute(view), view));
}

} // namespace stats
