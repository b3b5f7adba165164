#include "advice/UChoixp.h"

#include <QCheckBox>
#include <QCollator>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "advice/PairingReport.h"
#include "advice/WineColumns.h"
#include "store/Text.h"
#include "ui/BusyCursor.h"
#include "ui/Cp1252.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Screen.h"
#include "ui/State.h"
#include "ui/Widgets.h"

namespace {

constexpr int kHelpTopic = 12;
constexpr int kDesignWidths[3] = {50, 100, 140};
const char* const kCourseNames[advice::kCourses] = {"select_entree", "select_plat",
                                                    "select_fromage", "select_dessert"};

} // namespace

TChoixplat::TChoixplat(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TChoixplat"));

    auto* courseBox = new QHBoxLayout;
    for (int c = 0; c < advice::kCourses; ++c) {
        courses_[c] = new QCheckBox(this);
        courses_[c]->setObjectName(QLatin1String(kCourseNames[c]));
        courseBox->addWidget(courses_[c]);
        connect(courses_[c], &QCheckBox::toggled, this, &TChoixplat::select_Click);
    }
    courseBox->addStretch(1);

    Liste_plats = new QListWidget(this);
    Liste_plats->setObjectName(QStringLiteral("Liste_plats"));
    Liste_plats->setSelectionMode(QAbstractItemView::SingleSelection);
    ui::KeepSelectionVisible(Liste_plats);
    dishesLabel_ = new QLabel(this);
    dishesLabel_->setBuddy(Liste_plats);

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
    winesLabel_ = new QLabel(this);
    winesLabel_->setBuddy(liste_vins);

    temperature = new QLineEdit(this);
    temperature->setObjectName(QStringLiteral("temperature"));
    ui::MakeShownOnly(temperature);
    temperatureLabel_ = new QLabel(this);
    temperatureLabel_->setBuddy(temperature);

    select_cave = new QGroupBox(this);
    select_cave->setObjectName(QStringLiteral("select_cave"));
    allWines_ = new QRadioButton(select_cave);
    cellarWines_ = new QRadioButton(select_cave);
    allWines_->setChecked(true);
    auto* radios = new QVBoxLayout(select_cave);
    radios->addWidget(allWines_);
    radios->addWidget(cellarWines_);

    BitBtn2 = ui::PictureButton(this, "BitBtn2", ui::Picture::Printer);
    BitBtn2->setDefault(true);
    BitBtn1 = ui::PictureButton(this, "BitBtn1", ui::Picture::Ok);
    BitBtn3 = ui::PictureButton(this, "BitBtn3", ui::Picture::Help);

    auto* dishSide = new QVBoxLayout;
    dishSide->addWidget(dishesLabel_);
    dishSide->addWidget(Liste_plats, 1);
    auto* temperatureRow = new QHBoxLayout;
    temperatureRow->addWidget(temperatureLabel_);
    temperatureRow->addWidget(temperature, 1);
    auto* wineSide = new QVBoxLayout;
    wineSide->addWidget(winesLabel_);
    wineSide->addWidget(liste_vins, 1);
    wineSide->addLayout(temperatureRow);
    wineSide->addWidget(select_cave);
    auto* lists = new QHBoxLayout;
    lists->addLayout(dishSide, 2);
    lists->addLayout(wineSide, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {BitBtn2, BitBtn1, BitBtn3})
        buttons->addWidget(b);

    auto* main = new QVBoxLayout(this);
    main->addLayout(courseBox);
    main->addLayout(lists, 1);
    main->addLayout(buttons);

    QWidget* order[] = {courses_[0], courses_[1], courses_[2], courses_[3],
                        Liste_plats, liste_vins,  allWines_,   cellarWines_,
                        BitBtn2,     BitBtn1,     BitBtn3};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(Liste_plats, &QListWidget::itemSelectionChanged, this, &TChoixplat::Liste_platsClick);
    connect(allWines_, &QRadioButton::clicked, this, &TChoixplat::Liste_platsClick);
    connect(cellarWines_, &QRadioButton::clicked, this, &TChoixplat::Liste_platsClick);
    connect(liste_vins, &QTreeWidget::itemSelectionChanged, this, &TChoixplat::liste_vinsClick);
    connect(BitBtn2, &QPushButton::clicked, this, &TChoixplat::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn3, &QPushButton::clicked, this, [] { ui::ShowHelpTopic(kHelpTopic); });
    ui::InstallHelpKey(this, kHelpTopic);

    retranslateUi();
    const int total = advice::SizeWineColumns(liste_vins, kDesignWidths);
    // Room for a long region and appellation beside the colour.
    liste_vins->setMinimumSize(
        std::max(total + 24, advice::Grown(liste_vins->fontMetrics().averageCharWidth() * 66)),
        advice::Grown(liste_vins->fontMetrics().height() * 18));
    Liste_plats->setMinimumWidth(advice::Grown(Liste_plats->fontMetrics().averageCharWidth() * 32));

    {
        ui::BusyCursor busy;
        dishes_ = advice::BuildDishLists();
    }
    ui::FitWindowToScreen(this);
}

void TChoixplat::retranslateUi() {
    setWindowTitle(tr("Mariage Mets / Vins"));
    const char* captions[advice::kCourses] = {QT_TR_NOOP("&Entrées"), QT_TR_NOOP("&Plats"),
                                              QT_TR_NOOP("&Fromages"), QT_TR_NOOP("&Desserts")};
    const char* hints[advice::kCourses] = {
        QT_TR_NOOP("Sélectionne les entrées"), QT_TR_NOOP("Sélectionne les plats de résistance"),
        QT_TR_NOOP("Sélectionne les fromages"), QT_TR_NOOP("Sélectionne les desserts")};
    for (int c = 0; c < advice::kCourses; ++c) {
        courses_[c]->setText(tr(captions[c]));
        ui::SetHint(courses_[c], tr(hints[c]));
    }
    dishesLabel_->setText(tr("P&lats :"));
    winesLabel_->setText(tr("&Vins :"));
    temperatureLabel_->setText(tr("Température :"));
    allWines_->setText(tr("&Tous les vins"));
    cellarWines_->setText(tr("Les vins de la &cave"));
    liste_vins->setHeaderLabels({tr("Couleur"), tr("Région"), tr("Appellation")});
    BitBtn2->setText(tr("&Imprimer"));
    BitBtn1->setText(tr("&OK"));
    BitBtn3->setText(tr("&Aide"));
    const struct {
        QWidget* widget;
        QString hint;
    } others[] = {
        {Liste_plats, tr("Liste des mets")},
        {liste_vins, tr("Liste des vins")},
        {temperature, tr("Température de service")},
        {select_cave, tr("Filtre sur l'affichage des vins")},
        {BitBtn2, tr("Imprime la sélection")},
        {BitBtn1, tr("Retour à l'écran principal")},
        {BitBtn3, tr("Accès à l'aide")},
    };
    for (const auto& h : others)
        ui::SetHint(h.widget, h.hint);
}

void TChoixplat::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

void TChoixplat::select_Click() {
    const QListWidgetItem* chosen = Liste_plats->currentItem();
    const QString previous = chosen && chosen->isSelected() ? chosen->text() : QString();
    std::array<bool, advice::kCourses> ticked{};
    for (int c = 0; c < advice::kCourses; ++c)
        ticked[c] = courses_[c]->isChecked();
    {
        const QSignalBlocker block(Liste_plats);
        Liste_plats->clear();
        Liste_plats->addItems(advice::ShownDishes(dishes_, ticked));
    }
    // The answer on show stays with its dish while the dish is listed, and goes with it.
    const QList<QListWidgetItem*> again = previous.isEmpty()
                                              ? QList<QListWidgetItem*>()
                                              : Liste_plats->findItems(previous, Qt::MatchExactly);
    if (!again.isEmpty()) {
        const QSignalBlocker block(Liste_plats);
        Liste_plats->setCurrentItem(again.first());
        Liste_plats->scrollToItem(again.first());
    } else {
        const QSignalBlocker block(liste_vins);
        liste_vins->clear();
        temperature->clear();
    }
}

void TChoixplat::Liste_platsClick() {
    const QList<QListWidgetItem*> selected = Liste_plats->selectedItems();
    if (selected.isEmpty()) return;
    const bool cellarOnly = cellarWines_->isChecked();
    ui::BusyCursor busy;
    const advice::PairingAnswer answer =
        advice::AnswerForDish(ui::StoredBytes(selected.first()->text()), cellarOnly);
    if (!answer.baseOpened) return;

    const QSignalBlocker block(liste_vins);
    temperature->clear();
    liste_vins->clear();
    if (answer.wines.empty()) return;
    // Rows by colour; within a colour in the order of the base.
    std::vector<std::size_t> order(answer.wines.size());
    std::iota(order.begin(), order.end(), 0);
    std::vector<QString> colours;
    for (const advice::PairedWine& wine : answer.wines)
        colours.push_back(ui::ToQString(wine.colour));
    QCollator collator;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return collator.compare(colours[a], colours[b]) < 0;
    });
    QTreeWidgetItem* first = nullptr;
    QList<QTreeWidgetItem*> items;
    for (std::size_t i : order) {
        const advice::PairedWine& wine = answer.wines[i];
        auto* item = new QTreeWidgetItem(
            {colours[i], ui::ToQString(wine.region), ui::ToQString(wine.appellation)});
        if (i == 0) first = item;
        items << item;
    }
    liste_vins->addTopLevelItems(items);
    // Colours and regions are read whole; the appellation takes what is left.
    for (int c = 0; c < 2; ++c) {
        const int before = liste_vins->columnWidth(c);
        liste_vins->resizeColumnToContents(c);
        liste_vins->setColumnWidth(c, std::max(before, liste_vins->columnWidth(c) + 8));
    }
    temperature->setText(ui::ToQString(answer.wines.front().temperature));
    // The row selected is the wine whose temperature is shown.
    liste_vins->setCurrentItem(first);
    liste_vins->scrollToItem(first, QAbstractItemView::PositionAtCenter);
}

void TChoixplat::liste_vinsClick() {
    const QList<QTreeWidgetItem*> selected = liste_vins->selectedItems();
    if (selected.isEmpty()) return;
    ui::BusyCursor busy;
    temperature->clear();
    const QTreeWidgetItem* row = selected.first();
    temperature->setText(ui::ToQString(advice::BlockTemperature(ui::StoredBytes(row->text(0)),
                                                                ui::StoredBytes(row->text(1)),
                                                                ui::StoredBytes(row->text(2)))));
}

void TChoixplat::BitBtn2Click() {
    const QList<QListWidgetItem*> selected = Liste_plats->selectedItems();
    if (selected.isEmpty()) {
        ui::ShowMessageNumber(tr("Aucun plat n'est sélectionné"), 18);
        return;
    }
    advice::PrintPairingReport(selected.first()->text());
}
