#include "dialog/BaseADMImageItem.h"

BaseADMImageItem::BaseADMImageItem(ADMItemRef item, ADMUserData user_data) : BaseADMItem(item, user_data) {}

BaseADMImageItem::~BaseADMImageItem() {
    if (image) ADMImageSuite2::Destroy(image);
    image = nullptr;
}

bool BaseADMImageItem::UseImage() { return true; }

void BaseADMImageItem::BaseDraw(IADMDrawer drawer) {
    if (!UseImage()) {
        Draw(drawer);
        return;
    }
    ADMRect bounds{};
    drawer.GetBoundsRect(bounds);
    const ADMInt32 width = bounds.right - bounds.left;
    const ADMInt32 height = bounds.bottom - bounds.top;
    // One image of the item's own size, reused from draw to draw.
    if (image && (ADMImageSuite2::GetWidth(image) != width || ADMImageSuite2::GetHeight(image) != height)) {
        ADMImageSuite2::Destroy(image);
        image = nullptr;
    }
    if (!image) image = ADMImageSuite2::CreateOffscreen(width, height, 0);
    if (!image) {
        Draw(drawer);
        return;
    }
    IADMDrawer image_drawer = ADMImageSuite2::BeginADMDrawer(image);
    if (image_drawer) {
        image_drawer.ClearRect(bounds);
        Draw(image_drawer);
        ADMImageSuite2::EndADMDrawer(image);
    }
    drawer.DrawADMImage(image, ADMPoint{0, 0});
    if (!image_drawer) Draw(drawer);
}
