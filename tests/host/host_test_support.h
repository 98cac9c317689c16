// Shared helpers for the host's tests: acquiring suite tables through the
// host's basic suite, as a plug-in does, and a plug-in id to call with.
#pragma once

#include <gtest/gtest.h>

#include "host/Host.h"

namespace host_test {

template <class Suite>
const Suite* acquire(host::Host& h, const char* name, A_long version) {
    const void* table = nullptr;
    return h.basic_suite()->AcquireSuite(name, version, &table) ? nullptr : static_cast<const Suite*>(table);
}


// The id of a plug-in the host loaded (one whose entry point does nothing), for
// calls that name their plug-in.
inline AEGP_PluginID attach_plugin(host::Host& h) {
    return h.load_entry([](SPBasicSuite*, A_long, A_long, const A_char*, const A_char*, AEGP_PluginID,
                           AEGP_GlobalRefcon*) -> A_Err { return A_Err_NONE; })
        .plugin;
}

// A small scene: composition "Main" 1920 x 1080 at 30 fps, time 0.5, layers
// (top first) "A" footage 640 x 480 3D, "B" solid 200 x 100 3D with position
// keys at 0 and 1, "Cam" camera, "T" text 2D; "A" and "B" selected, B first.
inline const char* kSmallScene = R"({
  "composition": {
    "name": "Main", "width": 1920, "height": 1080, "frame_rate": 30, "time": 0.5,
    "layers": [
      {"name": "A", "type": "footage", "source": [640, 480], "3d": true, "position": [10, 20, 30]},
      {"name": "B", "type": "solid", "source": [200, 100], "3d": true, "offset": 0.25,
       "keys": {"position": [[0, [10, 20, 30]], [1, [100, 200, -300]]]}},
      {"name": "Cam", "type": "camera", "anchor": [960, 540, 0], "position": [960, 540, -2666.7]},
      {"name": "T", "type": "text"}
    ],
    "selection": [1, 0]
  }
})";

}  // namespace host_test
