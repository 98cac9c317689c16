#include "adm/host_suites.h"

#include "adobe/AEGP_SuiteHandler.h"
#include "core/status.h"

AEGP_PanelSuite1* sAEGPPanelSuite = nullptr;
PFAppSuite2* sPFAppSuite = nullptr;

namespace {

// Acquires one suite into `slot`, which stays null unless the host gave a table.
// A slot already held is kept as it is, so a second call acquires nothing twice.
template <class Suite>
A_Err acquire(char const* name, A_long version, Suite*& slot) {
    if (slot) return A_Err_NONE;
    if (!sSPBasic) return core::kErrMissingSuite;
    void const* suite = nullptr;
    A_Err const err = sSPBasic->AcquireSuite(name, version, &suite);
    if (err != A_Err_NONE) return err;
    if (!suite) return core::kErrMissingSuite;
    slot = static_cast<Suite*>(const_cast<void*>(suite));
    return A_Err_NONE;
}

template <class Suite>
void release(char const* name, A_long version, Suite*& slot) {
    if (slot && sSPBasic) sSPBasic->ReleaseSuite(name, version);
    slot = nullptr;
}

}  // namespace

namespace adm {

A_Err acquireSuites() {
    acquire(kAEGPWorkspacePanelSuite, kAEGPWorkspacePanelSuiteVersion1, sAEGPPanelSuite);
    return acquire(kPFAppSuite, kPFAppSuiteVersion2, sPFAppSuite);
}

void releaseSuites() {
    release(kAEGPWorkspacePanelSuite, kAEGPWorkspacePanelSuiteVersion1, sAEGPPanelSuite);
    release(kPFAppSuite, kPFAppSuiteVersion2, sPFAppSuite);
}

}  // namespace adm
