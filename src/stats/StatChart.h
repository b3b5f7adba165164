// The pie of the statistics, as the window shows it and the report prints it.
#pragma once

#include <QString>

#include "stats/Statistics.h"
#include "ui/PieChart.h"

namespace stats {

// "Statistiques par couleur" / "Statistiques par région" in the language in use.
QString ChartTitle(View view);
// The caption of the list's first column: "Couleur" / "Région".
QString GroupCaption(View view);

ui::PieChart StatChart(const Statistics& statistics, View view);

} // namespace stats
