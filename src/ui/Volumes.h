// The removable volumes a backup can go to: USB keys and memory cards mounted under /media or
// /run/media, and any folder the person picks.
#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace ui {

struct Volume {
    QString name; // the last part of the mount point, as the desktop names the volume
    QString mountPoint;
};

// The mounted removable volumes, sorted by name (case aside) then mount point.
std::vector<Volume> RemovableVolumes();

// The volumes of a mount table (the text of /proc/self/mounts) whose block device the kernel
// under `sysBlock` (normally /sys/class/block) reports removable or attached by USB; sorted.
std::vector<Volume> RemovableVolumesOf(const QString& mountTable, const QString& sysBlock);

// A folder dialog; an empty name when the person cancels.
QString AskFolderName(const QString& title, const QString& directory = {});

namespace testing {
// Replaces the volumes of the system; an empty optional returns to them.
void SetRemovableVolumes(std::optional<std::vector<Volume>> volumes);
} // namespace testing

} // namespace ui
