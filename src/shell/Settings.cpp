// The settings file. QSettings in INI format; every value is a QString, so the file
// holds plain "key=value" lines (QSettings quotes a value only when it must, e.g. one holding a
// comma or a leading blank, and reads it back unchanged).
#include "shell/Settings.h"

#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include <cerrno>
#include <string>
#include <utility>

#include "store/Files.h"
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
    std::function<void(Upgrade)> upgradeHandler;
    std::optional<QString> systemLanguageCode;
};

SettingsModule& Module() {
    static SettingsModule module;
    return module;
}

// The settings file, opened for one read or write, or for the reading steps of ReadSettings.
class SettingsFile {
public:
    SettingsFile() : path_(SettingsFilePath()), settings_(path_, QSettings::IniFormat) {}

    QString read(const QString& section, const QString& key, const QString& defaultValue) {
        const QVariant value = settings_.value(section + '/' + key);
        if (!value.isValid()) return defaultValue;
        // A value written by hand with unquoted commas comes back as a list: take it whole.
        if (value.metaType().id() == QMetaType::QStringList) return value.toStringList().join(',');
        return value.toString();
    }

    // Writes through at once; a file that cannot be written is an input/output error.
    void write(const QString& section, const QString& key, const QString& value) {
        settings_.setValue(section + '/' + key, value);
        settings_.sync();
        // FormatError only says that a hand-edited file had lines QSettings skipped; the write
        // itself went through. AccessError means the file could not be written.
        if (settings_.status() == QSettings::AccessError)
            throw store::IoError(store::IoError::Kind::AccessDenied, EACCES, path_.toStdString());
    }

private:
    QString path_;
    QSettings settings_;
};

// The data directory, without a trailing separator (the root stays "/").
QString CurrentDirectoryText() {
    QString dir = QDir::currentPath();
    while (dir.size() > 1 && dir.endsWith('/'))
        dir.chop(1);
    return dir;
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

void RunUpgrade(Upgrade upgrade) {
    if (Module().upgradeHandler) Module().upgradeHandler(upgrade);
}

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
    const QString defaultLanguage =
        SystemLanguageCode().left(3) == QLatin1String("fra") ? kFrench : kEnglish;
    // The current directory.
    const QString currentDirectory = CurrentDirectoryText();
    Settings settings;
    bool upgradeDue = false;
    {
        // Open the settings file.
        SettingsFile file;

        // Version.
        settings.version = file.read(kSoftware, "Version", kMissing);
        if (settings.version != QLatin1String(kCurrentVersion)) {
            file.write(kSoftware, "Version", kCurrentVersion); // the missing case included
            upgradeDue = true;
        }

        // Release.
        settings.release = file.read(kSoftware, "Release", kMissing);
        if (settings.release == QLatin1String(kMissing) ||
            settings.version != QLatin1String(kCurrentVersion))
            file.write(kSoftware, "Release", kCurrentRelease);

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
        // The file closes here.
    }

    CurrentSettings() = settings;
    store::State().language = settings.language;
    store::State().sort = settings.sort;

    // The data file names and the four lists of the language.
    store::LoadVocabulary(settings.language);

    // Data files of an older version.
    if (upgradeDue) {
        if (settings.version.startsWith('1')) {
            if (AppellationBaseIsOld()) RunUpgrade(Upgrade::FromVersion1);
        } else if (settings.version.startsWith('2') && settings.release.startsWith('0')) {
            if (AppellationBaseIsOld()) RunUpgrade(Upgrade::FromVersion20);
        }
    }
}

QString ReadSetting(const QString& section, const QString& key, const QString& defaultValue) {
    return SettingsFile().read(section, key, defaultValue);
}

void WriteSetting(const QString& section, const QString& key, const QString& value) {
    SettingsFile().write(section, key, value);
}

void SetUpgradeHandler(std::function<void(Upgrade)> handler) {
    Module().upgradeHandler = std::move(handler);
}

void SetSystemLanguageCodeForTests(std::optional<QString> code) {
    Module().systemLanguageCode = std::move(code);
}

QString SystemLanguageCode() {
    if (Module().systemLanguageCode) return *Module().systemLanguageCode;
    const QLocale::Language language = QLocale::system().language();
    if (language == QLocale::French) return QStringLiteral("fra");
    // The terminology code ("deu", not "ger") is the one closest to the Windows codes.
    for (const auto type : {QLocale::ISO639Part2T, QLocale::ISO639Part3}) {
        const QString code = QLocale::languageToCode(language, type);
        if (code.size() == 3) return code;
    }
    return QStringLiteral("eng"); // the C locale, or a language without a code
}

} // namespace shell
