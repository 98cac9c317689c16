#include "dialog/CustomIcon.h"

CustomIcon::CustomIcon(ADMItemRef item, DrawFunc draw_func) : BaseADMImageItem(item), draw_func(draw_func) {}

void CustomIcon::Draw(IADMDrawer drawer) {
    if (draw_func) draw_func(item, drawer);
}
