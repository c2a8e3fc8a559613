#include "view/size_commands.h"

#include <array>
#include <cmath>

namespace korvo::view {

namespace {

constexpr std::array<SizeCommand, 16> kSizeCommands = {{
    {3461, true, 0.05f},
    {3462, true, 0.1f},
    {3463, true, 0.15f},
    {3464, true, 0.2f},
    {3465, true, 0.3f},
    {3466, true, 0.5f},
    {34661, true, 0.75f},
    {3467, true, 1.0f},
    {3468, true, 1.5f},
    {3469, true, 2.0f},
    {3470, false, 0.25f},
    {3471, false, 0.5f},
    {34711, false, 0.75f},
    {3472, false, 1.0f},
    {3473, false, 1.5f},
    {3474, false, 2.0f},
}};

void KeepCurrentFactors(ViewState& view) {
    view.savedHorizontalScale = view.horizontalScale;
    view.savedVerticalScale = view.verticalScale;
}

// position x now / before, truncated; a saved factor of 0 (never a size in
// force) leaves the position as it is rather than dividing by it.
std::int32_t Rescale(std::int32_t position, float now, float before) {
    if (!(before > 0.0f)) return position;
    const float scaled = static_cast<float>(position) * now / before;
    if (!std::isfinite(scaled) || std::fabs(scaled) > 2.0e9f) return position;
    return static_cast<std::int32_t>(scaled);
}

}  // namespace

const std::array<SizeCommand, 16>& SizeCommands() {
    return kSizeCommands;
}

std::optional<SizeCommand> FindSizeCommand(int id) {
    for (const SizeCommand& c : kSizeCommands)
        if (c.id == id) return c;
    return std::nullopt;
}

void SetSizeFactor(ViewState& view, const SizeCommand& command) {
    KeepCurrentFactors(view);
    if (command.horizontal) {
        view.horizontalScale = command.factor;
    } else {
        view.verticalScale = command.factor;
        view.keepPositionOnce = true;
    }
}

void SetCustomFactors(ViewState& view, float horizontal, float vertical) {
    KeepCurrentFactors(view);
    view.horizontalScale = horizontal;
    view.verticalScale = vertical;
    view.customHorizontalScale = horizontal;
    view.customVerticalScale = vertical;
}

bool CustomFactorsUsable(const ViewState& view) {
    return view.customHorizontalScale != 0.0f && view.customVerticalScale != 0.0f;
}

float FontVerticalScaleFor(float verticalScale) {
    return verticalScale <= 1.0f ? verticalScale : 1.0f;
}

void ApplySize(ViewState& view, DrawingObjects& objects) {
    view.fontVerticalScale = FontVerticalScaleFor(view.verticalScale);
    RebuildFonts(objects, view.horizontalScale, view.fontVerticalScale);
    view.newDataFlag = true;
    view.savedScrollX = Rescale(view.savedScrollX, view.horizontalScale, view.savedHorizontalScale);
    view.savedScrollY = Rescale(view.savedScrollY, view.verticalScale, view.savedVerticalScale);
}

}  // namespace korvo::view
