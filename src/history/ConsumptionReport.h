// The consumption report: the entries of the consumption history that the consumed wines
// window lists, in file order, four lines each with every field.
#pragma once

#include <vector>

#include "store/Records.h"
#include "ui/Report.h"

namespace history {

ui::Report ConsumptionReport(const std::vector<store::ConsumedWine>& entries);

// The print button of the consumed wines window: the report of the listed entries, previewed or
// printed as the Preview setting says. Nothing happens, and false comes back, when no entry is
// listed (the consumption file missing included).
bool PrintConsumptionReport();

} // namespace history
