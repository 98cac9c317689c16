// The base of every dialog: the dialog wrapper plus a small builder that makes
// one control per call, and the dialog-wide enabling, resizing and centring.
#pragma once

#include <list>
#include <memory>

#include "adobe/AEGP_SuiteHandler.h"
#include "dialog/BaseADMDialog.h"
#include "dialog/CustomIcon.h"

class BaseDlg : public BaseADMDialog {
public:
    BaseDlg();
    ~BaseDlg() override;

    void Destroy() override;

    // ---- Operations added by the builder, in their fixed order ----
    // Nothing when the dialog already is in that state. Otherwise changes each
    // item whose state differs: the items from the first one with ID -1 on (the
    // dialogs here have none, so controls keep their own state), then the icon items.
    virtual void Enable(bool enable);
    virtual bool IsEnabled();
    // Resizes the dialog keeping its top-left corner (rect read as top, left, bottom, right).
    virtual void SetLocalRect(const ADMRect& rect);
    // Centres the dialog on the screen that contains (0, 0).
    virtual void MoveToScreenCenter();

    // ---- Builder: rect is read as top, left, height, width; each returns the new
    // item, or null when it is not made ----
    ADMItemRef add_ctrl(ADMItemType type, const IASRect& rect, const char* text, ADMInt32 id);
    ADMItemRef add_frame(const IASRect& rect, const char* text, ADMInt32 id, ADMFrameStyle style);
    ADMItemRef add_edit(const IASRect& rect, ADMInt32 id, float min, float max, float value);
    // Sized to its text, top-left at the point.
    ADMItemRef add_static(const ADMPoint& point, const char* text, ADMInt32 id);
    // Only the low byte of value counts; sized to its text.
    ADMItemRef add_checkbox(const IASRect& rect, const char* text, ADMInt32 id, int value);
    ADMItemRef add_radio(const IASRect& rect, const char* text, ADMInt32 id, int value);
    // A picture drawn by draw_func; its wrapper belongs to the item.
    ADMItemRef add_icon(const IASRect& rect, CustomIcon::DrawFunc draw_func, ADMInt32 id);

    // The first item with that ID, or null.
    ADMItemRef get_item(ADMInt32 id);

protected:
    bool enabled;
    AEGP_SuiteHandler suites;
    // Wrappers made by add_icon, for Enable only: their items own them. The
    // window may have disposed its controls, and so deleted these wrappers, by
    // the time Destroy empties the list; nothing here is followed after that.
    std::list<BaseADMItem*> item_wrappers;

private:
    void size_to_best(ADMItemRef item);

    // Wrappers whose item was not made: no item owns them, so the dialog does.
    std::list<std::unique_ptr<BaseADMItem>> unowned_wrappers;
};
