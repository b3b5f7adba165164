// The cellar book shows, for every kind of criterion and on cellars of every size, the rows,
// the count and the messages that reading the file through at each fill gave.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QRadioButton>
#include <QTableView>

#include <random>

#include "cellar/CellarWindowTest.h"
#include "cellar/Ulivre.h"
#include "ui/Cp1252.h"

using namespace testsupport;

namespace {

struct Shown {
    std::vector<QStringList> rows;
    QString count;
    int lastRow = -1;
    std::vector<int> messages;
    bool operator==(const Shown&) const = default;
};

// The fill as the book made it by reading the cellar file through, under the filter the book
// set: the reference the rows shown are held to.
Shown ReadThrough() {
    Shown shown;
    long bottles = 0;
    store::LineReader in;
    if (store::OpenTextForReading(in, store::State().files.cellar)) {
        store::CellarWine wine;
        while (!in.eof() && store::ReadCellarWine(in, wine)) {
            if (!store::CellarWineMatches(wine)) continue;
            if (store::State().filter.toDrink && !store::PeakYearHasCome(wine)) continue;
            shown.rows.push_back({ui::ShownField(wine.colour), ui::ShownField(wine.vintage), ui::ShownField(wine.quantity),
                                  ui::ShownField(wine.appellation), ui::ShownField(wine.domaine), ui::ShownField(wine.location)});
            long quantity = 0;
            if (store::ParseWholeNumber(store::RightTrim(wine.quantity), quantity)) bottles += quantity;
        }
    }
    shown.count = QString::number(bottles);
    shown.lastRow = static_cast<int>(shown.rows.size()) - 1;
    return shown;
}

// Wines whose every filtered field takes values that pass and values that fail each criterion:
// a colour in another case, blanks, accents, numbers that are no numbers, a cut record at the end.
void WriteGeneratedCellar(long count) {
    std::mt19937 random(static_cast<unsigned>(count));
    const auto pick = [&](std::initializer_list<const char*> choices) {
        return store::Cp1252(choices.begin()[random() % choices.size()]);
    };
    std::string bytes;
    for (long i = 0; i < count; ++i) {
        store::CellarWine w;
        w.colour = pick({"Rouge", "Blanc", "Rosé", "rouge", "Rouge  "});
        w.region = pick({"Bordeaux", "Alsace", "Autre", "Bourgogne", ""});
        w.appellation = pick({"Pauillac", "Graves", "Côtes de Bordeaux", "Bordeaux Supérieur", ""});
        w.domaine = pick({"Château Bordure", "Dom Y", "", "Clos de l'Été"});
        w.remarks = pick({"en BORDURE de route", "rien", "", "été chaud"});
        w.owner = pick({"Paul", "Marie", ""});
        w.vintage = pick({"1990", "1995", "    ", "19x5"});
        w.quantity = pick({" 6", "12", "  ", "x1", "-3"});
        w.peakYear = pick({"1999", "2000", "2001", "    ", "abcd", " 200"});
        w.location = pick({"A1", "B2", ""});
        w.purchasePlace = pick({"cave", "foire aux vins", ""});
        w.price = "   10.00";
        w.purchaseDate = "01/02/1998";
        w.mark = pick({"Bon", "Très bon", ""});
        w.bottleFormat = "Bouteille";
        for (const auto& line : store::CellarWineLines(store::PaddedCellarWine(w))) bytes += line + "\r\n";
    }
    WriteFileBytes(store::State().files.cellar, bytes + "a wine cut short\r\n");
}

class ShownRowsTest : public CellarWindowTest, public ::testing::WithParamInterface<long> {
protected:
    void SetUp() override {
        CellarWindowTest::SetUp();
        store::State().yearOverride = 2000;
        WriteGeneratedCellar(GetParam());
    }

    Shown shownBy(TLivre& livre) {
        Shown shown;
        const QAbstractItemModel* model = livre.findChild<QTableView*>("Liste_vins")->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells << model->index(row, column).data().toString();
            shown.rows.push_back(cells);
        }
        shown.count = livre.findChild<QLineEdit*>("Nb")->text();
        shown.lastRow = cellar::State().lastRow;
        shown.messages = std::exchange(messages, {});
        return shown;
    }
};

TEST_P(ShownRowsTest, EveryKindOfCriterionShowsTheRowsOfAReadThrough) {
    TLivre livre;
    messages.clear();
    auto* colour = livre.findChild<QComboBox*>("Liste_coul");
    auto* region = livre.findChild<QComboBox*>("Liste_region");
    auto* search = livre.findChild<QLineEdit*>("Recherche");
    const QList<QRadioButton*> radios = livre.findChild<QGroupBox*>("select_cave")->findChildren<QRadioButton*>();
    // Each criterion on or off, changed in the order a person would, one fill per change.
    for (int criteria = 0; criteria < 16; ++criteria) {
        // On the largest cellar: each criterion alone, none and all, to keep the run short.
        if (GetParam() > 10000 && criteria != 15 && (criteria & (criteria - 1)) != 0) continue;
        colour->setCurrentIndex(criteria & 1 ? colour->findText("Rouge") : 0);
        region->setCurrentIndex(criteria & 2 ? region->findText("Bordeaux") : 0);
        radios.at(criteria & 4 ? 1 : 0)->click();
        search->setText(criteria & 8 ? "bord" : "");
        messages.clear();
        livre.Cherch(); // one fill, for its messages
        const Shown shown = shownBy(livre);
        Shown expected = ReadThrough();
        expected.messages = std::exchange(messages, {});
        EXPECT_FALSE(expected.rows.empty() && criteria < 8) << criteria;
        EXPECT_EQ(shown.rows.size(), expected.rows.size()) << criteria;
        EXPECT_TRUE(shown == expected) << "criteria " << criteria << ": " << shown.count.toStdString() << " bottles, "
                                       << expected.count.toStdString() << " expected";
    }
    // Typing a search one key at a time, then taking it back, with the other criteria set;
    // how a refill follows the last is the same at every size.
    if (GetParam() > 10000) return;
    colour->setCurrentIndex(colour->findText(QString::fromUtf8("Rosé")));
    for (const char* typed : {" ", " b", " bo", " bor", " bord", " bor", "", "é", "ÉTÉ", "1990", "x"}) {
        messages.clear();
        search->setText(QString::fromUtf8(typed));
        const Shown shown = shownBy(livre);
        Shown expected = ReadThrough();
        expected.messages = std::exchange(messages, {});
        EXPECT_TRUE(shown == expected) << typed;
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ShownRowsTest, ::testing::Values(1000L, 10000L, 100000L),
                         [](const auto& info) { return std::to_string(info.param) + "Wines"; });

} // namespace
