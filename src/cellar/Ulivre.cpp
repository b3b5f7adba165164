#include "cellar/Ulivre.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "cellar/CellarReport.h"
#include "cellar/CellarState.h"
#include "cellar/Unouveau.h"
#include "cellar/Uboire.h"
#include "cellar/Usortie.h"
#include "cellar/Uzoom.h"
#include "stats/Ustat.h"
#include "store/RecordCache.h"
#include "store/Records.h"
#include "store/State.h"
#include "store/Text.h"
#include "ui/Cp1252.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Keyboard.h"
#include "ui/Screen.h"
#include "ui/Widgets.h"
#include "ui/State.h"
#include "ui/TextRowsModel.h"

namespace {
const std::vector<int> kDesignWidths = {60, 43, 30, 155, 140, 60};
const std::vector<const char*> kHeaders = {
    QT_TRANSLATE_NOOP("TLivre", "Couleur"),     QT_TRANSLATE_NOOP("TLivre", "Année"),
    QT_TRANSLATE_NOOP("TLivre", "Qté"),         QT_TRANSLATE_NOOP("TLivre", "Appellation"),
    QT_TRANSLATE_NOOP("TLivre", "Domaine"),     QT_TRANSLATE_NOOP("TLivre", "Place"),
};
} // namespace

namespace {

constexpr int kHelpTopic = 1;

} // namespace

TLivre::TLivre(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TLivre"));

    auto* filterFrame = new QFrame(this);
    filterFrame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    Liste_coul = new QComboBox(filterFrame);
    Liste_coul->setObjectName(QStringLiteral("Liste_coul"));
    Liste_region = new QComboBox(filterFrame);
    Liste_region->setObjectName(QStringLiteral("Liste_region"));
    Recherche = new QLineEdit(filterFrame);
    Recherche->setObjectName(QStringLiteral("Recherche"));
    ui::RefuseOutsideCp1252(Recherche);
    colourLabel_ = new QLabel(filterFrame);
    colourLabel_->setBuddy(Liste_coul);
    regionLabel_ = new QLabel(filterFrame);
    regionLabel_->setBuddy(Liste_region);
    searchLabel_ = new QLabel(filterFrame);
    searchLabel_->setBuddy(Recherche);
    BitBtn2 = new QPushButton(filterFrame);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    select_cave = new QGroupBox(filterFrame);
    select_cave->setObjectName(QStringLiteral("select_cave"));
    allWines_ = new QRadioButton(select_cave);
    toDrink_ = new QRadioButton(select_cave);
    allWines_->setChecked(true);
    auto* radios = new QVBoxLayout(select_cave);
    radios->addWidget(allWines_);
    radios->addWidget(toDrink_);

    auto* filters = new QGridLayout;
    filters->addWidget(colourLabel_, 0, 0);
    filters->addWidget(Liste_coul, 0, 1);
    filters->addWidget(regionLabel_, 1, 0);
    filters->addWidget(Liste_region, 1, 1);
    filters->addWidget(searchLabel_, 2, 0);
    filters->addWidget(Recherche, 2, 1);
    auto* band = new QHBoxLayout(filterFrame);
    band->addLayout(filters, 2);
    band->addWidget(BitBtn2, 0, Qt::AlignCenter);
    band->addWidget(select_cave, 1);

    Liste_vins = new QTableView(this);
    Liste_vins->setObjectName(QStringLiteral("Liste_vins"));
    model_ = new ui::TextRowsModel("TLivre", kHeaders, -1, Liste_vins);
    Liste_vins->setModel(model_);
    ui::SetUpReportList(Liste_vins);

    BitBtn3 = ui::PictureButton(this, "BitBtn3", ui::Picture::Bottle);
    BitBtn6 = ui::PictureButton(this, "BitBtn6", ui::Picture::Glass);
    BitBtn5 = ui::PictureButton(this, "BitBtn5", ui::Picture::Search);
    BitBtn4 = ui::PictureButton(this, "BitBtn4", ui::Picture::Printer);
    BitBtn7 = ui::PictureButton(this, "BitBtn7", ui::Picture::Chart);
    BitBtn9 = ui::PictureButton(this, "BitBtn9", ui::Picture::Glass);
    BitBtn1 = ui::PictureButton(this, "BitBtn1", ui::Picture::Ok);
    BitBtn8 = ui::PictureButton(this, "BitBtn8", ui::Picture::Help);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {BitBtn3, BitBtn6, BitBtn5, BitBtn4, BitBtn7, BitBtn9, BitBtn1, BitBtn8}) buttons->addWidget(b);
    // Enter is the OK button's, except in a criterion, where it would close the book mid-search.
    BitBtn1->setDefault(true);
    for (QWidget* criterion : std::initializer_list<QWidget*>{Liste_coul, Liste_region, Recherche, allWines_, toDrink_})
        ui::IgnoreEnter(criterion);

    Nb = new QLineEdit(this);
    Nb->setObjectName(QStringLiteral("Nb"));
    Nb->setReadOnly(true);
    Nb->setFocusPolicy(Qt::NoFocus);
    Nb->setAlignment(Qt::AlignCenter);
    Nb->setStyleSheet(QStringLiteral("QLineEdit { background: #00FFFF; }"));
    Nb->setMaximumWidth(Nb->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    countLabel_ = new QLabel(this);
    countLabel_->setBuddy(Nb);
    auto* count = new QHBoxLayout;
    count->addStretch(1);
    count->addWidget(countLabel_);
    count->addWidget(Nb);
    count->addStretch(1);

    auto* main = new QVBoxLayout(this);
    main->addWidget(filterFrame);
    main->addWidget(Liste_vins, 1);
    main->addLayout(buttons);
    main->addLayout(count);

    connect(Liste_coul, &QComboBox::currentIndexChanged, this, &TLivre::Cherch);
    connect(Liste_region, &QComboBox::currentIndexChanged, this, &TLivre::Cherch);
    connect(Recherche, &QLineEdit::textChanged, this, &TLivre::Cherch);
    connect(allWines_, &QRadioButton::clicked, this, &TLivre::Cherch);
    connect(toDrink_, &QRadioButton::clicked, this, &TLivre::Cherch);
    connect(BitBtn2, &QPushButton::clicked, this, &TLivre::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TLivre::BitBtn3Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TLivre::BitBtn5Click);
    connect(Liste_vins, &QTableView::doubleClicked, this, &TLivre::BitBtn5Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TLivre::BitBtn6Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TLivre::BitBtn4Click);
    connect(BitBtn7, &QPushButton::clicked, this, &TLivre::BitBtn7Click);
    connect(BitBtn9, &QPushButton::clicked, this, &TLivre::BitBtn9Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn8, &QPushButton::clicked, this, [] { ui::ShowHelpTopic(kHelpTopic); });
    ui::InstallHelpKey(this, kHelpTopic);

    retranslateUi();
    ui::SetDesignWidths(Liste_vins, kDesignWidths);
    // The appellation and domaine take the width the window gives beyond the design widths.
    for (int column : {3, 4}) Liste_vins->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
    Liste_vins->setMinimumSize(Liste_vins->fontMetrics().averageCharWidth() * 100,
                               Liste_vins->verticalHeader()->defaultSectionSize() * 16);
    ui::FitWindowToScreen(this);
    store::State().filter.toDrink = false;
    fillFilterLists();
    Cherch();
}

void TLivre::retranslateUi() {
    setWindowTitle(tr("Livre de cave"));
    colourLabel_->setText(tr("&Couleur :"));
    regionLabel_->setText(tr("Ré&gion :"));
    searchLabel_->setText(tr("Rec&herche :"));
    countLabel_->setText(tr("Nombre de bouteilles :"));
    BitBtn2->setText(tr("&R.A.Z"));
    allWines_->setText(tr("Tous &les vins"));
    toDrink_->setText(tr("&Vins à boire dans l'année"));
    BitBtn3->setText(tr("&Nouveau"));
    BitBtn6->setText(tr("&Sortie"));
    BitBtn5->setText(tr("&Zoom"));
    BitBtn4->setText(tr("&Imprimer"));
    BitBtn7->setText(tr("S&tatistiques"));
    BitBtn9->setText(tr("&Quand boire ?"));
    BitBtn1->setText(tr("&OK"));
    BitBtn8->setText(tr("&Aide"));
    const struct {
        QWidget* widget;
        QString hint;
    } hints[] = {
        {Liste_coul, tr("Couleur recherchée")},
        {Liste_region, tr("Région recherchée")},
        {Recherche, tr("Texte à rechercher")},
        {BitBtn2, tr("Supprime tous les critères de recherche")},
        {select_cave, tr("Filtre sur l'affichage des vins")},
        {Liste_vins, tr("Vins de votre cave")},
        {BitBtn3, tr("Entrée d'un vin dans la cave")},
        {BitBtn6, tr("Sortie d'un vin de la cave")},
        {BitBtn5, tr("Affiche les caractéristiques d'un vin")},
        {BitBtn4, tr("Imprime le contenu de la sélection")},
        {BitBtn7, tr("Statistiques sur le contenu de la cave")},
        {BitBtn9, tr("Les bouteilles de la cave par année d'apogée")},
        {BitBtn1, tr("Retour à l'écran principal")},
        {BitBtn8, tr("Accès à l'aide")},
        {Nb, tr("Nombre de bouteilles séléctionnées")},
    };
    for (const auto& h : hints) ui::SetHint(h.widget, h.hint);
    model_->retranslate();
}

void TLivre::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

void TLivre::fillFilterLists() {
    const store::Vocabulary& lists = store::State().lists;
    const QString all = QString::fromLatin1(store::AllEntry(store::State().language));
    const QSignalBlocker colourBlock(Liste_coul);
    const QSignalBlocker regionBlock(Liste_region);
    Liste_coul->clear();
    Liste_coul->addItem(all);
    for (const auto& entry : lists.colours.entries) Liste_coul->addItem(ui::ShownField(entry));
    Liste_region->clear();
    Liste_region->addItem(all);
    for (const auto& entry : lists.regions.entries) Liste_region->addItem(ui::ShownField(entry));
    Liste_region->addItem(ui::ShownField(lists.regions.fixedEntry));
    Liste_coul->setCurrentIndex(0);
    Liste_region->setCurrentIndex(0);
}

void TLivre::Cherch() {
    store::RecordFilter& filter = store::State().filter;
    filter.toDrink = toDrink_->isChecked();
    filter.colour = store::RightTrim(ui::StoredBytes(Liste_coul->currentText()));
    filter.second = store::RightTrim(ui::StoredBytes(Liste_region->currentText()));
    filter.search = store::RightTrim(ui::StoredBytes(Recherche->text())).substr(0, 30);
    filter.dateFrom.clear();
    filter.dateTo.clear();

    const store::Listing<store::CellarWine> listing = store::ListCellar();
    long bottles = 0;
    store::CellarWine wine;
    for (const long position : *listing.positions) {
        listing.image->read(position, wine);
        long quantity = 0;
        if (store::ParseWholeNumber(store::RightTrim(wine.quantity), quantity)) bottles += quantity;
    }
    listing.image->reachEnd();
    const int count = static_cast<int>(listing.positions->size());
    model_->setRows(count, [rows = store::ListedRecords(listing)](int row, int column) {
        const store::CellarWine& w = rows.at(row);
        const std::string* fields[] = {&w.colour, &w.vintage, &w.quantity, &w.appellation, &w.domaine, &w.location};
        return ui::ShownField(*fields[column]);
    });
    Nb->setText(QString::number(bottles));
    cellar::State().lastRow = count - 1;
}

int TLivre::selectedRow() const {
    const QModelIndexList rows = Liste_vins->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TLivre::reselect() {
    const int row = cellar::State().selectedRow;
    if (row < 0 || row >= model_->rowCount()) return;
    Liste_vins->selectRow(row);
    Liste_vins->scrollTo(model_->index(row, 0), QAbstractItemView::EnsureVisible);
}

void TLivre::BitBtn2Click() {
    {
        const QSignalBlocker colourBlock(Liste_coul);
        const QSignalBlocker regionBlock(Liste_region);
        const QSignalBlocker searchBlock(Recherche);
        Liste_coul->setCurrentIndex(0);
        Liste_region->setCurrentIndex(0);
        Recherche->clear();
    }
    Cherch();
}

void TLivre::BitBtn3Click() {
    cellar::State().selectedRow = selectedRow();
    TNewForm form(this);
    ui::ExecModal(form);
    Cherch();
    reselect();
}

void TLivre::openWineWindow(bool exitWindow) {
    const int row = selectedRow();
    if (row < 0) {
        ui::ShowMessageNumber(tr("Aucun vin n'est sélectionné"), 17);
        return;
    }
    cellar::Navigation& nav = cellar::State();
    nav.selectedRow = row;
    nav.currentWinePosition = store::CellarPositionOfMatch(row + 1);
    if (exitWindow) {
        TExitForm form(this);
        ui::ExecModal(form);
    } else {
        TZoomForm form(this);
        ui::ExecModal(form);
    }
    Cherch();
    reselect();
}

void TLivre::BitBtn5Click() { openWineWindow(false); }
void TLivre::BitBtn6Click() { openWineWindow(true); }

void TLivre::BitBtn4Click() {
    if (model_->rowCount() > 0) cellar::PrintCellarReport();
}

void TLivre::BitBtn7Click() {
    cellar::State().selectedRow = selectedRow();
    TStatForm form(this);
    ui::ExecModal(form);
    reselect();
}

void TLivre::BitBtn9Click() {
    cellar::State().selectedRow = selectedRow();
    {
        TQuandBoire form(this);
        ui::ExecModal(form);
    }
    // A wine changed from the chart's zoom shows in the book at once.
    Cherch();
    reselect();
}
