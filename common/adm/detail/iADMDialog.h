// The object behind an ADM dialog handle: a dialog in a window of its own or
// inside a host panel's container view, holding its items and procs, and
// turning native window and container events into ADM notifications and
// destruction.
#pragma once

#include <cstddef>
#include <vector>

#include "adm/ADMTypes.h"
#include "adm/detail/iADMItem.h"
#include "aegp/aegp_suites.h"

class iADMDialog {
public:
    static constexpr std::size_t kMaxItems = 100;
    static constexpr SInt16 kFirstMenuID = 16000;
    // Every window dialog starts with this content rectangle, hidden.
    static constexpr Rect kInitialContent = {0, 0, 400, 600};

    WindowRef window = nullptr;             // none for a panel
    AEGP_PanelH panel = nullptr;            // panel dialogs only
    HIViewRef rootView = nullptr;           // where item views go: the root control or the host's container
    AEGP_PanelSuite1* panelSuite = nullptr;  // panel dialogs only
    ADMDialogDrawProc drawProc = nullptr;    // stored, never called
    ADMDialogTrackProc trackProc = nullptr;  // stored, never called
    ADMDialogNotifyProc notifyProc = nullptr;
    ADMDialogDestroyProc destroyProc = nullptr;
    ADMUserData userData = nullptr;
    Rect storedBounds{};  // a panel's bounds; windows keep theirs in the window
    char name[256] = {};
    SInt16 nextMenuID = kFirstMenuID;
    bool destroying{};
    // Item controls whose dispose event has not come yet. A dialog ended by the
    // toolkit is freed only when the last of them is gone, so no control event
    // ever reaches a freed item.
    int liveControls{};
    // In creation order. Room for every item is reserved up front so an item
    // never moves and its handle stays valid for the dialog's life.
    std::vector<iADMItem> items;

    iADMDialog() = default;
    iADMDialog(const iADMDialog&) = delete;
    iADMDialog& operator=(const iADMDialog&) = delete;

    bool Create(const char* dialogName, ADMInt32 id, ADMDialogStyle style, ADMDialogInitProc initProc,
                ADMUserData data, ADMInt32 options);
    bool CreatePanel(const char* dialogName, ADMInt32 id, ADMDialogInitProc initProc, ADMUserData data,
                     AEGP_PanelSuite1* suite, AEGP_PanelH panelH, AEGP_PlatformViewRef container,
                     AEGP_PanelFunctions1* panelFunctions, AEGP_PanelRefcon* outRefcon);

    void Show(bool show);
    bool IsVisible() const;
    bool IsEnabled() const;
    void SetBoundsRect(const Rect& rect);
    void GetBoundsRect(Rect& rect) const;
    void SetLocalRect(const Rect& rect);
    void SetText(const char* text);
    iADMItem* GetItem(ADMInt32 id);
    iADMItem* GetNextItem(const iADMItem* item);

    // A new zeroed item at the end of the sequence; null when the dialog is full.
    iADMItem* appendItem();

    // Destroys the dialog for its owner and frees it. Does nothing while it is
    // already being destroyed.
    void Destroy() { destroy(Trigger::owner); }
    // An item control with a handler was disposed; frees a dialog waiting for its last control.
    void controlDisposed();

    static void SetColorFromSelector(CGContextRef context, const PFAppSuite2* appSuite, PF_App_ColorType kind);
    static OSStatus S_EventHandler(EventHandlerCallRef callRef, EventRef event, void* userData);
    static OSStatus S_PanelEventHandler(EventHandlerCallRef callRef, EventRef event, void* userData);
    static A_Err S_GetSnapSizes(AEGP_PanelRefcon refcon, A_LPoint* sizes, A_long* count);

private:
    // Who ends the dialog: its owner, or the toolkit disposing its window or container.
    enum class Trigger { owner, windowClosed, containerDisposed };

    ~iADMDialog() = default;
    void start(const char* dialogName, ADMUserData data);
    bool runInit(ADMDialogInitProc initProc);
    void destroy(Trigger trigger);

    EventHandlerRef _handler = nullptr;  // on the window or on the container
    bool _insideDestroy{};               // controls disposed meanwhile leave the freeing to `destroy`
};
