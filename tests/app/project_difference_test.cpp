// What the validation reports as the first difference between two projects:
// each change to a copy of the default project, and the change it must not see.
#include "validate/project_difference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "host/Host.h"
#include "host/scene.h"

namespace {

TEST(ProjectDifference, NamesTheFirstChangeAndIgnoresANaNOnBothSides) {
    host::Host h;
    h.load_scene_text(host::default_scene().dump());
    host::Project before = h.project();
    const host::ObjectId first = before.layers.begin()->first, comp = before.comps.begin()->first;
    // A value the plug-in wrote as NaN, in a stream and in a key, is the same on both sides.
    before.layers[first].streams[0].value.x = std::nan("");
    before.layers[first].streams[1].keys.push_back({*host::Time::fraction(1, 30), {1, 2, std::nan("")}});
    const std::string name = "\"" + before.layers.begin()->second.name + "\"";
    using Change = std::function<void(host::Project&)>;
    const std::pair<Change, std::string> cases[] = {
        {[](host::Project&) {}, ""},
        {[&](host::Project& p) { p.layers[first].streams[1].keys.clear(); }, "layer " + name + ": Position"},
        {[&](host::Project& p) { p.layers[first].streams[1].keys[0].time = {}; }, "layer " + name + ": Position"},
        {[&](host::Project& p) { p.layers[first].streams[1].keys[0].value.z = 4; }, "layer " + name + ": Position"},
        {[&](host::Project& p) { p.layers[first].streams[0].value.y += 1; }, "layer " + name + ": Anchor Point"},
        {[&](host::Project& p) { p.layers[first].name += " 2"; }, "layer " + name},
        {[&](host::Project& p) { p.layers.erase(first); }, "layer " + name + " is gone"},
        {[&](host::Project& p) { p.comps[comp].selection.clear(); }, "the selection in \"Main\""},
        {[&](host::Project& p) { p.active_item = 0; }, "the active item"},
    };
    for (const auto& [change, message] : cases) {
        host::Project after = before;
        change(after);
        EXPECT_EQ(app::validate::difference(before, after), message);
    }
}

}  // namespace
