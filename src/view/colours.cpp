#include "view/colours.h"

#include "view/drawing_objects.h"

namespace korvo::view {

Palette BasicPalette() {
    return {0x000000, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0x808080,
            0x404040, 0xFF8000, 0x80FF00, 0x808000, 0x8080FF, 0x0080FF, 0x008080, 0xFFFFFF};
}

Palette RebuiltPalette() {
    Palette palette = BasicPalette();
    palette[10] = 0x80FF80;
    return palette;
}

platform::CustomColours PickerCustomColours() {
    platform::CustomColours custom{};
    Colour grey = 0xFFFFFF;
    for (Colour& c : custom) {
        c = grey;
        grey -= 0x101010;
    }
    return custom;
}

const std::array<ColourElementInfo, 20>& ColourElements() {
    static const std::array<ColourElementInfo, 20> elements = {{
        {1, 7000, &ColourTable::lines, 0xFFFF00, 0x000000, "lines"},
        {2, 7010, &ColourTable::risingBars, 0x00FF00, 0x404040, "risingBars"},
        {3, 7020, &ColourTable::fallingBars, 0x0000FF, 0x000000, "fallingBars"},
        {4, 7030, &ColourTable::frame, 0x808080, 0x000000, "frame"},
        {5, 7040, &ColourTable::grid, 0x808080, 0x000000, "grid"},
        {6, 7050, &ColourTable::titleText, 0x20202009, 0x000000, "titleText"},
        {7, 7060, &ColourTable::dateText, 0xFFFFFF, 0x000000, "dateText"},
        {8, 7070, &ColourTable::scaleText, 0x00FF00, 0x000000, "scaleText"},
        {9, 7080, &ColourTable::priceArea, 0x800000, 0xFFFFFF, "priceArea"},
        {10, 7090, &ColourTable::annotation, 0x00FFFF, 0x000000, "annotation"},
        {11, 0, &ColourTable::element11, 0x20093032, 0xFFFFFF, "element11"},
        {12, 7140, &ColourTable::graphArea, 0x5B005B, 0xFFFFFF, "graphArea"},
        {13, 7160, &ColourTable::movingAverage1, 0x00FF00, 0x000000, "movingAverage1"},
        {14, 7150, &ColourTable::movingAverage2, 0xFF00FF, 0x000000, "movingAverage2"},
        {31, 7191, &ColourTable::bollinger, 0x00FFFF, 0x000000, "bollinger"},
        {32, 7192, &ColourTable::volumeAverage, 0x00FFFF, 0x000000, "volumeAverage"},
        {33, 0, &ColourTable::element33, 0x00FFFF, 0x000000, "element33"},
        {34, 0, &ColourTable::element34, 0x00FFFF, 0x000000, "element34"},
        {35, 0, &ColourTable::element35, 0x00FFFF, 0x000000, "element35"},
        {36, 0, &ColourTable::element36, 0x00FFFF, 0x000000, "element36"},
    }};
    return elements;
}

std::optional<int> ElementForColourCommand(int command) {
    for (const auto& info : ColourElements()) {
        if (info.command != 0 && info.command == command) return info.element;
    }
    return std::nullopt;
}

const Colour* ElementColour(const ColourTable& colours, int element) {
    for (const auto& info : ColourElements()) {
        if (info.element == element) return &(colours.*info.member);
    }
    return nullptr;
}

Colour* ElementColour(ColourTable& colours, int element) {
    return const_cast<Colour*>(ElementColour(static_cast<const ColourTable&>(colours), element));
}

bool PickColour(platform::Prompts& prompts, ColourTable& colours, DrawingObjects& objects,
                int element) {
    Colour* target = ElementColour(colours, element);
    colours.pendingElement = kNoElement;
    if (target == nullptr) return false;
    const std::optional<Colour> chosen = prompts.PickColour(0x000000, colours.custom);
    if (!chosen) return false;
    *target = *chosen;
    RebuildPensAndBrushes(objects, colours);
    return true;
}

void StandardColours(ColourTable& colours) {
    for (const auto& info : ColourElements())
        colours.*info.member = info.standard;
    colours.pendingElement = kNoElement;
}

void MonochromeColours(ColourTable& colours, DrawingObjects& objects,
                       const std::function<void()>& saveSettings) {
    if (saveSettings) saveSettings();
    colours.palette.fill(0x000000);
    for (const auto& info : ColourElements())
        colours.*info.member = info.monochrome;
    RebuildPensAndBrushes(objects, colours);
}

void RestoreColours(ColourTable& colours, DrawingObjects& objects,
                    const std::function<void()>& readSettings) {
    DeletePensAndBrushes(objects);
    colours.palette = RebuiltPalette();
    if (readSettings) readSettings();
    CreatePensAndBrushes(objects, colours);
}

}  // namespace korvo::view
