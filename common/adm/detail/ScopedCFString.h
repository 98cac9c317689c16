// A CFString made from a C string and released when it goes out of scope, so
// no early return leaks a string into the toolkit.
#pragma once

#include "toolkit/native.h"

class ScopedCFString {
public:
    explicit ScopedCFString(const char* text, CFStringEncoding encoding = kCFStringEncodingMacRoman)
        : _string(CFStringCreateWithCString(kCFAllocatorDefault, text ? text : "", encoding)) {}
    ~ScopedCFString() {
        if (_string) CFRelease(_string);
    }
    ScopedCFString(const ScopedCFString&) = delete;
    ScopedCFString& operator=(const ScopedCFString&) = delete;

    CFStringRef get() const { return _string; }

private:
    CFStringRef _string;
};
