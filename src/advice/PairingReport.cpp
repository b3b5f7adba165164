#include "advice/PairingReport.h"

#include <QCoreApplication>

#include "store/Text.h"
#include "ui/Cp1252.h"

namespace advice {

namespace {

constexpr double kLine = 5;

ui::ReportBand PageHeader(const QString& dish) {
    ui::ReportBand band(ui::BandKind::PageHeader, 22);
    band.picture({0, 0, 14, 14}, ui::Picture::Emblem);
    band.picture({ui::kReportWidth - 14, 0, 14, 14}, ui::Picture::Emblem);
    band.rule(2, 18, ui::kReportWidth - 18);
    band.text({18, 3.5, ui::kReportWidth - 36, 8},
              QCoreApplication::translate("TChoixp_report", "Plat :") + QStringLiteral(" ") + dish,
              {14, true}, ui::ReportBand::kCentre);
    band.rule(13, 18, ui::kReportWidth - 18);
    return band;
}

ui::ReportBand DetailBand(const PairedWine& wine) {
    ui::ReportBand band(ui::BandKind::Detail, 2 * kLine + 2);
    band.text({2, 0.5, 34, kLine}, ui::ToQString(wine.colour));
    band.text({38, 0.5, 52, kLine}, ui::ToQString(wine.region));
    band.text({92, 0.5, ui::kReportWidth - 92, kLine}, ui::ToQString(wine.appellation));
    band.text({8, 0.5 + kLine, ui::kReportWidth - 8, kLine}, ui::ToQString(wine.temperature),
              {10, false, true});
    return band;
}

} // namespace

ui::Report PairingReport(const QString& dish, const std::vector<PairedWine>& wines) {
    ui::Report report;
    report.title = QCoreApplication::translate("TChoixp_report", "Association Mets/Vins");
    report.pageHeader = PageHeader(dish);
    for (const PairedWine& wine : wines)
        report.bands.push_back(DetailBand(wine));
    return report;
}

bool PrintPairingReport(const QString& dish) {
    const std::string name = store::RightTrim(ui::StoredBytes(dish));
    const std::optional<std::vector<PairedWine>> wines = WinesForDish(name);
    if (!wines) return false;
    return ui::OutputReport(PairingReport(ui::ToQString(name), *wines));
}

} // namespace advice
