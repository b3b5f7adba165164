#include "history/ConsumedForm.h"

#include "cellar/WineForm.h"

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

#include "history/ConsumedEntries.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/WineEntry.h"
#include "ui/Cp1252.h"
#include "ui/Keyboard.h"
#include "ui/MaskedBox.h"
#include "ui/Icons.h"
#include "ui/Widgets.h"

namespace history {

namespace {

QLineEdit* Edit(QWidget* parent, const char* name, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxLength);
    ui::RefuseOutsideCp1252(edit);
    return edit;
}

QLineEdit* Masked(QWidget* parent, const char* name, const char* mask, int) {
    return ui::MaskedEdit(parent, name, mask);
}

QComboBox* Combo(QWidget* parent, const char* name, int minimumChars) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(minimumChars);
    return box;
}

} // namespace

ConsumedForm::ConsumedForm(const char* context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(QString::fromLatin1(context));

    Liste_coul = Combo(this, "Liste_coul", 10);
    Liste_region = Combo(this, "Liste_region", 14);
    Liste_appel = Combo(this, "Liste_appel", 24);
    Liste_domaine = Combo(this, "Liste_domaine", 30);
    millesime = Masked(this, "millesime", "9999", 4);
    Prop = Edit(this, "Prop", 50);
    Rem_vin = Edit(this, "Rem_vin", 50);
    Appreciation = Combo(this, "Appreciation", 10);
    formatb = Combo(this, "formatb", 10);
    lieu = Edit(this, "lieu", 50);
    dateachat = ui::DateEdit(this, "dateachat");
    prix = Masked(this, "prix", "00000.00", 8);
    qte_conso = Masked(this, "qte_conso", "90", 2);
    date_conso = ui::DateEdit(this, "date_conso");
    comment_conso = Edit(this, "comment_conso", 50);
    // The record keeps 30 characters of guests: the box takes no more, so nothing typed is lost.
    invites = Edit(this, "invites", 30);
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

    // The wine: what it is, then its purchase.
    auto* identity = new QFrame(this);
    identity->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* wine = new QGridLayout(identity);
    wine->addWidget(label(Liste_coul, QT_TRANSLATE_NOOP("TRestoForm", "&Couleur :")), 0, 0);
    wine->addWidget(Liste_coul, 0, 1);
    wine->addWidget(label(Liste_region, QT_TRANSLATE_NOOP("TRestoForm", "Ré&gion :")), 0, 2);
    wine->addWidget(Liste_region, 0, 3);
    wine->addWidget(label(millesime, QT_TRANSLATE_NOOP("TRestoForm", "Millé&sime :")), 0, 4);
    wine->addWidget(millesime, 0, 5);
    wine->addWidget(label(Liste_appel, QT_TRANSLATE_NOOP("TRestoForm", "A&ppellation :")), 1, 0);
    wine->addWidget(Liste_appel, 1, 1, 1, 5);
    wine->addWidget(label(Liste_domaine, QT_TRANSLATE_NOOP("TRestoForm", "Domaine ou C&hâteau :")),
                    2, 0);
    wine->addWidget(Liste_domaine, 2, 1, 1, 5);
    wine->setColumnStretch(1, 1);
    wine->setColumnStretch(3, 1);

    auto* about = new QGridLayout;
    int row = 0;
    about->addWidget(label(Prop, QT_TRANSLATE_NOOP("TRestoForm", "P&ropriétaire :")), row, 0);
    about->addWidget(Prop, row++, 1, 1, 6);
    about->addWidget(label(Rem_vin, QT_TRANSLATE_NOOP("TRestoForm", "Remar&ques :")), row, 0);
    about->addWidget(Rem_vin, row++, 1, 1, 6);
    about->addWidget(label(Appreciation, QT_TRANSLATE_NOOP("TRestoForm", "Apprécia&tion :")), row,
                     0);
    about->addWidget(Appreciation, row, 1);
    about->addWidget(label(formatb, QT_TRANSLATE_NOOP("TRestoForm", "&Bouteille :")), row, 2);
    about->addWidget(formatb, row, 3);
    about->addWidget(label(prix, QT_TRANSLATE_NOOP("TRestoForm", "Pri&x :")), row, 4);
    about->addWidget(prix, row++, 5);
    about->addWidget(label(lieu, QT_TRANSLATE_NOOP("TRestoForm", "&Lieu d'achat :")), row, 0);
    about->addWidget(lieu, row, 1, 1, 3);
    about->addWidget(label(dateachat, QT_TRANSLATE_NOOP("TRestoForm", "&Date d'achat :")), row, 4);
    about->addWidget(dateachat, row++, 5);
    // The price and purchase date stand beside what they belong with, not at the far edge.
    about->setColumnStretch(6, 1);

    // The drinking.
    auto* drinking = new QFrame(this);
    drinking->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* drunk = new QGridLayout(drinking);
    drunk->addWidget(label(qte_conso, QT_TRANSLATE_NOOP("TRestoForm", "Q&uantité consommée :")), 0,
                     0);
    drunk->addWidget(qte_conso, 0, 1);
    drunk->addWidget(label(date_conso, QT_TRANSLATE_NOOP("TRestoForm", "Dat&e consommation :")), 0,
                     2);
    drunk->addWidget(date_conso, 0, 3);
    drunk->addWidget(label(comment_conso, QT_TRANSLATE_NOOP("TRestoForm", "Co&mmentaires :")), 1,
                     0);
    drunk->addWidget(comment_conso, 1, 1, 1, 4);
    drunk->addWidget(label(invites, QT_TRANSLATE_NOOP("TRestoForm", "&Invités :")), 2, 0);
    drunk->addWidget(invites, 2, 1, 1, 4);
    drunk->setColumnStretch(4, 1);

    buttonRow_ = new QHBoxLayout;
    buttonRow_->addStretch(1);
    buttonRow_->addWidget(BitBtn1);
    buttonRow_->addWidget(BitBtn2);
    buttonRow_->addWidget(BitBtn3);

    auto* main = new QVBoxLayout(this);
    main->addWidget(identity);
    main->addLayout(about);
    main->addWidget(drinking);
    main->addLayout(buttonRow_);

    QWidget* order[] = {Liste_coul, Liste_region, millesime,    Liste_appel, Liste_domaine,
                        Prop,       Rem_vin,      Appreciation, formatb,     prix,
                        lieu,       dateachat,    qte_conso,    date_conso,  comment_conso,
                        invites,    BitBtn1,      BitBtn2,      BitBtn3};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    prix->installEventFilter(this);

    using E = store::ConsumedWine;
    const std::pair<QWidget*, std::string E::*> fields[] = {
        {Appreciation, &E::mark},    {formatb, &E::bottleFormat}, {comment_conso, &E::comments},
        {Prop, &E::owner},           {lieu, &E::purchasePlace},   {Rem_vin, &E::remarks},
        {invites, &E::guests},       {prix, &E::price},           {dateachat, &E::purchaseDate},
        {date_conso, &E::drinkDate}, {qte_conso, &E::quantity},
    };
    for (const auto& [control, field] : fields)
        shown_.add(control, field);
}

QString ConsumedForm::text(const char* source) const {
    return QCoreApplication::translate("TRestoForm", source);
}

bool ConsumedForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == prix && event->type() == QEvent::FocusOut) prixExit();
    return QDialog::eventFilter(watched, event);
}

// A stored price the user did not touch stays as shown, even one the mask lays out oddly.
void ConsumedForm::prixExit() {
    if (shown_.touched(prix)) cellar::NormalisePriceBox(prix);
}

void ConsumedForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

void ConsumedForm::retranslateUi() {
    for (const auto& l : labels_)
        l.label->setText(text(l.caption));
    const struct {
        QWidget* field;
        const char* hint;
    } hints[] = {
        {Liste_coul, QT_TRANSLATE_NOOP("TRestoForm", "Couleur")},
        {Liste_region, QT_TRANSLATE_NOOP("TRestoForm", "Région")},
        {Liste_appel, QT_TRANSLATE_NOOP("TRestoForm", "Appellation")},
        {Liste_domaine, QT_TRANSLATE_NOOP("TRestoForm", "Nom du domaine ou du château")},
        {millesime, QT_TRANSLATE_NOOP("TRestoForm", "Millésime")},
        {Prop, QT_TRANSLATE_NOOP("TRestoForm", "Nom du propriétaire")},
        {Rem_vin, QT_TRANSLATE_NOOP("TRestoForm", "Remarques sur le vin")},
        {Appreciation, QT_TRANSLATE_NOOP("TRestoForm", "Votre appréciation")},
        {formatb, QT_TRANSLATE_NOOP("TRestoForm", "Format de bouteille")},
        {prix, QT_TRANSLATE_NOOP("TRestoForm", "Prix unitaire")},
        {lieu, QT_TRANSLATE_NOOP("TRestoForm", "Lieu d'achat")},
        {dateachat, QT_TRANSLATE_NOOP("TRestoForm", "Date de l'achat")},
        {qte_conso, QT_TRANSLATE_NOOP("TRestoForm", "Nombre de bouteilles consommées")},
        {date_conso, QT_TRANSLATE_NOOP("TRestoForm", "Date de consommation")},
        {comment_conso, QT_TRANSLATE_NOOP("TRestoForm", "Vos commentaires sur le vin")},
        {invites, QT_TRANSLATE_NOOP("TRestoForm", "Vos invités")},
        {BitBtn1, QT_TRANSLATE_NOOP("TRestoForm", "Retour aux vins consommés")},
        {BitBtn2, QT_TRANSLATE_NOOP("TRestoForm", "Retour aux vins consommés sans sauvegarde")},
        {BitBtn3, QT_TRANSLATE_NOOP("TRestoForm", "Accès à l'aide")},
    };
    for (const auto& h : hints) {
        ui::SetHint(h.field, text(h.hint));
    }
    ui::DropUnreachableMnemonics(this);
    BitBtn1->setText(text(QT_TRANSLATE_NOOP("TRestoForm", "&OK")));
    BitBtn2->setText(text(QT_TRANSLATE_NOOP("TRestoForm", "A&nnuler")));
    BitBtn3->setText(text(QT_TRANSLATE_NOOP("TRestoForm", "&Aide")));
}

void ConsumedForm::fillMarksAndFormats() {
    const store::Vocabulary& lists = store::State().lists;
    Appreciation->clear();
    for (const auto& entry : lists.marks.entries)
        Appreciation->addItem(ui::ToQString(store::RightTrim(entry)));
    Appreciation->addItem(ui::ToQString(store::RightTrim(lists.marks.fixedEntry)));
    formatb->clear();
    for (const auto& entry : lists.bottleFormats.entries)
        formatb->addItem(ui::ToQString(store::RightTrim(entry)));
    Appreciation->setCurrentIndex(-1);
    formatb->setCurrentIndex(-1);
}

bool ConsumedForm::readDrinking(store::ConsumedWine& entry) const {
    for (const QLineEdit* field : {Prop, Rem_vin, lieu, comment_conso, invites})
        if (!ui::CheckCp1252(field->text())) return false;
    auto chosen = [](const QComboBox* box) {
        return box->currentIndex() >= 0 ? store::PadText(ui::StoredBytes(box->currentText()), 10)
                                        : store::Blanks(10);
    };
    entry.mark = chosen(Appreciation);
    entry.bottleFormat = chosen(formatb);
    entry.comments = store::PadText(ui::StoredBytes(comment_conso->text()), 50);
    entry.owner = store::PadText(ui::StoredBytes(Prop->text()), 50);
    entry.purchasePlace = store::PadText(ui::StoredBytes(lieu->text()), 50);
    entry.remarks = store::PadText(ui::StoredBytes(Rem_vin->text()), 50);
    entry.guests = store::PadText(ui::StoredBytes(invites->text()), 30);
    entry.price = PriceText(ui::StoredBytes(prix->displayText()));
    entry.purchaseDate = StoredDate(ui::StoredBytes(dateachat->displayText()));
    entry.drinkDate = StoredDate(ui::StoredBytes(date_conso->displayText()));
    entry.quantity = store::Trim(ui::StoredBytes(qte_conso->displayText())).substr(0, 2);
    return true;
}

} // namespace history
