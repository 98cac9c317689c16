// The distribution dialog as Init builds it: every control with its id, kind,
// place, text, initial value and range, and the dialog's own size and state.
#include <string>

#include "mainDlg_support.h"

using namespace main_dlg_test;

namespace {

// What a control must look like. Places read top, left, height, width; for
// static texts and check boxes only the top-left corner is checked.
struct Expected {
    int id;
    const char* kind;
    const char* text;
    SInt16 top, left, height, width;
    float value = 0;  // edit fields: initial value; check boxes: 1 checked
    float min = 0, max = 0;
};

constexpr float kBig = 10000000.0f;

// clang-format off
const Expected _table[] = {
    {3, "push button", "Apply", 205, 434, 20, 58},
    {0, "static text", "X", 36, 14, 0, 0},
    {0, "static text", "Y", 36, 110, 0, 0},
    {0, "static text", "Z", 36, 205, 0, 0},
    {210, "edit text", "1000", 34, 29, 20, 75, 1000, 0.1f, kBig},
    {211, "edit text", "1000", 34, 125, 20, 75, 1000, 0.1f, kBig},
    {212, "edit text", "1000", 34, 220, 20, 75, 1000, 0.1f, kBig},
    {1100, "static text", "X", 101, 14, 0, 0},
    {1101, "static text", "Y", 101, 110, 0, 0},
    {1102, "static text", "Z", 101, 205, 0, 0},
    {515, "edit text", "0", 99, 29, 20, 75, 0, -kBig, kBig},
    {516, "edit text", "0", 99, 125, 20, 75, 0, -kBig, kBig},
    {517, "edit text", "0", 99, 220, 20, 75, 0, -kBig, kBig},
    {216, "check box", "Distribute Randomly", 120, 29, 18, 130, 1},
    {239, "static text", "X axis", 178, 24, 0, 0},
    {224, "static text", "Min", 170, 60, 0, 0},
    {225, "static text", "Max", 190, 60, 0, 0},
    {223, "static text", "Increment", 168, 200, 0, 0},
    {220, "edit text", "50", 168, 90, 20, 75, 50, -kBig, kBig},
    {221, "edit text", "50", 188, 90, 20, 75, 50, -kBig, kBig},
    {222, "edit text", "0", 182, 200, 20, 75, 0, -kBig, kBig},
    {240, "static text", "Y axis", 228, 24, 0, 0},
    {230, "static text", "Min", 220, 60, 0, 0},
    {231, "static text", "Max", 240, 60, 0, 0},
    {229, "static text", "Increment", 218, 200, 0, 0},
    {226, "edit text", "50", 218, 90, 20, 75, 50, -kBig, kBig},
    {227, "edit text", "50", 238, 90, 20, 75, 50, -kBig, kBig},
    {228, "edit text", "0", 232, 200, 20, 75, 0, -kBig, kBig},
    {241, "static text", "Z axis", 278, 24, 0, 0},
    {236, "static text", "Min", 270, 60, 0, 0},
    {237, "static text", "Max", 290, 60, 0, 0},
    {235, "static text", "Increment", 268, 200, 0, 0},
    {232, "edit text", "50", 268, 90, 20, 75, 50, -kBig, kBig},
    {233, "edit text", "50", 288, 90, 20, 75, 50, -kBig, kBig},
    {234, "edit text", "0", 282, 200, 20, 75, 0, -kBig, kBig},
    {504, "check box", "Don't Change Orientation", 101, 324, 17, 165, 1},
    {503, "check box", "Towards Camera", 37, 324, 17, 127, 0},
    {505, "check box", "Random", 80, 324, 17, 127, 0},
    {500, "check box", "XY", 0, 0, 0, 0, 0},
    {501, "check box", "XZ", 0, 0, 0, 0, 0},
    {502, "check box", "YZ", 0, 0, 0, 0, 0},
    {510, "popup button", "", 57, 342, 19, 140},
    {527, "check box", "Scale Layers To Fit", 200, 324, 18, 135, 0},
    {520, "check box", "Reverse Layers Order", 220, 324, 18, 154, 0},
    {521, "check box", "Random Layer Selection", 240, 324, 18, 160, 0},
    {522, "check box", "Use Comp Center", 260, 324, 18, 135, 1},
    {528, "check box", "Repeat Layers", 155, 25, 18, 100, 0},
    {529, "edit text", "1", 153, 125, 20, 50, 1, 1, 10000},
    {523, "check box", "Repeat Sequentially", 155, 200, 18, 135, 0},
    {524, "check box", "Position", 109, 25, 17, 70, 0},
    {525, "check box", "Orientation", 109, 100, 17, 100, 0},
    {526, "check box", "Scale", 109, 200, 17, 50, 0},
    {531, "check box", "Crop Text Layers To Size Of Other 3D Layers", 185, 25, 17, 320, 1},
    {1103, "group box", "Starting Value", 75, 7, 70, 299},
    {238, "group box", "Distance", 150, 7, 167, 299},
    {0, "group box", "Cube Dimensions", 10, 7, 60, 299},
    {0, "group box", "Layer Orientation", 10, 315, 124, 177},
    {0, "group box", "Options", 140, 7, 40, 485},
    {0, "group box", "Insert Keys", 94, 7, 40, 299},
    {530, "static text", "Voxtrel v1.3.2          ", 214, 8, 0, 0},
};
// clang-format on

HIViewRef view_of(ADMItemRef item) { return from_ref(item)->control ? from_ref(item)->control : from_ref(item)->label; }

std::vector<ADMItemRef> items_in_order(ADMDialogRef dialog) {
    std::vector<ADMItemRef> items;
    for (ADMItemRef item = ADMDialogSuite9::GetItem(dialog, 3); item; item = ADMDialogSuite9::GetNextItem(dialog, item))
        items.push_back(item);
    return items;
}

class MainDlgLayout : public MainDlgTest {
protected:
    void SetUp() override { build(); }
};

}  // namespace

TEST_F(MainDlgLayout, DialogIsHiddenCentredAndTitled) {
    ADMDialogRef dialog = dlg->GetDialogRef();
    EXPECT_FALSE(ADMDialogSuite9::IsVisible(dialog));
    Rect const bounds = tk::automation::windowBounds(dlg->window());
    EXPECT_EQ(bounds.bottom - bounds.top, 235);
    EXPECT_EQ(bounds.right - bounds.left, 501);
    EXPECT_EQ(bounds.left, 469);
    EXPECT_EQ(bounds.top, 332);
    EXPECT_EQ(tk::automation::windowTitle(dlg->window()), "Voxtrel");
    EXPECT_TRUE(dlg->is_distributor());
}

// Static texts and check boxes take their best size (the version line is sized
// before its font is changed); edit fields are one line high and clamp to
// their range.
TEST_F(MainDlgLayout, EveryControlInOrderWithItsIdKindTextPlaceAndValue) {
    std::vector<ADMItemRef> const items = items_in_order(dlg->GetDialogRef());
    ASSERT_EQ(items.size(), std::size(_table));
    for (std::size_t i = 0; i < items.size(); ++i) {
        Expected const& e = _table[i];
        ADMItemRef item = items[i];
        SCOPED_TRACE(std::string("control ") + std::to_string(i) + " \"" + e.text + "\"");
        EXPECT_EQ(ADMItemSuite10::GetID(item), e.id);
        EXPECT_EQ(tk::automation::kindName(view_of(item)), e.kind);
        EXPECT_EQ(tk::automation::text(view_of(item)), e.text);
        ADMRect bounds{};
        ADMItemSuite10::GetBoundsRect(item, &bounds);
        EXPECT_EQ(bounds.top, e.top);
        EXPECT_EQ(bounds.left, e.left);
        std::string const kind = e.kind;
        if (kind == "push button" || kind == "popup button" || kind == "group box") {
            EXPECT_EQ(bounds.bottom, e.top + e.height);
            EXPECT_EQ(bounds.right, e.left + e.width);
        } else if (kind == "edit text") {
            EXPECT_EQ(bounds.bottom, e.top + 13);
            EXPECT_EQ(bounds.right, e.left + e.width);
            EXPECT_FLOAT_EQ(ADMItemSuite10::GetFloatValue(item), e.value);
            ADMItemSuite10::SetText(item, "-1e30");
            EXPECT_FLOAT_EQ(ADMItemSuite10::GetFloatValue(item), e.min);
            ADMItemSuite10::SetText(item, "1e30");
            EXPECT_FLOAT_EQ(ADMItemSuite10::GetFloatValue(item), e.max);
        } else if (e.id != 530) {
            ADMPoint best{};
            ADMItemSuite10::GetBestSize(item, &best);
            EXPECT_EQ(bounds.bottom - bounds.top, best.v);
            EXPECT_EQ(bounds.right - bounds.left, best.h);
        }
        if (kind == "check box") {
            EXPECT_EQ(ADMItemSuite10::GetBooleanValue(item) != 0, e.value != 0);
        }
    }
}

TEST_F(MainDlgLayout, VersionLineIsSizedInThePlainFontThenMadeBold) {
    ADMItemRef line = dlg->item(530);
    CFStringRef text = CFStringCreateWithCString(nullptr, "Voxtrel v1.3.2          ", kCFStringEncodingMacRoman);
    Point plain{0, 0};
    SInt16 baseline = 0;
    GetThemeTextDimensions(text, kThemeMiniSystemFont, kThemeStateActive, false, &plain, &baseline);
    CFRelease(text);
    ADMRect bounds{};
    ADMItemSuite10::GetBoundsRect(line, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, plain.h);
    // In bold the same text needs more room than it was given.
    ADMPoint best{};
    ADMItemSuite10::GetBestSize(line, &best);
    EXPECT_GT(best.h, plain.h);
}

TEST_F(MainDlgLayout, CreatedAgainTheControlsStartOverFromTheirInitialValues) {
    dlg->type(210, "250");
    dlg->check(504, false);
    ADMDialogSuite9::Destroy(dlg->GetDialogRef());
    ASSERT_EQ(dlg->GetDialogRef(), nullptr);
    ASSERT_NE(dlg->Create(nullptr, "QX_Voxtrel v1.3", 0, kADMTabbedFloatingDialogStyle, 0), nullptr);
    EXPECT_FLOAT_EQ(ADMItemSuite10::GetFloatValue(dlg->item(210)), 1000.0f);
    EXPECT_TRUE(ADMItemSuite10::GetBooleanValue(dlg->item(504)));
    EXPECT_EQ(items_in_order(dlg->GetDialogRef()).size(), std::size(_table));
}
