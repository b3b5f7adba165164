#include "history/Uconsochart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

#include "cellar/ColourCharts.h"
#include "stats/WinePalette.h"
#include "store/Files.h"
#include "store/State.h"
#include "ui/Cp1252.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Screen.h"
#include "ui/Widgets.h"

namespace {

constexpr int kHelpTopic = 30;

QString Money(double value) {
    return QString::number(value, 'f', 2);
}

} // namespace

namespace history {

QString DrunkPeriodCaption(const stats::ConsumptionChart& chart, const stats::DrunkPeriod& period) {
    if (!chart.monthly) return QString::number(period.year);
    return QStringLiteral("%1/%2").arg(period.month, 2, 10, QLatin1Char('0')).arg(period.year);
}

QString PeriodText(const std::string& from, const std::string& to) {
    const QString f = ui::ToQString(from), t = ui::ToQString(to);
    if (from.empty() && to.empty()) return QCoreApplication::translate("TConsommation", "Tout l'historique");
    if (to.empty()) return QCoreApplication::translate("TConsommation", "Depuis le %1").arg(f);
    if (from.empty()) return QCoreApplication::translate("TConsommation", "Jusqu'au %1").arg(t);
    return QCoreApplication::translate("TConsommation", "Du %1 au %2").arg(f, t);
}

QChart* MakeConsumptionChart(const stats::ConsumptionChart& chart) {
    auto* view = new QChart;
    view->setTitle(chart.monthly ? QCoreApplication::translate("TConsommation", "Bouteilles bues par mois") : QCoreApplication::translate("TConsommation", "Bouteilles bues par année"));
    view->setAnimationOptions(QChart::NoAnimation);
    const stats::WinePalette palette(store::State().lists.colours.entries);
    auto* series = new QStackedBarSeries;
    for (std::size_t c = 0; c < chart.colours.size(); ++c) {
        auto* set = new QBarSet(ui::ToQString(chart.colours[c]));
        for (const stats::DrunkPeriod& p : chart.periods) *set << static_cast<double>(p.bottles[c]);
        cellar::PaintBarSet(set, palette.colourOf(chart.colours[c]));
        series->append(set);
    }
    view->addSeries(series);
    auto* value = new QLineSeries;
    value->setName(QCoreApplication::translate("TConsommation", "Valeur bue"));
    QPen pen(QColor(20, 20, 20));
    pen.setWidthF(2.5);
    value->setPen(pen);
    value->setPointsVisible(true);
    QStringList captions;
    long highest = 0;
    double richest = 0;
    for (std::size_t i = 0; i < chart.periods.size(); ++i) {
        captions << DrunkPeriodCaption(chart, chart.periods[i]);
        highest = std::max(highest, chart.periods[i].total);
        richest = std::max(richest, chart.periods[i].value);
        value->append(static_cast<double>(i), chart.periods[i].value);
    }
    view->addSeries(value);
    auto* periods = new QBarCategoryAxis;
    periods->append(captions);
    if (captions.size() > 12) periods->setLabelsAngle(-90);
    periods->setTruncateLabels(false);
    view->addAxis(periods, Qt::AlignBottom);
    series->attachAxis(periods);
    value->attachAxis(periods);
    auto* bottles = new QValueAxis;
    bottles->setRange(0, std::max(1L, highest));
    bottles->setLabelFormat(QStringLiteral("%d"));
    bottles->setTitleText(QCoreApplication::translate("TConsommation", "Bouteilles"));
    bottles->applyNiceNumbers();
    view->addAxis(bottles, Qt::AlignLeft);
    series->attachAxis(bottles);
    auto* money = new QValueAxis;
    money->setRange(0, std::max(1.0, richest));
    money->setLabelFormat(QStringLiteral("%.0f"));
    money->setTitleText(QCoreApplication::translate("TConsommation", "Valeur"));
    money->applyNiceNumbers();
    view->addAxis(money, Qt::AlignRight);
    value->attachAxis(money);
    view->legend()->setAlignment(Qt::AlignBottom);
    return view;
}

ui::Report ConsumptionChartReport(const stats::ConsumptionChart& chart, const QString& period) {
    ui::Report report;
    report.title = QCoreApplication::translate("TConsommation", "Consommation");
    report.pageHeader = cellar::ChartPageHeader(QCoreApplication::translate("TConsommation", "Consommation"), period);
    ui::ReportBand picture(ui::BandKind::Summary, 150);
    picture.drawing({0, 2, ui::kReportWidth, 146}, [chart](QPainter& painter, const QRectF& rect) {
        cellar::RenderChart(painter, rect, [&chart] { return MakeConsumptionChart(chart); });
    });
    report.bands.push_back(std::move(picture));
    const stats::WinePalette palette(store::State().lists.colours.entries);
    std::vector<cellar::LegendEntry> legend;
    for (std::size_t c = 0; c < chart.colours.size(); ++c) {
        long bottles = 0;
        for (const stats::DrunkPeriod& p : chart.periods) bottles += p.bottles[c];
        legend.push_back({palette.colourOf(chart.colours[c]), ui::ToQString(chart.colours[c]),
                          QCoreApplication::translate("TConsommation", "%1 bouteilles").arg(bottles)});
    }
    for (ui::ReportBand& band : cellar::LegendBands(QCoreApplication::translate("TConsommation", "Couleurs"), legend)) report.bands.push_back(std::move(band));
    std::vector<cellar::LegendEntry> periods;
    for (const stats::DrunkPeriod& p : chart.periods)
        if (p.total > 0)
            periods.push_back({{255, 255, 255}, DrunkPeriodCaption(chart, p),
                               QCoreApplication::translate("TConsommation", "%1 bouteilles, %2").arg(p.total).arg(Money(p.value))});
    for (ui::ReportBand& band : cellar::LegendBands(QCoreApplication::translate("TConsommation", "Périodes"), periods)) {
        std::erase_if(band.items, [](const ui::ReportItem& item) { return item.kind == ui::ReportItem::Kind::Swatch; });
        report.bands.push_back(std::move(band));
    }
    return report;
}

} // namespace history

TConsommation::TConsommation(QWidget* parent, std::string from, std::string to)
    : QDialog(parent), from_(std::move(from)), to_(std::move(to)) {
    setObjectName(QStringLiteral("TConsommation"));
    Graphique = new QChartView(this);
    Graphique->setObjectName(QStringLiteral("Graphique"));
    Graphique->setRenderHint(QPainter::Antialiasing);
    Graphique->setFocusPolicy(Qt::NoFocus);
    Graphique->setMinimumSize(fontMetrics().height() * 60, fontMetrics().height() * 30);
    periode_ = new QLabel(this);
    periode_->setObjectName(QStringLiteral("periode"));
    periode_->setAlignment(Qt::AlignCenter);
    BitBtn4 = ui::PictureButton(this, "BitBtn4", ui::Picture::Printer);
    BitBtn1 = ui::PictureButton(this, "BitBtn1", ui::Picture::Ok);
    BitBtn8 = ui::PictureButton(this, "BitBtn8", ui::Picture::Help);
    BitBtn1->setDefault(true);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {BitBtn4, BitBtn1, BitBtn8}) buttons->addWidget(b);
    auto* main = new QVBoxLayout(this);
    main->addWidget(periode_);
    main->addWidget(Graphique, 1);
    main->addLayout(buttons);
    connect(BitBtn4, &QPushButton::clicked, this, &TConsommation::BitBtn4Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn8, &QPushButton::clicked, this, [] { ui::ShowHelpTopic(kHelpTopic); });
    ui::InstallHelpKey(this, kHelpTopic);
    retranslateUi();
    ui::FitWindowToScreen(this);
}

TConsommation::~TConsommation() = default;

void TConsommation::retranslateUi() {
    setWindowTitle(tr("Consommation"));
    periode_->setText(history::PeriodText(from_, to_));
    BitBtn4->setText(tr("&Imprimer"));
    BitBtn1->setText(tr("&OK"));
    BitBtn8->setText(tr("&Aide"));
    ui::SetHint(BitBtn4, tr("Imprime le graphique"));
    ui::SetHint(BitBtn1, tr("Ferme la fenêtre"));
    ui::SetHint(BitBtn8, tr("Accès à l'aide"));
    reload();
}

void TConsommation::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

void TConsommation::reload() {
    try {
        chart_ = stats::ComputeConsumption(from_, to_);
    } catch (const store::IoError& error) {
        ui::ShowIoError(error);
        chart_ = {};
    }
    QChart* old = Graphique->chart();
    Graphique->setChart(history::MakeConsumptionChart(chart_));
    delete old;
}

void TConsommation::BitBtn4Click() {
    ui::OutputReport(history::ConsumptionChartReport(chart_, history::PeriodText(from_, to_)));
}
