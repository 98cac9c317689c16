// Which native window a dialog style asks for.
#pragma once

#include "adm/ADMTypes.h"

struct WindowKind {
    WindowClass windowClass;
    WindowAttributes attributes;  // without the compositing and standard-handler bits every window gets
};

// False for a style the dialog services do not know; such a dialog is not made.
bool window_kind_for_style(ADMDialogStyle style, WindowKind& kind);

// Every dialog window composites its views and uses the toolkit's standard event handler.
constexpr WindowAttributes kDialogWindowBaseAttributes = kWindowCompositingAttribute | kWindowStandardHandlerAttribute;
