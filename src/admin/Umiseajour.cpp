#include "admin/Umiseajour.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>

#include <filesystem>
#include <system_error>

#include "store/Files.h"
#include "store/ReferenceUpdate.h"
#include "ui/BusyCursor.h"
#include "ui/Cp1252.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"

namespace admin {

namespace {

constexpr int kHelpTopic = 18;

// The system file dialog offers no help button: F1 while it is open brings the page instead.
class HelpKey : public QObject {
public:
    HelpKey() { qApp->installEventFilter(this); }
    ~HelpKey() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 && watched->isWidgetType()) {
            ui::ShowHelpTopic(kHelpTopic);
            return true;
        }
        return false;
    }
};

// Data files are opened by their bare names: the dialog must not leave another folder current.
QString AskReferenceFile() {
    std::error_code ec;
    const std::filesystem::path here = std::filesystem::current_path(ec);
    QString chosen;
    {
        HelpKey help;
        chosen = ui::AskOpenFileName(
            QCoreApplication::translate("Miseajourform", "Mise à jour des bases de données"),
            QCoreApplication::translate("Miseajourform", "Bases de données (*.ref)"));
    }
    if (!ec) std::filesystem::current_path(here, ec);
    return chosen;
}

} // namespace

void Misejour1Click() {
    const QString chosen = AskReferenceFile();
    if (chosen.isEmpty()) return;
    store::ReferenceUpdateResult result;
    try {
        ui::BusyCursor busy;
        result = store::UpdateFromReference(QFile::encodeName(chosen).toStdString());
    } catch (const store::IoError& error) {
        ui::ShowIoError(error);
        return;
    }
    switch (result.outcome) {
    case store::ReferenceOutcome::DataSetFile:
        ui::ShowMessageNumber(QCoreApplication::translate("Miseajourform", "Ce fichier est « %1 », un fichier des données de Tonnelix : il "
                                 "ne peut pas servir de fichier de référence. Aucune base n'a été "
                                 "modifiée.")
                                  .arg(ui::ToQString(result.dataSetFile)),
                              0);
        break;
    case store::ReferenceOutcome::NotABase:
        if (result.badLine == 0)
            ui::ShowMessageNumber(QCoreApplication::translate("Miseajourform", "Ce fichier n'est pas une base d'appellations ni un tableau "
                                     "des millésimes : aucune base n'a été modifiée."),
                                  0);
        else if (result.kind == store::ReferenceKind::VintageChart)
            ui::ShowMessageNumber(QCoreApplication::translate("Miseajourform", "Ce fichier n'est pas un tableau des millésimes : sa ligne %1 "
                                     "n'en suit pas la forme. Aucune base n'a été modifiée.")
                                      .arg(result.badLine),
                                  0);
        else
            ui::ShowMessageNumber(QCoreApplication::translate("Miseajourform", "Ce fichier n'est pas une base d'appellations : sa ligne %1 "
                                     "n'en suit pas la forme. Aucune base n'a été modifiée.")
                                      .arg(result.badLine),
                                  0);
        break;
    case store::ReferenceOutcome::Updated:
        if (result.sourceLeft)
            ui::ShowMessageNumber(QCoreApplication::translate("Miseajourform", "La base a été mise à jour, mais le fichier de référence %1 "
                                     "n'a pas pu être retiré de sa place.")
                                      .arg(chosen),
                                  0);
        break;
    case store::ReferenceOutcome::NotFound:
        break;
    }
}

} // namespace admin
