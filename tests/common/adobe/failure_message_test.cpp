// What the user reads when an application stops on an exception.
#include "adobe/failure_message.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "core/MathException.h"

namespace {

TEST(FailureMessage, NamesTheCauseOrKeepsTheExceptionsText) {
    std::string const lead = "Test Assistant could not be applied: ";
    std::pair<std::exception_ptr, std::string> const rows[] = {
        {std::make_exception_ptr(516), "the host does not offer a suite it needs (status 516)."},
        {std::make_exception_ptr(3), "the host reported status 3."},
        {std::make_exception_ptr(math::VectorInFocusException(math::kVectorInFocusResource, {})),
         "a layer's placement could not be computed."},
        {std::make_exception_ptr(core::Exception("the box is empty")), "the box is empty."},
        {std::make_exception_ptr(std::runtime_error("disk full")), "disk full."},
        {std::make_exception_ptr(2.5), "an unexpected error occurred."},
        {nullptr, "an unexpected error occurred."},
    };
    for (auto const& [error, text] : rows) EXPECT_EQ(failure_message("Test Assistant", error), lead + text);
}

}  // namespace
