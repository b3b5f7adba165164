// The pie of the statistics, as the window shows it and the report prints it.
#pragma once

#include <QColor>
#include <QString>

#include "stats/Statistics.h"
#include "stats/WinePalette.h"
#include "ui/PieChart.h"

namespace stats {

// "Statistiques par couleur" / "Statistiques par région" in the language in use.
QString ChartTitle(View view);
// The caption of the list's first column: "Couleur" / "Région".
QString GroupCaption(View view);

// The colour as Qt paints it.
QColor ToQColor(Rgb colour);

// In the colour view each slice takes its wine colour; the region view keeps the series' colours.
ui::PieChart StatChart(const Statistics& statistics, View view);

} // namespace stats
