// Every live toolkit object, found by the serial number its reference carries,
// and the order of the windows on the screen.
#pragma once

#include <cstddef>
#include <unordered_map>
#include <vector>

#include "context.h"
#include "model.h"

namespace tk::detail {

// Live objects of one kind by serial number.
template <class T>
class LiveTable {
public:
    void add(T* object) { objects_.emplace(object->serial, object); }
    void remove(const T* object) { objects_.erase(object->serial); }
    T* find(TkSerial serial) const {
        const auto found = objects_.find(serial);
        return found == objects_.end() ? nullptr : found->second;
    }
    std::size_t size() const { return objects_.size(); }
    template <class F>
    void for_each(F f) const {
        for (const auto& entry : objects_) f(entry.second);
    }

private:
    std::unordered_map<TkSerial, T*> objects_;
};

struct Registry {
    TkSerial nextSerial = 1;
    std::vector<TkWindow*> windows;      // creation order
    std::vector<TkWindow*> windowOrder;  // front to back, hidden ones included
    LiveTable<TkWindow> liveWindows;
    LiveTable<TkView> views;
    LiveTable<TkMenu> menus;
    LiveTable<TkString> strings;
    LiveTable<TkContext> contexts;
    LiveTable<TkImage> images;
    LiveTable<TkColorSpace> colorSpaces;
    LiveTable<TkHandler> handlers;
    TkWindow* currentPort = nullptr;  // the window whose port is current
};

Registry& registry();
TkSerial next_serial();

}  // namespace tk::detail
