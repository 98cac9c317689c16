// Text dimensions from the real font and the best sizes of controls.
#include <gtest/gtest.h>

#include "support.h"

using namespace tk_test;

namespace {

Point measure(const char* text, ThemeFontID font, SInt16 wrap = 0) {
    Point size{0, wrap};
    GetThemeTextDimensions(Str(text), font, kThemeStateActive, wrap > 0, &size, nullptr);
    return size;
}

int width(const Rect& r) { return r.right - r.left; }
int height(const Rect& r) { return r.bottom - r.top; }

}  // namespace

TEST(TextMetrics, DimensionsArePlausibleAndWrappingStacksLines) {
    const Point apply = measure("Apply", kThemeMiniSystemFont);
    EXPECT_GT(apply.h, 15);
    EXPECT_LT(apply.h, 50);
    EXPECT_GE(apply.v, 9);
    EXPECT_LE(apply.v, 16);
    // Wider text is wider; a bigger font is bigger; narrow letters are narrower.
    EXPECT_GT(measure("Apply Apply", kThemeMiniSystemFont).h, apply.h);
    EXPECT_GT(measure("Apply", kThemeSystemFont).h, apply.h);
    EXPECT_LT(measure("iiiii", kThemeMiniSystemFont).h, measure("WWWWW", kThemeMiniSystemFont).h);
    EXPECT_EQ(measure("", kThemeMiniSystemFont).h, 0);
    const char* text = "Crop Text Layers To Size Of Other 3D Layers";
    const Point line = measure(text, kThemeMiniSystemFont);
    const Point wrapped = measure(text, kThemeMiniSystemFont, static_cast<SInt16>(line.h / 2));
    EXPECT_LE(wrapped.h, line.h / 2);
    EXPECT_GE(wrapped.v, 2 * line.v);
    SInt16 baseline = 0;
    Point size{0, 0};
    GetThemeTextDimensions(Str("g"), kThemeMiniSystemFont, kThemeStateActive, false, &size, &baseline);
    EXPECT_LT(baseline, 0);  // the baseline sits above the bottom
}

TEST(TextMetrics, CheckBoxBestWidthIsBoxGapAndTitle) {
    const Rect r{5, 7, 18, 67};
    ControlRef check = nullptr, bare = nullptr;
    CreateCheckBoxControl(nullptr, &r, Str("Random"), 0, true, &check);
    CreateCheckBoxControl(nullptr, &r, nullptr, 0, true, &bare);
    Rect best{}, bareBest{};
    SInt16 baseline = 0;
    ASSERT_EQ(GetBestControlRect(check, &best, &baseline), noErr);
    GetBestControlRect(bare, &bareBest, nullptr);
    EXPECT_EQ(best.top, 5);
    EXPECT_EQ(best.left, 7);
    EXPECT_EQ(width(bareBest), height(bareBest));  // just the square box
    const Point title = measure("Random", kThemeSystemFont);
    EXPECT_GT(width(best), width(bareBest) + title.h);
    EXPECT_LE(width(best), width(bareBest) + title.h + 8);
    EXPECT_GT(baseline, 0);
    DisposeControl(check);
    DisposeControl(bare);
}

TEST(TextMetrics, BestSizesOfTextsAndButtonsFollowTheirFont) {
    const Rect r{0, 0, 13, 10};
    ControlFontStyleRec mini{};
    mini.flags = kControlUseFontMask;
    mini.font = kControlFontMiniSystemFont;
    ControlRef label = nullptr, button = nullptr;
    CreateStaticTextControl(nullptr, &r, Str("Cube Dimensions"), &mini, &label);
    CreatePushButtonControl(nullptr, &r, Str("Apply"), &button);
    Rect best{};
    GetBestControlRect(label, &best, nullptr);
    const Point text = measure("Cube Dimensions", kThemeMiniSystemFont);
    EXPECT_EQ(width(best), text.h);
    EXPECT_EQ(height(best), text.v);
    GetBestControlRect(button, &best, nullptr);
    EXPECT_GT(width(best), measure("Apply", kThemeSystemFont).h);
    EXPECT_GE(height(best), 15);
    DisposeControl(label);
    DisposeControl(button);
}
