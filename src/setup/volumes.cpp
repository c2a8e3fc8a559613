#include "setup/volumes.h"

#include <sys/statvfs.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <limits>
#include <sstream>
#include <system_error>

namespace korvo::setup {

namespace fs = std::filesystem;

namespace {

bool IsOctalDigit(char c) {
    return c >= '0' && c <= '7';
}

// "\040" and the like back into their bytes.
std::string UnescapeMountField(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const bool octal = field[i] == '\\' && i + 3 < field.size() && IsOctalDigit(field[i + 1]) &&
                           IsOctalDigit(field[i + 2]) && IsOctalDigit(field[i + 3]);
        if (octal) {
            out += static_cast<char>(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) |
                                     (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

template <std::size_t N>
bool IsOneOf(std::string_view s, const std::array<std::string_view, N>& names) {
    return std::find(names.begin(), names.end(), s) != names.end();
}

constexpr std::array<std::string_view, 20> kRemoteTypes = {"nfs",
                                                           "nfs4",
                                                           "cifs",
                                                           "smb3",
                                                           "smbfs",
                                                           "ncpfs",
                                                           "afs",
                                                           "9p",
                                                           "ceph",
                                                           "glusterfs",
                                                           "lustre",
                                                           "gpfs",
                                                           "davfs",
                                                           "fuse.sshfs",
                                                           "fuse.rclone",
                                                           "fuse.s3fs",
                                                           "fuse.davfs",
                                                           "fuse.gvfsd-fuse",
                                                           "fuse.glusterfs",
                                                           "fuse.cephfs"};
constexpr std::array<std::string_view, 2> kOpticalTypes = {"iso9660", "udf"};
constexpr std::array<std::string_view, 2> kMemoryTypes = {"tmpfs", "ramfs"};
// Read-only images (snaps, live systems) sit on block devices but are no disk
// anyone installs onto.
constexpr std::array<std::string_view, 3> kImageTypes = {"squashfs", "erofs", "cramfs"};
// Local file systems that name no block device in the table.
constexpr std::array<std::string_view, 4> kDevicelessLocalTypes = {"overlay", "zfs", "bcachefs",
                                                                   "btrfs"};

bool IsRemoteDevice(std::string_view device) {
    return StartsWith(device, "//") || device.find(":/") != std::string_view::npos;
}

bool IsOpticalDevice(std::string_view device) {
    return StartsWith(device, "/dev/sr") || StartsWith(device, "/dev/scd") ||
           StartsWith(device, "/dev/cdrom");
}

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

std::string ReadFirstLine(const fs::path& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

}  // namespace

std::vector<MountEntry> ParseMountTable(std::string_view text) {
    std::vector<MountEntry> mounts;
    std::istringstream lines{std::string(text)};
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint, fsType, options;
        if (!(fields >> device >> mountPoint >> fsType)) continue;
        fields >> options;
        mounts.push_back(MountEntry{UnescapeMountField(device), UnescapeMountField(mountPoint),
                                    fsType, options});
    }
    return mounts;
}

DriveType ClassifyMount(const MountEntry& entry, bool removableDevice) {
    const std::string_view type = entry.fsType;
    if (IsOneOf(type, kRemoteTypes) || IsRemoteDevice(entry.device)) return DriveType::Remote;
    if (IsOneOf(type, kOpticalTypes) || IsOpticalDevice(entry.device)) return DriveType::CdRom;
    if (IsOneOf(type, kMemoryTypes)) return DriveType::RamDisk;
    if (IsOneOf(type, kImageTypes)) return DriveType::Unknown;
    if (StartsWith(entry.device, "/dev/"))
        return removableDevice ? DriveType::Removable : DriveType::Fixed;
    if (IsOneOf(type, kDevicelessLocalTypes)) return DriveType::Fixed;
    return DriveType::Unknown;  // proc, sysfs, cgroup, devpts, autofs, ...
}

std::optional<MountEntry> MountHolding(const std::vector<MountEntry>& mounts,
                                       const fs::path& path) {
    std::optional<MountEntry> best;
    std::size_t bestLength = 0;
    const std::string target = WithoutTrailingSlash(path.lexically_normal().string());
    for (const MountEntry& m : mounts) {
        const std::string point =
            WithoutTrailingSlash(fs::path(m.mountPoint).lexically_normal().string());
        if (point.empty() || point.front() != '/') continue;
        const bool holds = point == "/" || target == point ||
                           (StartsWith(target, point) && target[point.size()] == '/');
        // ">=": a later mount on the same point hides the earlier one.
        if (holds && (!best || point.size() >= bestLength)) {
            best = m;
            bestLength = point.size();
        }
    }
    return best;
}

std::uint64_t FreeMegabytes(const FreeSpace& space) {
    std::uint64_t bytes = 0;
    if (__builtin_mul_overflow(space.availableBlocks, space.blockSize, &bytes))
        bytes = std::numeric_limits<std::uint64_t>::max();
    return bytes / 1000000u;
}

std::vector<MountEntry> SystemVolumes::Mounts() {
    std::ifstream in("/proc/self/mounts");
    std::ostringstream text;
    text << in.rdbuf();
    return ParseMountTable(text.str());
}

bool SystemVolumes::IsRemovableDevice(const std::string& device) {
    std::error_code ec;
    const fs::path node = fs::canonical(device, ec);  // /dev/disk/by-uuid/... to /dev/sdb1
    if (ec) return false;
    const fs::path block = fs::path("/sys/class/block") / node.filename();
    const fs::path sysPath = fs::canonical(block, ec);
    if (ec) return false;
    // A partition's flag sits on its disk, one folder up.
    const fs::path disk = fs::exists(sysPath / "partition", ec) ? sysPath.parent_path() : sysPath;
    if (ReadFirstLine(disk / "removable") == "1") return true;
    return sysPath.string().find("/usb") != std::string::npos;
}

std::optional<FreeSpace> SystemVolumes::FreeSpaceAt(const fs::path& path) {
    struct statvfs info {};
    if (::statvfs(path.c_str(), &info) != 0) return std::nullopt;
    return FreeSpace{static_cast<std::uint64_t>(info.f_bavail),
                     static_cast<std::uint64_t>(info.f_frsize)};
}

}  // namespace korvo::setup
