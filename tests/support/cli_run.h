// korvo-cli run in-process: its exit code and what it printed.
#pragma once

#include <string>
#include <vector>

namespace korvo::test {

struct CliRun {
    int code = 0;
    std::string out;
    std::string err;
};

// Runs the command line (without the program name) as korvo-cli would.
CliRun Cli(const std::vector<std::string>& args);

// The lines of a text, without their newlines.
std::vector<std::string> Lines(const std::string& text);

}  // namespace korvo::test
