// The dialog items' conversions between numbers and text, through the item
// suite, on an edit field of a window made with the toolkit stand-in: any
// bounds (NaN, infinities, minimum above maximum), any value, any typed text,
// with the default conversions, with conversion procs that forward to them,
// that fail, or that write any bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

#include "adm/ADMSuites.h"
#include "toolkit/automation.h"

namespace {

enum class Procs { none, forwarding, failing, writing_any_bytes };

std::string _procText;  // what the writing proc writes, NUL and all

ADMBoolean forward_to_text(ADMItemRef item, float value, char* text, ADMInt32 length) {
    return ADMItemSuite10::DefaultFloatToText(item, value, text, length);
}
ADMBoolean forward_to_float(ADMItemRef item, const char* text, float* value) {
    return ADMItemSuite10::DefaultTextToFloat(item, text, value);
}
ADMBoolean fail_to_text(ADMItemRef, float, char*, ADMInt32) { return false; }
ADMBoolean fail_to_float(ADMItemRef, const char*, float*) { return false; }
ADMBoolean write_any_text(ADMItemRef, float, char* text, ADMInt32 length) {
    std::memcpy(text, _procText.data(), std::min<std::size_t>(_procText.size(), static_cast<std::size_t>(length)));
    return true;
}

// One window with one edit field, made once; every input sets all the state it reads.
struct Field {
    ADMDialogRef dialog =
        ADMDialogSuite9::Create(nullptr, "Fuzz", 0, kADMTabbedFloatingDialogStyle, nullptr, nullptr, 0);
    ADMItemRef edit = nullptr;
    HIViewRef control = nullptr;  // as the toolkit's automation finds it, to type into
    Field() {
        ADMDialogSuite9::Show(dialog, true);
        const ADMRect rect{10, 10, 23, 80};
        edit = ADMItemSuite10::Create(dialog, 1, kADMTextEditType, &rect, nullptr, nullptr, 0);
        for (WindowRef window : tk::automation::windows())
            for (HIViewRef view : tk::automation::subviews(tk::automation::rootView(window)))
                if (tk::automation::kindName(view) == "edit text") control = view;
        if (!edit || !control) std::abort();
    }
};

[[noreturn]] void broken(const char* what, float a, float b) {
    std::fprintf(stderr, "item text fuzzer: %s (%.9g, %.9g)\n", what, static_cast<double>(a), static_cast<double>(b));
    std::abort();
}

float any_float(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return std::bit_cast<float>(in.ConsumeIntegral<std::uint32_t>());
        case 1:
            return static_cast<float>(in.ConsumeIntegralInRange(-100000, 100000));
        case 2:
            return static_cast<float>(in.ConsumeIntegralInRange(-100000, 100000)) / 64.0f;
        default: {
            constexpr float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
            constexpr float special[] = {0.0f,     -0.0f,   inf,    -inf,        nan,           FLT_MAX,
                                         -FLT_MAX, FLT_MIN, 1e-45f, 16777216.0f, 2147483648.0f, -2147483904.0f};
            return special[in.ConsumeIntegralInRange<std::size_t>(0, std::size(special) - 1)];
        }
    }
}

bool same(float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); }

// Written as text and read back, a value comes back within the six decimals of
// the text and the precision of a float.
bool comes_back(float back, float value) {
    if (std::isnan(value)) return std::isnan(back);
    if (std::isinf(value)) return back == value;
    const float magnitude = std::fabs(value);
    const double ulp = static_cast<double>(std::nextafter(magnitude, INFINITY)) - static_cast<double>(magnitude);
    return std::fabs(static_cast<double>(back) - static_cast<double>(value)) <= 5.000001e-7 + ulp;
}

int truncated(float v) {
    if (v >= 2147483647.0f) return INT32_MAX;
    if (v <= -2147483648.0f) return INT32_MIN;
    return static_cast<int>(v);
}

void check_default_conversions(ADMItemRef edit, float value, const std::string& typed) {
    // The caller of DefaultFloatToText supplies 48 bytes; exactly that many, so an overrun is caught.
    const auto text = std::make_unique<char[]>(48);
    if (!ADMItemSuite10::DefaultFloatToText(edit, value, text.get(), 48)) broken("DefaultFloatToText failed", value, 0);
    const std::size_t length = std::strlen(text.get());
    if (std::strchr(text.get(), '.') && (text[length - 1] == '0' || text[length - 1] == '.'))
        broken("DefaultFloatToText left trailing zeros", value, 0);
    float back = 0;
    if (!ADMItemSuite10::DefaultTextToFloat(edit, text.get(), &back) || !comes_back(back, value))
        broken("DefaultFloatToText then DefaultTextToFloat lost the value", value, back);

    const float sentinel = 12345.5f;
    float read = sentinel;
    const bool converted = ADMItemSuite10::DefaultTextToFloat(edit, typed.c_str(), &read);
    if (!converted && !same(read, sentinel)) broken("DefaultTextToFloat changed the value on failure", read, sentinel);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Field field;
    ADMItemRef edit = field.edit;
    FuzzedDataProvider in(data, size);
    const auto procs = static_cast<Procs>(in.ConsumeIntegralInRange(0, 3));
    const float minimum = any_float(in), maximum = any_float(in), value = any_float(in);
    const std::string typed = in.ConsumeRandomLengthString(200);
    _procText = in.ConsumeRemainingBytesAsString();

    tk::automation::typeText(field.control, "");  // nothing left from the input before
    const bool forwarding = procs == Procs::forwarding, failing = procs == Procs::failing;
    // Any bytes written as the text are read back by the default conversion.
    ADMItemSuite10::SetTextToFloatProc(edit, forwarding ? forward_to_float : failing ? fail_to_float : nullptr);
    ADMItemSuite10::SetFloatToTextProc(edit, forwarding             ? forward_to_text
                                             : failing              ? fail_to_text
                                             : procs == Procs::none ? nullptr
                                                                    : write_any_text);
    ADMItemSuite10::SetMinFloatValue(edit, minimum);
    ADMItemSuite10::SetMaxFloatValue(edit, maximum);
    const bool ordered = minimum <= maximum;  // false when either is NaN

    // The value shown and read back.
    ADMItemSuite10::SetFloatValue(edit, value);
    const float shown = ADMItemSuite10::GetFloatValue(edit);
    const bool default_conversions = procs == Procs::none || forwarding;
    if (default_conversions && ordered && !std::isnan(value)) {
        if (shown < minimum || shown > maximum) broken("value read outside the bounds", shown, value);
        const float clamped = std::clamp(value, minimum, maximum);
        if (!comes_back(shown, clamped)) broken("value shown and read back differs", shown, clamped);
    }
    if (failing && !same(shown, value)) broken("a failing conversion changed the value", shown, value);

    check_default_conversions(edit, value, typed);

    // What a person types: the value read is the one before (the text is no number,
    // or cannot be read), or lies within the bounds.
    // A text with a control character is refused whole (no key types one); any other text is taken.
    const bool typeable = std::none_of(typed.begin(), typed.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
    if (tk::automation::typeText(field.control, typed) != typeable)
        broken(typeable ? "the edit field takes no text" : "the edit field took a control character", 0, 0);
    if (!typeable) return 0;
    const float read = ADMItemSuite10::GetFloatValue(edit);
    if (!same(read, shown) && !std::isnan(read) && ordered && (read < minimum || read > maximum))
        broken("typed value read outside the bounds", read, minimum);
    const int whole = ADMItemSuite10::GetIntValue(edit);
    // Plain ASCII reaches the item as typed, so what the C library reads of it is known.
    const bool ascii = typed.size() < 128 && std::all_of(typed.begin(), typed.end(), [](char c) {
                           return static_cast<unsigned char>(c) < 0x80;
                       });
    if (ascii && ordered) {
        char* end = nullptr;
        std::strtol(typed.c_str(), &end, 10);
        if (end != typed.c_str() && (whole < truncated(minimum) || whole > truncated(maximum)))
            broken("typed whole number read outside the bounds", static_cast<float>(whole), maximum);
    }
    return 0;
}
