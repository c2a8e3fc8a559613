// expand: the program's file copy, which expands LZ-compressed files.
#include <ostream>

#include "cli/cli.h"
#include "platform/files.h"

namespace korvo::cli {

namespace {

Command MakeExpandCommand() {
    return Command{
        900,
        "expand",
        "expand SOURCE TARGET",
        "copy SOURCE to TARGET as the program copies files: an LZ (SZDD) compressed source is "
        "expanded, any other is copied unchanged; prints the result code (1, -1, -2, -3)",
        {},
        {},
        [](CliContext& context) {
            const auto& p = context.Args().positional;
            if (p.size() != 2) {
                context.Err() << "usage: korvo-cli expand SOURCE TARGET\n";
                return 2;
            }
            const int result = platform::CopyFileExpanding(p[0], p[1]);
            context.Out() << "result: " << result << "\n";
            return result == platform::kCopyOk ? 0 : 1;
        }};
}

const bool registered = RegisterCommand(MakeExpandCommand());

}  // namespace

}  // namespace korvo::cli
