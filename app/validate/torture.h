// The torture run: on the whole scene being validated, a seeded random
// sequence of what a person and the host do (select and deselect layers, add
// and remove cameras, type garbage and extreme numbers, click any control,
// choose popup entries, open, close and toggle the dialog, Apply, undo, redo,
// move the current time), the host idling after each, every step checked. The
// same seed and number of steps give the same run.
#pragma once

#include <cstdint>
#include <string>

#include "children.h"

namespace app::validate {

struct TorturePlan {
    std::string plugin;
    std::string scene;  // scene text
    bool panels{};
    std::uint64_t seed{};
    long steps{};
};

// Tells `reporter` each step before taking it and what it found; stops at
// the first step that breaks a promise.
void torture(const TorturePlan& plan, Reporter& reporter);

}  // namespace app::validate
