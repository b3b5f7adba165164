// Column widths of the advice windows' wine lists.
#pragma once

#include <QHeaderView>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>

#include "ui/Screen.h"
#include "ui/State.h"

namespace advice {

// Pixels measured in today's font, grown with it when the window is scaled.
inline int Grown(int pixels) {
    return ui::State().scaleWindows ? static_cast<int>(std::lround(pixels * ui::ScreenRatio()))
                                    : pixels;
}

// Each column takes its design width (scaled with the window) or its heading, whichever is
// wider; returns the width of all the columns together.
inline int SizeWineColumns(QTreeWidget* list, const int (&designWidths)[3]) {
    const bool scale = ui::State().scaleWindows;
    int total = 0;
    for (int c = 0; c < 3; ++c) {
        const int design = scale ? ui::ScaleToScreen(designWidths[c]) : designWidths[c];
        const int heading =
            list->header()->fontMetrics().horizontalAdvance(list->headerItem()->text(c));
        list->setColumnWidth(c, std::max(design, Grown(heading + 16)));
        total += list->columnWidth(c);
    }
    return total;
}

} // namespace advice
