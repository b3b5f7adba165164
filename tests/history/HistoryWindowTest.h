// Fixture of the consumption history windows: the cellar fixture (French vocabulary, small
// bases) with a vintage chart, a history builder and readers of the consumption file.
#pragma once

#include <QApplication>
#include <QFocusEvent>

#include <string>
#include <vector>

#include "cellar/CellarWindowTest.h"
#include "history/HistoryState.h"
#include "store/RefBases.h"

namespace testsupport {

class HistoryWindowTest : public CellarWindowTest {
protected:
    void SetUp() override {
        CellarWindowTest::SetUp();
        history::ResetState();
        WriteBases();
        // Graves has a section in two regions, so the appellation list shows it twice.
        WriteFileBytes(
            "Annee.dat",
            CrLf(
                {store::VintageHeader(store::PadText("Bordeaux", 20),
                                      store::PadText("Pauillac", 30)),
                 "      1990,19",
                 store::VintageHeader(store::PadText("Alsace", 20), store::PadText("Riesling", 30)),
                 store::VintageHeader(store::PadText("Bordeaux", 20), store::PadText("Graves", 30)),
                 store::VintageHeader(store::PadText("Sud Ouest", 20),
                                      store::PadText("Graves", 30))}));
    }
    void TearDown() override {
        history::ResetState();
        CellarWindowTest::TearDown();
    }

    static store::ConsumedWine Entry(const std::string& colour, const std::string& appellation,
                                     const std::string& drinkDate,
                                     const std::string& vintage = "1990") {
        store::ConsumedWine e;
        e.colour = colour;
        e.region = "Bordeaux";
        e.appellation = appellation;
        e.vintage = vintage;
        e.quantity = " 1";
        e.drinkDate = drinkDate.empty() ? store::Blanks(10) : drinkDate;
        e.mark = "Bon";
        e.bottleFormat = "Bouteille";
        e.price = "   10.00";
        e.purchaseDate = store::Blanks(10);
        return store::PaddedConsumedWine(e);
    }

    // The history file as these entries, in the order given.
    static void WriteHistory(const std::vector<store::ConsumedWine>& entries) {
        std::vector<std::string> lines;
        for (const auto& e : entries)
            for (auto& line : store::ConsumedWineLines(e))
                lines.push_back(std::move(line));
        WriteFileBytes("Stat.dat", CrLf(lines));
    }

    static std::string HistoryBytes(const std::vector<store::ConsumedWine>& entries) {
        std::vector<std::string> lines;
        for (const auto& e : entries)
            for (auto& line : store::ConsumedWineLines(store::PaddedConsumedWine(e)))
                lines.push_back(std::move(line));
        return CrLf(lines);
    }

    // Every complete entry of the history file, in file order.
    static std::vector<store::ConsumedWine> History() {
        std::vector<store::ConsumedWine> entries;
        store::LineReader in;
        if (!store::OpenTextForReading(in, "Stat.dat")) return entries;
        store::ConsumedWine e;
        while (!in.eof() && store::ReadConsumedWine(in, e))
            entries.push_back(e);
        return entries;
    }

    static void Leave(QWidget* field) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field, &out);
    }

    std::vector<int> WarningNumbers() const {
        std::vector<int> numbers;
        for (const auto& box : recorder->boxesOf(ui::testing::BoxKind::Warning))
            numbers.push_back(box.number);
        return numbers;
    }
};

} // namespace testsupport
