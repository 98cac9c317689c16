// Window ports and the current port.
#include "refs.h"

using namespace tk::detail;

extern "C" {

void SetPortWindowPort(WindowRef window) {
    if (TkWindow* found = find_window(window)) registry().currentPort = found;
}

void GetPort(GrafPtr* port) {
    if (port) *port = port_of(registry().currentPort);
}

}  // extern "C"
