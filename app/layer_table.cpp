#include "layer_table.h"

#include <algorithm>
#include <cstdio>

#include "text_columns.h"

namespace app {

namespace {

// One decimal; "-0.0" would read as a different value than it is.
std::string number(double v) {
    char text[48];
    std::snprintf(text, sizeof text, "%.1f", v);
    return std::string(text) == "-0.0" ? "0.0" : text;
}

std::string triple(const host::Vec3& v) { return number(v.x) + ", " + number(v.y) + ", " + number(v.z); }

std::string changes(const LayerChange& row) {
    std::string text;
    if (!row.keys_added.empty()) {
        text = "keys added:";
        for (const KeysAdded& k : row.keys_added)
            text += (&k == &row.keys_added.front() ? " " : ", ") + k.stream + " " + std::to_string(k.count);
    }
    if (row.rotation_zeroed)
        text += (text.empty() ? "" : "; ") + std::string("rotation zeroed (was ") + triple(*row.rotation_zeroed) + ")";
    return text;
}

using Line = std::vector<std::string>;

const char* reason_text(const std::string& reason) {
    if (reason == "camera") return "a camera";
    if (reason == "light") return "a light";
    return "a 2D layer";
}

}  // namespace

void print_layer_table(const Report& report, std::ostream& out) {
    if (!report.undone.empty()) out << "Undone: " << report.undone << "\n";
    if (report.layers.empty()) {
        out << "(no layer changed)\n";
    } else {
        std::vector<Line> lines = {{"Layer", "Position", "Orientation", "Scale"}};
        bool any_changes = false;
        for (const LayerChange& row : report.layers) {
            lines.push_back(
                {row.label(), triple(row.position), triple(row.orientation), triple(row.scale), changes(row)});
            any_changes = any_changes || !lines.back().back().empty();
        }
        if (any_changes)
            lines.front().push_back("Changes");
        else
            for (Line& line : lines) line.resize(4);
        print_columns(lines, "", out);
    }
    if (report.skipped.empty()) return;
    out << "Selected but not distributed:\n";
    std::vector<Line> lines;
    for (const SkippedLayer& s : report.skipped) lines.push_back({s.name, reason_text(s.reason)});
    print_columns(lines, "  ", out);
}

}  // namespace app
