// The size menu: the factor each command sets, and what ApplySize makes of
// the fonts and the saved scroll position.
#include "view/size_commands.h"

#include <gtest/gtest.h>

namespace korvo::view {
namespace {

TEST(SizeCommands, EachSetsOneFactorAndKeepsTheOldOnes) {
    struct Row {
        int id;
        bool horizontal;
        float factor;
    };
    const Row rows[] = {
        {3461, true, 0.05f},   {3462, true, 0.1f},  {3463, true, 0.15f},  {3464, true, 0.2f},
        {3465, true, 0.3f},    {3466, true, 0.5f},  {34661, true, 0.75f}, {3467, true, 1.0f},
        {3468, true, 1.5f},    {3469, true, 2.0f},  {3470, false, 0.25f}, {3471, false, 0.5f},
        {34711, false, 0.75f}, {3472, false, 1.0f}, {3473, false, 1.5f},  {3474, false, 2.0f},
    };
    for (const Row& r : rows) {
        const auto command = FindSizeCommand(r.id);
        ASSERT_TRUE(command) << r.id;
        ViewState v;
        v.horizontalScale = 0.4f;
        v.verticalScale = 0.9f;
        SetSizeFactor(v, *command);
        EXPECT_FLOAT_EQ(v.savedHorizontalScale, 0.4f) << r.id;
        EXPECT_FLOAT_EQ(v.savedVerticalScale, 0.9f) << r.id;
        EXPECT_FLOAT_EQ(r.horizontal ? v.horizontalScale : v.verticalScale, r.factor) << r.id;
        EXPECT_FLOAT_EQ(r.horizontal ? v.verticalScale : v.horizontalScale,
                        r.horizontal ? 0.9f : 0.4f)
            << r.id;
        // Only a vertical size keeps the scroll position at the next render.
        EXPECT_EQ(v.keepPositionOnce, !r.horizontal) << r.id;
    }
    EXPECT_FALSE(FindSizeCommand(3475));
    EXPECT_FALSE(FindSizeCommand(886));
    EXPECT_EQ(SizeCommands().size(), std::size(rows));
}

TEST(SizeCommands, ApplySizeBuildsTheFontsAndCarriesTheScrollPositionOver) {
    struct Case {
        const char* name;
        float savedH, savedV, h, v;
        int scrollX, scrollY;
        float fontScale;
        int expectedX, expectedY;
    };
    const Case cases[] = {
        // A vertical size of 150 % builds the fonts for 100 %.
        {"150 % high", 1.0f, 1.0f, 1.0f, 1.5f, 400, 90, 1.0f, 400, 135},
        {"75 % high", 1.0f, 1.0f, 1.0f, 0.75f, 400, 100, 0.75f, 400, 75},
        {"twice as wide", 1.0f, 0.8f, 2.0f, 0.8f, 333, 10, 0.8f, 666, 10},
        {"a fifth as wide truncates", 1.0f, 0.8f, 0.2f, 0.8f, 333, 10, 0.8f, 66, 10},
        {"negative positions truncate toward zero", 1.0f, 1.0f, 0.3f, 1.0f, -50, 0, 1.0f, -15, 0},
        {"a saved factor of 0 leaves the position", 0.0f, 1.0f, 1.0f, 1.0f, 120, 7, 1.0f, 120, 7},
    };
    for (const Case& c : cases) {
        ViewState v;
        v.savedHorizontalScale = c.savedH;
        v.savedVerticalScale = c.savedV;
        v.horizontalScale = c.h;
        v.verticalScale = c.v;
        v.savedScrollX = c.scrollX;
        v.savedScrollY = c.scrollY;
        v.newDataFlag = false;
        DrawingObjects objects;
        ApplySize(v, objects);
        EXPECT_FLOAT_EQ(v.fontVerticalScale, c.fontScale) << c.name;
        DrawingObjects expected;
        CreateFonts(expected, c.h, c.fontScale);
        EXPECT_EQ(objects.fontSize, expected.fontSize) << c.name;
        EXPECT_EQ(objects.scaleFont, expected.scaleFont) << c.name;
        EXPECT_EQ(objects.labelFont, expected.labelFont) << c.name;
        EXPECT_TRUE(v.newDataFlag) << c.name;
        EXPECT_EQ(v.savedScrollX, c.expectedX) << c.name;
        EXPECT_EQ(v.savedScrollY, c.expectedY) << c.name;
    }
    // 150 % and 100 % give the same chart fonts.
    ViewState tall;
    tall.verticalScale = 1.5f;
    DrawingObjects atTall;
    ApplySize(tall, atTall);
    DrawingObjects atFull;
    CreateFonts(atFull, 1.0f, 1.0f);
    EXPECT_EQ(atTall.scaleFont, atFull.scaleFont);
}

TEST(SizeCommands, TheCustomSizeSetsBothFactorsAndIsKept) {
    ViewState v;
    v.horizontalScale = 0.2f;
    v.verticalScale = 0.8f;
    EXPECT_TRUE(CustomFactorsUsable(v));
    SetCustomFactors(v, 1.25f, 0.6f);
    EXPECT_FLOAT_EQ(v.savedHorizontalScale, 0.2f);
    EXPECT_FLOAT_EQ(v.savedVerticalScale, 0.8f);
    EXPECT_FLOAT_EQ(v.horizontalScale, 1.25f);
    EXPECT_FLOAT_EQ(v.verticalScale, 0.6f);
    EXPECT_FLOAT_EQ(v.customHorizontalScale, 1.25f);
    EXPECT_FLOAT_EQ(v.customVerticalScale, 0.6f);
    v.customVerticalScale = 0.0f;
    EXPECT_FALSE(CustomFactorsUsable(v));
}

}  // namespace
}  // namespace korvo::view
