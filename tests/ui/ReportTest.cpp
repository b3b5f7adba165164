// The report engine: pages with their header and footer, page breaks, group bands kept with
// what they introduce, columns, and the way out (capture, preview window, PDF).
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QDir>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QStandardPaths>
#include <QRegularExpression>

#include "ui/Report.h"
#include "ui/support/UiTest.h"

using ui::BandKind;
using ui::ReportBand;

static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

class ReportTest : public testsupport::UiTest {};

ReportBand Band(BandKind kind, double height, const QString& text) {
    ReportBand band(kind, height);
    band.text({0, 0, 50, 5}, text);
    return band;
}

ui::Report TitledReport(int details, double detailHeight = 40) {
    ui::Report report;
    report.title = QStringLiteral("Essai");
    report.printDate = QDate(1999, 3, 5);
    report.pageHeader = Band(BandKind::PageHeader, 20, QStringLiteral("En-tête"));
    for (int i = 1; i <= details; ++i)
        report.bands.push_back(Band(BandKind::Detail, detailHeight, QString::number(i)));
    return report;
}

QStringList DetailTexts(const ui::ReportPage& page) {
    QStringList texts;
    for (const ReportBand* band : page.bandsOf(BandKind::Detail))
        texts << band->texts();
    return texts;
}

// 271.6 mm of page less 20 of header and 8 of footer leave room for six bands of 40 mm.
TEST_F(ReportTest, EveryPageHasItsHeaderAndNumberedFooter) {
    const auto pages = TitledReport(13).layOut();
    ASSERT_EQ(pages.size(), 3u);
    for (const auto& page : pages) {
        const QStringList texts = page.texts();
        EXPECT_EQ(texts.first(), QString::fromUtf8("En-tête"));
        EXPECT_EQ(texts.mid(texts.size() - 2),
                  (QStringList{QStringLiteral("Page %1").arg(page.number), "05/03/1999"}));
        // The footer stands at the foot of the printable area, below every other band.
        const ui::PlacedBand& footer = page.bands.back();
        EXPECT_EQ(footer.band.kind, BandKind::PageFooter);
        EXPECT_DOUBLE_EQ(footer.at.y() + footer.band.height, ui::kReportHeight);
        for (std::size_t i = 0; i + 1 < page.bands.size(); ++i)
            EXPECT_LE(page.bands[i].at.y() + page.bands[i].band.height, footer.at.y() + 1e-9);
    }
    EXPECT_EQ(DetailTexts(pages[0]), (QStringList{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(DetailTexts(pages[2]), QStringList{"13"});
}

TEST_F(ReportTest, GroupHeadingMovesWithTheBandItIntroduces) {
    ui::Report report = TitledReport(5);
    // Five details use 200 of the 243.6 mm; two headings and a detail no longer fit.
    report.bands.push_back(Band(BandKind::Group, 10, "Rouge"));
    report.bands.push_back(Band(BandKind::Group, 8, "Bordeaux"));
    report.bands.push_back(Band(BandKind::Detail, 40, "6"));
    const auto pages = report.layOut();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(pages[0].bandsOf(BandKind::Group).empty());
    const QStringList second = pages[1].texts();
    EXPECT_EQ(second.mid(1, 3), (QStringList{"Rouge", "Bordeaux", "6"}));
}

TEST_F(ReportTest, ASummaryNeverOpensAPageAlone) {
    // Six details of 40 mm fill the first page exactly; the summary takes the sixth with it.
    ui::Report report = TitledReport(6);
    report.bands.push_back(Band(BandKind::Summary, 10, QStringLiteral("Total")));
    const auto pages = report.layOut();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(DetailTexts(pages[1]), QStringList{"6"});
    EXPECT_EQ(pages[1].bandsOf(BandKind::Summary).size(), 1u);
}

TEST_F(ReportTest, ColumnsFillDownThenAcrossWithoutHeaderOrFooter) {
    ui::Report report;
    report.columns = 2;
    report.pageFooter = false;
    for (int i = 1; i <= 5; ++i)
        report.bands.push_back(Band(BandKind::Detail, 118, QString::number(i)));
    const auto pages = report.layOut();
    ASSERT_EQ(pages.size(), 2u);
    ASSERT_EQ(pages[0].bands.size(), 4u);
    const QPointF expected[4] = {
        {0, 0}, {0, 118}, {ui::kReportWidth / 2, 0}, {ui::kReportWidth / 2, 118}};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(pages[0].bands[i].at, expected[i]) << i;
    EXPECT_EQ(pages[1].texts(), QStringList{"5"});
}

TEST_F(ReportTest, EmptyReportAndOversizedBandStillMakePages) {
    EXPECT_EQ(TitledReport(0).layOut().size(), 1u);
    // A band taller than the page goes on pages of its own instead of looping.
    ui::Report report = TitledReport(1, 30);
    report.bands.push_back(Band(BandKind::Summary, 400, "long"));
    report.bands.push_back(Band(BandKind::Detail, 30, "after"));
    const auto pages = report.layOut();
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[1].bandsOf(BandKind::Summary).size(), 1u);
    EXPECT_EQ(DetailTexts(pages[2]), QStringList{"after"});
}

TEST_F(ReportTest, CaptureKeepsThePagesAndThePreviewSetting) {
    ui::testing::ReportCapture capture;
    ui::State().preview = true;
    EXPECT_TRUE(ui::OutputReport(TitledReport(7)));
    ui::State().preview = false;
    EXPECT_TRUE(ui::OutputReport(TitledReport(1)));
    ASSERT_EQ(capture.outputs().size(), 2u);
    EXPECT_TRUE(capture.outputs()[0].preview);
    EXPECT_EQ(capture.outputs()[0].pages.size(), 2u);
    EXPECT_FALSE(capture.outputs()[1].preview);
    EXPECT_TRUE(recorder->boxes().empty());
}

bool IsPdfOfPages(const QString& name, int pages) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QString bytes = QString::fromLatin1(file.readAll());
    return bytes.startsWith(QLatin1String("%PDF")) &&
           bytes.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))) == pages;
}

// With Preview Yes the preview window opens; its own button saves the pages as a PDF.
TEST_F(ReportTest, PreviewWindowSavesAPdf) {
    ui::State().preview = true;
    recorder->queueFileName(QStringLiteral("inventaire"));
    recorder->queueModal([](QDialog& dialog) {
        auto* save = dialog.findChild<QAction*>(QStringLiteral("savePdf"));
        if (!save) return int(QDialog::Rejected);
        save->trigger();
        return int(QDialog::Accepted);
    });
    ui::Report report = TitledReport(7);
    report.bands.front().text({0, 10, 80, 5}, QString::fromUtf8("Côtes du Rhône, Château Ausone"));
    EXPECT_TRUE(ui::OutputReport(report));

    const auto modals = recorder->boxesOf(ui::testing::BoxKind::Modal);
    ASSERT_EQ(modals.size(), 1u);
    EXPECT_EQ(modals[0].text, "QPrintPreviewDialog");
    EXPECT_EQ(modals[0].title, "Essai");
    EXPECT_TRUE(IsPdfOfPages(QStringLiteral("inventaire.pdf"), 2));
}

TEST_F(ReportTest, PreviewOpensLargeAtPageWidthAndProposesTheDocumentsFolder) {
    ui::State().preview = true;
    QSize size;
    QPrintPreviewWidget::ZoomMode zoom = QPrintPreviewWidget::CustomZoom;
    recorder->queueModal([&](QDialog& dialog) {
        size = dialog.size();
        if (auto* preview = dialog.findChild<QPrintPreviewWidget*>()) zoom = preview->zoomMode();
        if (auto* save = dialog.findChild<QAction*>(QStringLiteral("savePdf"))) save->trigger();
        return int(QDialog::Rejected);
    });
    ui::Report report = TitledReport(1);
    report.title = QStringLiteral("Pauillac - Rouge     ");
    EXPECT_TRUE(ui::OutputReport(report));

    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_GE(size.width(), room.width() * 8 / 10);
    EXPECT_GE(size.height(), room.height() * 8 / 10);
    EXPECT_EQ(zoom, QPrintPreviewWidget::FitToWidth);
    const auto modals = recorder->boxesOf(ui::testing::BoxKind::Modal);
    ASSERT_EQ(modals.size(), 1u);
    EXPECT_EQ(modals[0].title, "Pauillac - Rouge");
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    const auto saves = recorder->boxesOf(ui::testing::BoxKind::SaveFile);
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].proposed, documents.filePath("Pauillac - Rouge.pdf"));
    // A title holding characters that file names refuse still makes a name.
    EXPECT_EQ(ui::ProposedPdfPath(QStringLiteral("Vins 1999/2000: \"rouges\"")),
              documents.filePath("Vins 1999-2000- -rouges-.pdf"));
}

// With Preview No nothing reaches a real printer during tests; the print is recorded instead.
TEST_F(ReportTest, DirectPrintIsRecordedUnderTest) {
    EXPECT_TRUE(ui::OutputReport(TitledReport(1)));
    const auto modals = recorder->boxesOf(ui::testing::BoxKind::Modal);
    ASSERT_EQ(modals.size(), 1u);
    EXPECT_EQ(modals[0].text, "QPrinter");
}

TEST_F(ReportTest, PdfFailureIsReported) {
    EXPECT_FALSE(ui::WriteReportPdf(TitledReport(1), QStringLiteral("missing-folder/r.pdf")));
}

} // namespace
