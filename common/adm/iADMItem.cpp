#include "adm/detail/iADMItem.h"

#include <iterator>

#include "adm/detail/ScopedCFString.h"
#include "adm/detail/handles.h"
#include "adm/detail/iADMDialog.h"
#include "adm/detail/iADMDrawer.h"

namespace {

constexpr EventTypeSpec _itemEvents[] = {
    {kEventClassControl, kEventControlDraw},
    {kEventClassControl, kEventControlDispose},
    {kEventClassCommand, kEventCommandProcess},
};

// Popups made by the dialog services show their menu without a title of their own.
constexpr SInt16 kPopupNoResourceMenuID = -12345;

// The draw event's context, or one begun on the event's port (or the current
// port); `port` stays null unless the caller must end a context begun on it.
OSStatus draw_context(EventRef event, CGContextRef& context, CGrafPtr& port) {
    if (GetEventParameter(event, kEventParamCGContextRef, typeCGContextRef, nullptr, sizeof context, nullptr,
                          &context) == noErr &&
        context)
        return noErr;
    if (GetEventParameter(event, kEventParamGrafPort, typeGrafPtr, nullptr, sizeof port, nullptr, &port) != noErr ||
        !port)
        GetPort(&port);
    return QDBeginCGContext(port, &context);
}

}  // namespace

bool iADMItem::Create(iADMDialog* owner, ADMInt32 itemID, ADMItemType itemType, const Rect& rect,
                      ADMItemInitProc initProc, ADMUserData data, ADMInt32 /*options*/) {
    dialog = owner;
    userData = data;
    type = itemType;
    id = itemID;
    bounds = rect;
    const ItemKind kind = item_kind(itemType);
    if (createControl(kind, rect)) {
        if (frame) {
            restack_frames(*dialog);
        } else if (!detached) {
            if (label) HIViewAddSubview(dialog->rootView, label);
            if (control) HIViewAddSubview(dialog->rootView, control);
        }
        if (control && !detached) installHandler();
    } else {
        // The item stays, without that control; its init proc still decides.
        control = nullptr;
        label = nullptr;
    }
    return !initProc || initProc(to_ref(this)) == 0;
}

bool iADMItem::createControl(ItemKind kind, const Rect& rect) {
    WindowRef window = dialog->window;
    const ControlFontStyleRec style = baseFontStyle();
    ScopedCFString empty("");
    switch (kind) {
    case ItemKind::frame:
        if (CreateGroupBoxControl(window, &rect, empty.get(), true, &control) != noErr) return false;
        frame = true;
        setSmall();
        SetControlFontStyle(control, &style);
        return true;
    case ItemKind::picturePushButton: {
        ControlButtonContentInfo none{kControlContentTextOnly, nullptr};
        return CreateBevelButtonControl(window, &rect, nullptr, kControlBevelButtonSmallBevel,
                                        kControlBehaviorPushbutton, &none, 0, 0, 0, &control) == noErr;
    }
    case ItemKind::pictureStatic: {
        ControlButtonContentInfo none{kControlContentTextOnly, nullptr};
        return CreateIconControl(window, &rect, &none, true, &control) == noErr;
    }
    case ItemKind::popup:
        return createPopup(rect);
    case ItemKind::checkBox: {
        const Rect box{rect.top, rect.left, static_cast<SInt16>(rect.top + kADMCheckBoxHeight),
                       static_cast<SInt16>(rect.left + kADMCheckBoxWidth)};
        if (CreateCheckBoxControl(window, &box, empty.get(), 0, true, &control) != noErr) return false;
        setSmall();
        SetControlFontStyle(control, &style);
        return true;
    }
    case ItemKind::textEdit: {
        const Rect field{rect.top, rect.left, static_cast<SInt16>(rect.top + kADMEditTextHeight), rect.right};
        ControlFontStyleRec fieldStyle = style;
        fieldStyle.flags &= ~kControlUseForeColorMask;
        return CreateEditUnicodeTextControl(window, &field, empty.get(), false, &fieldStyle, &control) == noErr;
    }
    case ItemKind::pushButton:
        if (CreatePushButtonControl(window, &rect, nullptr, &control) != noErr) return false;
        setSmall();
        SetControlFontStyle(control, &style);
        return true;
    case ItemKind::radioButton:
        radio = true;
        if (CreateRadioButtonControl(window, &rect, nullptr, radioInitiallyOn(), true, &control) != noErr)
            return false;
        setSmall();
        SetControlFontStyle(control, &style);
        return true;
    case ItemKind::staticText: {
        if (CreateStaticTextControl(window, &rect, empty.get(), &style, &label) != noErr) return false;
        const Boolean multiline = true;
        SetControlData(label, kControlEntireControl, kControlStaticTextIsMultilineTag, sizeof multiline, &multiline);
        return true;
    }
    case ItemKind::unknown:
        break;
    }
    return false;
}

bool iADMItem::createPopup(const Rect& rect) {
    MenuRef menu = nullptr;
    const MenuID menuID = dialog->nextMenuID++;
    if (CreateNewMenu(menuID, {}, &menu) != noErr) menu = nullptr;
    if (CreatePopupButtonControl(dialog->window, &rect, nullptr, kPopupNoResourceMenuID, false, -1, 0, normal,
                                 &control) != noErr) {
        control = nullptr;
        if (menu) DisposeMenu(menu);
        return false;
    }
    list.menu = menu;
    // The popup owns its menu from here on and disposes it with itself.
    if (!menu || SetControlData(control, kControlEntireControl, kControlPopupButtonOwnedMenuRefTag, sizeof menu,
                                &menu) != noErr)
        detached = true;
    SetControl32BitMinimum(control, 1);
    SetControl32BitMaximum(control, 1);
    SetControl32BitValue(control, 1);
    setSmall();
    const ControlFontStyleRec style = baseFontStyle();
    SetControlFontStyle(control, &style);
    return true;
}

void iADMItem::setSmall() const {
    const ControlSize size = kControlSizeSmall;
    SetControlData(control, kControlEntireControl, kControlSizeTag, sizeof size, &size);
}

void iADMItem::installHandler() const {
    SetControlCommandID(control, kADMItemCommandID);
    if (InstallEventHandler(GetControlEventTarget(control), NewEventHandlerUPP(S_ItemEventHandler),
                            std::size(_itemEvents), _itemEvents, const_cast<iADMItem*>(this), nullptr) == noErr)
        ++dialog->liveControls;
}

void iADMItem::Show(bool show) {
    for (ControlRef view : {control, label}) {
        if (!view) continue;
        if (show)
            ShowControl(view);
        else
            HideControl(view);
    }
}

void iADMItem::Enable(bool enable) {
    for (ControlRef view : {control, label}) {
        if (!view) continue;
        if (enable)
            EnableControl(view);
        else
            DisableControl(view);
    }
}

bool iADMItem::IsEnabled() const { return control && IsControlEnabled(control); }

iADMList* iADMItem::getList() {
    list.control = control;
    list.entry.list = &list;
    return &list;
}

void iADMItem::disposeViews() {
    if (label) DisposeControl(label);
    label = nullptr;
    // A control with a handler runs the destroy proc from its dispose event.
    if (control) DisposeControl(control);
    control = nullptr;
}

void iADMItem::releaseMenu() {
    // An attached popup owns its menu and disposes it itself.
    if (detached && list.menu) DisposeMenu(list.menu);
    list.menu = nullptr;
}

OSStatus iADMItem::S_ItemEventHandler(EventHandlerCallRef, EventRef event, void* userData) {
    auto* item = static_cast<iADMItem*>(userData);
    OSStatus result = eventNotHandledErr;
    if (!item) return result;
    const EventClass eventClass = GetEventClass(event);
    const EventKind eventKind = GetEventKind(event);
    if (eventClass == kEventClassCommand && eventKind == kEventCommandProcess) {
        HICommand command{};
        if (GetEventParameter(event, kEventParamDirectObject, typeHICommand, nullptr, sizeof command, nullptr,
                              &command) == noErr &&
            command.commandID == kADMItemCommandID) {
            iADMNotifier notifier{item, kADMUserChangedNotifier};
            if (item->radio) item->SetBooleanValue(true);
            // An edit field's command is the commit of what was typed: the value is
            // read (and clamped) as a read of it gives it, and the text shows that value.
            if (item_kind(item->type) == ItemKind::textEdit) item->commitText();
            if (item->notifyProc) {
                item->notifyProc(to_ref(item), to_ref(&notifier));
                result = notifier.result;
            } else if (item->dialog->notifyProc) {
                item->dialog->notifyProc(to_ref(item->dialog), to_ref(&notifier));
                result = notifier.result;
            }
        }
    } else if (eventClass == kEventClassControl && eventKind == kEventControlDraw) {
        if (item->drawProc) {
            CGContextRef context = nullptr;
            CGrafPtr port = nullptr;
            const OSStatus status = draw_context(event, context, port);
            if (status != noErr) return status;
            iADMDrawer drawer;
            drawer.context = context;
            drawer.item = item;
            item->drawProc(to_ref(item), to_ref(&drawer));
            result = drawer.result;
            if (port) QDEndCGContext(port, &context);
        }
    } else if (eventClass == kEventClassControl && eventKind == kEventControlDispose) {
        if (item->destroyProc) item->destroyProc(to_ref(item));
        item->control = nullptr;
        // May free the dialog, and this item with it.
        item->dialog->controlDisposed();
    }
    return result;
}
