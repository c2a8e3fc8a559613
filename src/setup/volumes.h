// The file systems the installer may install onto, as the drive dialog offers
// them: the mount table, the kind of disk behind each entry and its free space.
// The queries are an interface so tests can describe any machine exactly.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvo::setup {

// One line of the mount table.
struct MountEntry {
    std::string device;      // "/dev/sda2", "server:/export", "tmpfs"
    std::string mountPoint;  // "/", "/home"
    std::string fsType;      // "ext4", "nfs4", "iso9660"
    std::string options;     // "rw,relatime"
    friend bool operator==(const MountEntry&, const MountEntry&) = default;
};

// Free space as the file system reports it: blocks available to the user and
// the size of one block.
struct FreeSpace {
    std::uint64_t availableBlocks = 0;
    std::uint64_t blockSize = 0;
};

enum class DriveType { Unknown, NoRootDirectory, Removable, Fixed, Remote, CdRom, RamDisk };

class VolumeQueries {
  public:
    virtual ~VolumeQueries() = default;
    // The mount table, in mounting order.
    virtual std::vector<MountEntry> Mounts() = 0;
    // Whether the block device is a removable medium (a stick, a card reader).
    virtual bool IsRemovableDevice(const std::string& device) = 0;
    // Free space of the file system holding `path`; nullopt when it cannot be asked.
    virtual std::optional<FreeSpace> FreeSpaceAt(const std::filesystem::path& path) = 0;
};

// The machine's own mount table (/proc/self/mounts), block devices (sysfs)
// and free space (statvfs).
class SystemVolumes : public VolumeQueries {
  public:
    std::vector<MountEntry> Mounts() override;
    bool IsRemovableDevice(const std::string& device) override;
    std::optional<FreeSpace> FreeSpaceAt(const std::filesystem::path& path) override;
};

// Lines of /proc/self/mounts; blanks and other bytes in the fields come
// octal-escaped ("\040").
std::vector<MountEntry> ParseMountTable(std::string_view text);

// The kind of disk a mount entry stands for.
DriveType ClassifyMount(const MountEntry& entry, bool removableDevice);

// The entry whose mount point holds `path` (the last-mounted of the longest
// match), or nullopt when none does. `path` should be absolute and canonical.
std::optional<MountEntry> MountHolding(const std::vector<MountEntry>& mounts,
                                       const std::filesystem::path& path);

// Free megabytes (decimal, whole) from the file system's figures, computed in
// 64 bits so a disk with more than 4 GB free is counted right.
std::uint64_t FreeMegabytes(const FreeSpace& space);

}  // namespace korvo::setup
