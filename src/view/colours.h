// The program's colours: the fixed 16-colour palette, the element colours the
// user picks from the colour menu, their standard and monochrome sets, and the
// custom colours offered by the colour picker.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string_view>

#include "platform/canvas.h"
#include "platform/prompts.h"

namespace korvo::view {

using platform::Colour;

inline constexpr int kPaletteSize = 16;
using Palette = std::array<Colour, kPaletteSize>;

// The palette every run starts with.
Palette BasicPalette();
// The palette put back after a monochrome print: as the basic one except entry
// 10, which becomes 0x80FF80.
Palette RebuiltPalette();
// The picker's custom colours: a grey ramp from 0xFFFFFF down to 0x0F0F0F.
platform::CustomColours PickerCustomColours();

// Element numbers, as the colour commands and the settings file know them.
inline constexpr int kNoElement = -1;

// The element colours. Values are stored exactly as picked or read, a flag byte
// on top included (the standard title-text and element-11 colours carry one);
// only drawing drops it.
struct ColourTable {
    Palette palette = BasicPalette();
    Colour lines = 0xFFFF00;           // element 1
    Colour risingBars = 0x00FF00;      // element 2
    Colour fallingBars = 0x0000FF;     // element 3
    Colour frame = 0x808080;           // element 4
    Colour grid = 0x808080;            // element 5
    Colour titleText = 0x20202009;     // element 6
    Colour dateText = 0xFFFFFF;        // element 7
    Colour scaleText = 0x00FF00;       // element 8
    Colour priceArea = 0x800000;       // element 9
    Colour annotation = 0x00FFFF;      // element 10
    Colour element11 = 0x20093032;     // element 11, drawn by nothing
    Colour graphArea = 0x5B005B;       // element 12
    Colour movingAverage1 = 0x00FF00;  // element 13
    Colour movingAverage2 = 0xFF00FF;  // element 14
    Colour bollinger = 0x00FFFF;       // element 31
    Colour volumeAverage = 0x00FFFF;   // element 32
    Colour element33 = 0x00FFFF;       // elements 33-36: pens no chart draws with
    Colour element34 = 0x00FFFF;
    Colour element35 = 0x00FFFF;
    Colour element36 = 0x00FFFF;

    // The picker's custom colours; the user may change them in the dialog and the
    // changes last for the run.
    platform::CustomColours custom = PickerCustomColours();
    // The element whose colour command is being carried out (kNoElement when none).
    int pendingElement = kNoElement;
};

// One element colour: where it lives, which command picks it, its two sets.
struct ColourElementInfo {
    int element;
    int command;  // 0: no menu command
    Colour ColourTable::*member;
    Colour standard;
    Colour monochrome;
    std::string_view name;
};

// Every element colour, in element order.
const std::array<ColourElementInfo, 20>& ColourElements();
// The element a colour command picks (7000 -> 1, ..., 7192 -> 32).
std::optional<int> ElementForColourCommand(int command);
// The colour of an element, nullptr for a number that is no element.
Colour* ElementColour(ColourTable& colours, int element);
const Colour* ElementColour(const ColourTable& colours, int element);

struct DrawingObjects;

// The colour picker for one element: black preset and the custom colours. On OK
// the element takes the colour and the pens and brushes are rebuilt; on cancel
// nothing changes. Either way no element is pending afterwards. Returns whether
// the colour changed.
bool PickColour(platform::Prompts& prompts, ColourTable& colours, DrawingObjects& objects,
                int element);

// The standard colour set (colour command 7190). The caller rebuilds the pens
// and brushes (command 100).
void StandardColours(ColourTable& colours);

// Black and white for a monochrome print: saveSettings is called first so the
// user's colours can be read back afterwards; then all palette entries become
// black, the elements take the monochrome set and the pens and brushes are rebuilt.
void MonochromeColours(ColourTable& colours, DrawingObjects& objects,
                       const std::function<void()>& saveSettings);

// Back to the user's colours after a monochrome print: the pens and brushes are
// deleted, the palette rebuilt, readSettings brings back the element colours, and
// the pens and brushes are created again.
void RestoreColours(ColourTable& colours, DrawingObjects& objects,
                    const std::function<void()>& readSettings);

}  // namespace korvo::view
