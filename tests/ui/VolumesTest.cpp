// Which mounted volumes a backup may go to: removable or USB disks mounted under /media.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ui/Volumes.h"

namespace {

// A block device of a fake /sys: its directory under devices, its removable flag, and the
// link of /sys/class/block that names it.
void AddDevice(const QString& root, const QString& path, const QString& removable) {
    QDir().mkpath(root + "/devices/" + path);
    const QString disk = root + "/devices/" + path.section('/', 0, -2);
    QFile flag(disk + "/removable");
    if (!removable.isEmpty() && flag.open(QIODevice::WriteOnly)) flag.write(removable.toLatin1());
    QDir().mkpath(root + "/block");
    QFile::link(root + "/devices/" + path, root + "/block/" + path.section('/', -1));
}

TEST(VolumesTest, OnlyRemovableDisksMountedUnderMediaAreOffered) {
    QTemporaryDir sys;
    const QString root = sys.path();
    AddDevice(root, "virtual/sdb/sdb1", "1");
    AddDevice(root, "virtual/sdb/sdb2", "1");
    AddDevice(root, "ata/sda/sda1", "0");
    AddDevice(root, "pci/usb1/1-1/host/sdc/sdc1", "0"); // a card reader calling itself fixed
    const QString table = "/dev/sdb1 /media/u/KEY vfat rw 0 0\n"
                          "/dev/sda1 /media/u/DISK ext4 rw 0 0\n"
                          "/dev/sdc1 /run/media/u/My\\040Card vfat rw 0 0\n"
                          "/dev/sdb1 /mnt/key vfat rw 0 0\n"
                          "tmpfs /media/u/tmp tmpfs rw 0 0\n"
                          "/dev/sdd1 /media/u/Unknown vfat rw 0 0\n"
                          "/dev/sdb2 /media/u/alpha vfat rw 0 0\n"
                          "/dev/sdb1 /media/u/KEY vfat rw 0 0\n";
    QStringList shown;
    for (const ui::Volume& v : ui::RemovableVolumesOf(table, root + "/block"))
        shown << v.name + "=" + v.mountPoint;
    EXPECT_EQ(shown.join(QLatin1Char(' ')).toStdString(),
              "alpha=/media/u/alpha KEY=/media/u/KEY My Card=/run/media/u/My Card");
}

TEST(VolumesTest, TestsGiveTheirOwnVolumes) {
    ui::testing::SetRemovableVolumes(std::vector<ui::Volume>{{"KEY", "/tmp/key"}});
    ASSERT_EQ(ui::RemovableVolumes().size(), 1u);
    EXPECT_EQ(ui::RemovableVolumes()[0].mountPoint, "/tmp/key");
    ui::testing::SetRemovableVolumes(std::nullopt);
}

} // namespace
