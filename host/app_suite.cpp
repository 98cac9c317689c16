// "PF AE App Suite" 2: the application's colours.
#include "host/app_colors.h"
#include "host/host_call.h"
#include "host/suite_tables.h"

namespace host {

namespace {

PF_Err PF_AppGetColor(PF_App_ColorType kind, PF_App_Color* color) {
    return host_call(fn("PF_AppGetColor"), arguments(kind), [&](SuiteCall& c) -> A_Err {
        const auto known = app_color(kind);
        if (!known) return c.refuse(A_Err_PARAMETER, "colour kind " + std::to_string(kind) + " is not one the host has");
        if (!c.given(color, "color")) return c.refused();
        *color = *known;
        return A_Err_NONE;
    });
}

}  // namespace

const PFAppSuite2 gAppSuite2 = {PF_AppGetColor};

}  // namespace host
