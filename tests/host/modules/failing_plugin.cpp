// A plug-in module whose entry point reports a problem and returns status 7.
#include "aegp/aegp_suites.h"

extern "C" __attribute__((visibility("default"))) A_Err PluginEntry(SPBasicSuite* basic, A_long, A_long,
                                                                    const A_char*, const A_char*, AEGP_PluginID id,
                                                                    AEGP_GlobalRefcon*) {
    const void* suite = nullptr;
    if (basic->AcquireSuite(kAEGPUtilitySuite, kAEGPUtilitySuiteVersion3, &suite) == A_Err_NONE) {
        static_cast<const AEGP_UtilitySuite3*>(suite)->AEGP_ReportInfo(id, "cannot start");
        basic->ReleaseSuite(kAEGPUtilitySuite, kAEGPUtilitySuiteVersion3);
    }
    return 7;
}
