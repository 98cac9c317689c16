// An item wrapper whose drawing goes through an offscreen image of the item's
// size, kept between draws and made again only when the size changes.
#pragma once

#include "dialog/BaseADMItem.h"

class BaseADMImageItem : public BaseADMItem {
public:
    explicit BaseADMImageItem(ADMItemRef item = nullptr, ADMUserData user_data = nullptr);

    void BaseDraw(IADMDrawer drawer) override;
    ~BaseADMImageItem() override;
    // False draws straight onto the item's drawer.
    virtual bool UseImage();

    ADMImageRef GetImageRef() const { return image; }

protected:
    ADMImageRef image = nullptr;
};
