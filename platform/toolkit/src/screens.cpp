// Screens: graphics devices, each with its global rectangle.
#include "screens.h"

#include <memory>

namespace tk::detail {
namespace {

struct Device {
    GDevice device;
    GDPtr pointer;  // GDHandle points here
};

std::vector<std::unique_ptr<Device>>& devices() {
    static std::vector<std::unique_ptr<Device>> list = [] {
        std::vector<std::unique_ptr<Device>> initial;
        auto d = std::make_unique<Device>();
        d->device.gdRect = Rect{0, 0, 900, 1440};
        d->pointer = &d->device;
        initial.push_back(std::move(d));
        return initial;
    }();
    return list;
}

}  // namespace

void set_screens(const std::vector<Rect>& screens) {
    auto& list = devices();
    list.clear();
    for (const Rect& r : screens) {
        auto d = std::make_unique<Device>();
        d->device.gdRect = r;
        d->pointer = &d->device;
        list.push_back(std::move(d));
    }
}

void reset_screens() { set_screens({Rect{0, 0, 900, 1440}}); }

std::vector<Rect> screen_rects() {
    std::vector<Rect> rects;
    for (const auto& d : devices()) rects.push_back(d->device.gdRect);
    return rects;
}

}  // namespace tk::detail

using namespace tk::detail;

extern "C" {

GDHandle GetDeviceList(void) {
    auto& list = devices();
    return list.empty() ? nullptr : &list.front()->pointer;
}

GDHandle GetNextDevice(GDHandle curDevice) {
    auto& list = devices();
    for (std::size_t i = 0; i + 1 < list.size(); ++i)
        if (&list[i]->pointer == curDevice) return &list[i + 1]->pointer;
    return nullptr;
}

Boolean PtInRect(Point pt, const Rect* r) {
    return r && pt.v >= r->top && pt.v < r->bottom && pt.h >= r->left && pt.h < r->right;
}

}  // extern "C"
