// The native window toolkit's interface: windows, controls (views), menus,
// events, theme text, drawing contexts, bitmap images, screens and strings,
// under the platform's own names. Declared for this project; implemented by the
// toolkit library over an in-memory model and cairo.
//
// Sections, in order:
//   Scalar types        status codes, integer types, four-character codes
//   Geometry            Rect, Point, and the drawing system's CGPoint, CGSize, CGRect
//   Strings             CFString: Mac Roman, ASCII or UTF-8 at the interface
//   Opaque references   windows, views, menus, events, ports, drawing contexts
//   Windows             creation, bounds, titles, visibility, ports
//   Theme text          theme fonts and text measurement
//   Controls (views)    kinds, data tags, creation, the view tree, state and values
//   Menus               popup menus and their items
//   Events              handlers, targets, event classes and parameters
//   Keyboard            modifier keys and the character codes of special keys
//   Drawing             contexts, paths, bitmaps, images, colour spaces
//   Screens             the graphics devices
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" {

// ---- Scalar types --------------------------------------------------------------
typedef int32_t OSStatus;
typedef int16_t OSErr;
typedef uint32_t OSType;
typedef uint32_t FourCharCode;
typedef OSType ResType;
typedef unsigned char Boolean;
typedef int8_t SInt8;
typedef uint8_t UInt8;
typedef int16_t SInt16;
typedef uint16_t UInt16;
typedef int32_t SInt32;
typedef uint32_t UInt32;
typedef unsigned long ItemCount;
typedef unsigned long ByteCount;
typedef long Size;
typedef unsigned char Str255[256];
typedef const unsigned char* ConstStr255Param;
typedef SInt16 ScriptCode;
typedef unsigned char Style;

enum : OSStatus {
    noErr = 0,
    paramErr = -50,
    resNotFound = -192,
    errUnknownControl = -30584,
    errInvalidWindowRef = -5600,
    errDataNotSupported = -30583,  // unknown or unsupported data tag
    eventNotHandledErr = -9874,
    eventParameterNotFoundErr = -9870,
    eventInternalErr = -9868,
};

#define TK_FOUR_CC(a, b, c, d) \
    ((UInt32)(((UInt32)(a) << 24) | ((UInt32)(b) << 16) | ((UInt32)(c) << 8) | (UInt32)(d)))

// ---- Geometry ------------------------------------------------------------------
struct Rect {
    SInt16 top, left, bottom, right;
};
struct Point {
    SInt16 v, h;
};
Boolean PtInRect(Point pt, const Rect* r);

// The drawing system's geometry, in pixels as doubles.
typedef double CGFloat;
struct CGPoint {
    double x, y;
};
struct CGSize {
    double width, height;
};
struct CGRect {
    CGPoint origin;
    CGSize size;
};
typedef CGRect HIRect;

// ---- Strings -------------------------------------------------------------------
typedef const struct __CFString* CFStringRef;
typedef const void* CFTypeRef;
typedef const struct __CFAllocator* CFAllocatorRef;
typedef UInt32 CFStringEncoding;
typedef long CFIndex;
#define kCFAllocatorDefault ((CFAllocatorRef)0)
enum : CFStringEncoding {
    kCFStringEncodingMacRoman = 0,
    kCFStringEncodingASCII = 0x0600,
    kCFStringEncodingUTF8 = 0x08000100,
};
CFStringRef CFStringCreateWithCString(CFAllocatorRef alloc, const char* cStr, CFStringEncoding encoding);
Boolean CFStringGetCString(CFStringRef theString, char* buffer, CFIndex bufferSize, CFStringEncoding encoding);
CFIndex CFStringGetLength(CFStringRef theString);
void CFRelease(CFTypeRef cf);

// ---- Opaque references ---------------------------------------------------------
typedef struct OpaqueWindowPtr* WindowRef;
typedef struct OpaqueControlRef* ControlRef;
typedef ControlRef HIViewRef;
typedef struct OpaqueMenuRef* MenuRef;
typedef struct OpaqueEventRef* EventRef;
typedef struct OpaqueEventHandlerCallRef* EventHandlerCallRef;
typedef struct OpaqueEventHandlerRef* EventHandlerRef;
typedef struct OpaqueEventTargetRef* EventTargetRef;
typedef struct OpaqueGrafPtr* GrafPtr;
typedef GrafPtr CGrafPtr;
typedef struct CGContext* CGContextRef;
typedef struct CGImage* CGImageRef;
typedef struct CGColorSpace* CGColorSpaceRef;

// ---- Windows -------------------------------------------------------------------
typedef UInt32 WindowClass;
typedef UInt32 WindowAttributes;
typedef UInt16 WindowRegionCode;
enum : WindowClass {
    kAlertWindowClass = 1,
    kMovableModalWindowClass = 4,
    kFloatingWindowClass = 5,
    kDocumentWindowClass = 6,
};
enum : WindowAttributes {
    kWindowNoAttributes = 0,
    kWindowCloseBoxAttribute = 1u << 0,
    kWindowFullZoomAttribute = (1u << 1) | (1u << 2),
    kWindowCollapseBoxAttribute = 1u << 3,
    kWindowResizableAttribute = 1u << 4,
    kWindowSideTitlebarAttribute = 1u << 5,
    kWindowNoTitleBarAttribute = 1u << 9,
    kWindowCompositingAttribute = 1u << 19,
    kWindowStandardHandlerAttribute = 1u << 25,
};
enum : WindowRegionCode {
    kWindowStructureRgn = 32,
    kWindowContentRgn = 33,
};
typedef SInt16 ThemeBrush;
enum : ThemeBrush { kThemeBrushDialogBackgroundActive = 1 };

OSStatus CreateNewWindow(WindowClass windowClass, WindowAttributes attributes, const Rect* contentBounds,
                         WindowRef* outWindow);
void DisposeWindow(WindowRef window);
void ShowWindow(WindowRef window);
void HideWindow(WindowRef window);
Boolean IsWindowVisible(WindowRef window);
Boolean IsWindowActive(WindowRef window);
OSStatus GetWindowBounds(WindowRef window, WindowRegionCode regionCode, Rect* globalBounds);
OSStatus SetWindowBounds(WindowRef window, WindowRegionCode regionCode, const Rect* globalBounds);
OSStatus SetWindowTitleWithCFString(WindowRef window, CFStringRef title);
OSStatus CopyWindowTitleAsCFString(WindowRef window, CFStringRef* outTitle);
OSStatus SetThemeWindowBackground(WindowRef window, ThemeBrush brush, Boolean update);
void SetPortWindowPort(WindowRef window);
void GetPort(GrafPtr* port);

// ---- Theme text ----------------------------------------------------------------
typedef UInt16 ThemeFontID;
typedef UInt32 ThemeDrawState;
enum : ThemeFontID {
    kThemeSystemFont = 0,
    kThemeSmallSystemFont = 1,
    kThemeMiniSystemFont = 109,
};
enum : ThemeDrawState { kThemeStateActive = 1 };
enum : ScriptCode { smSystemScript = -1 };
OSStatus UseThemeFont(ThemeFontID inFontID, ScriptCode inScript);
// ioBounds.h receives the width and ioBounds.v the height of the text.
OSStatus GetThemeTextDimensions(CFStringRef inString, ThemeFontID inFontID, ThemeDrawState inState,
                                Boolean inWrapToWidth, Point* ioBounds, SInt16* outBaseline);
typedef SInt16 FMFontFamily;
enum : FMFontFamily { kInvalidFontFamily = -1 };
// Pascal string name; DejaVu families and "Courier" are known.
FMFontFamily FMGetFontFamilyFromName(ConstStr255Param iName);

// ---- Controls (views) ----------------------------------------------------------
typedef SInt16 ControlPartCode;
enum : ControlPartCode { kControlEntireControl = 0 };

struct RGBColor {
    UInt16 red, green, blue;
};

struct ControlFontStyleRec {
    SInt16 flags;
    SInt16 font;
    SInt16 size;
    SInt16 style;
    SInt16 mode;
    SInt16 just;
    RGBColor foreColor;
    RGBColor backColor;
};
enum : SInt16 {
    kControlUseFontMask = 0x0001,
    kControlUseFaceMask = 0x0002,
    kControlUseSizeMask = 0x0004,
    kControlUseForeColorMask = 0x0008,
    kControlUseJustMask = 0x0040,
    kControlAddFontSizeMask = 0x0100,
    kControlAddToMetaFontMask = 0x0200,
};
// Meta fonts for ControlFontStyleRec.font.
enum : SInt16 {
    kControlFontBigSystemFont = -1,
    kControlFontSmallBoldSystemFont = -3,
    kControlFontViewSystemFont = -4,
    kControlFontMiniSystemFont = -5,
};
enum : Style { normal = 0, bold = 1, italic = 2 };

struct ControlKind {
    OSType signature;
    OSType kind;
};
enum : OSType {
    kControlKindSignatureToolkit = TK_FOUR_CC('t', 'k', 'i', 't'),
    kControlKindGroupBox = TK_FOUR_CC('g', 'r', 'p', 'b'),
    kControlKindBevelButton = TK_FOUR_CC('b', 'e', 'v', 'l'),
    kControlKindIcon = TK_FOUR_CC('i', 'c', 'o', 'n'),
    kControlKindPopupButton = TK_FOUR_CC('p', 'o', 'p', 'b'),
    kControlKindCheckBox = TK_FOUR_CC('c', 'b', 'o', 'x'),
    kControlKindEditUnicodeText = TK_FOUR_CC('e', 'u', 't', 'x'),
    kControlKindEditText = TK_FOUR_CC('e', 't', 'x', 't'),
    kControlKindPushButton = TK_FOUR_CC('p', 'u', 's', 'h'),
    kControlKindRadioButton = TK_FOUR_CC('r', 'd', 'i', 'o'),
    kControlKindStaticText = TK_FOUR_CC('s', 't', 'x', 't'),
    kControlKindUserPane = TK_FOUR_CC('u', 'p', 'a', 'n'),
    kControlKindRoot = TK_FOUR_CC('r', 'o', 'o', 't'),
};

// Data tags.
enum : ResType {
    kControlSizeTag = TK_FOUR_CC('s', 'i', 'z', 'e'),
    kControlStaticTextIsMultilineTag = TK_FOUR_CC('s', 't', 'i', 'm'),
    kControlEditTextCFStringTag = TK_FOUR_CC('c', 'f', 's', 't'),
    kControlStaticTextCFStringTag = TK_FOUR_CC('c', 'f', 's', 't'),
    kControlPopupButtonOwnedMenuRefTag = TK_FOUR_CC('o', 'm', 'r', 'f'),
    kControlPopupButtonMenuRefTag = TK_FOUR_CC('m', 'h', 'n', 'd'),
};
typedef UInt16 ControlSize;
enum : ControlSize { kControlSizeNormal = 0, kControlSizeSmall = 1, kControlSizeMini = 3 };

typedef UInt16 ControlBevelThickness;
enum : ControlBevelThickness { kControlBevelButtonSmallBevel = 0 };
typedef UInt16 ControlBevelButtonBehavior;
enum : ControlBevelButtonBehavior { kControlBehaviorPushbutton = 0, kControlBehaviorToggles = 0x0100 };
typedef UInt16 ControlBevelButtonMenuBehavior;
typedef UInt16 ControlBevelButtonMenuPlacement;
typedef SInt16 ControlContentType;
enum : ControlContentType { kControlContentTextOnly = 0 };
struct ControlButtonContentInfo {
    ControlContentType contentType;
    void* content;
};
typedef ControlButtonContentInfo* ControlButtonContentInfoPtr;

OSStatus CreateRootControl(WindowRef window, ControlRef* outControl);
OSStatus GetRootControl(WindowRef window, ControlRef* outControl);
OSStatus CreateUserPaneControl(WindowRef window, const Rect* boundsRect, UInt32 features, ControlRef* outControl);
OSStatus CreateGroupBoxControl(WindowRef window, const Rect* boundsRect, CFStringRef title, Boolean primary,
                               ControlRef* outControl);
// A bevel button has no menu here: menuID must be 0 (else resNotFound).
OSStatus CreateBevelButtonControl(WindowRef window, const Rect* boundsRect, CFStringRef title,
                                  ControlBevelThickness thickness, ControlBevelButtonBehavior behavior,
                                  ControlButtonContentInfoPtr info, SInt16 menuID,
                                  ControlBevelButtonMenuBehavior menuBehavior,
                                  ControlBevelButtonMenuPlacement menuPlacement, ControlRef* outControl);
OSStatus CreateIconControl(WindowRef window, const Rect* boundsRect, const ControlButtonContentInfo* inIconContent,
                           Boolean inDontTrack, ControlRef* outControl);
// There are no menu resources: menuID must be -12345, which asks for none
// (else resNotFound), and the menu comes through kControlPopupButtonOwnedMenuRefTag.
OSStatus CreatePopupButtonControl(WindowRef window, const Rect* boundsRect, CFStringRef title, SInt16 menuID,
                                  Boolean variableWidth, SInt16 titleWidth, SInt16 titleJustification,
                                  Style titleStyle, ControlRef* outControl);
OSStatus CreateCheckBoxControl(WindowRef window, const Rect* boundsRect, CFStringRef title, SInt32 initialValue,
                               Boolean autoToggle, ControlRef* outControl);
OSStatus CreateEditUnicodeTextControl(WindowRef window, const Rect* boundsRect, CFStringRef text, Boolean isPassword,
                                      const ControlFontStyleRec* style, ControlRef* outControl);
OSStatus CreatePushButtonControl(WindowRef window, const Rect* boundsRect, CFStringRef title, ControlRef* outControl);
OSStatus CreateRadioButtonControl(WindowRef window, const Rect* boundsRect, CFStringRef title, SInt32 initialValue,
                                  Boolean autoToggle, ControlRef* outControl);
OSStatus CreateStaticTextControl(WindowRef window, const Rect* boundsRect, CFStringRef text,
                                 const ControlFontStyleRec* style, ControlRef* outControl);
// Disposes the control and its subviews; each gets its dispose event.
void DisposeControl(ControlRef control);

OSStatus HIViewAddSubview(HIViewRef inParent, HIViewRef inNewChild);
OSStatus HIViewRemoveFromSuperview(HIViewRef inView);
// The view looks different and is to be drawn again.
OSStatus HIViewSetNeedsDisplay(HIViewRef inView, Boolean inNeedsDisplay);
HIViewRef HIViewGetSuperview(HIViewRef inView);
// Bounds in the view's own coordinates (origin 0, 0).
OSStatus HIViewGetBounds(HIViewRef inView, HIRect* outRect);
WindowRef GetControlOwner(ControlRef control);

OSErr ShowControl(ControlRef control);
OSErr HideControl(ControlRef control);
Boolean IsControlVisible(ControlRef control);
OSErr EnableControl(ControlRef control);
OSErr DisableControl(ControlRef control);
Boolean IsControlEnabled(ControlRef control);
// Bounds in the parent view's coordinates.
Rect* GetControlBounds(ControlRef control, Rect* bounds);
void SetControlBounds(ControlRef control, const Rect* bounds);
OSErr GetBestControlRect(ControlRef control, Rect* outRect, SInt16* outBaseLineOffset);
OSStatus GetControlKind(ControlRef control, ControlKind* outControlKind);
OSErr GetControlData(ControlRef control, ControlPartCode part, ResType tagName, Size bufferSize, void* buffer,
                     Size* actualSize);
OSErr SetControlData(ControlRef control, ControlPartCode part, ResType tagName, Size size, const void* data);
OSErr SetControlFontStyle(ControlRef control, const ControlFontStyleRec* inStyle);
OSStatus SetControlTitleWithCFString(ControlRef control, CFStringRef title);
OSStatus SetControlCommandID(ControlRef control, UInt32 commandID);
SInt32 GetControl32BitValue(ControlRef control);
void SetControl32BitValue(ControlRef control, SInt32 newValue);
SInt32 GetControl32BitMinimum(ControlRef control);
void SetControl32BitMinimum(ControlRef control, SInt32 newMinimum);
SInt32 GetControl32BitMaximum(ControlRef control);
void SetControl32BitMaximum(ControlRef control, SInt32 newMaximum);

// ---- Menus ---------------------------------------------------------------------
typedef SInt16 MenuID;
typedef UInt16 MenuItemIndex;
typedef UInt32 MenuAttributes;
typedef UInt32 MenuItemAttributes;
typedef UInt32 MenuCommand;
enum : MenuItemAttributes { kMenuItemAttrIgnoreMeta = 0x100 };
OSStatus CreateNewMenu(MenuID inMenuID, MenuAttributes inMenuAttributes, MenuRef* outMenuRef);
void DisposeMenu(MenuRef menu);
OSStatus InsertMenuItemTextWithCFString(MenuRef inMenu, CFStringRef inString, MenuItemIndex inAfterItem,
                                        MenuItemAttributes inAttributes, MenuCommand inCommandID);
OSStatus SetMenuItemTextWithCFString(MenuRef inMenu, MenuItemIndex inItem, CFStringRef inString);
OSStatus CopyMenuItemTextAsCFString(MenuRef inMenu, MenuItemIndex inItem, CFStringRef* outString);
void DeleteMenuItem(MenuRef theMenu, MenuItemIndex item);
UInt16 CountMenuItems(MenuRef theMenu);

// ---- Events --------------------------------------------------------------------
typedef OSStatus (*EventHandlerProcPtr)(EventHandlerCallRef inHandlerCallRef, EventRef inEvent, void* inUserData);
typedef EventHandlerProcPtr EventHandlerUPP;
typedef UInt32 EventClass;
typedef UInt32 EventKind;
typedef OSType EventParamName;
typedef OSType EventParamType;
struct EventTypeSpec {
    EventClass eventClass;
    EventKind eventKind;
};
enum : EventClass {
    kEventClassWindow = TK_FOUR_CC('w', 'i', 'n', 'd'),
    kEventClassControl = TK_FOUR_CC('c', 'n', 't', 'l'),
    kEventClassCommand = TK_FOUR_CC('c', 'm', 'd', 's'),
};
enum : EventKind {
    kEventWindowClose = 72,
    kEventWindowClosed = 73,
    kEventControlDraw = 4,
    kEventControlDispose = 1001,
    kEventCommandProcess = 1,
};
enum : EventParamName {
    kEventParamDirectObject = TK_FOUR_CC('-', '-', '-', '-'),
    kEventParamCGContextRef = TK_FOUR_CC('c', 'n', 't', 'x'),
    kEventParamGrafPort = TK_FOUR_CC('g', 'r', 'a', 'f'),
};
enum : EventParamType {
    typeHICommand = TK_FOUR_CC('h', 'c', 'm', 'd'),
    typeCGContextRef = TK_FOUR_CC('c', 'n', 't', 'x'),
    typeGrafPtr = TK_FOUR_CC('g', 'r', 'a', 'f'),
    typeControlRef = TK_FOUR_CC('c', 't', 'r', 'l'),
    typeWindowRef = TK_FOUR_CC('w', 'i', 'n', 'd'),
};
struct HICommand {
    UInt32 attributes;
    UInt32 commandID;
    struct {
        MenuRef menuRef;
        MenuItemIndex menuItemIndex;
    } menu;
};

EventHandlerUPP NewEventHandlerUPP(EventHandlerProcPtr userRoutine);
OSStatus InstallEventHandler(EventTargetRef inTarget, EventHandlerUPP inHandler, ItemCount inNumTypes,
                             const EventTypeSpec* inList, void* inUserData, EventHandlerRef* outRef);
OSStatus RemoveEventHandler(EventHandlerRef inHandlerRef);
EventTargetRef GetControlEventTarget(ControlRef inControl);
EventTargetRef GetWindowEventTarget(WindowRef inWindow);
EventClass GetEventClass(EventRef inEvent);
EventKind GetEventKind(EventRef inEvent);
OSStatus GetEventParameter(EventRef inEvent, EventParamName inName, EventParamType inDesiredType,
                           EventParamType* outActualType, ByteCount inBufferSize, ByteCount* outActualSize,
                           void* outData);

// ---- Keyboard ------------------------------------------------------------------
// A key is its character (Unicode) or, for keys that type none, one of the
// character codes below; modifiers say which modifier keys were held.
typedef UInt16 EventModifiers;
enum : EventModifiers {
    cmdKey = 0x0100,
    shiftKey = 0x0200,
    optionKey = 0x0800,
    controlKey = 0x1000,
};
enum : UInt32 {
    kHomeCharCode = 1,
    kEnterCharCode = 3,
    kEndCharCode = 4,
    kBackspaceCharCode = 8,
    kTabCharCode = 9,
    kReturnCharCode = 13,
    kEscapeCharCode = 27,
    kLeftArrowCharCode = 28,
    kRightArrowCharCode = 29,
    kUpArrowCharCode = 30,
    kDownArrowCharCode = 31,
    kDeleteCharCode = 127,  // forward delete
};

// ---- Drawing -------------------------------------------------------------------
typedef UInt32 CGBitmapInfo;
enum : CGBitmapInfo { kCGImageAlphaNone = 0, kCGImageAlphaPremultipliedLast = 1, kCGImageAlphaPremultipliedFirst = 2 };

void CGContextSetRGBFillColor(CGContextRef c, CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha);
void CGContextSetRGBStrokeColor(CGContextRef c, CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha);
void CGContextFillRect(CGContextRef c, CGRect rect);
void CGContextStrokeRect(CGContextRef c, CGRect rect);
void CGContextClearRect(CGContextRef c, CGRect rect);
void CGContextBeginPath(CGContextRef c);
void CGContextMoveToPoint(CGContextRef c, CGFloat x, CGFloat y);
void CGContextAddLineToPoint(CGContextRef c, CGFloat x, CGFloat y);
void CGContextClosePath(CGContextRef c);
void CGContextFillPath(CGContextRef c);
void CGContextStrokePath(CGContextRef c);
void CGContextDrawImage(CGContextRef c, CGRect rect, CGImageRef image);
void CGContextRelease(CGContextRef c);

// Bitmap contexts draw straight into the caller's memory: 8 bits per
// component, RGBA with alpha premultiplied and stored last.
CGContextRef CGBitmapContextCreate(void* data, size_t width, size_t height, size_t bitsPerComponent,
                                   size_t bytesPerRow, CGColorSpaceRef space, CGBitmapInfo bitmapInfo);
CGImageRef CGBitmapContextCreateImage(CGContextRef context);
size_t CGImageGetWidth(CGImageRef image);
void CGImageRelease(CGImageRef image);
CGColorSpaceRef CGColorSpaceCreateDeviceRGB(void);
void CGColorSpaceRelease(CGColorSpaceRef space);

// Bridge between ports and drawing contexts.
OSStatus QDBeginCGContext(CGrafPtr inPort, CGContextRef* outContext);
OSStatus QDEndCGContext(CGrafPtr inPort, CGContextRef* inoutContext);

// ---- Screens -------------------------------------------------------------------
struct GDevice {
    Rect gdRect;  // the device's global rectangle
};
typedef GDevice* GDPtr;
typedef GDPtr* GDHandle;
GDHandle GetDeviceList(void);
GDHandle GetNextDevice(GDHandle curDevice);

}  // extern "C"
