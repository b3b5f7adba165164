// The printed statistics: the window's table, its groups in bold and their sub-rows
// indented, the total, and the pie beneath.
#pragma once

#include "stats/Statistics.h"
#include "ui/Report.h"

namespace stats {

ui::Report StatReport(const Statistics& statistics, View view);

// The print button of the statistics window: the report of the view, read afresh from the
// cellar file, previewed or printed as the Preview setting says.
bool PrintStatReport(View view);

} // namespace stats
