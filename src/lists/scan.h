// Scanning a portfolio list file by file: the start takes the first entry, the
// pop-up's "▼" and "▲" the next and the previous one.
#pragma once

#include <filesystem>
#include <string>

#include "lists/lists_state.h"
#include "platform/prompts.h"

namespace korvo::lists {

inline constexpr const char* kScanFinishedText = "データファイル完了";
inline constexpr const char* kScanAtStartText = "データファイル初頭　";
inline constexpr const char* kScanCaption = "メッセージ";

// What a step found: the data file to open, when there is one.
struct ScanStep {
    bool found = false;
    std::string path;
};

// Starts a scan of the list (0 to 2) at its first entry.
ScanStep StartScan(ScanPosition& scan, int list, const std::filesystem::path& startDirectory);

// The next entry. Past the last one says the data files are finished and stays
// on the entry shown, so "▲" then goes to the one before it.
ScanStep NextScanFile(ScanPosition& scan, const std::filesystem::path& startDirectory,
                      platform::Prompts& prompts);

// The entry before. Before the first one says so and takes the first.
ScanStep PreviousScanFile(ScanPosition& scan, const std::filesystem::path& startDirectory,
                          platform::Prompts& prompts);

}  // namespace korvo::lists
