// Dialogs in windows of their own: creation, styles, the title, finding items
// and a destroy proc that destroys again. Every way a dialog ends is checked one
// level up, through the dialog wrappers (tests/common/dialog).

#include <tuple>

#include "adm/detail/dialog_style.h"
#include "adm_test_support.h"

namespace admtest {
namespace {

int _destroyed = 0;

using WindowDialog = AdmTest;

TEST_F(WindowDialog, StartsHidden600By400AtTheOrigin) {
    ADMDialogRef dialog = makeWindow();
    ASSERT_NE(dialog, nullptr);
    WindowRef window = from_ref(dialog)->window;
    Rect bounds{};
    ADMDialogSuite9::GetBoundsRect(dialog, &bounds);
    EXPECT_EQ((std::tuple{bounds, ADMDialogSuite9::IsVisible(dialog), tka::windowVisible(window),
                          tka::hasCloseBox(window), root_of(dialog)}),
              std::tuple(Rect{0, 0, 400, 600}, false, false, true, tka::rootView(window)));

    ADMDialogSuite9::Show(dialog, 2);  // any non-zero byte means true
    EXPECT_EQ((std::tuple{ADMDialogSuite9::IsVisible(dialog), ADMDialogSuite9::IsEnabled(dialog)}),
              std::tuple(true, true));
    ADMDialogSuite9::Show(dialog, false);
    EXPECT_FALSE(ADMDialogSuite9::IsVisible(dialog));
    // The text becomes the window's title, read as Mac Roman (0x8E is e-acute).
    ADMDialogSuite9::SetText(dialog, "Voxtrel \x8E");
    EXPECT_EQ(tka::windowTitle(window), "Voxtrel \xC3\xA9");
    ADMDialogSuite9::Destroy(dialog);
}

TEST_F(WindowDialog, StylesChooseWindowClassAndAttributes) {
    struct Expected {
        ADMDialogStyle style;
        WindowClass windowClass;
        WindowAttributes attributes;
    };
    const Expected table[] = {{0, 4, 0},    {9, 4, 0},     {1, 1, 0},     {8, 1, 0},     {2, 5, 0x9},   {3, 5, 0x9},
                              {14, 5, 0x9}, {4, 5, 0x19},  {5, 5, 0x19},  {15, 5, 0x19}, {6, 5, 0x209}, {13, 5, 0x209},
                              {7, 5, 0x8},  {10, 6, 0x1F}, {11, 5, 0x29}, {12, 5, 0x28}};
    for (const Expected& e : table) {
        WindowKind kind{};
        EXPECT_EQ((std::tuple{window_kind_for_style(e.style, kind), kind.windowClass, kind.attributes}),
                  std::tuple(true, e.windowClass, e.attributes))
            << e.style;
    }
    EXPECT_EQ(kDialogWindowBaseAttributes, 0x2080000u);
    // Unknown styles make no dialog, and no window.
    const std::size_t windows = tka::windows().size();
    for (ADMDialogStyle style : {-1, 16, 1000})
        EXPECT_EQ(ADMDialogSuite9::Create(nullptr, "x", 0, style, nullptr, nullptr, 0), nullptr) << style;
    EXPECT_EQ(tka::windows().size(), windows);
}

TEST_F(WindowDialog, SecondDestroyFromTheDestroyProcDoesNothing) {
    ADMDialogRef dialog = makeWindow([](ADMDialogRef d) -> ASErr {
        // Like a wrapper whose destructor asks the suite to destroy its dialog again.
        ADMDialogSuite9::SetDestroyProc(d, [](ADMDialogRef self) {
            ++_destroyed;
            ADMDialogSuite9::Destroy(self);
        });
        return 0;
    });
    _destroyed = 0;
    ADMDialogSuite9::Destroy(dialog);
    EXPECT_EQ(_destroyed, 1);
}

TEST_F(WindowDialog, ItemsAreFoundByIdAndInCreationOrder) {
    ADMDialogRef dialog = makeWindow();
    ADMItemRef a = add(dialog, kADMTextPushButtonType, {0, 0, 20, 80}, 5);
    ADMItemRef b = add(dialog, kADMTextPushButtonType, {0, 0, 20, 80}, 6);
    ADMItemRef c = add(dialog, kADMTextPushButtonType, {0, 0, 20, 80}, 5);
    EXPECT_EQ(
        (std::vector<ADMItemRef>{ADMDialogSuite9::GetItem(dialog, 5), ADMDialogSuite9::GetItem(dialog, 6),
                                 ADMDialogSuite9::GetItem(dialog, -1), ADMDialogSuite9::GetNextItem(dialog, a),
                                 ADMDialogSuite9::GetNextItem(dialog, b), ADMDialogSuite9::GetNextItem(dialog, c)}),
        (std::vector<ADMItemRef>{a, b, nullptr, b, c, nullptr}));
    ADMDialogSuite9::Destroy(dialog);
}

}  // namespace
}  // namespace admtest
