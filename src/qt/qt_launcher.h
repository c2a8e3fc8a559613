// Starting outside programs through Qt: detached processes with an argument
// vector, and the desktop's browser for local pages.
#pragma once

#include "platform/launcher.h"

namespace korvo::qt {

class QtLauncher : public platform::Launcher {
public:
    bool StartProgram(const std::string& program,
                      const std::vector<std::string>& arguments) override;
    bool OpenLocalPage(const std::string& path) override;
    std::string FindProgram(const std::string& name) override;
};

}  // namespace korvo::qt
