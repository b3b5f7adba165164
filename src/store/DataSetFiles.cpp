#include "store/DataSetFiles.h"

#include "store/DataFolderLock.h"
#include "store/Exchange.h"
#include "store/Files.h"
#include "store/ReferenceUpdate.h"
#include "store/State.h"
#include "store/Transaction.h"

namespace store {

std::vector<std::string> DataSetFileNames() {
    std::vector<std::string> names;
    auto add = [&names](const std::string& name) {
        for (const std::string& known : names)
            if (known == name) return;
        names.push_back(name);
    };
    for (const DataLanguage language : {DataLanguage::French, DataLanguage::English}) {
        const DataFileNames f = FileNamesFor(language);
        for (const std::string* name : {&f.cellar, &f.consumption, &f.appellations, &f.vintages,
                                        &f.domaines, &f.colours, &f.regions, &f.marks,
                                        &f.bottleFormats, &f.maturity})
            add(*name);
    }
    // Kept by the commands: the last imported file and its rejected lines, the bases before the
    // last update, the files a language switch stages, the files of older versions kept by their
    // conversion, the journal of a command being committed and the folder's lock.
    for (const char* name : {kJournalFile, kLockFileName, kImportSaveFile, "Import.Sav", kImportErrorFile, kKeptAppellationBase,
                             kKeptVintageChart, "Stat.fr", "Domaine.fr", "Stat.gb", "Domaine.gb",
                             "Cave.13", "Cellar.13", "Stat.13", "Vins.13", "Wines.13", "Cave.20",
                             "Cellar.20", "Stat.20", "Vins.20", "Wines.20", "Annee.20", "Year.20",
                             "Couleur.20", "Colour.20", "Region.20", "Country.20"})
        add(name);
    return names;
}

std::string DataSetFileAt(const std::string& path) {
    for (const std::string& name : DataSetFileNames())
        if (SameFileOrPath(path, name)) return name;
    const std::string& settings = State().settingsFile;
    if (!settings.empty() && SameFileOrPath(path, settings)) {
        const auto slash = settings.rfind('/');
        return slash == std::string::npos ? settings : settings.substr(slash + 1);
    }
    return {};
}

} // namespace store
