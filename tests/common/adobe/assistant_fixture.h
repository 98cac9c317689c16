// A simulated host with a scene, a test assistant on a dialog, and the checks
// every scenario ends with: no open undo group, every suite, stream and
// collection given back.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "host/Host.h"
#include "test_assistant.h"

using nlohmann::json;

// ---- Scene pieces (layers are 3D and selected unless changed) ----
// The layer with the given fields changed.
inline json with(json layer, json const& fields) {
    layer.update(fields);
    return layer;
}
// type: "footage", "solid", "text", "shape", "light"; a source only for the first two.
inline json layer_of(std::string const& name, char const* type) {
    return json{{"name", name}, {"type", type}, {"3d", true}, {"selected", true}};
}
inline json footage(std::string const& name, int width, int height, char const* type = "footage") {
    return with(layer_of(name, type), {{"source", {width, height}}});
}
inline json camera(std::string const& name, std::vector<double> position, std::vector<double> point_of_interest) {
    return with(layer_of(name, "camera"), {{"position", position}, {"anchor", point_of_interest}, {"selected", false}});
}
inline json flat(json layer) { return with(layer, {{"3d", false}}); }
inline json unselected(json layer) { return with(layer, {{"selected", false}}); }
json scene(std::vector<json> layers, int width = 1920, int height = 1080, double time = 0.0);

inline host::Vec3 vec(AEGP_StreamValue const& v) { return {v.val.three_d.x, v.val.three_d.y, v.val.three_d.z}; }

// Host calls named without their common prefix: "GetItemType IsLayer3D".
std::vector<std::string> aegp(std::string const& names);

class AssistantTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void load(json const& scene_json) { host.load_scene(scene_json); }
    // Creates the dialog with the given controls (all by default), or all but one.
    TestAssistant& open(std::set<int> controls = TestAssistant::all_controls());
    TestAssistant& open_without(int control);

    void check(int id, bool on);
    void number(int id, float value);
    // Clicks the control as a person would: a user change reaches Notify.
    bool click(int id);

    host::Layer const& layer(std::string const& name) const;
    AEGP_LayerH handle(std::string const& name) const { return host::Host::layer_handle(layer(name).id); }
    std::string name_of(AEGP_LayerH handle) const;
    host::Vec3 value(std::string const& name, host::StreamId stream) const;

    // Host calls logged since the last mark, suite acquisitions left out.
    void mark() { mark_ = host.calls().total_calls(); }
    std::vector<std::string> calls_since_mark() const;
    // The stream writes since the mark, one word each: "open N" (stream number),
    // "key", "set", "close".
    std::vector<std::string> writes_since_mark() const;
    // Fails the next `occurrence`-th call of the function from now on, once.
    void fail_next(std::string const& function, long occurrence = 1, A_Err status = 77) {
        host.calls().fail_function(function, host.calls().calls_of(function) + occurrence, status);
    }

    host::Host host;
    AEGP_PluginID plugin = 0;
    std::unique_ptr<TestAssistant> dlg;

private:
    ADMItemRef item(int id) const;
    long mark_ = 0;  // the number of the last call before the mark
};
