// Offscreen images and the drawer's colours and shapes.
#include "adm/detail/iADMDrawer.h"
#include "adm/detail/iADMImage.h"
#include "adm_test_support.h"

namespace admtest {
namespace {

// Red, green, blue and alpha bytes of a pixel of an offscreen image.
std::array<int, 4> pixel(ADMImageRef image, int x, int y) {
    const unsigned char* p = from_ref(image)->pixels + (static_cast<std::size_t>(y) * ADMImageSuite2::GetWidth(image) + x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

std::array<int, 4> opaque(const PF_App_Color& c) { return {c.red >> 8, c.green >> 8, c.blue >> 8, 255}; }

class Drawing : public AdmTest {
protected:
    void SetUp() override {
        AdmTest::SetUp();
        _image = ADMImageSuite2::CreateOffscreen(10, 20, 0);
        ASSERT_NE(_image, nullptr);
        _drawer = ADMImageSuite2::BeginADMDrawer(_image);
    }
    void TearDown() override {
        ADMImageSuite2::EndADMDrawer(_image);
        ADMImageSuite2::Destroy(_image);
        AdmTest::TearDown();
    }
    // Fills the whole image in the colour `color` gives and returns one pixel.
    std::array<int, 4> fillWith(ADMColor color) {
        ADMDrawerSuite5::SetADMColor(_drawer, color);
        const Rect all{0, 0, 20, 10};
        ADMDrawerSuite5::FillRect(_drawer, &all);
        return pixel(_image, 3, 3);
    }
    bool blank() const {
        const unsigned char* bytes = from_ref(_image)->pixels;
        return std::all_of(bytes, bytes + 10 * 20 * 4, [](unsigned char b) { return b == 0; });
    }
    ADMImageRef _image = nullptr;
    ADMDrawerRef _drawer = nullptr;
};

TEST_F(Drawing, NewImageIsTransparentBlackOfItsSizeAndImpossibleSizesMakeNone) {
    Rect bounds{};
    ADMDrawerSuite5::GetBoundsRect(_drawer, &bounds);
    EXPECT_EQ((std::tuple{ADMImageSuite2::GetWidth(_image), ADMImageSuite2::GetHeight(_image), blank(), bounds}),
              std::tuple(10, 20, true, Rect{0, 0, 20, 10}));
    // A side is 1 to 32767 pixels: the image's bounds are a toolkit rectangle.
    const std::tuple<int, int, bool> sizes[] = {{0, 5, false},     {5, -1, false},   {32768, 1, false},
                                                {1, 32768, false}, {32767, 1, true}, {1, 32767, true}};
    for (const auto& [width, height, made] : sizes) {
        ADMImageRef const image = ADMImageSuite2::CreateOffscreen(width, height, 0);
        EXPECT_EQ(image != nullptr, made) << width << " x " << height;
        ADMImageSuite2::Destroy(image);
    }
    EXPECT_EQ(std::pair(ADMImageSuite2::GetWidth(nullptr), ADMImageSuite2::GetHeight(nullptr)), std::pair(0, 0));
}

TEST_F(Drawing, HostColoursByKind) {
    const std::pair<ADMColor, PF_App_ColorType> rows[] = {
        {kADMBlackColor, 42},      {kADMWhiteColor, 43}, {kADMHiliteColor, 5},  {kADMHiliteTextColor, 16},
        {kADMLightColor, 3},       {kADMBackgroundColor, 1}, {kADMWindowColor, 1}, {kADMShadowColor, 6},
        {kADMForegroundColor, 0}, {kADMRedColor, 45},
    };
    for (const auto& [color, kind] : rows) {
        FakeApp::asked.clear();
        EXPECT_EQ(fillWith(color), opaque(FakeApp::colour(kind))) << color;
        EXPECT_EQ(FakeApp::asked, std::vector<PF_App_ColorType>{kind}) << color;
    }
}

// Disabled and text colours are fixed in a window and the host's in a panel;
// unknown colours, and host colours without a host, leave the colour as it was.
TEST_F(Drawing, ColoursWithoutTheHost) {
    const std::array<int, 4> grey{0x20, 0x20, 0x20, 255};
    EXPECT_EQ(fillWith(kADMDisabledColor), grey);
    fillWith(kADMWhiteColor);
    EXPECT_EQ(fillWith(kADMDisabledTextColor), grey);
    fillWith(kADMWhiteColor);
    FakeApp::asked.clear();
    EXPECT_EQ((std::pair{fillWith(kADMTextColor), FakeApp::asked.size()}), std::pair(std::array{0, 0, 0, 255}, 0ul));

    iADMDrawer::_useAppColor = true;
    const auto disabled = opaque(FakeApp::colour(PF_App_Color_TEXT_DISABLED));
    EXPECT_EQ((std::array{fillWith(kADMDisabledColor), fillWith(kADMDisabledTextColor), fillWith(kADMTextColor)}),
              (std::array{disabled, disabled, opaque(FakeApp::colour(PF_App_Color_TEXT))}));

    const std::array<int, 4> red = fillWith(kADMRedColor);
    EXPECT_EQ((std::array{fillWith(99), fillWith(-1)}), (std::array{red, red}));
    sPFAppSuite = nullptr;
    EXPECT_EQ(fillWith(kADMWhiteColor), red);
}

TEST_F(Drawing, ShapesAndClearing) {
    ADMDrawerSuite5::SetADMColor(_drawer, kADMWhiteColor);
    const ADMPoint one[] = {{5, 5}};
    ADMDrawerSuite5::FillPolygon(_drawer, one, 1);
    ADMDrawerSuite5::FillPolygon(_drawer, one, 0);
    ADMDrawerSuite5::FillPolygon(_drawer, nullptr, 3);
    EXPECT_TRUE(blank());

    // v, h: the upper left half; the point after the third is not the triangle's.
    const ADMPoint triangle[] = {{0, 0}, {0, 10}, {20, 0}, {20, 10}};
    ADMDrawerSuite5::FillPolygon(_drawer, triangle, 3);
    EXPECT_EQ((std::pair{pixel(_image, 1, 1)[3], pixel(_image, 9, 18)[3]}), std::pair(255, 0));

    const Rect hole{2, 0, 4, 3};
    ADMDrawerSuite5::ClearRect(_drawer, &hole);
    EXPECT_EQ(pixel(_image, 1, 2), (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(pixel(_image, 1, 5)[3], 255) << "only the rectangle is cleared";

    const ADMPoint from{15, 0}, to{15, 10};
    ADMDrawerSuite5::DrawLine(_drawer, &from, &to);
    // A line one pixel wide, half on this row: half of the test host's white, (85, 117, 197), premultiplied.
    EXPECT_EQ(pixel(_image, 5, 15), (std::array<int, 4>{43, 59, 99, 128}));

    // Without a drawer nothing is drawn nor read, whatever else is given.
    Rect r{};
    ADMDrawerSuite5::ClearRect(nullptr, &hole), ADMDrawerSuite5::FillRect(nullptr, &hole);
    ADMDrawerSuite5::DrawRect(nullptr, &hole), ADMDrawerSuite5::GetBoundsRect(nullptr, &r);
    ADMDrawerSuite5::DrawLine(nullptr, &from, &to), ADMDrawerSuite5::DrawADMImage(nullptr, _image, &from);
}

}  // namespace
}  // namespace admtest
