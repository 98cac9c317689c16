// Gives an ADM item handle an object with virtual operations. The wrapper
// registers itself as the item's user data and installs static procs that find
// it again. A wrapper is owned by its item: when the item's native control goes
// away, the destroy proc deletes the wrapper.
#pragma once

#include "adm/ADMSuites.h"
#include "dialog/IADMDrawer.h"
#include "dialog/IADMNotifier.h"
#include "dialog/IADMTracker.h"

class BaseADMItem {
public:
    // With a non-null item the wrapper hooks itself onto it at once.
    explicit BaseADMItem(ADMItemRef item = nullptr, ADMUserData user_data = nullptr);

    BaseADMItem(BaseADMItem const&) = delete;
    BaseADMItem& operator=(BaseADMItem const&) = delete;

    // ---- Virtual operations, in their fixed order ----
    virtual ASErr Init();
    virtual void Draw(IADMDrawer drawer);
    virtual ADMBoolean Track(IADMTracker tracker);
    virtual void Notify(IADMNotifier notifier);
    virtual ADMBoolean TextToFloat(const char* text, float& value);
    virtual ADMBoolean FloatToText(float value, char* text, ADMInt32 length);
    virtual void BaseDraw(IADMDrawer drawer);
    virtual ~BaseADMItem();
    // Makes a new item on the dialog with this wrapper installed; null on failure.
    virtual ADMItemRef Create(ADMDialogRef dialog, const ADMRect& rect, ADMItemType type, ADMInt32 id);

    ADMItemRef GetItemRef() const { return item; }
    ADMUserData GetUserData() const { return user_data; }

protected:
    static ASErr InitProc(ADMItemRef item);
    static void DrawProc(ADMItemRef item, ADMDrawerRef drawer);
    static ADMBoolean TrackProc(ADMItemRef item, ADMTrackerRef tracker);
    static void NotifyProc(ADMItemRef item, ADMNotifierRef notifier);
    static void DestroyProc(ADMItemRef item);
    static ADMBoolean TextToFloatProc(ADMItemRef item, const char* text, float* value);
    static ADMBoolean FloatToTextProc(ADMItemRef item, float value, char* text, ADMInt32 length);

    ADMItemRef item = nullptr;
    ADMUserData user_data = nullptr;

private:
    static BaseADMItem* wrapper_of(ADMItemRef item);
    void install_procs();
};
