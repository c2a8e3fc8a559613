#include "app/alloc.h"

#include <new>

namespace korvo::app {

namespace {

template <class T>
std::unique_ptr<T[]> ZeroFilled(std::int32_t count) {
    if (count < 0) return nullptr;
    // Zero elements still give a block, so a caller's check passes for an empty series.
    const std::size_t n = count == 0 ? 1 : static_cast<std::size_t>(count);
    return std::unique_ptr<T[]>(new (std::nothrow) T[n]());
}

}  // namespace

FloatArray AllocFloatArray(std::int32_t count) {
    return ZeroFilled<float>(count);
}

IntArray AllocIntArray(std::int32_t count) {
    return ZeroFilled<std::int32_t>(count);
}

int CheckAllocation(const void* block, platform::Prompts& prompts) {
    if (block != nullptr) return 0;
    prompts.ShowMessage("エラー！メモリー容量不足", "エラーメッセージ(M0015)",
                        platform::Buttons::Ok, platform::Icon::Stop);
    return 1;
}

}  // namespace korvo::app
