#include "cellar/Usortie.h"

#include <QComboBox>
#include <QDate>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdio>

#include "cellar/CellarState.h"
#include "cellar/Ucaract.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/WineEntry.h"
#include "ui/Cp1252.h"
#include "ui/MaskedBox.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Screen.h"
#include "ui/Widgets.h"

namespace {

constexpr int kHelpTopic = 3;

QComboBox* Single(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEnabled(false);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(10);
    return box;
}

QLineEdit* Shows(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    ui::MakeShownOnly(edit);
    return edit;
}

std::string TwoDigits(long value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%2ld", value);
    return buffer;
}

} // namespace

TExitForm::TExitForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TExitForm"));
    Liste_domaine = Single(this, "Liste_domaine");
    Liste_domaine->setMinimumContentsLength(30);
    Liste_coul = Single(this, "Liste_coul");
    Liste_region = Single(this, "Liste_region");
    Liste_appel = Single(this, "Liste_appel");
    Liste_appel->setMinimumContentsLength(24);
    formatb = Single(this, "formatb");
    Quantite = Shows(this, "Quantite");
    millesime = Shows(this, "millesime");
    prix = Shows(this, "prix");
    dateachat = Shows(this, "dateachat");
    Prop = Shows(this, "Prop");
    rem_vin = Shows(this, "rem_vin");
    Lieu = Shows(this, "Lieu");
    const QFontMetrics metrics(font());
    for (QLineEdit* e : {Quantite, millesime, prix, dateachat})
        e->setMaximumWidth(metrics.horizontalAdvance(QStringLiteral("00000000000000")));
    Appreciation = new QComboBox(this);
    Appreciation->setObjectName(QStringLiteral("Appreciation"));
    Emplacement = new QLineEdit(this);
    Emplacement->setObjectName(QStringLiteral("Emplacement"));
    Emplacement->setMaxLength(10);
    qte_conso = ui::MaskedEdit(this, "qte_conso", "90");
    date_conso = ui::DateEdit(this, "date_conso");
    comment_conso = new QLineEdit(this);
    comment_conso->setObjectName(QStringLiteral("comment_conso"));
    comment_conso->setMaxLength(50);
    invites = new QLineEdit(this);
    invites->setObjectName(QStringLiteral("invites"));
    invites->setMaxLength(50);
    for (QLineEdit* e : {Emplacement, comment_conso, invites}) ui::RefuseOutsideCp1252(e);

    BitBtn1 = ui::PictureButton(this, "BitBtn1", ui::Picture::Ok);
    BitBtn1->setDefault(true);
    BitBtn2 = ui::PictureButton(this, "BitBtn2", ui::Picture::Cancel);
    BitBtn3 = ui::PictureButton(this, "BitBtn3", ui::Picture::Help);
    BitBtn5 = ui::PictureButton(this, "BitBtn5", ui::Picture::Glass);
    BitBtn6 = new QPushButton(this);
    BitBtn6->setObjectName(QStringLiteral("BitBtn6"));
    BitBtn7 = new QPushButton(this);
    BitBtn7->setObjectName(QStringLiteral("BitBtn7"));

    auto label = [this](QWidget* field, const char* caption) {
        auto* l = new QLabel(this);
        l->setBuddy(field);
        labels_.push_back({l, caption});
        return l;
    };

    auto* wine = new QFrame(this);
    wine->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* g = new QGridLayout(wine);
    g->addWidget(label(Liste_domaine, QT_TR_NOOP("Domaine ou Château :")), 0, 0);
    g->addWidget(Liste_domaine, 0, 1, 1, 5);
    g->addWidget(label(Liste_coul, QT_TR_NOOP("Couleur :")), 1, 0);
    g->addWidget(Liste_coul, 1, 1);
    g->addWidget(label(Liste_region, QT_TR_NOOP("Région :")), 1, 2);
    g->addWidget(Liste_region, 1, 3);
    g->addWidget(label(Quantite, QT_TR_NOOP("Quantité :")), 1, 4);
    g->addWidget(Quantite, 1, 5);
    g->addWidget(label(Liste_appel, QT_TR_NOOP("Appellation :")), 2, 0);
    g->addWidget(Liste_appel, 2, 1, 1, 3);
    g->addWidget(label(millesime, QT_TR_NOOP("Millésime :")), 2, 4);
    g->addWidget(millesime, 2, 5);
    g->addWidget(label(Prop, QT_TR_NOOP("Propriétaire :")), 3, 0);
    g->addWidget(Prop, 3, 1, 1, 3);
    g->addWidget(label(formatb, QT_TR_NOOP("Bouteille :")), 3, 4);
    g->addWidget(formatb, 3, 5);
    g->addWidget(label(rem_vin, QT_TR_NOOP("Remarques :")), 4, 0);
    g->addWidget(rem_vin, 4, 1, 1, 5);
    g->addWidget(label(Lieu, QT_TR_NOOP("Lieu d'achat :")), 5, 0);
    g->addWidget(Lieu, 5, 1, 1, 5);
    g->addWidget(label(dateachat, QT_TR_NOOP("Date d'achat :")), 6, 0);
    g->addWidget(dateachat, 6, 1);
    g->addWidget(label(prix, QT_TR_NOOP("Prix :")), 6, 2);
    g->addWidget(prix, 6, 3);
    g->addWidget(label(Emplacement, QT_TR_NOOP("&Emplacement :")), 6, 4);
    g->addWidget(Emplacement, 6, 5);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);

    auto* exit = new QGridLayout;
    exit->addWidget(label(qte_conso, QT_TR_NOOP("&Quantité consommée :")), 0, 0);
    exit->addWidget(qte_conso, 0, 1);
    exit->addWidget(label(date_conso, QT_TR_NOOP("&Date consommation :")), 0, 2);
    exit->addWidget(date_conso, 0, 3);
    exit->addWidget(label(Appreciation, QT_TR_NOOP("App&réciation :")), 0, 4);
    exit->addWidget(Appreciation, 0, 5);
    exit->addWidget(label(comment_conso, QT_TR_NOOP("Co&mmentaires :")), 1, 0);
    exit->addWidget(comment_conso, 1, 1, 1, 5);
    exit->addWidget(label(invites, QT_TR_NOOP("&Invités :")), 2, 0);
    exit->addWidget(invites, 2, 1, 1, 5);
    exit->setColumnStretch(5, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn3, BitBtn5, BitBtn6, BitBtn7}) buttons->addWidget(b);

    auto* main = new QVBoxLayout(this);
    main->addWidget(wine);
    main->addLayout(exit);
    main->addLayout(buttons);

    QWidget* order[] = {qte_conso, date_conso, Appreciation, comment_conso, invites, Emplacement,
                        BitBtn1, BitBtn2, BitBtn3, BitBtn5, BitBtn6, BitBtn7};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    shown_.add(Appreciation, &store::CellarWine::mark);
    shown_.add(Emplacement, &store::CellarWine::location);

    connect(BitBtn1, &QPushButton::clicked, this, &TExitForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, [] { ui::ShowHelpTopic(kHelpTopic); });
    connect(BitBtn5, &QPushButton::clicked, this, &TExitForm::BitBtn5Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TExitForm::BitBtn6Click);
    connect(BitBtn7, &QPushButton::clicked, this, &TExitForm::BitBtn7Click);
    ui::InstallHelpKey(this, kHelpTopic);

    retranslateUi();
    const store::Vocabulary& lists = store::State().lists;
    for (const auto& entry : lists.marks.entries) Appreciation->addItem(ui::ShownField(entry));
    Appreciation->addItem(ui::ShownField(lists.marks.fixedEntry));
    qte_conso->setText(QStringLiteral("1"));
    const QDate today = QDate::currentDate();
    date_conso->setText(QString::asprintf("%2.2d/%2.2d/%4.4d", today.day(), today.month(), today.year()));
    afficheVin();
    ui::FitWindowToScreen(this);
    qte_conso->setFocus();
}

void TExitForm::retranslateUi() {
    setWindowTitle(tr("Sortie d'un vin de la cave"));
    for (const auto& l : labels_) l.label->setText(tr(l.caption));
    const struct {
        QWidget* widget;
        QString hint;
    } hints[] = {
        {Liste_coul, tr("Couleur")},
        {Liste_region, tr("Région")},
        {Liste_appel, tr("Appellation")},
        {Liste_domaine, tr("Nom du domaine ou du château")},
        {formatb, tr("Format de bouteille")},
        {Appreciation, tr("Votre appréciation")},
        {Emplacement, tr("Emplacement en cave")},
        {qte_conso, tr("Quantité consommée")},
        {date_conso, tr("Date de consommation")},
        {comment_conso, tr("Commentaires sur le vin")},
        {invites, tr("Noms des invités")},
        {BitBtn1, tr("Retour au livre de cave")},
        {BitBtn2, tr("Retour au livre de cave sans sauvegarde")},
        {BitBtn3, tr("Accès à l'aide")},
        {BitBtn5, tr("Caractèristiques du vin")},
        {BitBtn6, tr("Vin précédent")},
        {BitBtn7, tr("Vin suivant")},
    };
    for (const auto& h : hints) ui::SetHint(h.widget, h.hint);
    BitBtn1->setText(tr("&OK"));
    BitBtn2->setText(tr("A&nnuler"));
    BitBtn3->setText(tr("&Aide"));
    BitBtn5->setText(tr("&Caractéristiques"));
    BitBtn6->setText(tr("<< &Précédent"));
    BitBtn7->setText(tr("&Suivant >>"));
}

void TExitForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

void TExitForm::afficheVin() {
    store::CellarWine wine;
    if (!store::ReadCellarWineAt(cellar::State().currentWinePosition, wine)) return;
    loaded_ = wine;
    loadedPosition_ = cellar::State().currentWinePosition;
    hasWine_ = true;
    const struct {
        QComboBox* box;
        const std::string& field;
    } lists[] = {{Liste_coul, wine.colour},   {Liste_region, wine.region}, {Liste_appel, wine.appellation},
                 {Liste_domaine, wine.domaine}, {formatb, wine.bottleFormat}};
    for (const auto& l : lists) {
        l.box->clear();
        l.box->addItem(ui::ShownField(l.field));
        l.box->setCurrentIndex(0);
    }
    const int mark = Appreciation->findText(ui::ShownField(wine.mark), Qt::MatchFixedString);
    Appreciation->setCurrentIndex(mark >= 0 ? mark : Appreciation->count() - 1);
    Quantite->setText(ui::ToQString(store::Trim(wine.quantity)));
    prix->setText(ui::ToQString(wine.price));
    dateachat->setText(ui::ShownField(wine.purchaseDate));
    millesime->setText(ui::ShownField(wine.vintage));
    Emplacement->setText(ui::ShownField(wine.location));
    rem_vin->setText(ui::ShownField(wine.remarks));
    Prop->setText(ui::ShownField(wine.owner));
    Lieu->setText(ui::ShownField(wine.purchasePlace));
    shown_.remember();
}

bool TExitForm::lireScreen(store::CellarWine& updated, store::ConsumedWine& entry) const {
    for (const QLineEdit* field : {Emplacement, comment_conso, invites})
        if (!ui::CheckCp1252(field->text())) return false;
    updated = loaded_;
    updated.mark = Appreciation->currentIndex() >= 0 ? store::PadText(ui::StoredBytes(Appreciation->currentText()), 10)
                                                    : store::Blanks(10);
    updated.location = store::PadText(ui::StoredBytes(Emplacement->text()), 10);
    shown_.keepUntouched(updated, loaded_); // a mark the list does not hold is kept

    entry = store::ConsumedWine{};
    entry.colour = updated.colour;
    entry.region = updated.region;
    entry.appellation = updated.appellation;
    entry.domaine = updated.domaine;
    entry.vintage = updated.vintage;
    entry.quantity = store::Trim(ui::StoredBytes(qte_conso->displayText())).substr(0, 2);
    const std::string date = ui::StoredBytes(date_conso->displayText());
    entry.drinkDate = date == "  /  /    " ? store::Blanks(10) : store::PadText(date, 10);
    entry.guests = store::PadText(ui::StoredBytes(invites->text()), 30);
    entry.comments = store::PadText(ui::StoredBytes(comment_conso->text()), 50);
    entry.mark = updated.mark;
    entry.owner = updated.owner;
    entry.remarks = updated.remarks;
    entry.purchasePlace = updated.purchasePlace;
    entry.bottleFormat = updated.bottleFormat;
    entry.price = updated.price;
    entry.purchaseDate = updated.purchaseDate;
    return true;
}

int TExitForm::validate(const store::ConsumedWine& entry) const {
    long out = 0;
    if (!store::ParseWholeNumber(entry.quantity, out) || out <= 0) return 15;
    long held = 0;
    if (!store::ParseWholeNumber(store::Trim(loaded_.quantity), held)) return 14;
    if (held < out) return 13;
    if (entry.drinkDate != store::Blanks(10) && !store::IsValidDate(entry.drinkDate)) return 12;
    return 0;
}

void TExitForm::BitBtn1Click() {
    if (!hasWine_) {
        accept(); // nothing was shown, nothing to record
        return;
    }
    store::CellarWine updated;
    store::ConsumedWine entry;
    if (!lireScreen(updated, entry)) return;
    if (const int message = validate(entry); message != 0) {
        ui::ShowMessageNumber(QString(), message);
        return;
    }
    long out = 0;
    long held = 0;
    store::ParseWholeNumber(entry.quantity, out);
    store::ParseWholeNumber(store::Trim(loaded_.quantity), held);
    const long remaining = held - out;
    updated.quantity = TwoDigits(remaining);
    entry.quantity = TwoDigits(out);
    try {
        // The record shown must still be in the file at its place; another program may have
        // changed it since, and then nothing is recorded.
        store::CellarWine stored;
        if (!store::ReadCellarWineAt(loadedPosition_, stored) || !(stored == loaded_)) {
            ui::ShowMessageNumber(tr("Ce vin a été modifié dans le fichier de la cave depuis son affichage : "
                                     "la sortie n'est pas enregistrée."),
                                  0);
            return;
        }
        // The history first, the cellar second: a failure between the two can only leave a
        // bottle counted twice, never lose one.
        store::InsertConsumedWine(entry);
        if (!store::ReplaceCellarWine(loadedPosition_, loaded_,
                                      remaining != 0 ? std::optional(updated) : std::nullopt)
                 .done) {
            ui::ShowMessageNumber(
                tr("Ce vin a été modifié dans le fichier de la cave pendant la sortie : "
                   "elle est inscrite aux vins consommés, la cave n'est pas changée."),
                0);
            accept(); // recorded in the history: a second OK would count the bottles again
            return;
        }
    } catch (const store::IoError& error) {
        ui::ShowIoError(error);
        return;
    }
    accept();
}

void TExitForm::BitBtn5Click() {
    cellar::State().selectedAppellation = {loaded_.colour, loaded_.region, loaded_.appellation, loaded_.vintage};
    TVinForm form(this);
    ui::ExecModal(form);
}

void TExitForm::BitBtn6Click() {
    cellar::Navigation& nav = cellar::State();
    if (nav.selectedRow <= 0) return;
    --nav.selectedRow;
    nav.currentWinePosition = store::CellarPositionOfMatch(nav.selectedRow + 1);
    afficheVin();
}

void TExitForm::BitBtn7Click() {
    cellar::Navigation& nav = cellar::State();
    if (nav.selectedRow + 1 > nav.lastRow) {
        nav.selectedRow = nav.lastRow;
        return;
    }
    ++nav.selectedRow;
    nav.currentWinePosition = store::CellarPositionOfMatch(nav.selectedRow + 1);
    afficheVin();
}
