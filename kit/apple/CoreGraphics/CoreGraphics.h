#ifndef COREGRAPHICS_H
#define COREGRAPHICS_H

// Stands in for Apple's Quartz 2D (CoreGraphics) off Apple (see
// ../README.md): bitmap contexts over the caller's pixels, the transform,
// clip and graphics-state calls, colours and colour spaces, images over
// pixels, and the path, fill and stroke calls of the macOS drawing layer.

#include <CoreFoundation/CoreFoundation.h>
#include <stddef.h>

#if defined(__LP64__)
typedef double CGFloat;
#else
typedef float CGFloat;
#endif

struct CGPoint {
  CGFloat x;
  CGFloat y;
};
struct CGSize {
  CGFloat width;
  CGFloat height;
};
struct CGRect {
  CGPoint origin;
  CGSize size;
};
struct CGAffineTransform {
  CGFloat a, b, c, d, tx, ty;
};

typedef struct CGContext* CGContextRef;
typedef struct CGColorSpace* CGColorSpaceRef;
typedef struct CGColor* CGColorRef;
typedef struct CGImage* CGImageRef;
typedef struct CGDataProvider* CGDataProviderRef;

typedef uint32_t CGBitmapInfo;
enum CGImageAlphaInfo {
  kCGImageAlphaNone = 0,
  kCGImageAlphaPremultipliedLast = 1,
  kCGImageAlphaPremultipliedFirst = 2,
  kCGImageAlphaLast = 3,
  kCGImageAlphaFirst = 4,
  kCGImageAlphaNoneSkipLast = 5,
  kCGImageAlphaNoneSkipFirst = 6,
};
enum {
  kCGBitmapAlphaInfoMask = 0x1F,
  kCGBitmapByteOrderDefault = 0 << 12,
  kCGBitmapByteOrder32Little = 2 << 12,
  kCGBitmapByteOrder32Big = 4 << 12,
};

enum CGColorRenderingIntent { kCGRenderingIntentDefault = 0 };

enum CGPathDrawingMode {
  kCGPathFill = 0,
  kCGPathEOFill = 1,
  kCGPathStroke = 2,
  kCGPathFillStroke = 3,
  kCGPathEOFillStroke = 4,
};

typedef void (*CGDataProviderReleaseDataCallback)(void* info, const void* data, size_t size);

inline CGPoint CGPointMake(CGFloat x, CGFloat y) { return CGPoint{x, y}; }
inline CGSize CGSizeMake(CGFloat width, CGFloat height) { return CGSize{width, height}; }
inline CGRect CGRectMake(CGFloat x, CGFloat y, CGFloat width, CGFloat height)
{
  return CGRect{CGPoint{x, y}, CGSize{width, height}};
}

#ifdef __cplusplus
extern "C" {
#endif

extern const CFStringRef kCGColorSpaceGenericRGB;

CGColorSpaceRef CGColorSpaceCreateDeviceRGB(void);
CGColorSpaceRef CGColorSpaceCreateWithName(CFStringRef name);
void CGColorSpaceRelease(CGColorSpaceRef space);

CGColorRef CGColorCreate(CGColorSpaceRef space, const CGFloat* components);
void CGColorRelease(CGColorRef color);

// Null when the arguments cannot make a context.
CGContextRef CGBitmapContextCreate(void* data, size_t width, size_t height, size_t bitsPerComponent, size_t bytesPerRow,
                                   CGColorSpaceRef space, CGBitmapInfo bitmapInfo);
void* CGBitmapContextGetData(CGContextRef context);
size_t CGBitmapContextGetWidth(CGContextRef context);
size_t CGBitmapContextGetHeight(CGContextRef context);
size_t CGBitmapContextGetBytesPerRow(CGContextRef context);
// A copy of the context's pixels.
CGImageRef CGBitmapContextCreateImage(CGContextRef context);
void CGContextRelease(CGContextRef context);
void CGContextFlush(CGContextRef context);

void CGContextSaveGState(CGContextRef context);
void CGContextRestoreGState(CGContextRef context);
void CGContextTranslateCTM(CGContextRef context, CGFloat tx, CGFloat ty);
void CGContextScaleCTM(CGContextRef context, CGFloat sx, CGFloat sy);
CGAffineTransform CGContextGetCTM(CGContextRef context);
void CGContextClipToRect(CGContextRef context, CGRect rect);

void CGContextSetFillColorWithColor(CGContextRef context, CGColorRef color);
void CGContextSetStrokeColorWithColor(CGContextRef context, CGColorRef color);
void CGContextSetLineWidth(CGContextRef context, CGFloat width);
void CGContextBeginPath(CGContextRef context);
void CGContextMoveToPoint(CGContextRef context, CGFloat x, CGFloat y);
void CGContextAddLineToPoint(CGContextRef context, CGFloat x, CGFloat y);
void CGContextAddRect(CGContextRef context, CGRect rect);
void CGContextClosePath(CGContextRef context);
void CGContextDrawPath(CGContextRef context, CGPathDrawingMode mode);
void CGContextStrokePath(CGContextRef context);
void CGContextFillRect(CGContextRef context, CGRect rect);

CGDataProviderRef CGDataProviderCreateWithData(void* info, const void* data, size_t size,
                                               CGDataProviderReleaseDataCallback releaseData);
void CGDataProviderRelease(CGDataProviderRef provider);
CGImageRef CGImageCreate(size_t width, size_t height, size_t bitsPerComponent, size_t bitsPerPixel, size_t bytesPerRow,
                         CGColorSpaceRef space, CGBitmapInfo bitmapInfo, CGDataProviderRef provider,
                         const CGFloat* decode, bool shouldInterpolate, CGColorRenderingIntent intent);
void CGImageRelease(CGImageRef image);
void CGContextDrawImage(CGContextRef context, CGRect rect, CGImageRef image);

#ifdef __cplusplus
}
#endif

#endif
