#include "exchange/Exchange.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <exception>

#include "store/DataSetFiles.h"
#include "store/Exchange.h"
#include "store/State.h"
#include "store/Transaction.h"
#include "ui/BusyCursor.h"
#include "ui/Cp1252.h"
#include "ui/Dialogs.h"
#include "ui/FileDialog.h"
#include "ui/MessageTable.h"

namespace exchange {

namespace {

constexpr int kImportHelpTopic = 7;
constexpr int kExportHelpTopic = 8;
constexpr int kFileNotFound = 39;

QString Filter() {
    return QCoreApplication::translate("Exchange", "Fichier Texte (*.txt);;Tous (*)");
}

std::string PathBytes(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

// Every data file is opened by its bare name: whatever a dialog did to the current directory
// is undone as soon as it closes.
class KeepCurrentDirectory {
public:
    KeepCurrentDirectory() : directory_(QDir::currentPath()) {}
    ~KeepCurrentDirectory() { restore(); }
    void restore() const { QDir::setCurrent(directory_); }
    const QString& directory() const { return directory_; }

private:
    QString directory_;
};

QString ErrorBoxText(const store::RejectedLine& line) {
    const store::DataLanguage language = store::State().language;
    const QString field = line.refusedUtf8.empty() ? ui::ToQString(line.error.field)
                                                   : QString::fromStdString(line.refusedUtf8);
    return ui::ToQString(store::ImportErrorHead(language, line)) + field +
           ui::ToQString(store::ImportErrorTail(line));
}

// One box per rejected line; each but the last lets the person skip the rest. Past the lines
// whose details were kept, the summary alone tells how many more there are.
void ShowRejectedLines(const store::ImportPlan& plan) {
    const auto total = static_cast<std::size_t>(plan.rejectedCount);
    for (std::size_t i = 0; i < plan.rejected.size(); ++i) {
        const QString text = ErrorBoxText(plan.rejected[i]);
        if (i + 1 == total) {
            ui::ShowMessageNumber(text, 0);
            break;
        }
        // No, the default, goes on as the OK of a plain warning would.
        const QString stop =
            QCoreApplication::translate("Exchange", "Ne plus afficher les erreurs suivantes ? (encore %1 ligne(s) en échec)")
                .arg(total - i - 1);
        if (ui::AskYesNo(text + QStringLiteral("\n\n") + stop, ui::WarningTitle())) break;
    }
}

} // namespace

ExchangeState& State() {
    static ExchangeState state;
    return state;
}

void ResetState() {
    State() = ExchangeState{};
}

void Export1Click() {
    KeepCurrentDirectory current;
    const QString proposed = State().exportName.isEmpty()
                                 ? QDir(current.directory()).filePath(QStringLiteral("export.txt"))
                                 : State().exportName;
    const QString name = ui::AskSaveFile(
        {QCoreApplication::translate("Exchange", "Export de la cave dans un fichier"), Filter(),
         QStringLiteral("txt"), proposed, kExportHelpTopic});
    current.restore();
    if (name.isEmpty()) return;
    State().exportName = name;
    // Replacing a data file by the export would lose what it holds.
    const std::string dataFile = store::DataSetFileAt(PathBytes(name));
    if (!dataFile.empty()) {
        ui::ShowMessageNumber(QCoreApplication::translate("Exchange", "Ce fichier est « %1 », un fichier des données de Tonnelix : la "
                                 "cave ne peut pas y être exportée.")
                                  .arg(ui::ToQString(dataFile)),
                              0);
        return;
    }
    if (QFileInfo::exists(name) &&
        !ui::AskYesNo(QStringLiteral("Voulez vous remplacer ") + name + QStringLiteral("?")))
        return;
    ui::BusyCursor busy;
    store::ExportCellar(PathBytes(name));
}

void Import1Click() {
    KeepCurrentDirectory current;
    const QString name = ui::AskOpenFile(
        {QCoreApplication::translate("Exchange", "Import d'un fichier dans la cave"), Filter(),
         QStringLiteral("txt"), current.directory(), kImportHelpTopic});
    current.restore();
    if (name.isEmpty()) return;
    const std::string source = PathBytes(name);
    // The import moves its file aside at the end: a data file would leave the data folder. The
    // error file of an earlier import is an exchange file, to be mended and imported again.
    const std::string dataFile = store::DataSetFileAt(source);
    if (!dataFile.empty() && dataFile != store::kImportErrorFile) {
        ui::ShowMessageNumber(QCoreApplication::translate("Exchange", "Ce fichier est « %1 », un fichier des données de Tonnelix : il "
                                 "ne peut pas être importé dans la cave.")
                                  .arg(ui::ToQString(dataFile)),
                              0);
        return;
    }
    store::ImportPlan plan;
    {
        ui::BusyCursor busy;
        if (!store::PlanImport(source, store::CurrentExchangeContext(), plan)) {
            ui::ShowMessageNumber({}, kFileNotFound);
            return;
        }
    }
    ShowRejectedLines(plan);
    store::ImportResult result;
    std::exception_ptr lateError; // the import happened: its summary first, then the error
    {
        ui::BusyCursor busy;
        try {
            result = store::CommitImport(plan);
        } catch (const store::CommittedWithError&) {
            lateError = std::current_exception();
        }
    }
    std::string errorFile;
    if (!ui::ToCp1252(QDir(current.directory()).filePath(QLatin1String(store::kImportErrorFile)),
                      errorFile))
        errorFile = store::kImportErrorFile;
    ui::ShowMessageNumber(
        ui::ToQString(store::ImportSummary(store::State().language, plan, result, errorFile)), 0);
    if (lateError) std::rethrow_exception(lateError);
}

} // namespace exchange
