// Quartz 2D for the tests: bitmap contexts over the caller's pixels that
// keep their transform and record the transforms, clips, states and images
// they are given; images are copies of pixels. Nothing is rasterised.

#include <stdio.h>

#include <string>
#include <vector>

#include "AppleTesting.h"

namespace {
long sLiveObjects = 0;
int sFailingContexts = 0;

std::string Format(const char* format, double a, double b, double c = 0, double d = 0)
{
  char text[160];
  snprintf(text, sizeof text, format, a, b, c, d);
  return text;
}
}  // namespace

struct CGObject {
  CGObject() { ++sLiveObjects; }
  virtual ~CGObject() { --sLiveObjects; }
  long mRetainCount = 1;
};

struct CGColorSpace : CGObject {};

struct CGImage : CGObject {
  size_t mWidth = 0, mHeight = 0;
  std::vector<uint8_t> mPixels;
};

struct CGContext : CGObject {
  uint8_t* mData = nullptr;
  size_t mWidth = 0, mHeight = 0, mBytesPerRow = 0;
  CGAffineTransform mCTM{1, 0, 0, 1, 0, 0};
  std::vector<CGAffineTransform> mSaved;
  std::vector<std::string> mLog;
};

namespace {
template <class T>
void Release(T* object)
{
  if (object && --object->mRetainCount == 0) delete object;
}
}  // namespace

extern "C" {

const CFStringRef kCGColorSpaceGenericRGB =
    CFStringCreateWithCString(kCFAllocatorDefault, "kCGColorSpaceGenericRGB", kCFStringEncodingUTF8);

CGColorSpaceRef CGColorSpaceCreateDeviceRGB(void) { return new CGColorSpace; }
CGColorSpaceRef CGColorSpaceCreateWithName(CFStringRef name) { return name ? new CGColorSpace : nullptr; }
void CGColorSpaceRelease(CGColorSpaceRef space) { Release(space); }

// What a Mac makes of 8-bit RGB: only the alpha placements Quartz draws into.
CGContextRef CGBitmapContextCreate(void* data, size_t width, size_t height, size_t bitsPerComponent, size_t bytesPerRow,
                                   CGColorSpaceRef space, CGBitmapInfo bitmapInfo)
{
  const uint32_t alpha = bitmapInfo & kCGBitmapAlphaInfoMask;
  const bool drawable = alpha == kCGImageAlphaNoneSkipFirst || alpha == kCGImageAlphaNoneSkipLast ||
                        alpha == kCGImageAlphaPremultipliedFirst || alpha == kCGImageAlphaPremultipliedLast;
  if (!data || !space || !width || !height || bitsPerComponent != 8 || bytesPerRow < width * 4 || !drawable)
    return nullptr;
  if (sFailingContexts > 0) {
    --sFailingContexts;
    return nullptr;
  }
  CGContext* context = new CGContext;
  context->mData = (uint8_t*)data;
  context->mWidth = width;
  context->mHeight = height;
  context->mBytesPerRow = bytesPerRow;
  return context;
}

void* CGBitmapContextGetData(CGContextRef context) { return context->mData; }
size_t CGBitmapContextGetWidth(CGContextRef context) { return context->mWidth; }
size_t CGBitmapContextGetHeight(CGContextRef context) { return context->mHeight; }
size_t CGBitmapContextGetBytesPerRow(CGContextRef context) { return context->mBytesPerRow; }

CGImageRef CGBitmapContextCreateImage(CGContextRef context)
{
  CGImage* image = new CGImage;
  image->mWidth = context->mWidth;
  image->mHeight = context->mHeight;
  for (size_t y = 0; y < context->mHeight; ++y) {
    const uint8_t* row = context->mData + y * context->mBytesPerRow;
    image->mPixels.insert(image->mPixels.end(), row, row + context->mWidth * 4);
  }
  return image;
}

void CGContextRelease(CGContextRef context) { Release(context); }
void CGContextFlush(CGContextRef context) { context->mLog.push_back("flush"); }

void CGContextSaveGState(CGContextRef context)
{
  context->mSaved.push_back(context->mCTM);
  context->mLog.push_back("save");
}

void CGContextRestoreGState(CGContextRef context)
{
  if (!context->mSaved.empty()) {
    context->mCTM = context->mSaved.back();
    context->mSaved.pop_back();
  }
  context->mLog.push_back("restore");
}

void CGContextTranslateCTM(CGContextRef context, CGFloat tx, CGFloat ty)
{
  CGAffineTransform& m = context->mCTM;
  m.tx += m.a * tx + m.c * ty;
  m.ty += m.b * tx + m.d * ty;
  context->mLog.push_back(Format("translate %g %g", tx, ty));
}

void CGContextScaleCTM(CGContextRef context, CGFloat sx, CGFloat sy)
{
  CGAffineTransform& m = context->mCTM;
  m.a *= sx;
  m.b *= sx;
  m.c *= sy;
  m.d *= sy;
  context->mLog.push_back(Format("scale %g %g", sx, sy));
}

CGAffineTransform CGContextGetCTM(CGContextRef context) { return context->mCTM; }

void CGContextClipToRect(CGContextRef context, CGRect r)
{
  context->mLog.push_back(Format("clip %g %g %g %g", r.origin.x, r.origin.y, r.size.width, r.size.height));
}

void CGImageRelease(CGImageRef image) { Release(image); }

void CGContextDrawImage(CGContextRef context, CGRect r, CGImageRef image)
{
  context->mLog.push_back(Format("image %g %g %g %g", r.origin.x, r.origin.y, r.size.width, r.size.height));
}

}  // extern "C"

long TestCGLiveObjects() { return sLiveObjects; }

void TestCGFailContexts(int n) { sFailingContexts = n; }

const std::vector<std::string>& TestCGContextLog(CGContextRef context) { return context->mLog; }

const std::vector<uint8_t>& TestCGImagePixels(CGImageRef image) { return image->mPixels; }
