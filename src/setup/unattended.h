// The installation without windows, for scripts and trials: the drive dialog
// is answered with a given root, every message is printed as "[caption] text"
// and questions get the cautious answer.
#pragma once

#include <filesystem>
#include <iosfwd>

#include "setup/setup_session.h"

namespace korvo::setup {

// Runs the installation command once. Returns 0 when the installation finished.
int RunUnattended(const std::filesystem::path& root, const SetupEnvironment& environment,
                  VolumeQueries& volumes, std::ostream& messages);

}  // namespace korvo::setup
