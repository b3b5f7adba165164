#include "admin/Uadmin.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "store/AppellationEdits.h"
#include "store/Files.h"
#include "store/RefBases.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/WineEntry.h"
#include "ui/BusyCursor.h"
#include "ui/Cp1252.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "ui/MaskedBox.h"
#include "ui/Screen.h"
#include "ui/State.h"
#include "ui/Widgets.h"

namespace {

constexpr int kHelpTopic = 13;

QTreeWidget* List(QWidget* parent, const char* name) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setRootIsDecorated(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->header()->setSectionsClickable(false);
    list->header()->setStretchLastSection(true);
    ui::KeepSelectionVisible(list);
    return list;
}

QComboBox* Combo(QWidget* parent, const char* name, bool editable) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    if (editable) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->completer()->setCompletionMode(QCompleter::PopupCompletion);
        box->completer()->setCaseSensitivity(Qt::CaseInsensitive);
        box->lineEdit()->setMaxLength(30);
        ui::RefuseOutsideCp1252(box->lineEdit());
    }
    return box;
}

QPushButton* Button(QWidget* parent, const char* name) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QLineEdit* Edit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

// Names are listed once whatever their case, in the order of the system, case disregarded.
void SortedDistinct(QStringList& names) {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(), [&](const QString& a, const QString& b) {
        return collator.compare(a, b) < 0;
    });
    QStringList distinct;
    for (const QString& name : names)
        if (distinct.isEmpty() || collator.compare(distinct.last(), name) != 0) distinct << name;
    names = distinct;
}

void AddSorted(QComboBox* box, const QString& text) {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    int at = 0;
    while (at < box->count() && collator.compare(box->itemText(at), text) <= 0)
        ++at;
    box->insertItem(at, text);
}

void ChooseEntry(QComboBox* box, const QString& text) {
    const int at =
        text.isEmpty() ? -1 : box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    box->setCurrentIndex(at);
    if (at < 0) box->setEditText(QString());
}

std::string Stored(const QString& text) {
    return store::RightTrim(ui::StoredBytes(text));
}

// A stored mark as the list shows it: one that reads as a number in two digits, as typed marks
// are, so that saving the row writes back two digits rather than the "/" of the suffix.
QString ShownMark(const std::string& stored) {
    const std::string digits = store::Trim(stored);
    long value = 0;
    if (!digits.empty() && store::AllDigits(digits) && store::ParseWholeNumber(digits, value))
        return QStringLiteral("%1/20").arg(value, 2, 10, QLatin1Char('0'));
    return ui::ToQString(stored) + QStringLiteral("/20");
}

// The mark of a row, without its "/20".
QString MarkOfRow(const QString& shown) {
    return shown.endsWith(QStringLiteral("/20")) ? shown.chopped(3) : shown.left(2);
}

} // namespace

int Tadminbase::CourseRank(const QString& course) {
    const QString type = course.trimmed();
    if (type == QLatin1String("Plats") || type == QLatin1String("Courses")) return 2;
    if (type == QLatin1String("Fromage") || type == QLatin1String("Cheeses")) return 3;
    if (type == QLatin1String("Dessert")) return 4;
    return 1;
}

Tadminbase::Tadminbase(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tadminbase"));
    Liste_coul = Combo(this, "Liste_coul", false);
    Liste_region = Combo(this, "Liste_region", false);
    Liste_appel = Combo(this, "Liste_appel", true);
    Liste_appel->setMinimumContentsLength(24);
    select_touteappel = new QCheckBox(this);
    select_touteappel->setObjectName(QStringLiteral("select_touteappel"));
    Temperature = Edit(this, "Temperature");
    Garde = Edit(this, "Garde");
    for (QLineEdit* e : {Temperature, Garde}) {
        e->setMaxLength(50);
        ui::RefuseOutsideCp1252(e);
    }

    dishesBox_ = new QGroupBox(this);
    select_plat = new QGroupBox(dishesBox_);
    select_plat->setObjectName(QStringLiteral("select_plat"));
    courses_ = new QButtonGroup(this);
    auto* courseRow = new QHBoxLayout(select_plat);
    for (int i = 0; i < 4; ++i) {
        courseButtons_[i] = new QRadioButton(select_plat);
        courseButtons_[i]->setObjectName(QStringLiteral("select_plat%1").arg(i));
        courses_->addButton(courseButtons_[i], i);
        courseRow->addWidget(courseButtons_[i]);
    }
    courseButtons_[0]->setChecked(true);
    liste_des_plats = Combo(dishesBox_, "liste_des_plats", true);
    Ajout_plat = Button(dishesBox_, "Ajout_plat");
    supprime_plat = Button(dishesBox_, "supprime_plat");
    liste_plats = List(dishesBox_, "liste_plats");

    vintagesBox_ = new QGroupBox(this);
    // Every position optional: a short year or an empty mark reaches the checks, which say what
    // is wrong, instead of being refused by the box.
    millesime = ui::MaskedEdit(vintagesBox_, "millesime", "9999");
    note = ui::MaskedEdit(vintagesBox_, "note", "99");
    outOf20_ = new QLabel(QStringLiteral("/ 20"), vintagesBox_);
    ajoute_annee = Button(vintagesBox_, "ajoute_annee");
    supprime_annee = Button(vintagesBox_, "supprime_annee");
    liste_annee = List(vintagesBox_, "liste_annee");

    BitBtn1 = ui::PictureButton(this, "BitBtn1", ui::Picture::Ok);
    BitBtn1->setDefault(true);
    BitBtn2 = ui::PictureButton(this, "BitBtn2", ui::Picture::Cancel);
    BitBtn3 = ui::PictureButton(this, "BitBtn3", ui::Picture::Help);
    BitBtn6 = Button(this, "BitBtn6");
    BitBtn6->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    for (QPushButton* b : {BitBtn2, BitBtn3})
        b->setAutoDefault(false);
    // The delete button stands first in the button row, and the tab key reaches it first.
    QWidget::setTabOrder(liste_annee, BitBtn6);
    QWidget::setTabOrder(BitBtn6, BitBtn1);

    const auto label = [this](QWidget* buddy) {
        auto* l = new QLabel(buddy->parentWidget());
        l->setBuddy(buddy);
        labels_.push_back(l);
        return l;
    };
    auto* grid = new QGridLayout;
    grid->addWidget(label(Liste_coul), 0, 0);
    grid->addWidget(Liste_coul, 0, 1);
    grid->addWidget(label(Liste_region), 0, 2);
    grid->addWidget(Liste_region, 0, 3);
    grid->addWidget(label(Liste_appel), 1, 0);
    grid->addWidget(Liste_appel, 1, 1);
    grid->addWidget(select_touteappel, 1, 2, 1, 2);
    grid->addWidget(label(Temperature), 2, 0);
    grid->addWidget(Temperature, 2, 1);
    grid->addWidget(label(Garde), 2, 2);
    grid->addWidget(Garde, 2, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* dishEntry = new QHBoxLayout;
    dishEntry->addWidget(label(liste_des_plats));
    dishEntry->addWidget(liste_des_plats, 1);
    dishEntry->addWidget(Ajout_plat);
    dishEntry->addWidget(supprime_plat);
    auto* dishes = new QVBoxLayout(dishesBox_);
    dishes->addWidget(select_plat);
    dishes->addLayout(dishEntry);
    dishes->addWidget(liste_plats, 1);

    auto* vintageEntry = new QGridLayout;
    vintageEntry->addWidget(label(millesime), 0, 0);
    vintageEntry->addWidget(millesime, 0, 1);
    vintageEntry->addWidget(label(note), 1, 0);
    auto* markRow = new QHBoxLayout;
    markRow->addWidget(note);
    markRow->addWidget(outOf20_);
    markRow->addStretch(1);
    vintageEntry->addLayout(markRow, 1, 1);
    auto* vintageButtons = new QHBoxLayout;
    vintageButtons->addWidget(ajoute_annee);
    vintageButtons->addWidget(supprime_annee);
    auto* vintages = new QVBoxLayout(vintagesBox_);
    vintages->addLayout(vintageEntry);
    vintages->addLayout(vintageButtons);
    vintages->addWidget(liste_annee, 1);

    auto* lists = new QHBoxLayout;
    lists->addWidget(dishesBox_, 3);
    lists->addWidget(vintagesBox_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn6);
    buttons->addStretch(1);
    for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn3})
        buttons->addWidget(b);

    auto* main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(lists, 1);
    main->addLayout(buttons);

    // Only the person's own choices drive the lists: what the window sets raises nothing.
    connect(Liste_coul, &QComboBox::activated, this, &Tadminbase::Liste_coulChange);
    connect(Liste_region, &QComboBox::activated, this, &Tadminbase::Liste_regionChange);
    connect(Liste_appel, &QComboBox::activated, this, &Tadminbase::Liste_appelChange);
    connect(Liste_appel->lineEdit(), &QLineEdit::textEdited, this, &Tadminbase::Liste_appelChange);
    connect(Liste_appel->completer(), qOverload<const QString&>(&QCompleter::activated), this,
            &Tadminbase::Liste_appelChange);
    connect(select_touteappel, &QCheckBox::clicked, this, &Tadminbase::select_touteappelClick);
    connect(courses_, &QButtonGroup::idClicked, this, &Tadminbase::select_platClick);
    connect(Ajout_plat, &QPushButton::clicked, this, &Tadminbase::Ajout_platClick);
    connect(supprime_plat, &QPushButton::clicked, this, &Tadminbase::supprime_platClick);
    connect(ajoute_annee, &QPushButton::clicked, this, &Tadminbase::ajoute_anneeClick);
    connect(supprime_annee, &QPushButton::clicked, this, &Tadminbase::supprime_anneeClick);
    connect(liste_annee, &QTreeWidget::itemClicked, this, &Tadminbase::liste_anneeClick);
    connect(BitBtn1, &QPushButton::clicked, this, &Tadminbase::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, [] { ui::ShowHelpTopic(kHelpTopic); });
    connect(BitBtn6, &QPushButton::clicked, this, &Tadminbase::BitBtn6Click);
    ui::InstallHelpKey(this, kHelpTopic);

    retranslateUi();
    FormCreate();
}

void Tadminbase::retranslateUi() {
    setWindowTitle(tr("Administration des appellations"));
    const char* captions[] = {QT_TR_NOOP("&Couleur :"),     QT_TR_NOOP("&Région :"),
                              QT_TR_NOOP("&Appellation :"), QT_TR_NOOP("&Température :"),
                              QT_TR_NOOP("&Garde :"),       QT_TR_NOOP("P&lat :"),
                              QT_TR_NOOP("&Millésime :"),   QT_TR_NOOP("&Note :")};
    for (std::size_t i = 0; i < labels_.size(); ++i)
        labels_[i]->setText(tr(captions[i]));
    select_touteappel->setText(tr("Affic&her seulement les appellations de la région"));
    const char* courses[] = {QT_TR_NOOP("Entrée&s"), QT_TR_NOOP("&Plats"), QT_TR_NOOP("&Fromages"),
                             QT_TR_NOOP("&Desserts")};
    for (int i = 0; i < 4; ++i)
        courseButtons_[i]->setText(tr(courses[i]));
    dishesBox_->setTitle(tr("Plats"));
    vintagesBox_->setTitle(tr("Millésimes"));
    Ajout_plat->setText(tr("A&joute"));
    ajoute_annee->setText(tr("Aj&oute"));
    supprime_plat->setText(tr("S&upprime"));
    supprime_annee->setText(tr("Suppr&ime"));
    liste_plats->setHeaderLabels({tr("Type"), tr("Plats")});
    liste_annee->setHeaderLabels({tr("Année"), tr("Note")});
    BitBtn1->setText(tr("O&K"));
    BitBtn2->setText(tr("Annul&er"));
    BitBtn3->setText(tr("Aide"));
    const struct {
        QWidget* widget;
        QString hint;
    } hints[] = {
        {Liste_coul, tr("Couleur")},
        {Liste_region, tr("Région")},
        {Liste_appel, tr("Appellation")},
        {Temperature, tr("Température de service")},
        {Garde, tr("Période de garde")},
        {liste_des_plats, tr("Plat à ajouter")},
        {liste_plats, tr("Liste des mets")},
        {millesime, tr("Millésime à ajouter")},
        {note, tr("Note du millésime sur 20")},
        {liste_annee, tr("Liste des millésimes")},
        {BitBtn1, tr("Enregistre l'appellation")},
        {BitBtn2, tr("Retour au menu principal sans sauvegarde")},
        {BitBtn3, tr("Accès à l'aide")},
        {BitBtn6, tr("Supprime l'appellation")},
    };
    for (const auto& h : hints)
        ui::SetHint(h.widget, h.hint);
}

void Tadminbase::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

void Tadminbase::FormCreate() {
    const bool scale = ui::State().scaleWindows;
    const auto width = [&](int design, QTreeWidget* list, int column) {
        const int w = scale ? ui::ScaleToScreen(design) : design;
        list->setColumnWidth(column, std::max(w, list->header()->fontMetrics().horizontalAdvance(
                                                     list->headerItem()->text(column)) +
                                                     16));
    };
    width(50, liste_plats, 0);
    width(200, liste_plats, 1);
    width(50, liste_annee, 0);
    width(60, liste_annee, 1);
    liste_plats->setColumnWidth(
        0, std::max(liste_plats->columnWidth(0),
                    liste_plats->fontMetrics().horizontalAdvance(QStringLiteral("Fromage")) + 16));
    liste_plats->setMinimumWidth(liste_plats->columnWidth(0) + liste_plats->columnWidth(1) + 40);
    liste_annee->setMinimumWidth(liste_annee->columnWidth(0) + liste_annee->columnWidth(1) + 30);
    liste_plats->setMinimumHeight(liste_plats->fontMetrics().height() * 12);

    clearDetails();
    const store::Vocabulary& vocabulary = store::State().lists;
    for (const auto& entry : vocabulary.colours.entries)
        Liste_coul->addItem(ui::ShownField(entry));
    for (const auto& entry : vocabulary.regions.entries)
        Liste_region->addItem(ui::ShownField(entry));
    Liste_region->addItem(ui::ShownField(vocabulary.regions.fixedEntry));
    Liste_coul->setCurrentIndex(-1);
    Liste_region->setCurrentIndex(-1);

    {
        ui::BusyCursor busy;
        store::AppellationBaseIndex index;
        try {
            index = store::ReadAppellationBaseIndex();
        } catch (const store::IoError& error) {
            ui::ShowIoError(error);
        }
        AppellationIndex = std::move(index.keys);
        for (int k = 0; k < 4; ++k) {
            for (const auto& name : index.dishes[k])
                dishVocabularies_[k] << ui::ToQString(name);
            SortedDistinct(dishVocabularies_[k]);
        }
        allAppellations();
    }
    cherche_plat();
    ui::FitWindowToScreen(this);
    Liste_coul->setFocus();
}

QString Tadminbase::chosen(QComboBox* box) const {
    return box->currentIndex() >= 0 ? box->currentText() : QString();
}

bool Tadminbase::appellationChosenFromList() const {
    const QString text = Liste_appel->currentText();
    return !text.isEmpty() &&
           Liste_appel->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0;
}

QString Tadminbase::courseText() const {
    const int index = std::max(0, courses_->checkedId());
    return ui::ShownField(store::Courses(store::State().language)[static_cast<std::size_t>(index)]);
}

void Tadminbase::clearDetails() {
    Temperature->clear();
    Garde->clear();
    liste_plats->clear();
    liste_annee->clear();
    loadedKey_.clear();
    loadedTemperature_.clear();
    loadedKeeping_.clear();
}

void Tadminbase::allAppellations() {
    QStringList names;
    for (const auto& key : AppellationIndex)
        names << ui::ToQString(store::KeyAppellation(key));
    SortedDistinct(names);
    const QString remembered = appellationChosenFromList() ? Liste_appel->currentText() : QString();
    Liste_appel->clear();
    Liste_appel->addItems(names);
    ChooseEntry(Liste_appel, remembered);
}

void Tadminbase::cherche_plat() {
    liste_des_plats->clear();
    liste_des_plats->addItems(
        dishVocabularies_[static_cast<std::size_t>(std::max(0, courses_->checkedId()))]);
    liste_des_plats->setCurrentIndex(-1);
    liste_des_plats->setEditText(QString());
}

void Tadminbase::Rempli_combo() {
    const QString text = Liste_appel->currentText();
    if (Liste_region->currentIndex() < 0 && !text.isEmpty()) {
        const std::string wanted = Stored(text);
        for (const auto& key : AppellationIndex) {
            if (store::KeyAppellation(key) != wanted) continue;
            const int region = Liste_region->findText(ui::ToQString(store::KeyRegion(key)),
                                                      Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (region < 0) continue;
            Liste_region->setCurrentIndex(region);
            Liste_coul->setCurrentIndex(Liste_coul->findText(
                ui::ToQString(store::KeyColour(key)), Qt::MatchExactly | Qt::MatchCaseSensitive));
            break;
        }
    }
    clearDetails();
    if (Stored(text).empty()) return;
    const std::string colour = store::PadText(ui::StoredBytes(chosen(Liste_coul)), 10);
    const std::string region = store::PadText(ui::StoredBytes(chosen(Liste_region)), 20);
    const std::string appellation = store::PadText(Stored(text), 30);
    ui::BusyCursor busy;
    store::AppellationInfo info;
    std::vector<store::VintageMark> marks;
    try {
        info = store::AppellationDetails(colour, region, appellation);
        marks = store::VintageMarks(region, appellation);
    } catch (const store::IoError& error) {
        ui::ShowIoError(error);
        return;
    }
    Temperature->setText(ui::ShownField(info.temperature));
    Garde->setText(ui::ShownField(info.keeping));
    for (const store::Dish& d : info.dishes)
        new QTreeWidgetItem(liste_plats, {ui::ShownField(d.course), ui::ShownField(d.dish)});
    for (const store::VintageMark& m : marks)
        new QTreeWidgetItem(liste_annee, {ui::ToQString(m.year), ShownMark(m.mark)});
    sortDishes();
    sortVintages();
    loadedKey_ = colour + region + appellation;
    loadedTemperature_ = Temperature->text();
    loadedKeeping_ = Garde->text();
}

void Tadminbase::sortDishes() {
    std::vector<QTreeWidgetItem*> rows;
    while (liste_plats->topLevelItemCount() > 0)
        rows.push_back(liste_plats->takeTopLevelItem(0));
    QCollator collator; // the system's comparison, case included
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
                         const int ra = CourseRank(a->text(0)), rb = CourseRank(b->text(0));
                         if (ra != rb) return ra < rb;
                         return collator.compare(a->text(1), b->text(1)) < 0;
                     });
    for (QTreeWidgetItem* row : rows)
        liste_plats->addTopLevelItem(row);
}

void Tadminbase::sortVintages() {
    std::vector<QTreeWidgetItem*> rows;
    while (liste_annee->topLevelItemCount() > 0)
        rows.push_back(liste_annee->takeTopLevelItem(0));
    std::stable_sort(
        rows.begin(), rows.end(),
        [](const QTreeWidgetItem* a, const QTreeWidgetItem* b) { return a->text(0) > b->text(0); });
    for (QTreeWidgetItem* row : rows)
        liste_annee->addTopLevelItem(row);
}

void Tadminbase::rempli_appel() {
    if (Liste_region->currentIndex() < 0) {
        Liste_appel->clear();
        Liste_appel->setEditText(QString());
        return;
    }
    const QString remembered = appellationChosenFromList() ? Liste_appel->currentText() : QString();
    const std::string region = Stored(Liste_region->currentText());
    QStringList names;
    for (const auto& key : AppellationIndex)
        if (store::KeyRegion(key) == region) names << ui::ToQString(store::KeyAppellation(key));
    SortedDistinct(names);
    Liste_appel->clear();
    Liste_appel->addItems(names);
    ChooseEntry(Liste_appel, remembered);
}

void Tadminbase::Liste_coulChange() {
    Rempli_combo();
}

void Tadminbase::Liste_appelChange() {
    Liste_region->setCurrentIndex(-1);
    Rempli_combo();
}

void Tadminbase::Liste_regionChange() {
    if (select_touteappel->isChecked()) {
        rempli_appel();
    } else {
        bool known = false;
        if (appellationChosenFromList()) {
            const std::string colour = Stored(chosen(Liste_coul));
            const std::string region = Stored(chosen(Liste_region));
            const std::string appellation = Stored(Liste_appel->currentText());
            for (const auto& key : AppellationIndex)
                if (store::KeyColour(key) == colour && store::KeyRegion(key) == region &&
                    store::KeyAppellation(key) == appellation) {
                    known = true;
                    break;
                }
        }
        if (!known) {
            Liste_appel->setCurrentIndex(-1);
            Liste_appel->setEditText(QString());
            Temperature->clear();
            Garde->clear();
        }
    }
    Rempli_combo();
}

void Tadminbase::select_touteappelClick() {
    if (select_touteappel->isChecked()) {
        rempli_appel();
        return;
    }
    ui::BusyCursor busy;
    allAppellations();
}

void Tadminbase::select_platClick() {
    cherche_plat();
}

void Tadminbase::Ajout_platClick() {
    QString dish = liste_des_plats->currentText();
    while (dish.endsWith(QLatin1Char(' ')))
        dish.chop(1);
    dish = dish.left(30);
    if (dish.isEmpty()) {
        ui::ShowMessageNumber(tr("Vous n'avez saisi aucun plat"), 0);
        return;
    }
    if (!ui::CheckCp1252(dish)) return;
    const QString course = courseText();
    for (int i = 0; i < liste_plats->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = liste_plats->topLevelItem(i);
        if (row->text(0) == course && row->text(1) == dish) {
            ui::ShowMessageNumber(QString(), 22);
            return;
        }
    }
    new QTreeWidgetItem(liste_plats, {course, dish});
    sortDishes();
}

void Tadminbase::supprime_platClick() {
    QTreeWidgetItem* row = liste_plats->currentItem();
    if (row == nullptr || !row->isSelected()) {
        ui::ShowMessageNumber(QString(), 18);
        return;
    }
    delete row;
}

void Tadminbase::ajoute_anneeClick() {
    const std::string year = store::RightTrim(millesime->text().toStdString()).substr(0, 4);
    if (store::Trim(year).empty()) {
        ui::ShowMessageNumber(tr("Vous n'avez saisi aucune année"), 0);
        return;
    }
    if (year.size() != 4 || !store::AllDigits(year)) {
        ui::ShowMessageNumber(QString(), 28);
        return;
    }
    const std::string mark = store::Trim(note->text().toStdString());
    long value = 0;
    if (mark.empty() || !store::ParseWholeNumber(mark, value)) {
        ui::ShowMessageNumber(QString(), 27);
        return;
    }
    if (value > 20) {
        ui::ShowMessageNumber(QString(), 26);
        return;
    }
    const QString shownMark = QStringLiteral("%1/20").arg(value, 2, 10, QLatin1Char('0'));
    const QString shownYear = QString::fromLatin1(year);
    for (int i = 0; i < liste_annee->topLevelItemCount(); ++i) {
        if (liste_annee->topLevelItem(i)->text(0) == shownYear) {
            ui::ShowMessageNumber(QString(), 25);
            return;
        }
    }
    new QTreeWidgetItem(liste_annee, {shownYear, shownMark});
    sortVintages();
}

void Tadminbase::supprime_anneeClick() {
    QTreeWidgetItem* row = liste_annee->currentItem();
    if (row == nullptr || !row->isSelected()) {
        ui::ShowMessageNumber(QString(), 21);
        return;
    }
    delete row;
}

void Tadminbase::liste_anneeClick(QTreeWidgetItem* item) {
    if (item == nullptr) return;
    millesime->setText(item->text(0));
    note->setText(MarkOfRow(item->text(1)));
}

void Tadminbase::BitBtn1Click() {
    if (Liste_coul->currentIndex() < 0) {
        ui::ShowMessageNumber(QString(), 3);
        return;
    }
    if (Liste_region->currentIndex() < 0) {
        ui::ShowMessageNumber(QString(), 4);
        return;
    }
    const QString name = ui::ShownField(ui::StoredBytes(Liste_appel->currentText())).left(30);
    if (name.isEmpty()) {
        ui::ShowMessageNumber(QString(), 5);
        return;
    }
    for (const QString& text : {Liste_appel->currentText(), Temperature->text(), Garde->text()})
        if (!ui::CheckCp1252(text)) return;

    store::AppellationEdit edit;
    edit.colour = store::PadText(ui::StoredBytes(chosen(Liste_coul)), 10);
    edit.region = store::PadText(ui::StoredBytes(chosen(Liste_region)), 20);
    edit.appellation = store::PadText(ui::StoredBytes(name), 30);
    // A value the person left as the load showed it keeps its stored line.
    const bool sameAppellation = loadedKey_ == edit.colour + edit.region + edit.appellation;
    if (!sameAppellation || Temperature->text() != loadedTemperature_)
        edit.temperature = Stored(Temperature->text()).substr(0, 50);
    if (!sameAppellation || Garde->text() != loadedKeeping_)
        edit.keeping = Stored(Garde->text()).substr(0, 50);
    for (int i = 0; i < liste_plats->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = liste_plats->topLevelItem(i);
        edit.dishes.push_back({ui::StoredBytes(row->text(0)), ui::StoredBytes(row->text(1))});
    }
    for (int i = 0; i < liste_annee->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = liste_annee->topLevelItem(i);
        edit.vintages.push_back(
            {ui::StoredBytes(row->text(0)), ui::StoredBytes(MarkOfRow(row->text(1)))});
    }
    try {
        ui::BusyCursor busy;
        store::SaveAppellation(edit);
    } catch (const store::IoError& error) {
        ui::ShowIoError(error); // the entries stay on screen for another try
        return;
    }

    AppellationIndex.push_back(edit.region + edit.colour + edit.appellation);
    if (Liste_appel->findText(name, Qt::MatchFixedString) < 0) AddSorted(Liste_appel, name);
    Liste_coul->setCurrentIndex(-1);
    Liste_region->setCurrentIndex(-1);
    Liste_appel->setCurrentIndex(-1);
    Liste_appel->setEditText(QString());
    liste_des_plats->setCurrentIndex(-1);
    liste_des_plats->setEditText(QString());
    for (QLineEdit* e : {Temperature, Garde, millesime, note})
        e->clear();
    Rempli_combo();
    Liste_coul->setFocus();
}

void Tadminbase::BitBtn6Click() {
    if (Liste_coul->currentIndex() < 0 || Liste_region->currentIndex() < 0 ||
        !appellationChosenFromList()) {
        ui::ShowMessageNumber(QString(), 24);
        return;
    }
    const std::string colour = store::PadText(ui::StoredBytes(Liste_coul->currentText()), 10);
    const std::string region = store::PadText(ui::StoredBytes(Liste_region->currentText()), 20);
    const std::string appellation = store::PadText(ui::StoredBytes(Liste_appel->currentText()), 30);
    store::AppellationRemoval removal;
    {
        ui::BusyCursor busy;
        try {
            removal = store::DeleteAppellation(colour, region, appellation);
        } catch (const store::IoError& error) {
            ui::ShowIoError(error);
            return;
        }
    }
    if (!removal.removed) {
        ui::ShowMessageNumber(QString(), 23);
        return;
    }
    // The index follows the base, so that a deleted section is never offered again; the name
    // leaves the list only when no section of any colour or region still bears it.
    const std::string key = region + colour + appellation;
    std::erase(AppellationIndex, key);
    const std::string name = store::RightTrim(appellation);
    const bool stillNamed =
        std::any_of(AppellationIndex.begin(), AppellationIndex.end(),
                    [&](const std::string& k) { return store::KeyAppellation(k) == name; });
    if (!stillNamed) {
        const int at =
            Liste_appel->findText(ui::ToQString(name), Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (at >= 0) Liste_appel->removeItem(at);
    }
    Liste_appel->setCurrentIndex(-1);
    Liste_appel->setEditText(QString());
    Liste_coul->setCurrentIndex(-1);
    Liste_region->setCurrentIndex(-1);
    clearDetails();
}
