// Columns of text lined up on a terminal, for names in any language.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// Terminal columns: one per character, two for the wide characters of East
// Asian scripts, none for combining marks. Bytes that are not UTF-8 count one
// column each.
std::size_t display_width(std::string_view utf8);

// One line per row, `indent` first, the columns two spaces apart and padded to
// the widest text in them; no blanks at the ends of lines.
void print_columns(const std::vector<std::vector<std::string>>& rows, const std::string& indent, std::ostream& out);

}  // namespace app
