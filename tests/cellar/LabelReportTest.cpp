// Bottle labels: the count window (1 to 80, arrows only) and the label report, identical
// labels four to a page.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "cellar/CellarWindowTest.h"
#include "cellar/Usticker.h"
#include "ui/Report.h"

using namespace testsupport;
using ui::BandKind;

static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

class LabelReportTest : public CellarWindowTest {
protected:
    void SetUp() override {
        CellarWindowTest::SetUp();
        auto wine = Wine("Rouge", "Bordeaux", "Pauillac", "1990", " 9");
        wine.domaine = store::PadText(store::Cp1252("Château Latour"), 50);
        wine.owner = store::PadText("Pinault", 50);
        wine.remarks = store::PadText(store::Cp1252("Grand vin à garder"), 50);
        wine.peakYear = "2005";
        wine.location = store::PadText("A3", 10);
        cellar::State().labelWine = wine;
    }
};

TEST_F(LabelReportTest, CountStartsAtTheQuantityWithinOneToEighty) {
    const struct {
        const char* quantity;
        int count;
    } cases[] = {{" 6", 6}, {" 0", 1}, {"99", 80}, {"  ", 1}};
    for (const auto& c : cases) {
        cellar::State().labelWine.quantity = c.quantity;
        TStickerform form;
        EXPECT_EQ(form.findChild<QSpinBox*>("nb_sticker")->value(), c.count) << c.quantity;
    }
}

TEST_F(LabelReportTest, CountChangesWithTheArrowsOnly) {
    TStickerform form;
    auto* count = form.findChild<QSpinBox*>("nb_sticker");
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Impression d'étiquettes"));
    EXPECT_EQ(count->toolTip(), QString::fromUtf8("Nombre d'étiquettes"));
    count->selectAll();
    QTest::keyClicks(count, "5");
    EXPECT_EQ(count->value(), 9);
    QTest::keyClick(count, Qt::Key_Up);
    EXPECT_EQ(count->value(), 10);
    count->setValue(80);
    QTest::keyClick(count, Qt::Key_Up);
    EXPECT_EQ(count->value(), 80);
}

// Nine labels: two full pages of two columns, then one label on a third page.
TEST_F(LabelReportTest, OkPrintsTheCountOfIdenticalLabels) {
    ui::testing::ReportCapture capture;
    TStickerform form;
    QTest::mouseClick(form.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Accepted);

    ASSERT_EQ(capture.outputs().size(), 1u);
    const auto& pages = capture.outputs()[0].pages;
    ASSERT_EQ(pages.size(), 3u);
    const QStringList label = {"1990",
                               "Rouge",
                               "Bordeaux",
                               "Pauillac",
                               QString::fromUtf8("Château Latour"),
                               "Pinault",
                               QString::fromUtf8("Grand vin à garder"),
                               QString::fromUtf8("A déguster avant : 2005"),
                               "A3"};
    const std::size_t perPage[3] = {4, 4, 1};
    for (std::size_t p = 0; p < 3; ++p) {
        ASSERT_EQ(pages[p].bands.size(), perPage[p]) << "page " << p + 1; // labels only
        for (const auto& placed : pages[p].bands)
            EXPECT_EQ(placed.band.texts(), label);
    }
    // Two columns of two on a page.
    const double x = pages[0].bands[2].at.x();
    EXPECT_GT(x, 90);
    EXPECT_EQ(pages[0].bands[0].at.x(), 0);
    EXPECT_EQ(pages[0].bands[1].at.x(), 0);
    EXPECT_EQ(pages[0].bands[3].at.x(), x);
}

TEST_F(LabelReportTest, CancelPrintsNothing) {
    ui::testing::ReportCapture capture;
    TStickerform form;
    QTest::mouseClick(form.findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_TRUE(capture.outputs().empty());
}

TEST_F(LabelReportTest, EnglishWindowAndLabel) {
    loadEnglish();
    TStickerform form;
    EXPECT_EQ(form.windowTitle(), "Printing labels");
    EXPECT_EQ(form.findChild<QLabel*>()->text(), "&Number of labels to print:");
    const auto pages = cellar::LabelReport(cellar::State().labelWine, 1).layOut();
    EXPECT_TRUE(pages[0].texts().contains("Drink before: 2005"));
}

} // namespace
