// What a run did to the composition, for the table and the JSON report: the
// layers it changed or made, what changed beyond their transform, and the
// selected layers it left alone.
#pragma once

#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "host/Host.h"

namespace app {

// The main composition as loaded, to compare with later.
struct Snapshot {
    std::map<host::ObjectId, host::Layer> layers;
    std::vector<host::ObjectId> selection;
};
Snapshot take_snapshot(const host::Host& h);

struct KeysAdded {
    std::string stream;  // as the scene names it: "position", "rotation_x", ...
    int count{};
};

struct LayerChange {
    std::size_t index{};  // in the composition, 0 the top
    std::string name;
    int copy{};  // a new layer: 1 for the first made with its name, 2 for the next...; 0 otherwise
    host::Vec3 position, orientation, scale;    // at the composition's time
    std::vector<KeysAdded> keys_added;          // streams that gained keys, in the scene's order
    std::optional<host::Vec3> rotation_zeroed;  // X, Y and Z Rotation before they were set to 0

    // "Photo", or "Photo (new 2)" for a layer the run made.
    std::string label() const;
};

struct SkippedLayer {
    std::size_t index{};
    std::string name;
    std::string reason;  // "camera", "light" or "2D"
};

struct Report {
    std::string undone;  // the step undone at the end, or empty
    int presses{};       // presses of "Apply" that reached the button
    int applications{};  // applications the plug-in made for them
    std::vector<LayerChange> layers;
    std::vector<SkippedLayer> skipped;
    std::vector<std::string> alerts;
};

// Layers of the main composition that are new since `before` or whose
// transform changed (values or keys), top first. A new layer is compared with
// the one it copies: the first layer of `before` with its name, type and source.
std::vector<LayerChange> changed_layers(const host::Host& h, const Snapshot& before);

// Layers that were selected but are not distributed (cameras, lights and 2D
// layers), top first.
std::vector<SkippedLayer> skipped_layers(const host::Host& h, const Snapshot& before);

// The report as a JSON object; numbers in full precision.
nlohmann::ordered_json report_json(const Report& report);

}  // namespace app
