// What the command line asks a person to do in the Voxtrel dialog, parsed from
// the option values. Parsers throw std::invalid_argument with a message that
// names the option, the value and what it must be.
#pragma once

#include <array>
#include <optional>
#include <set>
#include <string>

namespace app {

enum class Orientation { none, camera, random };
enum class KeyKind { position, orientation, scale };

struct DialogActions {
    std::optional<std::array<std::string, 3>> cube{};  // texts typed into the box size fields
    std::optional<std::set<Orientation>> orient{};     // the boxes left checked
    std::optional<std::string> camera{};               // camera popup entry to choose
    std::optional<std::string> repeat{};               // count typed after checking "Repeat Layers"
    bool sequential{};
    std::set<KeyKind> keys{};
    bool no_crop_text{};
    int apply = 1;  // presses of "Apply"
};

// "X,Y,Z": three numbers, kept as typed (without surrounding blanks).
std::array<std::string, 3> parse_cube(const std::string& value);
// Comma-separated none, camera, random; an empty list leaves no box checked.
std::set<Orientation> parse_orient(const std::string& value);
// Comma-separated position, orientation, scale.
std::set<KeyKind> parse_keys(const std::string& value);
// Typed as given; larger counts are the field's to clamp.
inline constexpr long long kMaxRepeat = 999999999;
// A whole number from 1 to kMaxRepeat.
std::string parse_repeat(const std::string& value);

// The dialog's texts for these choices.
const char* orientation_label(Orientation o);
const char* key_label(KeyKind k);

}  // namespace app
