// An offscreen image: an RGBA bitmap (8 bits per component, premultiplied alpha
// stored last) that can serve as its own drawer.
#pragma once

#include "adm/detail/iADMDrawer.h"

class iADMImage : public iADMDrawer {
public:
    unsigned char* pixels = nullptr;  // width x height x 4 bytes, zeroed at creation

    iADMImage() = default;
    ~iADMImage();
    iADMImage(const iADMImage&) = delete;
    iADMImage& operator=(const iADMImage&) = delete;

    // Pixels and a bitmap context; true only when both are made.
    bool CreateOffscreen(int width, int height, int options);
    // The image becomes its own drawer.
    void BeginADMDrawer() { image = this; }
    void EndADMDrawer() {}
    // 0, 0, height, width.
    Rect getBounds() const;

private:
    int _width{};
    int _height{};
};
