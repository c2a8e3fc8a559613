// Where an indicator that records its buy and sell points writes its file.
#pragma once

#include <filesystem>

#include "indicators/signal_files.h"

namespace korvo::indicators {

struct SignalOutput {
    std::filesystem::path startDirectory;
    SignalWritten& written;
};

}  // namespace korvo::indicators
