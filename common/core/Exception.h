// The plug-in's exception base: one message text, set from a string, a C string
// or a resource number.
#pragma once

#include <string>

namespace core {

class Exception {
public:
    explicit Exception(std::string const& text);
    explicit Exception(char const* text);
    // The plug-in carries no string resources, so every resource number gives
    // the same placeholder text.
    explicit Exception(unsigned long resource_id);
    virtual ~Exception();

    Exception(Exception const&) = default;
    Exception& operator=(Exception const&) = default;

    // Each overload replaces the message like the matching constructor; the
    // formatting arguments that may follow are accepted and ignored.
    template <class... Ignored>
    void message(std::string const& text, Ignored&&...) {
        set_text(text);
    }
    template <class... Ignored>
    void message(char const* text, Ignored&&...) {
        set_text(text);
    }
    template <class... Ignored>
    void message(unsigned long resource_id, Ignored&&...) {
        set_resource(resource_id);
    }

    std::string const& getMessage() const;

    // The text every resource number turns into.
    static constexpr char const* kUnresolvedResource = "Resource string not implemented";

private:
    void set_text(std::string const& text);
    void set_text(char const* text);
    void set_resource(unsigned long resource_id);

    std::string _message;
};

}  // namespace core
