// Work arrays for one operation: zero-filled blocks of 4-byte elements that
// the caller owns and frees before it returns, and the check every caller
// makes right after taking one.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/prompts.h"

namespace korvo::app {

using FloatArray = std::unique_ptr<float[]>;
using IntArray = std::unique_ptr<std::int32_t[]>;

// A zero-filled block of `count` 32-bit floats, or nothing when memory is
// short or the count is negative.
FloatArray AllocFloatArray(std::int32_t count);
// The same with 32-bit integers.
IntArray AllocIntArray(std::int32_t count);

// 0 when the block is there. Otherwise "エラー！メモリー容量不足" under
// "エラーメッセージ(M0015)" with the stop icon, and 1: the caller gives up the
// operation without drawing.
int CheckAllocation(const void* block, platform::Prompts& prompts);

}  // namespace korvo::app
