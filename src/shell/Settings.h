// The settings file Tonnelix.ini (INI format) in the user's configuration directory,
// read and repaired at start-up; every write reaches the file at once.
#pragma once

#include <QLocale>
#include <QString>
#include <functional>
#include <optional>

#include "store/Vocabulary.h"

namespace shell {

struct Settings {
    QString version;  // "Version" as read ("-" when it was missing)
    QString release;  // "Release" as read
    store::DataLanguage language = store::DataLanguage::French;
    bool welcome = true;
    bool scale = false;
    bool preview = false;
    int sort = 1;
};

// The values read at start-up, held for the whole run; writers keep them in step.
Settings& CurrentSettings();
void ResetSettings();

// Full path of Tonnelix.ini in the user's configuration directory.
QString SettingsFilePath();

// Reads and repairs the settings file, loads the vocabulary of the language, and runs the
// conversion of older data files when the version calls for it.
void ReadSettings();

// The language the settings file names, else the system's; read without repairing or writing
// anything, for what is said before the settings are read (a settings file that cannot be read
// gives the system's).
store::DataLanguage SettingsLanguage();

QString ReadSetting(const QString& section, const QString& key, const QString& defaultValue);
// Writes one key at once.
void WriteSetting(const QString& section, const QString& key, const QString& value);

// Older data files found at start-up: which conversion is due.
enum class Upgrade { FromVersion1, FromVersion20 };
// Replaces the conversion for tests; it returns whether the conversion completed, and only then
// are "Version" and "Release" brought to the current version. An empty handler restores the
// program's own conversion.
void SetUpgradeHandler(std::function<bool(Upgrade)> handler);

// The three-letter code of the system language ("fra" means French); tests set it, an empty
// optional returns to the platform locale.
void SetSystemLanguageCodeForTests(std::optional<QString> code);
QString SystemLanguageCode();
// The three-letter code the platform gives a locale's language: "fra" for French of France,
// "frc" for French of Canada, "enu" for English of the United States, and so on.
QString LanguageCodeOf(const QLocale& locale);

} // namespace shell
