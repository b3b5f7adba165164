#include "ui/Volumes.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

#include "ui/Dialogs.h"

namespace ui {

namespace {

std::optional<std::vector<Volume>>& Override() {
    static std::optional<std::vector<Volume>> volumes;
    return volumes;
}

// The mount table writes blanks, tabs, new lines and backslashes of a path as octal escapes.
QString Unescaped(const QByteArray& field) {
    QByteArray out;
    out.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' &&
            field[i + 1] <= '3') {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out += static_cast<char>(code);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return QFile::decodeName(out);
}

bool IsUnderMedia(const QString& mountPoint) {
    return mountPoint.startsWith(QLatin1String("/media/")) ||
           mountPoint.startsWith(QLatin1String("/run/media/"));
}

QString ReadFlag(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(file.readAll()).trimmed();
}

// A partition carries no removable flag of its own: the disk that holds it does.
bool IsRemovableDevice(const QString& device, const QString& sysBlock) {
    const QString name = QFileInfo(device).fileName();
    if (name.isEmpty()) return false;
    const QFileInfo entry(sysBlock + QLatin1Char('/') + name);
    if (!entry.exists()) return false;
    const QString real = entry.canonicalFilePath();
    for (const QString& dir : {real, QFileInfo(real).absolutePath()}) {
        if (ReadFlag(dir + QStringLiteral("/removable")) == QLatin1String("1")) return true;
    }
    // Many USB keys and card readers call themselves fixed disks; the bus tells the truth.
    return real.contains(QLatin1String("/usb"));
}

} // namespace

std::vector<Volume> RemovableVolumesOf(const QString& mountTable, const QString& sysBlock) {
    std::vector<Volume> volumes;
    for (const QString& line : mountTable.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QList<QByteArray> fields = line.toUtf8().split(' ');
        if (fields.size() < 2 || !fields[0].startsWith("/dev/")) continue;
        const QString mountPoint = Unescaped(fields[1]);
        if (!IsUnderMedia(mountPoint)) continue;
        QString device = Unescaped(fields[0]);
        const QString resolved = QFileInfo(device).canonicalFilePath(); // /dev/disk/by-* links
        if (!resolved.isEmpty()) device = resolved;
        if (!IsRemovableDevice(device, sysBlock)) continue;
        const bool known = std::any_of(volumes.begin(), volumes.end(),
                                       [&](const Volume& v) { return v.mountPoint == mountPoint; });
        if (!known) volumes.push_back({QFileInfo(mountPoint).fileName(), mountPoint});
    }
    std::sort(volumes.begin(), volumes.end(), [](const Volume& a, const Volume& b) {
        const int byName = a.name.compare(b.name, Qt::CaseInsensitive);
        return byName != 0 ? byName < 0 : a.mountPoint < b.mountPoint;
    });
    return volumes;
}

std::vector<Volume> RemovableVolumes() {
    if (Override()) return *Override();
    QFile table(QStringLiteral("/proc/self/mounts"));
    if (!table.open(QIODevice::ReadOnly)) return {};
    return RemovableVolumesOf(QString::fromUtf8(table.readAll()),
                              QStringLiteral("/sys/class/block"));
}

QString AskFolderName(const QString& title, const QString& directory) {
    if (auto* recorder = testing::ActiveRecorder()) {
        recorder->record({testing::BoxKind::OpenFile, title, QStringLiteral("folder")});
        return recorder->nextFileName();
    }
    return QFileDialog::getExistingDirectory(DialogParent(), title, directory);
}

namespace testing {
void SetRemovableVolumes(std::optional<std::vector<Volume>> volumes) {
    Override() = std::move(volumes);
}
} // namespace testing

} // namespace ui
