#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "core/Exception.h"
#include "core/MathException.h"
#include "core/boundary.h"

namespace {

// What leaves a hook for each way its body can end, and what happens to the
// command hook's handled flag (set to 1 before the call).
TEST(HookBoundary, StatusAndHandledFlagForEveryWayABodyEnds) {
    struct Row {
        const char* what;
        std::function<A_Err()> body;
        A_Err status;
        A_Boolean handled;
    };
    const Row rows[] = {
        {"success", [] { return A_Err{0}; }, 0, 1},
        {"host status returned", [] { return A_Err{42}; }, 42, 1},
        {"missing suite thrown", []() -> A_Err { throw A_Err{516}; }, 516, 1},
        {"negative status thrown", []() -> A_Err { throw A_Err{-3}; }, -3, 1},
        {"standard exception", []() -> A_Err { throw std::runtime_error("x"); }, 1, 0},
        {"plug-in exception", []() -> A_Err { throw core::Exception("x"); }, 1, 0},
        {"matrix exception", []() -> A_Err { throw math::VectorInFocusException(1, {}); }, 1, 0},
        {"a long is not a status", []() -> A_Err { throw 516L; }, 1, 0},
        {"a char is not a status", []() -> A_Err { throw 'c'; }, 1, 0},
    };
    for (const Row& row : rows) {
        A_Boolean handled = 1;
        EXPECT_EQ((std::tuple{core::at_boundary(row.body, &handled), handled, core::at_boundary(row.body)}),
                  std::tuple(row.status, row.handled, row.status)) << row.what;
    }
}

TEST(QuietBoundary, HandsTheFailureOnAndDropsAFailingHandler) {
    std::exception_ptr seen;
    core::at_quiet_boundary([] { throw A_Err{516}; }, [&](std::exception_ptr e) { seen = e; });
    ASSERT_TRUE(seen);
    EXPECT_THROW(std::rethrow_exception(seen), A_Err);
    EXPECT_NO_THROW(core::at_quiet_boundary([] { throw 1.0; }, [](std::exception_ptr) { throw 2.0; }));
    bool ran = false;
    core::at_quiet_boundary([&] { ran = true; }, [](std::exception_ptr) { FAIL(); });
    EXPECT_TRUE(ran);
}

}  // namespace
