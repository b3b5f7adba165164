// The installed program as a user gets it: installed into a prefix, and unpacked from the
// Debian package. Its launcher is started on a fresh home, offscreen, and the files it leaves
// and the modules the running program maps are checked.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <memory>
#include <optional>

#include "ui/Help.h"

namespace {

struct ToolRun {
    int exitCode = -1;
    QString output;
};

ToolRun RunTool(const QString& program, const QStringList& arguments,
                const QString& directory = QString()) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!directory.isEmpty()) process.setWorkingDirectory(directory);
    process.start(program, arguments);
    if (!process.waitForFinished(240000)) {
        process.kill();
        process.waitForFinished();
        return {-1, QStringLiteral("timed out: ") + program};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAll())};
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QString Source(const QString& relative) {
    return QStringLiteral(TONNELIX_SOURCE_DIR "/") + relative;
}

// The two installations, made once: `cmake --install` into a prefix, and the package built by
// CPack and unpacked with dpkg-deb. Each is the prefix holding bin/tonnelix, or a reason to skip.
struct Installations {
    QTemporaryDir root;
    QString prefix, prefixError;
    QString debRoot, debFile, debSkip, debError;
};

Installations& Installed() {
    static const std::unique_ptr<Installations> installed = [] {
        auto made = std::make_unique<Installations>();
        const QString top = made->root.path();
        const ToolRun install =
            RunTool(QStringLiteral(TONNELIX_CMAKE),
                    {QStringLiteral("--install"), QStringLiteral(TONNELIX_BINARY_DIR),
                     QStringLiteral("--prefix"), top + QStringLiteral("/prefix")});
        if (install.exitCode == 0)
            made->prefix = top + QStringLiteral("/prefix");
        else
            made->prefixError = install.output;

        for (const char* tool : {"dpkg-deb", "dpkg-shlibdeps"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                made->debSkip += QStringLiteral("%1 is not installed (package dpkg-dev). ")
                                     .arg(QLatin1String(tool));
        if (!made->debSkip.isEmpty()) return made;
        const QString packages = top + QStringLiteral("/packages");
        const ToolRun pack =
            RunTool(QStringLiteral(TONNELIX_CPACK),
                    {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), packages},
                    QStringLiteral(TONNELIX_BINARY_DIR));
        const QStringList debs =
            QDir(packages).entryList({QStringLiteral("tonnelix_*.deb")}, QDir::Files);
        if (pack.exitCode != 0 || debs.size() != 1) {
            made->debError = pack.output;
            return made;
        }
        made->debFile = packages + QLatin1Char('/') + debs.front();
        const ToolRun unpack =
            RunTool(QStringLiteral("dpkg-deb"),
                    {QStringLiteral("-x"), made->debFile, top + QStringLiteral("/deb")});
        if (unpack.exitCode == 0)
            made->debRoot = top + QStringLiteral("/deb/usr");
        else
            made->debError = unpack.output;
        return made;
    }();
    return *installed;
}

// The prefix of the installation of this kind, or a failure or skip of the test.
std::optional<QString> PrefixOf(const QString& kind) {
    Installations& installed = Installed();
    if (kind == QLatin1String("prefix")) {
        if (installed.prefix.isEmpty())
            ADD_FAILURE() << "cmake --install failed:\n" << installed.prefixError.toStdString();
        return installed.prefix.isEmpty() ? std::nullopt : std::optional(installed.prefix);
    }
    if (!installed.debSkip.isEmpty()) return std::nullopt;
    if (installed.debRoot.isEmpty())
        ADD_FAILURE() << "the package was not built or unpacked:\n"
                      << installed.debError.toStdString();
    return installed.debRoot.isEmpty() ? std::nullopt : std::optional(installed.debRoot);
}

#define PREFIX_OR_RETURN(var, kind)                                                                \
    const std::optional<QString> var##Found = PrefixOf(kind);                                      \
    if (!var##Found) {                                                                             \
        if (!Installed().debSkip.isEmpty()) GTEST_SKIP() << Installed().debSkip.toStdString();     \
        return;                                                                                    \
    }                                                                                              \
    const QString var = *var##Found

// The launcher started as from the desktop menu, offscreen, in a fresh home.
class Launch {
public:
    Launch(const QString& prefix, const QString& home,
           const std::map<QString, QString>& variables) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_CONFIG_HOME", "XDG_DATA_HOME",
                                 "LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        for (const auto& [name, value] : variables)
            environment.insert(name, value);
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.setWorkingDirectory(home);
        process_.start(prefix + QStringLiteral("/bin/tonnelix"), {});
        process_.waitForStarted();
    }
    ~Launch() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }

    bool running() { return process_.state() == QProcess::Running; }

    // The files the running program has mapped: its binary, libraries, language modules.
    QString maps() {
        return QString::fromLocal8Bit(
            ReadAll(QStringLiteral("/proc/%1/maps").arg(process_.processId())));
    }
    QString workingDirectory() {
        return QFileInfo(QStringLiteral("/proc/%1/cwd").arg(process_.processId())).symLinkTarget();
    }

    // Waits until the running program maps the module, which it loads once its settings are
    // read and written and its data folder is in place.
    bool waitForModule(const QString& module) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (std::chrono::steady_clock::now() < deadline) {
            if (!running()) return false;
            if (maps().contains(module)) return true;
            process_.waitForReadyRead(100);
        }
        return false;
    }

    QString output() { return QString::fromLocal8Bit(process_.readAll()); }

private:
    QProcess process_;
};

QStringList Listing(const QString& directory) {
    return QDir(directory).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

class InstalledProgram : public ::testing::TestWithParam<QString> {
protected:
    QTemporaryDir home;
};

TEST_P(InstalledProgram, FirstStartInFrenchSeedsTheDefaultFolders) {
    PREFIX_OR_RETURN(prefix, GetParam());
    Launch launch(prefix, home.path(), {{QStringLiteral("LANG"), QStringLiteral("fr_FR.UTF-8")}});
    ASSERT_TRUE(launch.waitForModule(prefix + QStringLiteral("/lib/tonnelix/tonnelix.FRA")))
        << launch.output().toStdString();
    EXPECT_FALSE(launch.maps().contains(QStringLiteral("tonnelix.ENU")));

    const QString data = home.path() + QStringLiteral("/.local/share/Tonnelix");
    EXPECT_EQ(launch.workingDirectory(), data);
    const QStringList files = Listing(data);
    for (const char* shipped : {"fr/Annee.dat", "fr/Apogee.dat", "fr/Vins.dat", "en/Wines.dat"}) {
        const QString name = QFileInfo(QLatin1String(shipped)).fileName();
        EXPECT_TRUE(files.contains(name)) << shipped;
        EXPECT_EQ(ReadAll(data + QLatin1Char('/') + name),
                  ReadAll(Source(QStringLiteral("data/") + QLatin1String(shipped))))
            << shipped;
    }
    for (const char* other : {"Year.dat", "Mature.dat"})
        EXPECT_FALSE(files.contains(QLatin1String(other))) << other;
    // No leftover of a copy; the one hidden file is the folder's lock.
    for (const QString& name : files) {
        if (name != QLatin1String(".tonnelix.lock")) {
            EXPECT_FALSE(name.startsWith(QLatin1Char('.'))) << name.toStdString();
        }
    }

    const QByteArray settings = ReadAll(home.path() + QStringLiteral("/.config/Tonnelix.ini"));
    EXPECT_TRUE(settings.contains("[Options]")) << settings.toStdString();
    EXPECT_TRUE(settings.contains("Language=Fran")) << settings.toStdString();
    EXPECT_TRUE(settings.contains(("Path=" + data).toUtf8())) << settings.toStdString();
}

TEST_P(InstalledProgram, EnglishOfTheSettingsWinsAndNoFileIsReplaced) {
    PREFIX_OR_RETURN(prefix, GetParam());
    const QString config = home.path() + QStringLiteral("/config");
    const QString data = home.path() + QStringLiteral("/data/Tonnelix");
    Write(config + QStringLiteral("/Tonnelix.ini"), "[Options]\r\nLanguage=English\r\n");
    Write(data + QStringLiteral("/Wines.dat"), "my own appellations\r\n");

    Launch launch(prefix, home.path(),
                  {{QStringLiteral("LANG"), QStringLiteral("fr_FR.UTF-8")},
                   {QStringLiteral("XDG_CONFIG_HOME"), config},
                   {QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data")}});
    ASSERT_TRUE(launch.waitForModule(prefix + QStringLiteral("/lib/tonnelix/tonnelix.ENU")))
        << launch.output().toStdString();
    EXPECT_EQ(launch.workingDirectory(), data);

    EXPECT_EQ(ReadAll(data + QStringLiteral("/Wines.dat")), "my own appellations\r\n");
    for (const char* shipped : {"en/Year.dat", "en/Mature.dat", "fr/Vins.dat"}) {
        const QString name = QFileInfo(QLatin1String(shipped)).fileName();
        EXPECT_EQ(ReadAll(data + QLatin1Char('/') + name),
                  ReadAll(Source(QStringLiteral("data/") + QLatin1String(shipped))))
            << shipped;
    }
    EXPECT_FALSE(QFileInfo::exists(data + QStringLiteral("/Annee.dat")));
    EXPECT_TRUE(ReadAll(config + QStringLiteral("/Tonnelix.ini")).contains("Welcome="));
    EXPECT_FALSE(QFileInfo::exists(home.path() + QStringLiteral("/.config")));
}

// The launcher seeds the files of the language the program then starts in, which is French for
// France only.
TEST_P(InstalledProgram, TheSeededFilesAreThoseOfTheLanguageTheProgramStartsIn) {
    PREFIX_OR_RETURN(prefix, GetParam());
    struct Case {
        std::map<QString, QString> variables;
        const char* module;
        const char* chart;
        const char* otherChart;
    };
    const Case cases[] = {
        {{{QStringLiteral("LANG"), QStringLiteral("fr_CA.UTF-8")}}, "tonnelix.ENU", "Year.dat",
         "Annee.dat"},
        {{{QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8")},
          {QStringLiteral("LANGUAGE"), QStringLiteral("fr:en")}},
         "tonnelix.FRA", "Annee.dat", "Year.dat"},
    };
    for (const Case& c : cases) {
        QTemporaryDir fresh;
        Launch launch(prefix, fresh.path(), c.variables);
        ASSERT_TRUE(launch.waitForModule(prefix + QStringLiteral("/lib/tonnelix/") +
                                         QLatin1String(c.module)))
            << c.module << "\n" << launch.output().toStdString();
        const QStringList files = Listing(fresh.path() + QStringLiteral("/.local/share/Tonnelix"));
        EXPECT_TRUE(files.contains(QLatin1String(c.chart))) << c.module;
        EXPECT_FALSE(files.contains(QLatin1String(c.otherChart))) << c.module;
    }
}

// Every file of the folders with its bytes and time stamp.
std::map<QString, std::pair<QByteArray, QDateTime>> Snapshot(const QStringList& folders) {
    std::map<QString, std::pair<QByteArray, QDateTime>> files;
    for (const QString& folder : folders)
        for (const QFileInfo& info :
             QDir(folder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name))
            files[info.filePath()] = {ReadAll(info.filePath()), info.lastModified()};
    return files;
}

// One program per data folder: a start while another runs copies and writes nothing, and once
// the running one is killed the next start is a whole one at once.
TEST_P(InstalledProgram, ASecondStartWhileTheFirstRunsWritesNothing) {
    PREFIX_OR_RETURN(prefix, GetParam());
    const std::map<QString, QString> french{
        {QStringLiteral("LANG"), QStringLiteral("fr_FR.UTF-8")}};
    const QString module = prefix + QStringLiteral("/lib/tonnelix/tonnelix.FRA");
    const QString data = home.path() + QStringLiteral("/.local/share/Tonnelix");
    const QString config = home.path() + QStringLiteral("/.config");
    auto first = std::make_unique<Launch>(prefix, home.path(), french);
    ASSERT_TRUE(first->waitForModule(module)) << first->output().toStdString();

    // What a start that is not refused would bring back: a shipped file and a settings key.
    ASSERT_TRUE(QFile::remove(data + QStringLiteral("/Apogee.dat")));
    Write(config + QStringLiteral("/Tonnelix.ini"), "[Options]\r\nLanguage=Francais\r\n");
    const auto before = Snapshot({data, config});

    {
        Launch second(prefix, home.path(), french);
        // It tells the person, in French, and waits for the box to be closed.
        ASSERT_TRUE(second.waitForModule(module)) << second.output().toStdString();
        EXPECT_TRUE(second.running());
        EXPECT_TRUE(Snapshot({data, config}) == before) << "a file changed";
    }

    first.reset(); // killed: it leaves no lock behind
    Launch third(prefix, home.path(), french);
    ASSERT_TRUE(third.waitForModule(module)) << third.output().toStdString();
    EXPECT_TRUE(QFileInfo::exists(data + QStringLiteral("/Apogee.dat")));
    EXPECT_TRUE(ReadAll(config + QStringLiteral("/Tonnelix.ini")).contains("Welcome="));
}

TEST_P(InstalledProgram, WithoutDisplayTheLauncherSaysSoAndLeavesNothing) {
    PREFIX_OR_RETURN(prefix, GetParam());
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("HOME"), home.path());
    process.setProcessEnvironment(environment);
    process.start(prefix + QStringLiteral("/bin/tonnelix"), {});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("needs a graphical display"));
    EXPECT_TRUE(QDir(home.path())
                    .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden)
                    .isEmpty());
}

// The installed program finds its help pages by its own rule, in both languages.
TEST_P(InstalledProgram, HelpPagesAreFoundFromTheProgramFolder) {
    PREFIX_OR_RETURN(prefix, GetParam());
    const QString help = ui::HelpRootOf(prefix + QStringLiteral("/lib/tonnelix"));
    EXPECT_EQ(help, prefix + QStringLiteral("/share/tonnelix/help"));
    for (const char* page : {"fr/index.html", "en/index.html", "en/007.html"})
        EXPECT_EQ(ReadAll(help + QLatin1Char('/') + QLatin1String(page)),
                  ReadAll(Source(QStringLiteral("help/") + QLatin1String(page))))
            << page;
}

TEST_P(InstalledProgram, DesktopEntryAndMetadataValidate) {
    PREFIX_OR_RETURN(prefix, GetParam());
    const QString desktop = prefix + QStringLiteral("/share/applications/tonnelix.desktop");
    const QString metainfo =
        prefix + QStringLiteral("/share/metainfo/org.tonnelix.tonnelix.metainfo.xml");
    for (const char* icon :
         {"scalable/apps/tonnelix.svg", "48x48/apps/tonnelix.png", "256x256/apps/tonnelix.png"})
        EXPECT_TRUE(QFileInfo::exists(prefix + QStringLiteral("/share/icons/hicolor/") +
                                      QLatin1String(icon)))
            << icon;
    QString missing;
    for (const char* tool : {"desktop-file-validate", "appstreamcli"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            missing += QLatin1String(tool) + QLatin1Char(' ');
    if (!missing.isEmpty())
        GTEST_SKIP() << "not installed: " << missing.toStdString()
                     << "(packages desktop-file-utils, appstream)";
    const ToolRun entry = RunTool(QStringLiteral("desktop-file-validate"), {desktop});
    EXPECT_EQ(entry.exitCode, 0) << entry.output.toStdString();
    EXPECT_TRUE(entry.output.isEmpty()) << entry.output.toStdString();
    const ToolRun appstream = RunTool(QStringLiteral("appstreamcli"),
                                      {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                       QStringLiteral("--pedantic"), metainfo});
    EXPECT_EQ(appstream.exitCode, 0) << appstream.output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Installs, InstalledProgram,
                         ::testing::Values(QStringLiteral("prefix"), QStringLiteral("deb")),
                         [](const auto& info) { return info.param.toStdString(); });

QString Field(const QString& deb, const char* name) {
    return RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QLatin1String(name)})
        .output.trimmed();
}

TEST(DebianPackage, DependsOnTheQtItLinksAndNamesItsMaintainer) {
    PREFIX_OR_RETURN(root, QStringLiteral("deb"));
    const QString deb = Installed().debFile;
    const QString depends = Field(deb, "Depends");
    for (const char* library : {"libc6", "libqt6core6", "libqt6gui6", "libqt6widgets6",
                                "libqt6network6", "libqt6printsupport6"})
        EXPECT_TRUE(depends.contains(QLatin1String(library)))
            << library << " in " << depends.toStdString();
    EXPECT_TRUE(Field(deb, "Maintainer").contains(QLatin1Char('@')));
    EXPECT_FALSE(Field(deb, "Description").isEmpty());
    EXPECT_TRUE(QFileInfo::exists(root + QStringLiteral("/share/doc/tonnelix/copyright")));
    EXPECT_TRUE(QFileInfo::exists(root + QStringLiteral("/share/doc/tonnelix/changelog.gz")));
}

TEST(DebianPackage, LintianFindsNoError) {
    PREFIX_OR_RETURN(root, QStringLiteral("deb"));
    if (QStandardPaths::findExecutable(QStringLiteral("lintian")).isEmpty())
        GTEST_SKIP() << "lintian is not installed (package lintian)";
    const ToolRun lint = RunTool(QStringLiteral("lintian"),
                                 {QStringLiteral("--fail-on"), QStringLiteral("error"),
                                  QStringLiteral("--display-info"), Installed().debFile});
    EXPECT_EQ(lint.exitCode, 0) << lint.output.toStdString();
    EXPECT_FALSE(lint.output.contains(QStringLiteral("E: "))) << lint.output.toStdString();
    // The program is built with the distribution's hardening flags.
#ifndef TONNELIX_SANITIZED
    EXPECT_FALSE(lint.output.contains(QStringLiteral("hardening-"))) << lint.output.toStdString();
#endif
}

// The AppStream release is the package's version, and no address is given that the project
// does not have.
TEST(DebianPackage, MetadataNamesThePackagedRelease) {
    PREFIX_OR_RETURN(root, QStringLiteral("deb"));
    const QString version = Field(Installed().debFile, "Version");
    const QByteArray metainfo =
        ReadAll(root + QStringLiteral("/share/metainfo/org.tonnelix.tonnelix.metainfo.xml"));
    EXPECT_TRUE(metainfo.contains(("<release version=\"" + version + "\" ").toUtf8()))
        << version.toStdString() << "\n" << metainfo.toStdString();
    EXPECT_FALSE(metainfo.contains("http")) << metainfo.toStdString();
    EXPECT_TRUE(Field(Installed().debFile, "Homepage").isEmpty());
}

} // namespace
