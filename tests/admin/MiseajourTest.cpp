// The update command as the menu runs it: what it asks, what it says, and what it leaves.
#include <gtest/gtest.h>

#include <cerrno>

#include "admin/Umiseajour.h"
#include "store/Files.h"
#include "store/State.h"
#include "store/Vocabulary.h"
#include "ui/support/UiTest.h"

using testsupport::CrLf;
using testsupport::Exists;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;
using Kind = ui::testing::BoxKind;

namespace {

const std::string kGraves = "[Bordeaux            ][Rouge     ](Graves                        )";
const std::string kPrevious = CrLf({kGraves, "   Temp =17", "   Garde=10 ans", "   Plats="});

class MiseajourTest : public testsupport::UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        store::State().language = store::DataLanguage::French;
        store::SetDataFileNames(store::DataLanguage::French);
        WriteFileBytes("Vins.dat", kPrevious);
    }
};

TEST_F(MiseajourTest, AsksForAReferenceFileAndSaysNothingOnSuccess) {
    WriteFileBytes("new.ref", CrLf({kGraves, "   Temp =16", "   Garde=8 ans", "   Plats="}));
    recorder->queueFileName(QString::fromStdString(dataDir + "/new.ref"));
    admin::Misejour1Click();
    ASSERT_EQ(recorder->boxes().size(), 1u);
    EXPECT_EQ(recorder->boxes()[0].kind, Kind::OpenFile);
    EXPECT_EQ(recorder->boxes()[0].title, QString::fromUtf8("Mise à jour des bases de données"));
    EXPECT_EQ(recorder->boxes()[0].text, QString::fromUtf8("Bases de données (*.ref)"));
    EXPECT_EQ(ReadFileBytes("Vins.dat"), kPrevious);
    EXPECT_EQ(ReadFileBytes("Vins.maj"), kPrevious);
    EXPECT_FALSE(Exists("new.ref"));
}

TEST_F(MiseajourTest, CancelledOrMissingDoesNothingAndABadFileIsRefused) {
    admin::Misejour1Click();
    recorder->queueFileName(QString::fromStdString(dataDir + "/absent.ref"));
    admin::Misejour1Click();
    EXPECT_TRUE(recorder->boxesOf(Kind::Warning).empty());
    EXPECT_TRUE(recorder->boxesOf(Kind::Error).empty());

    WriteFileBytes("notes.ref", "Liste de courses\r\n");
    recorder->queueFileName(QString::fromStdString(dataDir + "/notes.ref"));
    admin::Misejour1Click();
    ASSERT_EQ(recorder->boxesOf(Kind::Warning).size(), 1u);
    EXPECT_TRUE(Exists("notes.ref"));
    EXPECT_FALSE(Exists("Vins.maj"));
    EXPECT_EQ(ReadFileBytes("Vins.dat"), kPrevious);
}

TEST_F(MiseajourTest, AnUnreadableBaseShowsTheInputOutputError) {
    WriteFileBytes("new.ref", CrLf({kGraves, "   Temp =16"}));
    store::files_testing::FailOpensWith(EACCES, "Vins.dat");
    recorder->queueFileName(QString::fromStdString(dataDir + "/new.ref"));
    admin::Misejour1Click();
    store::files_testing::FailOpensWith(0);
    EXPECT_EQ(recorder->boxesOf(Kind::Error).size(), 1u);
    EXPECT_TRUE(Exists("new.ref"));
    EXPECT_EQ(ReadFileBytes("Vins.dat"), kPrevious);
}

// What the box says when the chosen file is a data file, a base with a stray line, or a
// reference that stayed in its place after the update.
TEST_F(MiseajourTest, TheBoxesSayWhyNothingChangedOrWhatStayed) {
    const std::string chart = "[" + std::string("Bordeaux") + std::string(12, ' ') + "](" +
                              "Graves" + std::string(24, ' ') + ")";
    WriteFileBytes("stray.ref", CrLf({chart, "      1990,15", "Liste de courses"}));
    const struct {
        std::string chosen;
        const char* text;
    } cases[] = {
        {dataDir + "/Vins.dat", "Ce fichier est « Vins.dat », un fichier des données de Tonnelix : il "
                                "ne peut pas servir de fichier de référence. Aucune base n'a été "
                                "modifiée."},
        {dataDir + "/stray.ref", "Ce fichier n'est pas un tableau des millésimes : sa ligne 3 n'en "
                                 "suit pas la forme. Aucune base n'a été modifiée."},
    };
    for (const auto& c : cases) {
        recorder->clear();
        recorder->queueFileName(QString::fromStdString(c.chosen));
        admin::Misejour1Click();
        ASSERT_EQ(recorder->boxesOf(Kind::Warning).size(), 1u) << c.chosen;
        EXPECT_EQ(recorder->boxesOf(Kind::Warning)[0].text, QString::fromUtf8(c.text));
        EXPECT_EQ(ReadFileBytes("Vins.dat"), kPrevious);
        EXPECT_FALSE(Exists("Vins.maj") || Exists("Annee.maj"));
    }

    WriteFileBytes("new.ref", CrLf({kGraves, "   Temp =16", "   Garde=8 ans", "   Plats="}));
    store::files_testing::FailRemovesWith(EACCES);
    recorder->clear();
    const QString chosen = QString::fromStdString(dataDir + "/new.ref");
    recorder->queueFileName(chosen);
    admin::Misejour1Click();
    store::files_testing::FailRemovesWith(0);
    ASSERT_EQ(recorder->boxesOf(Kind::Warning).size(), 1u);
    EXPECT_EQ(recorder->boxesOf(Kind::Warning)[0].text,
              QString::fromUtf8("La base a été mise à jour, mais le fichier de référence ") + chosen +
                  QString::fromUtf8(" n'a pas pu être retiré de sa place."));
    EXPECT_TRUE(Exists("new.ref"));
    EXPECT_EQ(ReadFileBytes("Vins.maj"), kPrevious);
}

} // namespace
