// Item suite: the items of a dialog, their procs, looks, values and texts.
#include "adm/ADMSuites.h"
#include "adm/detail/handles.h"
#include "adm/detail/iADMDialog.h"
#include "adm/detail/iADMDrawer.h"
#include "adm/detail/item_text.h"

void ADMItemSuite10::Destroy(ADMItemRef) {}

void ADMItemSuite10::SetDrawProc(ADMItemRef item, ADMItemDrawProc proc) {
    if (item) from_ref(item)->drawProc = proc;
}

void ADMItemSuite10::SetTrackProc(ADMItemRef item, ADMItemTrackProc proc) {
    if (item) from_ref(item)->trackProc = proc;
}

void ADMItemSuite10::SetNotifyProc(ADMItemRef item, ADMItemNotifyProc proc) {
    if (item) from_ref(item)->notifyProc = proc;
}

void ADMItemSuite10::SetDestroyProc(ADMItemRef item, ADMItemDestroyProc proc) {
    if (item) from_ref(item)->destroyProc = proc;
}

void ADMItemSuite10::SetUserData(ADMItemRef item, ADMUserData userData) {
    if (item) from_ref(item)->userData = userData;
}

void ADMItemSuite10::SetTextToFloatProc(ADMItemRef item, ADMItemTextToFloatProc proc) {
    if (item) from_ref(item)->textToFloatProc = proc;
}

void ADMItemSuite10::DefaultDraw(ADMItemRef item, ADMDrawerRef drawer) {
    if (item && drawer) from_ref(drawer)->result = kADMNotHandledErr;
}

ADMBoolean ADMItemSuite10::DefaultTrack(ADMItemRef, ADMTrackerRef) { return false; }

void ADMItemSuite10::DefaultNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (item && notifier) from_ref(item)->DefaultNotify(*from_ref(notifier));
}

ADMUserData ADMItemSuite10::GetUserData(ADMItemRef item) { return item ? from_ref(item)->userData : nullptr; }

ADMInt32 ADMItemSuite10::GetID(ADMItemRef item) { return item ? from_ref(item)->id : 0; }

ADMListRef ADMItemSuite10::GetList(ADMItemRef item) { return item ? to_ref(from_ref(item)->getList()) : nullptr; }

void ADMItemSuite10::SetItemStyle(ADMItemRef, ADMInt32) {}

void ADMItemSuite10::Show(ADMItemRef item, ADMBoolean show) {
    if (item) from_ref(item)->Show(show != 0);
}

void ADMItemSuite10::Enable(ADMItemRef item, ADMBoolean enable) {
    if (item) from_ref(item)->Enable(enable != 0);
}

ADMBoolean ADMItemSuite10::IsEnabled(ADMItemRef item) { return item && from_ref(item)->IsEnabled(); }

void ADMItemSuite10::SetLocalRect(ADMItemRef item, const ADMRect* localRect) {
    if (item && localRect) from_ref(item)->SetLocalRect(*localRect);
}

void ADMItemSuite10::GetBoundsRect(ADMItemRef item, ADMRect* boundsRect) {
    if (item && boundsRect) from_ref(item)->GetBoundsRect(*boundsRect);
}

void ADMItemSuite10::GetBestSize(ADMItemRef item, ADMPoint* bestSize) {
    if (item && bestSize) from_ref(item)->GetBestSize(*bestSize);
}

void ADMItemSuite10::SetFont(ADMItemRef item, ADMFont font) {
    if (item) from_ref(item)->SetFont(font);
}

void ADMItemSuite10::SetText(ADMItemRef item, const char* text) {
    if (item) from_ref(item)->SetText(text);
}

void ADMItemSuite10::SetUnits(ADMItemRef item, ADMUnits units) {
    if (item) from_ref(item)->SetUnits(units);
}

void ADMItemSuite10::ShowUnits(ADMItemRef, ADMBoolean) {}

void ADMItemSuite10::SetBooleanValue(ADMItemRef item, ADMBoolean value) {
    if (item) from_ref(item)->SetBooleanValue(value != 0);
}

ADMBoolean ADMItemSuite10::GetBooleanValue(ADMItemRef item) { return item && from_ref(item)->GetBooleanValue(); }

ADMInt32 ADMItemSuite10::GetIntValue(ADMItemRef item) { return item ? from_ref(item)->GetIntValue() : 0; }

float ADMItemSuite10::GetFloatValue(ADMItemRef item) { return item ? from_ref(item)->GetFloatValue() : 0.0f; }

void ADMItemSuite10::SetFloatValue(ADMItemRef item, float value) {
    if (!item) return;
    from_ref(item)->value = value;
    from_ref(item)->updateFloatText();
}

void ADMItemSuite10::SetMinFloatValue(ADMItemRef item, float value) {
    if (!item) return;
    from_ref(item)->minimum = value;
    from_ref(item)->updateFloatText();
}

void ADMItemSuite10::SetMaxFloatValue(ADMItemRef item, float value) {
    if (!item) return;
    from_ref(item)->maximum = value;
    from_ref(item)->updateFloatText();
}

void ADMItemSuite10::SetFloatToTextProc(ADMItemRef item, ADMItemFloatToTextProc proc) {
    if (!item) return;
    from_ref(item)->floatToTextProc = proc;
    from_ref(item)->updateFloatText();
}

ADMBoolean ADMItemSuite10::DefaultFloatToText(ADMItemRef item, float value, char* text, ADMInt32 /*maxLength*/) {
    if (!item || !text) return false;
    default_float_to_text(value, text);
    return true;
}

ADMBoolean ADMItemSuite10::DefaultTextToFloat(ADMItemRef item, const char* text, float* value) {
    return item && text && value && default_text_to_float(text, *value);
}

ADMItemRef ADMItemSuite10::Create(ADMDialogRef dialog, ADMInt32 itemID, ADMItemType itemType,
                                  const ADMRect* boundsRect, ADMItemInitProc initProc, ADMUserData userData,
                                  ADMInt32 options) {
    // Nothing is appended for what cannot become an item, so no half-made item is ever relied on.
    if (!dialog || !boundsRect || item_kind(itemType) == ItemKind::unknown) return nullptr;
    iADMItem* item = from_ref(dialog)->appendItem();
    if (!item) return nullptr;
    if (!item->Create(from_ref(dialog), itemID, itemType, *boundsRect, initProc, userData, options)) return nullptr;
    return to_ref(item);
}
