// What the user reads when an application stops on an exception.
#include "adobe/failure_message.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "core/MathException.h"

namespace {

template <class E>
std::string message_for(E error) {
    return failure_message("Test Assistant", std::make_exception_ptr(error));
}

TEST(FailureMessage, HostStatusesAreNamed) {
    EXPECT_EQ(message_for(516),
              "Test Assistant could not be applied: the host does not offer a suite it needs (status 516).");
    EXPECT_EQ(message_for(3), "Test Assistant could not be applied: the host reported status 3.");
}

TEST(FailureMessage, ExplainsTheMatrixFailureInsteadOfThePlaceholderText) {
    std::string const text = message_for(math::VectorInFocusException(math::kVectorInFocusResource, {}));
    EXPECT_EQ(text, "Test Assistant could not be applied: a layer's placement could not be computed.");
    EXPECT_EQ(text.find(core::Exception::kUnresolvedResource), std::string::npos);
}

TEST(FailureMessage, OtherExceptionsKeepTheirOwnText) {
    EXPECT_EQ(message_for(core::Exception("the box is empty")),
              "Test Assistant could not be applied: the box is empty.");
    EXPECT_EQ(message_for(std::runtime_error("disk full")), "Test Assistant could not be applied: disk full.");
    EXPECT_EQ(message_for(2.5), "Test Assistant could not be applied: an unexpected error occurred.");
    EXPECT_EQ(failure_message("X", nullptr), "X could not be applied: an unexpected error occurred.");
}

}  // namespace
