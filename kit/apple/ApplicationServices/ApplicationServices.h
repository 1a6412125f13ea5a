#ifndef APPLICATIONSERVICES_H
#define APPLICATIONSERVICES_H

// Stands in for Apple's ApplicationServices off Apple (see ../README.md):
// Quartz 2D, and the ATSUI styles and text layouts the macOS drawing layer
// sets text with.

#include <CoreFoundation/CoreFoundation.h>
#include <CoreGraphics/CoreGraphics.h>
#include <MacTypes.h>

typedef SInt32 Fixed;
typedef SInt32 Fract;
typedef const UniChar* ConstUniCharArrayPtr;
typedef unsigned long UniCharArrayOffset;
typedef unsigned long UniCharCount;

struct RGBColor {
  unsigned short red;
  unsigned short green;
  unsigned short blue;
};

typedef struct OpaqueATSUStyle* ATSUStyle;
typedef struct OpaqueATSUTextLayout* ATSUTextLayout;
typedef UInt32 ATSUFontID;
typedef UInt32 ATSUAttributeTag;
typedef void* ATSUAttributeValuePtr;
typedef Fixed ATSUTextMeasurement;

typedef UInt32 FontNameCode;
typedef UInt32 FontPlatformCode;
typedef UInt32 FontScriptCode;
typedef UInt32 FontLanguageCode;

enum {
  kFontFullName = 4,
  kFontNoPlatformCode = (FontPlatformCode)0xFFFFFFFF,
  kFontNoScriptCode = (FontScriptCode)0xFFFFFFFF,
  kFontNoLanguageCode = (FontLanguageCode)0xFFFFFFFF,
};

// Layout controls.
enum {
  kATSULineWidthTag = 1,        // ATSUTextMeasurement
  kATSULineRotationTag = 2,     // Fixed degrees
  kATSULineFlushFactorTag = 5,  // Fract
  kATSUCGContextTag = 32767,    // CGContextRef
};

// Style attributes.
enum {
  kATSUQDBoldfaceTag = 256,   // Boolean
  kATSUQDItalicTag = 257,     // Boolean
  kATSUQDUnderlineTag = 258,  // Boolean
  kATSUFontTag = 261,         // ATSUFontID
  kATSUSizeTag = 262,         // Fixed points
  kATSUColorTag = 263,        // RGBColor
};

enum {
  kATSUStartAlignment = (Fract)0x00000000,
  kATSUEndAlignment = (Fract)0x40000000,
  kATSUCenterAlignment = (Fract)0x20000000,
};

#ifdef __cplusplus
extern "C" {
#endif

OSStatus ATSUCreateStyle(ATSUStyle* oStyle);
OSStatus ATSUDisposeStyle(ATSUStyle iStyle);
OSStatus ATSUSetAttributes(ATSUStyle iStyle, ItemCount iAttributeCount, const ATSUAttributeTag iTag[],
                           const ByteCount iValueSize[], const ATSUAttributeValuePtr iValue[]);
OSStatus ATSUFindFontFromName(const void* iName, ByteCount iNameLength, FontNameCode iFontNameCode,
                              FontPlatformCode iFontNamePlatform, FontScriptCode iFontNameScript,
                              FontLanguageCode iFontNameLanguage, ATSUFontID* oFontID);
OSStatus ATSUCreateTextLayoutWithTextPtr(ConstUniCharArrayPtr iText, UniCharArrayOffset iTextOffset,
                                         UniCharCount iTextLength, UniCharCount iTextTotalLength,
                                         ItemCount iNumberOfRuns, const UniCharCount iRunLengths[], ATSUStyle iStyles[],
                                         ATSUTextLayout* oTextLayout);
OSStatus ATSUSetLayoutControls(ATSUTextLayout iTextLayout, ItemCount iAttributeCount, const ATSUAttributeTag iTag[],
                               const ByteCount iValueSize[], const ATSUAttributeValuePtr iValue[]);
OSStatus ATSUGetUnjustifiedBounds(ATSUTextLayout iTextLayout, UniCharArrayOffset iLineStart, UniCharCount iLineLength,
                                  ATSUTextMeasurement* oTextBefore, ATSUTextMeasurement* oTextAfter,
                                  ATSUTextMeasurement* oAscent, ATSUTextMeasurement* oDescent);
OSStatus ATSUDrawText(ATSUTextLayout iTextLayout, UniCharArrayOffset iLineOffset, UniCharCount iLineLength,
                      ATSUTextMeasurement iLocationX, ATSUTextMeasurement iLocationY);
OSStatus ATSUDisposeTextLayout(ATSUTextLayout iTextLayout);

#ifdef __cplusplus
}
#endif

#endif
