// Rendering: backgrounds, draw handlers before standard looks, and stacking. How
// each kind of control looks is compared with reference pictures in the dialog
// library's tests.
#include "support.h"

using namespace tk_test;

namespace {

constexpr std::uint32_t kBackground = 0xFFE8E8E8;
const EventTypeSpec kDraw[] = {{kEventClassControl, kEventControlDraw}};

struct Fill {
    double r, g, b;
    OSStatus answer = noErr;
};

// Fills a column 4 pixels wide from the view's top left, far past its bottom, through the event's context.
OSStatus fill_column(EventHandlerCallRef, EventRef event, void* data) {
    const auto* fill = static_cast<Fill*>(data);
    CGContextRef context = nullptr;
    if (GetEventParameter(event, kEventParamCGContextRef, typeCGContextRef, nullptr, sizeof context, nullptr,
                          &context) != noErr)
        return eventInternalErr;
    CGContextSetRGBFillColor(context, fill->r, fill->g, fill->b, 1);
    CGContextFillRect(context, CGRect{{0, 0}, {4, 1000}});
    return fill->answer;
}

// Pixels of a rectangle that differ from the background.
int non_background(const ta::Bitmap& b, int left, int top, int right, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) count += b.at(x, y) != kBackground;
    return count;
}

}  // namespace

// Draw handlers get a context at the view's top left, clipped to the view; a handled draw replaces a
// control's standard look, an unhandled one draws over it; later subviews draw
// above earlier ones, hidden ones not at all.
TEST(Render, DrawHandlersStandardLooksAndStacking) {
    WindowRef w = new_window(kWindowCloseBoxAttribute, {0, 0, 100, 200});
    EXPECT_EQ(ta::renderWindow(w).at(0, 0), 0xFFFFFFFFu);  // plain white until given the dialogs' background
    SetThemeWindowBackground(w, kThemeBrushDialogBackgroundActive, false);
    ControlRef v = pane(w, {20, 30, 60, 90});
    Fill red{1, 0, 0}, blue{0, 0, 1};
    InstallEventHandler(GetControlEventTarget(v), fill_column, 1, kDraw, &red, nullptr);
    const ta::Bitmap b = ta::renderWindow(w);
    EXPECT_EQ((std::array{b.at(30, 20), b.at(33, 59), b.at(34, 24), b.at(29, 20), b.at(33, 60)}),
              (std::array{0xFFFF0000u, 0xFFFF0000u, kBackground, kBackground, kBackground}));
    const Rect r{70, 10, 90, 90};
    ControlRef button = nullptr;
    CreatePushButtonControl(w, &r, Str("Apply"), &button);
    Fill nothing{1, 1, 1, noErr};
    InstallEventHandler(GetControlEventTarget(button), fill_column, 1, kDraw, &nothing, nullptr);
    EXPECT_EQ(non_background(ta::renderWindow(w), 14, 70, 90, 90), 0);
    nothing.answer = eventNotHandledErr;
    EXPECT_GT(non_background(ta::renderWindow(w), 14, 70, 90, 90), 200);

    InstallEventHandler(GetControlEventTarget(pane(w, {20, 30, 60, 90})), fill_column, 1, kDraw, &blue, nullptr);
    EXPECT_EQ(ta::renderWindow(w).at(31, 21), 0xFF0000FFu);
    HIViewAddSubview(ta::rootView(w), v);  // back on top
    EXPECT_EQ(ta::renderWindow(w).at(31, 21), 0xFFFF0000u);
    HideControl(v);
    EXPECT_EQ(ta::renderWindow(w).at(31, 21), 0xFF0000FFu);
    DisposeWindow(w);
}
