// Fixture of the statistics: the French lists, and wines written as the cellar stores them.
#pragma once

#include <string>
#include <vector>

#include "stats/Statistics.h"
#include "store/Files.h"
#include "store/Records.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/Vocabulary.h"
#include "ui/support/UiTest.h"

namespace testsupport {

class StatsTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        store::LoadVocabulary(store::DataLanguage::French);
    }

    static store::CellarWine Wine(const std::string& colour, const std::string& region,
                                  const std::string& quantity,
                                  const std::string& price = "   10.00") {
        store::CellarWine w;
        w.colour = store::Cp1252(colour);
        w.region = store::Cp1252(region);
        w.appellation = "Appellation";
        w.vintage = "1990";
        w.quantity = quantity;
        w.price = price;
        return store::PaddedCellarWine(w);
    }

    // The cellar file with these wines in this order, as the data layer writes it.
    static void WriteCellar(const std::vector<store::CellarWine>& wines) {
        store::SafeFileWriter out(store::State().files.cellar);
        for (const auto& w : wines)
            store::WriteCellarWine(out, w);
        out.commit();
    }

    // "name|bottles|wines|amount" per row, the names as code page 1252 turned back to UTF-8.
    static std::vector<std::string> Table(const stats::Statistics& s) {
        std::vector<std::string> table;
        for (const stats::Row& row : s.rows)
            table.push_back(Utf8(row.name) + "|" + row.bottlesText() + "|" + row.winesText() + "|" +
                            row.amountText());
        return table;
    }

    static std::vector<std::string> Slices(const stats::Statistics& s) {
        std::vector<std::string> slices;
        for (const stats::Slice& slice : s.slices)
            slices.push_back(Utf8(slice.label) + " " + std::to_string(slice.value));
        return slices;
    }

    static std::string Utf8(const std::string& cp1252) {
        std::string out;
        for (unsigned char c : cp1252) {
            if (c < 0x80) {
                out += static_cast<char>(c);
            } else { // the accented letters of the French lists are all Latin-1
                out += static_cast<char>(0xC0 | (c >> 6));
                out += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
        return out;
    }
};

} // namespace testsupport
