#include "indicators/signal_files.h"

#include "platform/files.h"

namespace korvo::indicators {

void DeleteSignalFiles(const std::filesystem::path& startDirectory, const SignalWritten& written) {
    for (int i = 0; i < kSignalFileCount; ++i) {
        if (written.flags[static_cast<std::size_t>(i)])
            platform::RemoveFileQuietly(startDirectory / kSignalFileNames[static_cast<std::size_t>(i)]);
    }
}

}  // namespace korvo::indicators
