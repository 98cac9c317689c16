// The host's composition viewer: a toolkit window titled with the
// composition's name, showing the composition through its camera with the box
// (viewer_picture.h), the "Voxtrel" menu item and the layers. A click on a
// layer selects it, Shift+click adds it to the selection or takes it out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <tuple>
#include <vector>

#include "gui/viewer_picture.h"
#include "host/Host.h"
#include "toolkit/native.h"
#include "view/geometry.h"

namespace app::gui {

class CompositionViewer {
public:
    // Shows the window near the top-left of `screen`; the host keeps it open when it quits.
    CompositionViewer(host::Host& h, const Rect& screen);
    ~CompositionViewer();
    CompositionViewer(const CompositionViewer&) = delete;
    CompositionViewer& operator=(const CompositionViewer&) = delete;

    WindowRef window() const { return window_; }
    // Its close box was clicked (the window stays until the viewer goes).
    bool close_requested() const { return close_requested_; }

    // Draws again when the composition, its selection, the menu item or the box changed.
    void refresh(view::Vec3 box);
    // A press at a point of the window: selects the layer there. Says what was there.
    ViewerSpot press(Point where, EventModifiers modifiers);

private:
    // What the picture depends on, cheap to compare.
    using State = std::tuple<std::size_t, std::size_t, std::size_t, std::vector<host::ObjectId>, double, double, double,
                             std::size_t>;
    State state(view::Vec3 box) const;
    void rebuild(view::Vec3 box);
    void paint();
    static OSStatus on_event(EventHandlerCallRef, EventRef event, void* self);

    host::Host& host_;
    Rect screen_;
    WindowRef window_ = nullptr;
    ControlRef pane_ = nullptr;
    ViewerContent content_;
    ViewerSize size_;
    std::vector<host::ObjectId> listed_;  // the layers of the list, by row
    CGImageRef image_ = nullptr;
    bool close_requested_{};
    std::optional<State> drawn_;  // what the picture shows, once painted
};

}  // namespace app::gui
