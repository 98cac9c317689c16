// Loading font files through FreeType, without the system font configuration,
// so measurements depend only on the files and nothing is left unreleased.
#include "font_faces.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <filesystem>
#include <map>
#include <tuple>
#include <vector>

namespace tk::detail {
namespace {

constexpr const char* kFontDirectories[] = {
    "/usr/share/fonts/truetype/dejavu",
    "/usr/share/fonts/dejavu",
    "/usr/share/fonts/TTF",
    "/usr/local/share/fonts",
};

// "DejaVu Sans Mono" -> "DejaVuSansMono".
std::string file_stem(const std::string& family) {
    std::string stem;
    for (char c : family)
        if (c != ' ') stem.push_back(c);
    return stem;
}

// File names to try, the exact style first.
std::vector<std::string> candidates(const std::string& family, bool bold, bool italic) {
    const std::string stem = file_stem(family);
    const std::string slant = stem == "DejaVuSerif" ? "Italic" : "Oblique";
    std::vector<std::string> names;
    if (bold && italic) names.push_back(stem + "-Bold" + slant + ".ttf");
    if (bold) names.push_back(stem + "-Bold.ttf");
    if (italic && !bold) names.push_back(stem + "-" + slant + ".ttf");
    names.push_back(stem + ".ttf");
    return names;
}

FT_Library library() {
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        return FT_Init_FreeType(&l) == 0 ? l : nullptr;
    }();
    return lib;
}

cairo_font_face_t* load(const std::string& name) {
    if (!library()) return nullptr;
    for (const char* dir : kFontDirectories) {
        const std::filesystem::path path = std::filesystem::path(dir) / name;
        std::error_code error;
        if (!std::filesystem::exists(path, error)) continue;
        FT_Face face = nullptr;
        if (FT_New_Face(library(), path.c_str(), 0, &face) != 0) continue;
        return cairo_ft_font_face_create_for_ft_face(face, 0);
    }
    return nullptr;
}

}  // namespace

cairo_font_face_t* font_face(const std::string& family, bool bold, bool italic) {
    // Kept reachable for the whole run: cairo may hold on to the faces in its caches.
    static std::map<std::tuple<std::string, bool, bool>, cairo_font_face_t*> faces;
    const auto key = std::make_tuple(family, bold, italic);
    if (const auto found = faces.find(key); found != faces.end()) return found->second;
    cairo_font_face_t* face = nullptr;
    for (const auto& name : candidates(family, bold, italic))
        if ((face = load(name))) break;
    faces.emplace(key, face);
    return face;
}

}  // namespace tk::detail
