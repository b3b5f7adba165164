#include "history/Uzoomconso.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "history/ConsumedEntries.h"
#include "history/HistoryState.h"
#include "store/Files.h"
#include "store/Records.h"
#include "store/State.h"
#include "store/Text.h"
#include "ui/Cp1252.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "ui/Screen.h"
#include "ui/Widgets.h"

namespace {

constexpr int kHelpTopic = 25;

// The single entry of an identity box.
void ShowOnly(QComboBox* box, const QString& value) {
    box->clear();
    box->addItem(value);
    box->setCurrentIndex(0);
}

// Chooses the entry equal to the stored value. A blank value chooses nothing, so that it
// stays blank, and a value the list no longer holds joins it: browsing through the history,
// which saves each entry, then never changes a mark or a bottle format by itself.
void ChooseStored(QComboBox* box, const QString& value) {
    if (value.isEmpty()) {
        box->setCurrentIndex(-1);
        return;
    }
    int at = box->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (at < 0) {
        box->addItem(value);
        at = box->count() - 1;
    }
    box->setCurrentIndex(at);
}

} // namespace

TZoomConsoForm::TZoomConsoForm(QWidget* parent) : history::ConsumedForm("TZoomConsoForm", parent) {
    BitBtn6 = new QPushButton(this);
    BitBtn6->setObjectName(QStringLiteral("BitBtn6"));
    BitBtn7 = new QPushButton(this);
    BitBtn7->setObjectName(QStringLiteral("BitBtn7"));
    BitBtn5 = new QPushButton(this);
    BitBtn5->setObjectName(QStringLiteral("BitBtn5"));
    int at = buttonRow_->indexOf(BitBtn1);
    for (QPushButton* b : {BitBtn6, BitBtn7, BitBtn5})
        buttonRow_->insertWidget(at++, b);
    buttonRow_->insertStretch(at, 1);
    setTabOrder(BitBtn3, BitBtn6);
    setTabOrder(BitBtn6, BitBtn7);
    setTabOrder(BitBtn7, BitBtn5);

    fillMarksAndFormats();
    for (QComboBox* box : {Liste_coul, Liste_region, Liste_appel, Liste_domaine})
        box->setEnabled(false);
    ui::MakeShownOnly(millesime); // read-only like the identity boxes beside it
    retranslateUi();

    connect(BitBtn1, &QPushButton::clicked, this, &TZoomConsoForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, [] { ui::ShowHelpTopic(kHelpTopic); });
    connect(BitBtn5, &QPushButton::clicked, this, &TZoomConsoForm::BitBtn5Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TZoomConsoForm::BitBtn6Click);
    connect(BitBtn7, &QPushButton::clicked, this, &TZoomConsoForm::BitBtn7Click);
    ui::InstallHelpKey(this, kHelpTopic);
    showSelectedEntry();
    ui::FitWindowToScreen(this);
    Prop->setFocus();
}

void TZoomConsoForm::retranslateUi() {
    ConsumedForm::retranslateUi();
    setWindowTitle(tr("Caractéristique d'un vin consommé"));
    const struct {
        QPushButton* button;
        QString caption;
        QString hint;
    } buttons[] = {
        {BitBtn5, tr("&Supprimer"), tr("Supprime cette entrée de la base")},
        {BitBtn6, tr("<< &Précédent"), tr("Vin précédent")},
        {BitBtn7, tr("Sui&vant >>"), tr("Vin suivant")},
    };
    for (const auto& b : buttons) {
        b.button->setText(b.caption);
        b.button->setToolTip(b.hint);
        b.button->setStatusTip(b.hint);
    }
}

void TZoomConsoForm::showSelectedEntry() {
    long& position = history::State().selectedPosition;
    store::ConsumedWine entry;
    if (position < 0 || !store::FileExists(store::State().files.consumption)) return;
    if (!history::MatchingEntryAt(position, entry, &currentPosition_)) {
        --position;
        return;
    }
    current_ = entry;
    hasEntry_ = true;
    ShowOnly(Liste_coul, ui::ShownField(entry.colour));
    ShowOnly(Liste_region, ui::ShownField(entry.region));
    ShowOnly(Liste_appel, ui::ShownField(entry.appellation));
    ShowOnly(Liste_domaine, ui::ShownField(entry.domaine));
    millesime->setText(ui::ShownField(entry.vintage));
    Prop->setText(ui::ShownField(entry.owner));
    Rem_vin->setText(ui::ShownField(entry.remarks));
    ChooseStored(Appreciation, ui::ShownField(entry.mark));
    ChooseStored(formatb, ui::ShownField(entry.bottleFormat));
    lieu->setText(ui::ShownField(entry.purchasePlace));
    dateachat->setText(ui::ShownField(entry.purchaseDate));
    prix->setText(ui::ToQString(entry.price));
    qte_conso->setText(ui::ToQString(entry.quantity).trimmed());
    date_conso->setText(ui::ShownField(entry.drinkDate));
    comment_conso->setText(ui::ShownField(entry.comments));
    invites->setText(ui::ShownField(entry.guests));
    shown_.remember();
}

bool TZoomConsoForm::save() {
    if (!hasEntry_) return false;
    store::ConsumedWine screen = current_;
    if (!readDrinking(screen)) return false;
    store::ConsumedWine entry = screen;
    history::StoredForms(entry);
    shown_.keepUntouched(entry, current_);
    entry = store::PaddedConsumedWine(entry);
    // An entry left as it was needs no rewrite, and keeps its place among equal entries.
    if (entry == current_) return true;
    if (const int message = history::CheckConsumedWine(screen, false); message != 0) {
        ui::ShowMessageNumber(QString(), message);
        return false;
    }
    store::Replaced replaced;
    try {
        replaced = store::ReplaceConsumedWine(currentPosition_, current_, entry);
    } catch (const store::IoError& error) {
        ui::ShowIoError(error);
        return false;
    }
    if (!replaced.done) {
        ui::ShowMessageNumber(
            tr("Cette entrée a été modifiée dans le fichier des vins consommés depuis son "
               "affichage : vos changements ne sont pas enregistrés."),
            0);
        return false;
    }
    current_ = entry;
    currentPosition_ = replaced.position;
    return true;
}

void TZoomConsoForm::BitBtn1Click() {
    if (!hasEntry_) {
        accept(); // nothing was shown, nothing to save
        return;
    }
    if (save()) accept();
}

void TZoomConsoForm::BitBtn6Click() {
    if (!save()) return;
    long& position = history::State().selectedPosition;
    if (position <= 0) return;
    --position;
    showSelectedEntry();
}

void TZoomConsoForm::BitBtn7Click() {
    if (!save()) return;
    ++history::State().selectedPosition;
    showSelectedEntry();
}

void TZoomConsoForm::BitBtn5Click() {
    if (hasEntry_) {
        try {
            if (!store::ReplaceConsumedWine(currentPosition_, current_, std::nullopt).done)
                ui::ShowMessageNumber(
                    tr("Cette entrée a été modifiée dans le fichier des vins consommés depuis son "
                       "affichage : elle n'est pas supprimée."),
                    0);
        } catch (const store::IoError& error) {
            ui::ShowIoError(error);
            return;
        }
    }
    accept();
}
