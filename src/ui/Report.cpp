#include "ui/Report.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QToolBar>

#include <algorithm>
#include <cmath>

#include "ui/Dialogs.h"
#include "ui/State.h"

namespace ui {

namespace {

QFont FontOf(const ReportFont& face) {
    QFont font;
    // Arial where it exists, else a sans-serif of the same measure, else DejaVu Sans.
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(face.points);
    font.setBold(face.bold);
    font.setItalic(face.italic);
    return font;
}

// Columns are measured for Arial; a wider font standing in for it shrinks a text that would
// overrun its place, rather than lose its end.
QFont FittedFont(const ReportItem& item, double width, QPaintDevice* device) {
    QFont font = FontOf(item.font);
    if (item.flags & Qt::TextWordWrap) return font;
    const double needed = QFontMetricsF(font, device).horizontalAdvance(item.text);
    if (needed > width && needed > 0)
        font.setPointSizeF(std::max(item.font.points * width / needed, item.font.points * 0.75));
    return font;
}

ReportBand Footer(int page, const QDate& date) {
    ReportBand band(BandKind::PageFooter, kFooterHeight);
    band.rule(1.5, 0, kReportWidth);
    band.text({0, 2.5, 60, 5},
              QCoreApplication::translate("Report", "Page ") + QString::number(page));
    band.text({kReportWidth - 60, 2.5, 60, 5}, date.toString(QStringLiteral("dd/MM/yyyy")), {},
              ReportBand::kRight);
    return band;
}

void PaintPage(QPainter& painter, const ReportPage& page, double pixelsPerMm) {
    auto px = [&](const QRectF& mm) {
        return QRectF(mm.x() * pixelsPerMm, mm.y() * pixelsPerMm, mm.width() * pixelsPerMm,
                      mm.height() * pixelsPerMm);
    };
    const double pen = 0.3 * pixelsPerMm;
    for (const PlacedBand& placed : page.bands) {
        for (const ReportItem& item : placed.band.items) {
            const QRectF rect = px(item.rect.translated(placed.at));
            switch (item.kind) {
            case ReportItem::Kind::Text:
                painter.setPen(Qt::black);
                painter.setFont(FittedFont(item, rect.width(), painter.device()));
                painter.drawText(rect, item.flags, item.text);
                break;
            case ReportItem::Kind::Rule:
                painter.setPen(QPen(Qt::black, pen));
                painter.drawLine(rect.topLeft(), rect.topRight());
                break;
            case ReportItem::Kind::Picture:
                PaintPicture(painter, item.picture, rect);
                break;
            case ReportItem::Kind::DashedCircle:
                painter.setPen(QPen(QColor(128, 0, 32), pen * 2, Qt::DashLine));
                painter.setBrush(Qt::NoBrush);
                painter.drawEllipse(rect);
                break;
            case ReportItem::Kind::Frame:
                painter.setPen(QPen(Qt::gray, pen, Qt::DotLine));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(rect);
                break;
            case ReportItem::Kind::Pie:
                if (item.chart) PaintPieChart(painter, *item.chart, rect, FontOf(item.font));
                break;
            case ReportItem::Kind::Swatch:
                painter.setPen(QPen(Qt::black, pen));
                painter.setBrush(item.fill);
                painter.drawRect(rect);
                break;
            case ReportItem::Kind::Drawing:
                if (item.drawing) {
                    painter.save();
                    (*item.drawing)(painter, rect);
                    painter.restore();
                }
                break;
            }
        }
    }
}

QString PreviewTitle(const QString& title) {
    const QString trimmed = title.simplified();
    return trimmed.isEmpty() ? QStringLiteral("Tonnelix") : trimmed;
}

QString PdfName(QString name) {
    if (QFileInfo(name).suffix().isEmpty()) name += QStringLiteral(".pdf");
    return name;
}

void AddSavePdfAction(QPrintPreviewDialog& dialog, const Report& report) {
    auto* toolBar = dialog.findChild<QToolBar*>();
    if (!toolBar) return;
    toolBar->addSeparator();
    QAction* save = toolBar->addAction(QCoreApplication::translate("Report", "Enregistrer en PDF"));
    save->setObjectName(QStringLiteral("savePdf"));
    save->setToolTip(
        QCoreApplication::translate("Report", "Enregistre le rapport dans un fichier PDF"));
    QObject::connect(save, &QAction::triggered, &dialog, [&report] {
        const QString name =
            AskSaveFileName(QCoreApplication::translate("Report", "Enregistrer en PDF"),
                            QCoreApplication::translate("Report", "Documents PDF (*.pdf)"),
                            ProposedPdfPath(report.title));
        if (name.isEmpty()) return;
        if (!WriteReportPdf(report, PdfName(name)))
            ShowMessageNumber(
                QCoreApplication::translate("Report", "Le fichier %1 n'a pas pu être écrit.")
                    .arg(PdfName(name)),
                0);
    });
}

} // namespace

QString ProposedPdfPath(const QString& title) {
    QString name = PreviewTitle(title);
    // Characters that file systems or the file dialog refuse become dashes.
    static const QRegularExpression refused(QStringLiteral(R"([/\\:*?"<>|]+)"));
    name.replace(refused, QStringLiteral("-"));
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

namespace {

bool Preview(const Report& report, const std::vector<ReportPage>& pages, QPrinter& printer) {
    QPrintPreviewDialog dialog(&printer, DialogParent());
    dialog.setWindowTitle(PreviewTitle(report.title));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&pages](QPrinter* target) { PaintReport(pages, *target); });
    AddSavePdfAction(dialog, report);
    // Large enough to read a page at its width without a magnifier.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        dialog.resize(room.width() * 9 / 10, room.height() * 9 / 10);
    }
    // Found by name: its text is Qt's own and speaks the program's language.
    if (auto* fitWidth = dialog.findChild<QAction*>(QStringLiteral("fitWidthAction")))
        fitWidth->trigger();
    ExecModal(dialog);
    return true;
}

} // namespace

ReportBand::ReportBand(BandKind kind, double height, int level)
    : kind(kind), height(height), level(level) {}

ReportBand& ReportBand::text(const QRectF& rect, const QString& text, ReportFont font, int flags) {
    ReportItem item;
    item.rect = rect;
    item.text = text;
    item.font = font;
    item.flags = flags;
    items.push_back(std::move(item));
    return *this;
}

ReportBand& ReportBand::rule(double y, double left, double right) {
    ReportItem item;
    item.kind = ReportItem::Kind::Rule;
    item.rect = QRectF(left, y, right - left, 0);
    items.push_back(std::move(item));
    return *this;
}

ReportBand& ReportBand::picture(const QRectF& rect, Picture picture) {
    ReportItem item;
    item.kind = ReportItem::Kind::Picture;
    item.rect = rect;
    item.picture = picture;
    items.push_back(std::move(item));
    return *this;
}

ReportBand& ReportBand::dashedCircle(const QRectF& rect) {
    ReportItem item;
    item.kind = ReportItem::Kind::DashedCircle;
    item.rect = rect;
    items.push_back(std::move(item));
    return *this;
}

ReportBand& ReportBand::frame(const QRectF& rect) {
    ReportItem item;
    item.kind = ReportItem::Kind::Frame;
    item.rect = rect;
    items.push_back(std::move(item));
    return *this;
}

ReportBand& ReportBand::pieChart(const QRectF& rect, PieChart chart, ReportFont font) {
    ReportItem item;
    item.kind = ReportItem::Kind::Pie;
    item.rect = rect;
    item.font = font;
    item.chart = std::make_shared<const PieChart>(std::move(chart));
    items.push_back(std::move(item));
    return *this;
}

ReportBand& ReportBand::swatch(const QRectF& rect, const QColor& fill) {
    ReportItem item;
    item.kind = ReportItem::Kind::Swatch;
    item.rect = rect;
    item.fill = fill;
    items.push_back(std::move(item));
    return *this;
}

ReportBand& ReportBand::drawing(const QRectF& rect,
                                std::function<void(QPainter&, const QRectF&)> paint) {
    ReportItem item;
    item.kind = ReportItem::Kind::Drawing;
    item.rect = rect;
    item.drawing = std::make_shared<const std::function<void(QPainter&, const QRectF&)>>(
        std::move(paint));
    items.push_back(std::move(item));
    return *this;
}

QStringList ReportBand::texts() const {
    QStringList result;
    for (const ReportItem& item : items)
        if (item.kind == ReportItem::Kind::Text) result << item.text;
    return result;
}

QStringList ReportBand::lines(const QString& separator) const {
    std::vector<std::pair<double, QStringList>> rows;
    for (const ReportItem& item : items) {
        if (item.kind != ReportItem::Kind::Text) continue;
        auto row = std::find_if(rows.begin(), rows.end(), [&](const auto& r) {
            return std::abs(r.first - item.rect.y()) < 1e-6;
        });
        if (row == rows.end()) row = rows.insert(rows.end(), {item.rect.y(), {}});
        row->second << item.text;
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList result;
    for (const auto& row : rows)
        result << row.second.join(separator);
    return result;
}

QStringList ReportPage::texts() const {
    QStringList result;
    for (const PlacedBand& placed : bands)
        result << placed.band.texts();
    return result;
}

std::vector<const ReportBand*> ReportPage::bandsOf(BandKind kind) const {
    std::vector<const ReportBand*> result;
    for (const PlacedBand& placed : bands)
        if (placed.band.kind == kind) result.push_back(&placed.band);
    return result;
}

std::vector<ReportPage> Report::layOut() const {
    const double top = pageHeader ? pageHeader->height : 0;
    const double bottom = kReportHeight - (pageFooter ? kFooterHeight : 0);
    constexpr double kSlack = 1e-6;

    std::vector<ReportPage> pages;
    int column = 0;
    double y = top;
    auto newPage = [&] {
        ReportPage page;
        page.number = static_cast<int>(pages.size()) + 1;
        if (pageHeader) page.bands.push_back({QPointF(0, 0), *pageHeader});
        pages.push_back(std::move(page));
        column = 0;
        y = top;
    };
    newPage();

    for (std::size_t i = 0; i < bands.size(); ++i) {
        double needed = bands[i].height;
        if (bands[i].kind == BandKind::Group) {
            // A group heading never stands alone at the foot of a column.
            std::size_t next = i + 1;
            while (next < bands.size() && bands[next].kind == BandKind::Group)
                needed += bands[next++].height;
            if (next < bands.size()) needed += bands[next].height;
        } else if (i + 1 < bands.size() && bands[i + 1].kind == BandKind::Summary &&
                   needed + bands[i + 1].height <= bottom - top) {
            // Nor does a summary open a page by itself: the last band it sums up goes with it.
            needed += bands[i + 1].height;
        }
        // A band taller than the column still goes on a fresh one rather than looping.
        if (y + needed > bottom + kSlack && y > top + kSlack) {
            if (++column == columns)
                newPage();
            else
                y = top;
        }
        pages.back().bands.push_back({QPointF(column * columnWidth(), y), bands[i]});
        y += bands[i].height;
    }

    if (pageFooter)
        for (ReportPage& page : pages)
            page.bands.push_back(
                {QPointF(0, kReportHeight - kFooterHeight), Footer(page.number, printDate)});
    return pages;
}

void PrepareReportPrinter(QPrinter& printer, const QString& title) {
    printer.setDocName(title);
    printer.setFullPage(false);
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(kReportMargin, kReportMargin, kReportMargin, kReportMargin),
                    QPageLayout::Millimeter));
}

bool PaintReport(const std::vector<ReportPage>& pages, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const double pixelsPerMm = printer.resolution() / 25.4;
    bool first = true;
    for (const ReportPage& page : pages) {
        if (!first && !printer.newPage()) return false;
        first = false;
        PaintPage(painter, page, pixelsPerMm);
    }
    return painter.end();
}

bool WriteReportPdf(const Report& report, const QString& fileName) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    PrepareReportPrinter(printer, report.title);
    return PaintReport(report.layOut(), printer) && QFileInfo(fileName).size() > 0;
}

bool OutputReport(const Report& report) {
    const bool preview = State().preview;
    if (auto* capture = testing::ActiveReportCapture()) {
        capture->keep({report, preview, report.layOut()});
        return true;
    }
    const std::vector<ReportPage> pages = report.layOut();
    QPrinter printer(QPrinter::HighResolution);
    const QStringList installed = QPrinterInfo::availablePrinterNames();
    const QString chosen = State().printerName;
    if (!chosen.isEmpty() && installed.contains(chosen))
        printer.setPrinterName(chosen);
    else if (printer.printerName().isEmpty() && !installed.isEmpty())
        printer.setPrinterName(installed.first()); // printers but no default one
    PrepareReportPrinter(printer, report.title);
    if (preview) return Preview(report, pages, printer);

    if (auto* recorder = testing::ActiveRecorder()) {
        // Nothing reaches a real printer while a test answers for the person.
        recorder->record({testing::BoxKind::Modal, report.title, QStringLiteral("QPrinter")});
        return true;
    }
    if (installed.isEmpty()) {
        ShowMessageNumber(
            QCoreApplication::translate(
                "Report",
                "Aucune imprimante n'est installée. Choisissez « Prévisualisation : Oui » dans "
                "les options pour enregistrer le rapport en PDF."),
            0);
        return false;
    }
    if (!PaintReport(pages, printer)) {
        ShowMessageNumber(QCoreApplication::translate("Report", "L'impression sur %1 a échoué.")
                              .arg(printer.printerName()),
                          0);
        return false;
    }
    return true;
}

void ShowPrinterSetup() {
    QPrinter printer(QPrinter::HighResolution);
    const QString chosen = State().printerName;
    if (!chosen.isEmpty()) printer.setPrinterName(chosen);
    QPrintDialog dialog(&printer, DialogParent());
    dialog.setWindowTitle(QCoreApplication::translate("Report", "Configuration de l'imprimante"));
    // The set-up names a printer; a PDF is saved from the preview window.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (ExecModal(dialog) == QDialog::Accepted && printer.outputFormat() == QPrinter::NativeFormat)
        State().printerName = printer.printerName();
}

namespace testing {

ReportCapture::ReportCapture() {
    State().reportCapture = this;
}

ReportCapture::~ReportCapture() {
    if (State().reportCapture == this) State().reportCapture = nullptr;
}

ReportCapture* ActiveReportCapture() {
    return State().reportCapture;
}

} // namespace testing

} // namespace ui
