#include "gui/composition_viewer.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "open_dialog.h"
#include "view/view_plan.h"
#include "view/view_scene.h"

namespace app::gui {
namespace {

// The viewer's content starts this far below the screen's top, at its left edge.
constexpr SInt16 kTop = 24;

CFStringRef cf_text(const std::string& utf8) {
    return CFStringCreateWithCString(kCFAllocatorDefault, utf8.c_str(), kCFStringEncodingUTF8);
}

// cairo's pixels (native-endian ARGB words) as a toolkit image (A, R, G, B bytes).
CGImageRef to_image(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    const int width = cairo_image_surface_get_width(surface), height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    std::vector<unsigned char> bytes(static_cast<std::size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint32_t v;
            std::memcpy(&v, data + static_cast<std::ptrdiff_t>(y) * stride + x * 4, 4);
            unsigned char* out = &bytes[(static_cast<std::size_t>(y) * width + x) * 4];
            out[0] = static_cast<unsigned char>(v >> 24);
            out[1] = static_cast<unsigned char>(v >> 16);
            out[2] = static_cast<unsigned char>(v >> 8);
            out[3] = static_cast<unsigned char>(v);
        }
    CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
    CGContextRef context =
        CGBitmapContextCreate(bytes.data(), static_cast<std::size_t>(width), static_cast<std::size_t>(height), 8,
                              static_cast<std::size_t>(width) * 4, space, kCGImageAlphaPremultipliedFirst);
    CGImageRef image = context ? CGBitmapContextCreateImage(context) : nullptr;
    if (context) CGContextRelease(context);
    CGColorSpaceRelease(space);
    return image;
}

}  // namespace

CompositionViewer::CompositionViewer(host::Host& h, const Rect& screen) : host_(h), screen_(screen) {
    // Empty until the first paint sizes it to the picture and the list.
    const SInt16 top = static_cast<SInt16>(screen.top + kTop);
    const Rect bounds{top, screen.left, top, screen.left};
    if (CreateNewWindow(kDocumentWindowClass, kWindowCloseBoxAttribute | kWindowStandardHandlerAttribute, &bounds,
                        &window_) != noErr)
        return;
    host_.keep_at_quit(window_);
    const host::Item* comp = host_.project().item(host_.main_comp());
    CFStringRef title = cf_text(comp ? comp->name : "(no composition)");
    SetWindowTitleWithCFString(window_, title);
    CFRelease(title);
    const Rect inside{};
    CreateUserPaneControl(window_, &inside, 0, &pane_);
    const EventTypeSpec close[] = {{kEventClassWindow, kEventWindowClose}};
    InstallEventHandler(GetWindowEventTarget(window_), on_event, std::size(close), close, this, nullptr);
    const EventTypeSpec draw[] = {{kEventClassControl, kEventControlDraw}};
    InstallEventHandler(GetControlEventTarget(pane_), on_event, std::size(draw), draw, this, nullptr);
    ShowWindow(window_);
}

CompositionViewer::~CompositionViewer() {
    if (image_) CGImageRelease(image_);
    DisposeWindow(window_);
}

OSStatus CompositionViewer::on_event(EventHandlerCallRef, EventRef event, void* self) {
    auto& viewer = *static_cast<CompositionViewer*>(self);
    if (GetEventClass(event) == kEventClassWindow) {
        viewer.close_requested_ = true;
        return noErr;
    }
    CGContextRef context = nullptr;
    if (!viewer.image_ || GetEventParameter(event, kEventParamCGContextRef, typeCGContextRef, nullptr, sizeof context,
                                            nullptr, &context) != noErr)
        return eventNotHandledErr;
    CGContextDrawImage(
        context, CGRect{{0, 0}, {static_cast<CGFloat>(viewer.size_.width), static_cast<CGFloat>(viewer.size_.height)}},
        viewer.image_);
    return noErr;
}

CompositionViewer::State CompositionViewer::state(view::Vec3 box) const {
    const host::UndoHistory& undo = host_.undo_history();
    const host::Composition* comp = host_.project().comp(host_.main_comp());
    return {undo.group_names().size(),
            undo.undo_steps().size(),
            undo.redo_steps().size(),
            comp ? comp->selection : std::vector<host::ObjectId>{},
            box.x,
            box.y,
            box.z,
            host_.layer_ids().size()};
}

void CompositionViewer::refresh(view::Vec3 box) {
    if (!window_) return;
    const State now = state(box);
    if (drawn_ == now) return;
    drawn_ = now;
    rebuild(box);
    paint();
}

void CompositionViewer::rebuild(view::Vec3 box) {
    try {
        content_.plan = view::plan_view(view::read_view_scene(host_.save_scene()), box);
    } catch (const std::exception&) {
        // A composition the picture cannot show leaves the picture empty, the list still there.
        content_.plan = view::ViewPlan{view::kDefaultViewWidth, view::kDefaultViewWidth * 9 / 16, -1, {}};
    }
    const host::Composition* comp = host_.project().comp(host_.main_comp());
    listed_ = host_.layer_ids();
    content_.layers.clear();
    for (host::ObjectId id : listed_) {
        const host::Layer* layer = host_.project().layer(id);
        const bool selected =
            comp && std::find(comp->selection.begin(), comp->selection.end(), id) != comp->selection.end();
        content_.layers.push_back({layer->name, host::type_name(layer->type), selected});
    }
    // The menu item as the menus would show it now.
    host_.update_menus();
    const auto command = find_menu_item(host_);
    content_.command_enabled = command && host_.command_enabled(*command);
}

void CompositionViewer::paint() {
    const ViewerSize size = viewer_size(content_, screen_.bottom - screen_.top - kTop - 30);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size.width, size.height);
    cairo_t* cr = cairo_create(surface);
    draw_viewer(cr, content_, size);
    cairo_destroy(cr);
    if (image_) CGImageRelease(image_);
    image_ = to_image(surface);
    cairo_surface_destroy(surface);
    if (size.width != size_.width || size.height != size_.height) {
        size_ = size;
        Rect bounds;
        GetWindowBounds(window_, kWindowContentRgn, &bounds);
        bounds.right = static_cast<SInt16>(bounds.left + size.width);
        bounds.bottom = static_cast<SInt16>(bounds.top + size.height);
        SetWindowBounds(window_, kWindowContentRgn, &bounds);
        const Rect inside{0, 0, static_cast<SInt16>(size.height), static_cast<SInt16>(size.width)};
        SetControlBounds(pane_, &inside);
    }
    HIViewSetNeedsDisplay(pane_, true);
}

ViewerSpot CompositionViewer::press(Point where, EventModifiers modifiers) {
    const ViewerSpot spot = spot_at(content_, where.h, where.v);
    if (spot.kind != ViewerSpot::Kind::layer) return spot;
    const host::ObjectId id = listed_[static_cast<std::size_t>(spot.layer)];
    const host::Composition* comp = host_.project().comp(host_.main_comp());
    std::vector<host::ObjectId> selection = comp ? comp->selection : std::vector<host::ObjectId>{};
    const auto at = std::find(selection.begin(), selection.end(), id);
    if (!(modifiers & shiftKey))
        selection = {id};
    else if (at != selection.end())
        selection.erase(at);
    else
        selection.push_back(id);
    host_.select_layers(selection);
    return spot;
}

}  // namespace app::gui
