#include "adm/detail/iADMBasic.h"

bool iADMBasic::GetScreenDimensions(const Point& point, Rect& rect) {
    for (GDHandle device = GetDeviceList(); device; device = GetNextDevice(device)) {
        if (*device && PtInRect(point, &(*device)->gdRect)) {
            rect = (*device)->gdRect;
            return true;
        }
    }
    return false;
}
