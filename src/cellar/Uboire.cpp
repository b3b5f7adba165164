#include "cellar/Uboire.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTableView>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>

#include "cellar/CellarState.h"
#include "cellar/ColourCharts.h"
#include "cellar/Uzoom.h"
#include "stats/WinePalette.h"
#include "store/Files.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/WineEntry.h"
#include "ui/Cp1252.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Keyboard.h"
#include "ui/Screen.h"
#include "ui/State.h"
#include "ui/TextRowsModel.h"
#include "ui/Widgets.h"

namespace {

constexpr int kHelpTopic = 29;

const std::vector<int> kDesignWidths = {60, 155, 140, 43, 43, 30, 60};
const std::vector<const char*> kHeaders = {
    QT_TRANSLATE_NOOP("TQuandBoire", "Couleur"),   QT_TRANSLATE_NOOP("TQuandBoire", "Appellation"),
    QT_TRANSLATE_NOOP("TQuandBoire", "Domaine"),   QT_TRANSLATE_NOOP("TQuandBoire", "Année"),
    QT_TRANSLATE_NOOP("TQuandBoire", "Apogée"),    QT_TRANSLATE_NOOP("TQuandBoire", "Qté"),
    QT_TRANSLATE_NOOP("TQuandBoire", "Place"),
};

QString ChartTitle() {
    return QCoreApplication::translate("TQuandBoire", "Bouteilles de la cave par année d'apogée");
}

} // namespace

namespace cellar {

QString DrinkBarCaption(const stats::DrinkChart& chart, const stats::DrinkBar& bar) {
    switch (bar.kind) {
    case stats::DrinkBar::Kind::Past: return QCoreApplication::translate("TQuandBoire", "Passé");
    case stats::DrinkBar::Kind::NoPeak: return QCoreApplication::translate("TQuandBoire", "Sans apogée");
    case stats::DrinkBar::Kind::Year: break;
    }
    // The current year is marked where it stands among the others.
    return bar.year == chart.currentYear ? QStringLiteral("%1 \u25C4").arg(bar.year)
                                         : QString::number(bar.year);
}

QChart* MakeWhenToDrinkChart(const stats::DrinkChart& chart) {
    auto* view = new QChart;
    view->setTitle(ChartTitle());
    view->setAnimationOptions(QChart::NoAnimation);
    const stats::WinePalette palette(store::State().lists.colours.entries);
    auto* series = new QStackedBarSeries;
    for (std::size_t c = 0; c < chart.colours.size(); ++c) {
        auto* set = new QBarSet(ui::ToQString(chart.colours[c]));
        for (const stats::DrinkBar& bar : chart.bars) *set << static_cast<double>(bar.bottles[c]);
        PaintBarSet(set, palette.colourOf(chart.colours[c]));
        series->append(set);
    }
    view->addSeries(series);
    QStringList captions;
    long highest = 0;
    for (const stats::DrinkBar& bar : chart.bars) {
        captions << DrinkBarCaption(chart, bar);
        highest = std::max(highest, bar.total);
    }
    auto* years = new QBarCategoryAxis;
    years->append(captions);
    if (captions.size() > 12) years->setLabelsAngle(-90);
    years->setTruncateLabels(false);
    view->addAxis(years, Qt::AlignBottom);
    series->attachAxis(years);
    auto* bottles = new QValueAxis;
    bottles->setRange(0, std::max(1L, highest));
    bottles->setLabelFormat(QStringLiteral("%d"));
    bottles->setTitleText(QCoreApplication::translate("TQuandBoire", "Bouteilles"));
    bottles->applyNiceNumbers();
    view->addAxis(bottles, Qt::AlignLeft);
    series->attachAxis(bottles);
    view->legend()->setAlignment(Qt::AlignBottom);
    return view;
}

ui::Report WhenToDrinkReport(const stats::DrinkChart& chart) {
    ui::Report report;
    report.title = QCoreApplication::translate("TQuandBoire", "Quand boire ?");
    report.pageHeader = ChartPageHeader(QCoreApplication::translate("TQuandBoire", "Quand boire ?"), ChartTitle());
    ui::ReportBand picture(ui::BandKind::Summary, 150);
    picture.drawing({0, 2, ui::kReportWidth, 146}, [chart](QPainter& painter, const QRectF& rect) {
        RenderChart(painter, rect, [&chart] { return MakeWhenToDrinkChart(chart); });
    });
    report.bands.push_back(std::move(picture));
    const stats::WinePalette palette(store::State().lists.colours.entries);
    std::vector<LegendEntry> legend;
    for (std::size_t c = 0; c < chart.colours.size(); ++c) {
        long bottles = 0;
        for (const stats::DrinkBar& bar : chart.bars) bottles += bar.bottles[c];
        legend.push_back({palette.colourOf(chart.colours[c]), ui::ToQString(chart.colours[c]),
                          QCoreApplication::translate("TQuandBoire", "%1 bouteilles").arg(bottles)});
    }
    for (ui::ReportBand& band : LegendBands(QCoreApplication::translate("TQuandBoire", "Couleurs"), legend)) report.bands.push_back(std::move(band));
    std::vector<LegendEntry> bars;
    for (const stats::DrinkBar& bar : chart.bars)
        if (bar.total > 0) bars.push_back({{255, 255, 255}, DrinkBarCaption(chart, bar), QCoreApplication::translate("TQuandBoire", "%1 bouteilles").arg(bar.total)});
    for (ui::ReportBand& band : LegendBands(QCoreApplication::translate("TQuandBoire", "Années d'apogée"), bars)) {
        // The periods are listed without a colour square.
        std::erase_if(band.items, [](const ui::ReportItem& item) { return item.kind == ui::ReportItem::Kind::Swatch; });
        report.bands.push_back(std::move(band));
    }
    return report;
}

} // namespace cellar

TQuandBoire::TQuandBoire(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TQuandBoire"));
    Graphique = new QChartView(this);
    Graphique->setObjectName(QStringLiteral("Graphique"));
    Graphique->setRenderHint(QPainter::Antialiasing);
    Graphique->setFocusPolicy(Qt::NoFocus);
    // Forty years and a dozen colours stay readable, their legend whole.
    Graphique->setMinimumSize(fontMetrics().height() * 60, fontMetrics().height() * 26);

    Liste_barre = new QComboBox(this);
    Liste_barre->setObjectName(QStringLiteral("Liste_barre"));
    barLabel_ = new QLabel(this);
    barLabel_->setBuddy(Liste_barre);
    Liste_vins = new QTableView(this);
    Liste_vins->setObjectName(QStringLiteral("Liste_vins"));
    model_ = new ui::TextRowsModel("TQuandBoire", kHeaders, 3, Liste_vins);
    Liste_vins->setModel(model_);
    ui::SetUpReportList(Liste_vins);
    winesLabel_ = new QLabel(this);
    winesLabel_->setBuddy(Liste_vins);

    BitBtn5 = ui::PictureButton(this, "BitBtn5", ui::Picture::Search);
    BitBtn4 = ui::PictureButton(this, "BitBtn4", ui::Picture::Printer);
    BitBtn1 = ui::PictureButton(this, "BitBtn1", ui::Picture::Ok);
    BitBtn8 = ui::PictureButton(this, "BitBtn8", ui::Picture::Help);
    BitBtn1->setDefault(true);
    ui::IgnoreEnter(Liste_barre);

    auto* choice = new QHBoxLayout;
    choice->addWidget(barLabel_);
    choice->addWidget(Liste_barre, 1);
    choice->addStretch(2);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {BitBtn5, BitBtn4, BitBtn1, BitBtn8}) buttons->addWidget(b);
    auto* main = new QVBoxLayout(this);
    main->addWidget(Graphique, 3);
    main->addLayout(choice);
    main->addWidget(winesLabel_);
    main->addWidget(Liste_vins, 2);
    main->addLayout(buttons);

    connect(Liste_barre, &QComboBox::currentIndexChanged, this, &TQuandBoire::listWines);
    connect(Liste_vins, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { openWine(index.isValid() ? index.row() : -1); });
    connect(BitBtn5, &QPushButton::clicked, this, [this] {
        const QModelIndexList rows = Liste_vins->selectionModel()->selectedRows();
        openWine(rows.isEmpty() ? -1 : rows.first().row());
    });
    connect(BitBtn4, &QPushButton::clicked, this, &TQuandBoire::BitBtn4Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn8, &QPushButton::clicked, this, [] { ui::ShowHelpTopic(kHelpTopic); });
    ui::InstallHelpKey(this, kHelpTopic);

    retranslateUi();
    ui::SetDesignWidths(Liste_vins, kDesignWidths);
    for (int column : {1, 2}) Liste_vins->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
    Liste_vins->setMinimumHeight(Liste_vins->verticalHeader()->defaultSectionSize() * 6);
    reload();
    // Where the cellar holds wines to open now: the current year's bar.
    showBar(chart_.barOf(stats::DrinkBar::Kind::Year, chart_.currentYear));
    ui::FitWindowToScreen(this);
}

TQuandBoire::~TQuandBoire() = default;

void TQuandBoire::retranslateUi() {
    setWindowTitle(tr("Quand boire ?"));
    barLabel_->setText(tr("A&pogée :"));
    winesLabel_->setText(tr("&Vins :"));
    BitBtn5->setText(tr("&Zoom"));
    BitBtn4->setText(tr("&Imprimer"));
    BitBtn1->setText(tr("&OK"));
    BitBtn8->setText(tr("&Aide"));
    ui::SetHint(Liste_barre, tr("Période d'apogée dont les vins sont listés"));
    ui::SetHint(Liste_vins, tr("Vins de la période ; un double clic ouvre leur zoom"));
    ui::SetHint(BitBtn5, tr("Affiche les caractéristiques d'un vin"));
    ui::SetHint(BitBtn4, tr("Imprime le graphique"));
    ui::SetHint(BitBtn1, tr("Ferme la fenêtre"));
    ui::SetHint(BitBtn8, tr("Accès à l'aide"));
    model_->retranslate();
    if (Graphique->chart() && !chart_.bars.empty()) {
        const int shown = shownBar();
        reload();
        showBar(shown);
    }
}

void TQuandBoire::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

void TQuandBoire::reload() {
    try {
        chart_ = stats::ComputeWhenToDrink();
    } catch (const store::IoError& error) {
        ui::ShowIoError(error);
        chart_ = stats::DrinkAccumulator({}, store::CurrentYear()).result();
    }
    QChart* old = Graphique->chart();
    QChart* chart = cellar::MakeWhenToDrinkChart(chart_);
    for (QAbstractSeries* s : chart->series()) {
        auto* series = static_cast<QStackedBarSeries*>(s);
        connect(series, &QStackedBarSeries::clicked, this, [this](int index, QBarSet*) { showBar(index); });
        connect(series, &QStackedBarSeries::hovered, this, [this, series](bool on, int index, QBarSet* set) {
            if (!on) {
                QToolTip::hideText();
                return;
            }
            QToolTip::showText(QCursor::pos(), segmentTip(static_cast<int>(series->barSets().indexOf(set)), index), Graphique);
        });
    }
    Graphique->setChart(chart);
    delete old;
    fillBarList();
}

void TQuandBoire::fillBarList() {
    const QSignalBlocker block(Liste_barre);
    Liste_barre->clear();
    for (const stats::DrinkBar& bar : chart_.bars)
        Liste_barre->addItem(tr("%1 : %2 bouteilles").arg(cellar::DrinkBarCaption(chart_, bar)).arg(bar.total));
}

int TQuandBoire::shownBar() const {
    return Liste_barre->currentIndex();
}

void TQuandBoire::showBar(int bar) {
    if (bar < 0 || bar >= Liste_barre->count()) bar = Liste_barre->count() ? 0 : -1;
    if (Liste_barre->currentIndex() == bar)
        listWines();
    else
        Liste_barre->setCurrentIndex(bar);
}

QString TQuandBoire::segmentTip(int colour, int bar) const {
    if (colour < 0 || bar < 0 || static_cast<std::size_t>(colour) >= chart_.colours.size() ||
        static_cast<std::size_t>(bar) >= chart_.bars.size())
        return {};
    const stats::DrinkBar& b = chart_.bars[static_cast<std::size_t>(bar)];
    return tr("%1, %2 : %3 bouteilles")
        .arg(ui::ToQString(chart_.colours[static_cast<std::size_t>(colour)]), cellar::DrinkBarCaption(chart_, b))
        .arg(b.bottles[static_cast<std::size_t>(colour)]);
}

void TQuandBoire::listWines() {
    std::vector<ui::TextRowsModel::Row> rows;
    const int bar = shownBar();
    if (bar >= 0 && static_cast<std::size_t>(bar) < chart_.bars.size())
        for (std::size_t i : chart_.bars[static_cast<std::size_t>(bar)].wines) {
            const stats::DrinkWine& w = chart_.wines[i];
            rows.push_back({ui::ShownField(w.colour), ui::ShownField(w.appellation), ui::ShownField(w.domaine),
                            ui::ShownField(w.vintage), ui::ShownField(w.peakYear), QString::number(w.bottles),
                            ui::ShownField(w.location)});
        }
    model_->setRows(std::move(rows));
}

void TQuandBoire::openWine(int row) {
    const int bar = shownBar();
    if (row < 0 || bar < 0 || row >= model_->rowCount()) {
        ui::ShowMessageNumber(tr("Aucun vin n'est sélectionné"), 17);
        return;
    }
    const stats::DrinkBar& shown = chart_.bars[static_cast<std::size_t>(bar)];
    const stats::DrinkBar::Kind kind = shown.kind;
    const int year = shown.year;
    const long position = chart_.wines[shown.wines[static_cast<std::size_t>(row)]].position;
    // The zoom steps through the whole cellar from the wine shown; the book's own filter
    // comes back afterwards.
    store::RecordFilter& filter = store::State().filter;
    const store::RecordFilter kept = filter;
    const cellar::Navigation keptNavigation = cellar::State();
    filter = store::RecordFilter{};
    filter.colour = filter.second = store::AllEntry(store::State().language);
    try {
        const store::CellarRow place = store::CellarRowAt(position);
        cellar::Navigation& nav = cellar::State();
        nav.currentWinePosition = position;
        nav.selectedRow = static_cast<int>(place.row);
        nav.lastRow = static_cast<int>(place.rows) - 1;
        TZoomForm form(this);
        ui::ExecModal(form);
    } catch (const store::IoError& error) {
        ui::ShowIoError(error);
    }
    filter = kept;
    cellar::State() = keptNavigation;
    reload();
    int again = chart_.barOf(kind, year);
    if (again < 0) again = chart_.barOf(stats::DrinkBar::Kind::Year, chart_.currentYear);
    showBar(again);
}

void TQuandBoire::BitBtn4Click() {
    ui::OutputReport(cellar::WhenToDrinkReport(chart_));
}
