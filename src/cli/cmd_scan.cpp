// scan: the files a scan through a portfolio list opens, step by step.
#include <cstdio>
#include <ostream>

#include "cli/cli.h"
#include "lists/lists.h"

namespace korvo::cli {

namespace {

int RunScan(CliContext& context) {
    const auto listText = context.Option("--list");
    int list = 1;
    char tail = 0;
    if ((listText &&
         (std::sscanf(listText->c_str(), "%d%c", &list, &tail) != 1 || list < 1 || list > 3)) ||
        !context.Args().positional.empty()) {
        context.Err() << "usage: korvo-cli scan [--list 1|2|3] [--step next|previous ...] "
                         "--dir DIR\n";
        return 2;
    }
    lists::ScanPosition scan;
    auto print = [&](const char* step, const lists::ScanStep& found) {
        context.Out() << "step: " << step << "\n"
                      << "index: " << scan.index << "\n"
                      << "file: " << (found.found ? found.path : "") << "\n";
    };
    print("start", lists::StartScan(scan, list - 1, context.Dir()));
    for (const std::string& step : context.Options("--step")) {
        if (step == "next") {
            print("next", lists::NextScanFile(scan, context.Dir(), context.Prompts()));
        } else if (step == "previous") {
            print("previous", lists::PreviousScanFile(scan, context.Dir(), context.Prompts()));
        } else {
            context.Err() << "korvo-cli: --step takes next or previous, not " << step << "\n";
            return 2;
        }
    }
    return 0;
}

Command MakeScanCommand() {
    return Command{
        150,
        "scan",
        "scan [--list 1|2|3] [--step next|previous ...]",
        "a scan (ｽｷｬﾝ) through portfolio list 1, 2 or 3 of --dir: the start, then each --step "
        "as the pop-up's ▼ (next) or ▲ (previous); per step step:, index: (0-based entry shown) "
        "and file: (the data file opened, empty when none); the scan's messages go to standard "
        "error",
        {"--list", "--step"},
        {},
        RunScan};
}

const bool registered = RegisterCommand(MakeScanCommand());

}  // namespace

}  // namespace korvo::cli
