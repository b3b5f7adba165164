#include "advice/Uchoixv.h"

#include <QCollator>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "cellar/CellarState.h"
#include "cellar/Ucaract.h"
#include "store/State.h"
#include "advice/WineColumns.h"
#include "store/Text.h"
#include "ui/BusyCursor.h"
#include "ui/Cp1252.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Keyboard.h"
#include "ui/Screen.h"
#include "ui/State.h"
#include "ui/Widgets.h"

namespace {

constexpr int kHelpTopic = 10;
constexpr int kDesignWidths[3] = {160, 80, 140};

} // namespace

TChoixvin::TChoixvin(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TChoixvin"));

    Liste_coul = new QComboBox(this);
    Liste_coul->setObjectName(QStringLiteral("Liste_coul"));
    colourLabel_ = new QLabel(this);
    colourLabel_->setBuddy(Liste_coul);
    select_cave = new QGroupBox(this);
    select_cave->setObjectName(QStringLiteral("select_cave"));
    allWines_ = new QRadioButton(select_cave);
    cellarWines_ = new QRadioButton(select_cave);
    allWines_->setChecked(true);
    auto* radios = new QVBoxLayout(select_cave);
    radios->addWidget(allWines_);
    radios->addWidget(cellarWines_);

    auto* colour = new QHBoxLayout;
    colour->addWidget(colourLabel_);
    colour->addWidget(Liste_coul, 1);
    auto* filters = new QHBoxLayout;
    filters->addLayout(colour, 1);
    filters->addSpacing(12);
    filters->addWidget(select_cave);

    liste_vins = new QTreeWidget(this);
    liste_vins->setObjectName(QStringLiteral("liste_vins"));
    liste_vins->setColumnCount(3);
    liste_vins->setRootIsDecorated(false);
    liste_vins->setUniformRowHeights(true);
    liste_vins->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste_vins->setSelectionMode(QAbstractItemView::SingleSelection);
    liste_vins->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste_vins->header()->setSectionsClickable(false);
    liste_vins->header()->setStretchLastSection(true);
    ui::KeepSelectionVisible(liste_vins);

    BitBtn2 = ui::PictureButton(this, "BitBtn2", ui::Picture::Glass);
    BitBtn1 = ui::PictureButton(this, "BitBtn1", ui::Picture::Ok);
    // Enter is the OK button's, except in a criterion, where it would close the window mid-choice.
    BitBtn1->setDefault(true);
    for (QWidget* criterion : std::initializer_list<QWidget*>{Liste_coul, allWines_, cellarWines_})
        ui::IgnoreEnter(criterion);
    BitBtn8 = ui::PictureButton(this, "BitBtn8", ui::Picture::Help);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn2);
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn8);

    auto* main = new QVBoxLayout(this);
    main->addLayout(filters);
    main->addWidget(liste_vins, 1);
    main->addLayout(buttons);

    QWidget* order[] = {Liste_coul, allWines_, cellarWines_, liste_vins, BitBtn2, BitBtn1, BitBtn8};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(Liste_coul, &QComboBox::currentIndexChanged, this, &TChoixvin::Filtre);
    connect(allWines_, &QRadioButton::clicked, this, &TChoixvin::select_caveClick);
    connect(cellarWines_, &QRadioButton::clicked, this, &TChoixvin::select_caveClick);
    connect(liste_vins, &QTreeWidget::itemDoubleClicked, this, &TChoixvin::BitBtn2Click);
    liste_vins->installEventFilter(this);
    connect(BitBtn2, &QPushButton::clicked, this, &TChoixvin::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn8, &QPushButton::clicked, this, [] { ui::ShowHelpTopic(kHelpTopic); });
    ui::InstallHelpKey(this, kHelpTopic);

    retranslateUi();
    const int total = advice::SizeWineColumns(liste_vins, kDesignWidths);
    liste_vins->setMinimumSize(total + 24, advice::Grown(liste_vins->fontMetrics().height() * 22));

    {
        const QSignalBlocker block(Liste_coul);
        Liste_coul->addItem(QString::fromLatin1(store::AllEntry(store::State().language)));
        for (const auto& entry : store::State().lists.colours.entries)
            Liste_coul->addItem(ui::ShownField(entry));
        Liste_coul->setCurrentIndex(0);
    }
    {
        ui::BusyCursor busy;
        keys_ = advice::BuildAppellationKeys();
    }
    // Appellations are read whole, whatever the filter shows.
    const int designed = liste_vins->columnWidth(0);
    int widest = designed;
    const QFontMetrics metrics = liste_vins->fontMetrics();
    for (const std::string& key : keys_)
        widest = std::max(
            widest, advice::Grown(metrics.horizontalAdvance(ui::ShownField(key.substr(30, 30))) + 16));
    liste_vins->setColumnWidth(0, widest);
    liste_vins->setMinimumWidth(liste_vins->minimumWidth() + widest - designed);
    Filtre();
    ui::FitWindowToScreen(this);
}

void TChoixvin::retranslateUi() {
    setWindowTitle(tr("Choisir un vin..."));
    colourLabel_->setText(tr("&Couleur :"));
    allWines_->setText(tr("&Tous les vins"));
    cellarWines_->setText(tr("Les &vins de la cave"));
    liste_vins->setHeaderLabels({tr("Appellation"), tr("Couleur"), tr("Région")});
    BitBtn2->setText(tr("Ca&ractéristiques"));
    BitBtn1->setText(tr("&OK"));
    BitBtn8->setText(tr("&Aide"));
    const struct {
        QWidget* widget;
        QString hint;
    } hints[] = {
        {Liste_coul, tr("Couleur")},
        {select_cave, tr("Filtre sur l'affichage des vins")},
        {liste_vins, tr("Liste des appellations")},
        {BitBtn2, tr("Caractéristiques d'une appellation")},
        {BitBtn1, tr("Retour à l'écran principal")},
        {BitBtn8, tr("Accès à l'aide")},
    };
    for (const auto& h : hints)
        ui::SetHint(h.widget, h.hint);
}

bool TChoixvin::eventFilter(QObject* watched, QEvent* event) {
    // Enter on a row opens its characteristics rather than closing the window.
    if (watched == liste_vins && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            BitBtn2Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TChoixvin::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

void TChoixvin::Filtre() {
    const std::string colour = ui::StoredBytes(Liste_coul->currentText());
    const std::vector<advice::KeyRow> shown =
        advice::ShownKeys(keys_, colour, cellarWines_->isChecked());

    struct Row {
        QString appellation, colour, region;
    };
    std::vector<Row> rows;
    rows.reserve(shown.size());
    for (const advice::KeyRow& key : shown)
        rows.push_back(
            {ui::ToQString(key.appellation), ui::ToQString(key.colour), ui::ToQString(key.region)});
    QCollator collator;
    std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
        return collator.compare(a.appellation, b.appellation) < 0;
    });

    liste_vins->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const Row& row : rows)
        items << new QTreeWidgetItem({row.appellation, row.colour, row.region});
    liste_vins->addTopLevelItems(items);
}

void TChoixvin::select_caveClick() {
    if (!cellarRead_) {
        ui::BusyCursor busy;
        advice::MarkCellarKeys(keys_);
        cellarRead_ = true;
    }
    Filtre();
}

void TChoixvin::BitBtn2Click() {
    const QList<QTreeWidgetItem*> selected = liste_vins->selectedItems();
    if (selected.isEmpty()) {
        ui::ShowMessageNumber(tr("Aucun vin n'est sélectionné"), 17);
        return;
    }
    const QTreeWidgetItem* row = selected.first();
    cellar::State().selectedAppellation = {store::PadText(ui::StoredBytes(row->text(1)), 10),
                                           store::PadText(ui::StoredBytes(row->text(2)), 20),
                                           store::PadText(ui::StoredBytes(row->text(0)), 30),
                                           {}};
    TVinForm form(this);
    ui::ExecModal(form);
}
