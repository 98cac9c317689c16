// The plug-in module loaded into the simulated host, with the dialog operated
// through the toolkit's automation as a person would.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "plugin_host.h"
#include "toolkit/automation.h"

namespace ta = tk::automation;

class DialogHostTest : public PluginHostTest {
protected:
    static constexpr char kMatchName[] = "QX_Voxtrel v1.3";

    // A 1920 x 1080 composition: 3D footage, solid and text, a camera straight in
    // front of the centre, a light and a 2D layer, all selected.
    static std::string scene();

    // Loads the scene and the module; `panels` chooses whether the host offers workspace panels.
    void start(bool panels, std::string const& scene_text = scene());
    AEGP_Command command() const;
    // Chooses "Voxtrel" from its menu after the menus were updated.
    bool choose_menu_item();

    // The dialog's window (floating mode), or null.
    WindowRef dialog_window() const;
    // Where the dialog's controls live: the window's root view or the panel's container.
    HIViewRef dialog_root() const;
    // A control by its kind and text, in a window or in a panel.
    HIViewRef control(std::string const& kind, std::string const& text) const;
    // The repeat count field, right of "Repeat Layers".
    HIViewRef repeat_count_field() const;
    void check(std::string const& text, bool on);
    void press_apply();

    nlohmann::json layer(nlohmann::json const& scene, std::string const& name) const;

    bool panels_ = false;
};
