// The scene the host starts with: a 1920 x 1080 composition with thirty 3D
// layers (footage and solids of several sizes, a text and a shape layer) laid
// out on a grid, a camera looking at the centre, a light and two 2D layers;
// the 3D layers, the camera and the light are selected.
#include "host/scene.h"

namespace host {

namespace {

struct Source {
    LayerType type;
    A_long width, height;
};

// Cycled through for the footage and solid cards.
constexpr Source kSources[] = {
    {LayerType::footage, 640, 480},  {LayerType::solid, 500, 500},    {LayerType::footage, 1280, 720},
    {LayerType::solid, 200, 200},    {LayerType::footage, 320, 240},  {LayerType::solid, 1920, 1080},
    {LayerType::footage, 800, 600},  {LayerType::solid, 1000, 250},   {LayerType::footage, 400, 300},
};

constexpr int kColumns = 6, kRows = 5;

Layer new_layer(const std::string& name, LayerType type, bool three_d) {
    Layer layer;
    layer.name = name;
    layer.type = type;
    layer.three_d = three_d;
    layer.stream(StreamId::scale).value = {100, 100, 100};
    return layer;
}

Project build_default() {
    Project project;
    IdCounters ids;
    const ObjectId comp = project.add_item(ids, ItemKind::composition, "Main", 1920, 1080);
    project.active_item = comp;
    std::vector<ObjectId>& selection = project.comps[comp].selection;

    const auto add = [&](Layer layer, bool selected) {
        const ObjectId id = project.add_layer(ids, comp, std::move(layer)).id;
        if (selected) selection.push_back(id);
    };

    Layer camera = new_layer("Camera 1", LayerType::camera, true);
    camera.stream(StreamId::anchor).value = {960, 540, 0};
    camera.stream(StreamId::position).value = {960, 540, -2666.7};
    add(camera, true);

    Layer light = new_layer("Light 1", LayerType::light, true);
    light.stream(StreamId::anchor).value = {960, 540, 0};
    light.stream(StreamId::position).value = {1240, 220, -900};
    add(light, true);

    int footage = 0, solids = 0;
    for (int cell = 0; cell < kColumns * kRows; ++cell) {
        const int column = cell % kColumns, row = cell / kColumns;
        Layer card = new_layer("", LayerType::footage, true);
        card.stream(StreamId::position).value = {960 + (column - 2.5) * 300, 540 + (row - 2) * 200.0,
                                                 ((column + row) % 3 - 1) * 150.0};
        if (cell == kColumns * kRows - 2) {
            card.name = "Title 3D";
            card.type = LayerType::text;
        } else if (cell == kColumns * kRows - 1) {
            card.name = "Shape 3D";
            card.type = LayerType::shape;
        } else {
            const Source& s = kSources[cell % std::size(kSources)];
            card.type = s.type;
            card.name = s.type == LayerType::solid ? "Solid " + std::to_string(++solids)
                                                   : "Card " + std::to_string(++footage);
            card.stream(StreamId::anchor).value = {s.width / 2.0, s.height / 2.0, 0};
            card.source = project.add_item(ids, ItemKind::footage, card.name, s.width, s.height);
        }
        add(card, true);
    }

    Layer caption = new_layer("Caption", LayerType::text, false);
    caption.stream(StreamId::position).value = {960, 1000, 0};
    add(caption, false);

    Layer backdrop = new_layer("Backdrop", LayerType::solid, false);
    backdrop.source = project.add_item(ids, ItemKind::footage, "Backdrop", 1920, 1080);
    backdrop.stream(StreamId::anchor).value = {960, 540, 0};
    backdrop.stream(StreamId::position).value = {960, 540, 0};
    add(backdrop, false);
    return project;
}

}  // namespace

const nlohmann::ordered_json& default_scene() {
    static const nlohmann::ordered_json scene = [] {
        const Project project = build_default();
        return write_scene(project, project.active_item);
    }();
    return scene;
}

}  // namespace host
