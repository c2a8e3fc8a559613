// The drive dialog's logic: which file systems it offers, and the checks its
// OK button makes before the installation may go on. A file system is offered
// by its root: the user's home folder for the file system that holds it (the
// place on that disk the user may write), else its mount point.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/prompts.h"
#include "setup/volumes.h"

namespace korvo::setup {

// Below this many free (decimal) megabytes a disk is refused.
inline constexpr std::uint64_t kRequiredMegabytes = 30;

class DriveChoice {
  public:
    // `home` may be empty; `currentDirectory` is the folder the installer runs in.
    DriveChoice(VolumeQueries& volumes, platform::Prompts& prompts, std::filesystem::path home,
                std::filesystem::path currentDirectory);

    // The drive box's text on opening: the root of the file system the
    // installer runs on.
    std::string InitialText() const;
    // The roots of every local fixed-disk file system, in mounting order.
    std::vector<std::string> Choices() const;
    // OK pressed with `text` in the drive box: the installation root, or
    // nullopt after the refusal's message (the dialog stays open).
    std::optional<std::filesystem::path> Accept(const std::string& text);

  private:
    std::string RootOf(const MountEntry& mount) const;
    DriveType TypeOf(const std::filesystem::path& path) const;
    void Tell(const std::string& text, const char* caption);

    VolumeQueries& volumes_;
    platform::Prompts& prompts_;
    std::filesystem::path home_;
    std::filesystem::path currentDirectory_;
    std::vector<MountEntry> mounts_;
};

}  // namespace korvo::setup
