#include "shell/LanguageModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

#include "shell/ShellState.h"

namespace shell {

namespace {

struct Abbreviations {
    const char* full; // the locale's three-letter abbreviation
    const char* short_;
    const char* qtCatalogue; // Qt's own texts in the language; null where they are built in
    QLocale::Language language;
    QLocale::Territory territory;
};

bool AbbreviationsOf(int locale, Abbreviations& out) {
    if (locale == kLocaleFrench)
        out = {"FRA", "FR", "qtbase_fr", QLocale::French, QLocale::France};
    else if (locale == kLocaleEnglish)
        out = {"ENU", "EN", nullptr, QLocale::English, QLocale::UnitedKingdom};
    else
        return false;
    return true;
}

QString ProgramPath() {
    return State().programPath.isEmpty() ? QCoreApplication::applicationFilePath()
                                         : State().programPath;
}

// The program path with its extension replaced (or, without one, given one).
QString WithExtension(const QString& program, const char* extension) {
    const QFileInfo info(program);
    const QString base = info.suffix().isEmpty() ? info.fileName() : info.completeBaseName();
    return info.dir().filePath(base + QLatin1Char('.') + QLatin1String(extension));
}

} // namespace

int LocaleOf(store::DataLanguage language) {
    return language == store::DataLanguage::English ? kLocaleEnglish : kLocaleFrench;
}

QString LanguageModulePath(int locale) {
    Abbreviations names{};
    if (!AbbreviationsOf(locale, names)) return {};
    for (const char* extension : {names.full, names.short_}) {
        const QString path = WithExtension(ProgramPath(), extension);
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

bool LoadLanguageModule(int locale) {
    const QString path = LanguageModulePath(locale);
    if (path.isEmpty()) return false;
    auto module = std::make_unique<QTranslator>();
    if (!module->load(path)) return false;

    Abbreviations names{};
    AbbreviationsOf(locale, names);
    // Qt's standard buttons and its file and print dialogs, in the language; without the
    // package of Qt's translations they stay in English.
    auto platformTexts = std::make_unique<QTranslator>();
    const bool hasPlatformTexts =
        names.qtCatalogue != nullptr &&
        platformTexts->load(QLatin1String(names.qtCatalogue),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Numbers that Qt formats itself, such as file sizes, follow the language too.
    QLocale::setDefault(QLocale(names.language, names.territory));

    ShellState& state = State();
    if (state.platformTexts) QCoreApplication::removeTranslator(state.platformTexts.get());
    state.platformTexts.reset();
    if (hasPlatformTexts) {
        state.platformTexts = std::move(platformTexts);
        QCoreApplication::installTranslator(state.platformTexts.get());
    }
    // Installing sends every window the language change that makes it re-read its texts.
    if (state.module) QCoreApplication::removeTranslator(state.module.get());
    state.module = std::move(module);
    QCoreApplication::installTranslator(state.module.get());
    state.moduleLocale = locale;
    return true;
}

void SetProgramPathForTests(const QString& path) {
    State().programPath = path;
}

} // namespace shell
