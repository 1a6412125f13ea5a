// Pens, brushes, fonts and bitmaps as object records: Quartz colours, ATSUI
// styles (or Cocoa text attributes where ATSUI has no style to give) and
// Cocoa images.
#import <Cocoa/Cocoa.h>

#include <stdlib.h>
#include <string.h>

#include "MacDrawingRecords.h"

namespace {
const int kMinFontSize = 2;
const int kMaxFontSize = 8192;
const int kFallbackFontSize = 10;
const int kBoldWeight = 700;
const float kFallbackFontScale = 0.95f;

GdiObject* CreateColorObject(int kind, int width, uint32_t rgb, float alpha)
{
  GdiObject* object = AllocGdiObject();
  if (!object) return nullptr;
  object->mKind = kind;
  object->mWidth = (float)width;
  object->mColor = CreateDrawingColor(rgb, alpha);
  return object;
}

ATSUStyle CreateStyle(const char* face, int size, bool bold, bool italic, bool underline)
{
  ATSUStyle style = nullptr;
  if (ATSUCreateStyle(&style) != noErr) return nullptr;
  ATSUFontID font = 0;
  const bool found = face && ATSUFindFontFromName(face, strlen(face), kFontFullName, kFontNoPlatformCode,
                                                  kFontNoScriptCode, kFontNoLanguageCode, &font) == noErr;
  Fixed fixedSize = (Fixed)(size * 65536);
  Boolean boldValue = bold, italicValue = italic, underlineValue = underline;
  const ATSUAttributeTag tags[] = {kATSUSizeTag, kATSUQDBoldfaceTag, kATSUQDItalicTag, kATSUQDUnderlineTag,
                                   kATSUFontTag};
  const ByteCount sizes[] = {sizeof fixedSize, sizeof boldValue, sizeof italicValue, sizeof underlineValue,
                             sizeof font};
  ATSUAttributeValuePtr values[] = {&fixedSize, &boldValue, &italicValue, &underlineValue, &font};
  ATSUSetAttributes(style, found ? 5 : 4, tags, sizes, values);
  return style;
}

NSDictionary* CreateAttributes(const char* face, int size, bool bold, bool italic, bool underline)
{
  const CGFloat points = size * kFallbackFontScale;
  NSFont* font = face ? [NSFont fontWithName:[NSString stringWithUTF8String:face] size:points] : nil;
  if (!font) font = [NSFont labelFontOfSize:points];
  if (!font) font = [NSFont systemFontOfSize:points];
  return [[NSDictionary alloc]
      initWithObjectsAndKeys:font, NSFontAttributeName, [NSNumber numberWithFloat:italic ? 0.2f : 0.0f],
                             NSObliquenessAttributeName, [NSNumber numberWithInt:underline ? 1 : 0],
                             NSUnderlineStyleAttributeName, [NSNumber numberWithFloat:bold ? -3.0f : 0.0f],
                             NSStrokeWidthAttributeName, nil];
}
}  // namespace

GdiObject* CreatePenObject(int style, int width, uint32_t rgb, float alpha)
{
  return CreateColorObject(kGdiPen, width < 0 ? 0 : width, rgb, alpha);
}

GdiObject* CreatePenObject(int style, int width, uint32_t rgb) { return CreatePenObject(style, width, rgb, 1.0f); }

GdiObject* CreateBrushObject(uint32_t rgb, float alpha) { return CreateColorObject(kGdiBrush, 0, rgb, alpha); }

GdiObject* CreateBrushObject(uint32_t rgb) { return CreateBrushObject(rgb, 1.0f); }

GdiObject* CreateFontObject(int height, int width, int escapement, int orientation, int weight, bool italic,
                            bool underline, bool strikeOut, int charSet, int outPrecision, int clipPrecision,
                            int quality, int pitchAndFamily, const char* face)
{
  int size = height ? abs(height) : abs(width);
  if (size < kMinFontSize || size > kMaxFontSize) size = kFallbackFontSize;
  GdiObject* object = AllocGdiObject();
  if (!object) return nullptr;
  object->mKind = kGdiFont;
  object->mAngle = escapement / 10.0f;
  const bool bold = weight >= kBoldWeight;
  object->mStyle = CreateStyle(face, size, bold, italic, underline);
  if (!object->mStyle) {
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    object->mAttributes = CreateAttributes(face, size, bold, italic, underline);
    [pool release];
  }
  return object;
}

GdiObject* CreateFontObject(const DrawingFontSpec* spec)
{
  if (!spec) return nullptr;
  char face[sizeof spec->face + 1] = {};
  memcpy(face, spec->face, sizeof spec->face);
  return CreateFontObject(spec->height, spec->width, spec->escapement, spec->orientation, spec->weight, spec->italic,
                          spec->underline, spec->strikeOut, spec->charSet, spec->outPrecision, spec->clipPrecision,
                          spec->quality, spec->pitchAndFamily, face);
}

// The pixels are this build's: bytes alpha, red, green, blue.
GdiObject* CreateBitmapObject(int width, int height, int planes, int bitsPerPixel, const void* pixels)
{
  if (width <= 0 || height <= 0 || planes != 1 || bitsPerPixel != 32 || !pixels) return nullptr;
  NSBitmapImageRep* rep = [[NSBitmapImageRep alloc] initWithBitmapDataPlanes:nullptr
                                                                  pixelsWide:width
                                                                  pixelsHigh:height
                                                               bitsPerSample:8
                                                             samplesPerPixel:4
                                                                    hasAlpha:YES
                                                                    isPlanar:NO
                                                              colorSpaceName:NSDeviceRGBColorSpace
                                                                 bytesPerRow:width * 4
                                                                bitsPerPixel:32];
  if (!rep) return nullptr;
  unsigned char* to = [rep bitmapData];
  const unsigned char* from = (const unsigned char*)pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x, from += 4, to += 4) {
      to[0] = from[1];
      to[1] = from[2];
      to[2] = from[3];
      to[3] = from[0];
    }
  }
  GdiObject* object = AllocGdiObject();
  if (!object) {
    [rep release];
    return nullptr;
  }
  object->mKind = kGdiBitmap;
  object->mImage = [[NSImage alloc] initWithSize:NSMakeSize(width, height)];
  [object->mImage addRepresentation:rep];
  [rep release];
  return object;
}

NSImage* GetBitmapImage(GdiObject* object)
{
  return object && !object->mFree && object->mKind == kGdiBitmap ? object->mImage : nil;
}

void DeleteGdiObject(GdiObject* object)
{
  if (!object || object->mFree || IsNullObject(object)) return;
  if (object->mColor) CGColorRelease(object->mColor);
  [object->mImage release];
  if (object->mStyle) ATSUDisposeStyle(object->mStyle);
  [object->mAttributes release];
  ReturnGdiObject(object);
}
