#include "stats/StatChart.h"

#include <QCoreApplication>

#include "store/State.h"
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

QColor ToQColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

ui::PieChart StatChart(const Statistics& statistics, View view) {
    ui::PieChart chart;
    chart.title = ChartTitle(view);
    const WinePalette palette(store::State().lists.colours.entries);
    for (const Slice& slice : statistics.slices) {
        ui::PieSlice pie{ui::ToQString(slice.label), static_cast<double>(slice.value), {}};
        if (view == View::ByColour) pie.colour = ToQColor(palette.colourOf(slice.label));
        chart.slices.push_back(std::move(pie));
    }
    return chart;
}

} // namespace stats
