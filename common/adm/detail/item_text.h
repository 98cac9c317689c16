// The default conversions between an item's float value and its text.
#pragma once

// "%f" without trailing zeros (12.500000 -> 12.5, 12.000000 -> 12). Needs 48 bytes:
// the longest result, for -3.4028235e38, has 47 characters.
void default_float_to_text(float value, char* text);

// The C library's strtod; false when no character could be read as a number,
// leaving `value` alone. Characters after the number are ignored.
bool default_text_to_float(const char* text, float& value);
