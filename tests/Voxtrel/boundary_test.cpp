#include <gtest/gtest.h>

#include <stdexcept>

#include "Voxtrel/boundary.h"
#include "core/Exception.h"
#include "core/MathException.h"

namespace {

TEST(HookBoundary, PassesTheBodysStatus) {
    EXPECT_EQ(at_boundary([] { return A_Err{0}; }), 0);
    EXPECT_EQ(at_boundary([] { return A_Err{42}; }), 42);
}

TEST(HookBoundary, IntegerExceptionBecomesItsValue) {
    EXPECT_EQ(at_boundary([]() -> A_Err { throw A_Err{516}; }), 516);
    EXPECT_EQ(at_boundary([]() -> A_Err { throw A_Err{-3}; }), -3);
}

TEST(HookBoundary, AnythingElseBecomesOne) {
    EXPECT_EQ(at_boundary([]() -> A_Err { throw std::runtime_error("x"); }), 1);
    EXPECT_EQ(at_boundary([]() -> A_Err { throw core::Exception("x"); }), 1);
    EXPECT_EQ(at_boundary([]() -> A_Err { throw math::VectorInFocusException(1, {}); }), 1);
    // Only the status type counts as a status.
    EXPECT_EQ(at_boundary([]() -> A_Err { throw 516L; }), 1);
    EXPECT_EQ(at_boundary([]() -> A_Err { throw 'c'; }), 1);
}

}  // namespace
