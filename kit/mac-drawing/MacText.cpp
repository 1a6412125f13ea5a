// Text in the selected font through ATSUI: measured, and drawn into a
// rectangle in the context's text colour.
#include <string.h>

#include <vector>

#include "MacDrawingRecords.h"

namespace {
Fixed ToFixed(double v) { return (Fixed)(v * 65536.0); }
int FixedToInt(Fixed v) { return (v + 0x8000) >> 16; }

// The UTF-16 of length bytes of UTF-8 text; empty when it is not UTF-8.
std::vector<UniChar> ToUTF16(const char* text, int length)
{
  std::vector<UniChar> chars;
  CFStringRef string =
      CFStringCreateWithBytes(kCFAllocatorDefault, (const UInt8*)text, length, kCFStringEncodingUTF8, false);
  if (!string) return chars;
  chars.resize((size_t)CFStringGetLength(string));
  if (!chars.empty()) CFStringGetCharacters(string, CFRangeMake(0, (CFIndex)chars.size()), chars.data());
  CFRelease(string);
  return chars;
}

// The selected font's style, or a plain one of the layout's own.
class TextLayout {
public:
  TextLayout(ContextRecord* context, const std::vector<UniChar>& chars)
  {
    GdiObject* font = context->mFont;
    mStyle = font && !font->mFree && font->mStyle ? font->mStyle : nullptr;
    if (!mStyle && ATSUCreateStyle(&mStyle) == noErr) mOwnStyle = true;
    if (!mStyle || chars.empty()) return;
    UniCharCount runLength = chars.size();
    if (ATSUCreateTextLayoutWithTextPtr(chars.data(), 0, chars.size(), chars.size(), 1, &runLength, &mStyle,
                                        &mLayout) != noErr)
      mLayout = nullptr;
    mLength = chars.size();
  }
  ~TextLayout()
  {
    if (mLayout) ATSUDisposeTextLayout(mLayout);
    if (mOwnStyle) ATSUDisposeStyle(mStyle);
  }
  TextLayout(const TextLayout&) = delete;
  TextLayout& operator=(const TextLayout&) = delete;

  ATSUStyle Style() const { return mStyle; }
  ATSUTextLayout Layout() const { return mLayout; }
  UniCharCount Length() const { return mLength; }
  // Width, ascent and descent in pixels; false when ATSUI cannot tell.
  bool Bounds(int* width, int* ascent, int* descent) const
  {
    ATSUTextMeasurement before = 0, after = 0, up = 0, down = 0;
    if (!mLayout || ATSUGetUnjustifiedBounds(mLayout, 0, mLength, &before, &after, &up, &down) != noErr) return false;
    *width = FixedToInt(after - before);
    *ascent = FixedToInt(up);
    *descent = FixedToInt(down);
    return true;
  }

private:
  ATSUStyle mStyle = nullptr;
  bool mOwnStyle = false;
  ATSUTextLayout mLayout = nullptr;
  UniCharCount mLength = 0;
};
}  // namespace

bool MeasureText(ContextRecord* context, DrawingTextMetrics* metrics)
{
  if (!IsLiveContext(context) || !metrics) return false;
  int averageWidth = 0, maxWidth = 0, ascent = 0, descent = 0;
  TextLayout average(context, ToUTF16("x", 1)), widest(context, ToUTF16("W", 1));
  if (!average.Bounds(&averageWidth, &ascent, &descent) || !widest.Bounds(&maxWidth, &ascent, &descent)) return false;
  metrics->height = ascent + descent;
  metrics->averageWidth = averageWidth;
  metrics->maxWidth = maxWidth;
  return true;
}

bool DrawTextInRect(ContextRecord* context, const char* text, int length, const DrawingRect* rect, unsigned format)
{
  if (!IsLiveContext(context) || !text || !rect) return false;
  if (length < 0) length = (int)strlen(text);
  TextLayout text16(context, ToUTF16(text, length));
  int width = 0, ascent = 0, descent = 0;
  if (!text16.Bounds(&width, &ascent, &descent)) return false;

  const uint32_t rgb = context->mTextColorValue;
  RGBColor color = {(unsigned short)(((rgb >> 16) & 0xFF) * 257), (unsigned short)(((rgb >> 8) & 0xFF) * 257),
                    (unsigned short)((rgb & 0xFF) * 257)};
  const ATSUAttributeTag colorTag = kATSUColorTag;
  const ByteCount colorSize = sizeof color;
  ATSUAttributeValuePtr colorValue = &color;
  ATSUSetAttributes(text16.Style(), 1, &colorTag, &colorSize, &colorValue);

  CGContextRef cg = context->mContext;
  ATSUTextMeasurement lineWidth = ToFixed(rect->right - rect->left);
  Fract flush = (format & kTextCenter)  ? kATSUCenterAlignment
                : (format & kTextRight) ? kATSUEndAlignment
                                        : kATSUStartAlignment;
  Fixed angle = ToFixed(context->mFont && !context->mFont->mFree ? context->mFont->mAngle : 0.0f);
  const ATSUAttributeTag tags[] = {kATSUCGContextTag, kATSULineWidthTag, kATSULineFlushFactorTag, kATSULineRotationTag};
  const ByteCount sizes[] = {sizeof cg, sizeof lineWidth, sizeof flush, sizeof angle};
  ATSUAttributeValuePtr values[] = {&cg, &lineWidth, &flush, &angle};
  if (ATSUSetLayoutControls(text16.Layout(), 4, tags, sizes, values) != noErr) return false;

  if (context->mBackgroundMode == kBackgroundOpaque) FillRectWithBrush(context, rect, context->mBrush);
  const int height = ascent + descent;
  const int baseline = (format & kTextBottom)    ? rect->bottom - descent
                       : (format & kTextVCenter) ? rect->top + (rect->bottom - rect->top - height) / 2 + ascent
                                                 : rect->top + ascent;
  // ATSUI draws with y up; the context's rows run down.
  CGContextSaveGState(cg);
  CGContextClipToRect(cg, CGRectMake(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top));
  CGContextTranslateCTM(cg, rect->left, baseline);
  CGContextScaleCTM(cg, 1, -1);
  const bool drawn = ATSUDrawText(text16.Layout(), 0, text16.Length(), 0, 0) == noErr;
  CGContextRestoreGState(cg);
  return drawn;
}
