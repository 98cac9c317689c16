// Theme text: the current theme font, text dimensions and font family numbers.
#include <string>

#include "strings.h"
#include "text_metrics.h"
#include "unicode.h"

using namespace tk::detail;

extern "C" {

OSStatus UseThemeFont(ThemeFontID inFontID, ScriptCode) {
    if (inFontID != kThemeSystemFont && inFontID != kThemeSmallSystemFont && inFontID != kThemeMiniSystemFont)
        return paramErr;
    // Text is only drawn by controls, each in its own font, so the port keeps no font.
    return noErr;
}

OSStatus GetThemeTextDimensions(CFStringRef inString, ThemeFontID inFontID, ThemeDrawState, Boolean inWrapToWidth,
                                Point* ioBounds, SInt16* outBaseline) {
    const auto* chars = string_chars(inString);
    if (!chars || !ioBounds) return paramErr;
    const double wrapWidth = inWrapToWidth && ioBounds->h > 0 ? ioBounds->h : 0;
    const TkTextSize size = measure_text(theme_font(inFontID), utf16_to_utf8(*chars), wrapWidth);
    ioBounds->h = static_cast<SInt16>(size.width);
    ioBounds->v = static_cast<SInt16>(size.height);
    // The baseline lies above the bottom of the text by the descent.
    if (outBaseline) *outBaseline = static_cast<SInt16>(-size.descent);
    return noErr;
}

FMFontFamily FMGetFontFamilyFromName(ConstStr255Param iName) {
    if (!iName) return kInvalidFontFamily;
    const std::string name(reinterpret_cast<const char*>(iName + 1), iName[0]);
    return family_number(name);
}

}  // extern "C"
