// Paints a planned picture of the composition, on screen or into a PNG file.
#pragma once

#include <cairo.h>

#include <stdexcept>
#include <string>

#include "view/view_plan.h"

namespace view {

class ViewWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The picture on `cr`, its top-left at the origin. Dark background; layers
// as translucent fills with an outline in their colour; the frame dashed, the
// box as thin lines; cameras as triangles, lights as discs.
void draw_view(cairo_t* cr, const ViewPlan& plan);

// The picture as a PNG file. The same plan always gives the same bytes. Throws
// ViewWriteError when the file cannot be written.
void paint_view(const ViewPlan& plan, const std::string& png_path);

// Reads the scene, plans the picture and paints it.
void render_view(const nlohmann::json& scene, Vec3 box_size, const std::string& png_path,
                 int width = kDefaultViewWidth);

}  // namespace view
