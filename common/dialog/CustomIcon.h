// An image item whose drawing is done by a plain callback.
#pragma once

#include "dialog/BaseADMImageItem.h"

class CustomIcon : public BaseADMImageItem {
public:
    typedef void (*DrawFunc)(ADMItemRef item, ADMDrawerRef drawer);

    CustomIcon(ADMItemRef item, DrawFunc draw_func);

    void Draw(IADMDrawer drawer) override;

private:
    DrawFunc draw_func;
};
