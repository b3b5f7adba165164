// What the bar charts of the cellar and the history share: bars in the wines' own colours,
// the chart drawn onto a page exactly as the window shows it, and the legend of a report.
#pragma once

#include <QColor>
#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "stats/WinePalette.h"
#include "ui/Report.h"

class QBarSet;
class QChart;
class QPainter;
class QRectF;

namespace cellar {

// A bar set of one wine colour: filled with its tone, edged a shade darker, its labels in
// the text colour that reads on it.
void PaintBarSet(QBarSet* set, stats::Rgb colour);

// The chart `make` builds, laid out at a screen size of the target's shape and painted into
// the target, so that the page shows what the window shows.
void RenderChart(QPainter& painter, const QRectF& target, const std::function<QChart*()>& make);

// The page header of a chart report: the emblem on each side, the title, a rule.
ui::ReportBand ChartPageHeader(const QString& title, const QString& subtitle);

// One legend line per colour: its swatch, its name and its figure, two columns a band.
struct LegendEntry {
    stats::Rgb colour;
    QString name;
    QString figure;
};
std::vector<ui::ReportBand> LegendBands(const QString& heading, const std::vector<LegendEntry>& entries);

} // namespace cellar
