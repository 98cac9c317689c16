// The two optional host suites the plug-in holds for its whole life: workspace
// panels and the application's colours. Either may be null on a host that
// lacks it.
#pragma once

#include "aegp/aegp_suites.h"

// "AEGP Workspace Panel Suite" 1; null means the host has no workspace panels.
extern AEGP_PanelSuite1* sAEGPPanelSuite;
// "PF AE App Suite" 2; null means no host colours.
extern PFAppSuite2* sPFAppSuite;

namespace adm {

// Acquires both suites through sSPBasic. The panel suite's status is ignored, so
// a host without panels still loads; the application suite's status is returned
// (516 when the host answers without a table or there is no basic suite).
// Suites already held are kept.
A_Err acquireSuites();

// Releases whichever of the two suites is held and clears its pointer.
void releaseSuites();

}  // namespace adm
