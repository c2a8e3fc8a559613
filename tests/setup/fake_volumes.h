// A machine described exactly: its mount table, which devices are removable
// and the free space of each mount point.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "setup/volumes.h"

namespace korvo::setup::test {

class FakeVolumes : public VolumeQueries {
  public:
    void Mount(std::string device, std::string mountPoint, std::string fsType,
               FreeSpace space = {1000000, 4096}) {
        free_[mountPoint] = space;
        mounts_.push_back(
            MountEntry{std::move(device), std::move(mountPoint), std::move(fsType), "rw,relatime"});
    }
    void MarkRemovable(const std::string& device) { removable_.insert(device); }

    std::vector<MountEntry> Mounts() override { return mounts_; }
    bool IsRemovableDevice(const std::string& device) override {
        return removable_.count(device) > 0;
    }
    std::optional<FreeSpace> FreeSpaceAt(const std::filesystem::path& path) override {
        const auto mount = MountHolding(mounts_, path);
        if (!mount) return std::nullopt;
        return free_.at(mount->mountPoint);
    }

  private:
    std::vector<MountEntry> mounts_;
    std::set<std::string> removable_;
    std::map<std::string, FreeSpace> free_;
};

}  // namespace korvo::setup::test
