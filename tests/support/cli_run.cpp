#include "support/cli_run.h"

#include <sstream>

#include "cli/cli.h"

namespace korvo::test {

CliRun Cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = cli::RunCli(args, out, err);
    return {code, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

}  // namespace korvo::test
