// What every toolkit test uses: the test framework, the automation interface
// (as `ta`) and small helpers.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/automation.h"
#include "toolkit/native.h"

namespace tk_test {

namespace ta = tk::automation;

// A string made from UTF-8 and released at scope end.
class Str {
public:
    explicit Str(const char* utf8) : ref_(CFStringCreateWithCString(nullptr, utf8, kCFStringEncodingUTF8)) {}
    ~Str() {
        if (ref_) CFRelease(ref_);
    }
    Str(const Str&) = delete;
    Str& operator=(const Str&) = delete;
    operator CFStringRef() const { return ref_; }

private:
    CFStringRef ref_;
};

// The UTF-8 text of a string the caller owns; releases it.
inline std::string take_utf8(CFStringRef s) {
    char buffer[512] = {};
    const bool ok = CFStringGetCString(s, buffer, sizeof buffer, kCFStringEncodingUTF8);
    if (s) CFRelease(s);
    return ok ? buffer : "<unreadable>";
}

// A rectangle's top, left, bottom and right, for comparing in one expectation.
using Edges = std::array<int, 4>;
inline Edges edges(const Rect& r) { return {r.top, r.left, r.bottom, r.right}; }

// What a toolkit call that makes an object into its last argument made.
template <class T = ControlRef, class Create>
T made(Create create) {
    T v = nullptr;
    create(&v);
    return v;
}

// A user pane in `window`, or in none.
inline ControlRef pane(WindowRef window = nullptr, Rect r = {10, 20, 30, 120}) {
    return made([&](ControlRef* v) { CreateUserPaneControl(window, &r, 0, v); });
}

inline WindowRef new_window(WindowAttributes attributes = kWindowCloseBoxAttribute, Rect content = {50, 100, 250, 400}) {
    WindowRef w = nullptr;
    CreateNewWindow(kFloatingWindowClass, attributes | kWindowCompositingAttribute, &content, &w);
    return w;
}

}  // namespace tk_test
