#include "dialog_actions.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "option_values.h"

namespace app {

namespace {

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string> split_commas(const std::string& value) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (true) {
        const auto comma = value.find(',', start);
        parts.push_back(trimmed(value.substr(start, comma - start)));
        if (comma == std::string::npos) return parts;
        start = comma + 1;
    }
}

bool is_number(const std::string& s) {
    if (s.empty()) return false;
    errno = 0;
    char* end = nullptr;
    const double d = std::strtod(s.c_str(), &end);
    return errno == 0 && *end == '\0' && std::isfinite(d);
}

}  // namespace

std::array<std::string, 3> parse_cube(const std::string& value) {
    const std::vector<std::string> parts = split_commas(value);
    if (parts.size() != 3 || !is_number(parts[0]) || !is_number(parts[1]) || !is_number(parts[2]))
        throw bad_value("--cube", value, "three numbers X,Y,Z");
    return {parts[0], parts[1], parts[2]};
}

std::set<Orientation> parse_orient(const std::string& value) {
    std::set<Orientation> boxes;
    if (trimmed(value).empty()) return boxes;
    for (const std::string& word : split_commas(value)) {
        if (word == "none") boxes.insert(Orientation::none);
        else if (word == "camera") boxes.insert(Orientation::camera);
        else if (word == "random") boxes.insert(Orientation::random);
        else throw bad_value("--orient", value, "none, camera or random, or several of them separated by commas");
    }
    return boxes;
}

std::set<KeyKind> parse_keys(const std::string& value) {
    std::set<KeyKind> keys;
    for (const std::string& word : split_commas(value)) {
        if (word == "position") keys.insert(KeyKind::position);
        else if (word == "orientation") keys.insert(KeyKind::orientation);
        else if (word == "scale") keys.insert(KeyKind::scale);
        else throw bad_value("--keys", value,
                             "position, orientation or scale, or several of them separated by commas");
    }
    return keys;
}

std::string parse_repeat(const std::string& value) {
    const std::string n = trimmed(value);
    if (!whole_number(n, 1, kMaxRepeat))
        throw bad_value("--repeat", value, "a whole number from 1 to " + std::to_string(kMaxRepeat));
    return n;
}

const char* orientation_label(Orientation o) {
    switch (o) {
        case Orientation::none: return "Don't Change Orientation";
        case Orientation::camera: return "Towards Camera";
        case Orientation::random: return "Random";
    }
    return "";
}

const char* key_label(KeyKind k) {
    switch (k) {
        case KeyKind::position: return "Position";
        case KeyKind::orientation: return "Orientation";
        case KeyKind::scale: return "Scale";
    }
    return "";
}

}  // namespace app
