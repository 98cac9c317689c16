#include "scenarios.h"

#include "sweep_scene.h"

namespace app::validate {

namespace {

using Steps = std::function<void(Session&)>;

const host::SuiteKey kLayerSuite10{kAEGPLayerSuite, kAEGPLayerSuiteVersion10};

// Opens the dialog, operates it as asked, presses "Apply" and idles.
Steps applying(DialogActions actions) {
    return [actions](Session& s) {
        s.open();
        s.operate(actions);
        s.apply();
        s.idle();
    };
}

// Opens the dialog, selects, and lets the host show its menus and idle.
Steps following(Picked which) {
    return [which](Session& s) {
        s.open();
        s.select(which);
        s.show_menus();
        s.idle(2);
    };
}

DialogActions orient(std::set<Orientation> boxes) {
    DialogActions actions;
    actions.orient = std::move(boxes);
    return actions;
}

DialogActions repeat(bool sequential) {
    DialogActions actions;
    actions.repeat = "2";
    actions.sequential = sequential;
    return actions;
}

std::vector<Scenario> make_scenarios() {
    DialogActions towards = orient({Orientation::camera});
    towards.camera = "Third Camera";
    DialogActions mixed = orient({Orientation::camera, Orientation::random});
    DialogActions keys = orient({Orientation::random});
    keys.keys = {KeyKind::position, KeyKind::orientation, KeyKind::scale};
    DialogActions no_crop;
    no_crop.no_crop_text = true;

    std::vector<Scenario> list = {
        {"load-quit", false, {}, {}, [](Session&) {}},
        {"window", false, {}, {}, [](Session& s) {
             s.open();
             s.idle();  // quits with the window open
         }},
        {"panel", true, {}, {}, [](Session& s) {
             s.open();
             s.idle();  // quits with the panel open
         }},
        {"idle-none", false, {}, {}, following(Picked::none)},
        {"idle-2d", false, {}, {}, following(Picked::two_d)},
        {"idle-footage", false, {}, {}, following(Picked::footage)},
        {"idle-solid", false, {}, {}, following(Picked::solid)},
        {"idle-text", false, {}, {}, following(Picked::text)},
        {"idle-shape", false, {}, {}, following(Picked::shape)},
        {"idle-cameras-lights", false, {}, {}, following(Picked::cameras_lights)},
        {"idle-inactive", false, {}, {}, [](Session& s) {
             s.open();
             s.set_composition_active(false);
             s.show_menus();
             s.idle(2);
         }},
        {"apply", false, {}, {}, applying({})},
        {"apply-camera", false, {}, add_cameras, applying(towards)},
        {"apply-random-orientation", false, {}, {}, applying(orient({Orientation::random}))},
        {"apply-mixed", false, {}, add_cameras, applying(mixed)},
        {"apply-keys", false, {}, add_keys, applying(keys)},
        {"repeat", false, {}, {}, applying(repeat(false))},
        {"repeat-sequential", false, {}, {}, applying(repeat(true))},
        {"repeat-duplicate-command", false, {kLayerSuite10}, {}, applying(repeat(false))},
        {"repeat-duplicate-command-sequential", false, {kLayerSuite10}, {}, applying(repeat(true))},
        {"crop-off", false, {}, {}, applying(no_crop)},
        {"stepped", false, {}, {}, [](Session& s) {
             s.open();
             s.set_hidden_box("Distribute Randomly", false);
             s.apply();
             s.idle();
         }},
        {"scale-to-fit-twice", false, {}, {}, [](Session& s) {
             s.open();
             s.set_hidden_box("Scale Layers To Fit", true);
             s.apply();
             s.idle();
             s.apply();
             s.idle();
         }},
        {"close-box", false, {}, {}, [](Session& s) {
             s.open();
             s.close_box();
             s.idle();
             s.open();
             s.idle();
         }},
        {"panel-toggle", true, {}, {}, [](Session& s) {
             s.open();
             s.choose_command();  // closes the panel
             s.idle();
             s.open();
             s.idle();
         }},
        {"panel-apply", true, {}, {}, applying(orient({Orientation::random}))},
        {"undo-redo", false, {}, {}, [](Session& s) {
             s.open();
             s.apply();
             s.idle();
             s.undo();
             s.idle();
             s.redo();
             s.idle();
         }},
    };
    return list;
}

}  // namespace

const std::vector<Scenario>& scenarios() {
    static const std::vector<Scenario> list = make_scenarios();
    return list;
}

}  // namespace app::validate
