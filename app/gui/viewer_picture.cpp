#include "viewer_picture.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

#include "view/view_render.h"

namespace app::gui {
namespace {

constexpr int kListWidth = 260;
constexpr int kMenuHeight = 28;
constexpr int kHeaderHeight = 22;
constexpr int kRowHeight = 18;
constexpr int kMargin = 10;
constexpr double kFontSize = 12;

// DejaVu Sans read from its file, as the toolkit reads its fonts: the system's
// font configuration would stay allocated when the program ends. Kept for the
// whole run, since cairo may hold on to the face in its caches.
cairo_font_face_t* list_font() {
    static cairo_font_face_t* const face = []() -> cairo_font_face_t* {
        FT_Library library = nullptr;
        if (FT_Init_FreeType(&library) != 0) return nullptr;
        for (const char* path : {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                                 "/usr/share/fonts/dejavu/DejaVuSans.ttf", "/usr/share/fonts/TTF/DejaVuSans.ttf"}) {
            FT_Face font = nullptr;
            if (FT_New_Face(library, path, 0, &font) == 0) return cairo_ft_font_face_create_for_ft_face(font, 0);
        }
        return nullptr;
    }();
    return face;
}

int list_left(const ViewerContent& content) { return content.plan.width; }
int first_row_top() { return kMenuHeight + kHeaderHeight; }

void text_at(cairo_t* cr, double x, double y, const std::string& text) {
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, text.c_str());
}

void draw_menu_item(cairo_t* cr, const ViewerContent& content, int left) {
    cairo_set_source_rgb(cr, 0.22, 0.22, 0.24);
    cairo_rectangle(cr, left, 0, kListWidth, kMenuHeight);
    cairo_fill(cr);
    const double shade = content.command_enabled ? 0.92 : 0.5;
    cairo_set_source_rgb(cr, shade, shade, shade);
    text_at(cr, left + kMargin, 18,
            content.command_enabled ? "Window \u25B8 Voxtrel" : "Window \u25B8 Voxtrel (disabled)");
}

void draw_layer_list(cairo_t* cr, const ViewerContent& content, int left, int height) {
    cairo_set_source_rgb(cr, 0.7, 0.7, 0.72);
    text_at(cr, left + kMargin, kMenuHeight + 16, "Layers (click selects, Shift+click adds)");
    for (std::size_t i = 0; i < content.layers.size(); ++i) {
        const int top = first_row_top() + static_cast<int>(i) * kRowHeight;
        if (top + kRowHeight > height) break;
        const ListedLayer& layer = content.layers[i];
        if (layer.selected) {
            cairo_set_source_rgb(cr, 0.24, 0.40, 0.66);
            cairo_rectangle(cr, left, top, kListWidth, kRowHeight);
            cairo_fill(cr);
        }
        cairo_set_source_rgb(cr, 0.9, 0.9, 0.9);
        text_at(cr, left + kMargin, top + 13, layer.name);
        cairo_set_source_rgb(cr, 0.62, 0.62, 0.65);
        text_at(cr, left + kListWidth - 70, top + 13, layer.type);
    }
}

}  // namespace

ViewerSize viewer_size(const ViewerContent& content, int max_height) {
    const int list = first_row_top() + static_cast<int>(content.layers.size()) * kRowHeight + kMargin;
    return {content.plan.width + kListWidth, std::max(1, std::min(std::max(content.plan.height, list), max_height))};
}

void draw_viewer(cairo_t* cr, const ViewerContent& content, ViewerSize size) {
    cairo_save(cr);
    cairo_set_source_rgb(cr, 0.16, 0.16, 0.17);
    cairo_paint(cr);
    view::draw_view(cr, content.plan);
    if (cairo_font_face_t* font = list_font()) cairo_set_font_face(cr, font);
    cairo_set_font_size(cr, kFontSize);
    const int left = list_left(content);
    draw_menu_item(cr, content, left);
    draw_layer_list(cr, content, left, size.height);
    cairo_restore(cr);
}

ViewerSpot spot_at(const ViewerContent& content, int x, int y) {
    const int left = list_left(content);
    if (x < left || x >= left + kListWidth || y < 0) return {};
    if (y < kMenuHeight) return {ViewerSpot::Kind::menu_item, -1};
    if (y < first_row_top()) return {};
    const int row = (y - first_row_top()) / kRowHeight;
    if (row >= static_cast<int>(content.layers.size())) return {};
    return {ViewerSpot::Kind::layer, row};
}

}  // namespace app::gui
