#include "admin/Uautre.h"

#include <QButtonGroup>
#include <QCollator>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <numeric>

#include "admin/UpDown.h"
#include "store/Files.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/Transaction.h"
#include "ui/Cp1252.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Screen.h"
#include "ui/Widgets.h"

namespace {

constexpr int kHelpTopic = 14;

QCollator Caseless() {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

} // namespace

TAutre_base::TAutre_base(QWidget* parent) : QDialog(parent), opened_(store::State().lists) {
    setObjectName(QStringLiteral("TAutre_base"));
    baseBox_ = new QGroupBox(this);
    triBox_ = new QGroupBox(this);
    Select_base = new QButtonGroup(this);
    Select_base->setObjectName(QStringLiteral("Select_base"));
    Select_tri = new QButtonGroup(this);
    Select_tri->setObjectName(QStringLiteral("Select_tri"));
    auto* baseLayout = new QVBoxLayout(baseBox_);
    for (int i = 0; i < 4; ++i) {
        baseItems_[i] = new QRadioButton(baseBox_);
        baseItems_[i]->setObjectName(QStringLiteral("Select_base%1").arg(i));
        Select_base->addButton(baseItems_[i], i);
        baseLayout->addWidget(baseItems_[i]);
    }
    auto* triLayout = new QVBoxLayout(triBox_);
    for (int i = 0; i < 2; ++i) {
        triItems_[i] = new QRadioButton(triBox_);
        triItems_[i]->setObjectName(QStringLiteral("Select_tri%1").arg(i));
        Select_tri->addButton(triItems_[i], i);
        triLayout->addWidget(triItems_[i]);
    }
    baseItems_[0]->setChecked(true);
    triItems_[0]->setChecked(true);

    nameLabel_ = new QLabel(this);
    nom_item = new QLineEdit(this);
    nom_item->setObjectName(QStringLiteral("nom_item"));
    ui::RefuseOutsideCp1252(nom_item);
    nameLabel_->setBuddy(nom_item);
    Ajoute = new QPushButton(this);
    Ajoute->setObjectName(QStringLiteral("Ajoute"));
    Supprime = new QPushButton(this);
    Supprime->setObjectName(QStringLiteral("Supprime"));
    listLabel_ = new QLabel(this);
    liste_item = new QListWidget(this);
    liste_item->setObjectName(QStringLiteral("liste_item"));
    liste_item->setSelectionMode(QAbstractItemView::SingleSelection);
    liste_item->setMinimumHeight(liste_item->fontMetrics().height() * 14);
    liste_item->setMinimumWidth(liste_item->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 16);
    ui::KeepSelectionVisible(liste_item);
    liste_item->installEventFilter(this);
    listLabel_->setBuddy(liste_item);
    Type_tri = new admin::UpDown(this);
    Type_tri->setObjectName(QStringLiteral("Type_tri"));
    Type_tri->setStep(-1);
    Type_tri->setChangeAllowed([this] {
        return liste_item->currentRow() >= 0 && liste_item->currentItem()->isSelected();
    });
    BitBtn1 = ui::PictureButton(this, "BitBtn1", ui::Picture::Ok);
    BitBtn2 = ui::PictureButton(this, "BitBtn2", ui::Picture::Cancel);
    BitBtn3 = ui::PictureButton(this, "BitBtn3", ui::Picture::Help);

    auto* left = new QVBoxLayout;
    left->addWidget(baseBox_);
    left->addWidget(triBox_);
    left->addStretch(1);
    auto* entry = new QHBoxLayout;
    entry->addWidget(nameLabel_);
    entry->addWidget(nom_item, 1);
    entry->addWidget(Ajoute);
    auto* list = new QGridLayout;
    list->addWidget(listLabel_, 0, 0);
    list->addWidget(liste_item, 1, 0);
    list->addWidget(Type_tri, 1, 1, Qt::AlignVCenter);
    list->addWidget(Supprime, 2, 0, Qt::AlignLeft);
    auto* right = new QVBoxLayout;
    right->addLayout(entry);
    right->addLayout(list, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn3})
        buttons->addWidget(b);
    auto* main = new QVBoxLayout(this);
    main->addLayout(body, 1);
    main->addLayout(buttons);

    connect(Select_base, &QButtonGroup::idClicked, this, &TAutre_base::Select_baseClick);
    connect(Select_tri, &QButtonGroup::idClicked, this, &TAutre_base::Select_triClick);
    connect(Ajoute, &QPushButton::clicked, this, &TAutre_base::AjouteClick);
    connect(nom_item, &QLineEdit::returnPressed, this, &TAutre_base::AjouteClick);
    connect(Supprime, &QPushButton::clicked, this, &TAutre_base::SupprimeClick);
    connect(liste_item, &QListWidget::currentRowChanged, this, &TAutre_base::liste_itemClick);
    connect(liste_item, &QListWidget::itemClicked, this, &TAutre_base::liste_itemClick);
    connect(Type_tri, &admin::UpDown::clicked, this, &TAutre_base::Type_triClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TAutre_base::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TAutre_base::reject);
    connect(BitBtn3, &QPushButton::clicked, this, [] { ui::ShowHelpTopic(kHelpTopic); });
    ui::InstallHelpKey(this, kHelpTopic);
    // Enter in the name box adds the entry rather than pressing OK.
    for (QPushButton* b : {Ajoute, Supprime, BitBtn1, BitBtn2, BitBtn3})
        b->setAutoDefault(false);
    retranslateUi();
    affiche_base();
    ui::FitWindowToScreen(this);
}

void TAutre_base::retranslateUi() {
    setWindowTitle(tr("Autres bases de données"));
    baseBox_->setTitle(tr("Liste"));
    triBox_->setTitle(tr("Ordre"));
    const char* bases[4] = {QT_TR_NOOP("&Couleurs"), QT_TR_NOOP("&Régions"),
                            QT_TR_NOOP("A&ppréciations"), QT_TR_NOOP("&Volumes")};
    for (int i = 0; i < 4; ++i)
        baseItems_[i]->setText(tr(bases[i]));
    triItems_[0]->setText(tr("Pas de &Tri"));
    triItems_[1]->setText(tr("Tri alp&habétique"));
    nameLabel_->setText(tr("&Nom :"));
    listLabel_->setText(tr("&Liste :"));
    ui::SetHint(nom_item, tr("Nom de l'élément à ajouter"));
    ui::SetHint(Type_tri, tr("Monte ou descend un élément"));
    ui::SetHint(Ajoute, tr("Ajoute l'élément à la liste"));
    ui::SetHint(Supprime, tr("Supprime l'élément sélectionné"));
    ui::SetHint(BitBtn1, tr("Enregistre les listes et ferme la fenêtre"));
    ui::SetHint(BitBtn2, tr("Ferme la fenêtre sans enregistrer"));
    ui::SetHint(BitBtn3, tr("Accès à l'aide"));
    Ajoute->setText(tr("&Ajoute"));
    Supprime->setText(tr("&Supprime"));
    BitBtn1->setText(tr("OK"));
    BitBtn2->setText(tr("Annuler"));
    BitBtn3->setText(tr("Aid&e"));
}

void TAutre_base::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

// Ctrl with the arrow keys moves the selected entry, as the arrows beside the list do.
bool TAutre_base::eventFilter(QObject* watched, QEvent* event) {
    if (watched == liste_item && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & Qt::ControlModifier) {
            if (key->key() == Qt::Key_Up) return Type_tri->stepUp(), true;
            if (key->key() == Qt::Key_Down) return Type_tri->stepDown(), true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

store::VocabularyList& TAutre_base::shownList() {
    store::Vocabulary& lists = store::State().lists;
    switch (Select_base->checkedId()) {
    case 1:
        return lists.regions;
    case 2:
        return lists.marks;
    case 3:
        return lists.bottleFormats;
    default:
        return lists.colours;
    }
}

void TAutre_base::showEntries() {
    const store::VocabularyList& list = shownList();
    shown_.resize(list.entries.size());
    std::iota(shown_.begin(), shown_.end(), 0);
    QStringList texts;
    for (const auto& entry : list.entries)
        texts << ui::ShownField(entry);
    if (sorted_) {
        const QCollator collator = Caseless();
        std::stable_sort(shown_.begin(), shown_.end(),
                         [&](int a, int b) { return collator.compare(texts[a], texts[b]) < 0; });
    }
    liste_item->blockSignals(true);
    liste_item->clear();
    for (int index : shown_)
        liste_item->addItem(texts[index]);
    liste_item->setCurrentRow(-1);
    liste_item->blockSignals(false);
    Type_tri->setRange(0, list.count() - 1);
}

void TAutre_base::affiche_base() {
    showEntries();
    nom_item->setMaxLength(shownList().width);
    Type_tri->setPosition(0);
}

void TAutre_base::Select_baseClick() {
    affiche_base();
}

void TAutre_base::Select_triClick() {
    sorted_ = Select_tri->checkedId() == 1;
    showEntries();
    // The list takes the order shown: the entries keep their stored bytes.
    store::VocabularyList& list = shownList();
    std::vector<std::string> ordered;
    for (int index : shown_)
        ordered.push_back(list.entries[index]);
    list.entries = std::move(ordered);
    std::iota(shown_.begin(), shown_.end(), 0);
}

void TAutre_base::liste_itemClick() {
    if (liste_item->currentRow() >= 0) Type_tri->setPosition(liste_item->currentRow());
}

void TAutre_base::Type_triClick() {
    const int from = liste_item->currentRow();
    if (sorted_ || from < 0) return;
    store::VocabularyList& list = shownList();
    const int to = std::clamp(Type_tri->position(), 0, list.count() - 1);
    std::string entry = list.entries[from];
    list.entries.erase(list.entries.begin() + from);
    list.entries.insert(list.entries.begin() + to, std::move(entry));
    showEntries();
    liste_item->setCurrentRow(to);
}

void TAutre_base::AjouteClick() {
    store::VocabularyList& list = shownList();
    QString text = nom_item->text();
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    if (text.isEmpty()) return ui::ShowMessageNumber({}, 29);
    if (!ui::CheckCp1252(text)) return;
    text = ui::ShownField(store::PadText(ui::StoredBytes(text), list.width));
    for (int row = 0; row < liste_item->count(); ++row)
        if (liste_item->item(row)->text().compare(text, Qt::CaseInsensitive) == 0)
            return ui::ShowMessageNumber({}, 31);
    if (list.entries.size() >= list.capacity) return ui::ShowMessageNumber({}, 30);
    int at = liste_item->count();
    if (sorted_) {
        const QCollator collator = Caseless();
        at = 0;
        while (at < liste_item->count() &&
               collator.compare(liste_item->item(at)->text(), text) <= 0)
            ++at;
    }
    // The place in the list box is the place in the list, as the list box's own insert gives.
    list.entries.insert(list.entries.begin() + std::min(at, list.count()),
                        store::PadText(ui::StoredBytes(text), list.width));
    showEntries();
}

void TAutre_base::SupprimeClick() {
    const int row = liste_item->currentRow();
    if (row < 0 || !liste_item->currentItem()->isSelected()) return ui::ShowMessageNumber({}, 29);
    store::VocabularyList& list = shownList();
    list.entries.erase(list.entries.begin() + shown_[row]);
    showEntries();
}

void TAutre_base::BitBtn1Click() {
    const store::DataLanguage language = store::State().language;
    store::Vocabulary& lists = store::State().lists;
    const store::DataFileNames& files = store::State().files;
    const struct {
        store::VocabularyList& list;
        const std::string& file;
        std::vector<std::string> defaults;
    } all[] = {
        {lists.colours, files.colours, store::DefaultColours(language)},
        {lists.regions, files.regions, store::DefaultRegions(language)},
        {lists.marks, files.marks, store::DefaultMarks(language)},
        {lists.bottleFormats, files.bottleFormats, store::DefaultBottleFormats(language)},
    };
    // All four or none, whatever fails and whenever the program stops.
    std::vector<std::pair<std::string, std::vector<std::string>>> contents;
    for (const auto& l : all) {
        const std::vector<std::string>& entries =
            l.list.entries.empty() ? l.defaults : l.list.entries;
        contents.emplace_back(l.file, std::vector<std::string>{});
        for (const auto& entry : entries)
            contents.back().second.push_back(store::PadText(entry, l.list.width));
    }
    const auto done = [&] {
        for (const auto& l : all)
            if (l.list.entries.empty()) l.list.entries = l.defaults;
        accept();
    };
    try {
        store::WriteAllLinesOfFiles(contents);
    } catch (const store::CommittedWithError&) {
        done(); // the lists are written: the window closes on them, then the error is shown
        throw;
    }
    done();
}

void TAutre_base::reject() {
    store::State().lists = opened_;
    QDialog::reject();
}
