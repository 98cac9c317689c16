// What the user is told when an application stops on an exception.
#include "adobe/failure_message.h"

#include <new>

#include "core/MathException.h"
#include "core/status.h"

namespace {

std::string reason(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (A_Err status) {
        if (status == core::kErrMissingSuite)
            return "the host does not offer a suite it needs (status " + std::to_string(status) + ").";
        return "the host reported status " + std::to_string(status) + ".";
    } catch (math::VectorInFocusException const&) {
        return "a layer's placement could not be computed.";
    } catch (core::Exception const& error) {
        return error.getMessage() + ".";
    } catch (std::bad_alloc const&) {
        return "there is not enough memory.";
    } catch (std::exception const& error) {
        return std::string(error.what()) + ".";
    } catch (...) {
        return "an unexpected error occurred.";
    }
}

}  // namespace

std::string failure_message(std::string const& assistant_name, std::exception_ptr failure) {
    std::string const why = failure ? reason(failure) : "an unexpected error occurred.";
    return assistant_name + " could not be applied: " + why;
}
