#include "lists/scan.h"

namespace korvo::lists {

namespace {

ScanStep Read(const ScanPosition& scan, const std::filesystem::path& startDirectory, int& result) {
    ScanStep step;
    result = ReadListEntry(startDirectory / scan.listFile, scan.index, step.path);
    step.found = result == 1;
    return step;
}

void Say(platform::Prompts& prompts, const char* text) {
    prompts.ShowMessage(text, kScanCaption, platform::Buttons::Ok, platform::Icon::None);
}

// Reads the entry at the scan's index; past the end says so and goes back to
// the entry that was shown before.
ScanStep ReadOrFinish(ScanPosition& scan, const std::filesystem::path& startDirectory,
                      platform::Prompts& prompts, int shownBefore) {
    int result = 0;
    ScanStep step = Read(scan, startDirectory, result);
    if (!step.found) {
        if (result == -3) Say(prompts, kScanFinishedText);
        scan.index = shownBefore;
    }
    return step;
}

}  // namespace

ScanStep StartScan(ScanPosition& scan, int list, const std::filesystem::path& startDirectory) {
    scan.listFile = PortfolioListName(list);
    scan.index = 0;
    int result = 0;
    return Read(scan, startDirectory, result);
}

ScanStep NextScanFile(ScanPosition& scan, const std::filesystem::path& startDirectory,
                      platform::Prompts& prompts) {
    const int shown = scan.index;
    ++scan.index;
    return ReadOrFinish(scan, startDirectory, prompts, shown);
}

ScanStep PreviousScanFile(ScanPosition& scan, const std::filesystem::path& startDirectory,
                          platform::Prompts& prompts) {
    --scan.index;
    if (scan.index < 0) {
        Say(prompts, kScanAtStartText);
        scan.index = 0;
    }
    // A list that shrank meanwhile: each "▲" comes one entry nearer its end.
    return ReadOrFinish(scan, startDirectory, prompts, scan.index);
}

}  // namespace korvo::lists
