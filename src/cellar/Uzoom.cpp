#include "cellar/Uzoom.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "cellar/CellarState.h"
#include "cellar/IdentityCascade.h"
#include "cellar/Ucaract.h"
#include "cellar/Usticker.h"
#include "store/Records.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/WineEntry.h"
#include "ui/Cp1252.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Screen.h"
#include "ui/Widgets.h"

namespace {

constexpr int kHelpTopic = 4;

// Chooses the entry equal to the text, case disregarded; `fallback` when there is none.
void ChooseOr(QComboBox* box, const QString& text, int fallback) {
    const int at = box->findText(text, Qt::MatchFixedString);
    box->setCurrentIndex(at >= 0 ? at : fallback);
}

} // namespace

TZoomForm::TZoomForm(QWidget* parent) : cellar::WineForm("TZoomForm", false, parent) {
    BitBtn4 = ui::PictureButton(this, "BitBtn4", ui::Picture::Printer);
    BitBtn5 = ui::PictureButton(this, "BitBtn5", ui::Picture::Glass);
    BitBtn6 = new QPushButton(this);
    BitBtn6->setObjectName(QStringLiteral("BitBtn6"));
    BitBtn7 = new QPushButton(this);
    BitBtn7->setObjectName(QStringLiteral("BitBtn7"));
    int at = buttonRow_->indexOf(BitBtn1);
    for (QPushButton* b : {BitBtn6, BitBtn7, BitBtn4, BitBtn5}) buttonRow_->insertWidget(at++, b);
    setTabOrder(BitBtn3, BitBtn6);
    setTabOrder(BitBtn6, BitBtn7);
    setTabOrder(BitBtn7, BitBtn4);
    setTabOrder(BitBtn4, BitBtn5);

    retranslateUi();
    cascade_->fill();
    fillMarksAndFormats();

    connect(BitBtn1, &QPushButton::clicked, this, &TZoomForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, [] { ui::ShowHelpTopic(kHelpTopic); });
    connect(BitBtn4, &QPushButton::clicked, this, &TZoomForm::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TZoomForm::BitBtn5Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TZoomForm::BitBtn6Click);
    connect(BitBtn7, &QPushButton::clicked, this, &TZoomForm::BitBtn7Click);
    ui::InstallHelpKey(this, kHelpTopic);
    afficheVin();
    ui::FitWindowToScreen(this);
}

void TZoomForm::retranslateUi() {
    WineForm::retranslateUi();
    setWindowTitle(tr("Zoom d'un vin de la cave"));
    const struct {
        QPushButton* button;
        QString hint;
    } hints[] = {
        {BitBtn1, tr("Retour au livre de cave")},
        {BitBtn2, tr("Retour au livre de cave sans sauvegarde")},
        {BitBtn4, tr("Imprime des étiquettes")},
        {BitBtn5, tr("Caractèristiques du vin")},
        {BitBtn6, tr("Vin précédent")},
        {BitBtn7, tr("Vin suivant")},
    };
    for (const auto& h : hints) ui::SetHint(h.button, h.hint);
    // No letter is left for these two: Enter and Escape are their keys.
    BitBtn1->setText(tr("OK"));
    BitBtn2->setText(tr("Annuler"));
    BitBtn4->setText(tr("&Étiquettes"));
    BitBtn5->setText(tr("&Caractéristiques"));
    BitBtn6->setText(tr("<< &Précédent"));
    BitBtn7->setText(tr("&Suivant >>"));
}

void TZoomForm::afficheVin() {
    store::CellarWine wine;
    if (!store::ReadCellarWineAt(cellar::State().currentWinePosition, wine)) return;
    loaded_ = wine;
    loadedPosition_ = cellar::State().currentWinePosition;
    hasWine_ = true;

    ChooseOr(Liste_coul, ui::ShownField(wine.colour), -1);
    ChooseOr(Liste_region, ui::ShownField(wine.region), -1);
    const QString appellation = ui::ShownField(wine.appellation);
    const QString other = cascade_->otherAppellation();
    if (appellation == other.mid(1, other.size() - 2)) {
        Liste_appel->setCurrentIndex(Liste_appel->findText(other));
    } else {
        // An appellation outside the list (narrowed, or gone from the base) is shown as typed,
        // so that a save keeps it.
        const int found = Liste_appel->findText(appellation, Qt::MatchFixedString);
        Liste_appel->setCurrentIndex(found);
        if (found < 0) Liste_appel->setEditText(appellation);
    }
    const QString domaine = ui::ShownField(wine.domaine);
    if (!domaine.isEmpty() && Liste_domaine->findText(domaine, Qt::MatchFixedString) < 0)
        cellar::IdentityCascade::AddSorted(Liste_domaine, domaine);
    Liste_domaine->setCurrentIndex(domaine.isEmpty() ? -1 : Liste_domaine->findText(domaine, Qt::MatchFixedString));
    if (domaine.isEmpty()) Liste_domaine->setEditText(QString());
    ChooseOr(Appreciation, ui::ShownField(wine.mark), Appreciation->count() - 1);
    ChooseOr(format, ui::ShownField(wine.bottleFormat), format->count() > 0 ? 0 : -1);
    Quantite->setText(ui::ToQString(store::Trim(wine.quantity)));
    prix->setText(ui::ToQString(wine.price));
    dateachat->setText(ui::ShownField(wine.purchaseDate));
    apogee->setText(ui::ShownField(wine.peakYear));
    millesime->setText(ui::ShownField(wine.vintage));
    Emplacement->setText(ui::ShownField(wine.location));
    Remarques->setText(ui::ShownField(wine.remarks));
    Prop->setText(ui::ShownField(wine.owner));
    Lieu->setText(ui::ShownField(wine.purchasePlace));
    shown_.remember();
}

bool TZoomForm::save() {
    if (!hasWine_) return false;
    store::CellarWine screen;
    if (!lireScreen(screen)) return false;
    store::CellarWine wine = screen;
    StoredForms(wine);
    shown_.keepUntouched(wine, loaded_);
    removedAt_ = -1;
    savedPosition_ = loadedPosition_;
    // A wine left as it was needs no rewrite, and keeps its place among equal wines.
    if (store::PaddedCellarWine(wine) != store::PaddedCellarWine(loaded_)) {
        if (const int message = store::CheckCellarWine(screen, true); message != 0) {
            ui::ShowMessageNumber(QString(), message);
            return false;
        }
        try {
            // The record shown must still be in the file at its place; another program may
            // have changed it since, and then nothing at all is written, the bases included.
            store::CellarWine stored;
            const bool there =
                store::ReadCellarWineAt(loadedPosition_, stored) && stored == loaded_;
            long quantity = 0;
            const bool stays = store::ParseWholeNumber(wine.quantity, quantity) && quantity != 0;
            store::Replaced replaced;
            if (there) {
                recordReferences(wine);
                replaced = store::ReplaceCellarWine(loadedPosition_, loaded_,
                                                    stays ? std::optional(wine) : std::nullopt);
            }
            if (!replaced.done) {
                ui::ShowMessageNumber(
                    tr("Ce vin a été modifié dans le fichier de la cave depuis son affichage : "
                       "vos changements ne sont pas enregistrés."),
                    0);
                return false;
            }
            removedAt_ = loadedPosition_;
            savedPosition_ = replaced.position;
            if (stays) {
                loaded_ = store::PaddedCellarWine(wine);
                loaded_.mark = store::RightTrim(loaded_.mark);
                loadedPosition_ = replaced.position;
            } else {
                hasWine_ = false;
            }
        } catch (const store::IoError& error) {
            ui::ShowIoError(error);
            return false;
        }
    }
    // Rows now count in the changed file: where the wine went, and how many rows remain.
    const store::CellarRow place = store::CellarRowAt(savedPosition_);
    cellar::State().lastRow = static_cast<int>(place.rows) - 1;
    savedRow_ = place.row;
    return true;
}

void TZoomForm::BitBtn1Click() {
    if (!hasWine_) {
        accept(); // nothing was shown, nothing to save
        return;
    }
    if (save()) {
        if (savedRow_ >= 0) cellar::State().selectedRow = static_cast<int>(savedRow_);
        accept();
    }
}

void TZoomForm::step(int direction) {
    cellar::Navigation& nav = cellar::State();
    // The wine beside the one shown is found before the save and followed by its place in the
    // file, so that neither equal keys nor a save that moves the wine repeat or skip a wine.
    const int target = nav.selectedRow + direction;
    long neighbour =
        target >= 0 && target <= nav.lastRow ? store::CellarPositionOfMatch(target + 1) : -1;
    if (neighbour == loadedPosition_) neighbour = -1; // the list was shorter than the book knew
    if (!save()) return;
    if (neighbour < 0) {
        if (hasWine_) {
            if (savedRow_ >= 0)
                nav.selectedRow = static_cast<int>(savedRow_); // at an end: the wine stays
            return;
        }
        // The wine shown has left the cellar and there is no wine on that side.
        nav.selectedRow = std::min(nav.selectedRow, nav.lastRow);
        accept();
        return;
    }
    if (removedAt_ >= 0)
        neighbour = store::PositionAfterReplace(neighbour, removedAt_, savedPosition_);
    nav.currentWinePosition = neighbour;
    nav.selectedRow = static_cast<int>(store::CellarRowAt(neighbour).row);
    afficheVin();
}

void TZoomForm::BitBtn6Click() { step(-1); }
void TZoomForm::BitBtn7Click() { step(+1); }

void TZoomForm::BitBtn4Click() {
    store::CellarWine wine;
    if (!lireScreen(wine)) return;
    if (const int message = store::CheckCellarWine(wine, true); message != 0) {
        ui::ShowMessageNumber(QString(), message);
        return;
    }
    cellar::State().labelWine = wine;
    TStickerform form(this);
    ui::ExecModal(form);
}

void TZoomForm::BitBtn5Click() {
    cellar::State().selectedAppellation = {loaded_.colour, loaded_.region, loaded_.appellation, loaded_.vintage};
    TVinForm form(this);
    ui::ExecModal(form);
}
