// One control of a dialog: the native control (and, where needed, a separate
// text label), its value and bounds, its ADM procs, and the conversion of the
// control's events into ADM draw, notify and destroy calls.
#pragma once

#include "adm/ADMTypes.h"
#include "adm/detail/iADMList.h"
#include "adm/detail/iADMNotifier.h"
#include "adm/detail/item_type.h"

class iADMDialog;

// Every item control carries this command ID, so its clicks can be told from others.
constexpr UInt32 kADMItemCommandID = TK_FOUR_CC('Z', 'Q', 'D', 'M');
constexpr SInt16 kADMEditTextHeight = 13;
constexpr SInt16 kADMCheckBoxHeight = 13;
constexpr SInt16 kADMCheckBoxWidth = 60;
// Where a separate label sits relative to its item's rectangle (vertical, horizontal).
constexpr Point kADMButtonLabelOffset = {2, 19};
constexpr Point kADMFrameLabelOffset = {13, 9};
// Room for an item's text when its value is read or written.
constexpr int kADMValueTextSize = 128;

class iADMItem {
public:
    iADMDialog* dialog = nullptr;
    ControlRef control = nullptr;  // none for a static text
    // A static-text control: the whole item for a static text, else the label made in a panel.
    ControlRef label = nullptr;
    Point labelOffset{};
    Rect bounds{};
    bool radio{};
    bool frame{};
    ADMUserData userData = nullptr;
    ADMItemType type = nullptr;  // as passed to Create, not copied
    ADMInt32 id{};
    float value{};
    float minimum{};
    float maximum{};
    ADMItemDrawProc drawProc = nullptr;
    ADMItemTrackProc trackProc = nullptr;  // stored, never called
    ADMItemNotifyProc notifyProc = nullptr;
    ADMItemDestroyProc destroyProc = nullptr;
    ADMItemFloatToTextProc floatToTextProc = nullptr;
    ADMItemTextToFloatProc textToFloatProc = nullptr;
    iADMList list;
    // A popup whose menu could not be handed over stays out of the view; it and
    // its menu are then the item's to dispose.
    bool detached{};

    bool Create(iADMDialog* owner, ADMInt32 itemID, ADMItemType itemType, const Rect& rect, ADMItemInitProc initProc,
                ADMUserData data, ADMInt32 options);

    void Show(bool show);
    void Enable(bool enable);
    bool IsEnabled() const;

    void SetBoundsRect(const Rect& rect);
    void GetBoundsRect(Rect& rect) const;
    void SetLocalRect(const Rect& rect);
    void GetBestSize(Point& size) const;

    void SetText(const char* text);
    void SetFont(ADMFont font);
    void SetUnits(ADMUnits) {}

    void SetBooleanValue(bool on);
    bool GetBooleanValue() const;

    // The control's text in Mac Roman; false when it cannot be read or does not fit.
    bool GetTextValue(char* buffer, int size) const;
    float GetFloatValue();
    int GetIntValue();
    // Rewrites the control's text from the value.
    void updateFloatText();
    // What leaving an edit field does with the text typed into it: reads it as
    // GetFloatValue does, then rewrites it from the value.
    void commitText();

    iADMList* getList();
    void DefaultNotify(iADMNotifier& notifier) const { notifier.result = kADMNotHandledErr; }

    // Disposes the item's control and label; the control's destroy proc runs
    // from its dispose event.
    void disposeViews();
    // Disposes the menu of a popup that never took it over.
    void releaseMenu();

    static OSStatus S_ItemEventHandler(EventHandlerCallRef callRef, EventRef event, void* userData);

    // The style record every item text starts from (the host's text colour in a panel).
    ControlFontStyleRec baseFontStyle() const;

private:
    bool createControl(ItemKind kind, const Rect& rect);
    bool createPopup(const Rect& rect);
    void setSmall() const;
    void installHandler() const;
    void makeLabel(CFStringRef text);
    bool radioInitiallyOn() const;
};

// Frames behind everything else: takes every item's views out of the root view and
// puts back the group boxes first, then all other controls and labels, in item order.
void restack_frames(iADMDialog& dialog);
