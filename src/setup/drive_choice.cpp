#include "setup/drive_choice.h"

#include <algorithm>
#include <system_error>

#include "setup/setup_texts.h"

namespace korvo::setup {

namespace fs = std::filesystem;

namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// "~" and "~/..." name the home folder, as in a shell.
fs::path Expanded(const std::string& text, const fs::path& home) {
    if (!home.empty() && (text == "~" || text.rfind("~/", 0) == 0))
        return home / fs::path(text.substr(std::min<std::size_t>(2, text.size())));
    return fs::path(text);
}

fs::path CanonicalOrSelf(const fs::path& path) {
    std::error_code ec;
    fs::path canonical = fs::canonical(path, ec);
    return ec ? path : canonical;
}

}  // namespace

DriveChoice::DriveChoice(VolumeQueries& volumes, platform::Prompts& prompts, fs::path home,
                         fs::path currentDirectory)
    : volumes_(volumes),
      prompts_(prompts),
      home_(home.empty() ? home : CanonicalOrSelf(home)),
      currentDirectory_(CanonicalOrSelf(currentDirectory)),
      mounts_(volumes.Mounts()) {}

std::string DriveChoice::RootOf(const MountEntry& mount) const {
    if (!home_.empty()) {
        const auto homeMount = MountHolding(mounts_, home_);
        if (homeMount && homeMount->mountPoint == mount.mountPoint) return home_.string();
    }
    return mount.mountPoint;
}

std::string DriveChoice::InitialText() const {
    const auto mount = MountHolding(mounts_, currentDirectory_);
    return mount ? RootOf(*mount) : currentDirectory_.string();
}

std::vector<std::string> DriveChoice::Choices() const {
    std::vector<std::string> roots;
    for (const MountEntry& m : mounts_) {
        // A later mount on the same point hides the earlier one.
        if (MountHolding(mounts_, m.mountPoint) != m) continue;
        if (ClassifyMount(m, volumes_.IsRemovableDevice(m.device)) != DriveType::Fixed) continue;
        const std::string root = RootOf(m);
        if (std::find(roots.begin(), roots.end(), root) == roots.end()) roots.push_back(root);
    }
    return roots;
}

DriveType DriveChoice::TypeOf(const fs::path& path) const {
    const auto mount = MountHolding(mounts_, path);
    if (!mount) return DriveType::NoRootDirectory;
    return ClassifyMount(*mount, volumes_.IsRemovableDevice(mount->device));
}

void DriveChoice::Tell(const std::string& text, const char* caption) {
    prompts_.ShowMessage(text, caption, platform::Buttons::Ok, platform::Icon::None);
}

std::optional<fs::path> DriveChoice::Accept(const std::string& text) {
    const std::string typed = Trimmed(text);
    const fs::path path = Expanded(typed, home_);
    std::error_code ec;
    if (typed.empty() || !path.is_absolute() || !fs::is_directory(path, ec)) {
        Tell(FillIn(kDriveMissing, typed), kDriveMissingCaption);
        return std::nullopt;
    }
    const fs::path root = CanonicalOrSelf(path);
    if (TypeOf(root) != DriveType::Fixed) {
        Tell(kWrongDiskType, kWrongDiskTypeCaption);
        return std::nullopt;
    }
    const auto space = volumes_.FreeSpaceAt(root);
    if (!space || FreeMegabytes(*space) < kRequiredMegabytes) {
        Tell(kDiskFull, kErrorCaption);
        return std::nullopt;
    }
    return root;
}

}  // namespace korvo::setup
