// The command line's value parsers with any text: each gives a value or throws
// std::invalid_argument, never anything else.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "dialog_actions.h"
#include "option_values.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte chooses the parser, the rest is the option's value.
    const std::string value(reinterpret_cast<const char*>(data) + 1, size - 1);
    try {
        switch (data[0] % 7) {
            case 0:
                app::parse_cube(value);
                break;
            case 1:
                app::parse_orient(value);
                break;
            case 2:
                app::parse_keys(value);
                break;
            case 3:
                app::parse_repeat(value);
                break;
            case 4:
                app::parse_suite(value);
                break;
            case 5:
                app::parse_screen(value);
                break;
            default:
                app::whole_number(value, 0, 999999);
                break;
        }
    } catch (const std::invalid_argument&) {
    }
    return 0;
}
