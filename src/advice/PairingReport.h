// The printed answer of the food and wine window: every appellation block that names the dish,
// in the order of the base, with its serving temperature.
#pragma once

#include <QString>

#include <optional>
#include <vector>

#include "advice/Pairing.h"
#include "ui/Report.h"

namespace advice {

ui::Report PairingReport(const QString& dish, const std::vector<PairedWine>& wines);

// The report for the dish (right-trimmed, as the list shows it), whatever the cellar holds,
// previewed or printed as the Preview setting says. False, with nothing printed, when the base
// cannot be opened.
bool PrintPairingReport(const QString& dish);

} // namespace advice
