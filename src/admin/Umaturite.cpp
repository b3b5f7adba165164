#include "admin/Umaturite.h"

#include <QCollator>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

#include "admin/UpDown.h"
#include "store/Files.h"
#include "store/RefBases.h"
#include "store/State.h"
#include "store/Text.h"
#include "ui/Cp1252.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Screen.h"
#include "ui/State.h"
#include "ui/Widgets.h"

namespace {

constexpr int kHelpTopic = 15;
constexpr int kColumnWidths[3] = {80, 140, 70};

bool AllDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

} // namespace

QString TMaturite::MaturityText(const QString& years) {
    const bool french = store::State().language == store::DataLanguage::French;
    QString text = years + (french ? QStringLiteral(" An") : QStringLiteral(" Year"));
    if (years.toInt() > 1) text += QLatin1Char('s');
    return text;
}

QString TMaturite::RowNumber(const QString& maturity) {
    return maturity.section(QLatin1Char(' '), 0, 0);
}

TMaturite::TMaturite(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TMaturite"));
    liste_couleur = new QComboBox(this);
    liste_couleur->setObjectName(QStringLiteral("liste_couleur"));
    liste_region = new QComboBox(this);
    liste_region->setObjectName(QStringLiteral("liste_region"));
    liste_region->setMinimumContentsLength(20);
    mature = new QLineEdit(this);
    mature->setObjectName(QStringLiteral("mature"));
    mature->setReadOnly(true);
    mature->setMaxLength(2);
    mature->setAlignment(Qt::AlignRight);
    mature->setFixedWidth(mature->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12);
    mature->installEventFilter(this);
    UpDown1 = new admin::UpDown(this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setRange(0, 99);
    UpDown1->setFixedHeight(mature->sizeHint().height());
    ajoute = new QPushButton(this);
    ajoute->setObjectName(QStringLiteral("ajoute"));
    liste_mature = new QTreeWidget(this);
    liste_mature->setObjectName(QStringLiteral("liste_mature"));
    liste_mature->setColumnCount(3);
    liste_mature->setRootIsDecorated(false);
    liste_mature->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste_mature->setSelectionMode(QAbstractItemView::SingleSelection);
    liste_mature->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste_mature->header()->setSectionsClickable(false);
    ui::KeepSelectionVisible(liste_mature);
    BitBtn1 = ui::PictureButton(this, "BitBtn1", ui::Picture::Ok);
    BitBtn2 = ui::PictureButton(this, "BitBtn2", ui::Picture::Cancel);
    BitBtn3 = ui::PictureButton(this, "BitBtn3", ui::Picture::Help);

    QWidget* buddies[5] = {liste_couleur, liste_region, mature, mature, liste_mature};
    for (int i = 0; i < 5; ++i) {
        labels_[i] = new QLabel(this);
        labels_[i]->setBuddy(buddies[i]);
    }
    auto* grid = new QGridLayout;
    grid->addWidget(labels_[0], 0, 0);
    grid->addWidget(liste_couleur, 0, 1);
    grid->addWidget(labels_[1], 1, 0);
    grid->addWidget(liste_region, 1, 1);
    grid->setColumnStretch(1, 1);
    auto* years = new QHBoxLayout;
    years->addWidget(labels_[2]);
    years->addWidget(mature);
    years->addWidget(UpDown1);
    years->addWidget(labels_[3]);
    years->addStretch(1);
    years->addWidget(ajoute);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn3})
        buttons->addWidget(b);
    auto* main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(years);
    main->addWidget(labels_[4]);
    main->addWidget(liste_mature, 1);
    main->addLayout(buttons);

    connect(liste_couleur, &QComboBox::activated, this, &TMaturite::liste_couleurChange);
    connect(liste_region, &QComboBox::activated, this, &TMaturite::liste_regionChange);
    connect(UpDown1, &admin::UpDown::clicked, this,
            [this] { mature->setText(QString::number(UpDown1->position())); });
    connect(liste_mature, &QTreeWidget::itemClicked, this, &TMaturite::liste_matureClick);
    connect(liste_mature, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        // Rows moved by the program choose nothing; the arrow keys do.
        if (liste_mature->hasFocus()) liste_matureClick(item);
    });
    connect(ajoute, &QPushButton::clicked, this, &TMaturite::ajouteClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TMaturite::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, [] { ui::ShowHelpTopic(kHelpTopic); });
    ui::InstallHelpKey(this, kHelpTopic);
    retranslateUi();
    FormCreate();
}

void TMaturite::retranslateUi() {
    setWindowTitle(tr("Maturités des vins"));
    const char* captions[5] = {QT_TR_NOOP("&Couleur :"), QT_TR_NOOP("&Région :"),
                               QT_TR_NOOP("Arrive à maturité dans :"), QT_TR_NOOP("an(s)"),
                               QT_TR_NOOP("&Table des maturités :")};
    for (int i = 0; i < 5; ++i)
        labels_[i]->setText(tr(captions[i]));
    ui::SetHint(liste_couleur, tr("Couleur du vin"));
    ui::SetHint(liste_region, tr("Région du vin"));
    ui::SetHint(mature, tr("Nombre d'années jusqu'à l'apogée (flèches haut et bas)"));
    ui::SetHint(ajoute, tr("Ajoute ou modifie la maturité d'un vin"));
    ui::SetHint(BitBtn1, tr("Enregistre la table et ferme la fenêtre"));
    ui::SetHint(BitBtn2, tr("Ferme la fenêtre sans enregistrer"));
    ui::SetHint(BitBtn3, tr("Accès à l'aide"));
    ajoute->setText(tr("&Ajoute"));
    BitBtn1->setText(tr("OK"));
    BitBtn2->setText(tr("Annuler"));
    BitBtn3->setText(tr("Aid&e"));
    liste_mature->setHeaderLabels({tr("Couleur"), tr("Région"), tr("Maturité")});
}

void TMaturite::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

// The arrow keys in the years box work its arrows, as the mouse does.
bool TMaturite::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mature && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            key == Qt::Key_Up ? UpDown1->stepUp() : UpDown1->stepDown();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TMaturite::FormCreate() {
    const bool scale = ui::State().scaleWindows;
    for (int c = 0; c < 3; ++c) {
        const int designed = scale ? ui::ScaleToScreen(kColumnWidths[c]) : kColumnWidths[c];
        const int heading = liste_mature->header()->fontMetrics().horizontalAdvance(
            liste_mature->headerItem()->text(c));
        liste_mature->setColumnWidth(c, std::max(designed, heading + 16));
    }
    liste_mature->setMinimumWidth(liste_mature->columnWidth(0) + liste_mature->columnWidth(1) +
                                  liste_mature->columnWidth(2) + 30);
    liste_mature->setMinimumHeight(liste_mature->fontMetrics().height() * 12);

    const store::Vocabulary& lists = store::State().lists;
    for (const auto& entry : lists.colours.entries)
        liste_couleur->addItem(ui::ShownField(entry));
    for (const auto& entry : lists.regions.entries)
        liste_region->addItem(ui::ShownField(entry));
    liste_couleur->setCurrentIndex(-1);
    liste_region->setCurrentIndex(-1);
    setYears(QStringLiteral("0"));

    for (const store::MaturityEntry& e : store::MaturityEntries()) {
        const QString years = QString::fromLatin1(e.yearsText);
        addRow(ui::ShownField(e.colour), ui::ShownField(e.region), MaturityText(years));
    }
    sortRows();
    ui::FitWindowToScreen(this);
}

void TMaturite::addRow(const QString& colour, const QString& region, const QString& maturity) {
    new QTreeWidgetItem(liste_mature, {colour, region, maturity});
}

void TMaturite::sortRows() {
    QCollator collator; // the system's comparison, case included
    std::vector<QTreeWidgetItem*> rows;
    while (liste_mature->topLevelItemCount() > 0)
        rows.push_back(liste_mature->takeTopLevelItem(0));
    std::stable_sort(rows.begin(), rows.end(), [&](QTreeWidgetItem* a, QTreeWidgetItem* b) {
        const int colour = collator.compare(a->text(0), b->text(0));
        if (colour != 0) return colour < 0;
        return collator.compare(a->text(1), b->text(1)) < 0;
    });
    for (QTreeWidgetItem* row : rows)
        liste_mature->addTopLevelItem(row);
}

void TMaturite::setYears(const QString& years) {
    mature->setText(years);
    UpDown1->setPosition(years.toInt());
}

void TMaturite::liste_couleurChange() {
    choiceChanged(liste_region);
}
void TMaturite::liste_regionChange() {
    choiceChanged(liste_couleur);
}

// The row the wine entry would use shows: the first of the colour and region.
void TMaturite::choiceChanged(QComboBox* other) {
    if (other->currentIndex() < 0 || liste_couleur->currentIndex() < 0 ||
        liste_region->currentIndex() < 0)
        return;
    setYears(QStringLiteral("0"));
    for (int i = 0; i < liste_mature->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = liste_mature->topLevelItem(i);
        if (row->text(0) == liste_couleur->currentText() &&
            row->text(1) == liste_region->currentText()) {
            setYears(RowNumber(row->text(2)));
            break;
        }
    }
}

void TMaturite::liste_matureClick(QTreeWidgetItem* item) {
    if (item == nullptr) return;
    liste_couleur->setCurrentIndex(liste_couleur->findText(item->text(0), Qt::MatchFixedString));
    liste_region->setCurrentIndex(liste_region->findText(item->text(1), Qt::MatchFixedString));
    setYears(RowNumber(item->text(2)));
}

void TMaturite::ajouteClick() {
    if (liste_couleur->currentIndex() < 0) return ui::ShowMessageNumber({}, 3);
    if (liste_region->currentIndex() < 0) return ui::ShowMessageNumber({}, 4);
    const QString years = mature->text().trimmed().left(2);
    if (years.isEmpty() || !AllDigits(years)) return ui::ShowMessageNumber({}, 11);
    const QString colour = liste_couleur->currentText();
    const QString region = liste_region->currentText();
    for (int i = 0; i < liste_mature->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = liste_mature->topLevelItem(i);
        if (row->text(0) == colour && row->text(1) == region) {
            delete liste_mature->takeTopLevelItem(i);
            break;
        }
    }
    if (years.toInt() == 0) return;
    addRow(colour, region, MaturityText(years));
    sortRows();
}

void TMaturite::BitBtn1Click() {
    const std::string& file = store::State().files.maturity;
    if (liste_mature->topLevelItemCount() == 0) {
        store::DeleteFileIfPresent(file);
    } else {
        std::vector<std::string> lines;
        for (int i = 0; i < liste_mature->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = liste_mature->topLevelItem(i);
            const QString number = RowNumber(row->text(2));
            std::string line = store::MaturityLine(ui::StoredBytes(row->text(0)),
                                                   ui::StoredBytes(row->text(1)), number.toInt());
            // Two digits as read ("05") are written back as they were.
            if (number.size() == 2 && AllDigits(number)) line.replace(35, 2, number.toStdString());
            lines.push_back(std::move(line));
        }
        store::WriteAllLines(file, lines);
    }
    accept();
}
