// The appellation sheet: the dishes that suit an appellation beside the marks of its vintages,
// as the appellation base and the vintage chart hold them.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "ui/Report.h"

namespace cellar {

struct SheetRow {
    std::string course; // right-trimmed; the dish side is empty once the dishes are done
    std::string dish;
    std::string year; // the vintage side is empty once the vintages are done
    std::string mark;
};

struct SheetContent {
    bool dishesFound = false;   // the appellation's block and its dish section
    bool vintagesFound = false; // the vintage block of its region and appellation
    std::vector<SheetRow> rows;
};

// The dishes and vintages of cellar::State().selectedAppellation, in file order.
SheetContent ReadSheet();

// Nothing when neither the dish section nor the vintage block was found. The title is the
// appellation, " - " and the colour; the temperature and keeping texts are those the
// characteristics window shows.
std::optional<ui::Report> AppellationSheet(const QString& temperature, const QString& keeping);

// The print button of the characteristics window: the sheet of cellar::State().selectedAppellation,
// previewed or printed as the Preview setting says. False, with nothing printed and no message,
// when the bases know neither dishes nor vintages of it.
bool PrintAppellationSheet(const QString& temperature, const QString& keeping);

} // namespace cellar
