#include "listing.h"

#include <algorithm>

#include "host_setup.h"
#include "run.h"
#include "text_columns.h"

namespace app {

namespace {

void list_cameras(const host::Host& h, std::ostream& out) {
    for (host::ObjectId id : h.layer_ids()) {
        const host::Layer& layer = *h.project().layer(id);
        if (layer.type == host::LayerType::camera) out << layer.name << "\n";
    }
}

void list_layers(const host::Host& h, std::ostream& out) {
    const host::Composition* comp = h.project().comp(h.main_comp());
    std::vector<std::vector<std::string>> rows = {{"Index", "Name", "Type", "3D", "Selected"}};
    for (std::size_t index = 0; comp && index < comp->layers.size(); ++index) {
        const host::Layer& layer = *h.project().layer(comp->layers[index]);
        const bool selected =
            std::find(comp->selection.begin(), comp->selection.end(), layer.id) != comp->selection.end();
        rows.push_back({std::to_string(index), layer.name, host::type_name(layer.type), layer.three_d ? "yes" : "no",
                        selected ? "yes" : "no"});
    }
    print_columns(rows, "", out);
}

void list_suites(const host::Host& h, std::ostream& out) {
    for (const auto& [name, version] : h.suites().offered()) out << name << ":" << version << "\n";
}

}  // namespace

int list(const Options& options, std::ostream& out, std::ostream& err) {
    host::Host h;
    prepare_host(h, options, err);
    if (!load_scene(h, options, err)) return kExitBadInput;
    switch (options.listing) {
        case Listing::cameras:
            list_cameras(h, out);
            break;
        case Listing::layers:
            list_layers(h, out);
            break;
        case Listing::suites:
            list_suites(h, out);
            break;
    }
    return kExitDone;
}

}  // namespace app
