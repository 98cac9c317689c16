// The ADM item type strings the dialog services know, and what each becomes.
#pragma once

#include "adm/ADMTypes.h"

enum class ItemKind {
    unknown,
    frame,
    picturePushButton,
    pictureStatic,
    popup,
    checkBox,
    textEdit,
    pushButton,
    radioButton,
    staticText,
};

// Exact, case-sensitive comparison; a null or unlisted string is `unknown`.
ItemKind item_kind(ADMItemType type);
