// Image suite: offscreen images and drawing into them.
#include <new>

#include "adm/ADMSuites.h"
#include "adm/detail/handles.h"
#include "adm/detail/iADMImage.h"

ADMDrawerRef ADMImageSuite2::BeginADMDrawer(ADMImageRef image) {
    if (!image) return nullptr;
    iADMImage* offscreen = from_ref(image);
    offscreen->BeginADMDrawer();
    return to_ref(static_cast<iADMDrawer*>(offscreen));
}

ADMImageRef ADMImageSuite2::CreateOffscreen(ADMInt32 width, ADMInt32 height, ADMInt32 options) {
    auto* image = new (std::nothrow) iADMImage;
    if (!image) return nullptr;
    if (!image->CreateOffscreen(width, height, options)) {
        delete image;
        return nullptr;
    }
    return to_ref(image);
}

void ADMImageSuite2::Destroy(ADMImageRef image) { delete from_ref(image); }

void ADMImageSuite2::EndADMDrawer(ADMImageRef image) {
    if (image) from_ref(image)->EndADMDrawer();
}

ADMInt32 ADMImageSuite2::GetWidth(ADMImageRef image) { return image ? from_ref(image)->getBounds().right : 0; }

ADMInt32 ADMImageSuite2::GetHeight(ADMImageRef image) { return image ? from_ref(image)->getBounds().bottom : 0; }
