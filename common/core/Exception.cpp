#include "core/Exception.h"

namespace core {

Exception::Exception(std::string const& text) : _message(text) {}

Exception::Exception(char const* text) {
    set_text(text);
}

Exception::Exception(unsigned long resource_id) {
    set_resource(resource_id);
}

Exception::~Exception() = default;

std::string const& Exception::getMessage() const {
    return _message;
}

void Exception::set_text(std::string const& text) {
    _message = text;
}

// A null C string gives an empty message rather than undefined behaviour.
void Exception::set_text(char const* text) {
    _message = text ? text : "";
}

void Exception::set_resource(unsigned long) {
    _message = kUnresolvedResource;
}

}  // namespace core
