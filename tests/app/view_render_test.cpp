#include "view/view_render.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>

namespace view {
namespace {

using nlohmann::json;
namespace fs = std::filesystem;

class ViewRender : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("vx-view-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
};

const json kScene = {
    {"composition",
     {{"width", 1920},
      {"height", 1080},
      {"layers",
       {{{"name", "Card"}, {"type", "solid"}, {"source", {400, 400}}, {"3d", true}, {"anchor", {200, 200, 0}},
         {"position", {960, 540, 0}}, {"orientation", {0, 30, 0}}},
        {{"name", "Sign"}, {"type", "text"}, {"3d", true}, {"position", {700, 300, 400}}},
        {{"name", "Lamp"}, {"type", "light"}, {"3d", true}, {"position", {300, 200, -300}}}}}}}};

TEST_F(ViewRender, PictureShowsTheLayerOverTheBackground) {
    const fs::path file = dir_ / "v.png";
    render_view(kScene, {10, 10, 10}, file.string());
    cairo_surface_t* image = cairo_image_surface_create_from_png(file.c_str());
    ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(image), 960);
    EXPECT_EQ(cairo_image_surface_get_height(image), 540);
    const int stride = cairo_image_surface_get_stride(image);
    const unsigned char* data = cairo_image_surface_get_data(image);
    auto pixel = [&](int x, int y) {
        uint32_t p;
        std::memcpy(&p, data + y * stride + x * 4, 4);
        return p & 0xffffff;
    };
    // The corner shows the background; the centre is tinted by the card (and the box's lines miss it).
    EXPECT_NE(pixel(480, 300), pixel(5, 530));
    EXPECT_EQ(pixel(5, 530), pixel(950, 530));
    cairo_surface_destroy(image);
}

TEST_F(ViewRender, UnwritablePlaceIsReported) {
    const std::string path = (dir_ / "missing" / "view.png").string();
    try {
        render_view(kScene, {1, 1, 1}, path);
        FAIL() << "no error";
    } catch (const ViewWriteError& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
    }
}

}  // namespace
}  // namespace view
