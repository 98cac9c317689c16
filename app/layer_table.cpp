#include "layer_table.h"

#include <algorithm>
#include <cstdio>

namespace app {

namespace {

// One decimal; "-0.0" would read as a different value than it is.
std::string number(double v) {
    char text[48];
    std::snprintf(text, sizeof text, "%.1f", v);
    return std::string(text) == "-0.0" ? "0.0" : text;
}

std::string triple(const host::Vec3& v) { return number(v.x) + ", " + number(v.y) + ", " + number(v.z); }

}  // namespace

LayerSnapshot snapshot_layers(const host::Host& h) {
    LayerSnapshot layers;
    for (host::ObjectId id : h.layer_ids()) layers.emplace(id, *h.project().layer(id));
    return layers;
}

std::vector<LayerRow> changed_layers(const host::Host& h, const LayerSnapshot& before) {
    std::vector<LayerRow> rows;
    const host::Composition* comp = h.project().comp(h.main_comp());
    if (!comp) return rows;
    for (host::ObjectId id : comp->layers) {
        const host::Layer& layer = *h.project().layer(id);
        const auto old = before.find(id);
        const bool made = old == before.end();
        if (!made && old->second.streams == layer.streams) continue;
        rows.push_back({layer.name, made, layer.stream(host::StreamId::position).at(comp->time),
                        layer.stream(host::StreamId::orientation).at(comp->time),
                        layer.stream(host::StreamId::scale).at(comp->time)});
    }
    return rows;
}

void print_layer_table(const std::vector<LayerRow>& rows, std::ostream& out) {
    if (rows.empty()) {
        out << "(no layer changed)\n";
        return;
    }
    struct Line {
        std::string name, position, orientation, scale;
    };
    std::vector<Line> lines = {{"Layer", "Position", "Orientation", "Scale"}};
    for (const LayerRow& r : rows)
        lines.push_back({r.name + (r.made ? " (new)" : ""), triple(r.position), triple(r.orientation), triple(r.scale)});
    std::size_t w[3] = {0, 0, 0};
    for (const Line& l : lines) {
        w[0] = std::max(w[0], l.name.size());
        w[1] = std::max(w[1], l.position.size());
        w[2] = std::max(w[2], l.orientation.size());
    }
    auto pad = [](const std::string& s, std::size_t width) { return s + std::string(width - s.size() + 2, ' '); };
    for (const Line& l : lines) out << pad(l.name, w[0]) << pad(l.position, w[1]) << pad(l.orientation, w[2]) << l.scale << "\n";
}

}  // namespace app
