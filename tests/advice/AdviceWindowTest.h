// Fixture of the advice windows: the cellar windows' fixture with a small appellation base
// whose blocks name dishes, and helpers to write bases and cellars.
#pragma once

#include <QLocale>
#include <QTreeWidget>

#include <string>
#include <vector>

#include "cellar/CellarWindowTest.h"
#include "store/Files.h"

namespace testsupport {

class AdviceWindowTest : public CellarWindowTest {
protected:
    // Rows are sorted in the user's locale order: here a French user's.
    void SetUp() override {
        CellarWindowTest::SetUp();
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    }
    void TearDown() override {
        QLocale::setDefault(QLocale::system());
        CellarWindowTest::TearDown();
    }

    // A dish line: the course in 7 characters, ":" in column 14, the name in 30.
    static std::string Dish(const char* course, const char* name) {
        return "      " + store::PadText(store::Cp1252(course), 7) + ":" +
               store::PadText(store::Cp1252(name), 30);
    }

    static std::string Header(const char* region, const char* colour, const char* appellation) {
        return AppellationHeader(store::Cp1252(region), store::Cp1252(colour),
                                 store::Cp1252(appellation));
    }

    static void WriteBase(const std::vector<std::string>& lines) {
        WriteFileBytes("Vins.dat", CrLf(lines));
    }

    static void WriteCellar(const std::vector<store::CellarWine>& wines) {
        store::SafeFileWriter out("Cave.dat");
        for (const auto& wine : wines)
            store::WriteCellarWine(out, wine);
        out.commit();
    }

    static std::vector<QStringList> Rows(const QTreeWidget* list) {
        std::vector<QStringList> rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QStringList row;
            for (int c = 0; c < list->columnCount(); ++c)
                row << list->topLevelItem(i)->text(c);
            rows.push_back(row);
        }
        return rows;
    }
};

} // namespace testsupport
