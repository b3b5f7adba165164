// The export and import commands of the main window: they ask for the file, call the data layer
// and show what it found.
#pragma once

#include <QString>

namespace exchange {

// Writes the cellar to a text file of the person's choice.
void Export1Click();
// Adds the wines of a text file to the cellar.
void Import1Click();

struct ExchangeState {
    QString exportName; // the file the export dialog offers: the last one chosen
};
ExchangeState& State();
void ResetState();

} // namespace exchange
