// Window ports and the current port.
#include "registry.h"

using namespace tk::detail;

extern "C" {

void SetPortWindowPort(WindowRef window) {
    if (is_window(window)) registry().currentPort = &window->port;
}

CGrafPtr GetWindowPort(WindowRef window) { return is_window(window) ? &window->port : nullptr; }

void GetPort(GrafPtr* port) {
    if (port) *port = registry().currentPort;
}

WindowRef GetWindowFromPort(CGrafPtr port) { return is_port(port) ? port->window : nullptr; }

}  // extern "C"
