// Starting outside programs: the user's text editor on a data file, the browser
// on the program's local pages. Never through a shell: arguments go as a vector.
#pragma once

#include <string>
#include <vector>

namespace korvo::platform {

class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts `program` with `arguments`, detached. False when it could not be started.
    virtual bool StartProgram(const std::string& program,
                              const std::vector<std::string>& arguments) = 0;
    // Opens a local HTML page in the user's browser.
    virtual bool OpenLocalPage(const std::string& path) = 0;
    // Full path of a program found on the search path, or empty.
    virtual std::string FindProgram(const std::string& name) = 0;
};

// Remembers what it was asked to start; for tests and the headless tool.
class RecordingLauncher : public Launcher {
public:
    struct Start {
        std::string program;
        std::vector<std::string> arguments;
    };
    bool StartProgram(const std::string& program,
                      const std::vector<std::string>& arguments) override {
        starts.push_back({program, arguments});
        return startSucceeds;
    }
    bool OpenLocalPage(const std::string& path) override {
        pages.push_back(path);
        return startSucceeds;
    }
    std::string FindProgram(const std::string& name) override {
        for (const auto& known : knownPrograms) {
            if (known.size() >= name.size() &&
                known.compare(known.size() - name.size(), name.size(), name) == 0)
                return known;
        }
        return {};
    }

    std::vector<Start> starts;
    std::vector<std::string> pages;
    std::vector<std::string> knownPrograms;
    bool startSucceeds = true;
};

}  // namespace korvo::platform
