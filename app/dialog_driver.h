// Operates the Voxtrel dialog through the toolkit's automation, as a person
// would: typing into fields with key presses and leaving them with Tab,
// clicking check boxes, choosing in the popup's menu and pressing "Apply". An
// action on a missing, hidden or disabled control changes nothing and is
// reported, one line each; so is a field that took another value than typed.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "dialog_actions.h"
#include "toolkit/native.h"

namespace app {

class DialogDriver {
public:
    // `idle` lets the host idle between actions, as it does while a person
    // moves from one control to the next.
    DialogDriver(HIViewRef root, std::function<void()> idle, std::ostream& complaints);

    // Everything asked except pressing "Apply", in the dialog's reading order:
    // box size, orientation, camera, repeats, keys, text cropping.
    void operate(const DialogActions& actions);

    // Presses "Apply" `times` times, idling after each; returns how many
    // presses reached the button.
    int press_apply(int times);

    // The box size the "Cube Dimensions" fields hold now (the values the dialog
    // took); none when they are missing or do not hold three numbers.
    std::optional<std::array<double, 3>> cube_size() const;

private:
    HIViewRef check_box(const std::string& label) const;
    // Whether a person can use the view; otherwise reports why and what was not done.
    bool usable(HIViewRef view, const std::string& what, const std::string& not_done);
    void set_check_box(const std::string& label, bool checked);
    // Types the text into the field as a person does and leaves it with Tab;
    // says so when the field then shows another value than the one typed.
    void type_into(HIViewRef field, const std::string& what, const std::string& text);
    void type_cube(const std::array<std::string, 3>& sizes);
    void choose_camera(const std::string& name);
    void set_orientation(const std::set<Orientation>& checked);
    void set_repeat(const std::string& count);
    void complain(const std::string& line);

    HIViewRef root_;
    std::function<void()> idle_;
    std::ostream& complaints_;
};

}  // namespace app
