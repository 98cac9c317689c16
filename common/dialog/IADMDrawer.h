// A drawer handle as a value, with the drawing calls of the drawer suite.
#pragma once

#include "adm/ADMSuites.h"

class IADMDrawer {
public:
    IADMDrawer(ADMDrawerRef drawer = nullptr) : drawer(drawer) {}

    operator ADMDrawerRef() const { return drawer; }

    // Leaves the rectangle unchanged when the drawer has no bounds of its own.
    void GetBoundsRect(ADMRect& rect) const { ADMDrawerSuite5::GetBoundsRect(drawer, &rect); }
    void SetADMColor(ADMColor color) const { ADMDrawerSuite5::SetADMColor(drawer, color); }
    void ClearRect(const ADMRect& rect) const { ADMDrawerSuite5::ClearRect(drawer, &rect); }
    void DrawRect(const ADMRect& rect) const { ADMDrawerSuite5::DrawRect(drawer, &rect); }
    void FillRect(const ADMRect& rect) const { ADMDrawerSuite5::FillRect(drawer, &rect); }
    void DrawLine(const ADMPoint& start, const ADMPoint& end) const { ADMDrawerSuite5::DrawLine(drawer, &start, &end); }
    void FillPolygon(const ADMPoint* points, ADMInt32 count) const {
        ADMDrawerSuite5::FillPolygon(drawer, points, count);
    }
    void DrawADMImage(ADMImageRef image, const ADMPoint& top_left) const {
        ADMDrawerSuite5::DrawADMImage(drawer, image, &top_left);
    }

private:
    ADMDrawerRef drawer;
};
