#include "view/colours.h"

#include <gtest/gtest.h>

#include "platform/scripted_prompts.h"
#include "view/drawing_objects.h"

namespace korvo::view {
namespace {

TEST(Colours, PaletteAndPickerCustomColours) {
    const Palette basic = BasicPalette();
    EXPECT_EQ(basic[0], 0x000000u);
    EXPECT_EQ(basic[4], 0x0000FFu);  // red
    EXPECT_EQ(basic[6], 0x00FFFFu);  // yellow
    EXPECT_EQ(basic[10], 0x80FF00u);
    EXPECT_EQ(basic[15], 0xFFFFFFu);
    const Palette rebuilt = RebuiltPalette();
    for (int i = 0; i < kPaletteSize; ++i) {
        EXPECT_EQ(rebuilt[i], i == 10 ? 0x80FF80u : basic[i]) << i;
    }
    const auto custom = PickerCustomColours();
    EXPECT_EQ(custom[0], 0xFFFFFFu);
    EXPECT_EQ(custom[1], 0xEFEFEFu);
    EXPECT_EQ(custom[8], 0x7F7F7Fu);
    EXPECT_EQ(custom[15], 0x0F0F0Fu);
}

TEST(Colours, StandardSetGivesTheChartItsColours) {
    ColourTable colours;
    for (const auto& info : ColourElements())
        colours.*info.member = 0x123456;
    colours.pendingElement = 9;
    StandardColours(colours);
    EXPECT_EQ(colours.risingBars, 0x00FF00u);   // green rising bars
    EXPECT_EQ(colours.fallingBars, 0x0000FFu);  // red falling bars
    EXPECT_EQ(colours.priceArea, 0x800000u);    // navy price area
    EXPECT_EQ(colours.graphArea, 0x5B005Bu);    // dark purple graph area
    EXPECT_EQ(colours.titleText, 0x20202009u);  // flag byte kept as given
    EXPECT_EQ(colours.element11, 0x20093032u);
    EXPECT_EQ(colours.movingAverage2, 0xFF00FFu);
    EXPECT_EQ(colours.element36, 0x00FFFFu);
    EXPECT_EQ(colours.pendingElement, kNoElement);
    // A fresh table already holds the standard set.
    ColourTable fresh;
    for (const auto& info : ColourElements()) {
        EXPECT_EQ(colours.*info.member, fresh.*info.member) << info.name;
    }
}

TEST(Colours, ColourCommandsPickTheirElements) {
    const std::pair<int, std::optional<int>> cases[] = {
        {7000, 1},
        {7010, 2},
        {7020, 3},
        {7030, 4},
        {7040, 5},
        {7050, 6},
        {7060, 7},
        {7070, 8},
        {7080, 9},
        {7090, 10},
        {7140, 12},
        {7150, 14},
        {7160, 13},
        {7191, 31},
        {7192, 32},
        {7190, std::nullopt},
        {7100, std::nullopt},
        {0, std::nullopt},
    };
    for (const auto& [command, element] : cases) {
        EXPECT_EQ(ElementForColourCommand(command), element) << command;
    }
    ColourTable colours;
    EXPECT_EQ(ElementColour(colours, 13), &colours.movingAverage1);
    EXPECT_EQ(ElementColour(colours, 36), &colours.element36);
    EXPECT_EQ(ElementColour(colours, 15), nullptr);
    EXPECT_EQ(ElementColour(colours, kNoElement), nullptr);
}

TEST(Colours, PickerChangesOnlyOnOk) {
    ColourTable colours;
    DrawingObjects objects;
    CreatePensAndBrushes(objects, colours);
    platform::ScriptedPrompts prompts;

    // Cancel: the element, the pens and the chart stay as they were.
    colours.pendingElement = 2;
    prompts.QueueColour(std::nullopt);
    EXPECT_FALSE(PickColour(prompts, colours, objects, 2));
    EXPECT_EQ(colours.risingBars, 0x00FF00u);
    EXPECT_EQ(objects.upBarBrush.colour, 0x00FF00u);
    EXPECT_EQ(objects.penGeneration, 1);
    EXPECT_EQ(colours.pendingElement, kNoElement);

    // OK: the element takes the colour and the pens and brushes are made again.
    colours.pendingElement = 2;
    prompts.QueueColour(0x112233u);
    EXPECT_TRUE(PickColour(prompts, colours, objects, 2));
    EXPECT_EQ(colours.risingBars, 0x112233u);
    EXPECT_EQ(objects.upBarBrush.colour, 0x112233u);
    EXPECT_EQ(objects.upBarPen3.colour, 0x112233u);
    EXPECT_EQ(objects.upBarPen10.colour, 0x112233u);
    EXPECT_EQ(objects.penGeneration, 2);
    EXPECT_EQ(colours.pendingElement, kNoElement);
    // The dialog opens with black preset each time.
    EXPECT_EQ(prompts.ColourPresets(), (std::vector<platform::Colour>{0, 0}));

    // A number that is no element opens nothing.
    colours.pendingElement = 20;
    EXPECT_FALSE(PickColour(prompts, colours, objects, 20));
    EXPECT_EQ(prompts.ColourPresets().size(), 2u);
    EXPECT_EQ(colours.pendingElement, kNoElement);
}

// Prompts whose user edits a custom colour in the dialog and then cancels.
class EditingPrompts : public platform::ScriptedPrompts {
  public:
    std::optional<platform::Colour> PickColour(platform::Colour preset,
                                               platform::CustomColours& custom) override {
        seen = custom;
        custom[3] = 0x0000AA;
        return ScriptedPrompts::PickColour(preset, custom);
    }
    platform::CustomColours seen{};
};

TEST(Colours, CustomColoursAreOfferedAndKeptForTheRun) {
    ColourTable colours;
    DrawingObjects objects;
    EditingPrompts prompts;
    PickColour(prompts, colours, objects, 1);
    EXPECT_EQ(prompts.seen, PickerCustomColours());
    EXPECT_EQ(colours.custom[3], 0x0000AAu);
    EXPECT_EQ(colours.lines, 0xFFFF00u);
}

TEST(Colours, MonochromePrintAndBack) {
    ColourTable colours;
    colours.risingBars = 0x0A0B0C;
    colours.priceArea = 0x336699;
    DrawingObjects objects;
    CreatePensAndBrushes(objects, colours);

    // The user's colours are saved before anything turns black.
    ColourTable saved;
    MonochromeColours(colours, objects, [&] { saved = colours; });
    EXPECT_EQ(saved.risingBars, 0x0A0B0Cu);
    EXPECT_EQ(saved.palette, BasicPalette());
    for (int i = 0; i < kPaletteSize; ++i) {
        EXPECT_EQ(colours.palette[i], 0u);
        EXPECT_EQ(objects.palettePen[i].colour, 0u);
    }
    EXPECT_EQ(colours.risingBars, 0x404040u);
    EXPECT_EQ(colours.priceArea, 0xFFFFFFu);
    EXPECT_EQ(colours.graphArea, 0xFFFFFFu);
    EXPECT_EQ(colours.element11, 0xFFFFFFu);
    EXPECT_EQ(colours.lines, 0u);
    EXPECT_EQ(objects.upBarBrush.colour, 0x404040u);
    EXPECT_EQ(objects.priceAreaBrush.colour, 0xFFFFFFu);

    // Back: the pens are released before the settings are read again, and made after.
    bool pensWhileReading = true;
    RestoreColours(colours, objects, [&] {
        pensWhileReading = objects.pensCreated;
        colours.risingBars = saved.risingBars;
        colours.priceArea = saved.priceArea;
    });
    EXPECT_FALSE(pensWhileReading);
    EXPECT_TRUE(objects.pensCreated);
    EXPECT_EQ(colours.palette[10], 0x80FF80u);
    EXPECT_EQ(objects.paletteBrush[10].colour, 0x80FF80u);
    EXPECT_EQ(objects.palettePen[4].colour, 0x0000FFu);
    EXPECT_EQ(objects.upBarBrush.colour, 0x0A0B0Cu);
    EXPECT_EQ(objects.priceAreaBrush.colour, 0x336699u);
}

}  // namespace
}  // namespace korvo::view
