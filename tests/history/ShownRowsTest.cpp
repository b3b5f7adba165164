// The consumed wines window shows, for every kind of criterion and on histories of every size,
// the rows and the messages that reading the file through at each rebuild gave, and its edit
// window finds the same entry behind each row.
#include <gtest/gtest.h>

#include <QTableView>

#include <random>

#include "history/ConsumedEntries.h"
#include "history/HistoryWindowTest.h"
#include "history/Uconso.h"
#include "ui/Cp1252.h"

using namespace testsupport;

namespace {

struct Shown {
    std::vector<QStringList> rows;
    std::vector<long> positions; // in the file, of the entry behind each row
    std::vector<int> messages;
    bool operator==(const Shown&) const = default;
};

// The rebuild as the window made it by reading the history through, under the filter the
// window set: the reference the rows shown are held to.
Shown ReadThrough() {
    Shown shown;
    store::LineReader in;
    if (!store::OpenTextForReading(in, store::State().files.consumption)) return shown;
    store::ConsumedWine e;
    for (long at = 0; !in.eof() && store::ReadConsumedWine(in, e); ++at) {
        if (!store::ConsumedWineMatches(e)) continue;
        shown.rows.push_back({ui::ShownField(e.colour), ui::ShownField(e.appellation), ui::ShownField(e.vintage),
                              ui::ShownField(e.drinkDate), ui::ShownField(e.mark)});
        shown.positions.push_back(at);
    }
    return shown;
}

void WriteGeneratedHistory(long count) {
    std::mt19937 random(static_cast<unsigned>(count));
    const auto pick = [&](std::initializer_list<const char*> choices) {
        return store::Cp1252(choices.begin()[random() % choices.size()]);
    };
    std::string bytes;
    for (long i = 0; i < count; ++i) {
        store::ConsumedWine e;
        e.colour = pick({"Rouge", "Blanc", "Rosé", "rouge"});
        e.region = pick({"Bordeaux", "Alsace", "Provence", ""});
        e.appellation = pick({"Pauillac", "Graves", "graves", "Riesling", "Margaux"});
        e.domaine = pick({"Dupont", "Château Été", ""});
        e.vintage = pick({"1990", "1995", "    "});
        e.quantity = " 1";
        const long day = i * 3 / 2;
        e.drinkDate = random() % 7 == 0 ? store::Blanks(10)
                                          : store::PadText(std::to_string(10 + day % 18) + "/0" +
                                                               std::to_string(1 + day / 18 % 9) + "/" +
                                                               std::to_string(1990 + day / 162 % 30),
                                                           10);
        e.guests = pick({"Paul", "Marie Dupont", ""});
        e.comments = pick({"superbe", "ÉTÉ CHAUD", ""});
        e.mark = pick({"Bon", "Très bon", ""});
        e.owner = pick({"", "Martin"});
        for (const auto& line : store::ConsumedWineLines(store::PaddedConsumedWine(e))) bytes += line + "\r\n";
    }
    WriteFileBytes(store::State().files.consumption, bytes + "an entry cut short\r\n");
}

class ShownHistoryRowsTest : public HistoryWindowTest, public ::testing::WithParamInterface<long> {
protected:
    void SetUp() override {
        HistoryWindowTest::SetUp();
        WriteGeneratedHistory(GetParam());
    }

    Shown shownBy(TConsovin& window) {
        Shown shown;
        const QAbstractItemModel* model = window.findChild<QTableView*>("Liste_vins")->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells << model->index(row, column).data().toString();
            shown.rows.push_back(cells);
        }
        shown.messages = std::exchange(messages, {});
        // The entry the edit window finds behind the first, a middle and the last rows.
        const long rows = static_cast<long>(shown.rows.size());
        for (long row : {0L, rows / 2, rows - 1}) {
            store::ConsumedWine entry;
            long at = -1;
            if (row >= 0 && history::MatchingEntryAt(row, entry, &at)) shown.positions.push_back(at);
        }
        return shown;
    }
};

TEST_P(ShownHistoryRowsTest, EveryKindOfCriterionShowsTheRowsOfAReadThrough) {
    TConsovin window;
    messages.clear();
    auto* colour = window.findChild<QComboBox*>("Liste_coul");
    auto* appellation = window.findChild<QComboBox*>("Liste_appellation");
    auto* from = window.findChild<QLineEdit*>("Date_deb");
    auto* to = window.findChild<QLineEdit*>("date_fin");
    auto* search = window.findChild<QLineEdit*>("Recherche");
    for (int criteria = 0; criteria < 32; ++criteria) {
        // On the largest history: each criterion alone, none and all, to keep the run short.
        if (GetParam() > 10000 && criteria != 31 && (criteria & (criteria - 1)) != 0) continue;
        colour->setCurrentIndex(criteria & 1 ? colour->findText("Rouge") : 0);
        appellation->setCurrentIndex(criteria & 2 ? appellation->findText("Graves") : 0);
        from->setText(criteria & 4 ? "15/03/1995" : "");
        to->setText(criteria & 8 ? "01/01/2010" : "");
        search->setText(criteria & 16 ? "dupont" : "");
        messages.clear();
        window.Rebuild(); // one rebuild, for its messages
        const Shown shown = shownBy(window);
        Shown expected = ReadThrough();
        expected.messages = std::exchange(messages, {});
        const long rows = static_cast<long>(expected.rows.size());
        std::vector<long> behind;
        for (long row : {0L, rows / 2, rows - 1})
            if (row >= 0) behind.push_back(expected.positions[static_cast<std::size_t>(row)]);
        expected.positions = behind;
        EXPECT_FALSE(expected.rows.empty()) << criteria;
        EXPECT_EQ(shown.rows.size(), expected.rows.size()) << criteria;
        EXPECT_TRUE(shown == expected) << "criteria " << criteria;
    }
    // Past the last row the edit window finds nothing, and says what a read through says.
    messages.clear();
    store::ConsumedWine entry;
    EXPECT_FALSE(history::MatchingEntryAt(window.rowCount(), entry));
    EXPECT_EQ(messages, (std::vector<int>{2}));
}

INSTANTIATE_TEST_SUITE_P(Sizes, ShownHistoryRowsTest, ::testing::Values(1000L, 10000L, 100000L),
                         [](const auto& info) { return std::to_string(info.param) + "Entries"; });

} // namespace
