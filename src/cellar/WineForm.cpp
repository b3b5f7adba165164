#include "cellar/WineForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "cellar/IdentityCascade.h"
#include "store/RefBases.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/WineEntry.h"
#include "ui/Cp1252.h"
#include "ui/MaskedBox.h"
#include "ui/Icons.h"
#include "ui/Widgets.h"

namespace cellar {

namespace {

QLineEdit* Edit(QWidget* parent, const char* name, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    if (maxLength > 0) edit->setMaxLength(maxLength);
    ui::RefuseOutsideCp1252(edit);
    return edit;
}

QLineEdit* Masked(QWidget* parent, const char* name, const char* mask, int) {
    return ui::MaskedEdit(parent, name, mask);
}

QComboBox* Combo(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(10);
    return box;
}

} // namespace

WineForm::WineForm(const char* context, bool withKeeping, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(QString::fromLatin1(context));

    Liste_domaine = Combo(this, "Liste_domaine");
    Liste_coul = Combo(this, "Liste_coul");
    Liste_region = Combo(this, "Liste_region");
    Liste_appel = Combo(this, "Liste_appel");
    Liste_appel->setMinimumContentsLength(24);
    Liste_domaine->setMinimumContentsLength(30);
    Quantite = Masked(this, "Quantite", "90", 2);
    millesime = Masked(this, "millesime", "9999", 4);
    Prop = Edit(this, "Prop", 50);
    Remarques = Edit(this, "Remarques", 50);
    Appreciation = Combo(this, "Appreciation");
    Emplacement = Edit(this, "Emplacement", 10);
    format = Combo(this, "format");
    prix = Masked(this, "prix", "00000.00", 8);
    dateachat = ui::DateEdit(this, "dateachat");
    apogee = Masked(this, "apogee", "9999", 4);
    Lieu = Edit(this, "Lieu", 50);
    if (withKeeping) {
        garde = new QLineEdit(this);
        garde->setObjectName(QStringLiteral("garde"));
        garde->setReadOnly(true);
        garde->setFocusPolicy(Qt::NoFocus);
        garde->setStyleSheet(QStringLiteral("QLineEdit { background: #00FFFF; }"));
    }
    select_touteappel = new QCheckBox(this);
    select_touteappel->setObjectName(QStringLiteral("select_touteappel"));
    BitBtn1 = ui::PictureButton(this, "BitBtn1", ui::Picture::Ok);
    BitBtn1->setDefault(true);
    BitBtn2 = ui::PictureButton(this, "BitBtn2", ui::Picture::Cancel);
    BitBtn3 = ui::PictureButton(this, "BitBtn3", ui::Picture::Help);

    auto label = [this](QWidget* field, const char* caption) {
        auto* l = new QLabel(this);
        l->setBuddy(field);
        labels_.push_back({l, caption});
        return l;
    };

    grid_ = new QGridLayout;
    int row = 0;
    grid_->addWidget(label(Liste_domaine, QT_TRANSLATE_NOOP("TNewForm", "Domaine ou C&hâteau :")), row, 0);
    grid_->addWidget(Liste_domaine, row++, 1, 1, 6);

    auto* identity = new QFrame(this);
    identity->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* identityGrid = new QGridLayout(identity);
    identityGrid->addWidget(label(Liste_coul, QT_TRANSLATE_NOOP("TNewForm", "C&ouleur :")), 0, 0);
    identityGrid->addWidget(Liste_coul, 0, 1);
    identityGrid->addWidget(label(Liste_region, QT_TRANSLATE_NOOP("TNewForm", "&Région :")), 0, 2);
    identityGrid->addWidget(Liste_region, 0, 3);
    identityGrid->addWidget(label(Quantite, QT_TRANSLATE_NOOP("TNewForm", "&Quantité :")), 0, 4);
    identityGrid->addWidget(Quantite, 0, 5);
    identityGrid->addWidget(label(Liste_appel, QT_TRANSLATE_NOOP("TNewForm", "Appella&tion :")), 1, 0);
    identityGrid->addWidget(Liste_appel, 1, 1, 1, 3);
    identityGrid->addWidget(label(millesime, QT_TRANSLATE_NOOP("TNewForm", "&Millésime :")), 1, 4);
    identityGrid->addWidget(millesime, 1, 5);
    identityGrid->setColumnStretch(1, 1);
    identityGrid->setColumnStretch(3, 1);
    grid_->addWidget(identity, row++, 0, 1, 7);

    grid_->addWidget(label(Prop, QT_TRANSLATE_NOOP("TNewForm", "Propr&iétaire :")), row, 0);
    grid_->addWidget(Prop, row++, 1, 1, 6);
    grid_->addWidget(label(Remarques, QT_TRANSLATE_NOOP("TNewForm", "Rem&arques :")), row, 0);
    grid_->addWidget(Remarques, row++, 1, 1, 6);
    grid_->addWidget(label(Appreciation, QT_TRANSLATE_NOOP("TNewForm", "Appréciatio&n :")), row, 0);
    grid_->addWidget(Appreciation, row, 1);
    grid_->addWidget(label(Emplacement, QT_TRANSLATE_NOOP("TNewForm", "Emp&lacement :")), row, 2);
    grid_->addWidget(Emplacement, row, 3);
    grid_->addWidget(label(format, QT_TRANSLATE_NOOP("TNewForm", "&Bouteille :")), row, 4);
    grid_->addWidget(format, row++, 5);
    grid_->addWidget(label(prix, QT_TRANSLATE_NOOP("TNewForm", "Pri&x :")), row, 0);
    grid_->addWidget(prix, row, 1);
    grid_->addWidget(label(dateachat, QT_TRANSLATE_NOOP("TNewForm", "&Date d'achat :")), row, 2);
    grid_->addWidget(dateachat, row, 3);
    grid_->addWidget(label(apogee, QT_TRANSLATE_NOOP("TNewForm", "Année d'apo&gée :")), row, 4);
    grid_->addWidget(apogee, row++, 5);
    grid_->addWidget(label(Lieu, QT_TRANSLATE_NOOP("TNewForm", "Lie&u d'achat :")), row, 0);
    grid_->addWidget(Lieu, row++, 1, 1, 6);
    if (garde != nullptr) {
        grid_->addWidget(label(garde, QT_TRANSLATE_NOOP("TNewForm", "Garde :")), row, 0);
        grid_->addWidget(garde, row++, 1, 1, 6);
    }
    // Short boxes keep their width and line up in their columns; the room left goes to the end.
    grid_->setColumnStretch(6, 1);
    ui::FitToChars(Emplacement, 10);

    buttonRow_ = new QHBoxLayout;
    buttonRow_->addWidget(select_touteappel);
    buttonRow_->addStretch(1);
    buttonRow_->addWidget(BitBtn1);
    buttonRow_->addWidget(BitBtn2);
    buttonRow_->addWidget(BitBtn3);

    auto* main = new QVBoxLayout(this);
    main->addLayout(grid_);
    main->addLayout(buttonRow_);

    // The tab order starts with the domaine and follows the form.
    QWidget* order[] = {
        Liste_domaine, Liste_coul,        Liste_region, Liste_appel, Quantite, millesime, Prop,
        Remarques,     Appreciation,      Emplacement,  format,      prix,     dateachat, apogee,
        Lieu,          select_touteappel, BitBtn1,      BitBtn2,     BitBtn3};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    IdentityCascade::Controls controls;
    controls.domaine = Liste_domaine;
    controls.colour = Liste_coul;
    controls.region = Liste_region;
    controls.appellation = Liste_appel;
    controls.regionOnly = select_touteappel;
    controls.owner = Prop;
    controls.vintage = millesime;
    controls.peakYear = apogee;
    controls.keeping = garde;
    controls.peakAfterNarrowing = withKeeping;
    cascade_ = new IdentityCascade(controls, this);
    prix->installEventFilter(this);

    using W = store::CellarWine;
    const std::pair<QWidget*, std::string W::*> fields[] = {
        {Liste_coul, &W::colour},     {Liste_region, &W::region}, {Liste_appel, &W::appellation},
        {Liste_domaine, &W::domaine}, {Appreciation, &W::mark},   {format, &W::bottleFormat},
        {Quantite, &W::quantity},     {prix, &W::price},          {dateachat, &W::purchaseDate},
        {apogee, &W::peakYear},       {millesime, &W::vintage},   {Emplacement, &W::location},
        {Remarques, &W::remarks},     {Prop, &W::owner},          {Lieu, &W::purchasePlace},
    };
    for (const auto& [control, field] : fields)
        shown_.add(control, field);
}

// The form's own texts are those of the new wine window, whichever window shows them.
QString WineForm::text(const char* source) const { return QCoreApplication::translate("TNewForm", source); }

bool WineForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == prix && event->type() == QEvent::FocusOut) prixExit();
    return QDialog::eventFilter(watched, event);
}

void NormalisePriceBox(QLineEdit* box) {
    const auto normalised = store::NormalisedPriceText(ui::StoredBytes(box->displayText()));
    if (normalised) box->setText(QString::fromLatin1(*normalised));
}

// A stored price the user did not touch stays as shown, even one the mask lays out oddly.
void WineForm::prixExit() {
    if (shown_.touched(prix)) NormalisePriceBox(prix);
}

void WineForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

void WineForm::retranslateUi() {
    for (const auto& l : labels_) l.label->setText(text(l.caption));
    const struct {
        QWidget* field;
        const char* hint;
    } hints[] = {
        {Liste_domaine, QT_TRANSLATE_NOOP("TNewForm", "Nom du domaine ou du château")},
        {Liste_coul, QT_TRANSLATE_NOOP("TNewForm", "Couleur")},
        {Liste_region, QT_TRANSLATE_NOOP("TNewForm", "Région")},
        {Liste_appel, QT_TRANSLATE_NOOP("TNewForm", "Appellation")},
        {Quantite, QT_TRANSLATE_NOOP("TNewForm", "Quantité")},
        {millesime, QT_TRANSLATE_NOOP("TNewForm", "Millésime")},
        {Prop, QT_TRANSLATE_NOOP("TNewForm", "Nom du propriétaire")},
        {Remarques, QT_TRANSLATE_NOOP("TNewForm", "Remarques sur le vin")},
        {Appreciation, QT_TRANSLATE_NOOP("TNewForm", "Votre appréciation")},
        {Emplacement, QT_TRANSLATE_NOOP("TNewForm", "Emplacement en cave")},
        {format, QT_TRANSLATE_NOOP("TNewForm", "Format de bouteille")},
        {prix, QT_TRANSLATE_NOOP("TNewForm", "Prix unitaire")},
        {dateachat, QT_TRANSLATE_NOOP("TNewForm", "Date de l'achat")},
        {apogee, QT_TRANSLATE_NOOP("TNewForm", "arrive à apogée en...")},
        {Lieu, QT_TRANSLATE_NOOP("TNewForm", "Lieu d'achat ")},
        {garde, QT_TRANSLATE_NOOP("TNewForm", "Période de garde")},
        {BitBtn3, QT_TRANSLATE_NOOP("TNewForm", "Accès à l'aide")},
    };
    for (const auto& h : hints) {
        if (h.field == nullptr) continue;
        ui::SetHint(h.field, text(h.hint));
    }
    select_touteappel->setText(text(QT_TRANSLATE_NOOP("TNewForm", "A&fficher seulement les appellations de la région")));
    BitBtn1->setText(text(QT_TRANSLATE_NOOP("TNewForm", "O&K")));
    BitBtn2->setText(text(QT_TRANSLATE_NOOP("TNewForm", "Annul&er")));
    BitBtn3->setText(text(QT_TRANSLATE_NOOP("TNewForm", "Aide")));
}

void WineForm::fillMarksAndFormats() {
    const store::Vocabulary& lists = store::State().lists;
    Appreciation->clear();
    for (const auto& entry : lists.marks.entries) Appreciation->addItem(ui::ToQString(store::RightTrim(entry)));
    Appreciation->addItem(ui::ToQString(store::RightTrim(lists.marks.fixedEntry)));
    format->clear();
    for (const auto& entry : lists.bottleFormats.entries) format->addItem(ui::ToQString(store::RightTrim(entry)));
}

bool WineForm::lireScreen(store::CellarWine& wine) {
    const QLineEdit* texts[] = {Prop, Remarques, Emplacement, Lieu};
    for (const QLineEdit* field : texts)
        if (!ui::CheckCp1252(field->text())) return false;
    if (!ui::CheckCp1252(Liste_domaine->currentText()) || !ui::CheckCp1252(Liste_appel->currentText())) return false;

    auto chosen = [](const QComboBox* box, int width) {
        return box->currentIndex() >= 0 ? store::PadText(ui::StoredBytes(box->currentText()), width) : store::Blanks(width);
    };
    wine.vintage = store::PadText(store::RightTrim(ui::StoredBytes(millesime->displayText())), 4);
    wine.colour = chosen(Liste_coul, 10);
    wine.region = chosen(Liste_region, 20);
    std::string appellation = ui::StoredBytes(Liste_appel->currentText());
    if (cascade_->appellationIsOther()) appellation = appellation.substr(1, appellation.size() - 2);
    wine.appellation = store::PadText(appellation, 30);
    wine.mark = chosen(Appreciation, 10);
    wine.domaine = store::PadText(ui::StoredBytes(Liste_domaine->currentText()), 50);
    wine.remarks = store::PadText(ui::StoredBytes(Remarques->text()), 50);
    wine.quantity = store::Trim(ui::StoredBytes(Quantite->displayText())).substr(0, 2);
    // A price typed as "12   .5" reads as 12.50 even when the box was not left; the box itself
    // stays as typed, so that a refused entry leaves it alone.
    const std::string price = ui::StoredBytes(prix->displayText());
    const auto normalised = store::NormalisedPriceText(price);
    wine.price = store::Trim(normalised ? *normalised : price).substr(0, 8);
    const std::string date = ui::StoredBytes(dateachat->displayText());
    wine.purchaseDate = date == "  /  /    " ? store::Blanks(10) : store::PadText(date, 10);
    wine.peakYear = store::PadText(ui::StoredBytes(apogee->displayText()), 4);
    wine.bottleFormat = chosen(format, 10);
    wine.owner = store::PadText(ui::StoredBytes(Prop->text()), 50);
    wine.location = store::PadText(ui::StoredBytes(Emplacement->text()), 10);
    wine.purchasePlace = store::PadText(ui::StoredBytes(Lieu->text()), 50);
    return true;
}

void WineForm::recordReferences(const store::CellarWine& wine) {
    cascade_->recordReferences(wine.colour, wine.region, wine.appellation, wine.domaine, wine.owner);
}

void WineForm::StoredForms(store::CellarWine& wine) {
    wine.price = store::StoredPrice(wine.price);
    wine.quantity = store::StoredQuantity(wine.quantity);
}

} // namespace cellar
