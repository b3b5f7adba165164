#include "stats/StatChart.h"

#include <QCoreApplication>

#include "ui/Cp1252.h"

namespace stats {

QString ChartTitle(View view) {
    return view == View::ByColour
               ? QCoreApplication::translate("TStatForm", "Statistiques par couleur")
               : QCoreApplication::translate("TStatForm", "Statistiques par région");
}

QString GroupCaption(View view) {
    return view == View::ByColour ? QCoreApplication::translate("TStatForm", "Couleur")
                                  : QCoreApplication::translate("TStatForm", "Région");
}

ui::PieChart StatChart(const Statistics& statistics, View view) {
    ui::PieChart chart;
    chart.title = ChartTitle(view);
    for (const Slice& slice : statistics.slices)
        chart.slices.push_back({ui::ToQString(slice.label), static_cast<double>(slice.value)});
    return chart;
}

} // namespace stats
