#include "dialog/BaseADMItem.h"

#include <utility>

BaseADMItem::BaseADMItem(ADMItemRef item, ADMUserData user_data) : item(item), user_data(user_data) {
    if (item) install_procs();
}

BaseADMItem::~BaseADMItem() {
    if (!item) return;
    // The track proc stays: the dialog services never call it, and the wrapper
    // is unhooked once its user data is gone, so the proc finds no wrapper.
    ADMItemSuite10::SetUserData(item, nullptr);
    ADMItemSuite10::SetDrawProc(item, nullptr);
    ADMItemSuite10::SetNotifyProc(item, nullptr);
    ADMItemSuite10::SetDestroyProc(item, nullptr);
    ADMItemSuite10::SetTextToFloatProc(item, nullptr);
    ADMItemSuite10::SetFloatToTextProc(item, nullptr);
    ADMItemSuite10::Destroy(item);
    item = nullptr;
}

void BaseADMItem::install_procs() {
    ADMItemSuite10::SetUserData(item, this);
    ADMItemSuite10::SetDrawProc(item, DrawProc);
    ADMItemSuite10::SetTrackProc(item, TrackProc);
    ADMItemSuite10::SetNotifyProc(item, NotifyProc);
    ADMItemSuite10::SetDestroyProc(item, DestroyProc);
    ADMItemSuite10::SetTextToFloatProc(item, TextToFloatProc);
    ADMItemSuite10::SetFloatToTextProc(item, FloatToTextProc);
}

ADMItemRef BaseADMItem::Create(ADMDialogRef dialog, const ADMRect& rect, ADMItemType type, ADMInt32 id) {
    item = nullptr;
    ADMItemRef const made = ADMItemSuite10::Create(dialog, id, type, &rect, InitProc, this, 0);
    ADMItemRef const named = std::exchange(item, made);  // by the init proc, when it ran
    if (made)
        install_procs();
    else  // an item refused by its init proc stays in the dialog: it must not keep pointing here
        ADMItemSuite10::SetUserData(named, nullptr);
    return item;
}

ASErr BaseADMItem::Init() { return A_Err_NONE; }

void BaseADMItem::Draw(IADMDrawer drawer) { ADMItemSuite10::DefaultDraw(item, drawer); }

ADMBoolean BaseADMItem::Track(IADMTracker tracker) { return ADMItemSuite10::DefaultTrack(item, tracker); }

void BaseADMItem::Notify(IADMNotifier notifier) { ADMItemSuite10::DefaultNotify(item, notifier); }

ADMBoolean BaseADMItem::TextToFloat(const char* text, float& value) {
    return ADMItemSuite10::DefaultTextToFloat(item, text, &value);
}

ADMBoolean BaseADMItem::FloatToText(float value, char* text, ADMInt32 length) {
    return ADMItemSuite10::DefaultFloatToText(item, value, text, length);
}

void BaseADMItem::BaseDraw(IADMDrawer drawer) { Draw(drawer); }

BaseADMItem* BaseADMItem::wrapper_of(ADMItemRef item) {
    return static_cast<BaseADMItem*>(ADMItemSuite10::GetUserData(item));
}

ASErr BaseADMItem::InitProc(ADMItemRef item) {
    BaseADMItem* wrapper = wrapper_of(item);
    if (!wrapper) return A_Err_NONE;
    wrapper->item = item;
    return wrapper->Init();
}

void BaseADMItem::DrawProc(ADMItemRef item, ADMDrawerRef drawer) {
    if (BaseADMItem* wrapper = wrapper_of(item)) wrapper->BaseDraw(drawer);
}

ADMBoolean BaseADMItem::TrackProc(ADMItemRef item, ADMTrackerRef tracker) {
    BaseADMItem* wrapper = wrapper_of(item);
    return wrapper ? wrapper->Track(tracker) : false;
}

void BaseADMItem::NotifyProc(ADMItemRef item, ADMNotifierRef notifier) {
    if (BaseADMItem* wrapper = wrapper_of(item)) wrapper->Notify(notifier);
}

void BaseADMItem::DestroyProc(ADMItemRef item) {
    // The item owns its wrapper; the destructor unhooks it from the item.
    delete wrapper_of(item);
}

ADMBoolean BaseADMItem::TextToFloatProc(ADMItemRef item, const char* text, float* value) {
    BaseADMItem* wrapper = wrapper_of(item);
    return wrapper && value ? wrapper->TextToFloat(text, *value) : false;
}

ADMBoolean BaseADMItem::FloatToTextProc(ADMItemRef item, float value, char* text, ADMInt32 length) {
    BaseADMItem* wrapper = wrapper_of(item);
    return wrapper ? wrapper->FloatToText(value, text, length) : false;
}
