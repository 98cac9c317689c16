#include "dialog_driver.h"

#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include "toolkit/automation.h"

namespace app {

namespace auto_ = tk::automation;

namespace {

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

// Why a field shows another number than the one typed, as a person would read
// it: the typed one lay beyond the field's largest or smallest value. Nothing
// when they differ only in how the number is written or rounded.
std::string clamp_note(const std::string& typed, const std::string& took) {
    char* typed_end = nullptr;
    char* took_end = nullptr;
    const double wanted = std::strtod(typed.c_str(), &typed_end);
    const double got = std::strtod(took.c_str(), &took_end);
    if (typed_end == typed.c_str() || took_end == took.c_str()) return "";
    // A field keeps a float and shows six decimals: the roundings of both.
    const double tolerance = 5e-7 + 0x1p-24 * std::fabs(wanted);
    if (wanted > got + tolerance) return " (its largest value)";
    if (wanted < got - tolerance) return " (its smallest value)";
    return "";
}

// Views of a kind below `view`, depth first in creation order.
void collect(HIViewRef view, const std::string& kind, std::vector<HIViewRef>& out) {
    for (HIViewRef child : auto_::subviews(view)) {
        if (auto_::kindName(child) == kind) out.push_back(child);
        collect(child, kind, out);
    }
}

}  // namespace

DialogDriver::DialogDriver(HIViewRef root, std::function<void()> idle, std::ostream& complaints)
    : root_(root), idle_(std::move(idle)), complaints_(complaints) {}

void DialogDriver::complain(const std::string& line) { complaints_ << "voxtrel-host: " << line << "\n"; }

bool DialogDriver::usable(HIViewRef view, const std::string& what, const std::string& not_done) {
    if (!view) {
        complain("no " + what + " in the dialog; " + not_done);
        return false;
    }
    if (!auto_::visible(view)) {
        complain(what + " is hidden; " + not_done);
        return false;
    }
    if (!auto_::enabled(view)) {
        complain(what + " is disabled; " + not_done);
        return false;
    }
    return true;
}

HIViewRef DialogDriver::check_box(const std::string& label) const {
    return auto_::findLabelledControl(root_, "check box", label);
}

void DialogDriver::set_check_box(const std::string& label, bool checked) {
    HIViewRef box = check_box(label);
    if (box && (auto_::value(box) != 0) == checked) return;
    const std::string not_done = checked ? "not checked" : "not unchecked";
    if (!usable(box, quoted(label), not_done)) return;
    if (!auto_::click(box)) complain(quoted(label) + " did not take the click; " + not_done);
    idle_();
}

void DialogDriver::type_into(HIViewRef field, const std::string& what, const std::string& text) {
    const std::string not_done = quoted(text) + " not typed";
    if (!usable(field, what, not_done)) return;
    // As a person: into the field, everything selected, typed over, and Tab to leave it.
    if (!auto_::focus(field)) {
        complain(what + " did not take the focus; " + not_done);
        return;
    }
    auto_::pressKey('a', controlKey);
    auto_::typeKeys(text);
    auto_::pressKey(kTabCharCode);
    idle_();
    const std::string took = auto_::text(field);
    if (took != text) complain(what + " took " + took + clamp_note(text, took) + ", not " + text);
}

void DialogDriver::type_cube(const std::array<std::string, 3>& sizes) {
    const std::vector<HIViewRef> fields = auto_::editFieldsInGroup(root_, "Cube Dimensions");
    static const char* const axes[] = {"X", "Y", "Z"};
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const std::string what = "the \"Cube Dimensions\" " + std::string(axes[i]) + " field";
        type_into(i < fields.size() ? fields[i] : nullptr, what, sizes[i]);
    }
}

void DialogDriver::set_orientation(const std::set<Orientation>& checked) {
    // Checking first, then unchecking: the wanted boxes are on before the others go off.
    for (Orientation o : {Orientation::none, Orientation::camera, Orientation::random})
        if (checked.count(o)) set_check_box(orientation_label(o), true);
    for (Orientation o : {Orientation::none, Orientation::camera, Orientation::random})
        if (!checked.count(o)) set_check_box(orientation_label(o), false);
}

void DialogDriver::choose_camera(const std::string& name) {
    std::vector<HIViewRef> popups;
    collect(root_, "popup button", popups);
    HIViewRef popup = popups.empty() ? nullptr : popups.front();
    const std::string not_done = quoted(name) + " not chosen";
    if (!usable(popup, "the camera popup", not_done)) return;
    const std::vector<std::string> entries = auto_::popupEntries(popup);
    bool known = false;
    for (const std::string& entry : entries) known = known || entry == name;
    if (!known) {
        // Its entries show names as the plug-in reads them, which may have lost characters.
        std::string shown;
        for (const std::string& entry : entries) shown += (shown.empty() ? "" : ", ") + quoted(entry);
        complain("the camera popup has no entry " + quoted(name) + ", only " + shown + "; not chosen");
        return;
    }
    if (!auto_::choosePopupEntry(popup, name)) complain("the camera popup did not take the choice; " + not_done);
    idle_();
}

void DialogDriver::set_repeat(const std::string& count) {
    set_check_box("Repeat Layers", true);
    type_into(auto_::editFieldRightOf(root_, check_box("Repeat Layers")), "the repeat count field", count);
}

void DialogDriver::operate(const DialogActions& actions) {
    if (actions.cube) type_cube(*actions.cube);
    if (actions.orient) set_orientation(*actions.orient);
    if (actions.camera) choose_camera(*actions.camera);
    if (actions.repeat) set_repeat(*actions.repeat);
    if (actions.sequential) set_check_box("Repeat Sequentially", true);
    for (KeyKind k : actions.keys) set_check_box(key_label(k), true);
    if (actions.no_crop_text) set_check_box("Crop Text Layers To Size Of Other 3D Layers", false);
}

int DialogDriver::press_apply(int times) {
    HIViewRef apply = auto_::findLabelledControl(root_, "push button", "Apply");
    int pressed = 0;
    // A click is refused when there is no button or it cannot be operated; why is told below.
    for (; pressed < times && auto_::click(apply); ++pressed) idle_();
    if (pressed < times) {
        const std::string count = "pressed " + std::to_string(pressed) + " of " + std::to_string(times) + " times";
        if (!apply) complain("no \"Apply\" button in the dialog; " + count);
        else if (!auto_::visible(apply)) complain("\"Apply\" is hidden; " + count);
        else if (!auto_::enabled(apply)) complain("\"Apply\" is disabled; " + count);
        else complain("\"Apply\" did not take the click; " + count);
    }
    return pressed;
}

std::optional<std::array<double, 3>> DialogDriver::cube_size() const {
    const std::vector<HIViewRef> fields = auto_::editFieldsInGroup(root_, "Cube Dimensions");
    if (fields.size() != 3) return std::nullopt;
    std::array<double, 3> size{};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string text = auto_::text(fields[i]);
        char* end = nullptr;
        size[i] = std::strtod(text.c_str(), &end);
        if (text.empty() || *end != '\0') return std::nullopt;
    }
    return size;
}

}  // namespace app
