// An item's value and its text: conversions, and the clamped reads of what the
// user typed.
#include "adm/detail/item_text.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "adm/detail/ScopedCFString.h"
#include "adm/detail/handles.h"
#include "adm/detail/iADMItem.h"

void default_float_to_text(float value, char* text) {
    std::sprintf(text, "%f", static_cast<double>(value));
    // Six decimals, or "inf" or "nan"; the zeros that end the decimals go, and the point with them.
    if (!std::strchr(text, '.')) return;
    char* end = text + std::strlen(text);
    while (end[-1] == '0') --end;
    if (end[-1] == '.') --end;
    *end = '\0';
}

bool default_text_to_float(const char* text, float& value) {
    char* end = nullptr;
    const double parsed = std::strtod(text, &end);
    if (end == text) return false;
    value = static_cast<float>(parsed);
    return true;
}

namespace {

// Truncates toward zero, saturating at the ends of the int range.
int truncate_to_int(double value) {
    if (value != value) return 0;
    return static_cast<int>(std::clamp(value, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

}  // namespace

bool iADMItem::GetTextValue(char* buffer, int size) const {
    if (!control) return false;
    CFStringRef text = nullptr;
    if (GetControlData(control, kControlEntireControl, kControlEditTextCFStringTag, sizeof text, &text, nullptr) !=
            noErr ||
        !text)
        return false;
    const bool read = CFStringGetCString(text, buffer, size, kCFStringEncodingMacRoman);
    CFRelease(text);
    return read;
}

float iADMItem::GetFloatValue() {
    char text[kADMValueTextSize];
    if (!GetTextValue(text, sizeof text)) return value;
    float read = value;
    const bool converted = textToFloatProc ? textToFloatProc(to_ref(this), text, &read) != 0
                                           : default_text_to_float(text, read);
    if (!converted) return value;
    value = read;
    if (value > maximum)
        value = maximum;
    else if (value < minimum)
        value = minimum;
    return value;
}

int iADMItem::GetIntValue() {
    int result = truncate_to_int(value);
    char text[kADMValueTextSize];
    if (GetTextValue(text, sizeof text)) {
        char* end = nullptr;
        const long parsed = std::strtol(text, &end, 10);
        if (end != text) {
            // Compared as doubles: as floats, numbers just above a bound of 2^24 or more would equal it.
            const double number = static_cast<double>(parsed);
            if (number > maximum)
                result = truncate_to_int(maximum);
            else if (number < minimum)
                result = truncate_to_int(minimum);
            else
                result = truncate_to_int(number);
            value = static_cast<float>(result);
        }
    }
    return result;
}

void iADMItem::updateFloatText() {
    if (!control) return;
    char text[kADMValueTextSize] = {};
    const bool made = floatToTextProc ? floatToTextProc(to_ref(this), value, text, sizeof text) != 0
                                      : (default_float_to_text(value, text), true);
    if (!made) return;
    text[sizeof text - 1] = '\0';
    ScopedCFString string(text, kCFStringEncodingASCII);
    CFStringRef ref = string.get();
    if (!ref) return;
    SetControlData(control, kControlEntireControl, kControlEditTextCFStringTag, sizeof ref, &ref);
}

void iADMItem::commitText() {
    GetFloatValue();
    updateFloatText();
}
