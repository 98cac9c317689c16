// Window ports and the current port.
#include "refs.h"

using namespace tk::detail;

extern "C" {

void SetPortWindowPort(WindowRef window) {
    if (TkWindow* found = find_window(window)) registry().currentPort = found;
}

CGrafPtr GetWindowPort(WindowRef window) { return port_of(find_window(window)); }

void GetPort(GrafPtr* port) {
    if (port) *port = port_of(registry().currentPort);
}

WindowRef GetWindowFromPort(CGrafPtr port) { return ref_of(find_port_window(port)); }

}  // extern "C"
