// Font faces loaded straight from the DejaVu font files.
#pragma once

#include <cairo.h>

#include <string>

namespace tk::detail {

// The face of the family in that style, or null when its file cannot be loaded.
// Faces stay loaded for the life of the process.
cairo_font_face_t* font_face(const std::string& family, bool bold, bool italic);

}  // namespace tk::detail
