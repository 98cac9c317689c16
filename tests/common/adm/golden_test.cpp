// One dialog with an item of every type, rendered and compared with a reference
// picture. The reference is rewritten only on purpose, with
// VOXTREL_UPDATE_GOLDEN=1 in the environment.
//
// Tolerance: text is antialiased, and glyph edges may come out a little
// differently with another font build, so a pixel counts as different only when
// one of its channels is off by more than 48, and up to 1% of the pixels may be
// different.
#include <cairo.h>

#include <algorithm>
#include <cstdlib>

#include "adm_test_support.h"

namespace admtest {
namespace {

constexpr int kChannelTolerance = 48;
constexpr double kDifferentPixelsAllowed = 0.01;

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

// The pixels of a PNG file as the toolkit renders them (an opaque picture may
// come back without alpha); none when it cannot be read or has another size.
std::vector<std::uint32_t> read_png(const std::string& path, int width, int height) {
    cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
    std::vector<std::uint32_t> pixels;
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS &&
        cairo_image_surface_get_format(surface) <= CAIRO_FORMAT_RGB24 &&
        cairo_image_surface_get_width(surface) == width && cairo_image_surface_get_height(surface) == height) {
        cairo_surface_flush(surface);
        const unsigned char* data = cairo_image_surface_get_data(surface);
        for (int y = 0; y < height; ++y) {
            const auto* row =
                reinterpret_cast<const std::uint32_t*>(data + y * cairo_image_surface_get_stride(surface));
            for (int x = 0; x < width; ++x) pixels.push_back(row[x] | 0xFF000000u);
        }
    }
    cairo_surface_destroy(surface);
    return pixels;
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
    const std::vector<std::uint32_t> expected =
        rewrite ? std::vector<std::uint32_t>{} : read_png(reference, shot.width, shot.height);
    std::size_t different = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        int off = 0;
        for (int shift = 0; shift < 32; shift += 8)
            off = std::max(off, std::abs(int(expected[i] >> shift & 0xFF) - int(shot.pixels[i] >> shift & 0xFF)));
        different += off > kChannelTolerance;
    }
    const bool failed = expected.empty() || double(different) / double(shot.pixels.size()) > kDifferentPixelsAllowed;
    if (rewrite || failed) {
        EXPECT_TRUE(tka::writeWindowPng(window, rewrite ? reference : actual));
    }
    ADMDialogSuite9::Destroy(dialog);
    EXPECT_EQ(std::pair(shot.width, shot.height), std::pair(312, 256));
    if (rewrite) GTEST_SKIP() << "reference rewritten: " << reference;
    EXPECT_FALSE(failed) << (expected.empty() ? "no reference picture of this size at "
                                              : "too many pixels differ from ")
                         << reference << " (" << different << "); see " << actual;
}

}  // namespace
}  // namespace admtest
