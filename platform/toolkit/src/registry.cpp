#include "refs.h"

#include <bit>
#include <cstdint>

namespace tk::detail {

namespace {

// The low bits of a reference tell its kind; the rest is the serial number.
enum class Kind : std::uintptr_t {
    window = 1,
    view,
    menu,
    string,
    context,
    image,
    colorSpace,
    handler,
    windowTarget,
    viewTarget,
    port,
};
constexpr int kKindBits = std::bit_width(static_cast<std::uintptr_t>(Kind::port));
constexpr std::uintptr_t kKindMask = (std::uintptr_t{1} << kKindBits) - 1;

template <class Ref>
Ref make_ref(Kind kind, TkSerial serial) {
    return reinterpret_cast<Ref>((static_cast<std::uintptr_t>(serial) << kKindBits) |
                                 static_cast<std::uintptr_t>(kind));
}

// The serial number of a reference of that kind; 0 (never given out) otherwise.
TkSerial serial_of(const void* ref, Kind kind) {
    const auto value = reinterpret_cast<std::uintptr_t>(ref);
    return (value & kKindMask) == static_cast<std::uintptr_t>(kind) ? value >> kKindBits : 0;
}

}  // namespace

Registry& registry() {
    static Registry instance;
    return instance;
}

TkSerial next_serial() { return registry().nextSerial++; }

WindowRef ref_of(const TkWindow* window) { return window ? make_ref<WindowRef>(Kind::window, window->serial) : nullptr; }
ControlRef ref_of(const TkView* view) { return view ? make_ref<ControlRef>(Kind::view, view->serial) : nullptr; }
MenuRef ref_of(const TkMenu* menu) { return menu ? make_ref<MenuRef>(Kind::menu, menu->serial) : nullptr; }
CFStringRef ref_of(const TkString* string) {
    return string ? make_ref<CFStringRef>(Kind::string, string->serial) : nullptr;
}
CGContextRef ref_of(const TkContext* context) {
    return context ? make_ref<CGContextRef>(Kind::context, context->serial) : nullptr;
}
CGImageRef ref_of(const TkImage* image) { return image ? make_ref<CGImageRef>(Kind::image, image->serial) : nullptr; }
CGColorSpaceRef ref_of(const TkColorSpace* space) {
    return space ? make_ref<CGColorSpaceRef>(Kind::colorSpace, space->serial) : nullptr;
}
EventHandlerRef ref_of(const TkHandler* handler) {
    return handler ? make_ref<EventHandlerRef>(Kind::handler, handler->serial) : nullptr;
}
// A target is named by its window or view.
EventTargetRef ref_of(const TkTarget* target) {
    if (!target) return nullptr;
    if (target->window) return make_ref<EventTargetRef>(Kind::windowTarget, target->window->serial);
    return target->view ? make_ref<EventTargetRef>(Kind::viewTarget, target->view->serial) : nullptr;
}
GrafPtr port_of(const TkWindow* window) { return window ? make_ref<GrafPtr>(Kind::port, window->serial) : nullptr; }

TkWindow* find_window(WindowRef window) { return registry().liveWindows.find(serial_of(window, Kind::window)); }
TkView* find_view(ControlRef view) { return registry().views.find(serial_of(view, Kind::view)); }
TkMenu* find_menu(MenuRef menu) { return registry().menus.find(serial_of(menu, Kind::menu)); }
TkString* find_string(CFTypeRef string) { return registry().strings.find(serial_of(string, Kind::string)); }
TkContext* find_context(CGContextRef context) {
    return registry().contexts.find(serial_of(context, Kind::context));
}
TkImage* find_image(CGImageRef image) { return registry().images.find(serial_of(image, Kind::image)); }
TkColorSpace* find_color_space(CGColorSpaceRef space) {
    return registry().colorSpaces.find(serial_of(space, Kind::colorSpace));
}
TkHandler* find_handler(EventHandlerRef handler) {
    return registry().handlers.find(serial_of(handler, Kind::handler));
}
TkTarget* find_target(EventTargetRef target) {
    if (TkWindow* window = registry().liveWindows.find(serial_of(target, Kind::windowTarget))) return &window->target;
    if (TkView* view = registry().views.find(serial_of(target, Kind::viewTarget))) return &view->target;
    return nullptr;
}
TkWindow* find_port_window(GrafPtr port) { return registry().liveWindows.find(serial_of(port, Kind::port)); }

}  // namespace tk::detail
