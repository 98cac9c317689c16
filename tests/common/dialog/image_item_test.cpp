// Image items: drawing lands in an offscreen image of the item's size, kept
// from draw to draw until the size changes, then copied onto the item's drawer.
#include <vector>

#include "adm/detail/iADMDrawer.h"
#include "adm/detail/iADMImage.h"
#include "support.h"

using namespace dialog_test;

namespace {

class PaintedItem : public BaseADMImageItem {
public:
    PaintedItem() = default;
    void Draw(IADMDrawer drawer) override {
        drawers.push_back(drawer);
        if (paint) {
            ADMRect const all{0, 0, 100, 100};
            drawer.FillRect(all);
        }
    }
    bool UseImage() override { return use_image; }

    std::vector<ADMDrawerRef> drawers;
    bool use_image = true;
    bool paint = true;
};

// A drawer over a 100 x 100 bitmap, as a draw event of the item would make it.
class Canvas {
public:
    explicit Canvas(ADMItemRef item) : pixels(100 * 100 * 4, 0) {
        space = CGColorSpaceCreateDeviceRGB();
        record.context = CGBitmapContextCreate(pixels.data(), 100, 100, 8, 400, space, kCGImageAlphaPremultipliedLast);
        record.item = from_ref(item);
    }
    ~Canvas() {
        CGContextRelease(record.context);
        CGColorSpaceRelease(space);
    }
    Canvas(Canvas const&) = delete;
    Canvas& operator=(Canvas const&) = delete;

    ADMDrawerRef drawer() { return to_ref(&record); }
    unsigned char alpha(int x, int y) const { return pixels[static_cast<std::size_t>(y * 100 + x) * 4 + 3]; }

    iADMDrawer record;

private:
    std::vector<unsigned char> pixels;
    CGColorSpaceRef space = nullptr;
};

class ImageItems : public DialogTest {
protected:
    void SetUp() override {
        ASSERT_NE(dlg.make(), nullptr);
        painted = new PaintedItem;
        item = painted->Create(dlg.GetDialogRef(), ADMRect{10, 10, 30, 50}, kADMPictureStaticType, 9);
        ASSERT_NE(item, nullptr);
    }

    Trace trace;
    TestDlg dlg{trace};
    PaintedItem* painted = nullptr;  // owned by its item
    ADMItemRef item = nullptr;
};

}  // namespace

TEST_F(ImageItems, DrawingGoesIntoAnImageOfTheItemsSize) {
    Canvas canvas(item);
    painted->BaseDraw(canvas.drawer());
    ADMImageRef image = painted->GetImageRef();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(ADMImageSuite2::GetWidth(image), 40);
    EXPECT_EQ(ADMImageSuite2::GetHeight(image), 20);
    ASSERT_EQ(painted->drawers.size(), 1u);
    EXPECT_EQ(painted->drawers[0], ADMImageSuite2::BeginADMDrawer(image));
    // The image lands at the drawer's origin, replacing the control's own drawing.
    EXPECT_EQ(canvas.alpha(0, 0), 255);
    EXPECT_EQ(canvas.alpha(39, 19), 255);
    EXPECT_EQ(canvas.alpha(40, 20), 0);
    EXPECT_EQ(canvas.record.result, 0);
}

// The image is kept from draw to draw until the size changes: a mark outside
// the area cleared before each draw survives only in the same image.
TEST_F(ImageItems, ImageIsKeptUntilTheSizeChanges) {
    Canvas canvas(item);
    painted->BaseDraw(canvas.drawer());
    ADMImageRef first = painted->GetImageRef();
    from_ref(first)->pixels[0] = 77;
    painted->paint = false;
    painted->BaseDraw(canvas.drawer());
    EXPECT_EQ(painted->GetImageRef(), first);
    EXPECT_EQ(from_ref(first)->pixels[0], 77);

    ADMRect const larger{0, 0, 30, 60};
    ADMItemSuite10::SetLocalRect(item, &larger);
    painted->BaseDraw(canvas.drawer());
    ADMImageRef second = painted->GetImageRef();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(ADMImageSuite2::GetWidth(second), 60);
    EXPECT_EQ(ADMImageSuite2::GetHeight(second), 30);
    EXPECT_EQ(from_ref(second)->pixels[0], 0);
}

// Without an image, or with an item of no size, the item draws straight on its drawer.
TEST_F(ImageItems, WithoutImageTheItemDrawsStraightOnItsDrawer) {
    for (bool empty : {false, true}) {
        painted->use_image = empty;
        if (empty) {
            ADMRect const none{0, 0, 0, 0};
            ADMItemSuite10::SetLocalRect(item, &none);
        }
        painted->drawers.clear();
        Canvas canvas(item);
        painted->BaseDraw(canvas.drawer());
        EXPECT_EQ(painted->GetImageRef(), nullptr);
        EXPECT_EQ(painted->drawers, std::vector<ADMDrawerRef>{canvas.drawer()});
    }
}

TEST_F(ImageItems, DrawEventOfTheWindowReachesTheImageItem) {
    tk::automation::Bitmap const picture = tk::automation::renderWindow(dlg.window());
    ASSERT_EQ(painted->drawers.size(), 1u);
    ASSERT_NE(painted->GetImageRef(), nullptr);
    EXPECT_EQ(painted->drawers[0], ADMImageSuite2::BeginADMDrawer(painted->GetImageRef()));
    // Black, opaque, at the item's place.
    EXPECT_EQ(picture.at(20, 15), 0xFF000000u);
}
