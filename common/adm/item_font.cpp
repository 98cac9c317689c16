// The fonts and text colour of an item's text.
#include <cstring>

#include "adm/detail/host_color.h"
#include "adm/host_suites.h"
#include "adm/detail/iADMDialog.h"
#include "adm/detail/iADMItem.h"

ControlFontStyleRec iADMItem::baseFontStyle() const {
    ControlFontStyleRec style{};
    style.flags = kControlUseFontMask;
    style.font = kControlFontMiniSystemFont;
    // In a host panel the text takes the host's text colour, to read on the host's background.
    if (dialog && !dialog->window && sPFAppSuite) {
        style.foreColor = host_color(sPFAppSuite, PF_App_Color_TEXT);
        style.flags |= kControlUseForeColorMask | kControlAddToMetaFontMask;
    }
    return style;
}

void iADMItem::SetFont(ADMFont font) {
    ControlFontStyleRec style = baseFontStyle();
    style.flags |= kControlUseFontMask | kControlAddToMetaFontMask;
    switch (font) {
    case kADMItalicDialogFont:
    case kADMItalicPaletteFont:
    case kADMItalicFixedWidthFont:
        style.style = italic;
        style.flags |= kControlUseFaceMask;
        break;
    case kADMBoldDialogFont:
    case kADMBoldPaletteFont:
    case kADMBoldFixedWidthFont:
        style.style = bold;
        style.flags |= kControlUseFaceMask;
        break;
    case kADMBoldItalicDialogFont:
    case kADMBoldItalicPaletteFont:
    case kADMBoldItalicFixedWidthFont:
        style.style = bold | italic;
        style.flags |= kControlUseFaceMask;
        break;
    default:
        break;
    }
    style.font = kControlFontMiniSystemFont;
    if (font >= kADMFixedWidthFont && font <= kADMBoldItalicFixedWidthFont) {
        static const unsigned char courier[] = "\x07"
                                               "Courier";
        style.font = FMGetFontFamilyFromName(courier);
        style.flags |= kControlUseSizeMask;
        // The mini system size, as for every other item text.
        style.size = kControlFontMiniSystemFont;
    }
    if (label) SetControlFontStyle(label, &style);
    if (control) {
        // The control itself goes back to its default look; only a label shows the font.
        ControlFontStyleRec plain = style;
        plain.flags = 0;
        SetControlFontStyle(control, &plain);
    }
}
