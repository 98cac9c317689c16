// The drawer handed to draw procs: draws into the context of a control's draw
// event or of an offscreen image, in pixels with the origin at the top left.
#pragma once

#include "adm/ADMTypes.h"

class iADMItem;
class iADMImage;

class iADMDrawer {
public:
    CGContextRef context = nullptr;
    ASErr result{};  // kADMNotHandledErr once the proc asked for the default drawing
    iADMItem* item = nullptr;
    iADMImage* image = nullptr;

    // True once any panel dialog exists: colours then follow the host application.
    static bool _useAppColor;

    void ClearRect(const Rect& rect);
    void DrawRect(const Rect& rect);
    void FillRect(const Rect& rect);
    void DrawLine(const Point& from, const Point& to);
    void FillPolygon(const Point* points, int count);
    void DrawADMImage(const iADMImage& source, const Point& topLeft);
    // The item control's bounds, or the image's; `rect` stays as it is otherwise.
    void GetBoundsRect(Rect& rect) const;
    void SetADMColor(ADMColor color);
};

// top, left, bottom, right -> x = left, y = top, width, height.
CGRect toCGRect(const Rect& rect);
