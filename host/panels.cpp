// Workspace panels: a host-owned floating frame with a container view that the
// plug-in's create-panel hook fills, sized by the plug-in's snap sizes.
#include <algorithm>
#include <iterator>

#include "host/Host.h"
#include "toolkit/native.h"

namespace host {

namespace {

constexpr SInt16 kFrameTop = 120, kFrameLeft = 160;
constexpr A_long kDefaultWidth = 400, kDefaultHeight = 300;
constexpr WindowAttributes kFrameAttributes = kWindowCloseBoxAttribute | kWindowCollapseBoxAttribute |
                                              kWindowResizableAttribute | kWindowCompositingAttribute |
                                              kWindowStandardHandlerAttribute;

void set_window_title(WindowRef window, const std::string& title) {
    CFStringRef text = CFStringCreateWithCString(kCFAllocatorDefault, title.c_str(), kCFStringEncodingUTF8);
    if (!text) return;
    SetWindowTitleWithCFString(window, text);
    CFRelease(text);
}

void size_frame(WindowRef window, ControlRef container, A_long width, A_long height) {
    const auto side = [](A_long length) { return static_cast<SInt16>(std::clamp<A_long>(length, 1, 4000)); };
    const SInt16 w = side(width), h = side(height);
    const Rect content{kFrameTop, kFrameLeft, static_cast<SInt16>(kFrameTop + h), static_cast<SInt16>(kFrameLeft + w)};
    SetWindowBounds(window, kWindowContentRgn, &content);
    const Rect inside{0, 0, h, w};
    SetControlBounds(container, &inside);
}

PanelFrame closed_frame(const std::string& match_name) {
    PanelFrame frame;
    frame.match_name = match_name;
    return frame;
}

// Closes an open frame: the container goes first, so that the plug-in hears of it while its frame is still there,
// then the window, unless it is already going. The plug-in asking for its panel meanwhile changes nothing.
void close_frame(PanelFrame& frame) {
    if (!frame.id || frame.closing) return;
    frame.closing = true;
    DisposeControl(frame.container);
    if (frame.window) DisposeWindow(frame.window);
    frame = closed_frame(frame.match_name);
}

// The frame window is going away under the host (its close box).
OSStatus on_frame_closed(EventHandlerCallRef, EventRef, void* data) {
    PanelFrame& frame = *static_cast<PanelFrame*>(data);
    frame.window = nullptr;  // already going
    close_frame(frame);
    return eventNotHandledErr;
}

std::string in_quotes(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

Host::Outcome Host::register_create_panel_hook(CreatePanelHookEntry entry) {
    if (panels_.count(entry.match_name))
        return {A_Err_PARAMETER, "a create-panel hook is already registered for " + in_quotes(entry.match_name)};
    auto frame = std::make_unique<PanelFrame>();
    frame->match_name = entry.match_name;
    panels_[entry.match_name] = std::move(frame);
    hooks_.create_panel.push_back(std::move(entry));
    return {};
}

A_Err Host::toggle_panel(const std::string& match_name) { return toggle(match_name).status; }

Host::Outcome Host::toggle(const std::string& match_name) {
    if (quit_) return {A_Err_PARAMETER, "the host has quit"};
    const auto it = panels_.find(match_name);
    if (it == panels_.end())
        return {A_Err_PARAMETER, "no create-panel hook is registered for " + in_quotes(match_name)};
    PanelFrame& frame = *it->second;
    if (frame.id) {
        close_panel(frame);
        return {};
    }
    const auto hook = std::find_if(hooks_.create_panel.begin(), hooks_.create_panel.end(),
                                   [&](const CreatePanelHookEntry& e) { return e.match_name == match_name; });
    const CreatePanelHookEntry entry = *hook;

    const Rect content{kFrameTop, kFrameLeft, static_cast<SInt16>(kFrameTop + kDefaultHeight),
                       static_cast<SInt16>(kFrameLeft + kDefaultWidth)};
    WindowRef window = nullptr;
    if (CreateNewWindow(kFloatingWindowClass, kFrameAttributes, &content, &window) != noErr)
        return {A_Err_GENERIC, "the toolkit made no frame window"};
    const Rect inside{0, 0, static_cast<SInt16>(kDefaultHeight), static_cast<SInt16>(kDefaultWidth)};
    ControlRef container = nullptr;
    if (CreateUserPaneControl(window, &inside, 0, &container) != noErr) {
        DisposeWindow(window);
        return {A_Err_GENERIC, "the toolkit made no container view"};
    }
    frame = closed_frame(match_name);
    frame.id = next_panel_++;
    frame.window = window;
    frame.container = container;
    frame.title = match_name;
    set_window_title(window, match_name);
    const EventTypeSpec closed[] = {{kEventClassWindow, kEventWindowClosed}};
    InstallEventHandler(GetWindowEventTarget(window), on_frame_closed, std::size(closed), closed, &frame, nullptr);

    const A_Err status = entry.hook(global_refcon(entry.plugin), entry.refcon, container,
                                    make_handle<AEGP_PanelH>(HandleKind::panel, frame.id), &frame.functions,
                                    &frame.refcon);
    if (status != A_Err_NONE) {
        note_hook_failure("create panel", match_name, status);
        close_panel(frame);
        return {status, "the create-panel hook for " + in_quotes(match_name) + " returned " + std::to_string(status)};
    }
    if (!frame.id) return {};  // the hook closed the frame itself
    A_LPoint size{kDefaultWidth, kDefaultHeight};
    if (frame.functions.GetSnapSizes) {
        A_LPoint sizes[AEGP_MAX_PANEL_SNAP_SIZES] = {};
        A_long count = AEGP_MAX_PANEL_SNAP_SIZES;
        const A_Err snap = frame.functions.GetSnapSizes(frame.refcon, sizes, &count);
        if (snap != A_Err_NONE) note_hook_failure("snap sizes", match_name, snap);
        if (snap == A_Err_NONE && count > 0 && sizes[0].x > 0 && sizes[0].y > 0) size = sizes[0];
    }
    size_frame(window, container, size.x, size.y);
    ShowWindow(window);
    return {};
}

void Host::close_panel(PanelFrame& frame) { close_frame(frame); }

Host::Outcome Host::set_panel_title(ObjectId panel, const std::string& title) {
    for (auto& [name, frame] : panels_) {
        if (frame->id != panel) continue;
        frame->title = title;
        set_window_title(frame->window, title);
        return {};
    }
    return {A_Err_PARAMETER, "panelH names no open panel (closed or never opened)"};
}

const PanelFrame* Host::open_frame(const std::string& match_name) const {
    const auto it = panels_.find(match_name);
    return it != panels_.end() && it->second->id ? it->second.get() : nullptr;
}

bool Host::panel_open(const std::string& match_name) const { return open_frame(match_name) != nullptr; }

AEGP_PlatformViewRef Host::panel_container(const std::string& match_name) const {
    const PanelFrame* frame = open_frame(match_name);
    return frame ? frame->container : nullptr;
}

OpaqueWindowPtr* Host::panel_window(const std::string& match_name) const {
    const PanelFrame* frame = open_frame(match_name);
    return frame ? frame->window : nullptr;
}

std::string Host::panel_title(const std::string& match_name) const {
    const PanelFrame* frame = open_frame(match_name);
    return frame ? frame->title : std::string();
}

std::optional<A_LPoint> Host::panel_size(const std::string& match_name) const {
    const PanelFrame* frame = open_frame(match_name);
    if (!frame) return std::nullopt;
    Rect bounds{};
    GetControlBounds(frame->container, &bounds);
    return A_LPoint{bounds.right - bounds.left, bounds.bottom - bounds.top};
}

}  // namespace host
