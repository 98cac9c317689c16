// A plug-in module with a planted fault for the validation mode's tests: when
// the host refuses it a command number, it returns without releasing the
// suites it holds. With every call granted it is well behaved.
#include "aegp/aegp_suites.h"

namespace {

// What a plug-in returns for a suite the host does not give.
constexpr A_Err kMissingSuite = 516;

}  // namespace

extern "C" __attribute__((visibility("default"))) A_Err PluginEntry(SPBasicSuite* basic, A_long, A_long,
                                                                    const A_char*, const A_char*, AEGP_PluginID,
                                                                    AEGP_GlobalRefcon*) {
    const void* reg = nullptr;
    const void* cmd = nullptr;
    if (basic->AcquireSuite(kAEGPRegisterSuite, kAEGPRegisterSuiteVersion1, &reg)) return kMissingSuite;
    if (basic->AcquireSuite(kAEGPCommandSuite, kAEGPCommandSuiteVersion1, &cmd)) {
        basic->ReleaseSuite(kAEGPRegisterSuite, kAEGPRegisterSuiteVersion1);
        return kMissingSuite;
    }
    AEGP_Command command = 0;
    const A_Err err = static_cast<const AEGP_CommandSuite1*>(cmd)->AEGP_GetUniqueCommand(&command);
    if (err) return err;  // the planted fault: both suites stay acquired
    basic->ReleaseSuite(kAEGPCommandSuite, kAEGPCommandSuiteVersion1);
    basic->ReleaseSuite(kAEGPRegisterSuite, kAEGPRegisterSuiteVersion1);
    return A_Err_NONE;
}
