// The basic suite: acquiring and releasing suites by exact name and version.
#include "host/host_call.h"
#include "host/suite_tables.h"

namespace host {

namespace {

std::string suite_name(const char* name, A_long version) {
    // Built by appending: g++ 12 warns falsely on "literal" + std::string at -O2.
    std::string text(1, '"');
    return text.append(from_mac_roman(name)).append("\" version ").append(std::to_string(version));
}

SPErr AcquireSuite(const char* name, A_long version, const void** suite) {
    return host_call(fn("AcquireSuite"), arguments(name, version), [&](SuiteCall& c) -> A_Err {
        if (!c.given(name, "name")) return c.refused();
        if (!c.given(suite, "suite")) return c.refused();
        const void* table = c.suites().acquire(name, version);
        if (!table) {
            *suite = nullptr;
            return c.refuse(A_Err_MISSING_SUITE, "no " + suite_name(name, version));
        }
        *suite = table;
        return A_Err_NONE;
    });
}

SPErr ReleaseSuite(const char* name, A_long version) {
    return host_call(fn("ReleaseSuite"), arguments(name, version), [&](SuiteCall& c) -> A_Err {
        if (!c.given(name, "name")) return c.refused();
        if (!c.suites().release(name, version))
            return c.refuse(A_Err_PARAMETER, suite_name(name, version) + " is not held: released more often than acquired");
        return A_Err_NONE;
    });
}

}  // namespace

SPBasicSuite gBasicSuite = {AcquireSuite, ReleaseSuite};

}  // namespace host
