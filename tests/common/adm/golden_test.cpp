// One dialog with an item of every type, rendered and compared with a reference
// picture. The reference is rewritten only on purpose, with
// VOXTREL_UPDATE_GOLDEN=1 in the environment.
//
// Tolerance: text is antialiased, and glyph edges may come out a little
// differently with another font build, so a pixel counts as different only when
// one of its channels is off by more than 48, and up to 1% of the pixels may be
// different.
#include <cairo.h>

#include <cstdlib>
#include <filesystem>

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

struct Png {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

bool read_png(const std::string& path, Png& png) {
    cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
    // An opaque picture is stored without alpha and comes back as RGB24.
    const bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    const bool opaque = ok && cairo_image_surface_get_format(surface) == CAIRO_FORMAT_RGB24;
    if (ok && !opaque && cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32) {
        cairo_surface_destroy(surface);
        return false;
    }
    if (ok) {
        cairo_surface_flush(surface);
        png.width = cairo_image_surface_get_width(surface);
        png.height = cairo_image_surface_get_height(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        const unsigned char* data = cairo_image_surface_get_data(surface);
        for (int y = 0; y < png.height; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
            for (int x = 0; x < png.width; ++x) png.pixels.push_back(opaque ? row[x] | 0xFF000000u : row[x]);
        }
    }
    cairo_surface_destroy(surface);
    return ok;
}

bool write_png(const std::string& path, int width, int height, const std::vector<std::uint32_t>& pixels) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    const int stride = cairo_image_surface_get_stride(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    for (int y = 0; y < height; ++y)
        std::copy_n(pixels.begin() + static_cast<std::ptrdiff_t>(y) * width, width,
                    reinterpret_cast<std::uint32_t*>(data + static_cast<std::size_t>(y) * stride));
    cairo_surface_mark_dirty(surface);
    const bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

int channel_difference(std::uint32_t a, std::uint32_t b) {
    int largest = 0;
    for (int shift = 0; shift < 32; shift += 8)
        largest = std::max(largest, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return largest;
}

class Golden : public AdmTest {};

TEST_F(Golden, EveryItemTypeInAWindow) {
    ADMDialogRef dialog = makeWindow(build_all_items);
    ASSERT_NE(dialog, nullptr);
    const tka::Bitmap shot = tka::renderWindow(from_ref(dialog)->window);
    ADMDialogSuite9::Destroy(dialog);
    ASSERT_EQ(shot.width, 312);
    ASSERT_EQ(shot.height, 256);

    const std::string reference = std::string(VOXTREL_ADM_GOLDEN_DIR) + "/all_items.png";
    const char* update = std::getenv("VOXTREL_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        ASSERT_TRUE(write_png(reference, shot.width, shot.height, shot.pixels));
        GTEST_SKIP() << "reference rewritten: " << reference;
    }

    Png expected;
    ASSERT_TRUE(read_png(reference, expected)) << "no reference picture at " << reference;
    ASSERT_EQ(expected.width, shot.width);
    ASSERT_EQ(expected.height, shot.height);
    std::vector<std::uint32_t> diff(shot.pixels.size());
    std::size_t different = 0;
    for (std::size_t i = 0; i < shot.pixels.size(); ++i) {
        const bool off = channel_difference(shot.pixels[i], expected.pixels[i]) > kChannelTolerance;
        different += off;
        // Different pixels in red over a faded copy of the reference.
        diff[i] = off ? 0xFFFF0000u : 0xFF000000u | ((expected.pixels[i] & 0x00FEFEFEu) >> 1) | 0x00404040u;
    }
    const double share = double(different) / double(shot.pixels.size());
    if (share > kDifferentPixelsAllowed) {
        const std::filesystem::path out = VOXTREL_ADM_OUTPUT_DIR;
        write_png((out / "all_items.actual.png").string(), shot.width, shot.height, shot.pixels);
        write_png((out / "all_items.diff.png").string(), shot.width, shot.height, diff);
        ADD_FAILURE() << different << " pixels (" << share * 100 << "%) differ from " << reference
                      << "; see " << (out / "all_items.actual.png") << " and " << (out / "all_items.diff.png");
    }
}

}  // namespace
}  // namespace admtest
