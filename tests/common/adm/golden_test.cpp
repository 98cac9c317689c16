// One dialog with an item of every type, rendered and compared with a reference
// picture. The reference is rewritten only on purpose, with
// VOXTREL_UPDATE_GOLDEN=1 in the environment.
//
// Tolerance: text is antialiased, and glyph edges may come out a little
// differently with another font build, so a pixel counts as different only when
// one of its channels is off by more than 48, and up to 1% of the pixels may be
// different.
#include <cstdlib>

#include "../../support/pictures.h"
#include "adm_test_support.h"

namespace admtest {
namespace {

constexpr int kChannelTolerance = 48;

ASErr build_all_items(ADMDialogRef dialog) {
    ADMInt32 id = 0;
    auto text = [&](ADMItemType type, Rect r, const char* s) {
        ADMItemRef item = add(dialog, type, r, ++id);
        ADMItemSuite10::SetText(item, s);
        return item;
    };
    text(kADMTextStaticType, {12, 16, 26, 120}, "Static text");
    text(kADMTextEditType, {34, 16, 47, 96}, "1000");
    // Boxes and buttons take the size of their text, as the dialog builder makes them.
    auto fit = [](ADMItemRef item) {
        ADMPoint best{};
        ADMItemSuite10::GetBestSize(item, &best);
        const Rect size{0, 0, best.v, best.h};
        ADMItemSuite10::SetLocalRect(item, &size);
    };
    ADMItemRef box = text(kADMTextCheckBoxType, {58, 16, 72, 180}, "Check box");
    ADMItemSuite10::SetBooleanValue(box, true);
    fit(box);
    fit(text(kADMTextRadioButtonType, {80, 16, 94, 180}, "Radio on"));
    fit(text(kADMTextRadioButtonType, {100, 16, 114, 180}, "Radio off"));
    text(kADMTextPushButtonType, {124, 16, 144, 110}, "Apply");
    const struct {
        ADMItemType type;
        SInt16 top;
        int selected;
    } popups[] = {{kADMPopupListType, 154, 0}, {kADMPopupMenuType, 180, 1}};
    for (const auto& p : popups) {
        ADMItemRef popup = add(dialog, p.type, {p.top, 16, static_cast<SInt16>(p.top + 20), 160}, ++id);
        ADMListRef list = ADMItemSuite10::GetList(popup);
        ADMEntrySuite6::SetText(ADMListSuite4::InsertEntry(list, 0), "Camera 1");
        ADMEntrySuite6::SetText(ADMListSuite4::InsertEntry(list, 1), "Camera 2");
        ADMEntrySuite6::Select(ADMListSuite4::IndexEntry(list, p.selected), true);
    }
    add(dialog, kADMPicturePushButtonType, {212, 16, 244, 48});
    add(dialog, kADMPictureStaticType, {212, 60, 244, 92});
    text(kADMTextEditType, {40, 212, 53, 288}, "-3.25");
    // Made last, drawn first: the frame lies behind the field inside it.
    text(kADMFrameType, {4, 200, 244, 300}, "Frame");
    const Rect size{0, 0, 256, 312};
    ADMDialogSuite9::SetLocalRect(dialog, &size);
    return 0;
}

class Golden : public AdmTest {};

TEST_F(Golden, EveryItemTypeInAWindow) {
    ADMDialogRef dialog = makeWindow(build_all_items);
    ASSERT_NE(dialog, nullptr);
    WindowRef window = from_ref(dialog)->window;
    const tka::Bitmap shot = tka::renderWindow(window);
    const std::string reference = std::string(VOXTREL_ADM_GOLDEN_DIR) + "/all_items.png";
    const std::string actual = std::string(VOXTREL_ADM_OUTPUT_DIR) + "/all_items.actual.png";
    const char* update = std::getenv("VOXTREL_UPDATE_GOLDEN");
    const bool rewrite = update && std::string(update) == "1";
    test_pictures::Picture actual_picture{shot.width, shot.height, {}};
    for (const std::uint32_t pixel : shot.pixels) actual_picture.rgb.push_back(pixel & 0xFFFFFF);
    const std::string difference =
        rewrite ? ""
                : test_pictures::picture_difference(test_pictures::read_png(reference), actual_picture,
                                                    kChannelTolerance, shot.pixels.size() / 100);
    if (rewrite || !difference.empty()) {
        EXPECT_TRUE(tka::writeWindowPng(window, rewrite ? reference : actual));
    }
    ADMDialogSuite9::Destroy(dialog);
    EXPECT_EQ(std::pair(shot.width, shot.height), std::pair(312, 256));
    if (rewrite) GTEST_SKIP() << "reference rewritten: " << reference;
    EXPECT_EQ(difference, "") << reference << "; see " << actual;
}

}  // namespace
}  // namespace admtest
