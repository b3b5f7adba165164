#include "stats/Ustat.h"

#include <QAbstractTableModel>
#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <vector>

#include "stats/StatChart.h"
#include "stats/StatReport.h"
#include "store/State.h"
#include "ui/BusyCursor.h"
#include "ui/Cp1252.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Keyboard.h"
#include "ui/PieChart.h"
#include "ui/Screen.h"
#include "ui/TextRowsModel.h"
#include "ui/Widgets.h"

namespace stats {

// The rows of the list as the window shows them, the number columns right-aligned.
class StatRowsModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(const std::vector<Row>& rows, View view) {
        beginResetModel();
        view_ = view;
        rows_.clear();
        for (const Row& row : rows)
            rows_.push_back({ui::ToQString(row.name), ui::ToQString(row.bottlesText()),
                             ui::ToQString(row.winesText()), ui::ToQString(row.amountText())});
        endResetModel();
        retranslate();
    }
    void retranslate() { emit headerDataChanged(Qt::Horizontal, 0, 3); }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : 4;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        if (role == Qt::TextAlignmentRole)
            return index.column() == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                       : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole) return {};
        return rows_[static_cast<std::size_t>(index.row())]
                    [static_cast<std::size_t>(index.column())];
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal) return {};
        if (role == Qt::TextAlignmentRole)
            return section == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole) return {};
        switch (section) {
        case 0:
            return GroupCaption(view_);
        case 1:
            return TStatForm::tr("Bts");
        case 2:
            return TStatForm::tr("Vins");
        case 3:
            return TStatForm::tr("Montant");
        default:
            return {};
        }
    }

private:
    View view_ = View::ByColour;
    std::vector<std::array<QString, 4>> rows_;
};

} // namespace stats

namespace {

constexpr int kHelpTopic = 5;
const std::vector<int> kDesignWidths = {120, 40, 40, 80};

} // namespace

TStatForm::TStatForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TStatForm"));

    Select_type = new QGroupBox(this);
    Select_type->setObjectName(QStringLiteral("Select_type"));
    byColour_ = new QRadioButton(Select_type);
    byColour_->setObjectName(QStringLiteral("byColour"));
    byRegion_ = new QRadioButton(Select_type);
    byRegion_->setObjectName(QStringLiteral("byRegion"));
    types_ = new QButtonGroup(this);
    types_->addButton(byColour_, 0);
    types_->addButton(byRegion_, 1);
    byColour_->setChecked(true);
    auto* columns = new QHBoxLayout(Select_type);
    columns->addWidget(byColour_, 1);
    columns->addWidget(byRegion_, 1);

    Liste_stat = new QTableView(this);
    Liste_stat->setObjectName(QStringLiteral("Liste_stat"));
    model_ = new stats::StatRowsModel(Liste_stat);
    Liste_stat->setModel(model_);
    ui::SetUpReportList(Liste_stat);

    Fromage = new ui::PieChartView(this);
    Fromage->setObjectName(QStringLiteral("Fromage"));

    BitBtn4 = ui::PictureButton(this, "BitBtn4", ui::Picture::Printer);
    BitBtn1 = ui::PictureButton(this, "BitBtn1", ui::Picture::Ok);
    // Enter is the OK button's, except in the choice of view, where it would close the window.
    BitBtn1->setDefault(true);
    for (QWidget* criterion : std::initializer_list<QWidget*>{byColour_, byRegion_})
        ui::IgnoreEnter(criterion);
    BitBtn8 = ui::PictureButton(this, "BitBtn8", ui::Picture::Help);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {BitBtn4, BitBtn1, BitBtn8})
        buttons->addWidget(b);
    buttons->addStretch(1);

    auto* body = new QHBoxLayout;
    body->addWidget(Liste_stat, 0);
    body->addWidget(Fromage, 1);
    auto* main = new QVBoxLayout(this);
    main->addWidget(Select_type);
    main->addLayout(body, 1);
    main->addLayout(buttons);

    connect(types_, &QButtonGroup::idClicked, this, &TStatForm::Compute);
    connect(BitBtn4, &QPushButton::clicked, this, &TStatForm::BitBtn4Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn8, &QPushButton::clicked, this, [] { ui::ShowHelpTopic(kHelpTopic); });
    ui::InstallHelpKey(this, kHelpTopic);

    retranslateUi();
    Compute();
    ui::FitWindowToScreen(this);
}

TStatForm::~TStatForm() = default;

stats::View TStatForm::view() const {
    return byRegion_->isChecked() ? stats::View::ByRegion : stats::View::ByColour;
}

void TStatForm::retranslateUi() {
    setWindowTitle(tr("Statistiques sur le contenu de la cave"));
    byColour_->setText(tr("Par &Couleur"));
    byRegion_->setText(tr("Par &Région"));
    BitBtn4->setText(tr("&Imprimer"));
    BitBtn1->setText(tr("&OK"));
    BitBtn8->setText(tr("&Aide"));
    ui::SetHint(Select_type, tr("Type de statistiques"));
    ui::SetHint(Liste_stat, tr("Statistiques"));
    ui::SetHint(BitBtn4, tr("Imprime les statistiques"));
    ui::SetHint(BitBtn1, tr("Retour à l'écran principal"));
    ui::SetHint(BitBtn8, tr("Accès à l'aide"));
    model_->retranslate();
    ui::PieChart chart = Fromage->chart();
    chart.title = stats::ChartTitle(view());
    Fromage->setChart(std::move(chart));
    fitColumns();
}

void TStatForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

void TStatForm::Compute() {
    const stats::View v = view();
    stats::Statistics statistics;
    {
        const ui::BusyCursor busy;
        statistics = stats::Compute(v);
    }
    model_->setRows(statistics.rows, v);
    Fromage->setChart(stats::StatChart(statistics, v));
}

void TStatForm::fitColumns() {
    ui::SetDesignWidths(Liste_stat, kDesignWidths);
    // Wide enough for every name either view can show, so that the list keeps its width when
    // the view changes.
    const store::Vocabulary& lists = store::State().lists;
    std::vector<std::string> names = lists.colours.entries;
    names.insert(names.end(), lists.regions.entries.begin(), lists.regions.entries.end());
    names.push_back(lists.regions.fixedEntry);
    const QFontMetrics metrics = Liste_stat->fontMetrics();
    int widest = Liste_stat->columnWidth(0);
    for (const std::string& name : names)
        widest = std::max(
            widest, metrics.horizontalAdvance(QStringLiteral("   ") + ui::ShownField(name)) + 12);
    Liste_stat->setColumnWidth(0, widest);
    int total = Liste_stat->frameWidth() * 2 + Liste_stat->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < 4; ++column)
        total += Liste_stat->columnWidth(column);
    Liste_stat->setMinimumWidth(total);
}

void TStatForm::BitBtn4Click() {
    stats::PrintStatReport(view());
}
