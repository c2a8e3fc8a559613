// Builds LZ "SZDD" compressed files for the tests: a small greedy compressor
// over the format's 4096-byte window (filled with blanks, writing from 4080).
#pragma once

#include <string>
#include <string_view>

namespace korvo::test {

// useBackReferences = false writes every byte as a literal.
std::string SzddCompress(std::string_view data, bool useBackReferences);

}  // namespace korvo::test
