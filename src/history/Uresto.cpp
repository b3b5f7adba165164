#include "history/Uresto.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "cellar/IdentityCascade.h"
#include "history/ConsumedEntries.h"
#include "store/Records.h"
#include "store/RefBases.h"
#include "store/Text.h"
#include "ui/Cp1252.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "ui/Screen.h"

namespace {

constexpr int kHelpTopic = 26;

} // namespace

TRestoForm::TRestoForm(QWidget* parent) : history::ConsumedForm("TRestoForm", parent) {
    select_touteappel = new QCheckBox(this);
    select_touteappel->setObjectName(QStringLiteral("select_touteappel"));
    buttonRow_->insertWidget(0, select_touteappel);
    setTabOrder(invites, select_touteappel);
    setTabOrder(select_touteappel, BitBtn1);

    cellar::IdentityCascade::Controls controls;
    controls.domaine = Liste_domaine;
    controls.colour = Liste_coul;
    controls.region = Liste_region;
    controls.appellation = Liste_appel;
    controls.regionOnly = select_touteappel;
    controls.owner = Prop;
    cascade_ = new cellar::IdentityCascade(controls, this);

    retranslateUi();
    cascade_->fill();
    fillMarksAndFormats();

    connect(BitBtn1, &QPushButton::clicked, this, &TRestoForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, [] { ui::ShowHelpTopic(kHelpTopic); });
    ui::InstallHelpKey(this, kHelpTopic);
    ui::FitWindowToScreen(this);
    Liste_coul->setFocus();
}

void TRestoForm::retranslateUi() {
    ConsumedForm::retranslateUi();
    setWindowTitle(tr("Vin consommé à l'extérieur"));
    select_touteappel->setText(tr("A&fficher seulement les appellations de la région"));
}

bool TRestoForm::readScreen(store::ConsumedWine& entry) const {
    if (!ui::CheckCp1252(Liste_domaine->currentText()) ||
        !ui::CheckCp1252(Liste_appel->currentText()))
        return false;
    if (!readDrinking(entry)) return false;
    auto chosen = [](const QComboBox* box, int width) {
        return box->currentIndex() >= 0 ? store::PadText(ui::StoredBytes(box->currentText()), width)
                                        : store::Blanks(width);
    };
    entry.vintage = store::PadText(store::RightTrim(ui::StoredBytes(millesime->displayText())), 4);
    entry.colour = chosen(Liste_coul, 10);
    entry.region = chosen(Liste_region, 20);
    std::string appellation = ui::StoredBytes(Liste_appel->currentText());
    if (cascade_->appellationIsOther()) appellation = appellation.substr(1, appellation.size() - 2);
    entry.appellation = store::PadText(appellation, 30);
    entry.domaine = store::PadText(ui::StoredBytes(Liste_domaine->currentText()), 50);
    return true;
}

void TRestoForm::BitBtn1Click() {
    store::ConsumedWine entry;
    if (!readScreen(entry)) return;
    if (const int message = history::CheckConsumedWine(entry, true); message != 0) {
        ui::ShowMessageNumber(QString(), message);
        return;
    }
    try {
        cascade_->recordReferences(entry.colour, entry.region, entry.appellation, entry.domaine, entry.owner);
        history::StoredForms(entry);
        store::InsertConsumedWine(entry);
    } catch (const store::IoError& error) {
        ui::ShowIoError(error);
        return;
    }
    accept();
}
