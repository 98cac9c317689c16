#include "adm/detail/iADMDialog.h"

#include <cstdio>
#include <cstring>
#include <iterator>

#include "adm/detail/ScopedCFString.h"
#include "adm/detail/dialog_style.h"
#include "adm/detail/handles.h"
#include "adm/detail/host_color.h"
#include "adm/host_suites.h"
#include "adm/detail/iADMDrawer.h"

namespace {

constexpr EventTypeSpec _windowEvents[] = {
    {kEventClassWindow, kEventWindowClose},
    {kEventClassWindow, kEventWindowClosed},
};

constexpr EventTypeSpec _containerEvents[] = {
    {kEventClassControl, kEventControlDispose},
    {kEventClassControl, kEventControlDraw},
};

}  // namespace

void iADMDialog::start(const char* dialogName, ADMUserData data) {
    std::snprintf(name, sizeof name, "%s", dialogName ? dialogName : "");
    userData = data;
    items.reserve(kMaxItems);
}

bool iADMDialog::runInit(ADMDialogInitProc initProc) { return !initProc || initProc(to_ref(this)) == 0; }

bool iADMDialog::Create(const char* dialogName, ADMInt32 /*id*/, ADMDialogStyle style, ADMDialogInitProc initProc,
                        ADMUserData data, ADMInt32 /*options*/) {
    start(dialogName, data);
    WindowKind kind{};
    if (!window_kind_for_style(style, kind)) return false;
    if (CreateNewWindow(kind.windowClass, kind.attributes | kDialogWindowBaseAttributes, &kInitialContent, &window) !=
        noErr) {
        window = nullptr;
        return false;
    }
    SetThemeWindowBackground(window, kThemeBrushDialogBackgroundActive, false);
    SetPortWindowPort(window);
    UseThemeFont(kThemeMiniSystemFont, smSystemScript);
    // A compositing window may already have its root; either way the window's root is where items go.
    ControlRef created = nullptr;
    CreateRootControl(window, &created);
    GetRootControl(window, &rootView);
    if (InstallEventHandler(GetWindowEventTarget(window), NewEventHandlerUPP(S_EventHandler),
                            std::size(_windowEvents), _windowEvents, this, &_handler) != noErr) {
        _handler = nullptr;
        return false;
    }
    return runInit(initProc);
}

bool iADMDialog::CreatePanel(const char* dialogName, ADMInt32 /*id*/, ADMDialogInitProc initProc, ADMUserData data,
                             AEGP_PanelSuite1* suite, AEGP_PanelH panelH, AEGP_PlatformViewRef container,
                             AEGP_PanelFunctions1* panelFunctions, AEGP_PanelRefcon* outRefcon) {
    iADMDrawer::_useAppColor = true;
    start(dialogName, data);
    panel = panelH;
    rootView = container;
    panelSuite = suite;
    if (panelFunctions) {
        panelFunctions->GetSnapSizes = S_GetSnapSizes;
        panelFunctions->PopulateFlyout = nullptr;
        panelFunctions->DoFlyoutCommand = nullptr;
    }
    if (outRefcon) *outRefcon = reinterpret_cast<AEGP_PanelRefcon>(this);
    if (!container || InstallEventHandler(GetControlEventTarget(container), NewEventHandlerUPP(S_PanelEventHandler),
                                          std::size(_containerEvents), _containerEvents, this, &_handler) != noErr) {
        _handler = nullptr;
        return false;
    }
    return runInit(initProc);
}

void iADMDialog::Show(bool show) {
    if (!window) return;
    if (show)
        ShowWindow(window);
    else
        HideWindow(window);
}

bool iADMDialog::IsVisible() const { return window && IsWindowVisible(window); }

bool iADMDialog::IsEnabled() const { return window && IsWindowActive(window); }

void iADMDialog::SetBoundsRect(const Rect& rect) {
    if (window)
        SetWindowBounds(window, kWindowContentRgn, &rect);
    else
        storedBounds = rect;
}

void iADMDialog::GetBoundsRect(Rect& rect) const {
    if (window)
        GetWindowBounds(window, kWindowContentRgn, &rect);
    else
        rect = storedBounds;
}

void iADMDialog::SetLocalRect(const Rect& rect) {
    Rect current{};
    GetBoundsRect(current);
    SetBoundsRect(Rect{static_cast<SInt16>(rect.top + current.top), static_cast<SInt16>(rect.left + current.left),
                       static_cast<SInt16>(rect.bottom + current.top), static_cast<SInt16>(rect.right + current.left)});
}

void iADMDialog::SetText(const char* text) {
    if (!text) return;
    if (window) {
        ScopedCFString title(text);
        SetWindowTitleWithCFString(window, title.get());
    } else if (panelSuite && panelSuite->AEGP_SetTitle) {
        panelSuite->AEGP_SetTitle(panel, reinterpret_cast<const A_u_char*>(text));
    }
}

iADMItem* iADMDialog::GetItem(ADMInt32 id) {
    for (iADMItem& item : items)
        if (item.id == id) return &item;
    return nullptr;
}

iADMItem* iADMDialog::GetNextItem(const iADMItem* item) {
    for (std::size_t i = 0; i + 1 < items.size(); ++i)
        if (&items[i] == item) return &items[i + 1];
    return nullptr;
}

iADMItem* iADMDialog::appendItem() {
    if (items.size() >= kMaxItems) return nullptr;
    return &items.emplace_back();
}

void iADMDialog::SetColorFromSelector(CGContextRef context, const PFAppSuite2* appSuite, PF_App_ColorType kind) {
    set_context_color(context, host_color(appSuite, kind), false);
}

void iADMDialog::destroy(Trigger trigger) {
    if (destroying) return;
    destroying = true;
    _insideDestroy = true;
    if (destroyProc) destroyProc(to_ref(this));
    // No window or container event may reach the dialog from here on.
    if (_handler) RemoveEventHandler(_handler);
    _handler = nullptr;
    if (window) {
        // Every view made for the window goes with it.
        if (trigger == Trigger::owner) DisposeWindow(window);
    } else {
        // The host's container outlives a dialog its owner ends; a popup kept
        // out of the container is never disposed by the host.
        for (iADMItem& item : items)
            if (trigger == Trigger::owner || item.detached) item.disposeViews();
    }
    for (iADMItem& item : items) item.releaseMenu();
    _insideDestroy = false;
    // When the toolkit ended the dialog, it is disposing the window or container
    // right now; item controls it has not reached yet still need their items.
    if (liveControls == 0) delete this;
}

void iADMDialog::controlDisposed() {
    --liveControls;
    if (destroying && !_insideDestroy && liveControls == 0) delete this;
}

OSStatus iADMDialog::S_EventHandler(EventHandlerCallRef, EventRef event, void* userData) {
    auto* dialog = static_cast<iADMDialog*>(userData);  // installed with the window events above only
    switch (GetEventKind(event)) {
    case kEventWindowClose: {
        // The close box only hides the window; its owner decides when it goes.
        iADMNotifier notifier{nullptr, kADMCloseHitNotifier};
        if (dialog->notifyProc) dialog->notifyProc(to_ref(dialog), to_ref(&notifier));
        HideWindow(dialog->window);
        return noErr;
    }
    case kEventWindowClosed:
        dialog->destroy(Trigger::windowClosed);
        return eventNotHandledErr;
    default:
        return eventNotHandledErr;
    }
}

OSStatus iADMDialog::S_PanelEventHandler(EventHandlerCallRef, EventRef event, void* userData) {
    auto* dialog = static_cast<iADMDialog*>(userData);  // installed with the container events above only
    switch (GetEventKind(event)) {
    case kEventControlDraw: {
        CGContextRef context = nullptr;
        const OSStatus status =
            GetEventParameter(event, kEventParamCGContextRef, typeCGContextRef, nullptr, sizeof context, nullptr,
                              &context);
        HIRect bounds{};
        HIViewGetBounds(dialog->rootView, &bounds);
        if (status == noErr && context && sPFAppSuite) {
            SetColorFromSelector(context, sPFAppSuite, PF_App_Color_PANEL_BACKGROUND);
            CGContextFillRect(context, bounds);
        }
        // Handled: the container's own drawing would cover the host's background.
        return status;
    }
    case kEventControlDispose:
        dialog->destroy(Trigger::containerDisposed);
        return eventNotHandledErr;
    default:
        return eventNotHandledErr;
    }
}

A_Err iADMDialog::S_GetSnapSizes(AEGP_PanelRefcon refcon, A_LPoint* sizes, A_long* count) {
    auto* dialog = reinterpret_cast<iADMDialog*>(refcon);
    if (dialog && sizes && count) {
        sizes[0].x = dialog->storedBounds.right - dialog->storedBounds.left;
        sizes[0].y = dialog->storedBounds.bottom - dialog->storedBounds.top;
        *count = 1;
    }
    return A_Err_NONE;
}
