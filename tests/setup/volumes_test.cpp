#include "setup/volumes.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace korvo::setup {
namespace {

TEST(MountTable, ReadsTheFieldsAndTheirOctalEscapes) {
    const auto mounts = ParseMountTable(
        "/dev/vda / ext4 rw,relatime 0 0\n"
        "/dev/sdb1 /media/user/My\\040Disk vfat rw,nosuid 0 0\n"
        "server:/export /mnt/a\\134b\\011c nfs4 rw 0 0\n"
        "\n"
        "broken-line-with-two fields\n"
        "tmpfs /run tmpfs rw\n");
    ASSERT_EQ(mounts.size(), 4u);
    EXPECT_EQ(mounts[0], (MountEntry{"/dev/vda", "/", "ext4", "rw,relatime"}));
    EXPECT_EQ(mounts[1].mountPoint, "/media/user/My Disk");
    EXPECT_EQ(mounts[2].mountPoint, "/mnt/a\\b\tc");
    EXPECT_EQ(mounts[3], (MountEntry{"tmpfs", "/run", "tmpfs", "rw"}));
}

TEST(MountTable, EachKindOfFileSystemIsTheRightKindOfDisk) {
    struct Case {
        MountEntry entry;
        bool removable;
        DriveType expected;
    };
    const Case cases[] = {
        {{"/dev/sda2", "/", "ext4", ""}, false, DriveType::Fixed},
        {{"/dev/nvme0n1p3", "/home", "btrfs", ""}, false, DriveType::Fixed},
        {{"/dev/mapper/vg-data", "/data", "xfs", ""}, false, DriveType::Fixed},
        {{"/dev/sda3", "/win", "fuseblk", ""}, false, DriveType::Fixed},
        {{"overlay", "/", "overlay", ""}, false, DriveType::Fixed},
        {{"tank/home", "/tank", "zfs", ""}, false, DriveType::Fixed},
        {{"/dev/sdb1", "/media/stick", "vfat", ""}, true, DriveType::Removable},
        {{"/dev/sdc1", "/media/card", "exfat", ""}, true, DriveType::Removable},
        {{"/dev/sr0", "/media/cdrom", "iso9660", ""}, false, DriveType::CdRom},
        {{"/dev/sr1", "/media/dvd", "udf", ""}, true, DriveType::CdRom},
        {{"server:/export", "/mnt/nfs", "nfs4", ""}, false, DriveType::Remote},
        {{"//server/share", "/mnt/smb", "cifs", ""}, false, DriveType::Remote},
        {{"user@host:", "/mnt/ssh", "fuse.sshfs", ""}, false, DriveType::Remote},
        {{"tmpfs", "/tmp", "tmpfs", ""}, false, DriveType::RamDisk},
        {{"/dev/loop3", "/snap/core/1", "squashfs", ""}, false, DriveType::Unknown},
        {{"proc", "/proc", "proc", ""}, false, DriveType::Unknown},
        {{"sysfs", "/sys", "sysfs", ""}, false, DriveType::Unknown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry.mountPoint + " " + c.entry.fsType);
        EXPECT_EQ(ClassifyMount(c.entry, c.removable), c.expected);
    }
}

TEST(MountTable, APathBelongsToTheLongestMountPointThatHoldsIt) {
    const std::vector<MountEntry> mounts = {
        {"/dev/sda1", "/", "ext4", ""},
        {"/dev/sda2", "/home", "ext4", ""},
        {"server:/x", "/home/user/net", "nfs", ""},
        {"/dev/sdb1", "/media/stick", "vfat", ""},
        {"/dev/sdc1", "/media/stick", "ext4", ""},  // mounted over the first
    };
    struct Case {
        const char* path;
        const char* device;
    };
    const Case cases[] = {
        {"/", "/dev/sda1"},
        {"/usr/share", "/dev/sda1"},
        {"/home", "/dev/sda2"},
        {"/home/", "/dev/sda2"},
        {"/home/user", "/dev/sda2"},
        {"/homer", "/dev/sda1"},
        {"/home/user/net/file", "server:/x"},
        {"/home/user/network", "/dev/sda2"},
        {"/media/stick/a", "/dev/sdc1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const auto mount = MountHolding(mounts, c.path);
        ASSERT_TRUE(mount.has_value());
        EXPECT_EQ(mount->device, c.device);
    }
    EXPECT_FALSE(MountHolding({{"/dev/sda2", "/home", "ext4", ""}}, "/usr").has_value());
}

TEST(FreeSpace, WholeDecimalMegabytesWithoutOverflow) {
    struct Case {
        const char* what;
        FreeSpace space;
        std::uint64_t megabytes;
    };
    const Case cases[] = {
        {"exactly 30 MB", {234375, 128}, 30},
        {"29.9 MB", {934375, 32}, 29},
        {"one byte short of 30 MB", {29999999, 1}, 29},
        // 2^32 + 10 MB: a 32-bit product would wrap round to 10 MB.
        {"more than 4 GB", {1051017, 4096}, 4304},
        {"a 16 TB disk", {4000000000ull, 4096}, 16384000},
        {"figures whose product overflows", {~0ull, 4096}, 18446744073709ull},
        {"nothing free", {0, 4096}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FreeMegabytes(c.space), c.megabytes);
    }
}

}  // namespace
}  // namespace korvo::setup
