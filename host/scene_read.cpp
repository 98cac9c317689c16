// Reading a scene: every field is checked, and the first problem stops the
// load with its JSON path, before anything reaches the host's project.
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <set>
#include <string_view>

#include "host/scene.h"

namespace host {

namespace {

using Json = nlohmann::ordered_json;

constexpr long kMaxPixels = 30000;
constexpr double kMaxSeconds = 86400;
constexpr long kMaxLayerIndex = static_cast<long>(kMaxSceneLayers) - 1;

// Names of the keyed streams in a layer's "keys".
struct KeyedStream {
    const char* name;
    StreamId stream;
};
constexpr KeyedStream kKeyedStreams[] = {
    {"anchor", StreamId::anchor},           {"position", StreamId::position},
    {"scale", StreamId::scale},             {"orientation", StreamId::orientation},
    {"rotation_x", StreamId::rotation_x},   {"rotation_y", StreamId::rotation_y},
    {"rotation_z", StreamId::rotation_z},
};

std::string at(const std::string& path, std::string_view field) { return path + "/" + path_segment(field); }
std::string at(const std::string& path, std::size_t index) { return path + "/" + std::to_string(index); }

[[noreturn]] void fail(const std::string& path, const std::string& problem) { throw SceneError(path, problem); }

const Json* field(const Json& object, const char* name) {
    const auto it = object.find(name);
    return it == object.end() ? nullptr : &*it;
}

void expect_object(const Json& v, const std::string& path, std::initializer_list<std::string_view> allowed) {
    if (!v.is_object()) fail(path, "must be an object");
    for (auto it = v.begin(); it != v.end(); ++it)
        if (std::find(allowed.begin(), allowed.end(), it.key()) == allowed.end())
            fail(at(path, it.key()), "unknown field \"" + printable(it.key(), 40) + "\"");
}

double number(const Json& v, const std::string& path) {
    if (!v.is_number()) fail(path, "must be a number");
    const double d = v.get<double>();
    if (!std::isfinite(d)) fail(path, "must be a finite number");
    return d;
}

long whole(const Json& v, const std::string& path, long min, long max) {
    const double d = number(v, path);
    if (d != std::trunc(d)) fail(path, "must be a whole number");
    if (d < static_cast<double>(min) || d > static_cast<double>(max))
        fail(path, "must be between " + std::to_string(min) + " and " + std::to_string(max));
    return static_cast<long>(d);
}

bool boolean(const Json& v, const std::string& path) {
    if (!v.is_boolean()) fail(path, "must be true or false");
    return v.get<bool>();
}

std::string text(const Json& v, const std::string& path) {
    if (!v.is_string()) fail(path, "must be a string");
    return v.get<std::string>();
}

// A name is one line of text, as the host shows it in lists and menus.
std::string name_text(const Json& v, const std::string& path) {
    std::string name = text(v, path);
    if (name.size() > kMaxSceneNameBytes)
        fail(path, "longer than " + std::to_string(kMaxSceneNameBytes) + " bytes");
    if (std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
        fail(path, "must not hold control characters (line breaks, tabs and the like)");
    return name;
}

Vec3 vec3(const Json& v, const std::string& path) {
    if (!v.is_array() || v.size() != 3) fail(path, "must be a list of three numbers");
    return {number(v[0], at(path, 0)), number(v[1], at(path, 1)), number(v[2], at(path, 2))};
}

// Seconds as the host's exact time: the simplest fraction the number stands
// for. A time the plug-in reads (the current time, an offset) must also fit an A_Time.
Time seconds(const Json& v, const std::string& path, bool read_by_plugin) {
    const double s = number(v, path);
    if (s < -kMaxSeconds || s > kMaxSeconds) fail(path, "must be within a day (86400 seconds)");
    const auto t = Time::from_seconds(s);
    if (!t) fail(path, "must be a time the host can hold exactly: the simplest fraction of seconds for it needs a "
                          "numerator and denominator below 2^53");
    if (read_by_plugin && !t->to_a_time())
        fail(path, "must be a time a plug-in can be handed: a fraction of seconds with a 32-bit value and scale");
    return *t;
}

std::vector<Key> read_keys(const Json& list, const std::string& path, bool one_dimensional) {
    if (!list.is_array()) fail(path, "must be a list of [time, value] pairs");
    if (list.empty()) fail(path, "must hold at least one key");
    if (list.size() > kMaxSceneKeys) fail(path, "more than " + std::to_string(kMaxSceneKeys) + " keys");
    std::vector<Key> keys;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string key_path = at(path, i);
        const Json& pair = list[i];
        if (!pair.is_array() || pair.size() != 2) fail(key_path, "must be a [time, value] pair");
        const Time time = seconds(pair[0], at(key_path, 0), false);
        if (!keys.empty() && time <= keys.back().time)
            fail(at(key_path, 0), "key times must increase");
        Vec3 value;
        if (one_dimensional) {
            value.x = number(pair[1], at(key_path, 1));
        } else {
            value = vec3(pair[1], at(key_path, 1));
        }
        keys.push_back({time, value});
    }
    return keys;
}

void read_all_keys(const Json& keys, const std::string& path, Layer& layer) {
    if (!keys.is_object()) fail(path, "must be an object");
    for (auto it = keys.begin(); it != keys.end(); ++it) {
        const auto known = std::find_if(std::begin(kKeyedStreams), std::end(kKeyedStreams),
                                        [&](const KeyedStream& k) { return it.key() == k.name; });
        if (known == std::end(kKeyedStreams))
            fail(at(path, it.key()), "unknown keyed property \"" + printable(it.key(), 40) + "\"");
        layer.stream(known->stream).keys = read_keys(it.value(), at(path, it.key()), is_one_dimensional(known->stream));
    }
}

struct ReadLayer {
    Layer layer;
    std::optional<std::array<long, 2>> source;
    std::optional<bool> selected;
};

ReadLayer read_layer(const Json& v, const std::string& path, std::size_t index) {
    expect_object(v, path,
                  {"name", "type", "source", "3d", "selected", "anchor", "position", "scale", "orientation",
                   "rotation", "offset", "keys"});
    ReadLayer out;
    Layer& layer = out.layer;

    const Json* type = field(v, "type");
    if (!type) fail(at(path, "type"), "missing: one of footage, solid, text, shape, camera, light");
    const auto t = type_from_name(text(*type, at(path, "type")));
    if (!t) fail(at(path, "type"), "must be one of footage, solid, text, shape, camera, light");
    layer.type = *t;

    if (const Json* name = field(v, "name")) {
        layer.name = name_text(*name, at(path, "name"));
    } else {
        std::string fallback = type_name(layer.type);
        fallback[0] = static_cast<char>(fallback[0] - 'a' + 'A');
        layer.name = fallback + " " + std::to_string(index + 1);
    }

    const Json* source = field(v, "source");
    if (has_source(layer.type) && !source)
        fail(at(path, "source"), std::string("missing: a ") + type_name(layer.type) + " layer needs [width, height]");
    if (!has_source(layer.type) && source)
        fail(at(path, "source"), std::string("a ") + type_name(layer.type) + " layer has no source");
    if (source) {
        const std::string p = at(path, "source");
        if (!source->is_array() || source->size() != 2) fail(p, "must be [width, height]");
        out.source = std::array<long, 2>{whole((*source)[0], at(p, 0), 1, kMaxPixels),
                                         whole((*source)[1], at(p, 1), 1, kMaxPixels)};
    }

    const bool always_3d = layer.type == LayerType::camera || layer.type == LayerType::light;
    layer.three_d = always_3d;
    if (const Json* three_d = field(v, "3d")) {
        layer.three_d = boolean(*three_d, at(path, "3d"));
        if (always_3d && !layer.three_d) fail(at(path, "3d"), "cameras and lights are always 3D");
    }
    if (const Json* selected = field(v, "selected")) out.selected = boolean(*selected, at(path, "selected"));

    layer.stream(StreamId::scale).value = {100, 100, 100};
    const std::pair<const char*, StreamId> vectors[] = {{"anchor", StreamId::anchor},
                                                        {"position", StreamId::position},
                                                        {"scale", StreamId::scale},
                                                        {"orientation", StreamId::orientation}};
    for (const auto& [name, stream] : vectors)
        if (const Json* value = field(v, name)) layer.stream(stream).value = vec3(*value, at(path, name));
    if (const Json* rotation = field(v, "rotation")) {
        const Vec3 r = vec3(*rotation, at(path, "rotation"));
        layer.stream(StreamId::rotation_x).value = {r.x, 0, 0};
        layer.stream(StreamId::rotation_y).value = {r.y, 0, 0};
        layer.stream(StreamId::rotation_z).value = {r.z, 0, 0};
    }
    if (const Json* offset = field(v, "offset")) layer.offset = seconds(*offset, at(path, "offset"), true);
    if (const Json* keys = field(v, "keys")) read_all_keys(*keys, at(path, "keys"), layer);
    return out;
}

}  // namespace

Project read_scene(const Json& scene, IdCounters& ids) {
    expect_object(scene, "", {"composition", "active"});
    const Json* comp_json = field(scene, "composition");
    if (!comp_json) fail("/composition", "missing");
    const bool active = field(scene, "active") ? boolean(scene["active"], "/active") : true;

    const std::string cp = "/composition";
    expect_object(*comp_json, cp, {"name", "width", "height", "frame_rate", "time", "layers", "selection"});
    const Json& c = *comp_json;
    const std::string name = field(c, "name") ? name_text(c["name"], at(cp, "name")) : "Comp 1";
    const long width = field(c, "width") ? whole(c["width"], at(cp, "width"), 1, kMaxPixels) : 1920;
    const long height = field(c, "height") ? whole(c["height"], at(cp, "height"), 1, kMaxPixels) : 1080;
    double frame_rate = 30;
    if (field(c, "frame_rate")) {
        frame_rate = number(c["frame_rate"], at(cp, "frame_rate"));
        if (frame_rate <= 0 || frame_rate > 999) fail(at(cp, "frame_rate"), "must be above 0 and at most 999");
    }
    Time time;
    if (field(c, "time")) {
        const double t = number(c["time"], at(cp, "time"));
        if (t < 0 || t > kMaxSeconds) fail(at(cp, "time"), "must be between 0 and 86400 seconds");
        time = seconds(c["time"], at(cp, "time"), true);
    }

    std::vector<ReadLayer> layers;
    const std::string lp = at(cp, "layers");
    if (const Json* list = field(c, "layers")) {
        if (!list->is_array()) fail(lp, "must be a list of layers");
        if (list->size() > kMaxSceneLayers) fail(lp, "more than " + std::to_string(kMaxSceneLayers) + " layers");
        for (std::size_t i = 0; i < list->size(); ++i) layers.push_back(read_layer((*list)[i], at(lp, i), i));
    }

    std::vector<std::size_t> selection;
    if (const Json* sel = field(c, "selection")) {
        const std::string sp = at(cp, "selection");
        if (!sel->is_array()) fail(sp, "must be a list of layer indices");
        std::vector<bool> listed_at(layers.size());
        for (std::size_t i = 0; i < sel->size(); ++i) {
            const long index = whole((*sel)[i], at(sp, i), 0, kMaxLayerIndex);
            if (static_cast<std::size_t>(index) >= layers.size())
                fail(at(sp, i), "there is no layer " + std::to_string(index) + " (the composition has " +
                                    std::to_string(layers.size()) + " layers)");
            if (listed_at[static_cast<std::size_t>(index)])
                fail(at(sp, i), "layer " + std::to_string(index) + " is selected twice");
            listed_at[static_cast<std::size_t>(index)] = true;
            selection.push_back(static_cast<std::size_t>(index));
        }
        for (std::size_t i = 0; i < layers.size(); ++i) {
            const bool listed = listed_at[i];
            if (layers[i].selected && *layers[i].selected != listed)
                fail(at(at(lp, i), "selected"), listed ? "is false but the layer is in /composition/selection"
                                                       : "is true but the layer is not in /composition/selection");
        }
    } else {
        for (std::size_t i = 0; i < layers.size(); ++i)
            if (layers[i].selected.value_or(false)) selection.push_back(i);
    }

    // Valid: build the project.
    Project project;
    IdCounters next = ids;
    const ObjectId comp = project.add_item(next, ItemKind::composition, name, width, height);
    project.comps[comp].frame_rate = frame_rate;
    project.comps[comp].time = time;
    std::vector<ObjectId> made;
    for (ReadLayer& r : layers) {
        if (r.source)
            r.layer.source = project.add_item(next, ItemKind::footage, r.layer.name, (*r.source)[0], (*r.source)[1]);
        made.push_back(project.add_layer(next, comp, std::move(r.layer)).id);
    }
    for (std::size_t index : selection) project.comps[comp].selection.push_back(made[index]);
    project.active_item = active ? comp : 0;
    ids = next;
    return project;
}

}  // namespace host
