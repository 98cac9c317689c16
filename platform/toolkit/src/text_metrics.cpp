#include "text_metrics.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

#include "font_faces.h"

namespace tk::detail {
namespace {

// Pixel sizes of the theme's text: the system font, the small and the mini one.
constexpr double kSystemSize = 13;
constexpr double kSmallSize = 11;
constexpr double kMiniSize = 10;
constexpr double kViewSize = 12;

struct Family {
    FMFontFamily number;
    const char* name;   // as callers ask for it
    const char* drawn;  // the family that draws it
};
constexpr std::array<Family, 4> kFamilies = {{
    {1, "DejaVu Sans", "DejaVu Sans"},
    {2, "DejaVu Sans Mono", "DejaVu Sans Mono"},
    {3, "DejaVu Serif", "DejaVu Serif"},
    {4, "Courier", "DejaVu Sans Mono"},
}};

// One scratch context for every measurement.
cairo_t* measuring_context() {
    static cairo_t* cr = [] {
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
        cairo_t* context = cairo_create(surface);
        cairo_surface_destroy(surface);
        return context;
    }();
    return cr;
}

double advance(cairo_t* cr, const std::string& text) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance;
}

void wrap_line(cairo_t* cr, const std::string& line, double wrapWidth, std::vector<std::string>& out) {
    std::string current;
    std::size_t start = 0;
    while (start <= line.size()) {
        std::size_t end = line.find(' ', start);
        if (end == std::string::npos) end = line.size();
        const std::string word = line.substr(start, end - start);
        const std::string candidate = current.empty() ? word : current + " " + word;
        if (!current.empty() && advance(cr, candidate) > wrapWidth) {
            out.push_back(current);
            current = word;
        } else {
            current = candidate;
        }
        start = end + 1;
    }
    out.push_back(current);
}

TkFont meta_font(SInt16 meta) {
    TkFont font;
    switch (meta) {
    case kControlFontBigSystemFont:
        font.size = kSystemSize;
        break;
    case kControlFontSmallBoldSystemFont:
        font.size = kSmallSize;
        font.bold = true;
        break;
    case kControlFontViewSystemFont:
        font.size = kViewSize;
        break;
    case kControlFontMiniSystemFont:
        font.size = kMiniSize;
        break;
    default:
        font.size = kSmallSize;
        break;
    }
    return font;
}

TkFont size_font(ControlSize size) {
    TkFont font;
    font.size = size == kControlSizeSmall ? kSmallSize : size == kControlSizeMini ? kMiniSize : kSystemSize;
    return font;
}

}  // namespace

TkFont theme_font(ThemeFontID id) {
    TkFont font;
    font.size = id == kThemeSmallSystemFont ? kSmallSize : id == kThemeMiniSystemFont ? kMiniSize : kSystemSize;
    return font;
}

TkFont control_font(const TkView* control) {
    const ControlFontStyleRec& style = control->fontStyle;
    if (!(style.flags & kControlUseFontMask)) return size_font(control->size);
    TkFont font;
    if (style.font < 0) {
        font = meta_font(style.font);
    } else {
        const std::string name = family_name(style.font);
        font.family = name.empty() ? font.family : name;
        font.size = kViewSize;
    }
    // Sizes that are not positive (the small fixed-width request) keep the mini size.
    if (style.flags & kControlUseSizeMask) font.size = style.size > 0 ? style.size : kMiniSize;
    if (style.flags & kControlAddFontSizeMask) font.size = std::max(1.0, font.size + style.size);
    if (style.flags & kControlUseFaceMask) {
        font.bold = font.bold || (style.style & bold);
        font.italic = style.style & italic;
    }
    return font;
}

std::string family_name(FMFontFamily family) {
    for (const auto& f : kFamilies)
        if (f.number == family) return f.drawn;
    return {};
}

FMFontFamily family_number(std::string_view name) {
    for (const auto& f : kFamilies) {
        const std::string_view known(f.name);
        if (known.size() == name.size() &&
            std::equal(known.begin(), known.end(), name.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
            }))
            return f.number;
    }
    return kInvalidFontFamily;
}

void select_font(cairo_t* cr, const TkFont& font) {
    if (cairo_font_face_t* face = font_face(font.family, font.bold, font.italic)) {
        cairo_set_font_face(cr, face);
        cairo_set_font_size(cr, font.size);
        return;
    }
    // Without the font files, the system's font configuration finds the family.
    cairo_select_font_face(cr, font.family.c_str(), font.italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           font.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, font.size);
}

std::vector<std::string> text_lines(const TkFont& font, const std::string& utf8, double wrapWidth) {
    cairo_t* cr = measuring_context();
    select_font(cr, font);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = utf8.find_first_of("\r\n", start);
        const std::string line = utf8.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (wrapWidth > 0)
            wrap_line(cr, line, wrapWidth, lines);
        else
            lines.push_back(line);
        if (end == std::string::npos) break;
        // A CR LF pair is one break.
        start = end + ((utf8[end] == '\r' && end + 1 < utf8.size() && utf8[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

TkTextSize measure_text(const TkFont& font, const std::string& utf8, double wrapWidth) {
    const auto lines = text_lines(font, utf8, wrapWidth);
    cairo_t* cr = measuring_context();
    select_font(cr, font);
    cairo_font_extents_t extents;
    cairo_font_extents(cr, &extents);
    TkTextSize size;
    size.ascent = static_cast<int>(std::ceil(extents.ascent));
    size.descent = static_cast<int>(std::ceil(extents.descent));
    size.lineHeight = size.ascent + size.descent;
    double widest = 0;
    for (const auto& line : lines) widest = std::max(widest, advance(cr, line));
    size.width = static_cast<int>(std::ceil(widest));
    size.height = size.lineHeight * static_cast<int>(lines.size());
    return size;
}

}  // namespace tk::detail
