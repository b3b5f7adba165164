// The banded report engine. A report is a page header and a footer repeated on every page,
// then group, detail and summary bands in print order, in one column or in several (labels),
// on A4 portrait inside margins of 12.7 mm. It is laid out into pages without painting, so the
// text of every page can be read, then painted onto a printer: the preview window, the printer
// chosen in the printer set-up, or a PDF file.
#pragma once

#include <QColor>
#include <QDate>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "ui/Icons.h"
#include "ui/PieChart.h"

class QPainter;
class QPrinter;

namespace ui {

// The printable area of the page and the designer's pixel (96 per inch), in millimetres.
inline constexpr double kReportMargin = 12.7;
inline constexpr double kReportWidth = 210.0 - 2 * kReportMargin;
inline constexpr double kReportHeight = 297.0 - 2 * kReportMargin;
inline constexpr double kDesignPixel = 25.4 / 96;
inline constexpr double kFooterHeight = 8;

enum class BandKind { PageHeader, Group, Detail, Summary, PageFooter };

struct ReportFont {
    double points = 10;
    bool bold = false;
    bool italic = false;
};

struct ReportItem {
    enum class Kind { Text, Rule, Picture, DashedCircle, Frame, Pie, Swatch, Drawing };
    Kind kind = Kind::Text;
    QRectF rect; // millimetres from the band's top left corner; a rule is its top edge
    QString text;
    ReportFont font;
    int flags = Qt::AlignLeft | Qt::AlignVCenter;
    Picture picture = Picture::Emblem;
    std::shared_ptr<const PieChart> chart; // of a pie, shared by the copies of the band
    QColor fill;                           // of a swatch
    // Paints a drawing into its rectangle, given in the painter's own units.
    std::shared_ptr<const std::function<void(QPainter&, const QRectF&)>> drawing;
};

class ReportBand {
public:
    static constexpr int kLeft = Qt::AlignLeft | Qt::AlignVCenter;
    static constexpr int kRight = Qt::AlignRight | Qt::AlignVCenter;
    static constexpr int kCentre = Qt::AlignHCenter | Qt::AlignVCenter;

    explicit ReportBand(BandKind kind = BandKind::Detail, double height = 0, int level = 0);

    ReportBand& text(const QRectF& rect, const QString& text, ReportFont font = {},
                     int flags = kLeft);
    ReportBand& rule(double y, double left, double right);
    ReportBand& picture(const QRectF& rect, Picture picture);
    ReportBand& dashedCircle(const QRectF& rect);
    ReportBand& frame(const QRectF& rect);
    // The same chart the window shows, its labels in the given font.
    ReportBand& pieChart(const QRectF& rect, PieChart chart, ReportFont font = {});
    // A small square of colour framed in black, as a legend shows it.
    ReportBand& swatch(const QRectF& rect, const QColor& fill);
    // A picture the caller paints itself, such as a chart of the window.
    ReportBand& drawing(const QRectF& rect, std::function<void(QPainter&, const QRectF&)> paint);

    // The texts of the band in the order they were added.
    QStringList texts() const;
    // The texts that stand on one line joined by the separator, line after line.
    QStringList lines(const QString& separator = QStringLiteral(" | ")) const;

    BandKind kind;
    double height; // millimetres
    int level;     // of a group band: 1 for the outer group, 2 for the inner one
    std::vector<ReportItem> items;
};

struct PlacedBand {
    QPointF at; // millimetres from the top left corner of the printable area
    ReportBand band;
};

struct ReportPage {
    int number = 1;
    std::vector<PlacedBand> bands; // header first, footer last, the others top to bottom

    // Every text of the page, band after band.
    QStringList texts() const;
    std::vector<const ReportBand*> bandsOf(BandKind kind) const;
};

struct Report {
    QString title; // of the print job and the preview window
    int columns = 1;
    std::optional<ReportBand> pageHeader;
    bool pageFooter = true; // a rule, "Page " and the number on the left, the date on the right
    QDate printDate = QDate::currentDate();
    std::vector<ReportBand> bands; // group, detail and summary bands in print order

    double columnWidth() const { return kReportWidth / columns; }

    // A band goes to the next column, or the next page, when it does not fit where it would
    // stand; a group band also needs room for the band it introduces.
    std::vector<ReportPage> layOut() const;
};

// A4 portrait, margins of 12.7 mm, the report's title as the job's name.
void PrepareReportPrinter(QPrinter& printer, const QString& title);

// One sheet per page; false when the printer cannot be painted on.
bool PaintReport(const std::vector<ReportPage>& pages, QPrinter& printer);

bool WriteReportPdf(const Report& report, const QString& fileName);

// Where "Save as PDF" proposes to write a report: the user's documents folder, under a name made
// from the report's title.
QString ProposedPdfPath(const QString& title);

// Preview Yes: the preview window, from which the person prints or saves a PDF. Preview No:
// the printer chosen in the printer set-up, else the system's default. False, after a warning
// saying why, when the report could not be printed.
bool OutputReport(const Report& report);

// The printer set-up: the printer chosen there takes every later report until the program ends.
void ShowPrinterSetup();

namespace testing {

// While one lives, reports are kept here, laid out, instead of reaching a window or a printer.
class ReportCapture {
public:
    struct Output {
        Report report;
        bool preview = false; // the Preview setting when the report went out
        std::vector<ReportPage> pages;
    };

    ReportCapture();
    ~ReportCapture();
    ReportCapture(const ReportCapture&) = delete;
    ReportCapture& operator=(const ReportCapture&) = delete;

    const std::vector<Output>& outputs() const { return outputs_; }
    void keep(Output output) { outputs_.push_back(std::move(output)); }

private:
    std::vector<Output> outputs_;
};

ReportCapture* ActiveReportCapture();

} // namespace testing

} // namespace ui
