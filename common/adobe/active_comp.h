// The active composition, asked of the host the same way wherever it is needed.
#pragma once

#include "adobe/AEGP_SuiteHandler.h"

// The host's active item into `item`, and when it is a composition, its composition
// into `comp`; `item` is null when there is no active composition, and `comp` is left
// as it was unless the host was asked for it. The first failing call's status.
A_Err get_active_comp(AEGP_SuiteHandler& suites, AEGP_ItemH& item, AEGP_CompH& comp);
