// Stretched blits between contexts: an image of the source's pixels drawn
// scaled into the destination.
#import <Cocoa/Cocoa.h>

#include "MacDrawingRecords.h"

namespace {
const SInt32 kBitmapRepSystem = 0x1050;

void DrawThroughBitmapRep(CGContextRef dest, const StretchRects& r, unsigned char* pixels, size_t rowBytes,
                          bool useAlpha)
{
  NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
  NSBitmapImageRep* rep = [[NSBitmapImageRep alloc]
      initWithBitmapDataPlanes:&pixels
                    pixelsWide:r.sw
                    pixelsHigh:r.sh
                 bitsPerSample:8
               samplesPerPixel:4
                      hasAlpha:YES
                      isPlanar:NO
                colorSpaceName:NSDeviceRGBColorSpace
                  bitmapFormat:(NSBitmapFormat)(NSAlphaFirstBitmapFormat | NSAlphaNonpremultipliedBitmapFormat)
                   bytesPerRow:(NSInteger)rowBytes
                  bitsPerPixel:32];
  if (rep) {
    if (!useAlpha) [rep setAlpha:NO];
    NSGraphicsContext* previous = [NSGraphicsContext currentContext];
    [NSGraphicsContext setCurrentContext:[NSGraphicsContext graphicsContextWithGraphicsPort:dest flipped:YES]];
    [rep drawInRect:NSMakeRect(r.x, r.y, r.w, r.h)];
    [NSGraphicsContext setCurrentContext:previous];
    [rep release];
  }
  [pool release];
}

void DrawThroughImage(CGContextRef dest, const StretchRects& r, unsigned char* pixels, size_t rowBytes, bool useAlpha)
{
  CGColorSpaceRef space = CGColorSpaceCreateWithName(kCGColorSpaceGenericRGB);
  CGDataProviderRef provider = CGDataProviderCreateWithData(nullptr, pixels, rowBytes * (size_t)r.sh, nullptr);
  CGImageRef image = space && provider ? CGImageCreate((size_t)r.sw, (size_t)r.sh, 8, 32, rowBytes, space,
                                                       useAlpha ? kCGImageAlphaFirst : kCGImageAlphaNoneSkipFirst,
                                                       provider, nullptr, false, kCGRenderingIntentDefault)
                                       : nullptr;
  if (image) {
    // The context's rows run down; an image is drawn with y up.
    CGContextSaveGState(dest);
    CGContextTranslateCTM(dest, r.x, r.y + r.h);
    CGContextScaleCTM(dest, 1, -1);
    CGContextDrawImage(dest, CGRectMake(0, 0, r.w, r.h), image);
    CGContextRestoreGState(dest);
    CGImageRelease(image);
  }
  if (provider) CGDataProviderRelease(provider);
  if (space) CGColorSpaceRelease(space);
}
}  // namespace

bool StretchBlit(ContextRecord* dest, int x, int y, int w, int h, ContextRecord* source, int sx, int sy, int sw, int sh,
                 uint32_t mode)
{
  if (!IsLiveContext(dest) || !IsLiveContext(source) || !source->mBuffer) return false;
  StretchRects r{x, y, w, h, sx, sy, sw, sh};
  if (!ClipStretchRects(&r, (int)CGBitmapContextGetWidth(source->mContext),
                        (int)CGBitmapContextGetHeight(source->mContext)))
    return false;
  const size_t rowBytes = CGBitmapContextGetBytesPerRow(source->mContext);
  unsigned char* pixels = (unsigned char*)GetContextBits(source) + (size_t)r.sy * rowBytes + (size_t)r.sx * 4;
  const bool useAlpha = mode == kBlitSourceAlpha;
  if (MacSystemVersion() >= kBitmapRepSystem)
    DrawThroughBitmapRep(dest->mContext, r, pixels, rowBytes, useAlpha);
  else
    DrawThroughImage(dest->mContext, r, pixels, rowBytes, useAlpha);
  return true;
}

bool StretchBlit(ContextRecord* dest, int x, int y, int w, int h, ContextRecord* source, int sx, int sy, uint32_t mode)
{
  return StretchBlit(dest, x, y, w, h, source, sx, sy, w, h, mode);
}
