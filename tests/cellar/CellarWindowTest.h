// Fixture of the cellar windows: French vocabulary and small reference bases in the data
// directory, the navigation state reset.
#pragma once

#include <QComboBox>
#include <QLineEdit>

#include <string>
#include <vector>

#include "cellar/CellarState.h"
#include "store/Records.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/Vocabulary.h"
#include "ui/support/UiTest.h"

namespace testsupport {

class CellarWindowTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        store::LoadVocabulary(store::DataLanguage::French);
        cellar::ResetState();
    }

    static std::string AppellationHeader(const std::string& region, const std::string& colour,
                                         const std::string& appellation) {
        return "[" + store::PadText(region, 20) + "][" + store::PadText(colour, 10) + "](" +
               store::PadText(appellation, 30) + ")";
    }

    // Pauillac (red) and Graves (red and white) in Bordeaux, Riesling in Alsace; a domaine
    // listed under Pauillac; eight years to the peak for red Bordeaux.
    static void WriteBases() {
        WriteFileBytes("Vins.dat", store::Cp1252(CrLf({AppellationHeader("Bordeaux", "Rouge", "Pauillac"), "   Temp =17",
                                         "   Garde=10 à 30 ans", "   Plats=",
                                         AppellationHeader("Bordeaux", "Blanc", "Graves"), "   Temp =10",
                                         "   Garde=3 ans", "   Plats=",
                                         AppellationHeader("Bordeaux", "Rouge", "Graves"), "   Temp =16",
                                         "   Garde=5 à 10 ans", "   Plats=",
                                         AppellationHeader("Alsace", "Blanc", "Riesling"), "   Temp =9",
                                         "   Garde=2 à 8 ans", "   Plats="})));
        WriteFileBytes("Domaine.dat", CrLf({"[" + store::PadText("Bordeaux", 20) + "][" + store::PadText("Pauillac", 30) + "]",
                                            "     -" + store::PadText("Latour", 50) + store::PadText("Pinault", 50)}));
        WriteFileBytes("Apogee.dat", CrLf({"[" + store::PadText("Rouge", 10) + "][" + store::PadText("Bordeaux", 20) + "][ 8]"}));
    }

    static store::CellarWine Wine(const std::string& colour, const std::string& region, const std::string& appellation,
                                  const std::string& vintage, const std::string& quantity = " 6") {
        store::CellarWine w;
        w.colour = colour;
        w.region = region;
        w.appellation = appellation;
        w.vintage = vintage;
        w.quantity = quantity;
        w.price = "   10.00";
        w.purchaseDate = store::Blanks(10);
        w.peakYear = store::Blanks(4);
        w.mark = "Bon";
        w.bottleFormat = "Bouteille";
        return store::PaddedCellarWine(w);
    }

    // The user picks an entry of a list, as with the mouse.
    static void Choose(QComboBox* box, const QString& text) {
        const int at = box->findText(text);
        ASSERT_GE(at, 0) << text.toStdString();
        box->setCurrentIndex(at);
        emit box->activated(at);
    }
};

} // namespace testsupport
