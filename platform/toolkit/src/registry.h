// Every live toolkit object, so that references can be checked before use and
// the automation layer can count what is still alive.
#pragma once

#include <unordered_set>
#include <vector>

#include "model.h"

namespace tk::detail {

struct Registry {
    TkSerial nextSerial = 1;
    std::vector<WindowRef> windows;  // creation order
    std::unordered_set<const void*> liveWindows;
    std::unordered_set<const void*> views;
    std::unordered_set<const void*> menus;
    std::unordered_set<const void*> strings;
    std::unordered_set<const void*> contexts;
    std::unordered_set<const void*> images;
    std::unordered_set<const void*> colorSpaces;
    std::unordered_set<const void*> handlers;
    std::unordered_set<const void*> targets;
    GrafPtr currentPort = nullptr;
};

Registry& registry();
TkSerial next_serial();

bool is_window(const void* p);
bool is_view(const void* p);
bool is_menu(const void* p);
bool is_string(const void* p);
bool is_context(const void* p);
bool is_image(const void* p);
bool is_color_space(const void* p);
bool is_handler(const void* p);
bool is_target(const void* p);
// A window's port, found through its live window.
bool is_port(const void* p);

}  // namespace tk::detail
