// The basic suite: acquiring and releasing suites by exact name and version.
#include "host/host_call.h"
#include "host/suite_tables.h"

namespace host {

namespace {

SPErr AcquireSuite(const char* name, A_long version, const void** suite) {
    return host_call("AcquireSuite", call_args(name, version), [&](Host& h) -> A_Err {
        if (!name || !suite) return A_Err_PARAMETER;
        *suite = h.suites().acquire(name, version);
        return *suite ? A_Err_NONE : A_Err_MISSING_SUITE;
    });
}

SPErr ReleaseSuite(const char* name, A_long version) {
    return host_call("ReleaseSuite", call_args(name, version), [&](Host& h) -> A_Err {
        if (!name) return A_Err_PARAMETER;
        return h.suites().release(name, version) ? A_Err_NONE : A_Err_PARAMETER;
    });
}

}  // namespace

SPBasicSuite gBasicSuite = {AcquireSuite, ReleaseSuite};

}  // namespace host
