// The size menu: each command sets one size factor (or both, for the custom
// size), and ApplySize then rebuilds the fonts for the new size and carries
// the saved scroll position over to it.
#pragma once

#include <array>
#include <optional>

#include "view/drawing_objects.h"
#include "view/view_state.h"

namespace korvo::view {

struct SizeCommand {
    int id;
    bool horizontal;  // which factor the command sets
    float factor;
};

// The fixed sizes of the size menu (3461-3474, 34661, 34711).
const std::array<SizeCommand, 16>& SizeCommands();
std::optional<SizeCommand> FindSizeCommand(int id);

// Keeps the current factors as the saved ones and sets the command's factor;
// a vertical size keeps the scroll position at the next render.
void SetSizeFactor(ViewState& view, const SizeCommand& command);
// The custom size: keeps the current factors, sets both and remembers them as
// the custom factors.
void SetCustomFactors(ViewState& view, float horizontal, float vertical);
// Whether the custom factors can be applied directly (neither is 0).
bool CustomFactorsUsable(const ViewState& view);

// The vertical factor the chart fonts are made for: at most 1.0.
float FontVerticalScaleFor(float verticalScale);

// After every size command: the fonts for the new size, a jump to the newest
// data at the next render (unless a vertical size keeps the position), and the
// saved scroll position rescaled from the saved factors to the new ones. The
// caller then redraws the chart.
void ApplySize(ViewState& view, DrawingObjects& objects);

}  // namespace korvo::view
