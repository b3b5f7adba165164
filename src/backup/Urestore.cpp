#include "backup/Urestore.h"

#include "backup/BackupSet.h"
#include "ui/BusyCursor.h"
#include "ui/Dialogs.h"

namespace {
constexpr int kHelpTopic = 17;
constexpr int kNoBackupSet = 32;
constexpr backup::DriveForm::Texts kTexts = {
    QT_TRANSLATE_NOOP("TRestoreForm", "Restauration des bases de données"),
    QT_TRANSLATE_NOOP("TRestoreForm", "Etat d'avancement de la restauration"),
    QT_TRANSLATE_NOOP("TRestoreForm", "Lancement de la restauration"),
    QT_TRANSLATE_NOOP("TRestoreForm", "Retour au menu principal sans restauration"),
    QT_TRANSLATE_NOOP("TRestoreForm",
                      "Le dossier des données ne peut pas être restauré sur lui-même"),
};
} // namespace

TRestoreForm::TRestoreForm(QWidget* parent, const QString& settingsPath)
    : DriveForm(parent, "TRestoreForm", kHelpTopic, kTexts, settingsPath) {}

void TRestoreForm::run(const std::string& folder) {
    const std::string stamp = backup::SetStamp(folder);
    if (stamp == backup::kNoStamp) {
        ui::ShowMessageNumber(QString(), kNoBackupSet);
        reject();
        return;
    }
    if (!ui::AskYesNo(tr("La restauration du %1 va écrasez les bases actuelles ?")
                          .arg(QString::fromStdString(stamp)))) {
        reject();
        return;
    }
    try {
        const ui::BusyCursor busy;
        backup::RestoreSet(folder, [this](int step) { setProgress(step); });
    } catch (const backup::DamagedSet& damaged) {
        ui::ShowMessageNumber(
            tr("Le fichier %1 de la sauvegarde est incomplet : rien n'a été restauré")
                .arg(QString::fromStdString(damaged.file())),
            0);
        reject();
        return;
    }
    accept();
}
