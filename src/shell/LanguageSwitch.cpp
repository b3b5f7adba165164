#include "shell/LanguageSwitch.h"

#include "shell/LanguageModule.h"
#include "shell/Settings.h"
#include "store/DataSetSwitch.h"
#include "store/State.h"
#include "store/Transaction.h"
#include "ui/BusyCursor.h"
#include "ui/Help.h"

namespace shell {

namespace {

QString LanguageText(store::DataLanguage language) {
    return language == store::DataLanguage::English ? QStringLiteral("English")
                                                    : QStringLiteral("Francais");
}

} // namespace

void SwitchLanguage(store::DataLanguage language) {
    const auto record = [language] {
        WriteSetting(QStringLiteral("Options"), QStringLiteral("Language"), LanguageText(language));
    };
    if (language == store::State().language) {
        record();
        return;
    }
    ui::BusyCursor busy;
    const auto follow = [language] {
        CurrentSettings().language = language;
        store::LoadVocabulary(language);
        LoadLanguageModule(LocaleOf(language)); // open windows re-read their texts
        ui::SetHelpLanguage(language);
    };
    // The data first, and the program's state only once the new set is complete and recorded:
    // a failure before that leaves the whole program in the language it was in.
    try {
        store::ConvertDataSet(language == store::DataLanguage::English, record);
    } catch (const store::CommittedWithError&) {
        // The switch is recorded: the program goes where the data went, then reports the error.
        follow();
        throw;
    }
    follow();
}

} // namespace shell
