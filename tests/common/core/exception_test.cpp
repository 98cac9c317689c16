#include <gtest/gtest.h>

#include <string>

#include "core/Exception.h"
#include "core/MathException.h"

namespace {

constexpr char const* kPlaceholder = "Resource string not implemented";

// Each way of setting the text, by constructor and by message(), whose
// formatting arguments are ignored.
TEST(Exception, TextFromStringsAndPlaceholderFromResourceNumbers) {
    EXPECT_EQ(core::Exception(std::string("from a string")).getMessage(), "from a string");
    EXPECT_EQ(core::Exception(static_cast<char const*>(nullptr)).getMessage(), "");
    EXPECT_EQ(core::Exception(0xFFFFFFFFul).getMessage(), kPlaceholder);

    core::Exception e("first");
    e.message("second %d %s", 42, std::string("ignored"));
    EXPECT_EQ(e.getMessage(), "second %d %s");
    e.message(77ul, "ignored", 3);
    EXPECT_EQ(e.getMessage(), kPlaceholder);
    e.message(std::string("third"), 1.5);
    EXPECT_EQ(e.getMessage(), "third");
}

TEST(MathExceptions, AreCaughtAsTheirBasesAndDeletedThroughThem) {
    core::Exception* e = new math::VectorInFocusException(math::kVectorInFocusResource, std::array<float, 16>{});
    EXPECT_NE(dynamic_cast<math::MatrixException*>(e), nullptr);
    EXPECT_NE(dynamic_cast<math::MathException*>(e), nullptr);
    EXPECT_EQ(e->getMessage(), kPlaceholder);
    delete e;  // the sanitizer build catches a non-virtual destructor here
}

}  // namespace
