#include "backup/Usave.h"

#include <QDateTime>

#include "backup/BackupSet.h"
#include "ui/BusyCursor.h"
#include "ui/Dialogs.h"

namespace {
constexpr int kHelpTopic = 16;
constexpr backup::DriveForm::Texts kTexts = {
    QT_TRANSLATE_NOOP("TSaveForm", "Sauvegarde sur disquette"),
    QT_TRANSLATE_NOOP("TSaveForm", "Etat d'avancement de la sauvegarde"),
    QT_TRANSLATE_NOOP("TSaveForm", "Lancement de la sauvegarde"),
    QT_TRANSLATE_NOOP("TSaveForm", "Retour au menu principal sans sauvegarde"),
    QT_TRANSLATE_NOOP("TSaveForm",
                      "Le dossier des données ne peut pas recevoir sa propre sauvegarde"),
};
} // namespace

TSaveForm::TSaveForm(QWidget* parent, const QString& settingsPath)
    : DriveForm(parent, "TSaveForm", kHelpTopic, kTexts, settingsPath) {}

void TSaveForm::run(const std::string& folder) {
    const std::string earlier = backup::SetStamp(folder);
    if (earlier != backup::kNoStamp &&
        !ui::AskYesNo(
            tr("Voulez vous écraser la sauvegarde du %1 ?").arg(QString::fromStdString(earlier)))) {
        reject();
        return;
    }
    const QDateTime now = QDateTime::currentDateTime();
    const std::string stamp =
        backup::FormatStamp(now.date().day(), now.date().month(), now.date().year(),
                            now.time().hour(), now.time().minute());
    {
        const ui::BusyCursor busy;
        backup::WriteSet(folder, stamp, settingsPath(), [this](int step) { setProgress(step); });
    }
    accept();
}
