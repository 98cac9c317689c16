// "PF AE App Suite" 2: the application's colours.
#include "host/app_colors.h"
#include "host/host_call.h"
#include "host/suite_tables.h"

namespace host {

namespace {

PF_Err PF_AppGetColor(PF_App_ColorType kind, PF_App_Color* color) {
    return host_call("PF_AppGetColor", call_args(kind), [&](Host&) -> A_Err {
        const auto c = app_color(kind);
        if (!c || !color) return A_Err_PARAMETER;
        *color = *c;
        return A_Err_NONE;
    });
}

}  // namespace

const PFAppSuite2 gAppSuite2 = {PF_AppGetColor};

}  // namespace host
