#include "adm/detail/item_type.h"

#include <cstring>

namespace {

struct TypeName {
    const char* name;
    ItemKind kind;
};

// Matched in this order; the first equal string decides.
constexpr TypeName _types[] = {
    {kADMFrameType, ItemKind::frame},
    {kADMPicturePushButtonType, ItemKind::picturePushButton},
    {kADMPictureStaticType, ItemKind::pictureStatic},
    {kADMPopupListType, ItemKind::popup},
    {kADMPopupMenuType, ItemKind::popup},
    {kADMTextCheckBoxType, ItemKind::checkBox},
    {kADMTextEditType, ItemKind::textEdit},
    {kADMTextPushButtonType, ItemKind::pushButton},
    {kADMTextRadioButtonType, ItemKind::radioButton},
    {kADMTextStaticType, ItemKind::staticText},
};

}  // namespace

ItemKind item_kind(ADMItemType type) {
    if (!type) return ItemKind::unknown;
    for (const TypeName& t : _types)
        if (std::strcmp(type, t.name) == 0) return t.kind;
    return ItemKind::unknown;
}
