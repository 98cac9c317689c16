#include "dialog_host.h"

#include <algorithm>

std::string DialogHostTest::scene() {
    return R"({
  "composition": {
    "name": "Main", "width": 1920, "height": 1080, "frame_rate": 30, "time": 1.0,
    "layers": [
      {"name": "Camera", "type": "camera", "3d": true, "selected": true,
       "anchor": [960, 540, 0], "position": [960, 540, -2666.7]},
      {"name": "Light", "type": "light", "3d": true, "selected": true, "position": [100, 100, -500]},
      {"name": "Title", "type": "text", "3d": true, "selected": true, "position": [960, 300, 0]},
      {"name": "Card", "type": "footage", "source": [640, 480], "3d": true, "selected": true,
       "anchor": [320, 240, 0], "position": [300, 200, 100], "orientation": [10, 20, 30]},
      {"name": "Plate", "type": "solid", "source": [200, 100], "3d": true, "selected": true,
       "anchor": [100, 50, 0], "position": [1500, 900, -300], "scale": [50, 50, 100]},
      {"name": "Flat", "type": "footage", "source": [1920, 1080], "3d": false, "selected": true,
       "anchor": [960, 540, 0], "position": [960, 540, 0]}
    ]
  },
  "active": true
})";
}

void DialogHostTest::start(bool panels, std::string const& scene_text) {
    panels_ = panels;
    if (!panels) host.remove_suite(kAEGPWorkspacePanelSuite, kAEGPWorkspacePanelSuiteVersion1);
    host.load_scene_text(scene_text);
    host::LoadResult const loaded = load();
    ASSERT_TRUE(loaded.ok()) << loaded.message;
}

AEGP_Command DialogHostTest::command() const {
    for (host::MenuItem const& item : host.menus().items(AEGP_Menu_FLOATERS)) {
        if (item.name == "Voxtrel") return item.command;
    }
    return 0;
}

bool DialogHostTest::choose_menu_item() {
    host.update_menus();
    return host.invoke_command(command());
}

WindowRef DialogHostTest::dialog_window() const {
    for (WindowRef window : ta::windows()) {
        if (ta::windowTitle(window) == "Voxtrel") return window;
    }
    return nullptr;
}

HIViewRef DialogHostTest::dialog_root() const {
    if (panels_) return host.panel_container(kMatchName);
    WindowRef window = dialog_window();
    return window ? ta::rootView(window) : nullptr;
}

HIViewRef DialogHostTest::control(std::string const& kind, std::string const& text) const {
    return ta::findLabelledControl(dialog_root(), kind, text);
}

HIViewRef DialogHostTest::repeat_count_field() const {
    HIViewRef box = control("check box", "Repeat Layers");
    Rect const box_frame = ta::frame(box);
    HIViewRef nearest = nullptr;
    for (HIViewRef view : ta::subviews(dialog_root())) {
        if (ta::kindName(view) != "edit text" || !ta::visible(view)) continue;
        Rect const f = ta::frame(view);
        if (std::abs(f.top - box_frame.top) > 4 || f.left <= box_frame.left) continue;
        if (!nearest || f.left < ta::frame(nearest).left) nearest = view;
    }
    return nearest;
}

void DialogHostTest::check(std::string const& text, bool on) {
    HIViewRef box = control("check box", text);
    ASSERT_NE(box, nullptr) << text;
    if ((ta::value(box) != 0) != on) {
        ASSERT_TRUE(ta::click(box)) << text;
    }
    ASSERT_EQ(ta::value(box) != 0, on) << text;
}

void DialogHostTest::press_apply() {
    HIViewRef apply = control("push button", "Apply");
    ASSERT_NE(apply, nullptr);
    ASSERT_TRUE(ta::click(apply));
    host.idle();
}

nlohmann::json DialogHostTest::layer(nlohmann::json const& scene, std::string const& name) const {
    for (nlohmann::json const& l : scene["composition"]["layers"]) {
        if (l["name"] == name) return l;
    }
    ADD_FAILURE() << "no layer " << name;
    return {};
}
