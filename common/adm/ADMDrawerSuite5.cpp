// Drawer suite: drawing into a control's draw event or into an offscreen image.
#include "adm/ADMSuites.h"
#include "adm/detail/handles.h"
#include "adm/detail/iADMImage.h"

void ADMDrawerSuite5::ClearRect(ADMDrawerRef drawer, const ADMRect* rect) {
    if (drawer && rect) from_ref(drawer)->ClearRect(*rect);
}

void ADMDrawerSuite5::DrawADMImage(ADMDrawerRef drawer, ADMImageRef image, const ADMPoint* topLeftPoint) {
    if (drawer && image && topLeftPoint) from_ref(drawer)->DrawADMImage(*from_ref(image), *topLeftPoint);
}

void ADMDrawerSuite5::DrawLine(ADMDrawerRef drawer, const ADMPoint* startPoint, const ADMPoint* endPoint) {
    if (drawer && startPoint && endPoint) from_ref(drawer)->DrawLine(*startPoint, *endPoint);
}

void ADMDrawerSuite5::DrawRect(ADMDrawerRef drawer, const ADMRect* rect) {
    if (drawer && rect) from_ref(drawer)->DrawRect(*rect);
}

void ADMDrawerSuite5::FillPolygon(ADMDrawerRef drawer, const ADMPoint* points, ADMInt32 numPoints) {
    if (drawer) from_ref(drawer)->FillPolygon(points, numPoints);
}

void ADMDrawerSuite5::FillRect(ADMDrawerRef drawer, const ADMRect* rect) {
    if (drawer && rect) from_ref(drawer)->FillRect(*rect);
}

void ADMDrawerSuite5::GetBoundsRect(ADMDrawerRef drawer, ADMRect* boundsRect) {
    if (drawer && boundsRect) from_ref(drawer)->GetBoundsRect(*boundsRect);
}

void ADMDrawerSuite5::SetADMColor(ADMDrawerRef drawer, ADMColor color) {
    if (drawer) from_ref(drawer)->SetADMColor(color);
}
