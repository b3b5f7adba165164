// The settings file: a profile file read and written through the data layer's INI code, so a
// write replaces the whole file atomically or raises, and never leaves it half written.
#include "shell/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

#include <string>
#include <utility>

#include "store/DataSetSwitch.h"
#include "store/Files.h"
#include "store/IniFile.h"
#include "store/OldVersions.h"
#include "store/State.h"
#include "store/Text.h"

namespace shell {

namespace {

constexpr char kSoftware[] = "Software";
constexpr char kOptions[] = "Options";
constexpr char kMissing[] = "-";
constexpr char kCurrentVersion[] = "3";
constexpr char kCurrentRelease[] = "01";
constexpr char kFrench[] = "Francais";
constexpr char kEnglish[] = "English";
constexpr char kYes[] = "Yes";
constexpr char kNo[] = "No";

struct SettingsModule {
    Settings current;
    std::function<bool(Upgrade)> upgradeHandler;
    std::optional<QString> systemLanguageCode;
};

SettingsModule& Module() {
    static SettingsModule module;
    return module;
}

// The settings file, loaded for one read or write, or for the reading steps of ReadSettings;
// save() writes it once with every change made.
class SettingsFile {
public:
    SettingsFile()
        : path_(SettingsFilePath()),
          ini_(store::IniFile::Load(QFile::encodeName(path_).toStdString())) {}

    QString read(const QString& section, const QString& key, const QString& defaultValue) const {
        const auto value = ini_.value(section.toStdString(), key.toStdString());
        return value ? QString::fromStdString(*value) : defaultValue;
    }

    void write(const QString& section, const QString& key, const QString& value) {
        ini_.set(section.toStdString(), key.toStdString(), value.toStdString());
    }

    // A file that cannot be written is an input/output error of its kind; the old one stays.
    void save() {
        if (!ini_.changed()) return;
        QDir().mkpath(QFileInfo(path_).absolutePath()); // a failure shows when the file is made
        ini_.save(QFile::encodeName(path_).toStdString());
    }

private:
    QString path_;
    store::IniFile ini_;
};

// The data directory, without a trailing separator (the root stays "/").
QString CurrentDirectoryText() {
    QString dir = QDir::currentPath();
    while (dir.size() > 1 && dir.endsWith('/'))
        dir.chop(1);
    return dir;
}

// The language of a first start: the system's.
QString DefaultLanguageText() {
    return SystemLanguageCode().left(3) == QLatin1String("fra") ? kFrench : kEnglish;
}

store::DataLanguage LanguageOf(const QString& text) {
    return text.startsWith(QLatin1String(kEnglish)) ? store::DataLanguage::English
                                                    : store::DataLanguage::French;
}

// The first line of the appellation base of the current language is in the current
// format when its 34th character is the "]" closing the colour. A base that cannot be opened
// means no conversion.
bool AppellationBaseIsOld() {
    store::LineReader base;
    if (!store::OpenTextForReading(base, store::State().files.appellations)) return false;
    std::string line;
    base.readLine(line, 34); // an empty file gives an empty first line
    base.close();
    return line.size() < 34 || line[33] != ']';
}

// Converts the data files of an older version; true once the conversion has completed. A
// failure raises, and the version the settings record stays old, so the next start tries again.
bool ConvertDataFiles(Upgrade upgrade) {
    // The version is recorded in the same transaction as the converted files.
    const auto record = [] {
        SettingsFile file;
        file.write(kSoftware, "Version", kCurrentVersion);
        file.write(kSoftware, "Release", kCurrentRelease);
        file.save();
    };
    if (upgrade == Upgrade::FromVersion1)
        store::ConvertVersion1Files(record);
    else
        store::ConvertVersion2Files(record);
    return true;
}

bool RunUpgrade(Upgrade upgrade) {
    if (Module().upgradeHandler) return Module().upgradeHandler(upgrade);
    return ConvertDataFiles(upgrade);
}

// The conversion the Version and Release read may call for, before the base is looked at.
std::optional<Upgrade> PossibleUpgrade(const QString& version, const QString& release) {
    if (version.startsWith('1')) return Upgrade::FromVersion1;
    if (version.startsWith('2') && release.startsWith('0')) return Upgrade::FromVersion20;
    return std::nullopt;
}

// Windows' abbreviated language names: the language's two letters and a letter for the
// country. Only France has "fra".
struct LocaleCode {
    QLocale::Language language;
    QLocale::Territory territory;
    const char* code;
};
constexpr LocaleCode kLocaleCodes[] = {
    {QLocale::French, QLocale::France, "fra"},
    {QLocale::French, QLocale::Belgium, "frb"},
    {QLocale::French, QLocale::Canada, "frc"},
    {QLocale::French, QLocale::Switzerland, "frs"},
    {QLocale::French, QLocale::Luxembourg, "frl"},
    {QLocale::French, QLocale::Monaco, "frm"},
    {QLocale::English, QLocale::UnitedStates, "enu"},
    {QLocale::English, QLocale::UnitedKingdom, "eng"},
    {QLocale::English, QLocale::Australia, "ena"},
    {QLocale::English, QLocale::Canada, "enc"},
    {QLocale::English, QLocale::NewZealand, "enz"},
    {QLocale::English, QLocale::Ireland, "eni"},
    {QLocale::English, QLocale::SouthAfrica, "ens"},
    {QLocale::English, QLocale::Jamaica, "enj"},
    {QLocale::English, QLocale::Belize, "enl"},
    {QLocale::English, QLocale::TrinidadAndTobago, "ent"},
    {QLocale::English, QLocale::Zimbabwe, "enw"},
    {QLocale::English, QLocale::Philippines, "enp"},
    {QLocale::German, QLocale::Germany, "deu"},
    {QLocale::German, QLocale::Switzerland, "des"},
    {QLocale::German, QLocale::Austria, "dea"},
    {QLocale::German, QLocale::Luxembourg, "del"},
    {QLocale::German, QLocale::Liechtenstein, "dec"},
    {QLocale::Italian, QLocale::Italy, "ita"},
    {QLocale::Italian, QLocale::Switzerland, "its"},
    {QLocale::Dutch, QLocale::Netherlands, "nld"},
    {QLocale::Dutch, QLocale::Belgium, "nlb"},
    {QLocale::Spanish, QLocale::Spain, "esn"},
    {QLocale::Spanish, QLocale::Mexico, "esm"},
    {QLocale::Spanish, QLocale::Argentina, "ess"},
    {QLocale::Spanish, QLocale::Chile, "esl"},
    {QLocale::Portuguese, QLocale::Portugal, "ptg"},
    {QLocale::Portuguese, QLocale::Brazil, "ptb"},
    {QLocale::Swedish, QLocale::Sweden, "sve"},
    {QLocale::Swedish, QLocale::Finland, "svf"},
    {QLocale::Danish, QLocale::Denmark, "dan"},
    {QLocale::NorwegianBokmal, QLocale::Norway, "nor"},
    {QLocale::NorwegianNynorsk, QLocale::Norway, "non"},
    {QLocale::Finnish, QLocale::Finland, "fin"},
    {QLocale::Polish, QLocale::Poland, "plk"},
    {QLocale::Czech, QLocale::CzechRepublic, "csy"},
    {QLocale::Hungarian, QLocale::Hungary, "hun"},
    {QLocale::Greek, QLocale::Greece, "ell"},
    {QLocale::Turkish, QLocale::Turkey, "trk"},
    {QLocale::Russian, QLocale::Russia, "rus"},
    {QLocale::Japanese, QLocale::Japan, "jpn"},
    {QLocale::Korean, QLocale::SouthKorea, "kor"},
    {QLocale::Chinese, QLocale::China, "chs"},
    {QLocale::Chinese, QLocale::Taiwan, "cht"},
};

} // namespace

Settings& CurrentSettings() {
    return Module().current;
}

void ResetSettings() {
    Module() = SettingsModule{};
}

QString SettingsFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tonnelix.ini");
}

void ReadSettings() {
    // The system language gives the default language text.
    const QString defaultLanguage = DefaultLanguageText();
    // The current directory.
    const QString currentDirectory = CurrentDirectoryText();
    Settings settings;
    std::optional<Upgrade> upgrade;
    {
        // Open the settings file.
        SettingsFile file;

        // Version and Release. When a conversion may be due they are written only once it has
        // completed (below); otherwise now.
        settings.version = file.read(kSoftware, "Version", kMissing);
        settings.release = file.read(kSoftware, "Release", kMissing);
        upgrade = PossibleUpgrade(settings.version, settings.release);
        if (!upgrade) {
            if (settings.version != QLatin1String(kCurrentVersion))
                file.write(kSoftware, "Version", kCurrentVersion); // the missing case included
            if (settings.release == QLatin1String(kMissing) ||
                settings.version != QLatin1String(kCurrentVersion))
                file.write(kSoftware, "Release", kCurrentRelease);
        }

        // Language.
        QString language = file.read(kOptions, "Language", kMissing);
        if (language == QLatin1String(kMissing)) {
            language = defaultLanguage;
            file.write(kOptions, "Language", language);
        }
        settings.language = LanguageOf(language);

        // Welcome: set unless the value begins with "No".
        QString welcome = file.read(kOptions, "Welcome", kMissing);
        if (welcome == QLatin1String(kMissing)) {
            welcome = kYes;
            file.write(kOptions, "Welcome", welcome);
        }
        settings.welcome = !welcome.startsWith(QLatin1String(kNo));

        // Path: the data directory of the last start.
        const QString path = file.read(kSoftware, "Path", kMissing);
        if (path == QLatin1String(kMissing) || path != currentDirectory)
            file.write(kSoftware, "Path", currentDirectory);

        // Scale and Preview: set only by exactly "Yes".
        const auto readFlag = [&file](const char* key) {
            const QString value = file.read(kOptions, key, kMissing);
            if (value == QLatin1String(kMissing)) {
                file.write(kOptions, key, kNo);
                return false;
            }
            return value == QLatin1String(kYes);
        };
        settings.scale = readFlag("Scale");
        settings.preview = readFlag("Preview");

        // Sort: a whole number from 1 to 3; anything else (text included) becomes 1.
        long sort = 0;
        if (!store::ParseWholeNumber(file.read(kOptions, "Sort", "0").toStdString(), sort) ||
            sort < 1 || sort > 3) {
            file.write(kOptions, "Sort", "1");
            sort = 1;
        }
        settings.sort = static_cast<int>(sort);
        // Every repair of the steps above in one write.
        file.save();
    }

    CurrentSettings() = settings;
    store::State().settingsFile = QFile::encodeName(SettingsFilePath()).toStdString();
    store::State().language = settings.language;
    store::State().sort = settings.sort;

    // The data file names and the four lists of the language.
    store::LoadVocabulary(settings.language);

    // Data files of an older version. A base in the current layout, or none, needs nothing.
    if (upgrade && (!AppellationBaseIsOld() || RunUpgrade(*upgrade))) {
        SettingsFile file;
        file.write(kSoftware, "Version", kCurrentVersion);
        file.write(kSoftware, "Release", kCurrentRelease);
        file.save();
    }
}

store::DataLanguage SettingsLanguage() {
    QString language = kMissing;
    try {
        language = ReadSetting(kOptions, "Language", kMissing);
    } catch (const store::IoError&) {
        // the system's language then
    }
    return LanguageOf(language == QLatin1String(kMissing) ? DefaultLanguageText() : language);
}

QString ReadSetting(const QString& section, const QString& key, const QString& defaultValue) {
    return SettingsFile().read(section, key, defaultValue);
}

void WriteSetting(const QString& section, const QString& key, const QString& value) {
    SettingsFile file;
    file.write(section, key, value);
    file.save();
}

void SetUpgradeHandler(std::function<bool(Upgrade)> handler) {
    Module().upgradeHandler = std::move(handler);
}

void SetSystemLanguageCodeForTests(std::optional<QString> code) {
    Module().systemLanguageCode = std::move(code);
}

QString LanguageCodeOf(const QLocale& locale) {
    const QLocale::Language language = locale.language();
    if (language == QLocale::C) return QStringLiteral("eng"); // as when the system names none
    const QLocale::Territory territory = locale.territory();
    for (const LocaleCode& entry : kLocaleCodes)
        if (entry.language == language && entry.territory == territory)
            return QString::fromLatin1(entry.code);
    // A country the table does not know: the language's own code in its home country, and
    // elsewhere a code of the language's two letters that names no listed country, so that
    // French outside France never reads as "fra".
    const QString twoLetters = QLocale::languageToCode(language, QLocale::ISO639Part1);
    const bool home =
        territory == QLocale::AnyTerritory || QLocale(language).territory() == territory;
    if (!home && twoLetters.size() == 2) return twoLetters + 'z';
    for (const auto type : {QLocale::ISO639Part2T, QLocale::ISO639Part3}) {
        const QString code = QLocale::languageToCode(language, type);
        if (code.size() == 3) return code;
    }
    return QStringLiteral("eng");
}

QString SystemLanguageCode() {
    if (Module().systemLanguageCode) return *Module().systemLanguageCode;
    return LanguageCodeOf(QLocale::system());
}

} // namespace shell
