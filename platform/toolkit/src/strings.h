// Making and reading the toolkit's reference-counted strings from inside the library.
#pragma once

#include <string>

#include "model.h"

namespace tk::detail {

// A new string with one reference, counted among the live strings.
CFStringRef new_string(std::u16string chars);
// The characters of a live string, or null for an invalid reference.
const std::u16string* string_chars(CFStringRef string);

}  // namespace tk::detail
