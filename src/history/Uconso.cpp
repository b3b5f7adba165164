#include "history/Uconso.h"

#include <QCollator>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

#include "history/ConsumedEntries.h"
#include "history/ConsumptionReport.h"
#include "history/HistoryState.h"
#include "history/Uconsochart.h"
#include "history/Uresto.h"
#include "history/Uzoomconso.h"
#include "store/RecordCache.h"
#include "store/Records.h"
#include "store/State.h"
#include "store/Text.h"
#include "ui/BusyCursor.h"
#include "ui/Cp1252.h"
#include "ui/MaskedBox.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Screen.h"
#include "ui/Widgets.h"
#include "ui/State.h"
#include "ui/TextRowsModel.h"

namespace {
const std::vector<int> kDesignWidths = {60, 155, 60, 70, 80};
const std::vector<const char*> kHeaders = {
    QT_TRANSLATE_NOOP("TConsovin", "Couleur"),      QT_TRANSLATE_NOOP("TConsovin", "Appellation"),
    QT_TRANSLATE_NOOP("TConsovin", "Millésime"),    QT_TRANSLATE_NOOP("TConsovin", "Bu le"),
    QT_TRANSLATE_NOOP("TConsovin", "Appréciation"),
};
} // namespace

namespace {

constexpr int kHelpTopic = 24;

QPushButton* Button(QWidget* parent, const char* name, ui::Picture picture) {
    QPushButton* button = ui::PictureButton(parent, name, picture);
    // Enter in a criterion box must not close the window or open another.
    button->setAutoDefault(false);
    return button;
}

QLineEdit* DateBox(QWidget* parent, const char* name) {
    return ui::DateEdit(parent, name, "99/99/9999");
}

} // namespace

TConsovin::TConsovin(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TConsovin"));

    auto* filterFrame = new QFrame(this);
    filterFrame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    Liste_coul = new QComboBox(filterFrame);
    Liste_coul->setObjectName(QStringLiteral("Liste_coul"));
    Liste_appellation = new QComboBox(filterFrame);
    Liste_appellation->setObjectName(QStringLiteral("Liste_appellation"));
    Liste_appellation->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Liste_appellation->setMinimumContentsLength(24);
    Liste_appellation->setMaxVisibleItems(20);
    Date_deb = DateBox(filterFrame, "Date_deb");
    date_fin = DateBox(filterFrame, "date_fin");
    Recherche = new QLineEdit(filterFrame);
    Recherche->setObjectName(QStringLiteral("Recherche"));
    // The filter keeps 30 characters of search text: the box takes no more.
    Recherche->setMaxLength(30);
    ui::RefuseOutsideCp1252(Recherche);
    BitBtn2 = new QPushButton(filterFrame);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);
    colourLabel_ = new QLabel(filterFrame);
    colourLabel_->setBuddy(Liste_coul);
    appellationLabel_ = new QLabel(filterFrame);
    appellationLabel_->setBuddy(Liste_appellation);
    fromLabel_ = new QLabel(filterFrame);
    fromLabel_->setBuddy(Date_deb);
    toLabel_ = new QLabel(filterFrame);
    toLabel_->setBuddy(date_fin);
    searchLabel_ = new QLabel(filterFrame);
    searchLabel_->setBuddy(Recherche);

    auto* filters = new QGridLayout;
    filters->addWidget(colourLabel_, 0, 0);
    filters->addWidget(Liste_coul, 0, 1);
    filters->addWidget(appellationLabel_, 0, 2);
    filters->addWidget(Liste_appellation, 0, 3, 1, 2);
    filters->addWidget(fromLabel_, 1, 0);
    filters->addWidget(Date_deb, 1, 1);
    filters->addWidget(toLabel_, 1, 2);
    filters->addWidget(date_fin, 1, 3);
    filters->addWidget(searchLabel_, 2, 0);
    filters->addWidget(Recherche, 2, 1, 1, 4);
    filters->setColumnStretch(4, 1);
    auto* band = new QHBoxLayout(filterFrame);
    band->addLayout(filters, 1);
    band->addWidget(BitBtn2, 0, Qt::AlignCenter);

    Liste_vins = new QTableView(this);
    Liste_vins->setObjectName(QStringLiteral("Liste_vins"));
    model_ = new ui::TextRowsModel("TConsovin", kHeaders, 2, Liste_vins);
    Liste_vins->setModel(model_);
    ui::SetUpReportList(Liste_vins);

    BitBtn5 = Button(this, "BitBtn5", ui::Picture::Search);
    BitBtn3 = Button(this, "BitBtn3", ui::Picture::Dishes);
    BitBtn4 = Button(this, "BitBtn4", ui::Picture::Printer);
    BitBtn6 = Button(this, "BitBtn6", ui::Picture::Chart);
    BitBtn1 = Button(this, "BitBtn1", ui::Picture::Ok);
    BitBtn8 = Button(this, "BitBtn8", ui::Picture::Help);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {BitBtn5, BitBtn3, BitBtn4, BitBtn6, BitBtn1, BitBtn8})
        buttons->addWidget(b);

    auto* main = new QVBoxLayout(this);
    main->addWidget(filterFrame);
    main->addWidget(Liste_vins, 1);
    main->addLayout(buttons);

    QWidget* order[] = {Liste_coul, Liste_appellation, Date_deb, date_fin, Recherche, BitBtn2,
                        Liste_vins, BitBtn5,           BitBtn3,  BitBtn4,  BitBtn6,   BitBtn1,
                        BitBtn8};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(Liste_coul, &QComboBox::currentIndexChanged, this, &TConsovin::Rebuild);
    connect(Liste_appellation, &QComboBox::currentIndexChanged, this, &TConsovin::Rebuild);
    connect(Recherche, &QLineEdit::textChanged, this, &TConsovin::Rebuild);
    Date_deb->installEventFilter(this);
    date_fin->installEventFilter(this);
    connect(BitBtn2, &QPushButton::clicked, this, &TConsovin::BitBtn2Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TConsovin::BitBtn5Click);
    connect(Liste_vins, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        Liste_vins->setFocus();
        editRow(index.isValid() ? index.row() : -1, false);
    });
    connect(BitBtn3, &QPushButton::clicked, this, &TConsovin::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TConsovin::BitBtn4Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TConsovin::BitBtn6Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn8, &QPushButton::clicked, this, [] { ui::ShowHelpTopic(kHelpTopic); });
    ui::InstallHelpKey(this, kHelpTopic);

    retranslateUi();
    ui::SetDesignWidths(Liste_vins, kDesignWidths);
    // A whole date, whatever the font.
    Liste_vins->setColumnWidth(
        3, std::max(Liste_vins->columnWidth(3),
                    Liste_vins->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) + 16));
    // The appellation takes the width the window gives beyond the design widths.
    Liste_vins->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    Liste_vins->setMinimumSize(Liste_vins->fontMetrics().averageCharWidth() * 70,
                               Liste_vins->verticalHeader()->defaultSectionSize() * 14);
    ui::FitWindowToScreen(this);
    fillFilterLists();
    Rebuild();
}

void TConsovin::retranslateUi() {
    setWindowTitle(tr("Vins consommés"));
    colourLabel_->setText(tr("&Couleur :"));
    appellationLabel_->setText(tr("A&ppellation :"));
    fromLabel_->setText(tr("Période &du :"));
    toLabel_->setText(tr("a&u :"));
    searchLabel_->setText(tr("Rec&herche :"));
    BitBtn2->setText(tr("&R.A.Z"));
    BitBtn5->setText(tr("&Zoom"));
    BitBtn3->setText(tr("&Extérieur"));
    BitBtn4->setText(tr("&Imprimer"));
    BitBtn6->setText(tr("Co&nsommation"));
    BitBtn1->setText(tr("&OK"));
    BitBtn8->setText(tr("&Aide"));
    const struct {
        QWidget* widget;
        QString hint;
    } hints[] = {
        {Liste_coul, tr("Couleur recherchée")},
        {Liste_appellation, tr("Appellation recherchée")},
        {Date_deb, tr("Premier jour de la période")},
        {date_fin, tr("Dernier jour de la période")},
        {Recherche, tr("Texte à rechercher")},
        {BitBtn2, tr("Supprime tous les critères de recherche")},
        {Liste_vins, tr("Vins consommés")},
        {BitBtn5, tr("Zoom sur un vin consommé")},
        {BitBtn3, tr("Saisie d'un vin consommé à l'extérieur")},
        {BitBtn4, tr("Imprime le contenu de la sélection")},
        {BitBtn6, tr("Bouteilles bues et valeur bue de la période, par couleur")},
        {BitBtn1, tr("Retour à l'écran principal")},
        {BitBtn8, tr("Accès à l'aide")},
    };
    for (const auto& h : hints) ui::SetHint(h.widget, h.hint);
    model_->retranslate();
}

void TConsovin::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

bool TConsovin::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Date_deb || watched == date_fin) {
        // Leaving a date box (not the window) or pressing Enter in it applies the period.
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) Rebuild();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                Rebuild();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TConsovin::fillFilterLists() {
    const QSignalBlocker colourBlock(Liste_coul);
    const QSignalBlocker appellationBlock(Liste_appellation);
    const QString all = QString::fromLatin1(store::AllEntry(store::State().language));
    Liste_coul->clear();
    Liste_coul->addItem(all);
    for (const auto& entry : store::State().lists.colours.entries)
        Liste_coul->addItem(ui::ShownField(entry));

    QStringList names;
    {
        ui::BusyCursor busy;
        for (const auto& name : history::VintageChartAppellations())
            names << ui::ToQString(name);
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(), [&](const QString& a, const QString& b) {
        return collator.compare(a, b) < 0;
    });
    Liste_appellation->clear();
    Liste_appellation->addItem(all);
    Liste_appellation->addItems(names);
    Liste_coul->setCurrentIndex(0);
    Liste_appellation->setCurrentIndex(0);
}

void TConsovin::Rebuild() {
    std::string from;
    std::string to;
    if (!history::PeriodBound(ui::StoredBytes(Date_deb->displayText()), from)) {
        ui::ShowMessageNumber(tr("Date de début de période incorrecte"), 19);
        return;
    }
    if (!history::PeriodBound(ui::StoredBytes(date_fin->displayText()), to)) {
        ui::ShowMessageNumber(tr("Date de fin de période incorrecte"), 20);
        return;
    }
    store::RecordFilter& filter = store::State().filter;
    filter.colour = store::RightTrim(ui::StoredBytes(Liste_coul->currentText()));
    filter.second = store::RightTrim(ui::StoredBytes(Liste_appellation->currentText()));
    filter.dateFrom = from;
    filter.dateTo = to;
    filter.search = store::RightTrim(ui::StoredBytes(Recherche->text())).substr(0, 30);

    const store::Listing<store::ConsumedWine> listing = store::ListHistory();
    listing.image->reachEnd();
    const int count = static_cast<int>(listing.positions->size());
    model_->setRows(count, [rows = store::ListedRecords(listing)](int row, int column) {
        const store::ConsumedWine& e = rows.at(row);
        const std::string* fields[] = {&e.colour, &e.appellation, &e.vintage, &e.drinkDate, &e.mark};
        return ui::ShownField(*fields[column]);
    });
}

int TConsovin::selectedRow() const {
    const QModelIndexList rows = Liste_vins->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

int TConsovin::rowCount() const {
    return model_->rowCount();
}

void TConsovin::BitBtn2Click() {
    {
        const QSignalBlocker colourBlock(Liste_coul);
        const QSignalBlocker appellationBlock(Liste_appellation);
        const QSignalBlocker searchBlock(Recherche);
        Recherche->clear();
        Date_deb->clear();
        date_fin->clear();
        Liste_coul->setCurrentIndex(0);
        Liste_appellation->setCurrentIndex(0);
    }
    Rebuild();
}

void TConsovin::editRow(int row, bool fromButton) {
    if (row < 0) {
        ui::ShowMessageNumber(tr("Aucun vin n'est sélectionné"), 17);
        return;
    }
    long& position = history::State().selectedPosition;
    position = row;
    {
        TZoomConsoForm form(this);
        ui::ExecModal(form);
    }
    Rebuild();
    if (position >= 0 && position < model_->rowCount()) {
        const int at = static_cast<int>(position);
        Liste_vins->selectRow(at);
        Liste_vins->scrollTo(model_->index(at, 0), QAbstractItemView::EnsureVisible);
        if (fromButton) Liste_vins->setFocus();
    } else {
        Liste_vins->clearSelection();
    }
}

void TConsovin::BitBtn5Click() {
    editRow(selectedRow(), true);
}

void TConsovin::BitBtn3Click() {
    {
        TRestoForm form(this);
        ui::ExecModal(form);
    }
    Rebuild();
}

void TConsovin::BitBtn4Click() {
    if (model_->rowCount() == 0) return;
    history::PrintConsumptionReport();
}

void TConsovin::BitBtn6Click() {
    std::string from;
    std::string to;
    if (!history::PeriodBound(ui::StoredBytes(Date_deb->displayText()), from)) {
        ui::ShowMessageNumber(tr("Date de début de période incorrecte"), 19);
        return;
    }
    if (!history::PeriodBound(ui::StoredBytes(date_fin->displayText()), to)) {
        ui::ShowMessageNumber(tr("Date de fin de période incorrecte"), 20);
        return;
    }
    TConsommation form(this, from, to);
    ui::ExecModal(form);
}
