#include "admin/Udomaine.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "cellar/IdentityCascade.h"
#include "store/Files.h"
#include "store/RefBases.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/WineEntry.h"
#include "ui/BusyCursor.h"
#include "ui/Cp1252.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Screen.h"
#include "ui/Widgets.h"

namespace {

constexpr int kHelpTopic = 28;

using cellar::IdentityCascade;

void SortCaseless(QStringList& names) {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(),
              [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
}

QComboBox* Editable(QWidget* parent, const char* name, int maxLength) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->completer()->setCompletionMode(QCompleter::PopupCompletion);
    box->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    box->lineEdit()->setMaxLength(maxLength);
    box->setMinimumContentsLength(maxLength * 2 / 3);
    ui::RefuseOutsideCp1252(box->lineEdit());
    return box;
}

// The domaine names of the base equal to the name but for the case of their letters.
std::vector<std::string> NamesLike(const std::string& name) {
    std::vector<std::string> found;
    store::LineReader in;
    if (!store::OpenTextForReading(in, store::State().files.domaines)) return found;
    std::string line;
    while (in.readLine(line)) {
        if (!line.empty() && line[0] == '[') continue;
        std::string listed = store::RightTrim(store::Columns(line, 7, 50));
        if (store::EqualIgnoringCase(listed, name)) found.push_back(std::move(listed));
    }
    return found;
}

} // namespace

Tdomaine_form::Tdomaine_form(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tdomaine_form"));
    Liste_domaine = Editable(this, "Liste_domaine", 50);
    Prop = new QLineEdit(this);
    Prop->setObjectName(QStringLiteral("Prop"));
    Prop->setMaxLength(50);
    ui::RefuseOutsideCp1252(Prop);
    Liste_region = new QComboBox(this);
    Liste_region->setObjectName(QStringLiteral("Liste_region"));
    Liste_appel = Editable(this, "Liste_appel", 30);
    select_touteappel = new QCheckBox(this);
    select_touteappel->setObjectName(QStringLiteral("select_touteappel"));
    BitBtn4 = new QPushButton(this);
    BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    BitBtn2 = new QPushButton(this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn1 = ui::PictureButton(this, "BitBtn1", ui::Picture::Ok);
    BitBtn3 = ui::PictureButton(this, "BitBtn3", ui::Picture::Help);

    QWidget* buddies[4] = {Liste_domaine, Prop, Liste_region, Liste_appel};
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        labels_[i] = new QLabel(this);
        labels_[i]->setBuddy(buddies[i]);
        grid->addWidget(labels_[i], i, 0);
        grid->addWidget(buddies[i], i, 1);
    }
    grid->addWidget(select_touteappel, 4, 1);
    grid->setColumnStretch(1, 1);
    auto* actions = new QHBoxLayout;
    actions->addStretch(1);
    actions->addWidget(BitBtn4);
    actions->addWidget(BitBtn2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn3);
    auto* main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(actions);
    main->addStretch(1);
    main->addLayout(buttons);

    connect(Liste_domaine, &QComboBox::activated, this, &Tdomaine_form::Liste_domaineChange);
    connect(Liste_domaine->completer(), qOverload<const QString&>(&QCompleter::activated), this,
            &Tdomaine_form::Liste_domaineChange);
    connect(Liste_region, &QComboBox::activated, this, &Tdomaine_form::Liste_regionChange);
    connect(Liste_appel, &QComboBox::activated, this, &Tdomaine_form::Liste_appelChange);
    connect(Liste_appel->lineEdit(), &QLineEdit::textEdited, this,
            &Tdomaine_form::Liste_appelChange);
    connect(Liste_appel->completer(), qOverload<const QString&>(&QCompleter::activated), this,
            &Tdomaine_form::Liste_appelChange);
    connect(select_touteappel, &QCheckBox::clicked, this, &Tdomaine_form::select_touteappelClick);
    connect(BitBtn4, &QPushButton::clicked, this, &Tdomaine_form::BitBtn4Click);
    connect(BitBtn2, &QPushButton::clicked, this, &Tdomaine_form::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn3, &QPushButton::clicked, this, [] { ui::ShowHelpTopic(kHelpTopic); });
    ui::InstallHelpKey(this, kHelpTopic);
    retranslateUi();
    FormCreate();
}

void Tdomaine_form::retranslateUi() {
    setWindowTitle(tr("Gestion des domaines"));
    const char* captions[4] = {QT_TR_NOOP("&Domaine ou Château :"), QT_TR_NOOP("&Propriétaire :"),
                               QT_TR_NOOP("&Région :"), QT_TR_NOOP("Appe&llation :")};
    for (int i = 0; i < 4; ++i)
        labels_[i]->setText(tr(captions[i]));
    select_touteappel->setText(tr("Affic&her seulement les appellations de la région"));
    ui::SetHint(Liste_domaine, tr("Nom du domaine ou du château"));
    ui::SetHint(Prop, tr("Nom du propriétaire"));
    ui::SetHint(Liste_region, tr("Région de l'appellation"));
    ui::SetHint(Liste_appel, tr("Appellation du domaine"));
    ui::SetHint(BitBtn4, tr("Ajoute le nouveau domaine dans la base"));
    ui::SetHint(BitBtn2, tr("Supprime le domaine de la base"));
    ui::SetHint(BitBtn1, tr("Ferme la fenêtre"));
    ui::SetHint(BitBtn3, tr("Accès à l'aide"));
    BitBtn4->setText(tr("&Ajoute"));
    BitBtn2->setText(tr("&Supprime"));
    BitBtn1->setText(tr("OK"));
    BitBtn3->setText(tr("Aid&e"));
}

void Tdomaine_form::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

void Tdomaine_form::FormCreate() {
    ui::BusyCursor busy;
    Prop->clear();
    const store::Vocabulary& lists = store::State().lists;
    for (const auto& entry : lists.regions.entries)
        Liste_region->addItem(ui::ShownField(entry));
    Liste_region->addItem(ui::ShownField(lists.regions.fixedEntry));
    Liste_region->setCurrentIndex(-1);

    QStringList domaines;
    for (const auto& name : store::DomaineNames())
        domaines << ui::ToQString(name);
    SortCaseless(domaines);
    Liste_domaine->addItems(domaines);
    Liste_domaine->setCurrentIndex(-1);
    Liste_domaine->setEditText(QString());

    AppellationIndex = store::ReadAppellationIndex();
    QStringList names;
    for (const auto& key : AppellationIndex) {
        const QString name = ui::ToQString(store::KeyAppellation(key));
        if (!names.contains(name, Qt::CaseInsensitive)) names << name;
    }
    fillAppellations(names);
    ui::FitWindowToScreen(this);
}

void Tdomaine_form::fillAppellations(const QStringList& names) {
    QStringList sorted = names;
    SortCaseless(sorted);
    const QString remembered = chosenAppellation();
    Liste_appel->clear();
    Liste_appel->addItems(sorted);
    IdentityCascade::ChooseEntry(Liste_appel, remembered);
}

QString Tdomaine_form::chosenAppellation() const {
    const QString text = Liste_appel->currentText();
    if (text.isEmpty()) return {};
    return Liste_appel->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0 ? text
                                                                                       : QString();
}

void Tdomaine_form::fillAllAppellations() {
    ui::BusyCursor busy;
    QStringList names;
    for (const auto& key : AppellationIndex) {
        const QString name = ui::ToQString(store::KeyAppellation(key));
        if (!names.contains(name, Qt::CaseInsensitive)) names << name;
    }
    names << ui::ToQString(store::OtherAppellation(store::State().language));
    fillAppellations(names);
}

void Tdomaine_form::rempli_appel() {
    if (Liste_region->currentIndex() < 0) {
        Liste_appel->clear();
        Liste_appel->setEditText(QString());
        return;
    }
    const std::string region = store::RightTrim(ui::StoredBytes(Liste_region->currentText()));
    QStringList names;
    for (const auto& key : AppellationIndex) {
        if (store::KeyRegion(key) != region) continue;
        const QString name = ui::ToQString(store::KeyAppellation(key));
        if (!names.contains(name, Qt::CaseInsensitive)) names << name;
    }
    fillAppellations(names);
}

void Tdomaine_form::select_touteappelClick() {
    if (select_touteappel->isChecked())
        rempli_appel();
    else
        fillAllAppellations();
}

void Tdomaine_form::Liste_domaineChange() {
    const std::string name =
        store::RightTrim(ui::StoredBytes(Liste_domaine->currentText()).substr(0, 50));
    ui::BusyCursor busy;
    const store::DomaineLookup found = store::FindDomaine(name);
    if (!found.found) return;
    Prop->setText(ui::ToQString(found.owner));
    Liste_region->setCurrentIndex(
        Liste_region->findText(ui::ToQString(found.region), Qt::MatchFixedString));
    if (select_touteappel->isChecked()) rempli_appel();
    const QString appellation = ui::ToQString(found.appellation);
    const int at = Liste_appel->findText(appellation, Qt::MatchExactly | Qt::MatchCaseSensitive);
    Liste_appel->setCurrentIndex(at);
    if (at < 0) Liste_appel->setEditText(appellation);
}

void Tdomaine_form::Liste_appelChange() {
    Liste_region->setCurrentIndex(-1);
    const QString appellation = chosenAppellation();
    if (appellation.isEmpty()) return;
    const std::string wanted = store::RightTrim(ui::StoredBytes(appellation));
    for (const auto& key : AppellationIndex) {
        if (store::KeyAppellation(key) != wanted) continue;
        Liste_region->setCurrentIndex(
            Liste_region->findText(ui::ToQString(store::KeyRegion(key)), Qt::MatchFixedString));
        break;
    }
}

void Tdomaine_form::Liste_regionChange() {
    if (select_touteappel->isChecked()) {
        rempli_appel();
        return;
    }
    const QString appellation = chosenAppellation();
    if (appellation.isEmpty()) return;
    const std::string region = store::RightTrim(ui::StoredBytes(Liste_region->currentText()));
    const std::string wanted = store::RightTrim(ui::StoredBytes(appellation));
    for (const auto& key : AppellationIndex)
        if (store::KeyRegion(key) == region && store::KeyAppellation(key) == wanted) return;
    Liste_appel->setCurrentIndex(-1);
    Liste_appel->setEditText(QString());
}

bool Tdomaine_form::readKey(std::string& domaine, std::string& region, std::string& appellation) {
    if (!ui::CheckCp1252(Liste_domaine->currentText())) return false;
    domaine = store::PadText(ui::StoredBytes(Liste_domaine->currentText()), 50);
    if (store::RightTrim(domaine).empty()) return ui::ShowMessageNumber({}, 36), false;
    if (Liste_region->currentIndex() < 0) return ui::ShowMessageNumber({}, 4), false;
    region = store::PadText(ui::StoredBytes(Liste_region->currentText()), 20);
    const QString chosen = chosenAppellation();
    if (chosen.isEmpty()) return ui::ShowMessageNumber({}, 5), false;
    appellation = store::PadText(ui::StoredBytes(chosen), 30);
    return true;
}

void Tdomaine_form::BitBtn4Click() {
    std::string domaine, region, appellation;
    if (!readKey(domaine, region, appellation)) return;
    if (!ui::CheckCp1252(Prop->text())) return;
    const std::string owner = store::PadText(ui::StoredBytes(Prop->text()), 50);
    if (store::RightTrim(owner).empty()) return ui::ShowMessageNumber({}, 37);
    store::AddDomaine(region, appellation, domaine, owner);
    const QString name = ui::ShownField(domaine);
    if (Liste_domaine->findText(name, Qt::MatchFixedString) < 0) {
        const QString typed = Liste_domaine->currentText();
        IdentityCascade::AddSorted(Liste_domaine, name);
        Liste_domaine->setEditText(typed);
    }
}

void Tdomaine_form::BitBtn2Click() {
    std::string domaine, region, appellation;
    if (!readKey(domaine, region, appellation)) return;
    if (!store::RemoveDomaine(region, appellation, domaine)) return ui::ShowMessageNumber({}, 38);
    const std::string removed = store::RightTrim(domaine);
    bool stillListed = false;
    QString variant; // a name equal but for its case, still in the base
    for (const auto& name : NamesLike(removed)) {
        if (name == removed)
            stillListed = true;
        else if (variant.isEmpty())
            variant = ui::ToQString(name);
    }
    if (!stillListed) {
        const int at = Liste_domaine->findText(ui::ToQString(removed), Qt::MatchFixedString);
        if (at >= 0) Liste_domaine->removeItem(at);
        if (!variant.isEmpty()) IdentityCascade::AddSorted(Liste_domaine, variant);
    }
    Prop->clear();
    Liste_domaine->setCurrentIndex(-1);
    Liste_domaine->setEditText(QString());
    Liste_appel->setCurrentIndex(-1);
    Liste_appel->setEditText(QString());
    Liste_region->setCurrentIndex(-1);
}
