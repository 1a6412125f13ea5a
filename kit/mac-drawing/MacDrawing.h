#ifndef MACDRAWING_H
#define MACDRAWING_H

// The macOS drawing layer: the Windows device-context model over Quartz
// and ATSUI. A context record holds a Quartz context (over pixels of its
// own for a memory context, or a view's port) with its selected pen, brush
// and font, its text colour and its pen position; object records are the
// pens, brushes, fonts and bitmaps. The system draws through the memory
// contexts only (every PIX_SysBitmap is one); the other operations are
// kept for code written against the Windows model.
//
// Threads: records come from free lists shared by every thread under one
// process-wide lock; a context itself is used by one thread at a time (the
// editor's main thread for the draw bitmap).

#include <ApplicationServices/ApplicationServices.h>
#include <stdint.h>

#ifdef __OBJC__
@class NSColor;
@class NSDictionary;
@class NSImage;
@class NSView;
#else
typedef struct objc_object NSColor;
typedef struct objc_object NSDictionary;
typedef struct objc_object NSImage;
typedef struct objc_object NSView;
#endif

enum EGdiObjectKind { kGdiPen = 1, kGdiBrush = 2, kGdiFont = 3, kGdiBitmap = 4 };

// Background modes, as Windows numbers them.
enum EBackgroundMode { kBackgroundTransparent = 1, kBackgroundOpaque = 2 };

// DrawTextInRect's format flags, as Windows numbers them.
enum ETextFormat {
  kTextLeft = 0x0,
  kTextCenter = 0x1,
  kTextRight = 0x2,
  kTextVCenter = 0x4,
  kTextBottom = 0x8,
};

// The StretchBlit mode that draws with the source's alpha (alpha first);
// any other mode ignores it.
const uint32_t kBlitSourceAlpha = 0xDEADBEEF;

struct GdiObject {
  int mKind;                  // EGdiObjectKind
  CGColorRef mColor;          // pens and brushes
  float mWidth;               // pens; negative for the null objects
  NSImage* mImage;            // bitmaps
  ATSUStyle mStyle;           // fonts
  NSDictionary* mAttributes;  // fonts ATSUI could not make a style for
  float mAngle;               // fonts: the text angle in degrees
  bool mFree;
  GdiObject* mNext;  // in the free list
};

struct ContextRecord {
  CGContextRef mContext;
  void* mBuffer;  // memory contexts: the pixels, 63 bytes over
  GdiObject* mPen;
  GdiObject* mBrush;
  GdiObject* mFont;
  NSColor* mTextColor;
  uint32_t mTextColorValue;  // 0xRRGGBB
  int mBackgroundMode;
  float mPenX, mPenY;
  NSView* mFocusedView;  // view contexts: the view whose focus is locked
  bool mFree;
  ContextRecord* mNext;  // in the free list
};

// A rectangle as Windows gives one: right and bottom exclusive.
struct DrawingRect {
  int left, top, right, bottom;
};

// What MeasureText reports of the selected font.
struct DrawingTextMetrics {
  int height;
  int averageWidth;
  int maxWidth;
};

// A font as Windows describes one.
struct DrawingFontSpec {
  int height, width, escapement, orientation, weight;
  bool italic, underline, strikeOut;
  int charSet, outPrecision, clipPrecision, quality, pitchAndFamily;
  char face[32];
};

// --- Records ---

// A cleared record from the free list, else a new one; null when memory
// runs out.
ContextRecord* AllocContextRecord();
GdiObject* AllocGdiObject();
// How many context records wait in the free list (at most 100).
int KeptContextRecords();

// --- Contexts ---

// A Quartz bitmap context over zeroed pixels of its own, rows top-down,
// bytes skip, red, green, blue; the reference is not used. Null when the
// pixels or the context cannot be made.
ContextRecord* CreateMemContext(ContextRecord* reference, int width, int height);
// The 64-byte-aligned pixels of a memory context.
void* GetContextBits(ContextRecord* context);
// Releases what the record holds and returns it to the free list; a record
// already free is left alone.
void DeleteContext(ContextRecord* context);
void SetContextTextColor(ContextRecord* context, uint32_t rgb);
// A view in painting hands out its paint context; another view's port is
// wrapped in a new record with its focus locked.
ContextRecord* GetViewContext(NSView* view);
void ReleaseViewContext(NSView* view, ContextRecord* context);

// --- Objects ---

GdiObject* CreatePenObject(int style, int width, uint32_t rgb, float alpha);
GdiObject* CreatePenObject(int style, int width, uint32_t rgb);
GdiObject* CreateBrushObject(uint32_t rgb, float alpha);
GdiObject* CreateBrushObject(uint32_t rgb);
// 1 gives the null brush, 2 the null pen; both have width -1.
GdiObject* GetNullObject(int kind);
GdiObject* CreateFontObject(int height, int width, int escapement, int orientation, int weight, bool italic,
                            bool underline, bool strikeOut, int charSet, int outPrecision, int clipPrecision,
                            int quality, int pitchAndFamily, const char* face);
GdiObject* CreateFontObject(const DrawingFontSpec* spec);
// Pixels of 32 bits, rows top-down; null for any other depth.
GdiObject* CreateBitmapObject(int width, int height, int planes, int bitsPerPixel, const void* pixels);
NSImage* GetBitmapImage(GdiObject* object);
// Makes the object the context's pen, brush or font; returns the one it
// replaces.
GdiObject* SelectGdiObject(ContextRecord* context, GdiObject* object);
// The null objects are ignored.
void DeleteGdiObject(GdiObject* object);

// --- Drawing ---

void MoveToPoint(ContextRecord* context, float x, float y, CGPoint* old);
void SetPixelColour(ContextRecord* context, int x, int y, uint32_t rgb);
void SetBackgroundMode(ContextRecord* context, int mode);
void SaveContextState(ContextRecord* context);
void DrawPolygon(ContextRecord* context, const CGPoint* points, int count);
void LineToPoint(ContextRecord* context, float x, float y);
bool MeasureText(ContextRecord* context, DrawingTextMetrics* metrics);
void FillRectWithBrush(ContextRecord* context, const DrawingRect* rect, GdiObject* brush);
void DrawRectangle(ContextRecord* context, int left, int top, int right, int bottom);
bool DrawTextInRect(ContextRecord* context, const char* text, int length, const DrawingRect* rect, unsigned format);
void ClipToRect(ContextRecord* context, const DrawingRect* rect);
bool StretchBlit(ContextRecord* dest, int x, int y, int w, int h, ContextRecord* source, int sx, int sy, int sw, int sh,
                 uint32_t mode);
bool StretchBlit(ContextRecord* dest, int x, int y, int w, int h, ContextRecord* source, int sx, int sy, uint32_t mode);
void FillThemeBackground(ContextRecord* context, const DrawingRect* rect);

// --- Helpers ---

// The system version from Gestalt (0x1050 for 10.5.0); 0 when it cannot
// be had.
SInt32 MacSystemVersion();
// A Quartz colour of 0xRRGGBB with the alpha; the caller releases it.
CGColorRef CreateDrawingColor(uint32_t rgb, float alpha);

// The part of a stretched blit that lies inside the source: the source
// rectangle cut to the source's size, the destination cut in proportion.
// False when nothing is left.
struct StretchRects {
  int x, y, w, h;      // destination
  int sx, sy, sw, sh;  // source
};
bool ClipStretchRects(StretchRects* r, int sourceWidth, int sourceHeight);

#endif
