// The files the program ships with: the standard settings and the sample data.
#pragma once

#include <filesystem>

namespace korvo::test {

// resources/korvo.ips of the source tree.
std::filesystem::path ShippedSettings();
// resources/sample/sample.stk of the source tree.
std::filesystem::path ShippedSample();

// A program folder as installed: both copied into `dir` as korvo.ips and sample.stk.
void CopyShippedFiles(const std::filesystem::path& dir);

}  // namespace korvo::test
