// Language modules: the compiled texts of one language beside the program file, named after
// it with the language's abbreviation as extension ("tonnelix.ENU", else "tonnelix.EN").
#pragma once

#include <QString>

#include "store/Vocabulary.h"

namespace shell {

constexpr int kLocaleFrench = 1036;
constexpr int kLocaleEnglish = 1033;

int LocaleOf(store::DataLanguage language);

// The module file of the locale, or empty when there is none.
QString LanguageModulePath(int locale);

// Loads the module of the locale in place of the one in use; every open window then re-reads
// its texts. When there is no module nothing changes and false is returned.
bool LoadLanguageModule(int locale);

// The program whose modules are looked up, in place of the running one.
void SetProgramPathForTests(const QString& path);

} // namespace shell
