// One dialog with an item of every type, and its popup menu open, rendered and
// compared with reference pictures. The references are rewritten only on
// purpose, with VOXTREL_UPDATE_GOLDEN=1 in the environment, as after a change
// of the font or the renderer.
#include <cstdlib>
#include <tuple>

#include "../../support/pictures.h"
#include "adm_test_support.h"

namespace admtest {
namespace {

constexpr ADMInt32 kMenuId = 9, kFocusedFieldId = 10;

ASErr build_all_items(ADMDialogRef dialog) {
    ADMInt32 id = 0;
    auto text = [&](ADMItemType type, Rect r, const char* s) {
        ADMItemRef item = add(dialog, type, r, ++id);
        ADMItemSuite10::SetText(item, s);
        return item;
    };
    text(kADMTextStaticType, {12, 16, 26, 120}, "Static text");
    ADMItemSuite10::SetFont(text(kADMTextStaticType, {222, 104, 236, 196}, "Courier"), kADMBoldItalicFixedWidthFont);
    // Boxes, buttons, popups and fields take the size of their content, as the dialog builder makes them.
    auto fit = [](ADMItemRef item) {
        ADMPoint best{};
        ADMItemSuite10::GetBestSize(item, &best);
        const Rect size{0, 0, best.v, best.h};
        ADMItemSuite10::SetLocalRect(item, &size);
    };
    fit(text(kADMTextEditType, {34, 16, 47, 96}, "1000"));
    ADMItemRef box = text(kADMTextCheckBoxType, {58, 16, 72, 180}, "Check box");
    ADMItemSuite10::SetBooleanValue(box, true);
    fit(box);
    fit(text(kADMTextRadioButtonType, {80, 16, 94, 180}, "Radio on"));
    fit(text(kADMTextRadioButtonType, {100, 16, 114, 180}, "Radio off"));
    fit(text(kADMTextPushButtonType, {124, 16, 144, 110}, "Apply Twice"));
    for (const auto& [type, top, selected] :
         {std::tuple(kADMPopupListType, SInt16{154}, 0), std::tuple(kADMPopupMenuType, SInt16{180}, 1)}) {
        ADMItemRef popup = add(dialog, type, {top, 16, static_cast<SInt16>(top + 20), 160}, ++id);
        ADMListRef list = ADMItemSuite10::GetList(popup);
        ADMEntrySuite6::SetText(ADMListSuite4::InsertEntry(list, 0), "Camera 1");
        ADMEntrySuite6::SetText(ADMListSuite4::InsertEntry(list, 1), "Camera 2");
        ADMEntrySuite6::Select(ADMListSuite4::IndexEntry(list, selected), true);
        fit(popup);
    }
    add(dialog, kADMPicturePushButtonType, {212, 16, 244, 48});
    add(dialog, kADMPictureStaticType, {212, 60, 244, 92});
    text(kADMTextEditType, {40, 212, 53, 288}, "-31415.92653589793");  // too long to show whole
    // Made last, drawn first: the frame lies behind the field inside it.
    text(kADMFrameType, {4, 200, 244, 300}, "Frame");
    ADMItemSuite10::SetFont(text(kADMTextStaticType, {70, 212, 84, 290}, "Courier"), kADMFixedWidthFont);
    const Rect size{0, 0, 256, 312};
    ADMDialogSuite9::SetLocalRect(dialog, &size);
    return 0;
}

class Golden : public AdmTest {
protected:
    // "" when the window looks as its reference NAME.png; the reference is
    // rewritten instead when asked for.
    std::string compare(WindowRef window, const std::string& name) {
        const std::string reference = std::string(VOXTREL_ADM_GOLDEN_DIR) + "/" + name + ".png";
        const std::string actual = std::string(VOXTREL_ADM_OUTPUT_DIR) + "/" + name + ".actual.png";
        const bool rewrite = std::getenv("VOXTREL_UPDATE_GOLDEN") && *std::getenv("VOXTREL_UPDATE_GOLDEN") == '1';
        if (!tka::writeWindowPng(window, rewrite ? reference : actual)) return "cannot write " + name;
        const std::string difference =
            test_pictures::picture_difference(test_pictures::read_png(reference), test_pictures::read_png(actual));
        return rewrite || difference.empty() ? "" : name + ": " + difference + "; see " + actual;
    }
};

// The dialog with the last character selected in its second edit field, scrolled to keep it in sight, then its popup
// menu opened, with the mouse pressed on the first entry.
TEST_F(Golden, EveryItemTypeInAWindowAndAnOpenMenu) {
    ADMDialogRef dialog = makeWindow(build_all_items);
    ASSERT_NE(dialog, nullptr);
    WindowRef window = from_ref(dialog)->window;
    ADMDialogSuite9::Show(dialog, true);
    ASSERT_TRUE(tka::focus(from_ref(ADMDialogSuite9::GetItem(dialog, kFocusedFieldId))->control));
    tka::pressKey(kLeftArrowCharCode, 0);  // "3", the last character, selected with the caret after it
    tka::pressKey(kRightArrowCharCode, shiftKey);
    EXPECT_EQ(compare(window, "all_items"), "");
    ASSERT_TRUE(tka::openPopup(from_ref(ADMDialogSuite9::GetItem(dialog, kMenuId))->control));
    WindowRef menu = tka::openMenuWindow();
    tka::mouseDown(menu, {10, 0});  // pressed on an entry at its left edge, not yet released
    EXPECT_EQ(compare(menu, "open_menu"), "");
    ADMDialogSuite9::Destroy(dialog);
}

}  // namespace
}  // namespace admtest
