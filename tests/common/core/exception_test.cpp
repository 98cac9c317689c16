#include <gtest/gtest.h>

#include <string>

#include "core/Exception.h"
#include "core/MathException.h"

namespace {

constexpr char const* kPlaceholder = "Resource string not implemented";

TEST(Exception, KeepsTheTextItWasBuiltFrom) {
    EXPECT_EQ(core::Exception(std::string("from a string")).getMessage(), "from a string");
    EXPECT_EQ(core::Exception("from a C string").getMessage(), "from a C string");
    EXPECT_EQ(core::Exception(static_cast<char const*>(nullptr)).getMessage(), "");
}

TEST(Exception, AnyResourceNumberGivesThePlaceholder) {
    for (unsigned long id : {0ul, 1ul, 3001ul, 0xFFFFFFFFul}) {
        EXPECT_EQ(core::Exception(id).getMessage(), kPlaceholder) << id;
    }
}

TEST(Exception, MessageReplacesTextAndIgnoresFurtherArguments) {
    core::Exception e("first");
    e.message("second %d %s", 42, std::string("ignored"));
    EXPECT_EQ(e.getMessage(), "second %d %s");

    e.message(std::string("third"), 1.5);
    EXPECT_EQ(e.getMessage(), "third");

    e.message(77ul, "ignored", 3);
    EXPECT_EQ(e.getMessage(), kPlaceholder);

    e.message("plain");
    EXPECT_EQ(e.getMessage(), "plain");
}

TEST(MathExceptions, AreCaughtAsTheirBasesWithThePlaceholder) {
    std::array<float, 16> matrix{};
    matrix.fill(2.5f);
    try {
        throw math::VectorInFocusException(math::kVectorInFocusResource, matrix);
    } catch (math::MatrixException const& e) {
        EXPECT_EQ(e.getMessage(), kPlaceholder);
    }
    try {
        throw math::MatrixException(5);
    } catch (math::MathException const& e) {
        EXPECT_EQ(e.getMessage(), kPlaceholder);
    }
    try {
        throw math::MathException(6);
    } catch (core::Exception const& e) {
        EXPECT_EQ(e.getMessage(), kPlaceholder);
    }
}

TEST(MathExceptions, DeleteThroughTheBaseDestructor) {
    core::Exception* e = new math::VectorInFocusException(9, std::array<float, 16>{});
    EXPECT_NE(dynamic_cast<math::MatrixException*>(e), nullptr);
    delete e;  // the sanitizer build catches a non-virtual destructor here
}

}  // namespace
