// What the composition viewer shows, drawn with cairo: the composition through
// its camera as view.png shows it, with the box, and beside it the host's
// "Window" menu item for Voxtrel and the list of layers, selected ones
// highlighted. Also where in it a click falls.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

#include "view/view_plan.h"

namespace app::gui {

struct ListedLayer {
    std::string name;
    std::string type;  // "footage", "camera"...
    bool selected{};
};

struct ViewerContent {
    view::ViewPlan plan;
    std::vector<ListedLayer> layers;  // top of the stack first
    bool command_enabled{};           // the "Voxtrel" menu item
};

// The viewer's size in pixels for that content, at most `max_height` high.
struct ViewerSize {
    int width = 0, height = 0;
};
ViewerSize viewer_size(const ViewerContent& content, int max_height);

void draw_viewer(cairo_t* cr, const ViewerContent& content, ViewerSize size);

// What is at a point of the viewer.
struct ViewerSpot {
    enum class Kind { nothing, menu_item, layer } kind = Kind::nothing;
    int layer = -1;  // index in the list, for a layer
};
ViewerSpot spot_at(const ViewerContent& content, int x, int y);

}  // namespace app::gui
