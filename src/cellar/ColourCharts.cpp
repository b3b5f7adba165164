#include "cellar/ColourCharts.h"

#include <QBarSet>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPainter>

#include <algorithm>
#include <memory>

#include "stats/StatChart.h"

namespace cellar {

void PaintBarSet(QBarSet* set, stats::Rgb colour) {
    const QColor fill = stats::ToQColor(colour);
    set->setColor(fill);
    set->setBorderColor(fill.darker(150));
    set->setLabelColor(stats::ToQColor(stats::TextColourOn(colour)));
}

void RenderChart(QPainter& painter, const QRectF& target, const std::function<QChart*()>& make) {
    if (target.width() <= 0 || target.height() <= 0) return;
    QGraphicsScene scene;
    QChart* chart = make();
    chart->setAnimationOptions(QChart::NoAnimation);
    scene.addItem(chart); // the scene owns it from here
    // Fonts keep their screen size against a chart of about eight hundred pixels wide.
    const QSizeF size(800, 800 * target.height() / target.width());
    chart->setGeometry(QRectF(QPointF(0, 0), size));
    if (chart->layout()) chart->layout()->activate();
    scene.setSceneRect(QRectF(QPointF(0, 0), size));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, target, scene.sceneRect(), Qt::KeepAspectRatio);
    painter.restore();
}

ui::ReportBand ChartPageHeader(const QString& title, const QString& subtitle) {
    ui::ReportBand band(ui::BandKind::PageHeader, 24);
    band.picture({0, 0, 14, 14}, ui::Picture::Emblem);
    band.picture({ui::kReportWidth - 14, 0, 14, 14}, ui::Picture::Emblem);
    band.text({16, 1, ui::kReportWidth - 32, 8}, title, {14, true}, ui::ReportBand::kCentre);
    band.text({16, 9, ui::kReportWidth - 32, 6}, subtitle, {10, false}, ui::ReportBand::kCentre);
    band.rule(17, 0, ui::kReportWidth);
    return band;
}

std::vector<ui::ReportBand> LegendBands(const QString& heading, const std::vector<LegendEntry>& entries) {
    std::vector<ui::ReportBand> bands;
    ui::ReportBand title(ui::BandKind::Group, 8, 1);
    title.text({0, 1, ui::kReportWidth, 6}, heading, {10, true});
    bands.push_back(std::move(title));
    constexpr double kLine = 6;
    const double column = ui::kReportWidth / 2;
    for (std::size_t i = 0; i < entries.size(); i += 2) {
        ui::ReportBand band(ui::BandKind::Detail, kLine);
        for (std::size_t k = i; k < std::min(entries.size(), i + 2); ++k) {
            const double x = (k - i) * column;
            band.swatch({x + 1, 1.25, 3.5, 3.5}, stats::ToQColor(entries[k].colour));
            band.text({x + 7, 0.5, column - 40, 5}, entries[k].name);
            band.text({x + column - 32, 0.5, 28, 5}, entries[k].figure, {}, ui::ReportBand::kRight);
        }
        bands.push_back(std::move(band));
    }
    return bands;
}

} // namespace cellar
