// The table voxtrel-host prints: the layers an application touched or made,
// with their position, orientation and scale afterwards.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "host/Host.h"

namespace app {

// The main composition's layers as they are now, to compare with later.
using LayerSnapshot = std::map<host::ObjectId, host::Layer>;
LayerSnapshot snapshot_layers(const host::Host& h);

struct LayerRow {
    std::string name;
    bool made = false;  // a layer the application added
    host::Vec3 position, orientation, scale;
};

// Layers of the main composition that are new since `before` or whose
// transform changed (values or keys), top of the stack first, with their values
// at the composition's time.
std::vector<LayerRow> changed_layers(const host::Host& h, const LayerSnapshot& before);

// A column per value, aligned; "(no layer changed)" for an empty table.
void print_layer_table(const std::vector<LayerRow>& rows, std::ostream& out);

}  // namespace app
