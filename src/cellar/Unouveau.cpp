#include "cellar/Unouveau.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "cellar/IdentityCascade.h"
#include "store/Records.h"
#include "store/WineEntry.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "ui/Screen.h"
#include "ui/Widgets.h"

namespace {
constexpr int kHelpTopic = 2;
}

TNewForm::TNewForm(QWidget* parent) : cellar::WineForm("TNewForm", true, parent) {
    retranslateUi();
    cascade_->fill();
    fillMarksAndFormats();
    Appreciation->setCurrentIndex(Appreciation->count() - 1);
    format->setCurrentIndex(format->count() > 0 ? 0 : -1);
    Quantite->setText(QStringLiteral("1"));

    connect(BitBtn1, &QPushButton::clicked, this, &TNewForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, [] { ui::ShowHelpTopic(kHelpTopic); });
    ui::InstallHelpKey(this, kHelpTopic);
    ui::FitWindowToScreen(this);
    Liste_domaine->setFocus();
}

void TNewForm::retranslateUi() {
    WineForm::retranslateUi();
    setWindowTitle(tr("Entrée d'un vin dans la cave"));
    ui::SetHint(BitBtn1, tr("Ajout de ce vin dans la cave"));
    ui::SetHint(BitBtn2, tr("Retour au menu principal sans sauvegarde"));
}

void TNewForm::BitBtn1Click() {
    store::CellarWine wine;
    if (!lireScreen(wine)) return;
    if (const int message = store::CheckCellarWine(wine); message != 0) {
        ui::ShowMessageNumber(QString(), message);
        return;
    }
    try {
        recordReferences(wine);
        StoredForms(wine);
        store::InsertCellarWine(wine);
    } catch (const store::IoError& error) {
        ui::ShowIoError(error);
        return;
    }
    clearForNextWine();
}

void TNewForm::clearForNextWine() {
    for (QComboBox* box : {Liste_coul, Liste_region}) box->setCurrentIndex(-1);
    for (QComboBox* box : {Liste_appel, Liste_domaine}) {
        box->setCurrentIndex(-1);
        box->setEditText(QString());
    }
    Appreciation->setCurrentIndex(Appreciation->count() - 1);
    for (QLineEdit* edit : {Remarques, prix, apogee, millesime, garde, Emplacement, Prop}) edit->clear();
    Quantite->setText(QStringLiteral("1"));
    Liste_domaine->setFocus();
}
