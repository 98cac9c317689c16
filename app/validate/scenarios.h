// What the sweep runs: each scenario is a short story of a person and the host
// with the plug-in, from loading it to quitting, on the sweep's scene (see
// sweep_scene.h), in window or panel mode, on a host that may lack a suite.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/suite_registry.h"
#include "session.h"

namespace app::validate {

struct Scenario {
    std::string name;
    bool panels{};
    std::vector<host::SuiteKey> without;  // an older host
    // Changes to the sweep's scene; none when empty.
    std::function<void(nlohmann::ordered_json&)> scene;
    // Everything between loading the plug-in and quitting.
    std::function<void(Session&)> steps;
};

const std::vector<Scenario>& scenarios();

}  // namespace app::validate
