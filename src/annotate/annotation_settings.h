// The annotation drawing-tool state kept from one run to the next.
#pragma once

#include <array>
#include <cstdint>

namespace korvo::annotate {

struct AnnotationSettings {
    // Five values in the order the annotation tools keep them; the second is the
    // tool the mouse handlers are given.
    std::array<std::int32_t, 5> toolState{};

    std::int32_t Tool() const { return toolState[1]; }
};

}  // namespace korvo::annotate
