#include "adm/detail/dialog_style.h"

bool window_kind_for_style(ADMDialogStyle style, WindowKind& kind) {
    constexpr WindowAttributes closeCollapse = kWindowCloseBoxAttribute | kWindowCollapseBoxAttribute;
    switch (style) {
    case kADMModalDialogStyle:
    case kADMPopupModalDialogStyle:
        kind = {kMovableModalWindowClass, kWindowNoAttributes};
        return true;
    case kADMAlertDialogStyle:
    case kADMSystemAlertDialogStyle:
        kind = {kAlertWindowClass, kWindowNoAttributes};
        return true;
    case kADMFloatingDialogStyle:
    case kADMTabbedFloatingDialogStyle:
    case kADMWindowDialogStyle:
        kind = {kFloatingWindowClass, closeCollapse};
        return true;
    case kADMResizingFloatingDialogStyle:
    case kADMTabbedResizingFloatingDialogStyle:
    case kADMResizingWindowDialogStyle:
        kind = {kFloatingWindowClass, closeCollapse | kWindowResizableAttribute};
        return true;
    case kADMPopupFloatingDialogStyle:
    case kADMPopupNoTitleFloatingDialogStyle:
        kind = {kFloatingWindowClass, closeCollapse | kWindowNoTitleBarAttribute};
        return true;
    case kADMNoCloseFloatingDialogStyle:
        kind = {kFloatingWindowClass, kWindowCollapseBoxAttribute};
        return true;
    case kADMDocumentWindowStyle:
        kind = {kDocumentWindowClass,
                closeCollapse | kWindowFullZoomAttribute | kWindowResizableAttribute};
        return true;
    case kADMSideTitleFloatingDialogStyle:
        kind = {kFloatingWindowClass, closeCollapse | kWindowSideTitlebarAttribute};
        return true;
    case kADMSideTitleNoCloseFloatingDialogStyle:
        kind = {kFloatingWindowClass, kWindowCollapseBoxAttribute | kWindowSideTitlebarAttribute};
        return true;
    default:
        return false;
    }
}
