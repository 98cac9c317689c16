#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Exception.h"

namespace {

constexpr char const* kPlaceholder = "Resource string not implemented";

// Each way of setting the text, by constructor and by message(), whose
// formatting arguments are ignored.
TEST(Exception, TextFromStringsAndPlaceholderFromResourceNumbers) {
    core::Exception e("first");
    EXPECT_EQ((std::vector<std::string>{core::Exception(std::string("from a string")).getMessage(),
                                        core::Exception(static_cast<char const*>(nullptr)).getMessage(),
                                        core::Exception(0xFFFFFFFFul).getMessage(),
                                        (e.message("second %d %s", 42, std::string("ignored")), e.getMessage()),
                                        (e.message(77ul, "ignored", 3), e.getMessage()),
                                        (e.message(std::string("third"), 1.5), e.getMessage())}),
              (std::vector<std::string>{"from a string", "", kPlaceholder, "second %d %s", kPlaceholder, "third"}));
}

}  // namespace
